// The little UTF-8 the tool needs: how long a character is, how many characters a text has, how
// many terminal columns it takes, and what becomes of bytes that are not UTF-8 where only UTF-8 may
// go out.
#pragma once

#include <cstddef>
#include <string>
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

// An East Asian wide character: Hangul, CJK, full-width forms.
constexpr bool IsWideCharacter(char32_t cp) {
  return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF && cp != 0x303F) ||
         (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFE30 && cp <= 0xFE4F) ||
         (cp >= 0xFF00 && cp <= 0xFF60) || (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

// Terminal columns of a UTF-8 text: two for each East Asian wide character, one for any other
// character.
constexpr std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    // A stray continuation byte counts as one column of its own.
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 1;
    char32_t cp = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    width += IsWideCharacter(cp) ? 2 : 1;
    i += length;
  }
  return width;
}

// Length of the well-formed UTF-8 sequence at `at` (1 to 4), or 0 when the bytes there are not
// one: a stray continuation byte, a cut sequence, an overlong form, a surrogate or a code point
// beyond U+10FFFF. Strict, as JSON readers are.
std::size_t Utf8WellFormedLength(std::string_view text, std::size_t at);

// `text` with every byte that is not part of a well-formed sequence replaced by U+FFFD, one per
// byte; `replaced` (when given) tells whether any was. Valid text comes back unchanged.
std::string ReplaceInvalidUtf8(std::string_view text, bool* replaced = nullptr);

// `text` for a terminal: control characters (C0, DEL, C1) and bytes that are not UTF-8 written as
// \xHH (\n, \t and \r as such), so that a name from a file or an argument cannot move the cursor,
// change colours or hide what follows. Printable text, Hangul included, is unchanged.
std::string VisibleText(std::string_view text);

}  // namespace brivane
