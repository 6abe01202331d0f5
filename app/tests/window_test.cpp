// The main window built inside the test program, on a thread of its own that
// plays the user-interface thread, with the test as a worker.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/layout.h"
#include "app/main_window.h"
#include "monitor/window_ops.h"

namespace {

std::atomic<int> start_clicks{0};
void count_start_click() { ++start_clicks; }

// Builds the main window and runs its message loop; once the window is gone
// the thread stops answering anything until the test lets it end.
class UiThread {
 public:
  UiThread() : release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    HANDLE built = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, built] {
      window_ = create_main_window(GetModuleHandleA(nullptr), count_start_click);
      SetEvent(built);
      MSG message;
      while (window_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (handle_window_key(window_, message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
      loop_ended_ = true;
      WaitForSingleObject(release_, INFINITE);
    });
    WaitForSingleObject(built, INFINITE);
    CloseHandle(built);
  }
  UiThread(const UiThread&) = delete;
  UiThread& operator=(const UiThread&) = delete;
  ~UiThread() {
    if (window_ && !loop_ended_) PostMessageA(window_, WM_CLOSE, 0, 0);
    SetEvent(release_);
    thread_.join();
    CloseHandle(release_);
  }

  HWND window() const { return window_; }
  HWND control(layout::Id id) const { return GetDlgItem(window_, id); }
  bool loop_ended() const { return loop_ended_; }

 private:
  HANDLE release_;
  HWND window_ = nullptr;
  std::atomic<bool> loop_ended_{false};
  std::thread thread_;
};

Text caption_of(HWND window) {
  char buffer[4096] = {};
  return Text(buffer, static_cast<std::size_t>(GetWindowTextA(window, buffer, sizeof buffer)));
}

// Runs `call` on a thread of its own; false when it has not returned in time.
bool returns_within(DWORD timeout_ms, void (*call)()) {
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](LPVOID routine) -> DWORD {
        reinterpret_cast<void (*)()>(routine)();
        return 0;
      },
      reinterpret_cast<LPVOID>(call), 0, nullptr);
  const bool done = WaitForSingleObject(thread, timeout_ms) == WAIT_OBJECT_0;
  CloseHandle(thread);
  return done;
}

TEST(MainWindow, GivesEveryControlTheDefaultGuiFont) {
  UiThread ui;
  ASSERT_NE(ui.window(), nullptr);
  const auto gui_font = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const layout::Control& control : layout::controls) {
    SCOPED_TRACE(control.id);
    EXPECT_EQ(SendMessageA(ui.control(control.id), WM_GETFONT, 0, 0), gui_font);
  }
}

TEST(MainWindow, CarriesTheProgramsIconLargeAndSmall) {
  UiThread ui;  // the test program holds the program's resources too
  ASSERT_NE(ui.window(), nullptr);
  EXPECT_NE(SendMessageA(ui.window(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(ui.window(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST(MainWindow, StartButtonClicksReachTheStartRoutine) {
  UiThread ui;
  ASSERT_NE(ui.window(), nullptr);
  start_clicks = 0;
  for (int i = 0; i < 3; ++i) SendMessageA(ui.control(layout::id_start_button), BM_CLICK, 0, 0);
  EXPECT_EQ(start_clicks, 3);
}

TEST(WindowOperations, ReadTheBoxesAndWriteTheLabelsFromAWorker) {
  UiThread ui;
  ASSERT_NE(ui.window(), nullptr);
  EXPECT_EQ(read_directory_text(), "");
  EXPECT_EQ(read_limit_text(), "30");

  struct Case {
    const char* name;
    Text text;
  };
  const Case boxes[] = {
      {"a folder", "D:\\视频\\新建文件夹"},
      {"a long text is read whole", Text(3000, 'x') + "end"},
      {"full-width digits", "３０"},
  };
  for (const Case& c : boxes) {
    SCOPED_TRACE(c.name);
    SetWindowTextA(ui.control(layout::id_directory_box), c.text.c_str());
    SetWindowTextA(ui.control(layout::id_limit_box), c.text.c_str());
    EXPECT_EQ(read_directory_text(), c.text);
    EXPECT_EQ(read_limit_text(), c.text);
  }

  const Case labels[] = {
      {"a progress text", "3检测：Very long title.mp4"},
      {"a three-line report", "已修改1   \r\n原内容：a.mp4\r\n修改后a"},
      {"the same text again", "已修改1   \r\n原内容：a.mp4\r\n修改后a"},
      {"the empty text", ""},
  };
  for (const Case& c : labels) {
    SCOPED_TRACE(c.name);
    set_progress_text(c.text);
    set_report_text(c.text + "!");
    EXPECT_EQ(caption_of(ui.control(layout::id_progress_label)), c.text);
    EXPECT_EQ(caption_of(ui.control(layout::id_report_label)), c.text + "!");
  }
}

TEST(WindowOperations, ReturnAtOnceOnceTheWindowIsGone) {
  UiThread ui;
  ASSERT_NE(ui.window(), nullptr);
  SetWindowTextA(ui.control(layout::id_directory_box), "C:\\videos");
  SendMessageA(ui.window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE([&] {
    for (int i = 0; i < 500 && !ui.loop_ended(); ++i) Sleep(10);
    return ui.loop_ended();
  }());
  // The window's thread answers nothing now, as while the process ends.
  EXPECT_TRUE(returns_within(5000, [] { EXPECT_EQ(read_directory_text(), ""); }));
  EXPECT_TRUE(returns_within(5000, [] { EXPECT_EQ(read_limit_text(), ""); }));
  EXPECT_TRUE(returns_within(5000, [] { set_progress_text("1检测：a.mp4"); }));
  EXPECT_TRUE(returns_within(5000, [] { set_report_text("已修改1"); }));
}

}  // namespace
