#include "app/controls.h"

#include <shellapi.h>

#include "app/app_texts.h"
#include "text/text.h"

namespace controls {
namespace {

// Per-window values kept in the class's extra bytes.
constexpr int font_slot = 0;
constexpr int state_slot = static_cast<int>(sizeof(LONG_PTR));
constexpr LONG_PTR hover_flag = 1;
constexpr LONG_PTR visited_flag = 2;

Text caption_of(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

HFONT font_of(HWND window) {
  auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(window, font_slot));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LONG_PTR state_of(HWND window) { return GetWindowLongPtrA(window, state_slot); }

void set_flag(HWND window, LONG_PTR flag, bool on) {
  const LONG_PTR state = state_of(window);
  SetWindowLongPtrA(window, state_slot, on ? (state | flag) : (state & ~flag));
}

// Fills the client area and draws `text` in it, clipped to it.
void paint_text(HWND window, HDC dc, const Text& text, COLORREF colour, UINT format) {
  RECT area;
  GetClientRect(window, &area);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  SelectObject(dc, font_of(window));
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  RestoreDC(dc, saved);
}

// Messages both classes answer alike; false when `message` is not one of them.
bool common_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result,
                    void (*paint)(HWND, HDC)) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      paint(window, dc);
      EndPaint(window, &ps);
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      paint(window, reinterpret_cast<HDC>(wparam));
      result = 0;
      return true;
    case WM_ERASEBKGND:
      result = 1;  // the paint routine fills the background itself
      return true;
    case WM_SETFONT:
      SetWindowLongPtrA(window, font_slot, static_cast<LONG_PTR>(wparam));
      if (LOWORD(lparam)) InvalidateRect(window, nullptr, TRUE);
      result = 0;
      return true;
    case WM_GETFONT:
      result = GetWindowLongPtrA(window, font_slot);
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK label_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (common_message(window, message, wparam, lparam, result, paint_label)) return result;
  return DefWindowProcA(window, message, wparam, lparam);
}

void on_link_mouse_move(HWND link) {
  if (state_of(link) & hover_flag) return;
  set_flag(link, hover_flag, true);
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, link, 0};
  TrackMouseEvent(&track);
  InvalidateRect(link, nullptr, TRUE);
}

void on_link_mouse_leave(HWND link) {
  set_flag(link, hover_flag, false);
  InvalidateRect(link, nullptr, TRUE);
}

void on_link_pressed(HWND link) {
  const bool opened = open_link();
  set_flag(link, visited_flag, opened);
  if (opened) InvalidateRect(link, nullptr, TRUE);
}

LRESULT CALLBACK link_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (common_message(window, message, wparam, lparam, result, paint_link)) return result;
  switch (message) {
    case WM_MOUSEMOVE:
      on_link_mouse_move(window);
      return 0;
    case WM_MOUSELEAVE:
      on_link_mouse_leave(window);
      return 0;
    case WM_LBUTTONDOWN:
      on_link_pressed(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

bool register_class(HINSTANCE instance, const char* name, WNDPROC procedure, HCURSOR cursor) {
  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.cbWndExtra = 2 * static_cast<int>(sizeof(LONG_PTR));
  window_class.hInstance = instance;
  window_class.hCursor = cursor;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = name;
  // A second main window in one process (the tests) finds them registered.
  return RegisterClassExA(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool register_classes(HINSTANCE instance) {
  HCURSOR hand = LoadCursorA(instance, "LINK_CURSOR");
  if (!hand) hand = LoadCursor(nullptr, IDC_HAND);  // a program without our resources (the tests)
  return register_class(instance, label_class, label_procedure, LoadCursor(nullptr, IDC_ARROW)) &&
         register_class(instance, link_class, link_procedure, hand);
}

void paint_label(HWND label, HDC dc) {
  const bool wraps = (GetWindowLongPtrA(label, GWL_STYLE) & label_wraps) != 0;
  // Prefixes stay on: "&x" underlines x and "&&" draws one ampersand.
  const UINT format = DT_NOCLIP | DT_LEFT | DT_VCENTER | (wraps ? DT_WORDBREAK : DT_SINGLELINE);
  paint_text(label, dc, caption_of(label), RGB(0, 0, 0), format);
}

void paint_link(HWND link, HDC dc) {
  const LONG_PTR state = state_of(link);
  const COLORREF colour = (state & hover_flag)     ? link_hover
                          : (state & visited_flag) ? link_visited
                                                   : link_normal;
  Text text = caption_of(link);
  if (text.empty()) text = app_texts::link_address;
  paint_text(link, dc, text, colour, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_NOCLIP);
}

}  // namespace controls

bool open_link() {
  const Text& target = app_texts::link_address;
  if (target.empty()) return false;
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOW));
  return result > 32;
}
