// For any listed name and limit: a name is a video only when it ends in
// ".mp4" in some case; the shortened title is a prefix of the title made of
// whole units, holds exactly `limit` units, and keeps every double-byte
// character whole.
#include "fuzz/fuzz_input.h"
#include "monitor/titles.h"
#include "text/texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::int32_t limit = data[0] % 64;
  const Text name = text_from(data + 1, size - 1);
  Text title;
  if (!video_title(name, title)) return 0;
  FUZZ_CHECK(name.size() == title.size() + 4);
  FUZZ_CHECK(upper_ascii(name.substr(title.size())) == ".MP4");

  TextList units;
  const std::int32_t count = split_characters(title, units);
  if (limit < 1 || count <= limit) return 0;
  Text new_title;
  for (std::int32_t j = 0; j < limit; ++j) new_title += units[static_cast<std::size_t>(j)];
  FUZZ_CHECK(title.compare(0, new_title.size(), new_title) == 0);
  FUZZ_CHECK(new_title.size() < title.size());
  TextList again;
  FUZZ_CHECK(split_characters(new_title, again) == limit);
  // The cut falls between two units: the byte after it starts a unit of its own.
  Text rest = title.substr(new_title.size());
  TextList rest_units;
  split_characters(rest, rest_units);
  FUZZ_CHECK(rest_units.front() == units[static_cast<std::size_t>(limit)]);
  return 0;
}
