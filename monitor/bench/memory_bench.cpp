// Prints the heap in use after 10 and after 10,000 scan passes over a folder
// of 50 videos (waits are skipped, the renames always fail, so every pass does
// the full work). The two figures should be the same.
#include <cstdio>
#include <cstdlib>
#include <new>

#include "monitor/scan_cycle.h"

namespace {

long long g_live_bytes = 0;

}  // namespace

// Counts live heap bytes: each block carries its size in front of it.
void* operator new(std::size_t size) {
  auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
  if (block == nullptr) std::abort();
  *block = size;
  g_live_bytes += static_cast<long long>(size);
  return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}
void operator delete(void* pointer) noexcept {
  if (pointer == nullptr) return;
  auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(pointer) - sizeof(std::max_align_t));
  g_live_bytes -= static_cast<long long>(*block);
  std::free(block);
}
void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }

int main() {
  TextList listing;
  for (int i = 0; i < 50; ++i) listing.push_back("a rather long video title number " + std::to_string(i) + ".mp4");
  MonitorOps ops;
  ops.read_directory_text = [] { return Text("D:\\videos"); };
  ops.read_limit_text = [] { return Text("20"); };
  ops.set_progress_text = [](const Text&) {};
  ops.set_report_text = [](const Text&) {};
  ops.list_videos = [&listing](const Text&, TextList& names) { names = listing; };
  ops.rename_checked = [](const Text&, const Text&) { return false; };
  ops.path_exists = [](const Text&) { return true; };
  ops.wait = [](std::int32_t) {};
  ops.dispatch_waiting_messages = [] {};

  TextList names, units;
  long long after_10 = 0;
  for (int pass = 1; pass <= 10000; ++pass) {
    run_scan_pass(ops, names, units);
    if (pass == 10) after_10 = g_live_bytes;
  }
  std::printf("heap in use after 10 passes:     %lld bytes\n", after_10);
  std::printf("heap in use after 10,000 passes: %lld bytes\n", g_live_bytes);
  std::printf("growth: %lld bytes\n", g_live_bytes - after_10);
  return 0;
}
