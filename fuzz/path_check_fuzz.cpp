// An accepted path starts with a letter, holds ":\" or ":/", and its final
// name holds no forbidden character outside a double-byte character.
#include <cctype>

#include "fs/rename.h"
#include "fuzz/fuzz_input.h"

namespace {

bool has_bare_forbidden_byte(const Text& name) {
  for (std::size_t pos = 0; pos < name.size(); pos += search_char_length(name, pos)) {
    if (search_char_length(name, pos) == 1) {
      for (const Text& bad : forbidden_name_chars) {
        if (name[pos] == bad[0]) return true;
      }
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text path = text_from(data, size);
  const bool accepted = is_valid_file_path(path);
  if (!accepted) return 0;
  FUZZ_CHECK(std::isalpha(static_cast<unsigned char>(path[0])));
  FUZZ_CHECK(find_text(path, ":\\") != Text::npos || find_text(path, ":/") != Text::npos);
  const Text name = file_name_of(path, true);
  FUZZ_CHECK(!name.empty());
  FUZZ_CHECK(!has_bare_forbidden_byte(name));
  return 0;
}
