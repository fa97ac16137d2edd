#include "engine/CycleDrive.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/Drive.h"

namespace brivane {
namespace {

// A row in one phase: thrust F(tau) = f0 + k tau, velocity v(tau) = v0 + a0 tau + j tau^2 / 2, for
// tau in [0, duration]; the velocity keeps the sign `direction` inside (0 at rest).
struct PhaseMotion {
  double duration;
  double f0, k;
  double v0, a0, j;
  int direction;

  double Thrust(double tau) const { return f0 + k * tau; }
  double Velocity(double tau) const { return v0 + a0 * tau + j * tau * tau / 2.0; }
};

PhaseMotion MotionOf(const CyclePlan& plan, const CyclePhase& p, const MotorRecord& row) {
  const ThrustLine f = PhaseThrust(plan, p, row);
  return {p.duration, f.start, f.slope, p.startVelocity, p.startAccel, p.jerk, p.direction};
}

// The row's winding with the products every phase uses, so that the hot loops do not divide.
struct RowDrive {
  Winding w;
  double perNewton;  // 1 / Kf, Arms per N
  double inPhase;    // R/2 / Kf: the resistive drop per N
  double across;     // (pi / pole pitch) L/2 / Kf: the inductive drop per N and m/s
  double copper;     // 1.5 R_hot / Kf^2: the copper loss per N^2
};

RowDrive RowDriveOf(const MotorRecord& row, double coilTemp) {
  RowDrive r;
  r.w = WindingOf(row, coilTemp);
  r.perNewton = 1.0 / r.w.forceConstant;
  r.inPhase = r.w.phaseResistance * r.perNewton;
  r.across = r.w.radPerMetre * r.w.phaseInductance * r.perNewton;
  r.copper = 3.0 * r.w.phaseResistance * r.perNewton * r.perNewton;
  return r;
}

// The square of the phase voltage at tau: the speed is the velocity along the phase's direction,
// the signed current the thrust along it (at rest, the current itself; its square is the same
// at a moving phase's ends where the speed is 0). The same arithmetic as BusVoltageAt, so that a
// maximum at a phase end is what that gives for the instant.
double VoltageSquaredAt(const RowDrive& r, const PhaseMotion& m, double tau) {
  const double thrust = m.Thrust(tau);
  if (m.direction == 0) return PhaseVoltageSquared(r.w, 0.0, std::fabs(thrust) / r.w.forceConstant);
  const double speed = std::fabs(m.Velocity(tau));
  return PhaseVoltageSquared(r.w, speed, m.direction * thrust / r.w.forceConstant);
}

// ---- The largest voltage inside a phase with jerk

constexpr int kMaxHalvings = 40;
constexpr std::size_t kDegree = 6;
using Bernstein = std::array<double, kDegree + 1>;

// The coefficient of s^k in the Bernstein coefficient b_i of a polynomial of degree 6 on [0, 1]:
// C(i, k) / C(6, k) for k <= i.
constexpr std::array<std::array<double, kDegree + 1>, kDegree + 1> PowerToBernstein() {
  std::array<std::array<double, kDegree + 1>, kDegree + 1> m{};
  const auto choose = [](std::size_t n, std::size_t k) {
    double c = 1.0;
    for (std::size_t i = 0; i < k; ++i) c = c * static_cast<double>(n - i) / static_cast<double>(i + 1);
    return c;
  };
  for (std::size_t i = 0; i <= kDegree; ++i)
    for (std::size_t k = 0; k <= i; ++k) m[i][k] = choose(i, k) / choose(kDegree, k);
  return m;
}
constexpr auto kPowerToBernstein = PowerToBernstein();

// The phase voltage's square on s in [0, 1] (tau = s duration) in Bernstein form. With u the
// speed and F the thrust (polynomials of degree 2 and 1), A = Ke u + (r dir / Kf) F and
// B = (k L/2 / Kf) u F; the square is A^2 + B^2, of degree 6.
Bernstein BernsteinOf(const RowDrive& r, const PhaseMotion& m) {
  const double T = m.duration;
  const double d = m.direction;
  const double u[3] = {d * m.v0, d * m.a0 * T, d * m.j * T * T * 0.5};
  const double f[2] = {m.f0, m.k * T};
  const double g = r.inPhase * d;
  const double h = r.across;
  const double ke = r.w.bemfConstant;
  const double a[3] = {ke * u[0] + g * f[0], ke * u[1] + g * f[1], ke * u[2]};
  const double b[4] = {h * u[0] * f[0], h * (u[0] * f[1] + u[1] * f[0]), h * (u[1] * f[1] + u[2] * f[0]),
                       h * u[2] * f[1]};
  std::array<double, kDegree + 1> power{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t k = 0; k < 3; ++k) power[i + k] += a[i] * a[k];
  for (std::size_t i = 0; i < 4; ++i)
    for (std::size_t k = 0; k < 4; ++k) power[i + k] += b[i] * b[k];
  Bernstein out{};
  for (std::size_t i = 0; i <= kDegree; ++i) {
    double sum = 0.0;
    for (std::size_t k = 0; k <= i; ++k) sum += kPowerToBernstein[i][k] * power[k];
    out[i] = sum;
  }
  return out;
}

double UpperBound(const Bernstein& b) { return *std::max_element(b.begin(), b.end()); }

// A cheap bound of the phase voltage's square over a phase from its ends: the speed's and the
// thrust's ranges (a quadratic's and a line's), each term at its worst.
double CrudeBound(const RowDrive& r, const PhaseMotion& m) {
  const double d = m.direction;
  const double u0 = d * m.v0;
  const double u1 = d * m.Velocity(m.duration);
  double low = std::min(u0, u1);
  double high = std::max(u0, u1);
  if (m.j != 0.0) {
    const double at = -m.a0 / m.j;  // where the acceleration passes 0
    if (at > 0.0 && at < m.duration) {
      const double u = d * m.Velocity(at);
      low = std::min(low, u);
      high = std::max(high, u);
    }
  }
  low = std::max(low, 0.0);
  const double g = r.inPhase * d;
  const double f1 = m.Thrust(m.duration);
  const double aLow = r.w.bemfConstant * low + std::min(g * m.f0, g * f1);
  const double aHigh = r.w.bemfConstant * high + std::max(g * m.f0, g * f1);
  const double a = std::max(std::fabs(aLow), std::fabs(aHigh));
  const double b = r.across * high * std::max(std::fabs(m.f0), std::fabs(f1));
  return a * a + b * b;
}

// Raises `best` (a phase voltage's square taken at an instant) to the phase's maximum within the
// tolerance: pieces whose Bernstein bound is within it are done, the others halved.
constexpr double kSlack = (1.0 + kBusVoltageTolerance) * (1.0 + kBusVoltageTolerance);

// Whether a phase may hold a voltage above the tolerance of `best`: one with jerk whose cheap
// bound is above it.
bool MayRaise(const RowDrive& r, const PhaseMotion& m, double best) {
  return m.j != 0.0 && m.direction != 0 && CrudeBound(r, m) > best * kSlack;
}

void RaiseToPhaseMaximum(const RowDrive& r, const PhaseMotion& m, double& best) {
  if (!MayRaise(r, m, best)) return;
  struct Piece {
    Bernstein b;
    double s0, s1;
    int depth;
  };
  // Depth first: at most one waiting half per level.
  std::array<Piece, kMaxHalvings + 2> stack;
  std::size_t size = 0;
  stack[size++] = {BernsteinOf(r, m), 0.0, 1.0, 0};
  while (size > 0) {
    const Piece p = stack[--size];
    if (UpperBound(p.b) <= best * kSlack || p.depth >= kMaxHalvings) continue;
    // de Casteljau at the middle: the left half's coefficients on the way down, the right's up.
    Piece left{{}, p.s0, (p.s0 + p.s1) * 0.5, p.depth + 1};
    Piece right{{}, left.s1, p.s1, p.depth + 1};
    Bernstein t = p.b;
    left.b[0] = t[0];
    right.b[kDegree] = t[kDegree];
    for (std::size_t k = 1; k <= kDegree; ++k) {
      for (std::size_t i = 0; i + k <= kDegree; ++i) t[i] = (t[i] + t[i + 1]) * 0.5;
      left.b[k] = t[0];
      right.b[kDegree - k] = t[kDegree - k];
    }
    best = std::max(best, VoltageSquaredAt(r, m, left.s1 * m.duration));
    stack[size++] = right;
    stack[size++] = left;
  }
}

// ---- Energy

// The roots of c0 + c1 t + c2 t^2 strictly inside (0, end), appended to `out` (solved without
// cancellation).
std::size_t QuadraticRoots(double c0, double c1, double c2, double end, double* out) {
  std::size_t n = 0;
  const auto keep = [&](double t) {
    if (t > 0.0 && t < end) out[n++] = t;
  };
  if (c2 == 0.0) {
    if (c1 != 0.0) keep(-c0 / c1);
    return n;
  }
  const double disc = c1 * c1 - 4.0 * c2 * c0;
  if (disc < 0.0) return n;
  const double q = -0.5 * (c1 + std::copysign(std::sqrt(disc), c1));
  keep(q / c2);
  if (q != 0.0) keep(c0 / q);
  return n;
}

struct Energy {
  double in = 0.0;
  double returned = 0.0;
  double peakReturned = 0.0;  // W
};

// P = F v + 1.5 R_hot I^2 = F (v + q F) with q = 1.5 R_hot / Kf^2: a cubic whose zeros are those
// of the line F and of the quadratic v + q F. Between them P keeps its sign, and its integral
// there is exact from the antiderivative.
void AddPhaseEnergy(const PhaseMotion& m, double q, Energy& e) {
  const double T = m.duration;
  if (m.direction == 0) {  // at rest: the copper loss alone
    e.in += q * m.f0 * m.f0 * T;
    return;
  }
  const double g0 = m.v0 + q * m.f0;
  const double g1 = m.a0 + q * m.k;
  const double g2 = m.j * 0.5;
  const double c[4] = {m.f0 * g0, m.f0 * g1 + m.k * g0, m.f0 * g2 + m.k * g1, m.k * g2};
  const auto P = [&c](double t) { return ((c[3] * t + c[2]) * t + c[1]) * t + c[0]; };
  const auto Antiderivative = [&c](double t) {
    return t * (c[0] + t * (c[1] * 0.5 + t * (c[2] * (1.0 / 3.0) + t * c[3] * 0.25)));
  };
  // Motoring all through (the thrust along the motion at both ends, so all along its line): F and
  // v + q F keep the sign of the motion, P stays at or above 0.
  if (m.direction * m.f0 >= 0.0 && m.direction * m.Thrust(T) >= 0.0) {
    e.in += Antiderivative(T);
    return;
  }
  double points[6] = {0.0};
  std::size_t n = 1;
  if (m.k != 0.0) {
    const double zero = -m.f0 / m.k;
    if (zero > 0.0 && zero < T) points[n++] = zero;
  }
  n += QuadraticRoots(g0, g1, g2, T, points + n);
  points[n++] = T;
  // At most five points: an insertion sort.
  for (std::size_t i = 1; i < n; ++i)
    for (std::size_t k = i; k > 0 && points[k] < points[k - 1]; --k) std::swap(points[k], points[k - 1]);
  bool returns = false;
  double previous = 0.0;
  for (std::size_t i = 1; i < n; ++i) {
    const double next = Antiderivative(points[i]);
    const double part = next - previous;
    previous = next;
    if (part >= 0.0) {
      e.in += part;
    } else {
      e.returned -= part;
      returns = true;
    }
  }
  if (!returns) return;
  // The most returned: at an end or where P' = c1 + 2 c2 t + 3 c3 t^2 vanishes.
  double extremes[2];
  const std::size_t k = QuadraticRoots(c[1], 2.0 * c[2], 3.0 * c[3], T, extremes);
  double lowest = std::min(P(0.0), P(T));
  for (std::size_t i = 0; i < k; ++i) lowest = std::min(lowest, P(extremes[i]));
  e.peakReturned = std::max(e.peakReturned, -lowest);
}

DriveCheck Check(const std::optional<double>& limit, double value) {
  if (!limit) return DriveCheck::NotMade;
  // Written so that a value that is not a number fails.
  return value <= *limit ? DriveCheck::Passed : DriveCheck::Failed;
}

DriveVerdict VerdictOf(const CycleRowRating& rating, const CycleDriveRating& d) {
  if (!rating.fits) return DriveVerdict::Duty;
  if (d.voltage == DriveCheck::Failed) return DriveVerdict::Voltage;
  if (d.peakCurrentCheck == DriveCheck::Failed) return DriveVerdict::PeakCurrent;
  if (d.continuousCurrentCheck == DriveCheck::Failed) return DriveVerdict::ContinuousCurrent;
  if (!rating.coolEnough) return DriveVerdict::Temperature;
  return DriveVerdict::Ok;
}

}  // namespace

std::string_view DriveVerdictName(DriveVerdict verdict) {
  switch (verdict) {
    case DriveVerdict::Ok: return "ok";
    case DriveVerdict::Duty: return "duty";
    case DriveVerdict::Voltage: return "voltage";
    case DriveVerdict::PeakCurrent: return "peak-current";
    case DriveVerdict::ContinuousCurrent: return "continuous-current";
    case DriveVerdict::Temperature: return "temperature";
  }
  return "ok";
}

// Every phase end first (and the energies on the way), so that the search inside the phases with
// jerk starts from the largest end value and most of them are done at a glance.
CycleDriveRating RateCycleDriveRow(const CyclePlan& plan, const MotorRecord& row, const CycleRowRating& rating) {
  const RowDrive r = RowDriveOf(row, rating.coilTemp);
  const Winding& w = r.w;
  double best = 0.0;
  Energy energy;
  // The phases that may raise it, as the first pass finds them against the largest end value so
  // far (a phase left out then stays out: that value only grows); all of them when too many.
  std::array<std::size_t, 16> candidates;
  std::size_t count = 0;
  bool overflow = false;
  for (std::size_t i = 0; i < plan.phases.size(); ++i) {
    const PhaseMotion m = MotionOf(plan, plan.phases[i], row);
    best = std::max({best, VoltageSquaredAt(r, m, 0.0), VoltageSquaredAt(r, m, m.duration)});
    AddPhaseEnergy(m, r.copper, energy);
    if (!overflow && MayRaise(r, m, best)) {
      overflow = count == candidates.size();
      if (!overflow) candidates[count++] = i;
    }
  }
  if (overflow) {
    for (const CyclePhase& p : plan.phases) RaiseToPhaseMaximum(r, MotionOf(plan, p, row), best);
  } else {
    for (std::size_t k = 0; k < count; ++k)
      RaiseToPhaseMaximum(r, MotionOf(plan, plan.phases[candidates[k]], row), best);
  }

  CycleDriveRating d;
  d.busVoltageNeeded = BusVoltageOfPhase(best);
  d.peakCurrent = rating.peakThrust / w.forceConstant;
  d.rmsCurrent = rating.rmsThrust / w.forceConstant;
  d.peakCurrentShare = d.peakCurrent / static_cast<double>(row.peakCurrent) * 100.0;
  d.rmsCurrentShare = d.rmsCurrent / static_cast<double>(row.ratedCurrent) * 100.0;
  if (plan.drive.busVoltage) d.topSpeed = TopSpeed(w, *plan.drive.busVoltage);
  d.energyIn = energy.in;
  d.energyReturned = energy.returned;
  d.peakReturnedPower = energy.peakReturned;
  d.copperLoss = 3.0 * w.phaseResistance * d.rmsCurrent * d.rmsCurrent;
  d.voltage = Check(plan.drive.busVoltage, d.busVoltageNeeded);
  d.peakCurrentCheck = Check(plan.drive.peakCurrent, d.peakCurrent);
  d.continuousCurrentCheck = Check(plan.drive.continuousCurrent, d.rmsCurrent);
  d.verdict = VerdictOf(rating, d);
  return d;
}

void RateCycleDrive(const CyclePlan& plan, std::span<const MotorRecord> rows, const CycleRatings& ratings,
                    std::vector<CycleDriveRating>& out) {
  const std::size_t n = std::min(rows.size(), ratings.rows.size());
  out.resize(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = RateCycleDriveRow(plan, rows[i], ratings.rows[i]);
}

void RateMoveDrive(const MotionInput& move, int ratedLimit, int peakLimit, float ambientTemp,
                   std::optional<double> busVoltage, std::span<const MotorRecord> rows,
                   std::vector<CycleDriveRating>& out) {
  Cycle cycle = CycleFromMove(move, ratedLimit, peakLimit, ambientTemp);
  cycle.drive.busVoltage = busVoltage;
  const CyclePlan plan = BuildCyclePlan(cycle);
  CycleRatings ratings;
  RateCycle(plan, rows, false, ratings);
  RateCycleDrive(plan, rows, ratings, out);
}

DriveSample DriveAt(const MotorRecord& row, double coilTemp, const CycleSample& sample) {
  const Winding w = WindingOf(row, coilTemp);
  // Along the phase's direction, so that a velocity rounded to a hair of the other sign at a
  // move's end does not flip the current.
  const double velocity = sample.direction == 0 ? 0.0 : sample.direction * std::fabs(sample.velocity);
  return {SignedCurrent(w, velocity, sample.thrust), BusVoltageAt(w, velocity, sample.thrust)};
}

}  // namespace brivane
