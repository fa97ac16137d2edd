#include "engine/CycleRating.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Comparison.h"

namespace brivane {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int kHeadroomSteps = 300000;  // the cap in steps

double StepMass(int step) { return static_cast<double>(step) / 100.0; }

// A row's constants for the thrust.
struct RowLoad {
  double mover;       // kg
  double attraction;  // N
  double extraAxis;   // kg, the axis's extra moving mass
};

RowLoad LoadOf(const CyclePlan& plan, const MotorRecord& row) {
  return {static_cast<double>(row.moverMass), static_cast<double>(row.attractionForce), plan.axis.extraMovingMass};
}

// The moving mass in a phase, summed as the model states it: payload, mover, extra moving mass.
double MovingMass(const CyclePhase& p, const RowLoad& load, double extra) {
  return ((p.payload + (p.getsExtraMass ? extra : 0.0)) + load.mover) + load.extraAxis;
}

// The thrust at a phase's two ends.
struct Ends {
  double start;
  double end;
};
Ends ThrustEnds(const CyclePhase& p, const RowLoad& load, double m) {
  const double rest = p.constantForce + p.attractionFactor * load.attraction;
  return {m * p.massFactorStart + rest, m * p.massFactorEnd + rest};
}

// The integral of the square of a line from f0 to f1 over a duration: exact, and never negative.
double SquareIntegral(double duration, double f0, double f1) { return duration / 3.0 * (f0 * f0 + f0 * f1 + f1 * f1); }

struct Totals {
  double integral = 0.0;  // of F^2 over the cycle, N^2 s
  double peak = 0.0;      // N
};

// The one pass over the phases that every rating makes.
Totals Integrate(const CyclePlan& plan, const RowLoad& load, double extra, std::span<SegmentThrust> perSegment) {
  Totals t;
  for (std::size_t s = 0; s < plan.segments.size(); ++s) {
    const SegmentPlan& sp = plan.segments[s];
    double integral = 0.0;
    double peak = 0.0;
    for (std::size_t k = sp.firstPhase; k < sp.firstPhase + sp.phaseCount; ++k) {
      const CyclePhase& p = plan.phases[k];
      const Ends f = ThrustEnds(p, load, MovingMass(p, load, extra));
      integral += SquareIntegral(p.duration, f.start, f.end);
      peak = std::max({peak, std::fabs(f.start), std::fabs(f.end)});
    }
    t.integral += integral;
    t.peak = std::max(t.peak, peak);
    if (!perSegment.empty()) perSegment[s] = {std::sqrt(integral / sp.duration), peak};
  }
  return t;
}

CycleRowRating Rated(const CyclePlan& plan, const MotorRecord& row, const Totals& t) {
  CycleRowRating r;
  const auto fr = static_cast<double>(row.ratedForce);
  const auto fp = static_cast<double>(row.peakForce);
  r.rmsThrust = std::sqrt(t.integral / plan.cycleTime);
  r.peakThrust = t.peak;
  r.ratedDuty = r.rmsThrust / fr * 100.0;
  r.peakDuty = plan.axis.safetyFactor * r.peakThrust / fp * 100.0;
  r.ratedMargin = plan.ratedLimit - r.ratedDuty;
  r.peakMargin = plan.peakLimit - r.peakDuty;
  // Written so that a ratio that is not a number does not fit.
  r.fits = r.ratedDuty < plan.ratedLimit && r.peakDuty < plan.peakLimit;
  const double ratio = r.rmsThrust / ((static_cast<double>(row.motorConstant) * fr) / fp);
  r.coilTemp = ratio * ratio * static_cast<double>(row.thermalCoefficient) + plan.ambient;
  r.coolEnough = r.coilTemp <= static_cast<double>(kMaxCoilTempC);
  return r;
}

// The upper end of the extra masses x >= 0 that fit, from the thrust being affine in x:
// F = A + x B at every phase end, so the integral of F^2 is q0 + q1 x + q2 x^2 (q2 >= 0) and the
// peak is the largest |A + x B|; each limit holds on an interval that contains 0 when the row
// fits as given (docs/cycle-model.md). Nothing when the arithmetic gives no number.
std::optional<double> FittingExtraBound(const CyclePlan& plan, const MotorRecord& row) {
  const RowLoad load = LoadOf(plan, row);
  const double peakBound = plan.peakLimit * static_cast<double>(row.peakForce) / (100.0 * plan.axis.safetyFactor);
  const auto upper = [peakBound](double a, double b) {
    if (b > 0.0) return (peakBound - a) / b;
    if (b < 0.0) return (peakBound + a) / -b;
    return kInfinity;
  };
  double q0 = 0.0;
  double q1 = 0.0;
  double q2 = 0.0;
  double bound = kInfinity;
  for (const CyclePhase& p : plan.phases) {
    const Ends a = ThrustEnds(p, load, MovingMass(p, load, 0.0));
    const double b0 = p.getsExtraMass ? p.massFactorStart : 0.0;
    const double b1 = p.getsExtraMass ? p.massFactorEnd : 0.0;
    const double w = p.duration / 3.0;
    q0 += w * (a.start * a.start + a.start * a.end + a.end * a.end);
    q1 += w * (2.0 * a.start * b0 + a.start * b1 + a.end * b0 + 2.0 * a.end * b1);
    q2 += w * (b0 * b0 + b0 * b1 + b1 * b1);
    bound = std::min({bound, upper(a.start, b0), upper(a.end, b1)});
  }
  const double rms = plan.ratedLimit / 100.0 * static_cast<double>(row.ratedForce);
  const double c = q0 - rms * rms * plan.cycleTime;  // below 0 when the row fits as given
  double rated = kInfinity;
  if (q2 > 0.0) {
    // The larger root of q2 x^2 + q1 x + c, in the form that does not cancel.
    const double root = std::sqrt(q1 * q1 - 4.0 * q2 * c);
    rated = q1 >= 0.0 ? -2.0 * c / (q1 + root) : (root - q1) / (2.0 * q2);
  } else if (q1 > 0.0) {
    rated = -c / q1;
  }
  const double x = std::min(bound, rated);
  if (std::isnan(x)) return std::nullopt;
  return x;
}

}  // namespace

