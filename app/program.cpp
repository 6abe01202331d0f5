#include "app/program.h"

#include "app/app_texts.h"
#include "app/main_window.h"
#include "monitor/run_monitor.h"
#include "text/text.h"

namespace {

// A relative folder typed into the window is then found beside the program,
// wherever it was started from.
void enter_program_folder() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;  // a cut-off path names the wrong folder
  Text folder(buffer, length);
  // Searched by characters: a GBK trail byte can be 0x5C.
  const std::size_t cut = find_last_text(folder, "\\");
  if (cut == Text::npos) return;
  folder.resize(cut);
  // "C:" alone would mean the drive's current folder, not its root.
  if (!folder.empty() && folder.back() == ':') folder += '\\';
  SetCurrentDirectoryA(folder.c_str());
}

}  // namespace

int run_program() {
  enter_program_folder();
  HWND window = create_main_window(GetModuleHandleA(nullptr), on_start_clicked);
  if (!window) {
    MessageBoxA(nullptr, app_texts::load_failed.c_str(), "Morvane", MB_OK | MB_ICONERROR);
    return -1;
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (handle_window_key(window, message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

void on_start_clicked() {
  HANDLE worker = CreateThread(nullptr, 0, monitor_thread_entry, nullptr, 0, nullptr);
  if (worker) CloseHandle(worker);
}

DWORD WINAPI monitor_thread_entry(LPVOID) { run_monitor(); }
