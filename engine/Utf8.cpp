#include "engine/Utf8.h"

namespace brivane {
namespace {

constexpr bool Continuation(unsigned char b, unsigned char low = 0x80, unsigned char high = 0xBF) {
  return b >= low && b <= high;
}

void AppendHex(std::string& out, unsigned char b) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  out += "\\x";
  out += kDigits[b >> 4];
  out += kDigits[b & 0x0F];
}

}  // namespace

std::size_t Utf8WellFormedLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  // The second byte's range depends on the lead (no overlong forms, no surrogates, nothing past
  // U+10FFFF); the others are plain continuation bytes.
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size() || !Continuation(byte(1), low, high)) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (!Continuation(byte(i))) return 0;
  return length;
}

std::string ReplaceInvalidUtf8(std::string_view text, bool* replaced) {
  std::string out;
  bool any = false;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = Utf8WellFormedLength(text, at);
    if (length == 0) {
      if (!any) out.assign(text.substr(0, at));
      any = true;
      out += "\xEF\xBF\xBD";
      ++at;
      continue;
    }
    if (any) out.append(text.substr(at, length));
    at += length;
  }
  if (replaced != nullptr) *replaced = any;
  return any ? out : std::string(text);
}

std::string VisibleText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const auto b = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8WellFormedLength(text, at);
    if (length == 1 && b >= 0x20 && b != 0x7F) {
      out += text[at];
    } else if (b == '\n' || b == '\t' || b == '\r') {
      out += b == '\n' ? "\\n" : b == '\t' ? "\\t" : "\\r";
    } else if (length <= 1) {  // another control character, or a byte that is not UTF-8
      AppendHex(out, b);
    } else if (b == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {  // C1: U+0080 to U+009F
      AppendHex(out, b);
      AppendHex(out, static_cast<unsigned char>(text[at + 1]));
    } else {
      out.append(text.substr(at, length));
    }
    at += length <= 1 ? 1 : length;
  }
  return out;
}

}  // namespace brivane
