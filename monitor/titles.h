// How a video's name becomes a title, how a title is cut into the characters
// a user counts, and how the limit box's text becomes a number.
#pragma once

#include <cstdint>

#include "text/text.h"

// Cuts `title` into display characters: a byte of 0x81 or above starts a
// double-byte character, CR LF is one character, and the last byte always
// stands alone. Empties `units` first; returns how many it holds.
std::int32_t split_characters(const Text& title, TextList& units);

// The limit box's text as a number: full-width digits, signs and the
// ideographic space count as their ASCII forms; then leading white space, an
// optional sign and the digits up to the first non-digit, wrapping on
// overflow. No digits read as 0.
std::int32_t limit_value(const Text& text);

// A listed name is a video when it ends in ".mp4" in any case, starting on a
// character boundary. Sets `title` to the name without that ending.
bool video_title(const Text& name, Text& title);
