// Small helpers for turning a fuzzer's bytes into program values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "text/text.h"

// Texts never hold a zero byte: it would end them.
inline Text text_from(const std::uint8_t* data, std::size_t size) {
  Text text;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] != 0) text.push_back(static_cast<char>(data[i]));
  }
  return text;
}

#define FUZZ_CHECK(condition)                                                 \
  do {                                                                        \
    if (!(condition)) {                                                       \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                           \
    }                                                                         \
  } while (0)
