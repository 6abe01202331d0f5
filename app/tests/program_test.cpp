// The real morvane.exe, started on a Wine virtual desktop and used through
// its window: geometry, controls, keys, workers, the whole job and the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/controls.h"
#include "app/layout.h"
#include "app/tests/driver.h"
#include "fs/tests/win/temp_folder.h"

namespace {

using layout::Id;

const Text pause_text = "5秒后进入下一次检测";

class ProgramTest : public ::testing::Test {
 protected:
  // The test's thread moves to each program's desktop; it comes home after,
  // so that later tests build their windows where they always do.
  void SetUp() override { home_desktop = GetThreadDesktop(GetCurrentThreadId()); }
  void TearDown() override {
    stop_program(program);
    SetThreadDesktop(home_desktop);
  }

  void start(int width = 1920, int height = 1080, const char* working_folder = nullptr) {
    static int serial = 0;
    const Text desktop =
        "morvane-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    ASSERT_TRUE(start_program(desktop, width, height, program, working_folder)) << desktop;
  }

  HWND control(Id id) const { return GetDlgItem(program.window, id); }

  // Waits until the worker count has stopped moving and returns it.
  int settled_threads() const {
    int count = thread_count(program.process_id);
    for (int same = 0; same < 5;) {
      Sleep(100);
      const int now = thread_count(program.process_id);
      same = now == count ? same + 1 : 0;
      count = now;
    }
    return count;
  }

  void type_into(Id box, const std::string& text) {
    click(control(box));
    type_text(text);
  }

  RunningProgram program;
  HDESK home_desktop = nullptr;
};

// A fresh folder under the system's temporary folder, removed with its files.
class TempFolder {
 public:
  TempFolder() : path_(make_temp_folder()) {}
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { remove_tree(path_); }

  const Text& path() const { return path_; }

  // Each file holds its own first name, so files can be told apart.
  void add(const Text& name) const { EXPECT_TRUE(write_file(path_ + "\\" + name, name)) << name; }

  Text content_of(const Text& name) const {
    Text content;
    return read_file(path_ + "\\" + name, content) ? content : "<unreadable>";
  }

  TextList names() const { return file_names_in(path_); }

