// How long morvane.exe takes from CreateProcess until its main window is
// visible, next to a bare Win32 program that shows one empty window.
// Both programs are found beside this one. Runs alternate between the two so
// that a slow spell of the machine falls on both alike.
// Usage: app_startup_bench [runs]   (default 20 of each)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/bench/figures.h"

namespace {

std::string own_folder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  // Our own build folder's path: plain ASCII, so a byte search is safe here.
  return folder.substr(0, folder.find_last_of('\\'));
}

struct Search {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK note_visible_window(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND visible_window_of(DWORD process_id) {
  Search search = {process_id, nullptr};
  EnumWindows(note_visible_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Closes the program as its user would; ends it only when that fails.
void close_program(const PROCESS_INFORMATION& started, HWND window) {
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.hProcess, 5000) != WAIT_OBJECT_0) {
    std::printf("  (a program did not end on WM_CLOSE; terminated)\n");
    TerminateProcess(started.hProcess, 1);
    WaitForSingleObject(started.hProcess, 5000);
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

// Milliseconds from CreateProcess until a visible top-level window of the
// new process exists, or a negative number when there was none in 30 s.
double time_to_window(const std::string& program, const std::string& folder) {
  std::string command = "\"" + program + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  const double start = bench::now_ms();
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &started)) {
    std::printf("  cannot start %s (error %lu)\n", program.c_str(), GetLastError());
    return -1;
  }
  HWND window = nullptr;
  double shown = -1;
  while (bench::now_ms() - start < 30000) {
    if ((window = visible_window_of(started.dwProcessId)) != nullptr) {
      shown = bench::now_ms() - start;
      break;
    }
    if (WaitForSingleObject(started.hProcess, 1) == WAIT_OBJECT_0) break;  // ended: no window will come
  }
  close_program(started, window);
  return shown;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const std::string folder = own_folder();
  const std::string programs[2] = {folder + "\\" MORVANE_EXE, folder + "\\" BARE_WINDOW_EXE};
  const char* names[2] = {"morvane.exe", "bare window"};

  std::printf("time from CreateProcess to a visible top-level window, %d runs each (+1 warm-up)\n", runs);
  std::vector<double> times[2];
  int failures[2] = {0, 0};
  for (int run = 0; run <= runs; ++run) {
    for (int p = 0; p < 2; ++p) {
      const double ms = time_to_window(programs[p], folder);
      if (run == 0) continue;  // the first start also loads Wine's own files into the cache
      if (ms < 0) {
        ++failures[p];
      } else {
        times[p].push_back(ms);
      }
      Sleep(100);
    }
  }

  std::printf("\n");
  bench::print_header();
  bench::Summary s[2];
  for (int p = 0; p < 2; ++p) {
    s[p] = bench::print_row(names[p], times[p]);
    if (failures[p]) std::printf("  %s: %d runs showed no window within 30 s\n", names[p], failures[p]);
  }
  if (s[1].median > 0 && s[1].worst > 0) {
    std::printf("\n  morvane.exe / bare window: median %.2fx, worst %.2fx\n", s[0].median / s[1].median,
                s[0].worst / s[1].worst);
  }
  return 0;
}
