// Reading the limit never fails; full-width forms read exactly as their ASCII
// forms; short plain numbers read as the standard library reads them.
#include <string>

#include "fuzz/fuzz_input.h"
#include "monitor/titles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text text = text_from(data, size);
  const std::int32_t value = limit_value(text);

  // Every printable ASCII byte has a full-width twin, A3 followed by byte + 0x80.
  Text ascii, wide;
  for (char c : text) {
    if (c > ' ' && c <= '~') {
      ascii.push_back(c);
      wide.push_back(static_cast<char>(0xA3));
      wide.push_back(static_cast<char>(c + 0x80));
    }
  }
  FUZZ_CHECK(limit_value(wide) == limit_value(ascii));

  bool plain = !text.empty() && text.size() <= 9;
  for (char c : text) plain = plain && c >= '0' && c <= '9';
  if (plain) FUZZ_CHECK(value == std::stoi(text));
  return 0;
}
