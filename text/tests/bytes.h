// Texts written as their bytes, for tests that pin exact GBK encodings.
#pragma once

#include <initializer_list>

#include "text/text.h"

inline Text bytes(std::initializer_list<unsigned> values) {
  Text text;
  for (unsigned v : values) text.push_back(static_cast<char>(v));
  return text;
}
