#include "engine/AxisPlots.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brivane {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A phase whose position is a line in time (at rest or at constant velocity) is exact from its ends.
std::size_t StepsOf(const CyclePhase& p) { return p.startAccel == 0.0 && p.jerk == 0.0 ? 1 : kPlotStepsPerPhase; }

void Clear(CycleTimePlots& out) {
  out.position.clear();
  out.velocity.clear();
  out.thrust.clear();
  out.boundaries.clear();
}

// Whether the drive can give the point: its force within the peak force, and, with a bus, the
// voltage it needs within the bus.
bool Within(const ForceSpeedPlane& plane, const Winding& w, double velocity, double thrust) {
  if (std::fabs(thrust) > plane.peakForce) return false;
  return !plane.busVoltage || BusVoltageAt(w, velocity, thrust) <= *plane.busVoltage;
}

void PlotEnvelopes(const MotorRecord& row, double highestSpeed, ForceSpeedPlane& out) {
  out.peakEnvelope.clear();
  out.continuousEnvelope.clear();
  if (!out.busVoltage) {
    // The caps alone, flat to a little beyond the cycle's fastest point.
    out.topSpeed = highestSpeed > 0.0 ? highestSpeed * kCapsSpeedMargin : 1.0;
    for (const double v : {0.0, out.topSpeed}) {
      out.peakEnvelope.push_back({v, out.peakForce});
      out.continuousEnvelope.push_back({v, out.ratedForce});
    }
    return;
  }
  out.envelope.resize(kPlotEnvelopePoints);
  out.topSpeed = ForceSpeedEnvelope(row, *out.busVoltage, out.windingTemp, out.envelope).topSpeed;
  for (const EnvelopePoint& e : out.envelope) {
    out.peakEnvelope.push_back({e.speed, e.peakThrust});
    out.continuousEnvelope.push_back({e.speed, e.continuousThrust});
  }
}

// A step of 1, 2 or 5 times a power of ten near `x`: the next one up when `ceiling`, else the
// nearest.
double NiceNumber(double x, bool ceiling) {
  const double power = std::pow(10.0, std::floor(std::log10(x)));
  const double q = x / power;
  const double ceilings[] = {1.0, 2.0, 5.0};
  const double nearest[] = {1.5, 3.0, 7.0};
  const double nice[] = {1.0, 2.0, 5.0};
  for (std::size_t i = 0; i < 3; ++i)
    if (ceiling ? q <= ceilings[i] : q < nearest[i]) return nice[i] * power;
  return 10.0 * power;
}

}  // namespace

PlotScale NicePlotScale(double low, double high) {
  constexpr int kTicks = 5;
  if (!std::isfinite(low) || !std::isfinite(high)) return {};
  if (!(high > low)) {
    const double half = std::max(std::fabs(low) * 0.1, 0.5);
    low -= half;
    high += half;
  }
  const double step = NiceNumber(NiceNumber(high - low, true) / (kTicks - 1), false);
  const double first = std::floor(low / step);
  const double last = std::ceil(high / step);
  return {first * step, last * step, static_cast<int>(last - first) + 1};
}

void PlotCycleTimes(const CyclePlan& plan, const MotorRecord& row, CycleTimePlots& out) {
  Clear(out);
  for (const SegmentPlan& s : plan.segments) out.boundaries.push_back(s.startTime);
  out.boundaries.push_back(plan.cycleTime);
  for (const CyclePhase& p : plan.phases) {
    const ThrustLine f = PhaseThrust(plan, p, row);
    const std::size_t steps = StepsOf(p);
    for (std::size_t k = 0; k <= steps; ++k) {
      // The phase's own end, not a sum of steps, so that the next phase starts where this one ends.
      const double tau = k == steps ? p.duration : p.duration * static_cast<double>(k) / static_cast<double>(steps);
      const PhaseState s = StateAt(p, tau);
      const double t = p.startTime + tau;
      out.position.push_back({t, s.position * 1000.0});
      out.velocity.push_back({t, s.velocity});
      out.thrust.push_back({t, f.start + f.slope * tau});
    }
  }
}

double RmsSpeed(const CyclePlan& plan) {
  if (!(plan.cycleTime > 0.0)) return 0.0;
  // Gauss-Legendre with three points on [0, 1].
  const double h = std::sqrt(0.6) / 2.0;
  const double nodes[] = {0.5 - h, 0.5, 0.5 + h};
  const double weights[] = {5.0 / 18.0, 8.0 / 18.0, 5.0 / 18.0};
  double integral = 0.0;
  for (const CyclePhase& p : plan.phases) {
    double sum = 0.0;
    for (std::size_t i = 0; i < 3; ++i) {
      const double v = StateAt(p, nodes[i] * p.duration).velocity;
      sum += weights[i] * v * v;
    }
    integral += sum * p.duration;
  }
  return std::sqrt(integral / plan.cycleTime);
}

void PlotForceSpeed(const CyclePlan& plan, const MotorRecord& row, const CycleRowRating& rating,
                    const CycleTimePlots& times, ForceSpeedPlane& out) {
  out.busVoltage = plan.drive.busVoltage;
  out.windingTemp = rating.coilTemp;
  out.peakForce = static_cast<double>(row.peakForce);
  out.ratedForce = static_cast<double>(row.ratedForce);
  out.inside.clear();
  out.outside.clear();
  const Winding w = WindingOf(row, out.windingTemp);
  double highest = 0.0;
  for (std::size_t i = 0; i < times.velocity.size() && i < times.thrust.size(); ++i) {
    const double v = times.velocity[i].y;
    const double f = times.thrust[i].y;
    highest = std::max(highest, std::fabs(v));
    (Within(out, w, v, f) ? out.inside : out.outside).push_back({std::fabs(v), std::fabs(f)});
  }
  PlotEnvelopes(row, highest, out);
  out.rms = {RmsSpeed(plan), rating.rmsThrust};
  const double voltageLimit = out.busVoltage ? VoltageLimitedThrust(w, *out.busVoltage, out.rms.x) : kInfinity;
  out.rmsOutside = out.rms.y > std::min(voltageLimit, out.ratedForce);
}

CycleInstant CycleAt(const CyclePlan& plan, const MotorRecord& row, double time) {
  CycleInstant at;
  if (plan.phases.empty()) return at;
  at.time = std::clamp(time, 0.0, plan.cycleTime);
  // The last phase that starts at or before the instant.
  const auto next = std::upper_bound(plan.phases.begin(), plan.phases.end(), at.time,
                                     [](double t, const CyclePhase& p) { return t < p.startTime; });
  const CyclePhase& p = next == plan.phases.begin() ? plan.phases.front() : *(next - 1);
  const double tau = std::clamp(at.time - p.startTime, 0.0, p.duration);
  const PhaseState s = StateAt(p, tau);
  const ThrustLine f = PhaseThrust(plan, p, row);
  at.segment = p.segment;
  at.positionMm = s.position * 1000.0;
  at.velocity = s.velocity;
  at.thrust = f.start + f.slope * tau;
  return at;
}

}  // namespace brivane
