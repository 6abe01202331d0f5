#include "app/layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CentredOrigin, HalvesTruncateTowardZero) {
  struct Case {
    int width, height, x, y;
  };
  const Case cases[] = {
      {1920, 1080, 601, 410}, {640, 480, -38, 110},                    // -77 / 2 is -38, not -39
      {1024, 768, 153, 254},  {717, 260, 0, 0},     {716, 259, 0, 0},  // -1 / 2 is 0
      {715, 258, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const layout::Point origin = layout::centred_origin(c.width, c.height);
    EXPECT_EQ(origin.x, c.x);
    EXPECT_EQ(origin.y, c.y);
  }
}

// Indices into the focus order: 0 button, 1 directory box, 2 limit box, 3 radio.
TEST(NextFocus, CyclesBothWaysAndSkipsUnusableControls) {
  struct Case {
    const char* name;
    int current;
    bool backwards;
    std::array<bool, 4> usable;
    int expected;
  };
  const std::array<bool, 4> all = {true, true, true, true};
  const Case cases[] = {
      {"tab from the button", 0, false, all, 1},
      {"tab from the last wraps to the first", 3, false, all, 0},
      {"shift+tab from the first wraps to the last", 0, true, all, 3},
      {"shift+tab from the limit box", 2, true, all, 1},
      {"tab from outside the order starts at the first", -1, false, all, 0},
      {"shift+tab from outside the order starts at the last", -1, true, all, 3},
      {"a disabled box is skipped", 0, false, {true, false, true, true}, 2},
      {"skipping wraps round", 2, false, {false, true, true, false}, 1},
      {"only the current one is usable", 1, false, {false, true, false, false}, 1},
      {"nothing usable", 1, true, {false, false, false, false}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(layout::next_focus(c.current, c.backwards, c.usable), c.expected);
  }
}

}  // namespace
