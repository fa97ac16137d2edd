// A cycle's kinematics as a list of phases, built once per cycle and the same for every motor row
// (the profiles do not depend on the mass): what the rating, the drive's figures, the plots and the
// trace all work from. See docs/cycle-model.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/Cycle.h"

namespace brivane {

enum class Profile { Trapezoid, Triangle, SCurve, Dwell };

// "trapezoid", "triangle", "s-curve", "dwell".
std::string_view ProfileName(Profile profile);

// A stretch of constant jerk. Inside it the velocity keeps one sign, so the thrust of a row is
// linear in time there: F(tau) = m * (massFactor + jerk * tau) + constantForce + attractionFactor * F_att,
// with m the row's moving mass in this segment.
struct CyclePhase {
  double startTime = 0.0;      // s from the cycle's start
  double duration = 0.0;       // s, above 0
  double startPosition = 0.0;  // m from the cycle's start
  double startVelocity = 0.0;  // m/s, signed
  double startAccel = 0.0;     // m/s^2, signed
  double jerk = 0.0;           // m/s^3, signed
  double processForce = 0.0;   // N acting in this phase (0 when it does not act)
  double payload = 0.0;        // kg, the segment's
  // The thrust's parts that do not depend on the row: per kg of moving mass at both ends
  // (a + g sin(theta) + dir * mu * g cos(theta)), the rest (F_proc - F_cb + dir * F_drag), and
  // what multiplies the row's attraction force (dir * mu).
  double massFactorStart = 0.0;
  double massFactorEnd = 0.0;
  double constantForce = 0.0;
  double attractionFactor = 0.0;
  std::uint32_t segment = 0;   // index into the plan's segments (from 0)
  std::int8_t direction = 0;   // sign of the velocity inside the phase; 0 at rest
  bool getsExtraMass = false;  // the payload headroom adds to this segment's payload
};

struct SegmentPlan {
  Profile profile = Profile::Dwell;
  double startTime = 0.0;        // s
  double duration = 0.0;         // s
  double startPosition = 0.0;    // m
  double peakVelocity = 0.0;     // m/s reached (a magnitude); 0 for a dwell
  bool velocityLowered = false;  // a triangle or a lowered S-curve: the peak is below the segment's velocity
  bool constantPhase = false;    // a move with a constant-velocity phase of positive duration
  std::size_t firstPhase = 0;
  std::size_t phaseCount = 0;
  friend bool operator==(const SegmentPlan&, const SegmentPlan&) = default;
};

struct CyclePlan {
  CycleAxis axis;
  CycleDrive drive;
  double sinTheta = 0.0;
  double cosTheta = 1.0;
  double ambient = 20.0;
  int ratedLimit = 70;
  int peakLimit = 80;
  std::vector<SegmentPlan> segments;   // one per segment of the cycle
  std::vector<CyclePhase> phases;      // in time order, segment after segment
  double cycleTime = 0.0;              // s
  double netDisplacementMm = 0.0;      // 0 when the moves add up to zero within rounding
  std::vector<CycleMessage> warnings;  // in segment order, the not-returning warning last
};

// Builds the plan of a cycle that passed ValidateCycle into `plan`, reusing its buffers (a window
// re-planning on every keystroke allocates nothing once they are large enough).
void BuildCyclePlan(const Cycle& cycle, CyclePlan& plan);
CyclePlan BuildCyclePlan(const Cycle& cycle);

struct PhaseState {
  double position = 0.0;  // m
  double velocity = 0.0;  // m/s
  double accel = 0.0;     // m/s^2
};

// The kinematics tau seconds into a phase, from its start values and its jerk.
PhaseState StateAt(const CyclePhase& phase, double tau);

}  // namespace brivane
