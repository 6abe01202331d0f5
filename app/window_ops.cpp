// The window operations of monitor/window_ops.h. Each request is a message
// the window's thread answers; once the window is gone they do nothing.
#include "monitor/window_ops.h"

#include <windows.h>

#include "app/main_window.h"

namespace {

Text read_box(layout::Id id) {
  HWND box = worker_control(id);
  if (!box) return {};
  // The user may be typing: a text that grew between the two calls is read
  // again, so a read never returns a cut-off text. A few tries are plenty.
  Text text;
  for (int tries = 0; tries < 4; ++tries) {
    const int length = GetWindowTextLengthA(box);
    if (length <= 0) return {};
    text.assign(static_cast<std::size_t>(length) + 2, '\0');
    const int copied = GetWindowTextA(box, text.data(), length + 2);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    if (copied <= length) break;
  }
  return text;
}

void write_label(layout::Id id, const Text& text) {
  HWND label = worker_control(id);
  if (!label) return;
  SetWindowTextA(label, text.c_str());
  InvalidateRect(label, nullptr, TRUE);
}

}  // namespace

Text read_directory_text() { return read_box(layout::id_directory_box); }

Text read_limit_text() { return read_box(layout::id_limit_box); }

void set_progress_text(const Text& text) { write_label(layout::id_progress_label, text); }

void set_report_text(const Text& text) { write_label(layout::id_report_label, text); }
