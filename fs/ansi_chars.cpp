#include "fs/ansi_chars.h"

std::size_t ansi_char_length(const Text& text, std::size_t pos) {
  const unsigned char byte = static_cast<unsigned char>(text[pos]);
  const bool lead = byte >= 0x81 && byte <= 0xFE;
  return lead && pos + 1 < text.size() ? 2 : 1;
}
