// The worker against a real folder that misbehaves: it goes on, and nothing
// is lost.
#include "monitor/tests/real_folder.h"

namespace {

using Faults = RealFolder;

void clear(const Text& folder) {
  TextList names;
  list_files(folder, "*", names);
  for (const Text& name : names) DeleteFileA((folder + "\\" + name).c_str());
}

// Another process holding a file open without delete sharing, as a video
// player would, until let_go.
struct Holder {
  HANDLE process = nullptr;
  HANDLE release = nullptr;
};

bool hold_elsewhere(const Text& path, Holder& holder) {
  const Text tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64());
  const Text ready_name = "morvane-held-" + tag, release_name = "morvane-let-go-" + tag;
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, ready_name.c_str());
  holder.release = CreateEventA(nullptr, TRUE, FALSE, release_name.c_str());
  char self[MAX_PATH];
  const Text program(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
  Text command = "\"" + program.substr(0, find_last_text(program, "\\")) + "\\hold_file.exe\" \"" + path +
                 "\" " + ready_name + " " + release_name;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  const bool ok = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &started) &&
                  WaitForSingleObject(ready, 20000) == WAIT_OBJECT_0;
  if (started.hThread) CloseHandle(started.hThread);
  holder.process = started.hProcess;
  CloseHandle(ready);
  return ok;
}

void let_go(Holder& holder) {
  SetEvent(holder.release);
  if (holder.process) {
    WaitForSingleObject(holder.process, 20000);
    CloseHandle(holder.process);
  }
  CloseHandle(holder.release);
  holder = {};
}

TEST_F(Faults, FolderDeletedAndMadeAgainBetweenPasses) {
  make("first long title.mp4");
  pass("5");
  EXPECT_EQ(listing(), (TextList{"first.mp4"}));
  clear(folder_);
  ASSERT_TRUE(RemoveDirectoryA(folder_.c_str()));
  pass("5");
  EXPECT_EQ(progress_, texts::pausing);
  ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
  make("second long title.mp4");
  make("second long title.jpg");
  pass("5");
  EXPECT_EQ(listing(), (TextList{"secon.jpg", "secon.mp4"}));
}

TEST_F(Faults, VideoHeldOpenIsRenamedOnceReleased) {
  make("held open title.mp4");
  make("held open title.jpg");
  Holder held;
  ASSERT_TRUE(hold_elsewhere(path("held open title.mp4"), held));
  pass("4");
  EXPECT_EQ(listing(), (TextList{"held open title.jpg", "held open title.mp4"}));
  EXPECT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(last_report_starts_with(texts::rename_failed));
  let_go(held);
  pass("4");
  EXPECT_EQ(listing(), (TextList{"held.jpg", "held.mp4"}));
  EXPECT_TRUE(last_report_starts_with(texts::renamed));
}

TEST_F(Faults, CoverHeldOpenKeepsItsVideo) {
  make("cover held title.mp4");
  make("cover held title.jpg");
  Holder held;
  ASSERT_TRUE(hold_elsewhere(path("cover held title.jpg"), held));
  pass("5");
  let_go(held);
  EXPECT_EQ(listing(), (TextList{"cover held title.jpg", "cover held title.mp4"}));
  EXPECT_TRUE(last_report_starts_with(texts::rename_failed));
}

TEST_F(Faults, ReadOnlyFolderLosesNothing) {
  make("read only title.mp4");
  make("read only title.jpg");
  SetFileAttributesA(folder_.c_str(), FILE_ATTRIBUTE_READONLY);
  pass("4");
  // Renamed together or not at all; either way both files are there.
  const TextList names = listing();
  EXPECT_TRUE(names == (TextList{"read only title.jpg", "read only title.mp4"}) ||
              names == (TextList{"read.jpg", "read.mp4"}));
}

TEST_F(Faults, FolderTextLongerThanMaxPath) {
  make("some long title.mp4");
  directory_text_ = folder_ + "\\" + Text(300, 'x');
  pass("4");
  EXPECT_EQ(progress_, texts::pausing);
  EXPECT_TRUE(reports_.empty());
  EXPECT_EQ(listing(), (TextList{"some long title.mp4"}));
}

TEST_F(Faults, AwkwardNamesAreShortenedWhole) {
  // 乗 is 81 5C and 亅 is 81 7C: their second bytes look like "\" and "|".
  make("A&B乗乗乗亅亅亅&&.mp4");
  make("A&B乗乗乗亅亅亅&&.jpg");
  pass("7");
  EXPECT_EQ(listing(), (TextList{"A&B乗乗乗亅.jpg", "A&B乗乗乗亅.mp4"}));
}

}  // namespace
