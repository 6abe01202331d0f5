// The processor time a worker spends over a span of its life on an empty
// folder, where it only lists, announces the pause and waits.
// Usage: pause_cpu_bench [seconds]   (default 60)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "fs/list_files.h"
#include "monitor/scan_cycle.h"
#include "monitor/wait.h"
#include "text/texts.h"

namespace {

Text g_folder;

DWORD WINAPI worker(void*) {
  MonitorOps ops;
  ops.read_directory_text = [] { return g_folder; };
  ops.read_limit_text = [] { return Text("30"); };
  ops.set_progress_text = [](const Text&) {};
  ops.set_report_text = [](const Text&) {};
  ops.list_videos = [](const Text& f, TextList& names) { list_files(f, texts::video_pattern, names); };
  ops.rename_checked = [](const Text&, const Text&) { return false; };
  ops.path_exists = [](const Text&) { return false; };
  ops.wait = [](std::int32_t ms) { wait_pumping(ms); };
  ops.dispatch_waiting_messages = dispatch_waiting_messages;
  run_monitor_with(ops);
}

double seconds_of(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  g_folder = Text(temp) + "morvane-empty-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(g_folder.c_str(), nullptr);

  HANDLE thread = CreateThread(nullptr, 0, worker, nullptr, 0, nullptr);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  FILETIME created, exited, kernel, user;
  GetThreadTimes(thread, &created, &exited, &kernel, &user);
  const double cpu = seconds_of(kernel) + seconds_of(user);
  std::printf("worker on an empty folder for %d s: %.4f s of processor time (%.4f %% of one core)\n", seconds, cpu,
              100.0 * cpu / seconds);
  RemoveDirectoryA(g_folder.c_str());
  ExitProcess(0);
}
