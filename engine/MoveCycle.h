// The form's move as a one-move cycle, as the selection takes the move: refused where the
// selection refuses it (its checks, a limit not chosen), else CycleFromMove at the selection's
// limits and the ambient text as the form reads it. What `brivane-cli cycle --from-move` writes
// and what the axis window opens from the form.
#pragma once

#include <optional>
#include <string_view>

#include "engine/Cycle.h"
#include "engine/Messages.h"
#include "engine/Motion.h"

namespace brivane {

struct MoveCycle {
  std::optional<Message> refusal;
  Cycle cycle;  // when nothing is refused
};

MoveCycle CycleOfMove(const MotionInput& move, const std::optional<int>& ratedPosition,
                      const std::optional<int>& peakPosition, std::string_view ambientText);

}  // namespace brivane
