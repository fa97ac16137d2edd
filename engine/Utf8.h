// The little UTF-8 the tool needs: how long a character is, and how many characters a text has.
#pragma once

#include <cstddef>
#include <string_view>

namespace brivane {

// Length of the UTF-8 sequence a lead byte announces; 1 for a byte that cannot lead one, so that
// a caller walking a text moves on by one byte.
constexpr std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

// The well-formed multi-byte character that starts at `at`, or an empty view when the bytes
// there are not one (a single byte, a cut sequence, a bad continuation byte).
constexpr std::string_view Utf8CharacterAt(std::string_view text, std::size_t at) {
  if (at >= text.size()) return {};
  const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[at]));
  if (length < 2 || at + length > text.size()) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return {};
  }
  return text.substr(at, length);
}

// Code points of a text: every byte that is not a continuation byte starts one.
constexpr std::size_t Utf8CodePoints(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

}  // namespace brivane
