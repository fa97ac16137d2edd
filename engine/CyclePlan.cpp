#include "engine/CyclePlan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brivane {
namespace {

// One ramp between rest and the velocity w at the limit c (an acceleration or a deceleration
// magnitude), with jerk j, or without a jerk limit when j is 0.
struct Ramp {
  double jerkTime = 0.0;   // each of the two jerk phases; 0 without a jerk limit
  double holdTime = 0.0;   // at the peak acceleration
  double peakAccel = 0.0;  // reached: c, or sqrt(w j) when c is not reached

  double Duration() const { return (jerkTime + jerkTime) + holdTime; }
};

Ramp RampTo(double w, double c, double j) {
  if (j == 0.0) return {0.0, w / c, c};
  if (w * j >= c * c) return {c / j, std::max(0.0, w / c - c / j), c};
  const double t = std::sqrt(w / j);
  return {t, 0.0, j * t};
}

// The distance of both ramps at the velocity w: each ramp's velocity curve is point-symmetric,
// so it covers w times half its duration.
double RampsDistance(double w, double a, double d, double j) {
  return w / 2.0 * (RampTo(w, a, j).Duration() + RampTo(w, d, j).Duration());
}

// The peak velocity w of a move that cannot reach its velocity: both ramps cover exactly L.
double LoweredPeak(double L, double a, double d, double j) {
  if (j == 0.0) return std::sqrt(2.0 * L * a * d / (a + d));
  const double c = std::min(a, d);
  const double e = std::max(a, d);
  const double low = c * c / j;   // from here on the smaller limit is reached
  const double high = e * e / j;  // from here on both are
  if (RampsDistance(low, a, d, j) >= L) {
    // Neither limit reached: L = 2 w^(3/2) / sqrt(j).
    const double r = std::cbrt(L * std::sqrt(j) / 2.0);
    return r * r;
  }
  if (RampsDistance(high, a, d, j) <= L) {
    // Both reached: alpha w^2 + beta w = L, solved without cancellation.
    const double alpha = (1.0 / a + 1.0 / d) / 2.0;
    const double beta = (a + d) / (2.0 * j);
    return 2.0 * L / (beta + std::sqrt(beta * beta + 4.0 * alpha * L));
  }
  // Only the smaller limit c reached: with u = sqrt(w), L = u^4/(2c) + u^3/sqrt(j) + u^2 c/(2j),
  // convex and rising in u, so Newton's method from above comes down to the root monotonically;
  // it stops where rounding stops it from going further down.
  const double sj = std::sqrt(j);
  double u = std::sqrt(high);
  for (int i = 0; i < 100; ++i) {
    const double u2 = u * u;
    const double f = u2 * u2 / (2.0 * c) + u2 * u / sj + u2 * c / (2.0 * j) - L;
    const double df = 2.0 * u2 * u / c + 3.0 * u2 / sj + u * c / j;
    const double next = u - f / df;
    if (!(next < u)) break;
    u = next;
  }
  return u * u;
}

// One stretch of a move, in magnitudes along the move's direction.
struct Piece {
  double duration;
  double accelStart;
  double accelEnd;
  double jerk;
  bool constant;  // the constant-velocity phase
};

// sin and cos of an angle in degrees within -90..90, exact at 0 and +-90.
double SinDeg(double deg) { return std::copysign(std::sin(std::fabs(deg) * std::numbers::pi / 180.0), deg); }
double CosDeg(double deg) { return std::sin((90.0 - std::fabs(deg)) * std::numbers::pi / 180.0); }

class Planner {
 public:
  explicit Planner(CyclePlan& plan) : plan_(plan) {}

  void AddDwell(const CycleSegment& s, std::uint32_t index, bool extra) {
    SegmentPlan& sp = StartSegment(Profile::Dwell);
    CyclePhase p = NewPhase(index, 0, s, extra);
    p.duration = s.timeMs / 1000.0;
    p.processForce = s.force;
    Finish(p, 0.0);
    sp.duration = p.duration;
    sp.phaseCount = 1;
  }

  void AddMove(const CycleSegment& s, std::uint32_t index, bool extra) {
    const double L = std::fabs(s.distanceMm) / 1000.0;
    const double v = s.velocity;
    const double a = s.accel;
    const double d = s.decel;
    const double j = s.jerk;
    double peak = v;
    double cruise = 0.0;
    const double reach = RampsDistance(v, a, d, j);
    if (reach <= L) {
      cruise = (L - reach) / v;
    } else {
      peak = std::min(LoweredPeak(L, a, d, j), v);
    }
    const Ramp up = RampTo(peak, a, j);
    const Ramp down = RampTo(peak, d, j);
    const Profile profile = j > 0.0 ? Profile::SCurve : peak < v ? Profile::Triangle : Profile::Trapezoid;

    SegmentPlan& sp = StartSegment(profile);
    sp.peakVelocity = peak;
    sp.velocityLowered = peak < v;
    sp.constantPhase = cruise > 0.0;

    const double ap = up.peakAccel;
    const double dp = down.peakAccel;
    const Piece pieces[] = {
        {up.jerkTime, 0.0, ap, j, false},     {up.holdTime, ap, ap, 0.0, false},
        {up.jerkTime, ap, 0.0, -j, false},    {cruise, 0.0, 0.0, 0.0, true},
        {down.jerkTime, 0.0, -dp, -j, false}, {down.holdTime, -dp, -dp, 0.0, false},
        {down.jerkTime, -dp, 0.0, j, false},
    };
    const double dir = s.distanceMm > 0.0 ? 1.0 : -1.0;
    const double start = position_;
    double velocity = 0.0;
    double position = start;
    std::size_t count = 0;
    for (std::size_t k = 0; k < std::size(pieces); ++k) {
      const Piece& piece = pieces[k];
      // From the constant-velocity phase on, the velocity is the peak, not what summing the
      // ramp's pieces left of it.
      if (k == 3) velocity = dir * peak;
      if (!(piece.duration > 0.0)) continue;
      CyclePhase p = NewPhase(index, dir > 0.0 ? 1 : -1, s, extra);
      p.duration = piece.duration;
      p.startPosition = position;
      p.startVelocity = velocity;
      p.startAccel = dir * piece.accelStart;
      p.jerk = dir * piece.jerk;
      p.processForce = s.forceDuring == ForceDuring::Move || piece.constant ? s.force : 0.0;
      const PhaseState end = StateAt(p, p.duration);
      velocity = end.velocity;
      position = end.position;
      Finish(p, dir * piece.accelEnd);
      sp.duration += piece.duration;
      ++count;
    }
    sp.phaseCount = count;
    // The next segment starts where this one was asked to end, so rounding does not add up over
    // the segments of a long cycle.
    position_ = start + s.distanceMm / 1000.0;
  }

