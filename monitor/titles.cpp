#include "monitor/titles.h"

#include "text/texts.h"

std::int32_t split_characters(const Text& title, TextList& units) {
  units.clear();
  const std::size_t n = title.size();
  std::size_t pos = 0;
  while (pos < n) {
    std::size_t length = 1;
    if (pos + 1 < n) {
      const bool lead = static_cast<unsigned char>(title[pos]) >= 0x81;
      const bool crlf = title[pos] == '\r' && title[pos + 1] == '\n';
      if (lead || crlf) length = 2;
    }
    units.push_back(title.substr(pos, length));
    pos += length;
  }
  return static_cast<std::int32_t>(units.size());
}

namespace {

// Full-width ASCII forms (A3 A1..A3 FE) become ASCII; the ideographic space
// (A1 A1) becomes a blank.
Text fold_full_width(const Text& text) {
  Text folded;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = search_char_length(text, pos);
    const unsigned char first = static_cast<unsigned char>(text[pos]);
    const unsigned char second = length == 2 ? static_cast<unsigned char>(text[pos + 1]) : 0;
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) {
      folded.push_back(static_cast<char>(second - 0x80));
    } else if (first == 0xA1 && second == 0xA1) {
      folded.push_back(' ');
    } else {
      folded.append(text, pos, length);
    }
    pos += length;
  }
  return folded;
}

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int32_t limit_value(const Text& text) {
  const Text folded = fold_full_width(text);
  std::size_t pos = 0;
  while (pos < folded.size() && is_space(folded[pos])) ++pos;
  bool negative = false;
  if (pos < folded.size() && (folded[pos] == '+' || folded[pos] == '-')) negative = folded[pos++] == '-';
  // Unsigned arithmetic wraps by definition, as the reading requires.
  std::uint32_t value = 0;
  for (; pos < folded.size() && folded[pos] >= '0' && folded[pos] <= '9'; ++pos) {
    value = value * 10u + static_cast<std::uint32_t>(folded[pos] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

bool video_title(const Text& name, Text& title) {
  const Text& extension = texts::video_extension;
  if (name.size() < extension.size()) return false;
  const std::size_t start = name.size() - extension.size();
  // The ending must begin where a character begins, not inside a double-byte one.
  std::size_t pos = 0;
  while (pos < start) pos += search_char_length(name, pos);
  if (pos != start || upper_ascii(name.substr(start)) != upper_ascii(extension)) return false;
  title = name.substr(0, start);
  return true;
}
