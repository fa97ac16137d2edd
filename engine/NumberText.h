// Number <-> text conversions that never depend on the process locale. A Qt application adopts
// the user's locale, under which printf and strtod would switch to a decimal comma; every text the
// tool shows, writes or reads goes through here instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brivane {

// printf("%.*f", decimals, v) in the C locale.
std::string FormatFixed(double v, int decimals);
// printf("%.6g", v) in the C locale: six significant digits, no trailing zeros.
std::string FormatGeneral6(double v);
// The shortest decimal that reads back as the same single-precision value (std::to_chars).
std::string FormatShortest(float v);
// The shortest decimal that reads back as the same double-precision value.
std::string FormatShortestDouble(double v);

// atof in the C locale: the longest leading decimal number of the text, 0 when there is none.
double ParseLeadingNumber(std::string_view text);

// A whole field read as a float: blanks around the number are allowed, anything else is not.
// Empty text, a value that is not finite, and one that rounds to infinity in single precision
// give nothing.
std::optional<float> ParseFloatField(std::string_view text);
// A whole field read as a double, as ParseFloatField reads it before it rounds to single
// precision: the nearest double to the decimal text. Nothing for empty text or a value that is
// not finite.
std::optional<double> ParseDoubleField(std::string_view text);
// A whole field read as a 32-bit decimal integer, with the same rules.
std::optional<std::int32_t> ParseIntField(std::string_view text);

}  // namespace brivane
