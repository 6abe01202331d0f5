// One real pass over 50 videos (half of them over-long) with the real waits,
// timed against the sum of the waits the pass must take.
#include <windows.h>

#include <cstdio>

#include "fs/list_files.h"
#include "fs/rename.h"
#include "monitor/scan_cycle.h"
#include "monitor/wait.h"
#include "text/texts.h"

namespace {

void make_file(const Text& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const Text folder = Text(temp) + "morvane-pace-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::int32_t limit = 30;
  for (int i = 0; i < 50; ++i) {
    // Even files: 40 characters, shortened; odd files: 20 characters, left alone.
    Text title = std::to_string(100 + i) + (i % 2 == 0 ? Text(37, 'x') : Text(17, 'y'));
    make_file(folder + "\\" + title + ".mp4");
    make_file(folder + "\\" + title + ".jpg");
  }

  long long floor_ms = 0;
  MonitorOps ops;
  ops.read_directory_text = [&folder] { return folder; };
  ops.read_limit_text = [] { return Text("30"); };
  ops.set_progress_text = [](const Text&) {};
  ops.set_report_text = [](const Text&) {};
  ops.list_videos = [](const Text& f, TextList& names) { list_files(f, texts::video_pattern, names); };
  ops.rename_checked = rename_checked;
  ops.path_exists = path_exists;
  ops.wait = [&floor_ms](std::int32_t ms) {
    floor_ms += ms;
    wait_pumping(ms);
  };
  ops.dispatch_waiting_messages = dispatch_waiting_messages;

  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  TextList names, units;
  run_scan_pass(ops, names, units);
  QueryPerformanceCounter(&end);
  const double wall_ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);

  const long long expected_floor = 20 + 50 * 210 + 25 * (limit * 10 + 20) + 5000;
  std::printf("files: 50 (25 shortened, limit %d)\n", limit);
  std::printf("sum of waits: %lld ms (expected %lld ms)\n", floor_ms, expected_floor);
  std::printf("wall time:    %.0f ms\n", wall_ms);
  std::printf("ratio:        %.4f\n", wall_ms / static_cast<double>(floor_ms));

  TextList leftovers;
  list_files(folder, "*", leftovers);
  for (const Text& name : leftovers) DeleteFileA((folder + "\\" + name).c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
