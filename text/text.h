// Texts are byte strings in the system ANSI code page (GBK for our users).
// Positions are 0-based byte offsets; Text::npos means "not found".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;
using TextList = std::vector<Text>;

// Bytes taken by the character that starts at `pos` when searching: a byte of
// 0x80 or above joins the byte after it, unless it is the last byte.
std::size_t search_char_length(const Text& text, std::size_t pos);

// First (last) place where `needle` starts at a character boundary, or npos.
// A match never begins on the second byte of a double-byte character.
std::size_t find_text(const Text& haystack, const Text& needle);
std::size_t find_last_text(const Text& haystack, const Text& needle);

// a-z become A-Z; double-byte characters are left whole.
Text upper_ascii(const Text& text);

// Digits without leading zeros, a minus sign first when negative.
Text decimal_text(std::int32_t value);
