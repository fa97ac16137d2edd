// Whether a UTF-8 text holds a Hangul syllable or jamo: what an English output must not.
#pragma once

#include <cstddef>
#include <string_view>

namespace brivane::testing {

inline bool HasHangul(std::string_view text) {
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if ((b(0) & 0xF0) != 0xE0) continue;
    const unsigned cp = ((b(0) & 0x0Fu) << 12) | ((b(1) & 0x3Fu) << 6) | (b(2) & 0x3Fu);
    if ((cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0x1100 && cp <= 0x11FF) || (cp >= 0x3130 && cp <= 0x318F)) return true;
  }
  return false;
}

}  // namespace brivane::testing
