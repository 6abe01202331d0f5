#include <gtest/gtest.h>

#include "fs/paths.h"
#include "fs/rename.h"

namespace {

// GBK characters whose second byte is a backslash (昞, 95 5C) or a vertical
// bar (晐, 95 7C).
const Text kTrailBackslash = "昞";
const Text kTrailBar = "晐";

TEST(IsValidFilePath, AcceptsOnlyAbsoluteDrivePathsWithACleanName) {
  struct Case {
    const char* name;
    Text path;
    bool expected;
  } cases[] = {
      {"backslashes", "D:\\videos\\clip.mp4", true},
      {"lower-case drive", "d:\\videos\\clip.mp4", true},
      {"slashes", "d:/x/y.mp4", true},
      {"mixed separators", "d:\\x/y.mp4", true},
      {"GBK name", "D:\\视频\\长标题.mp4", true},
      {"trail bytes 0x5C and 0x7C inside the name", "D:\\v\\" + kTrailBackslash + kTrailBar + "x.mp4", true},
      {"colon pair after two letters", "ab:\\clip.mp4", true},
      {"name that is only an extension", "D:\\v\\.mp4", true},
      {"device name", "D:\\v\\CON", true},
      {"trailing dot", "D:\\v\\clip.", true},
      {"trailing space", "D:\\v\\clip ", true},
      {"over-long path", "D:\\" + Text(300, 'x') + ".mp4", true},
      {"colon inside the last component starts a new one", "D:\\v\\a:b.mp4", true},
      {"empty", "", false},
      {"UNC", "\\\\server\\share\\clip.mp4", false},
      {"leading backslash", "\\videos\\clip.mp4", false},
      {"leading slash", "/videos/clip.mp4", false},
      {"digit for a drive", "1:\\clip.mp4", false},
      {"double-byte first character", "长:\\clip.mp4", false},
      {"relative", "videos\\clip.mp4", false},
      {"bare name", "clip.mp4", false},
      {"drive-relative", "C:clip.mp4", false},
      {"ends in a backslash", "D:\\videos\\", false},
      {"drive root", "C:\\", false},
      {"name ending in a trail byte 0x5C", "D:\\v\\x" + kTrailBackslash, false},
      {"question mark", "D:\\v\\a?b.mp4", false},
      {"less-than", "D:\\v\\a<b.mp4", false},
      {"greater-than", "D:\\v\\a>b.mp4", false},
      {"asterisk", "D:\\v\\*.mp4", false},
      {"vertical bar", "D:\\v\\a|b.mp4", false},
      {"double quote", "D:\\v\\a\"b.mp4", false},
      {"colon ending the name", "D:\\v\\clip:", false},
      {"zero byte hiding a relative path", Text("x\0C:\\a.mp4", 10), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(is_valid_file_path(c.path), c.expected);
  }
}

TEST(IsValidFilePath, CanAskForAnInnerDot) {
  struct Case {
    Text path;
    bool expected;
  } cases[] = {
      {"D:\\a.b", true},   {"D:\\..a", true},  {"D:\\长标题.mp4", true}, {"D:\\.mp4", false},
      {"D:\\abc.", false}, {"D:\\abc", false}, {"D:\\a.b.", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(is_valid_file_path(c.path, false), c.expected);
  }
}

TEST(FileNameOf, TakesTheFinalComponentWithOrWithoutItsExtension) {
  struct Case {
    Text path;
    Text with_extension;
    Text without_extension;
  } cases[] = {
      {"D:\\v\\clip.final.mp4", "clip.final.mp4", "clip.final"},
      {"D:\\v\\clip", "clip", "clip"},
      {"D:\\v.d\\clip", "clip", "clip"},
      {"d:/x/y.mp4", "y.mp4", "y"},
      {"C:clip.mp4", "clip.mp4", "clip"},
      {"D:\\v\\.mp4", ".mp4", ""},
      {"D:\\v\\my clip.final cut", "my clip.final cut", "my clip.final cut"},
      {"D:\\v\\长标题.mp4", "长标题.mp4", "长标题"},
      {"D:\\v\\" + kTrailBackslash + ".mp4", kTrailBackslash + ".mp4", kTrailBackslash},
      {"D:\\v\\", "", ""},
      {"C:\\", "", ""},
      {"D:\\v\\x" + kTrailBackslash, "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(file_name_of(c.path, true), c.with_extension);
    EXPECT_EQ(file_name_of(c.path), c.without_extension);
  }
}

TEST(ExtensionOf, RunsFromTheLastDot) {
  struct Case {
    Text name;
    Text expected;
  } cases[] = {
      {"clip.mp4", ".mp4"}, {"a.b.c", ".c"}, {"clip", ""},           {".mp4", ".mp4"},
      {"abc.", "."},        {"a.b c", ""},   {"长标题.mp4", ".mp4"}, {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(extension_of(c.name), c.expected);
  }
}

TEST(HasForbiddenChar, FindsWholeCharactersOnly) {
  for (const Text& forbidden : forbidden_name_chars) {
    SCOPED_TRACE(forbidden);
    EXPECT_TRUE(has_forbidden_char("a" + forbidden + "b"));
  }
  struct Case {
    Text name;
    bool expected;
  } cases[] = {
      {"clip.mp4", false},
      {"", false},
      {kTrailBackslash + kTrailBar, false},
      {kTrailBackslash + "\\", true},
      {kTrailBar + "|", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(has_forbidden_char(c.name), c.expected);
  }
  EXPECT_EQ(forbidden_name_chars.size(), 9u);
}

TEST(RenameChecked, MovesOnlyToACheckedPathAndReportsTheMove) {
  struct Case {
    const char* name;
    Text new_path;
    bool move_result;
    bool expected;
    bool moved;
  } cases[] = {
      {"moved", "D:\\v\\short.mp4", true, true, true},
      {"move failed", "D:\\v\\short.mp4", false, false, true},
      {"relative path refused", "short.mp4", true, false, false},
      {"forbidden character refused", "D:\\v\\a|b.mp4", true, false, false},
      {"empty name refused", "D:\\v\\", true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::pair<Text, Text>> moves;
    const bool result = rename_checked_with("old path", c.new_path, [&](const Text& from, const Text& to) {
      moves.emplace_back(from, to);
      return c.move_result;
    });
    EXPECT_EQ(result, c.expected);
    if (c.moved) {
      EXPECT_EQ(moves, (std::vector<std::pair<Text, Text>>{{"old path", c.new_path}}));
    } else {
      EXPECT_TRUE(moves.empty());
    }
  }
}

}  // namespace
