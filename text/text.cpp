#include "text/text.h"

std::size_t search_char_length(const Text& text, std::size_t pos) {
  const bool lead = static_cast<unsigned char>(text[pos]) >= 0x80;
  return lead && pos + 1 < text.size() ? 2 : 1;
}

namespace {

bool matches_at(const Text& haystack, const Text& needle, std::size_t pos) {
  return haystack.compare(pos, needle.size(), needle) == 0;
}

}  // namespace

std::size_t find_text(const Text& haystack, const Text& needle) {
  if (needle.empty()) return Text::npos;
  for (std::size_t pos = 0; pos + needle.size() <= haystack.size();
       pos += search_char_length(haystack, pos)) {
    if (matches_at(haystack, needle, pos)) return pos;
  }
  return Text::npos;
}

std::size_t find_last_text(const Text& haystack, const Text& needle) {
  std::size_t found = Text::npos;
  if (needle.empty()) return found;
  for (std::size_t pos = 0; pos + needle.size() <= haystack.size();
       pos += search_char_length(haystack, pos)) {
    if (matches_at(haystack, needle, pos)) found = pos;
  }
  return found;
}

Text upper_ascii(const Text& text) {
  Text upper = text;
  for (std::size_t pos = 0; pos < upper.size(); pos += search_char_length(upper, pos)) {
    if (upper[pos] >= 'a' && upper[pos] <= 'z') upper[pos] = static_cast<char>(upper[pos] - 'a' + 'A');
  }
  return upper;
}

Text decimal_text(std::int32_t value) { return std::to_string(value); }
