// Eight workers on one folder of 2,000 videos with their pictures, many of
// which shorten to the same title: nothing may be lost, overwritten or split.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <thread>

#include "fs/list_files.h"
#include "fs/rename.h"
#include "fs/tests/win/temp_folder.h"
#include "monitor/scan_cycle.h"
#include "monitor/titles.h"
#include "text/texts.h"

namespace {

constexpr int kVideos = 2000;
constexpr int kWorkers = 8;
constexpr int kPassesEach = 2;
constexpr std::int32_t kLimit = 10;

// 100 groups of 20 titles share their first ten characters, so only one of
// each group can take the short name; every tenth title is short already.
Text title_of(int i) {
  if (i % 10 == 0) return "s" + std::to_string(i);
  const int group = i % 100;
  Text head;
  if (group % 2 == 0) {
    for (int k = 0; k < 8; ++k) head += "长";
    head += std::to_string(10 + group / 2);
  } else {
    head = "group-" + std::to_string(1000 + group);
  }
  return head + " 第" + std::to_string(i) + "集";
}

TEST(Load, EightWorkersLoseNothing) {
  const Text folder = make_temp_folder();
  for (int i = 0; i < kVideos; ++i) {
    ASSERT_TRUE(write_file(folder + "\\" + title_of(i) + ".mp4", "video " + std::to_string(i)));
    if (i % 3 != 0) {
      ASSERT_TRUE(write_file(folder + "\\" + title_of(i) + ".jpg", "picture " + std::to_string(i)));
    }
  }

  std::mutex report_lock;
  Text last_report;
  MonitorOps ops;
  ops.read_directory_text = [&folder] { return folder; };
  ops.read_limit_text = [] { return decimal_text(kLimit); };
  ops.set_progress_text = [](const Text&) {};
  ops.set_report_text = [&](const Text& text) {
    std::lock_guard<std::mutex> hold(report_lock);
    last_report = text;
  };
  ops.list_videos = [](const Text& f, TextList& names) { list_files(f, texts::video_pattern, names); };
  ops.rename_checked = rename_checked;
  ops.path_exists = path_exists;
  ops.wait = [](std::int32_t) {};
  ops.dispatch_waiting_messages = [] {};

  const std::int32_t count_before = rename_count.load();
  std::vector<std::thread> workers;
  for (int w = 0; w < kWorkers; ++w) {
    workers.emplace_back([&ops] {
      TextList names, units;
      for (int pass = 0; pass < kPassesEach; ++pass) run_scan_pass(ops, names, units);
    });
  }
  for (std::thread& worker : workers) worker.join();

  // Where every content ended up.
  TextList names;
  list_files(folder, "*", names);
  std::map<Text, Text> name_of;
  for (const Text& name : names) {
    Text content;
    ASSERT_TRUE(read_file(folder + "\\" + name, content)) << name;
    ASSERT_EQ(name_of.count(content), 0u) << "two files hold " << content;
    name_of[content] = name;
  }
  const std::size_t pictures = static_cast<std::size_t>(kVideos - (kVideos + 2) / 3);
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kVideos) + pictures);

  int renamed = 0;
  for (int i = 0; i < kVideos; ++i) {
    SCOPED_TRACE(i);
    const Text video = name_of["video " + std::to_string(i)];
    Text title;
    ASSERT_TRUE(video_title(video, title)) << "video lost";
    if (i % 3 != 0) {
      EXPECT_EQ(name_of["picture " + std::to_string(i)], title + ".jpg") << "picture split from its video";
    }
    if (title != title_of(i)) ++renamed;
    TextList units;
    if (split_characters(title, units) > kLimit) {
      // Only allowed when the short name is taken by another video.
      Text short_title;
      for (std::int32_t j = 0; j < kLimit; ++j) short_title += units[static_cast<std::size_t>(j)];
      EXPECT_TRUE(path_exists(folder + "\\" + short_title + ".mp4")) << title;
    }
  }
  EXPECT_EQ(renamed, 90);  // one per group of long titles
  EXPECT_EQ(rename_count.load() - count_before, renamed);

  remove_tree(folder);
}

}  // namespace
