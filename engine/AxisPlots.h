// What the axis window plots of one motor row over a planned cycle: its position, velocity and
// thrust against time with the segments' boundaries, and the force-speed plane with the row's
// envelopes at the drive's bus voltage, the cycle's operating points, the points beyond the
// envelope and the RMS point. Computed into buffers the caller keeps, so that re-plotting on every
// keystroke allocates nothing once they are large enough. No Qt.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "engine/CyclePlan.h"
#include "engine/CycleRating.h"
#include "engine/Drive.h"

namespace brivane {

struct PlotPoint {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// Steps of a phase whose position or velocity bends (one with acceleration or jerk); a phase at
// constant velocity or at rest is drawn from its two ends, which is exact.
inline constexpr std::size_t kPlotStepsPerPhase = 12;
// Speeds of each envelope, from 0 to the top speed.
inline constexpr std::size_t kPlotEnvelopePoints = 101;
// Without a bus voltage the caps are drawn to this multiple of the cycle's highest speed.
inline constexpr double kCapsSpeedMargin = 1.2;

struct CycleTimePlots {
  // Sampled at the same instants, in time order: each phase from its start to its end, so that
  // where the thrust jumps (a trapezoid's corners) both of its values stand at that instant.
  std::vector<PlotPoint> position;  // (s, mm)
  std::vector<PlotPoint> velocity;  // (s, m/s)
  std::vector<PlotPoint> thrust;    // (s, N)
  std::vector<double> boundaries;   // s: each segment's start, then the cycle time
};

void PlotCycleTimes(const CyclePlan& plan, const MotorRecord& row, CycleTimePlots& out);

struct ForceSpeedPlane {
  std::optional<double> busVoltage;           // none: no voltage limit, the envelopes are the force caps
  double windingTemp = 0.0;                   // degC: the row's coil temperature for the cycle
  double peakForce = 0.0;                     // N
  double ratedForce = 0.0;                    // N
  double topSpeed = 0.0;                      // m/s where the envelopes end
  std::vector<PlotPoint> peakEnvelope;        // (m/s, N)
  std::vector<PlotPoint> continuousEnvelope;  // (m/s, N)
  std::vector<EnvelopePoint> envelope;        // the drive's envelope the two are drawn from
  // The operating points (|v|, |F|) of the time plots' instants: within the drive (the bus voltage
  // the point needs is at most the bus, its force at most the peak force), or beyond it. A braking
  // point needs less voltage than a motoring one of the same force, so it may stand above the
  // (motoring) envelope and still be within.
  std::vector<PlotPoint> inside;
  std::vector<PlotPoint> outside;
  PlotPoint rms;            // (RMS speed over the cycle, RMS thrust)
  bool rmsOutside = false;  // above the continuous envelope at that speed
};

// From the row's rating for the plan (its coil temperature and RMS thrust) and its time plots.
void PlotForceSpeed(const CyclePlan& plan, const MotorRecord& row, const CycleRowRating& rating,
                    const CycleTimePlots& times, ForceSpeedPlane& out);

// The RMS of the velocity over the cycle, m/s, exact per phase (the velocity is a polynomial of
// degree 2 in each, so three Gauss points integrate its square exactly).
double RmsSpeed(const CyclePlan& plan);

// A plot axis's scale: whole steps of 1, 2 or 5 times a power of ten around the data, about five
// ticks. A flat run of data gets a unit around its value.
struct PlotScale {
  double low = 0.0;
  double high = 1.0;
  int ticks = 2;
  friend bool operator==(const PlotScale&, const PlotScale&) = default;
};
PlotScale NicePlotScale(double low, double high);

// The row at one instant of the cycle (clamped to the cycle), as a hover over the plots reads it.
struct CycleInstant {
  std::size_t segment = 0;  // from 0
  double time = 0.0;        // s
  double positionMm = 0.0;
  double velocity = 0.0;  // m/s
  double thrust = 0.0;    // N
};
CycleInstant CycleAt(const CyclePlan& plan, const MotorRecord& row, double time);

}  // namespace brivane
