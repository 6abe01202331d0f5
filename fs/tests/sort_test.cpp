#include <gtest/gtest.h>

#include <algorithm>

#include "fs/list_files.h"
#include "fs/listing.h"
#include "text/tests/bytes.h"

namespace {

TEST(SortTexts, OrdersByCharacterCodes) {
  struct Case {
    const char* name;
    TextList texts;
    TextList expected;
  } cases[] = {
      {"capitals first", {"B.mp4", "a.mp4", "A.mp4"}, {"A.mp4", "B.mp4", "a.mp4"}},
      {"empty list", {}, {}},
      {"one item", {"x"}, {"x"}},
      {"leading part first", {"ab", "a", "abc", ""}, {"", "a", "ab", "abc"}},
      {"duplicates kept", {"b", "a", "b", "a", "c", "b"}, {"a", "a", "b", "b", "b", "c"}},
      {"double-byte after single-byte", {"长", "z", "~", "b"}, {"b", "z", "~", "长"}},
      {"double-byte by lead then trail", {"长", "表", "题"}, {"表", "长", "题"}},
      // Where character order and byte order part: 0xFF is a single-byte
      // character, and a lead byte at the very end stands alone.
      {"0xFF before a double-byte character",
       {bytes({0x81, 0x40}), bytes({0xFF})},
       {bytes({0xFF}), bytes({0x81, 0x40})}},
      {"lone lead byte before a pair",
       {bytes({0xB1, 0xED}), bytes({0xC0})},
       {bytes({0xC0}), bytes({0xB1, 0xED})}},
      {"descending input", {"e", "d", "c", "b", "a"}, {"a", "b", "c", "d", "e"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextList texts = c.texts;
    sort_texts(texts);
    EXPECT_EQ(texts, c.expected);
    sort_texts(texts, true);
    EXPECT_EQ(texts, TextList(c.expected.rbegin(), c.expected.rend()));
  }
}

// Many insertions land in the middle, where the bisection does the work.
TEST(SortTexts, AgreesWithAFullSortOnAMixedList) {
  const TextList alphabet{"a", "B", "b", "长", "表", "0", bytes({0xFF}), ".mp4"};
  TextList texts;
  unsigned seed = 12345;
  for (int i = 0; i < 400; ++i) {
    Text text;
    for (int length = 0; length < 1 + i % 4; ++length) {
      seed = seed * 1103515245 + 12345;
      text += alphabet[(seed >> 16) % alphabet.size()];
    }
    texts.push_back(text);
  }
  for (bool exact_case : {true, false}) {
    SCOPED_TRACE(exact_case ? "exact case" : "folding case");
    TextList sorted = texts;
    sort_texts(sorted, false, exact_case);
    auto less = [exact_case](const Text& a, const Text& b) { return compare_texts(a, b, exact_case) < 0; };
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), less));
    EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), texts.begin()));
  }
}

TEST(SortTexts, FoldingCaseIgnoresAsciiCaseOnly) {
  TextList texts{"b", "C", "a", "B", "长", "_"};
  sort_texts(texts, false, false);
  // "_" (0x5F) sorts after the capitals it is compared with.
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0], "a");
  EXPECT_TRUE((texts[1] == "b" && texts[2] == "B") || (texts[1] == "B" && texts[2] == "b"));
  EXPECT_EQ(TextList(texts.begin() + 3, texts.end()), (TextList{"C", "_", "长"}));
}

TEST(ReverseTexts, SwapsAroundTheMiddle) {
  struct Case {
    TextList texts;
    TextList expected;
  } cases[] = {
      {{}, {}},
      {{"a"}, {"a"}},
      {{"a", "b"}, {"b", "a"}},
      {{"a", "b", "c"}, {"c", "b", "a"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.size());
    TextList texts = c.texts;
    reverse_texts(texts);
    EXPECT_EQ(texts, c.expected);
  }
}

}  // namespace
