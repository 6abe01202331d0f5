#include "text/text.h"

#include <gtest/gtest.h>

#include <climits>

#include "text/tests/bytes.h"
#include "text/texts.h"

namespace {

TEST(FixedTexts, AreGbkBytes) {
  struct Case {
    const char* name;
    Text actual;
    Text expected;
  } cases[] = {
      {"checking", texts::checking, bytes({0xBC, 0xEC, 0xB2, 0xE2, 0xA3, 0xBA})},
      {"renamed", texts::renamed, bytes({0xD2, 0xD1, 0xD0, 0xDE, 0xB8, 0xC4})},
      {"old name", texts::old_name,
       bytes({' ', ' ', ' ', '\r', '\n', 0xD4, 0xAD, 0xC4, 0xDA, 0xC8, 0xDD, 0xA3, 0xBA})},
      {"pausing", texts::pausing.substr(0, 3), bytes({'5', 0xC3, 0xEB})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.actual, c.expected);
  }
}

// "表" is B1 ED and "\" is 5C: a trail byte can look like a backslash.
const Text kBiao = bytes({0xB1, 0xED});
const Text kSlashTrail = bytes({0x95, 0x5C});  // a GBK character whose second byte is '\'

TEST(SearchCharLength, PairsHighBytesExceptAtTheEnd) {
  struct Case {
    const char* name;
    Text text;
    std::size_t pos;
    std::size_t expected;
  } cases[] = {
      {"ascii", "ab", 0, 1},
      {"lead byte", kBiao, 0, 2},
      {"0x80 leads a pair", bytes({0x80, 'x'}), 0, 2},
      {"lead byte at the end", bytes({'a', 0xB1}), 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(search_char_length(c.text, c.pos), c.expected);
  }
}

TEST(FindText, MatchesOnlyAtCharacterStarts) {
  const std::size_t npos = Text::npos;
  struct Case {
    const char* name;
    Text haystack;
    Text needle;
    std::size_t first;
    std::size_t last;
  } cases[] = {
      {"plain", "a.b.c", ".", 1, 3},
      {"absent", "abc", "x", npos, npos},
      {"empty needle", "abc", "", npos, npos},
      {"empty haystack", "", "a", npos, npos},
      {"needle longer than haystack", "ab", "abc", npos, npos},
      {"trail byte is not a backslash", "a" + kSlashTrail + "b", "\\", npos, npos},
      {"real backslash after a trail byte", kSlashTrail + "\\", "\\", 2, 2},
      {"double-byte needle", "x" + kBiao + kBiao, kBiao, 1, 3},
      {"no match straddling two characters", bytes({0xB1, 0xB1, 0xED, 0xED}), kBiao, npos, npos},
      {"exact case", "A.MP4", ".mp4", npos, npos},
      {"at the very end", "clip.mp4", ".mp4", 4, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(find_text(c.haystack, c.needle), c.first);
    EXPECT_EQ(find_last_text(c.haystack, c.needle), c.last);
  }
}

TEST(UpperAscii, LeavesDoubleByteCharactersWhole) {
  // 0xB1 0x61: the 'a' is a trail byte here and must not change.
  EXPECT_EQ(upper_ascii("abz.Mp4"), "ABZ.MP4");
  EXPECT_EQ(upper_ascii(bytes({0xB1, 'a', 'a'})), bytes({0xB1, 'a', 'A'}));
  EXPECT_EQ(upper_ascii(""), "");
}

TEST(DecimalText, SignAndDigitsOnly) {
  struct Case {
    std::int32_t value;
    const char* expected;
  } cases[] = {
      {0, "0"}, {7, "7"}, {30, "30"}, {-5, "-5"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(decimal_text(c.value), c.expected);
  }
}

}  // namespace
