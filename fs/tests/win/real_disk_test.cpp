// The listing cases on real folders, and what only the real system shows: the
// rename, the message pump and the system's wildcard matching.
#include <windows.h>

#include <algorithm>

#include "fs/list_files.h"
#include "fs/paths.h"
#include "fs/rename.h"
#include "fs/tests/fake_disk.h"
#include "fs/tests/win/temp_folder.h"

INSTANTIATE_TEST_SUITE_P(OnDisk, ListFiles, ::testing::Values(DiskKind{"on_disk", make_real_disk}),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override { root = make_temp_folder(); }
  void TearDown() override { remove_tree(root); }

  Text path(const Text& name) const { return root + "\\" + name; }
  Text content_of(const Text& name) const {
    Text content;
    return read_file(path(name), content) ? content : "<missing>";
  }

  Text root;
};

using RealWildcards = TempFolder;

// The in-memory tree stands in for the disk only as far as its wildcard
// matching agrees with the system's.
TEST_F(RealWildcards, AgreeWithTheInMemoryMatching) {
  const TextList names{"a.mp4", "X.MP4", "abc.mp4", "abc.mp4.txt", "长标题.mp4", "noext", "a.b.c", "b.jpg"};
  for (const Text& name : names) ASSERT_TRUE(write_file(path(name), "x")) << name;
  for (const Text pattern : {"*.mp4", "*.MP4", "a?c.mp4", "?.mp4", "*", "*.*", "长*", "a*", "*c"}) {
    SCOPED_TRACE(pattern);
    TextList listed;
    list_files(root, pattern, listed);
    TextList expected;
    for (const Text& name : names) {
      if (wildcard_match(pattern, name)) expected.push_back(name);
    }
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
  }
}

using RealRename = TempFolder;

TEST_F(RealRename, MovesTheFileToAFreeName) {
  ASSERT_TRUE(write_file(path("很长的标题.mp4"), "video"));
  EXPECT_TRUE(rename_checked(path("很长的标题.mp4"), path("很长.mp4")));
  EXPECT_FALSE(path_exists(path("很长的标题.mp4")));
  EXPECT_EQ(content_of("很长.mp4"), "video");
}

TEST_F(RealRename, NeverReplacesAnExistingFile) {
  ASSERT_TRUE(write_file(path("a.mp4"), "first"));
  ASSERT_TRUE(write_file(path("b.mp4"), "second"));
  EXPECT_FALSE(rename_checked(path("a.mp4"), path("b.mp4")));
  EXPECT_EQ(content_of("a.mp4"), "first");
  EXPECT_EQ(content_of("b.mp4"), "second");
}

TEST_F(RealRename, FailsForAMissingSource) {
  EXPECT_FALSE(rename_checked(path("no cover.jpg"), path("cover.jpg")));
  EXPECT_FALSE(path_exists(path("cover.jpg")));
}

TEST_F(RealRename, LeavesEverythingAsItWasWhenTheNewPathIsRefused) {
  ASSERT_TRUE(write_file(path("a.mp4"), "video"));
  char previous[MAX_PATH + 1] = {};
  ASSERT_GT(GetCurrentDirectoryA(sizeof previous, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
  // The system would take this relative path; the check does not.
  const bool renamed = rename_checked(path("a.mp4"), "moved.mp4");
  SetCurrentDirectoryA(previous);
  EXPECT_FALSE(renamed);
  EXPECT_EQ(content_of("a.mp4"), "video");
  EXPECT_FALSE(path_exists(path("moved.mp4")));
}

using RealPathExists = TempFolder;

TEST_F(RealPathExists, SeesFilesAndFolders) {
  ASSERT_TRUE(write_file(path("长标题.mp4"), "x"));
  ASSERT_TRUE(CreateDirectoryA(path("sub").c_str(), nullptr));
  struct Case {
    Text path;
    bool expected;
  } cases[] = {
      {path("长标题.mp4"), true},   {path("sub"), true},           {root, true},
      {path("missing.mp4"), false}, {path("sub\\missing"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(path_exists(c.path), c.expected);
  }
}

int app_messages = 0;

LRESULT CALLBACK count_app_messages(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP) ++app_messages;
  return DefWindowProcA(window, message, wparam, lparam);
}

using RealPump = TempFolder;

TEST_F(RealPump, ServesThisThreadsWindowsWhileListingAndGoesOnPastAQuit) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = count_app_messages;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "MorvaneFsPumpTest";
  RegisterClassA(&window_class);
  const HWND window =
      CreateWindowExA(0, "MorvaneFsPumpTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(write_file(path("a.mp4"), "x"));

  app_messages = 0;
  PostMessageA(window, WM_APP, 0, 0);
  TextList names;
  EXPECT_EQ(list_files(root, "*.mp4", names), 1);
  EXPECT_EQ(app_messages, 1);

  PostQuitMessage(0);
  PostMessageA(window, WM_APP, 0, 0);
  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
  pump_messages();
  EXPECT_EQ(app_messages, 2);
  MSG left{};
  EXPECT_FALSE(PeekMessageA(&left, nullptr, 0, 0, PM_NOREMOVE)) << "message " << left.message << " left";

  DestroyWindow(window);
  pump_messages();
}

}  // namespace
