#include <windows.h>

#include "monitor/wait.h"

namespace {

std::int64_t milliseconds_per_unit(std::int64_t unit) {
  switch (unit) {
    case 1:
      return 1000;
    case 2:
      return 60000;
    case 3:
      return 3600000;
    default:
      return 1;
  }
}

// Wakes for keyboard, mouse, posted, timer, paint, sent and hot-key input.
constexpr DWORD kWakeMask = 0xFF;

}  // namespace

bool wait_pumping(std::int32_t interval, std::int64_t unit) {
  const double milliseconds = static_cast<double>(interval) * static_cast<double>(milliseconds_per_unit(unit));
  // Negative: relative to now, in steps of 100 ns.
  LARGE_INTEGER due;
  due.QuadPart = static_cast<LONGLONG>(milliseconds * -10000.0);
  HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
  if (timer == nullptr) {
    if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
    return true;
  }
  if (!SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
  } else {
    for (;;) {
      const DWORD result = MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, kWakeMask);
      if (result == WAIT_OBJECT_0) break;
      if (result == WAIT_FAILED) {
        // Cannot watch the queue: still take the whole interval.
        WaitForSingleObject(timer, INFINITE);
        break;
      }
      dispatch_waiting_messages();
    }
  }
  CloseHandle(timer);
  return true;
}

void dispatch_waiting_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
