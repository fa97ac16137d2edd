// The worked examples every suite and the benchmark start from, written once.
#pragma once

#include "engine/Motion.h"
#include "engine/Selection.h"

namespace brivane::examples {

// 1 kg over 500 mm at 1 g and 1 m/s, no dwell, friction 0.1, safety factor 1.3: the selection
// finds CL-01, IC-03 and VC-01.
inline MotionInput FirstMove() {
  MotionInput in;
  in.loadMass = 1.0f;
  in.distanceMm = 500;
  in.accelMode = AccelMode::Gravity;
  in.accelValue = 1.0f;
  in.peakVelocity = 1.0f;
  return in;
}

// The same move as command-line options (set in tests/CMakeLists.txt, which the CMake scripts
// that run brivane-cli read too).
inline constexpr const char* kFirstMoveOptions = BRIVANE_FIRST_MOVE_OPTIONS;

// The first move with 200 kg: no single-sided motor fits.
inline MotionInput HeavyMove() {
  MotionInput in = FirstMove();
  in.loadMass = 200.0f;
  return in;
}

// The first move with the form's default limits, 70 % and 80 %.
inline SelectionRequest FirstSelectionRequest() {
  SelectionRequest r;
  r.input = FirstMove();
  return r;
}

// The record as the selection of the first move and the save button (or the data-sheet button)
// leave it: every series shows its selected model.
inline SelectionRecord FirstSelectionRecord() {
  SelectionRecord record;
  record.Apply(RunSelection(FirstSelectionRequest()));
  record.CopySelectedToShown();
  return record;
}

}  // namespace brivane::examples
