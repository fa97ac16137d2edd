#include "engine/MoveCycle.h"

#include "engine/Selection.h"

namespace brivane {

MoveCycle CycleOfMove(const MotionInput& move, const std::optional<int>& ratedPosition,
                      const std::optional<int>& peakPosition, std::string_view ambientText) {
  const SelectionStart start = StartSelection(move, ratedPosition, peakPosition);
  if (start.refusal) return {start.refusal, {}};
  return {std::nullopt,
          CycleFromMove(move, start.basis.ratedLimit, start.basis.peakLimit, ParseAmbientText(ambientText))};
}

}  // namespace brivane
