#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "monitor/wait.h"

namespace {

LONG g_seen = 0;
DWORD g_seen_at = 0;

LRESULT CALLBACK recording_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP) {
    ++g_seen;
    g_seen_at = GetTickCount();
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// A message-only window of the calling thread that counts WM_APP.
HWND make_recording_window() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = recording_proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "MorvaneWaitTest";
  RegisterClassA(&wc);
  g_seen = 0;
  return CreateWindowA("MorvaneWaitTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

TEST(WaitPumping, TakesItsInterval) {
  struct Case {
    std::int32_t interval;
    std::int64_t unit;
    DWORD at_least_ms;
  } cases[] = {{10, 0, 9}, {200, 0, 195}, {1, 1, 995}, {0, 0, 0}, {-5, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.interval) + " in unit " + std::to_string(c.unit));
    const DWORD start = GetTickCount();
    EXPECT_TRUE(wait_pumping(c.interval, c.unit));
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(took, c.at_least_ms);
    EXPECT_LT(took, c.at_least_ms + 2000);  // generous: only a hang should fail
  }
}

TEST(WaitPumping, ServesTheThreadsMessagesWhileWaiting) {
  HWND window = make_recording_window();
  ASSERT_NE(window, nullptr);
  std::thread poster([window] {
    Sleep(50);
    PostMessageA(window, WM_APP, 0, 0);
  });
  wait_pumping(400);
  const DWORD ended = GetTickCount();
  poster.join();
  EXPECT_EQ(g_seen, 1);
  // Served during the wait, not after it.
  EXPECT_LT(g_seen_at + 100, ended);
  DestroyWindow(window);
}

TEST(DispatchWaitingMessages, LeavesAQuitMessageWaiting) {
  HWND window = make_recording_window();
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_APP, 0, 0);
  PostQuitMessage(7);
  dispatch_waiting_messages();
  EXPECT_EQ(g_seen, 1);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  DestroyWindow(window);
}

}  // namespace