CycleRowRating RateCycleRow(const CyclePlan& plan, const MotorRecord& row, double extraMassKg,
                            std::span<SegmentThrust> perSegment) {
  return Rated(plan, row, Integrate(plan, LoadOf(plan, row), extraMassKg, perSegment));
}

// The closed form gives the step within rounding; the steps it names are then rated as the cycle
// with that payload would be, keeping "lo fits, hi does not", so the answer fits and one step more
// does not whatever the rounding does at the boundary. The fitting masses form an interval, so a
// bisection finishes whatever a guess leaves open.
std::optional<double> CycleHeadroom(const CyclePlan& plan, const MotorRecord& row) {
  const RowLoad load = LoadOf(plan, row);
  const auto fits = [&](int step) { return Rated(plan, row, Integrate(plan, load, StepMass(step), {})).fits; };
  if (!fits(0)) return std::nullopt;
  int lo = 0;
  int hi = kHeadroomSteps + 1;  // beyond the cap: never taken
  const std::optional<double> bound = FittingExtraBound(plan, row);
  if (bound) {
    const double steps = std::floor(*bound * 100.0);
    const int guess = steps >= kHeadroomSteps ? kHeadroomSteps : steps <= 0.0 ? 0 : static_cast<int>(steps);
    if (guess > lo) (fits(guess) ? lo : hi) = guess;
    // Its neighbour on the open side closes the bracket when the guess was right.
    if (lo == guess && lo + 1 < hi) {
      (fits(lo + 1) ? lo : hi) = lo + 1;
    } else if (hi == guess && hi - 1 > lo) {
      (fits(hi - 1) ? lo : hi) = hi - 1;
    }
  }
  while (hi - lo > 1) {
    const int mid = lo + (hi - lo) / 2;
    (fits(mid) ? lo : hi) = mid;
  }
  return StepMass(lo);
}

void RateCycle(const CyclePlan& plan, std::span<const MotorRecord> rows, bool withHeadroom, CycleRatings& out) {
  const std::size_t n = plan.segments.size();
  out.segmentCount = n;
  out.rows.resize(rows.size());
  out.segmentThrusts.resize(rows.size() * n);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    CycleRowRating& r = out.rows[i];
    r = RateCycleRow(plan, rows[i], 0.0, std::span<SegmentThrust>(out.segmentThrusts).subspan(i * n, n));
    r.position = i;
    if (withHeadroom && r.fits) r.headroomKg = CycleHeadroom(plan, rows[i]);
  }
}

ThrustLine PhaseThrust(const CyclePlan& plan, const CyclePhase& phase, const MotorRecord& row, double extraMassKg) {
  const RowLoad load = LoadOf(plan, row);
  const double m = MovingMass(phase, load, extraMassKg);
  return {ThrustEnds(phase, load, m).start, m * phase.jerk};
}

std::size_t CycleSampleCount(const CyclePlan& plan, double stepMs) {
  // Samples k with k step < the cycle time, and the cycle time itself.
  const double below = std::ceil(plan.cycleTime * 1000.0 / stepMs);
  // Beyond any count a caller could take (and beyond what a size holds exactly).
  if (!(below < 1e15)) return std::numeric_limits<std::size_t>::max();
  std::size_t k = below > 0.0 ? static_cast<std::size_t>(below) : 0;
  while (k > 0 && static_cast<double>(k - 1) * stepMs / 1000.0 >= plan.cycleTime) --k;
  while (static_cast<double>(k) * stepMs / 1000.0 < plan.cycleTime) ++k;
  return k + 1;
}

void SampleCycle(const CyclePlan& plan, const MotorRecord& row, double stepMs,
                 const std::function<void(const CycleSample&)>& sink) {
  if (plan.phases.empty()) return;
  const auto emit = [&](const CyclePhase& p, double t, double tau) {
    const PhaseState s = StateAt(p, tau);
    const ThrustLine f = PhaseThrust(plan, p, row);
    sink({t, s.position * 1000.0, s.velocity, s.accel, f.start + f.slope * tau, p.direction});
  };
  std::size_t i = 0;
  for (std::size_t k = 0;; ++k) {
    // k step in ms first: whole steps of a decimal step land on decimal times.
    const double t = static_cast<double>(k) * stepMs / 1000.0;
    if (!(t < plan.cycleTime)) break;
    while (i + 1 < plan.phases.size() && plan.phases[i + 1].startTime <= t) ++i;
    emit(plan.phases[i], t, t - plan.phases[i].startTime);
  }
  const CyclePhase& last = plan.phases.back();
  emit(last, plan.cycleTime, last.duration);
}

}  // namespace brivane
