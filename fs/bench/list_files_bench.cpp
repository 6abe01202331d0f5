// list_files against a bare FindFirstFileA/FindNextFileA loop that only
// copies the names, over one folder of many ".mp4" files.
// Usage: fs_list_files_bench [files] [rounds]   (default 100000, 5)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "fs/list_files.h"

namespace {

double now_ms() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::size_t bare_listing(const Text& search_text, TextList& names) {
  names.clear();
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(search_text.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return names.size();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const Text folder = Text(temp) + "morvane-bench-" + std::to_string(files);
  CreateDirectoryA(folder.c_str(), nullptr);
  TextList names;
  if (bare_listing(folder + "\\*.mp4", names) != static_cast<std::size_t>(files)) {
    std::printf("making %d files in %s ...\n", files, folder.c_str());
    for (int i = 0; i < files; ++i) {
      const Text path = folder + "\\video title number " + std::to_string(i) + ".mp4";
      CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
  }

  std::vector<double> bare, ours;
  for (int round = 0; round < rounds; ++round) {
    double start = now_ms();
    const std::size_t bare_count = bare_listing(folder + "\\*.mp4", names);
    bare.push_back(now_ms() - start);
    start = now_ms();
    const std::int32_t our_count = list_files(folder, "*.mp4", names);
    ours.push_back(now_ms() - start);
    if (bare_count != static_cast<std::size_t>(our_count)) std::printf("counts differ!\n");
  }
  std::printf("files: %d, rounds: %d\n", files, rounds);
  std::printf("bare FindFirstFileA loop: median %.1f ms\n", median(bare));
  std::printf("list_files:               median %.1f ms\n", median(ours));
  std::printf("ratio:                    %.3f\n", median(ours) / median(bare));
  return 0;
}
