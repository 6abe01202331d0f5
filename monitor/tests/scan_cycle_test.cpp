#include "monitor/scan_cycle.h"

#include <gtest/gtest.h>

#include <set>

#include "text/texts.h"

namespace {

// A folder, a window and a clock that only remember what was done to them.
struct FakeWorld {
  std::set<Text> files;   // full paths
  std::set<Text> locked;  // paths whose renames fail, as a file held open would
  TextList listing;       // what the folder search yields
  TextList folder_texts = {"D:\\v"};  // successive reads of the directory box; the last one repeats
  std::size_t folder_reads = 0;
  Text limit = "30";
  TextList log;
};

MonitorOps fake_ops(FakeWorld& w) {
  MonitorOps ops;
  ops.read_directory_text = [&w] {
    const std::size_t i = std::min(w.folder_reads++, w.folder_texts.size() - 1);
    return w.folder_texts[i];
  };
  ops.read_limit_text = [&w] { return w.limit; };
  ops.set_progress_text = [&w](const Text& t) { w.log.push_back("progress " + t); };
  ops.set_report_text = [&w](const Text& t) { w.log.push_back("report " + t); };
  ops.list_videos = [&w](const Text& folder, TextList& names) {
    w.log.push_back("list " + folder);
    names = w.listing;
  };
  ops.rename_checked = [&w](const Text& from, const Text& to) {
    w.log.push_back("rename " + from + " -> " + to);
    if (!w.files.count(from) || w.files.count(to) || w.locked.count(from)) return false;
    w.files.erase(from);
    w.files.insert(to);
    return true;
  };
  ops.path_exists = [&w](const Text& path) { return w.files.count(path) > 0; };
  ops.wait = [&w](std::int32_t ms) { w.log.push_back("wait " + std::to_string(ms)); };
  ops.dispatch_waiting_messages = [&w] { w.log.push_back("dispatch"); };
  return ops;
}

void run_pass(FakeWorld& w) {
  TextList names, units;
  run_scan_pass(fake_ops(w), names, units);
}

TextList repeat(const Text& line, int times) { return TextList(static_cast<std::size_t>(times), line); }

TextList operator+(TextList a, const TextList& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ScanPass, CallsInOrderWithTheirWaits) {
  FakeWorld w;
  w.listing = {"Very long title.mp4", "short.mp4"};
  w.files = {"D:\\v\\Very long title.mp4", "D:\\v\\Very long title.jpg", "D:\\v\\short.mp4"};
  w.limit = "9";
  const std::int32_t count = rename_count.load() + 1;
  run_pass(w);

  const TextList expected =
      TextList{"list D:\\v", "wait 20", "progress 1检测：Very long title.mp4", "wait 10"} + repeat("wait 10", 9) +
      TextList{"rename D:\\v\\Very long title.mp4 -> D:\\v\\Very long.mp4",
               "rename D:\\v\\Very long title.jpg -> D:\\v\\Very long.jpg",
               "wait 10",
               "wait 10",
               "report 已修改" + std::to_string(count) + "   \r\n原内容：Very long title.mp4\r\n修改后Very long",
               "wait 200",
               "dispatch",
               "progress 2检测：short.mp4",
               "wait 10",
               "wait 200",
               "dispatch",
               "progress 5秒后进入下一次检测",
               "wait 5000"};
  EXPECT_EQ(w.log, expected);
  EXPECT_EQ(w.files, (std::set<Text>{"D:\\v\\Very long.mp4", "D:\\v\\Very long.jpg", "D:\\v\\short.mp4"}));
  EXPECT_EQ(rename_count.load(), count);
}

TEST(ScanPass, EmptyFolderAnnouncesThePauseAfterTheListing) {
  FakeWorld w;
  run_pass(w);
  EXPECT_EQ(w.log, (TextList{"list D:\\v", "wait 20", "progress 5秒后进入下一次检测", "wait 5000"}));
}

TEST(ScanPass, TitlesWithinTheLimitAreLeftAlone) {
  Text thirty(30, 'a'), thirty_one(31, 'b');
  Text chinese;
  for (int i = 0; i < 31; ++i) chinese += "长";
  FakeWorld w;
  w.listing = {thirty + ".mp4", thirty_one + ".mp4", chinese + ".mp4"};
  w.files = {"D:\\v\\" + thirty + ".mp4", "D:\\v\\" + thirty_one + ".mp4", "D:\\v\\" + chinese + ".mp4"};
  run_pass(w);
  // Thirty Chinese characters are sixty bytes: none is cut in half.
  EXPECT_EQ(w.files, (std::set<Text>{"D:\\v\\" + thirty + ".mp4", "D:\\v\\" + Text(30, 'b') + ".mp4",
                                     "D:\\v\\" + chinese.substr(0, 60) + ".mp4"}));
}

TEST(ScanPass, LimitBelowOneShortensNothing) {
  for (const char* limit : {"0", "", "-3", "abc", "　"}) {
    SCOPED_TRACE(limit);
    FakeWorld w;
    w.limit = limit;
    w.listing = {"a long title.mp4"};
    w.files = {"D:\\v\\a long title.mp4", "D:\\v\\a long title.jpg"};
    const std::set<Text> before = w.files;
    const std::int32_t count = rename_count.load();
    run_pass(w);
    EXPECT_EQ(w.files, before);
    EXPECT_EQ(rename_count.load(), count);
    for (const Text& line : w.log) {
      EXPECT_NE(line.rfind("rename", 0), 0u) << line;
      EXPECT_NE(line.rfind("report", 0), 0u) << line;
    }
  }
}

Text report_line(const Text& head, const Text& name, const Text& new_title) {
  return "report " + head + texts::old_name + name + texts::new_name + new_title;
}

std::size_t count_reports(const FakeWorld& w) {
  std::size_t n = 0;
  for (const Text& line : w.log) n += line.rfind("report", 0) == 0;
  return n;
}

// Each world holds abcdef.mp4 (limit 3, so abc) plus what makes its rename fail.
TEST(ScanPass, FailedRenamesAreReportedAndNotCounted) {
  struct Case {
    const char* name;
    std::set<Text> files;
    std::set<Text> locked;
    TextList folder_texts;
  } cases[] = {
      {"new video name taken", {"D:\\v\\abcdef.mp4", "D:\\v\\abc.mp4"}, {}, {"D:\\v"}},
      {"video held open", {"D:\\v\\abcdef.mp4"}, {"D:\\v\\abcdef.mp4"}, {"D:\\v"}},
      {"cover's new name taken by a stray picture",
       {"D:\\v\\abcdef.mp4", "D:\\v\\abcdef.jpg", "D:\\v\\abc.jpg"},
       {},
       {"D:\\v"}},
      {"cover held open: the video comes back",
       {"D:\\v\\abcdef.mp4", "D:\\v\\abcdef.jpg"},
       {"D:\\v\\abcdef.jpg"},
       {"D:\\v"}},
      {"folder box changed between the paths",
       {"D:\\v\\abcdef.mp4", "D:\\w\\abcdef.mp4"},
       {},
       {"D:\\v", "D:\\v", "D:\\w"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWorld w;
    w.listing = {"abcdef.mp4"};
    w.files = c.files;
    w.locked = c.locked;
    w.folder_texts = c.folder_texts;
    w.limit = "3";
    const std::int32_t count = rename_count.load();
    run_pass(w);
    EXPECT_EQ(w.files, c.files);
    EXPECT_EQ(rename_count.load(), count);
    EXPECT_EQ(count_reports(w), 1u);
    EXPECT_NE(std::find(w.log.begin(), w.log.end(), report_line(texts::rename_failed, "abcdef.mp4", "abc")),
              w.log.end());
  }
}

TEST(ScanPass, VideoWithoutCoverIsRenamedAlone) {
  FakeWorld w;
  w.listing = {"abcdef.mp4"};
  w.files = {"D:\\v\\abcdef.mp4"};
  w.limit = "3";
  const std::int32_t count = rename_count.load();
  run_pass(w);
  EXPECT_EQ(w.files, (std::set<Text>{"D:\\v\\abc.mp4"}));
  EXPECT_EQ(rename_count.load(), count + 1);
}

TEST(ScanPass, CoverThatVanishesMeanwhileDoesNotPullTheVideoBack) {
  FakeWorld w;
  w.listing = {"abcdef.mp4"};
  w.files = {"D:\\v\\abcdef.mp4", "D:\\v\\abcdef.jpg"};
  w.limit = "3";
  MonitorOps ops = fake_ops(w);
  // Someone takes the picture away just as the video moves.
  const auto plain_rename = ops.rename_checked;
  ops.rename_checked = [&w, plain_rename](const Text& from, const Text& to) {
    const bool moved = plain_rename(from, to);
    w.files.erase("D:\\v\\abcdef.jpg");
    return moved;
  };
  TextList names, units;
  run_scan_pass(ops, names, units);
  EXPECT_EQ(w.files, (std::set<Text>{"D:\\v\\abc.mp4"}));
}

TEST(ScanPass, VanishedVideoIsNeitherReportedNorCounted) {
  FakeWorld w;
  w.listing = {"abcdef.mp4"};
  w.limit = "3";
  const std::int32_t count = rename_count.load();
  run_pass(w);
  EXPECT_EQ(count_reports(w), 0u);
  EXPECT_EQ(rename_count.load(), count);
}

TEST(ScanPass, TitleIsTheNameWithoutItsOwnEnding) {
  FakeWorld w;
  w.listing = {"ABCDE.MP4", "a.mp4b.mp4", "clip.mp4x"};
  w.files = {"D:\\v\\ABCDE.MP4",  "D:\\v\\ABCDE.jpg", "D:\\v\\a.mp4b.mp4",
             "D:\\v\\a.mp4b.jpg", "D:\\v\\clip.mp4x"};
  w.limit = "4";
  run_pass(w);
  EXPECT_EQ(w.files, (std::set<Text>{"D:\\v\\ABCD.MP4", "D:\\v\\ABCD.jpg", "D:\\v\\a.mp.mp4", "D:\\v\\a.mp.jpg",
                                     "D:\\v\\clip.mp4x"}));
  // The alias match is looked at, then passed over.
  const TextList tail(w.log.end() - 5, w.log.end());
  EXPECT_EQ(tail, (TextList{"progress 3检测：clip.mp4x", "wait 200", "dispatch", "progress 5秒后进入下一次检测",
                            "wait 5000"}));
}

TEST(ScanPass, TwoWorkersWithTheSameListingCountEachRenameOnce) {
  FakeWorld first;
  first.listing = {"abcdef.mp4"};
  first.files = {"D:\\v\\abcdef.mp4", "D:\\v\\abcdef.jpg"};
  first.limit = "3";
  // The second worker listed the folder before the first renamed it.
  FakeWorld second = first;
  const std::int32_t count = rename_count.load();
  run_pass(first);
  second.files = first.files;
  run_pass(second);
  EXPECT_EQ(second.files, (std::set<Text>{"D:\\v\\abc.mp4", "D:\\v\\abc.jpg"}));
  EXPECT_EQ(rename_count.load(), count + 1);
  EXPECT_EQ(count_reports(first), 1u);
  EXPECT_EQ(count_reports(second), 0u);
}

TEST(ScanPass, LimitIsReadOncePerFile) {
  FakeWorld w;
  w.listing = {"abcdef.mp4", "ghijkl.mp4"};
  w.files = {"D:\\v\\abcdef.mp4", "D:\\v\\ghijkl.mp4"};
  w.limit = "3";
  MonitorOps ops = fake_ops(w);
  // The user retypes the limit while the first file is handled.
  const auto plain_read = ops.read_limit_text;
  ops.read_limit_text = [&w, plain_read] {
    const Text value = plain_read();
    w.limit = "2";
    return value;
  };
  TextList names, units;
  run_scan_pass(ops, names, units);
  EXPECT_EQ(w.files, (std::set<Text>{"D:\\v\\abc.mp4", "D:\\v\\gh.mp4"}));
}

TEST(ScanPass, NothingIsKeptFromOnePassToTheNext) {
  FakeWorld w;
  w.listing = {"a.mp4", "b.mp4", "c.mp4"};
  TextList names = {"stale"}, units = {"stale"};
  run_scan_pass(fake_ops(w), names, units);
  w.listing = {"d.mp4"};
  w.log.clear();
  run_scan_pass(fake_ops(w), names, units);
  EXPECT_EQ(names, (TextList{"d.mp4"}));
  EXPECT_EQ(w.log[2], "progress 1检测：d.mp4");
}

}  // namespace
