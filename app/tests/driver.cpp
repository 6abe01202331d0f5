#include "app/tests/driver.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstring>

#include "app/app_texts.h"

Text test_program_folder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  Text folder(path, length);
  return folder.substr(0, find_last_text(folder, "\\"));
}

namespace {

// A named CALLBACK: a lambda would have the wrong calling convention on i686.
BOOL CALLBACK take_main_window(HWND window, LPARAM result) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (app_texts::window_class != name) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

HWND find_main_window(HDESK desktop) {
  HWND found = nullptr;
  EnumDesktopWindows(desktop, take_main_window, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

bool start_program(const Text& desktop, int width, int height, RunningProgram& program,
                   const char* working_folder) {
  Text command = "explorer.exe /desktop=" + desktop + "," + std::to_string(width) + "x" +
                 std::to_string(height) + " \"" + test_program_folder() + "\\" MORVANE_EXE "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION host = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, working_folder, &startup,
                      &host)) {
    return false;
  }
  CloseHandle(host.hThread);
  program.desktop_host = host.hProcess;

  HDESK handle = nullptr;
  wait_until([&] { return (handle = OpenDesktopA(desktop.c_str(), 0, FALSE, GENERIC_ALL)) != nullptr; },
             20000);
  if (!handle || !SetThreadDesktop(handle)) return false;
  if (!wait_until([&] { return (program.window = find_main_window(handle)) != nullptr; }, 20000))
    return false;
  program.thread_id = GetWindowThreadProcessId(program.window, &program.process_id);
  program.process =
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, program.process_id);
  // Settled once the window has the focus it opens with.
  return program.process && wait_until([&] { return focused_id(program) != -1; }, 10000);
}

void stop_program(RunningProgram& program) {
  for (HANDLE* process : {&program.process, &program.desktop_host}) {
    if (!*process) continue;
    if (WaitForSingleObject(*process, 0) == WAIT_TIMEOUT) {
      TerminateProcess(*process, 1);
      WaitForSingleObject(*process, 5000);
    }
    CloseHandle(*process);
    *process = nullptr;
  }
}

bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms) {
  const ULONGLONG end = GetTickCount64() + timeout_ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

int thread_count(DWORD process_id) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == process_id) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

Text text_of(HWND window) {
  char buffer[4096] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 5000, &copied)) {
    return "<no answer>";
  }
  return Text(buffer, std::strlen(buffer));
}

int focused_id(const RunningProgram& program) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(program.thread_id, &info) || !info.hwndFocus) return -1;
  return GetDlgCtrlID(info.hwndFocus);
}

namespace {

void send_key(WORD virtual_key, WORD unicode, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = unicode;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void press_key(WORD virtual_key, bool shift) {
  if (shift) send_key(VK_SHIFT, 0, 0);
  send_key(virtual_key, 0, 0);
  send_key(virtual_key, 0, KEYEVENTF_KEYUP);
  if (shift) send_key(VK_SHIFT, 0, KEYEVENTF_KEYUP);
  Sleep(100);  // let the program take the key before the next one
}

void type_text(const std::string& ascii) {
  for (char c : ascii) {
    send_key(0, static_cast<WORD>(static_cast<unsigned char>(c)), KEYEVENTF_UNICODE);
    send_key(0, static_cast<WORD>(static_cast<unsigned char>(c)), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
  }
  Sleep(100);
}

void click(HWND control) {
  RECT area;
  GetClientRect(control, &area);
  const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageA(control, WM_LBUTTONUP, 0, middle);
  Sleep(100);
}

long wait_for_exit(const RunningProgram& program, DWORD timeout_ms) {
  if (WaitForSingleObject(program.process, timeout_ms) != WAIT_OBJECT_0) return -2;
  DWORD code = 0;
  GetExitCodeProcess(program.process, &code);
  return static_cast<long>(static_cast<LONG>(code));
}

TextList file_names_in(const Text& folder) {
  TextList found;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) found.push_back(entry.cFileName);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  std::sort(found.begin(), found.end());
  return found;
}
