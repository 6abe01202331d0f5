// The monitor worker: rescans the watched folder for ever.
#pragma once

#include <atomic>
#include <cstdint>

// Titles shortened by all workers since the program started.
extern std::atomic<std::int32_t> rename_count;

struct MonitorOps;

// The scan cycle wired to the real window, folder and timer.
MonitorOps system_monitor_ops();

// Repeats the scan cycle on the calling thread until the process ends.
[[noreturn]] void run_monitor();
