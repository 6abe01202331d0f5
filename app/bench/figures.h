// Timing and the figures the app benchmarks print: a monotonic clock in
// milliseconds and the median, 99th percentile and worst of a set of samples.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double now_ms() {
  static const double ticks_per_ms = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / ticks_per_ms;
}

struct Summary {
  std::size_t count = 0;
  double median = 0, p99 = 0, worst = 0, mean = 0;
};

inline Summary summarise(std::vector<double> samples) {
  Summary s;
  s.count = samples.size();
  if (samples.empty()) return s;
  std::sort(samples.begin(), samples.end());
  const std::size_t n = samples.size();
  s.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
  // Nearest rank: the smallest sample that at least 99 % of them do not exceed.
  s.p99 = samples[(99 * n + 99) / 100 - 1];
  s.worst = samples.back();
  double sum = 0;
  for (double v : samples) sum += v;
  s.mean = sum / static_cast<double>(n);
  return s;
}

inline void print_header() {
  std::printf("  %-44s %7s %10s %10s %10s %10s\n", "", "samples", "median ms", "p99 ms", "worst ms",
              "mean ms");
}

inline Summary print_row(const char* name, const std::vector<double>& samples) {
  const Summary s = summarise(samples);
  std::printf("  %-44s %7d %10.3f %10.3f %10.3f %10.3f\n", name, static_cast<int>(s.count), s.median, s.p99,
              s.worst, s.mean);
  return s;
}

}  // namespace bench
