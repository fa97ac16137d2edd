// Everything the user enters or picks on the main form, as one plain value: what the form reads
// from its widgets and shows in them, and what a move file or a comparison takes.
#pragma once

#include <array>
#include <optional>
#include <string>

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

}  // namespace brivane
