// The number texts against the C library: formatting against snprintf, parsing against strtod
// and strtoll, for any value, precision and text. The process stays in the C locale, so the
// C library's answers are the ones the texts must have.
//
// Input: the first 8 bytes are the bits of a double (the first 4 also those of a float), the
// next 2 a precision; all of it is also the text to parse.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "engine/NumberText.h"
#include "fuzz/FuzzCheck.h"

namespace {

std::string Printf(const char* format, int precision, double v) {
  const int length = std::snprintf(nullptr, 0, format, precision, v);
  std::string out(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, precision, v);
  out.pop_back();
  return out;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view Stripped(std::string_view t) {
  while (!t.empty() && IsSpace(t.front())) t.remove_prefix(1);
  while (!t.empty() && IsSpace(t.back())) t.remove_suffix(1);
  return t;
}

bool SameFloat(float a, float b) { return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0; }

std::string Quoted(std::string_view text) { return "text \"" + std::string(text) + "\""; }

void CheckFormatting(const std::uint8_t* data, std::size_t size) {
  unsigned char bits[10] = {};
  std::memcpy(bits, data, size < sizeof bits ? size : sizeof bits);
  double v = 0;
  std::memcpy(&v, bits, sizeof v);
  float f = 0;
  std::memcpy(&f, bits, sizeof f);
  // Every precision a text can ask for, past the 1074 decimals of the smallest double, and
  // the negative ones printf takes as none.
  const int precision = (bits[8] | bits[9] << 8) % 1104 - 3;

  const std::string detail = "value " + Printf("%.*a", 13, v) + ", precision " + std::to_string(precision);
  FUZZ_CHECK(brivane::FormatFixed(v, precision) == Printf("%.*f", precision, v), detail);
  FUZZ_CHECK(brivane::FormatGeneral6(v) == Printf("%.*g", 6, v), detail);

  const std::string shortest = brivane::FormatShortest(f);
  FUZZ_CHECK(shortest.find('\0') == std::string::npos, shortest);
  FUZZ_CHECK(SameFloat(std::strtof(shortest.c_str(), nullptr), f), shortest);
  // The fields read back every finite float the program writes.
  if (std::isfinite(f)) {
    const std::optional<float> back = brivane::ParseFloatField(shortest);
    // The largest floats are written with digits above FLT_MAX ("3.4028235e+38"); whether a
    // field takes them back is decided by the field's range rule, checked below.
    if (std::fabs(f) < FLT_MAX) FUZZ_CHECK(back && SameFloat(*back, f), Quoted(shortest));
  }
}

void CheckParsing(std::string_view text) {
  const std::string copy(text);
  const bool hasNul = text.find('\0') != std::string_view::npos;

  // atof: the C library reads the text up to its first NUL.
  const double leading = brivane::ParseLeadingNumber(text);
  const double expected = std::strtod(copy.c_str(), nullptr);
  FUZZ_CHECK((std::isnan(leading) && std::isnan(expected)) || std::memcmp(&leading, &expected, sizeof leading) == 0,
             Quoted(text));

  // A float field: the whole text but surrounding blanks is one finite number in float range.
  const std::string inner(Stripped(text));
  char* end = nullptr;
  const double d = std::strtod(inner.c_str(), &end);
  const bool whole = !hasNul && !inner.empty() && end == inner.c_str() + inner.size();
  const std::optional<float> field = brivane::ParseFloatField(text);
  // The double field: strtod's value bit for bit (a plain decimal is read by from_chars instead).
  const std::optional<double> doubleField = brivane::ParseDoubleField(text);
  FUZZ_CHECK(whole && std::isfinite(d) ? doubleField && std::memcmp(&*doubleField, &d, sizeof d) == 0 : !doubleField,
             Quoted(text));
  if (!whole || !std::isfinite(d)) {
    FUZZ_CHECK(!field, Quoted(text));
  } else if (std::fabs(d) <= FLT_MAX) {
    FUZZ_CHECK(field && SameFloat(*field, static_cast<float>(d)), Quoted(text));
  } else if (std::isinf(static_cast<float>(d))) {
    FUZZ_CHECK(!field, Quoted(text));
  } else {
    // Above FLT_MAX but rounding to it: taken as FLT_MAX or refused, never anything else.
    FUZZ_CHECK(!field || std::fabs(*field) == FLT_MAX, Quoted(text));
  }

  // An int field: the same, with strtoll for the number and the 32-bit range.
  errno = 0;
  const long long n = std::strtoll(inner.c_str(), &end, 10);
  const bool wholeInt = !hasNul && !inner.empty() && end == inner.c_str() + inner.size() && errno == 0 &&
                        n >= INT32_MIN && n <= INT32_MAX;
  const std::optional<std::int32_t> integer = brivane::ParseIntField(text);
  FUZZ_CHECK(integer.has_value() == wholeInt, Quoted(text));
  if (integer) FUZZ_CHECK(*integer == n, Quoted(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckFormatting(data, size);
  CheckParsing(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
