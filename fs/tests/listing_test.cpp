#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fs/list_files.h"
#include "fs/tests/disk.h"
#include "fs/tests/fake_disk.h"

namespace {

TextList sorted_copy(TextList texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

// "昞" is 95 5C in GBK: its second byte is a backslash.
const Text kTrailBackslash = "昞";

TEST_P(ListFiles, TakesMatchingFilesOfEveryAttributeButNoFolders) {
  file("a.mp4");
  file("X.MP4");
  file("hidden.mp4", hidden_attribute);
  file("read-only.mp4", read_only_attribute);
  file("system.mp4", system_attribute);
  file("长标题.mp4");
  file("b.jpg");
  file("a.mp4.txt");
  folder("clip.mp4");
  folder("sub");
  file("sub\\inner.mp4");

  TextList names{"left over"};
  const std::int32_t count = list(disk.root, "*.mp4", names);

  EXPECT_EQ(sorted_copy(names),
            sorted_copy({"a.mp4", "X.MP4", "hidden.mp4", "read-only.mp4", "system.mp4", "长标题.mp4"}));
  EXPECT_EQ(count, static_cast<std::int32_t>(names.size()));
}

TEST_P(ListFiles, YieldsNoNamesWhereNothingCanBeListed) {
  file("a.mp4");
  folder("empty");
  struct Case {
    const char* name;
    Text folder;
    Text pattern;
    bool recurse;
    TextList expected;
  } cases[] = {
      {"missing folder", disk.root + "\\missing", "*.mp4", false, {}},
      {"missing folder, recursing", disk.root + "\\missing", "*.mp4", true, {"kept"}},
      {"a file taken for a folder", disk.root + "\\a.mp4", "*.mp4", false, {}},
      {"empty pattern", disk.root, "", false, {}},
      {"nothing matches", disk.root + "\\empty", "*.mp4", false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextList names{"kept"};
    EXPECT_EQ(list(c.folder, c.pattern, names, false, false, c.recurse),
              static_cast<std::int32_t>(c.expected.size()));
    EXPECT_EQ(names, c.expected);
  }
}

TEST_P(ListFiles, WithPathPutsThePrefixBeforeEachName) {
  folder("v");
  file("v\\a.mp4");
  folder(kTrailBackslash);
  file(kTrailBackslash + "\\c.mp4");
  // What a search of the parent would find if the last byte of the folder
  // were taken for a separator.
  file(kTrailBackslash + "b.mp4");

  const Text v = disk.root + "\\v";
  const Text trail = disk.root + "\\" + kTrailBackslash;
  struct Case {
    const char* name;
    Text folder;
    Text expected;
  } cases[] = {
      {"no separator", v, v + "\\a.mp4"},
      {"trailing backslash", v + "\\", v + "\\a.mp4"},
      {"a slash is no separator", v + "/", v + "/\\a.mp4"},
      {"double-byte character ending in 0x5C", trail, trail + "\\c.mp4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextList names;
    EXPECT_EQ(list(c.folder, "*.mp4", names, true), 1);
    EXPECT_EQ(names, TextList{c.expected});
  }
}

TEST_P(ListFiles, RecursionAppendsEachFolderThenItsSubfoldersDepthFirst) {
  file("a.mp4");
  folder("sub");
  file("sub\\b.mp4");
  folder("sub\\deep");
  file("sub\\deep\\c.mp4");
  folder("clip.mp4", hidden_attribute);
  file("clip.mp4\\d.mp4");
  folder("empty");

  for (bool with_path : {false, true}) {
    SCOPED_TRACE(with_path ? "with path" : "bare names");
    auto name = [&](const Text& relative) {
      return with_path ? disk.root + "\\" + relative : relative.substr(relative.rfind('\\') + 1);
    };
    TextList names{"kept.mp4"};
    const std::int32_t count = list(disk.root, "*.mp4", names, with_path, false, true);

    // The subfolders come in the system's order; each one's names stay together.
    const TextList head{"kept.mp4", name("a.mp4")};
    const TextList sub{name("sub\\b.mp4"), name("sub\\deep\\c.mp4")};
    const TextList clip{name("clip.mp4\\d.mp4")};
    TextList sub_first = head;
    sub_first.insert(sub_first.end(), sub.begin(), sub.end());
    sub_first.insert(sub_first.end(), clip.begin(), clip.end());
    TextList clip_first = head;
    clip_first.insert(clip_first.end(), clip.begin(), clip.end());
    clip_first.insert(clip_first.end(), sub.begin(), sub.end());

    EXPECT_TRUE(names == sub_first || names == clip_first) << ::testing::PrintToString(names);
    EXPECT_EQ(count, 5);
  }
}

TEST_P(ListFiles, SortedRecursionLeavesTheWholeListInOrder) {
  // One folder cannot hold both a.mp4 and A.mp4.
  file("B.mp4");
  folder("x");
  file("x\\a.mp4");
  folder("y");
  file("y\\A.mp4");

  TextList names{"Z.mp4"};
  EXPECT_EQ(list(disk.root, "*.mp4", names, false, true, true), 4);
  EXPECT_EQ(names, (TextList{"A.mp4", "B.mp4", "Z.mp4", "a.mp4"}));
}

Disk make_fake_disk() {
  auto fake = std::make_shared<FakeDisk>();
  auto add = [fake](std::uint32_t kind) {
    return [fake, kind](const Text& path, std::uint32_t attributes) {
      ASSERT_TRUE(fake_add(*fake, path, kind | attributes)) << path;
    };
  };
  fake_add(*fake, "C:\\base", folder_attribute);
  return {"C:\\base", add(folder_attribute), add(0x20), fake_search(*fake), [fake] {}};
}

INSTANTIATE_TEST_SUITE_P(InMemory, ListFiles, ::testing::Values(DiskKind{"in_memory", make_fake_disk}),
                         [](const auto& info) { return std::string(info.param.name); });

// The search texts themselves, which only the in-memory tree records.
TEST(ListFilesSearchText, EndsTheFolderInOneBackslash) {
  struct Case {
    const char* name;
    Text folder;
    Text expected;
  } cases[] = {
      {"no separator", "C:\\videos", "C:\\videos\\*.mp4"},
      {"trailing backslash", "C:\\videos\\", "C:\\videos\\*.mp4"},
      {"bare drive", "C:", "C:\\*.mp4"},
      {"drive root", "C:\\", "C:\\*.mp4"},
      {"trailing slash", "C:/videos/", "C:/videos/\\*.mp4"},
      {"empty: root of the current drive", "", "\\*.mp4"},
      {"trail byte 0x5C is not a separator", "C:\\" + kTrailBackslash, "C:\\" + kTrailBackslash + "\\*.mp4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDisk fake;
    TextList names;
    list_files_over(fake_search(fake), c.folder, "*.mp4", names, false, false, false);
    ASSERT_FALSE(fake.search_texts.empty());
    EXPECT_EQ(fake.search_texts[0], c.expected);
  }
}

TEST(ListFilesSearchText, EmptyFolderSearchesTheRootOfTheCurrentDrive) {
  FakeDisk fake;
  fake_add(fake, "C:\\top.mp4", 0x20);
  TextList names;
  EXPECT_EQ(list_files_over(fake_search(fake), "", "*.mp4", names, true, false, false), 1);
  EXPECT_EQ(names, TextList{"\\top.mp4"});
}

TEST(ListFilesSearches, AreAllClosedAndMessagesServedPerNameAndSubfolder) {
  FakeDisk fake;
  for (const char* path : {"C:\\v", "C:\\v\\s", "C:\\v\\s\\t", "C:\\v\\u"})
    fake_add(fake, path, folder_attribute);
  for (const char* path : {"C:\\v\\1.mp4", "C:\\v\\s\\2.mp4", "C:\\v\\s\\3.mp4", "C:\\v\\u\\x.jpg"}) {
    fake_add(fake, path, 0x20);
  }
  TextList names;
  EXPECT_EQ(list_files_over(fake_search(fake), "C:\\v", "*.mp4", names, false, true, true), 3);
  EXPECT_TRUE(fake.open_searches.empty());
  EXPECT_EQ(fake.pumps, 3 + 3);  // three names, three subfolders
}

}  // namespace
