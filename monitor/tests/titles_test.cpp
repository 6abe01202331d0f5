#include "monitor/titles.h"

#include <gtest/gtest.h>

#include "text/tests/bytes.h"

namespace {

Text join(const TextList& units) {
  Text joined;
  for (const Text& unit : units) joined += unit;
  return joined;
}

TEST(SplitCharacters, CountsWhatAChineseUserSees) {
  const Text zhong = "中";  // two GBK bytes
  struct Case {
    const char* name;
    Text title;
    TextList units;
  } cases[] = {
      {"empty", "", {}},
      {"ascii and a Chinese character", "ab" + zhong, {"a", "b", zhong}},
      {"CR LF is one", "a\r\nb", {"a", "\r\n", "b"}},
      {"lone CR", "a\rb", {"a", "\r", "b"}},
      {"CR at the end", "a\r", {"a", "\r"}},
      {"LF then CR", "\n\r", {"\n", "\r"}},
      {"0x80 stands alone", bytes({0x80, 'x'}), {bytes({0x80}), "x"}},
      {"0x81 leads a pair, whatever follows", bytes({0x81, '\\', 'a'}), {bytes({0x81, '\\'}), "a"}},
      {"lead byte at the end stands alone", bytes({'a', 0xD6}), {"a", bytes({0xD6})}},
      {"Chinese only", zhong + zhong + zhong, {zhong, zhong, zhong}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextList units = {"left over"};
    EXPECT_EQ(split_characters(c.title, units), static_cast<std::int32_t>(c.units.size()));
    EXPECT_EQ(units, c.units);
    EXPECT_EQ(join(units), c.title);
  }
}

TEST(SplitCharacters, ThirtyOneChineseCharactersAreThirtyOneUnits) {
  Text title;
  for (int i = 0; i < 31; ++i) title += "长";
  TextList units;
  EXPECT_EQ(split_characters(title, units), 31);
  EXPECT_EQ(units.front(), "长");
}

TEST(LimitValue, ReadsWhatTheUserTyped) {
  struct Case {
    const char* name;
    Text text;
    std::int32_t expected;
  } cases[] = {
      {"plain", "30", 30},
      {"blanks first", "  \t30", 30},
      {"full-width digits", "３０", 30},
      {"ideographic space first", "　30", 30},
      {"plus sign", "+30", 30},
      {"full-width minus", "－5", -5},
      {"full-width plus and digits", "＋１２", 12},
      {"trailing letters", "30abc", 30},
      {"blank inside", "3 0", 3},
      {"letters", "abc", 0},
      {"empty", "", 0},
      {"sign only", "-", 0},
      {"two signs", "+-3", 0},
      {"2^32 + 30 wraps", "4294967326", 30},
      {"2^31 wraps negative", "2147483648", INT32_MIN},
      {"lowest", "-2147483648", INT32_MIN},
      {"leading zeros", "007", 7},
      {"Chinese text", "三十", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(limit_value(c.text), c.expected);
  }
}

TEST(VideoTitle, DropsOnlyTheFinalVideoEnding) {
  struct Case {
    const char* name;
    Text file_name;
    bool is_video;
    Text title;
  } cases[] = {
      {"plain", "Very long title.mp4", true, "Very long title"},
      {"capitals", "X.MP4", true, "X"},
      {"mixed case", "clip.Mp4", true, "clip"},
      {"inner .mp4 stays", "a.mp4b.mp4", true, "a.mp4b"},
      {"only the ending", ".mp4", true, ""},
      {"Chinese", "长标题.mp4", true, "长标题"},
      {"8.3 alias match", "clip.mp4x", false, ""},
      {"too short", "mp4", false, ""},
      {"ending inside a double-byte character", bytes({'a', 0x80, '.', 'm', 'p', '4'}), false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Text title = "unchanged";
    EXPECT_EQ(video_title(c.file_name, title), c.is_video);
    if (c.is_video) {
      EXPECT_EQ(title, c.title);
    }
  }
}

}  // namespace
