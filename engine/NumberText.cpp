#include "engine/NumberText.h"

#include <locale.h>
#include <stdlib.h>

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>

namespace brivane {
namespace {

// printf takes a negative precision as if none were given.
constexpr int kDefaultPrecision = 6;
// The sign, the 309 integer digits of the largest double and the decimal point.
constexpr std::size_t kFixedOverhead = 1 + (DBL_MAX_10_EXP + 1) + 1;

// A buffer that always holds the whole text: the text is never cut or padded with NUL bytes,
// whatever the value and the precision.
std::string ToChars(double v, std::chars_format format, int precision) {
  if (precision < 0) precision = kDefaultPrecision;
  std::string out(kFixedOverhead + static_cast<std::size_t>(precision) + 8, '\0');
  for (;;) {
    const auto result = std::to_chars(out.data(), out.data() + out.size(), v, format, precision);
    // Too small a buffer is the one failure to_chars has; the size above is enough already.
    if (result.ec != std::errc::value_too_large) {
      out.resize(static_cast<std::size_t>(result.ptr - out.data()));
      return out;
    }
    out.resize(out.size() * 2);
  }
}

// The C locale, created once: strtod_l reads '.' as the decimal point whatever the process
// locale says.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// An optional '-', digits with an optional '.' among or after them (at least one digit), then
// an optional exponent: what from_chars and strtod read alike.
bool PlainDecimal(std::string_view t) {
  std::size_t i = 0;
  const auto digits = [&t, &i] {
    const std::size_t from = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    return i - from;
  };
  if (i < t.size() && t[i] == '-') ++i;
  std::size_t mantissa = digits();
  if (i < t.size() && t[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    if (digits() == 0) return false;
  }
  return i == t.size();
}

}  // namespace

std::string FormatFixed(double v, int decimals) { return ToChars(v, std::chars_format::fixed, decimals); }

std::string FormatGeneral6(double v) { return ToChars(v, std::chars_format::general, 6); }

std::string FormatShortest(float v) {
  std::array<char, 64> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), result.ptr);
}

std::string FormatShortestDouble(double v) {
  std::array<char, 64> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), result.ptr);
}

double ParseLeadingNumber(std::string_view text) {
  const std::string copy(text);  // strtod needs a terminated string
  return strtod_l(copy.c_str(), nullptr, CLocale());
}

std::optional<double> ParseDoubleField(std::string_view text) {
  const std::string_view field = Trim(text);
  // A plain decimal ("-12.5e3") reads the same through from_chars, without a copy: both give the
  // nearest double. Anything else (a '+', hexadecimal, "inf", a value out of range) goes to strtod.
  if (PlainDecimal(field)) {
    double d = 0.0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), d);
    if (ec == std::errc() && end == field.data() + field.size()) return d;
  }
  const std::string copy(field);
  if (copy.empty()) return std::nullopt;
  char* end = nullptr;
  const double d = strtod_l(copy.c_str(), &end, CLocale());
  if (end != copy.c_str() + copy.size() || !std::isfinite(d)) return std::nullopt;
  return d;
}

std::optional<float> ParseFloatField(std::string_view text) {
  const std::optional<double> d = ParseDoubleField(text);
  // Halfway between FLT_MAX and the next power of two: from there on a float rounds to infinity,
  // below it to FLT_MAX (so the shortest text of FLT_MAX, 3.4028235e+38, reads back).
  constexpr double kFloatOverflow = 0x1.ffffffp+127;
  if (!d || std::fabs(*d) >= kFloatOverflow) return std::nullopt;
  return static_cast<float>(*d);
}

std::optional<std::int32_t> ParseIntField(std::string_view text) {
  std::string_view t = Trim(text);
  if (!t.empty() && t.front() == '+') {
    t.remove_prefix(1);
    if (!t.empty() && t.front() == '-') return std::nullopt;
  }
  if (t.empty()) return std::nullopt;
  std::int32_t value = 0;
  const auto result = std::from_chars(t.data(), t.data() + t.size(), value);
  if (result.ec != std::errc() || result.ptr != t.data() + t.size()) return std::nullopt;
  return value;
}

}  // namespace brivane
