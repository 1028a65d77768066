// Test helpers for UTF-8 texts: code-point length and validity.
#pragma once

#include <cstddef>
#include <string>

namespace classify_test {

// Number of code points, counting every byte that does not continue a sequence.
inline std::size_t CharCount(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char b : s) n += (b & 0xC0u) != 0x80u;
  return n;
}

// True when no multi-byte sequence is cut short (the only damage a cut can do).
inline bool IsWholeUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t len = b < 0x80u ? 1 : (b >> 5) == 0x6u ? 2 : (b >> 4) == 0xEu ? 3 : 4;
    if ((b & 0xC0u) == 0x80u || i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0u) != 0x80u) return false;
    i += len;
  }
  return true;
}

}  // namespace classify_test
