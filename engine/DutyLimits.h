// The two duty-limit lists of the form: position i (0..15) means 25 + 5 i percent.
#pragma once

#include <optional>

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

}  // namespace brivane
