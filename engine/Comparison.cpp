#include "engine/Comparison.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brivane {
namespace {

// The headroom is searched in whole steps of 0.01 kg: step k is the load k / 100 kg as a typed
// decimal would give it (the double quotient is never near a float midpoint, so rounding it to
// float is the correctly rounded decimal).
constexpr std::int32_t kStepsPerKg = 100;
constexpr std::int32_t kMaxSteps = static_cast<std::int32_t>(kMaxLoadMassKg) * kStepsPerKg;

float StepMass(std::int32_t step) {
  return static_cast<float>(static_cast<double>(step) / static_cast<double>(kStepsPerKg));
}

// The largest whole step whose mass is at or below `mass`.
std::int32_t StepAtOrBelow(float mass) {
  auto step = static_cast<std::int32_t>(std::floor(static_cast<double>(mass) * kStepsPerKg));
  while (step > 0 && StepMass(step) > mass) --step;
  while (step < kMaxSteps && StepMass(step + 1) <= mass) ++step;
  return step;
}

class FitTest {
 public:
  FitTest(const MotionInput& in, float accelG, const MotorRecord& row, float ratedLimit, float peakLimit)
      : move_(in), accelG_(accelG), row_(row), ratedLimit_(ratedLimit), peakLimit_(peakLimit) {}

  DutyResult Duty(std::int32_t step) {
    move_.loadMass = StepMass(step);
    return ComputeDuty(move_, accelG_, row_).duty;
  }
  bool Fits(const DutyResult& duty) const { return RowFits(row_, duty, ratedLimit_, peakLimit_); }
  bool operator()(std::int32_t step) { return Fits(Duty(step)); }

 private:
  MotionInput move_;
  float accelG_;
  const MotorRecord& row_;
  float ratedLimit_;
  float peakLimit_;
};

// A load and the row's ratios with it.
struct Rated {
  double mass;
  DutyResult duty;
};

// Where the straight line through two rated loads reaches the first of the two limits; nothing
// when neither ratio rises between them.
std::optional<double> Crossing(const Rated& a, const Rated& b, float ratedLimit, float peakLimit) {
  std::optional<double> first;
  const auto meet = [&](float ra, float rb, float limit) {
    const double slope = (static_cast<double>(rb) - static_cast<double>(ra)) / (b.mass - a.mass);
    if (!(slope > 0.0) || !std::isfinite(slope)) return;
    const double m = a.mass + (static_cast<double>(limit) - static_cast<double>(ra)) / slope;
    if (!first || m < *first) first = m;
  };
  meet(a.duty.ratedDuty, b.duty.ratedDuty, ratedLimit);
  meet(a.duty.peakDuty, b.duty.peakDuty, peakLimit);
  return first;
}

// Where a parabola through three rated loads, in increasing mass, reaches the square of the first
// limit. The mean square of the thrust is a quadratic in the load (each thrust is linear in it),
// so the squared ratios are parabolas up to rounding and this lands within a step of the answer.
std::optional<double> ParabolaCrossing(const Rated& p0, const Rated& p1, const Rated& p2, float ratedLimit,
                                       float peakLimit) {
  std::optional<double> first;
  const auto meet = [&](float DutyResult::*ratio, float limit) {
    const auto sq = [](float r) { return static_cast<double>(r) * static_cast<double>(r); };
    const double y0 = sq(p0.duty.*ratio);
    const double d01 = (sq(p1.duty.*ratio) - y0) / (p1.mass - p0.mass);
    const double d12 = (sq(p2.duty.*ratio) - sq(p1.duty.*ratio)) / (p2.mass - p1.mass);
    const double a = (d12 - d01) / (p2.mass - p0.mass);
    const double b = d01 - a * (p1.mass - p0.mass);
    const double c = y0 - sq(limit);  // negative: the lightest load fits
    // a t^2 + b t + c = 0 for t = mass - p0.mass, the first root at or above 0.
    double t = 0.0;
    if (std::abs(a) * (p2.mass - p0.mass) < 1e-9 * std::abs(b)) {
      t = -c / b;
    } else {
      const double disc = b * b - 4.0 * a * c;
      if (!(disc >= 0.0)) return;
      const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
      const double r1 = q / a;
      const double r2 = c / q;
      t = r1 >= 0.0 && (r1 < r2 || r2 < 0.0) ? r1 : r2;
    }
    if (!(t >= 0.0) || !std::isfinite(t)) return;
    if (!first || p0.mass + t < *first) first = p0.mass + t;
  };
  meet(&DutyResult::ratedDuty, ratedLimit);
  meet(&DutyResult::peakDuty, peakLimit);
  return first;
}

// The search keeps "lo fits, hi does not" throughout, so whatever the rounding does to the ratios
// between them, the answer fits and one step more does not. Each guess is tested with its
// neighbour, so a guess within a step closes the bracket in two ratings; a bisection finishes
// whatever the guesses leave.
std::optional<float> Headroom(const MotionInput& in, float accelG, const MotorRecord& row, float ratedLimit,
                              float peakLimit, const DutyResult& ownDuty, bool fitsOwnLoad) {
  FitTest test(in, accelG, row, ratedLimit, peakLimit);
  const Rated lightest{static_cast<double>(StepMass(1)), test.Duty(1)};
  if (!test.Fits(lightest.duty)) return std::nullopt;
  const Rated heaviest{static_cast<double>(kMaxLoadMassKg), test.Duty(kMaxSteps)};
  if (test.Fits(heaviest.duty)) return kMaxLoadMassKg;

  std::int32_t lo = 1;
  std::int32_t hi = kMaxSteps;
  // A row that fits its own load never gets less than the step at or below that load.
  const std::int32_t ownStep = StepAtOrBelow(in.loadMass);
  if (fitsOwnLoad && ownStep > lo && (StepMass(ownStep) == in.loadMass || test(ownStep))) lo = ownStep;

  const Rated own{static_cast<double>(in.loadMass), ownDuty};
  const bool ownBetween = own.mass > lightest.mass && own.mass < heaviest.mass;
  Rated a = lightest;
  Rated b = ownBetween ? own : heaviest;
  for (int i = 0; i < 4 && hi - lo > 1; ++i) {
    // The first guess from the parabola when the move's own load gives a third point, then
    // secant steps through the last two rated loads.
    const auto guess = i == 0 && ownBetween ? ParabolaCrossing(lightest, own, heaviest, ratedLimit, peakLimit)
                                            : Crossing(a, b, ratedLimit, peakLimit);
    if (!guess || !(*guess < static_cast<double>(kMaxLoadMassKg))) break;
    const std::int32_t step = std::clamp(StepAtOrBelow(static_cast<float>(std::max(*guess, 0.0))), lo + 1, hi - 1);
    const DutyResult duty = test.Duty(step);
    if (test.Fits(duty)) {
      lo = step;
      if (hi - lo > 1) (test(step + 1) ? lo : hi) = step + 1;
    } else {
      hi = step;
      if (hi - lo > 1) (test(step - 1) ? lo : hi) = step - 1;
    }
    a = b;
    b = {static_cast<double>(StepMass(step)), duty};
  }
  while (hi - lo > 1) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    if (test(mid)) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return StepMass(lo);
}

DriveFigures Drive(const LoadAnalysis& a, const MotorRecord& row, float peakVelocity) {
  DriveFigures d;
  d.peakCurrent = a.peakThrust / row.forceConstant;
  d.rmsCurrent = a.rmsThrust / row.forceConstant;
  d.peakCurrentShare = d.peakCurrent / row.peakCurrent * 100.0f;
  d.rmsCurrentShare = d.rmsCurrent / row.ratedCurrent * 100.0f;
  d.backEmf = row.bemfConstant * peakVelocity;
  const float q = a.rmsThrust / row.motorConstant;
  d.copperLoss = q * q;
  return d;
}

}  // namespace

