// Motor rows rated for a planned cycle: thrusts in closed form per phase, duty ratios against the
// cycle's limits, the coil temperature, per-segment thrusts, the payload headroom, and samples of
// one row over the cycle (docs/cycle-model.md). Rows are any span of MotorRecords (the built-in
// catalog's or more); results are by position in that span.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "engine/CyclePlan.h"

namespace brivane {

// The payload headroom's step and cap, kg.
inline constexpr double kCycleHeadroomStepKg = 0.01;
inline constexpr double kCycleHeadroomCapKg = 3000.0;

struct SegmentThrust {
  double rmsThrust = 0.0;   // N, over the segment's own duration
  double peakThrust = 0.0;  // N
};

struct CycleRowRating {
  std::size_t position = 0;  // of the row in the span rated
  double rmsThrust = 0.0;    // N
  double peakThrust = 0.0;   // N, the largest |F|
  double ratedDuty = 0.0;    // percent
  double peakDuty = 0.0;     // percent, with the safety factor
  double ratedMargin = 0.0;  // limit minus duty, percent points
  double peakMargin = 0.0;
  double coilTemp = 0.0;    // degC
  bool fits = false;        // both ratios strictly under their limits
  bool coolEnough = false;  // coil temperature at or below 90 degC
  // The largest extra payload, a whole number of steps up to the cap, with which the row still
  // fits; none when it does not fit as given (or when the headroom was not asked for).
  std::optional<double> headroomKg;
};

struct CycleRatings {
  std::vector<CycleRowRating> rows;           // one per row, in the span's order
  std::vector<SegmentThrust> segmentThrusts;  // rows.size() x segmentCount, row after row
  std::size_t segmentCount = 0;

  std::span<const SegmentThrust> SegmentsOf(std::size_t row) const {
    return std::span<const SegmentThrust>(segmentThrusts).subspan(row * segmentCount, segmentCount);
  }
};

// Rates every row into `out`, reusing its buffers.
void RateCycle(const CyclePlan& plan, std::span<const MotorRecord> rows, bool withHeadroom, CycleRatings& out);

// One row with `extraMassKg` added to the payload of the segments that get the headroom's extra
// mass; exactly as the cycle whose payloads carry it is rated. `perSegment` is empty or holds one
// entry per segment. The headroom is not computed here.
CycleRowRating RateCycleRow(const CyclePlan& plan, const MotorRecord& row, double extraMassKg,
                            std::span<SegmentThrust> perSegment = {});

// The payload headroom of one row; none when it does not fit as given.
std::optional<double> CycleHeadroom(const CyclePlan& plan, const MotorRecord& row);

// A row's thrust in one phase: F(tau) = start + slope * tau for tau in [0, duration].
struct ThrustLine {
  double start = 0.0;  // N
  double slope = 0.0;  // N/s
};
ThrustLine PhaseThrust(const CyclePlan& plan, const CyclePhase& phase, const MotorRecord& row,
                       double extraMassKg = 0.0);

struct CycleSample {
  double time = 0.0;        // s
  double positionMm = 0.0;  // from the cycle's start
  double velocity = 0.0;    // m/s
  double accel = 0.0;       // m/s^2
  double thrust = 0.0;      // N
  std::int8_t direction = 0;  // sign of the velocity in the sample's phase; 0 at rest
};

// How many samples SampleCycle gives for a step of `stepMs` (above 0): 0, step, 2 step, ... while
// below the cycle time, and the cycle time itself.
std::size_t CycleSampleCount(const CyclePlan& plan, double stepMs);

// Calls `sink` with each sample in time order. A sample where one phase ends and the next begins
// belongs to the one that begins; the last, at the cycle time, to the last phase.
void SampleCycle(const CyclePlan& plan, const MotorRecord& row, double stepMs,
                 const std::function<void(const CycleSample&)>& sink);

}  // namespace brivane
