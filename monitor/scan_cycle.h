// One monitor worker's scan cycle, over plain routines that reach the outside
// world, so that a test can run a pass against fakes.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "text/text.h"

struct MonitorOps {
  // The main window's boxes and labels.
  std::function<Text()> read_directory_text;
  std::function<Text()> read_limit_text;
  std::function<void(const Text&)> set_progress_text;
  std::function<void(const Text&)> set_report_text;
  // The folder's "*.mp4" names, bare, in the order the system yields them.
  std::function<void(const Text& folder, TextList& names)> list_videos;
  // A rename that never overwrites (false when refused or failed).
  std::function<bool(const Text& old_path, const Text& new_path)> rename_checked;
  std::function<bool(const Text& path)> path_exists;
  // A paced wait in milliseconds, and serving the thread's waiting messages.
  std::function<void(std::int32_t milliseconds)> wait;
  std::function<void()> dispatch_waiting_messages;
};

// Titles shortened by all workers since the program started.
extern std::atomic<std::int32_t> rename_count;

// One pass: list the folder, check every name, shorten over-long titles, then
// announce and take the five-second pause. `names` and `units` are the
// worker's own lists, reused from pass to pass so that nothing grows.
void run_scan_pass(const MonitorOps& ops, TextList& names, TextList& units);

// Passes for ever, as a loop.
[[noreturn]] void run_monitor_with(const MonitorOps& ops);
