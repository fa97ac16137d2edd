// Everything the user enters or picks on the main form, as one plain value: what the form reads
// from its widgets and shows in them, and what a move file or a comparison takes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/DutyLimits.h"
#include "engine/Motion.h"

namespace brivane {

struct FormValues {
  MotionInput move;                                          // the seven inputs and the acceleration mode
  std::optional<int> ratedPosition = kDefaultRatedPosition;  // limit-list position 0..15;
  std::optional<int> peakPosition = kDefaultPeakPosition;    //   none: no item selected
  std::string ambient = "20";                                // the ambient-temperature text as typed
  std::string model;                                         // the text in "적용 Model"; may be empty
  std::array<bool, 3> show{true, true, true};                // the three show boxes, in series order
};

// The text a numeric input shows for its value: a real with six significant digits ("%g"), a
// whole number in decimal.
std::string FormFieldText(float value);
std::string FormFieldText(std::int32_t value);

// What a numeric input's text reads as. While the user has not edited it since it showed
// `shown` (its text is still FormFieldText(shown)), it reads as `shown` exactly: a file's
// 1.6695607, shown as "1.66956", stays 1.6695607. A text the user has edited reads as typed
// (ParseFloatField, ParseIntField), even when it is the same text: nothing when it is no number.
std::optional<float> ReadFormField(std::string_view text, float shown, bool edited);
std::optional<std::int32_t> ReadFormField(std::string_view text, std::int32_t shown, bool edited);

}  // namespace brivane