 private:
  Text path_;
};

TEST_F(ProgramTest, OpensCentredOnTheScreenAtItsFixedSize) {
  struct Case {
    int width, height, left, top;
  };
  // On 640 x 480 the window is wider than the screen: -77 / 2 rounds to -38.
  for (const Case& c : {Case{1920, 1080, 601, 410}, Case{640, 480, -38, 110}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    ASSERT_NO_FATAL_FAILURE(start(c.width, c.height));
    RECT outer;
    GetWindowRect(program.window, &outer);
    EXPECT_EQ(outer.left, c.left);
    EXPECT_EQ(outer.top, c.top);
    EXPECT_EQ(outer.right - outer.left, 717);
    EXPECT_EQ(outer.bottom - outer.top, 260);

    const LONG_PTR style = GetWindowLongPtrA(program.window, GWL_STYLE);
    for (LONG_PTR wanted : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_CLIPCHILDREN}) {
      EXPECT_EQ(style & wanted, wanted) << std::hex << wanted;
    }
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    // The system adds WS_EX_WINDOWEDGE to every captioned window by itself.
    EXPECT_EQ(GetWindowLongPtrA(program.window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(program.window, GW_OWNER), nullptr);
    EXPECT_EQ(text_of(program.window).rfind("Morvane   ", 0), 0u) << text_of(program.window);
    stop_program(program);
  }
}

TEST_F(ProgramTest, HoldsTheNineControlsInTheirStackingOrder) {
  ASSERT_NO_FATAL_FAILURE(start());
  struct Expected {
    Id id;
    const char* window_class;
    int left, top, width, height;
    const char* text;  // nullptr: the program's own choice, not empty
  };
  const Expected expected[] = {
      {layout::id_link, controls::link_class, 576, 88, 120, 32, nullptr},
      {layout::id_watch_option, "Button", 176, 72, 128, 32, "监控mp4和jpg图片"},
      {layout::id_limit_box, "Edit", 88, 64, 64, 40, "30"},
      {layout::id_limit_caption, controls::label_class, 16, 72, 64, 24, "最长字数："},
      {layout::id_directory_caption, controls::label_class, 24, 16, 40, 40, "目录："},
      {layout::id_report_label, controls::label_class, 368, 80, 200, 136, "标签"},
      {layout::id_progress_label, controls::label_class, 8, 136, 344, 80,
       "把目录里面的歌曲和截图视频文件，修改为30字（自定义）以内\r\n\r\n填写视频文件夹路径即可。\r\n\r\n"},
      {layout::id_directory_box, "Edit", 72, 24, 432, 40, ""},
      {layout::id_start_button, "Button", 512, 16, 104, 48, "开启监控修改"},
  };
  std::vector<HWND> children;
  for (HWND child = GetWindow(program.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  ASSERT_EQ(children.size(), std::size(expected));
  for (std::size_t i = 0; i < children.size(); ++i) {
    const Expected& want = expected[i];
    HWND child = children[i];
    SCOPED_TRACE("control " + std::to_string(i) + ", id " + std::to_string(want.id));
    EXPECT_EQ(GetDlgCtrlID(child), want.id);
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    EXPECT_STRCASEEQ(name, want.window_class);
    RECT area;
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, program.window, reinterpret_cast<POINT*>(&area), 2);
    EXPECT_EQ(area.left, want.left);
    EXPECT_EQ(area.top, want.top);
    EXPECT_EQ(area.right - area.left, want.width);
    EXPECT_EQ(area.bottom - area.top, want.height);
    if (want.text) {
      EXPECT_EQ(text_of(child), want.text);
    } else {
      EXPECT_FALSE(text_of(child).empty());
    }
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(IsWindowEnabled(child));
  }
  EXPECT_EQ(SendMessageA(control(layout::id_watch_option), BM_GETCHECK, 0, 0), BST_CHECKED);
  const LONG_PTR radio_style = GetWindowLongPtrA(control(layout::id_watch_option), GWL_STYLE);
  EXPECT_EQ(radio_style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
  const LONG_PTR button_style = GetWindowLongPtrA(control(layout::id_start_button), GWL_STYLE);
  EXPECT_EQ(button_style & BS_TYPEMASK, BS_PUSHBUTTON);  // not a default button
  for (Id box : {layout::id_limit_box, layout::id_directory_box}) {
    DWORD first = 99, last = 99;
    SendMessageA(control(box), EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(first, 0u) << box;
    EXPECT_EQ(last, 0u) << box;
  }
}

TEST_F(ProgramTest, TabAndShiftTabCycleThroughTheFocusOrder) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_EQ(focused_id(program), layout::id_directory_box);  // where the user types first
  const std::vector<int> forwards = {layout::id_limit_box, layout::id_watch_option, layout::id_start_button,
                                     layout::id_directory_box, layout::id_limit_box};
  for (int want : forwards) {
    press_key(VK_TAB);
    EXPECT_TRUE(wait_until([&] { return focused_id(program) == want; }, 2000)) << want;
  }
  const std::vector<int> backwards = {layout::id_directory_box, layout::id_start_button,
                                      layout::id_watch_option, layout::id_limit_box};
  for (int want : backwards) {
    press_key(VK_TAB, true);
    EXPECT_TRUE(wait_until([&] { return focused_id(program) == want; }, 2000)) << want;
  }
  // Tab is the window's: the box it left holds no tab character.
  EXPECT_EQ(text_of(control(layout::id_limit_box)), "30");
}

TEST_F(ProgramTest, EnterAndF1DoNothingAndOnlySpaceOnTheButtonStartsAWorker) {
  TempFolder empty;
  ASSERT_NO_FATAL_FAILURE(start());
  type_into(layout::id_directory_box, empty.path());
  const int idle = settled_threads();

  struct Step {
    const char* name;
    Id focus;
    WORD key;
  };
  const Step steps[] = {{"Enter in the directory box", layout::id_directory_box, VK_RETURN},
                        {"Enter in the limit box", layout::id_limit_box, VK_RETURN},
                        {"Enter on the start button", layout::id_start_button, VK_RETURN},
                        {"F1 on the start button", layout::id_start_button, VK_F1},
                        {"Space on the radio button", layout::id_watch_option, VK_SPACE}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    while (focused_id(program) != step.focus) press_key(VK_TAB);
    press_key(step.key);
    EXPECT_EQ(settled_threads(), idle);
    EXPECT_TRUE(IsWindow(program.window));
  }
  EXPECT_EQ(text_of(control(layout::id_directory_box)), empty.path());
  EXPECT_EQ(text_of(control(layout::id_limit_box)), "30");
  EXPECT_EQ(SendMessageA(control(layout::id_watch_option), BM_GETCHECK, 0, 0), BST_CHECKED);

  while (focused_id(program) != layout::id_start_button) press_key(VK_TAB);
  press_key(VK_SPACE);
  EXPECT_EQ(settled_threads(), idle + 1);
}

// A folder of videos with their pictures, whose titles shorten into one
// another: Chinese and English titles in groups that share their beginnings.
// Every file holds its own first name, so that whatever happens to the names,
// each file can be told apart and found again.
TextList make_library(const TempFolder& folder, int groups) {
  const TextList stems = {"同一个开头的很长很长的中文标题", "Same long beginning for English titles ",
                          "混合Mixed标题 with both kinds "};
  TextList originals;
  for (int group = 0; group < groups; ++group) {
    const Text& stem = stems[static_cast<std::size_t>(group) % stems.size()];
    for (int member = 0; member < 4; ++member) {
      const Text title = stem + std::to_string(group) + "第" + std::to_string(member) + "集";
      originals.push_back(title + ".mp4");
      if (member != 3) originals.push_back(title + ".jpg");  // one video in four has no picture
    }
  }
  for (const Text& name : originals) folder.add(name);
  return originals;
}

// Nothing lost: the same files are there, none overwritten (every original
// content is still somewhere), no title is empty, and every picture still
// bears the title of its own video.
void expect_nothing_lost(const TempFolder& folder, TextList originals) {
  const TextList names = folder.names();
  TextList contents;
  for (const Text& name : names) {
    EXPECT_NE(name.substr(0, 1), ".") << "a title was emptied: " << name;
    contents.push_back(folder.content_of(name));
  }
  std::sort(originals.begin(), originals.end());
  TextList found = contents;
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, originals);

  for (std::size_t i = 0; i < names.size(); ++i) {
    const Text& content = contents[i];
    if (content.size() < 4 || content.substr(content.size() - 4) != ".mp4") continue;
    const Text first_title = content.substr(0, content.size() - 4);
    const auto picture = std::find(contents.begin(), contents.end(), first_title + ".jpg");
    if (picture == contents.end()) continue;
    const Text& now = names[i];
    const Text picture_now = names[static_cast<std::size_t>(picture - contents.begin())];
    EXPECT_EQ(picture_now, now.substr(0, now.size() - 4) + ".jpg") << "first named " << content;
  }
}

TEST_F(ProgramTest, EveryClickStartsOneMoreWorker) {
  TempFolder empty;
  ASSERT_NO_FATAL_FAILURE(start());
  type_into(layout::id_directory_box, empty.path());
  const int idle = settled_threads();
  for (int clicks = 1; clicks <= 3; ++clicks) {
    SCOPED_TRACE("click " + std::to_string(clicks));
    click(control(layout::id_start_button));
    EXPECT_EQ(settled_threads(), idle + clicks);
    EXPECT_TRUE(IsWindowEnabled(control(layout::id_start_button)));
  }
}

TEST_F(ProgramTest, EscWhileTypingEndsTheProgramAndItsWorkers) {
  TempFolder empty;
  ASSERT_NO_FATAL_FAILURE(start());
  type_into(layout::id_directory_box, empty.path());
  click(control(layout::id_start_button));
  ASSERT_TRUE(wait_until([&] { return text_of(control(layout::id_progress_label)) == pause_text; }, 10000));
  type_into(layout::id_directory_box, "\\more");
  ASSERT_EQ(focused_id(program), layout::id_directory_box);
  press_key(VK_ESCAPE);
  EXPECT_EQ(wait_for_exit(program, 10000), 0);
}

TEST_F(ProgramTest, ClosingDuringAWorkersPauseEndsTheProgramAtOnce) {
  TempFolder empty;
  ASSERT_NO_FATAL_FAILURE(start());
  type_into(layout::id_directory_box, empty.path());
  click(control(layout::id_start_button));
  click(control(layout::id_start_button));
  ASSERT_TRUE(wait_until([&] { return text_of(control(layout::id_progress_label)) == pause_text; }, 10000));
  PostMessageA(program.window, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close button
  EXPECT_EQ(wait_for_exit(program, 10000), 0);
}

TEST_F(ProgramTest, ShortensTheTitlesOfTheTypedFolderWithTheirPictures) {
  TempFolder folder;
  const Text english = "A rather long English title for a video";
  const Text chinese = "这是一个非常非常长的中文视频标题用来测试";
  for (const Text& title : {english, chinese}) {
    folder.add(title + ".mp4");
    folder.add(title + ".jpg");
  }
  folder.add("short.mp4");
  ASSERT_NO_FATAL_FAILURE(start());
  type_into(layout::id_directory_box, folder.path());
  click(control(layout::id_limit_box));
  press_key(VK_END);
  press_key(VK_BACK);
  press_key(VK_BACK);
  type_text("10");
  ASSERT_EQ(text_of(control(layout::id_limit_box)), "10");
  click(control(layout::id_start_button));

  const Text english_short = "A rather l";
  const Text chinese_short = "这是一个非常非常长的";  // ten characters, twenty bytes
  TextList expected = {english_short + ".jpg", english_short + ".mp4", "short.mp4", chinese_short + ".jpg",
                       chinese_short + ".mp4"};
  std::sort(expected.begin(), expected.end());
  EXPECT_TRUE(wait_until([&] { return folder.names() == expected; }, 30000));
  EXPECT_EQ(folder.names(), expected);

  EXPECT_TRUE(wait_until([&] { return text_of(control(layout::id_progress_label)) == pause_text; }, 10000));
  // The later of the two renames is reported, with the count of both.
  const Text report = text_of(control(layout::id_report_label));
  const Text after_english = "已修改2   \r\n原内容：" + english + ".mp4\r\n修改后" + english_short;
  const Text after_chinese = "已修改2   \r\n原内容：" + chinese + ".mp4\r\n修改后" + chinese_short;
  EXPECT_TRUE(report == after_english || report == after_chinese) << report;
}

TEST_F(ProgramTest, ARelativeFolderIsFoundBesideTheProgram) {
  // Started from elsewhere: the program still lists the folder beside its file.
  TempFolder elsewhere;
  const Text relative = "morvane-relative-" + std::to_string(GetCurrentProcessId());
  const Text beside = test_program_folder() + "\\" + relative;
  CreateDirectoryA(beside.c_str(), nullptr);
  const Text title = "A title that is far too long for the limit of thirty";
  const Text name = title + ".mp4";
  CloseHandle(CreateFileA((beside + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));

  ASSERT_NO_FATAL_FAILURE(start(1920, 1080, elsewhere.path().c_str()));
  type_into(layout::id_directory_box, relative);
  click(control(layout::id_start_button));
  // Seen and counted as too long, but a relative path is never renamed.
  const Text refused = "修改失败   \r\n原内容：" + name + "\r\n修改后" + title.substr(0, 30);
  EXPECT_TRUE(wait_until([&] { return text_of(control(layout::id_report_label)) == refused; }, 15000))
      << text_of(control(layout::id_report_label));
  stop_program(program);
  EXPECT_TRUE(DeleteFileA((beside + "\\" + name).c_str()));
  RemoveDirectoryA(beside.c_str());
}

TEST_F(ProgramTest, ClosingWhileEightWorkersRenameLosesNothing) {
  TempFolder folder;
  const TextList originals = make_library(folder, 60);
  // Each round closes the program at another moment of the workers' passes
  // (a wait, a listing, a read of the boxes, between a video and its picture)
  // and with a lower limit, so that every round finds titles to shorten.
  struct Round {
    const char* limit;
    DWORD close_after_ms;
  };
  const Round rounds[] = {{"24", 150}, {"20", 450}, {"16", 900}, {"12", 1700},
                          {"9", 2600}, {"6", 3900}, {"4", 5300}, {"3", 7100}};
  for (const Round& round : rounds) {
    SCOPED_TRACE(std::string("limit ") + round.limit + ", closed after " +
                 std::to_string(round.close_after_ms) + " ms");
    ASSERT_NO_FATAL_FAILURE(start());
    type_into(layout::id_directory_box, folder.path());
    click(control(layout::id_limit_box));
    press_key(VK_HOME);
    press_key(VK_END, true);
    type_text(round.limit);
    ASSERT_EQ(text_of(control(layout::id_limit_box)), round.limit);
    for (int clicks = 0; clicks < 8; ++clicks) click(control(layout::id_start_button));
    Sleep(round.close_after_ms);
    const ULONGLONG closed_at = GetTickCount64();
    PostMessageA(program.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(wait_for_exit(program, 10000), 0);
    std::printf("limit %s, closed after %lu ms: the process was gone %llu ms after the close\n", round.limit,
                static_cast<unsigned long>(round.close_after_ms),
                static_cast<unsigned long long>(GetTickCount64() - closed_at));
    stop_program(program);
    expect_nothing_lost(folder, originals);
  }
  // The rounds did shorten titles, or they proved little.
  EXPECT_NE(folder.names(), [&] {
    TextList sorted = originals;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
  }());
}

TEST_F(ProgramTest, ClearingAndRetypingTheLimitWhileWorkersRunLosesNoTitle) {
  TempFolder folder;
  const TextList originals = make_library(folder, 12);
  ASSERT_NO_FATAL_FAILURE(start());
  type_into(layout::id_directory_box, folder.path());
  click(control(layout::id_limit_box));
  press_key(VK_HOME);
  press_key(VK_END, true);
  type_text("8");
  for (int clicks = 0; clicks < 4; ++clicks) click(control(layout::id_start_button));
  // The box is empty, then holds letters, while the workers read it file by
  // file; a limit read as nothing must shorten nothing.
  for (const char* passing : {"", "x", "", "ab", ""}) {
    SCOPED_TRACE(std::string("the box held \"") + passing + "\"");
    click(control(layout::id_limit_box));
    press_key(VK_HOME);
    press_key(VK_END, true);
    press_key(VK_DELETE);
    type_text(passing);
    ASSERT_EQ(text_of(control(layout::id_limit_box)), passing);
    Sleep(800);
    press_key(VK_HOME);
    press_key(VK_END, true);
    type_text("8");
    ASSERT_EQ(text_of(control(layout::id_limit_box)), "8");
    Sleep(800);
  }
  PostMessageA(program.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(wait_for_exit(program, 10000), 0);
  stop_program(program);
  expect_nothing_lost(folder, originals);
  const TextList names = folder.names();
  EXPECT_TRUE(std::any_of(names.begin(), names.end(), [](const Text& name) { return name.size() <= 8 + 4; }))
      << "the workers shortened nothing";
}

}  // namespace
