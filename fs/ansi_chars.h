// Characters as the system's own ANSI routines (CharNextA) step through them.
#pragma once

#include <cstddef>

#include "text/text.h"

// Bytes taken by the character that starts at `pos`, by the lead-byte rule of
// code page 936: a byte from 0x81 to 0xFE joins the byte after it, unless it is
// the last byte. 0x80 and 0xFF stand alone. This is the rule the path and
// directory routines of the system apply; text/text.h has the wider rule the
// program's own searches use.
std::size_t ansi_char_length(const Text& text, std::size_t pos);
