// The cycle model's input: an axis and the segments of its duty cycle (docs/cycle-model.md), the
// checks that come before rating, and the form's move as a one-move cycle. Double precision,
// plain values, no Qt.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/CycleMessages.h"
#include "engine/Motion.h"

namespace brivane {

// The duty formula's g, so that a one-move horizontal cycle rates as the form's selection does.
inline constexpr double kCycleGravity = 9.8;
inline constexpr std::size_t kMaxCycleSegments = 10000;

struct CycleAxis {
  double inclinationDeg = 0.0;       // a positive move goes up when above 0
  double frictionCoefficient = 0.1;  // of the guide
  double dragForce = 0.0;            // N, against the motion while moving
  double extraMovingMass = 0.0;      // kg, besides the payload and the mover
  double counterbalanceForce = 0.0;  // N, toward the positive direction at all times
  double safetyFactor = 1.3;
};

enum class SegmentType { Move, Dwell };
// When a move's process force acts: the whole move, or only its constant-velocity phase.
enum class ForceDuring { Move, Constant };

struct CycleSegment {
  SegmentType type = SegmentType::Move;
  double distanceMm = 0.0;                      // move: signed
  double velocity = 0.0;                        // move: m/s
  double accel = 0.0;                           // move: m/s^2
  double decel = 0.0;                           // move: m/s^2 (the file's default is accel)
  double jerk = 0.0;                            // move: m/s^3; 0 is no jerk limit
  double timeMs = 0.0;                          // dwell
  double payload = 0.0;                         // kg
  double force = 0.0;                           // N, positive when it pushes toward the negative direction
  ForceDuring forceDuring = ForceDuring::Move;  // move only
};

// The drive the axis runs on. Each figure is a check when given; one not given is a check not made.
struct CycleDrive {
  std::optional<double> busVoltage;         // V DC
  std::optional<double> peakCurrent;        // Arms per phase, the drive's
  std::optional<double> continuousCurrent;  // Arms per phase, the drive's
};

struct Cycle {
  CycleAxis axis;
  CycleDrive drive;
  double ambient = 20.0;  // degC
  int ratedLimit = 70;    // percent, one of the form's list items
  int peakLimit = 80;
  std::vector<CycleSegment> segments;
};

// The first check the cycle fails, in the order docs/cycle-model.md gives; nothing when it can be
// rated. A value that is not a number fails its check.
std::optional<CycleMessage> ValidateCycle(const Cycle& cycle);
// The first of the drive's figures out of its range (above 0, at most 10000 V or Arms), for a
// figure given on the command line as much as in a file.
std::optional<CycleMessage> ValidateDrive(const CycleDrive& drive);
// Every check the cycle fails, in the same order (an editor marks each bad value): the segment
// count's, then every field of the axis and of each segment that is out of its range.
std::vector<CycleMessage> CycleRefusals(const Cycle& cycle);
// What the check of a field accepts, as its refusal says it ("0 < velocity ≤ 30 m/s"), by the
// field's key in the file; empty for a field that takes any finite number.
std::string_view CycleFieldRange(std::string_view key);
// Whether the check of the field with that key accepts the value: within its range, or any finite
// number for a field without one.
bool CycleFieldAccepts(std::string_view key, double value);

// The form's move as a cycle (the conversion of `brivane-cli cycle --from-move`): a horizontal
// axis with the move's friction and safety factor, one move of the stroke, then the dwell when it
// is above 0. Each float becomes the decimal it shows; the limits are percentages. The move is
// taken as given: check it with the form's checks first.
Cycle CycleFromMove(const MotionInput& move, int ratedLimit, int peakLimit, float ambientTemp);

}  // namespace brivane
