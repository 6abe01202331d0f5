// The units of any title join back to it; a pair never loses its second byte;
// and the first k units of a title, split again, are k units: a shortened
// title is left alone in the next cycle.
#include "fuzz/fuzz_input.h"
#include "monitor/titles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text title = text_from(data, size);
  TextList units;
  const std::int32_t count = split_characters(title, units);
  FUZZ_CHECK(count == static_cast<std::int32_t>(units.size()));
  Text joined;
  for (const Text& unit : units) {
    FUZZ_CHECK(unit.size() == 1 || unit.size() == 2);
    const auto first = static_cast<unsigned char>(unit[0]);
    const bool pair = first >= 0x81 || (unit[0] == '\r' && unit.size() == 2 && unit[1] == '\n');
    // A double-byte character is whole unless it is the title's very last byte.
    if (first >= 0x81 && joined.size() + 1 < title.size()) FUZZ_CHECK(unit.size() == 2);
    if (unit.size() == 2) FUZZ_CHECK(pair);
    joined += unit;
  }
  FUZZ_CHECK(joined == title);

  Text prefix;
  TextList again;
  for (std::int32_t k = 0; k < count; ++k) {
    FUZZ_CHECK(split_characters(prefix, again) == k);
    prefix += units[static_cast<std::size_t>(k)];
  }
  return 0;
}