ComparisonOutcome CompareCandidates(const ComparisonRequest& request, std::span<const MotorRecord> rows) {
  ComparisonOutcome out;
  const MotionInput& in = request.move;
  const SelectionStart start = StartSelection(in, request.ratedPosition, request.peakPosition);
  if (start.refusal) {
    out.refusal = start.refusal;
    return out;
  }
  const SelectionBasis& basis = start.basis;
  out.ratedLimit = basis.ratedLimit;
  out.peakLimit = basis.peakLimit;
  out.accelG = basis.accelG;
  out.reachable = ReachesPeakVelocity(in);
  // As the selection compares: the whole-number limits as floats.
  const auto ratedLimit = static_cast<float>(out.ratedLimit);
  const auto peakLimit = static_cast<float>(out.peakLimit);

  // The selection's own first-fit rule, applied while every row is rated in row order.
  FirstFitPicks picks;
  out.rows.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MotorRecord& row = rows[i];
    CandidateRating& c = out.rows.emplace_back();
    c.index = i;
    c.series = row.Series();
    c.number = row.Number();
    c.name = row.name;
    c.family = row.family;
    c.user = row.user;
    c.duty = ComputeDuty(in, out.accelG, row).duty;
    c.fits = basis.Fits(row, c.duty);
    c.selected = picks.Take(row, c.fits);
    c.ratedMargin = ratedLimit - c.duty.ratedDuty;
    c.peakMargin = peakLimit - c.duty.peakDuty;
    c.analysis = AnalyseLoad(in, row, request.ambientTemp);
    c.coolEnough = c.analysis.coilTemp <= kMaxCoilTempC;
    c.headroomKg = Headroom(in, out.accelG, row, ratedLimit, peakLimit, c.duty, c.fits);
    c.drive = Drive(c.analysis, row, in.peakVelocity);
  }
  return out;
}

}  // namespace brivane