  double Position() const { return position_; }

 private:
  SegmentPlan& StartSegment(Profile profile) {
    SegmentPlan& sp = plan_.segments.emplace_back();
    sp.profile = profile;
    sp.startTime = time_;
    sp.startPosition = position_;
    sp.firstPhase = plan_.phases.size();
    return sp;
  }

  CyclePhase NewPhase(std::uint32_t index, std::int8_t direction, const CycleSegment& s, bool extra) const {
    CyclePhase p;
    p.segment = index;
    p.direction = direction;
    p.payload = s.payload;
    p.getsExtraMass = extra;
    p.startTime = time_;
    p.startPosition = position_;
    return p;
  }

  // Fills in the thrust's row-independent parts and appends the phase.
  void Finish(CyclePhase& p, double endAccel) {
    const CycleAxis& axis = plan_.axis;
    const double dir = p.direction;
    const double perKg =
        kCycleGravity * plan_.sinTheta + dir * axis.frictionCoefficient * kCycleGravity * plan_.cosTheta;
    p.massFactorStart = p.startAccel + perKg;
    p.massFactorEnd = endAccel + perKg;
    p.constantForce = p.processForce - axis.counterbalanceForce + dir * axis.dragForce;
    p.attractionFactor = dir * axis.frictionCoefficient;
    plan_.phases.push_back(p);
    time_ += p.duration;
  }

  CyclePlan& plan_;
  double time_ = 0.0;
  double position_ = 0.0;
};

}  // namespace

std::string_view ProfileName(Profile profile) {
  switch (profile) {
    case Profile::Trapezoid: return "trapezoid";
    case Profile::Triangle: return "triangle";
    case Profile::SCurve: return "s-curve";
    case Profile::Dwell: return "dwell";
  }
  return "dwell";
}

PhaseState StateAt(const CyclePhase& p, double tau) {
  const double t2 = tau * tau;
  PhaseState s;
  s.accel = p.startAccel + p.jerk * tau;
  s.velocity = p.startVelocity + p.startAccel * tau + p.jerk * t2 / 2.0;
  s.position = p.startPosition + p.startVelocity * tau + p.startAccel * t2 / 2.0 + p.jerk * t2 * tau / 6.0;
  return s;
}

void BuildCyclePlan(const Cycle& cycle, CyclePlan& plan) {
  plan.axis = cycle.axis;
  plan.drive = cycle.drive;
  plan.sinTheta = SinDeg(cycle.axis.inclinationDeg);
  plan.cosTheta = CosDeg(cycle.axis.inclinationDeg);
  plan.ambient = cycle.ambient;
  plan.ratedLimit = cycle.ratedLimit;
  plan.peakLimit = cycle.peakLimit;
  plan.segments.clear();
  plan.phases.clear();
  plan.warnings.clear();

  // The payload headroom goes to the loaded segments, or to all when none is loaded.
  const bool noneLoaded =
      std::none_of(cycle.segments.begin(), cycle.segments.end(), [](const CycleSegment& s) { return s.payload > 0.0; });
  double net = 0.0;
  double travel = 0.0;
  Planner planner(plan);
  for (std::size_t i = 0; i < cycle.segments.size(); ++i) {
    const CycleSegment& s = cycle.segments[i];
    const bool extra = noneLoaded || s.payload > 0.0;
    const auto index = static_cast<std::uint32_t>(i);
    if (s.type == SegmentType::Dwell) {
      planner.AddDwell(s, index, extra);
      continue;
    }
    planner.AddMove(s, index, extra);
    net += s.distanceMm;
    travel += std::fabs(s.distanceMm);
    if (s.forceDuring == ForceDuring::Constant && s.force != 0.0 && !plan.segments.back().constantPhase)
      plan.warnings.push_back({CycleMessageCode::ForceNeverActs, i + 1, "force", s.force, {}});
  }
  plan.cycleTime = 0.0;
  for (const SegmentPlan& sp : plan.segments) plan.cycleTime += sp.duration;
  // Decimal distances such as 0.1 + 0.2 - 0.3 do not add up to 0 in binary; a cycle that returns
  // within rounding returns.
  plan.netDisplacementMm = std::fabs(net) <= 1e-12 * travel ? 0.0 : net;
  if (plan.netDisplacementMm != 0.0)
    plan.warnings.push_back({CycleMessageCode::NotReturning, 0, {}, plan.netDisplacementMm, {}});
}

CyclePlan BuildCyclePlan(const Cycle& cycle) {
  CyclePlan plan;
  BuildCyclePlan(cycle, plan);
  return plan;
}

}  // namespace brivane
