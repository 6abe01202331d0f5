#include "app/layout.h"

namespace layout {

Point centred_origin(int screen_width, int screen_height) {
  // C++ integer division truncates toward zero, which is the rule wanted.
  return {(screen_width - window_width) / 2, (screen_height - window_height) / 2};
}

int next_focus(int current, bool backwards, const std::array<bool, focus_order.size()>& usable) {
  const int n = static_cast<int>(focus_order.size());
  const int step = backwards ? n - 1 : 1;
  int index = current;
  if (index < 0 || index >= n) index = backwards ? 0 : n - 1;  // one step lands on the first/last
  for (int tries = 0; tries < n; ++tries) {
    index = (index + step) % n;
    if (usable[static_cast<std::size_t>(index)]) return index;
  }
  return -1;
}

}  // namespace layout
