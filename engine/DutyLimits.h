// The two duty-limit lists of the form: position i (0..15) means 25 + 5 i percent.
#pragma once

#include <optional>
#include <string_view>

namespace brivane {

inline constexpr int kLimitPositions = 16;
inline constexpr int kDefaultRatedPosition = 9;  // 70 %
inline constexpr int kDefaultPeakPosition = 11;  // 80 %

constexpr int LimitFromPosition(int position) { return 25 + 5 * position; }

// The position of a percentage in the lists, or none when the lists do not hold it.
constexpr std::optional<int> PositionFromLimit(int percent) {
  if (percent < 25 || percent > 100 || (percent - 25) % 5 != 0) return std::nullopt;
  return (percent - 25) / 5;
}

// The position of a limit typed as the lists show it or more loosely: a whole percentage with
// or without the percent sign, blanks around either ("30", "30%", " 30 %"). None for any other
// text, or a percentage the lists do not hold.
constexpr std::optional<int> PositionFromLimitText(std::string_view text) {
  const auto trim = [](std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
  };
  std::string_view digits = trim(text);
  if (!digits.empty() && digits.back() == '%') digits = trim(digits.substr(0, digits.size() - 1));
  // Three digits cover every item; more could only be leading zeros or overflow.
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int percent = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    percent = percent * 10 + (c - '0');
  }
  return PositionFromLimit(percent);
}

}  // namespace brivane
