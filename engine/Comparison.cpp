#include "engine/Comparison.h"

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

struct FitTest {
  MotionInput move;
  float accelG;
  const MotorRecord& row;
  float ratedLimit;
  float peakLimit;

  bool operator()(std::int32_t step) {
    move.loadMass = StepMass(step);
    return RowFits(row, ComputeDuty(move, accelG, row).duty, ratedLimit, peakLimit);
  }
};

// Bisection over the steps with the invariant "lo fits, hi does not", so whatever the rounding
// does to the ratios between them, the answer fits and one step more does not.
std::optional<float> Headroom(const MotionInput& in, float accelG, const MotorRecord& row, float ratedLimit,
                              float peakLimit, bool fitsOwnLoad) {
  FitTest fits{in, accelG, row, ratedLimit, peakLimit};
  if (!fits(1)) return std::nullopt;
  if (fits(kMaxSteps)) return kMaxLoadMassKg;
  std::int32_t lo = 1;
  std::int32_t hi = kMaxSteps;
  // Start from the move's own load when it fits, so the answer is never a step or more below it.
  if (fitsOwnLoad) {
    const std::int32_t own = StepAtOrBelow(in.loadMass);
    if (own > lo && own < hi && fits(own)) lo = own;
  }
  while (hi - lo > 1) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    if (fits(mid)) {
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

ComparisonOutcome CompareCandidates(const ComparisonRequest& request, const MotorCatalog& catalog) {
  ComparisonOutcome out;
  const MotionInput& in = request.move;
  if (const auto failure = ValidateSelectionInput(in, request.ratedPosition, request.peakPosition)) {
    out.refusal = failure;
    return out;
  }
  out.ratedLimit = LimitFromPosition(*request.ratedPosition);
  out.peakLimit = LimitFromPosition(*request.peakPosition);
  out.accelG = AccelInG(in);
  // As the selection compares: the whole-number limits as floats.
  const auto ratedLimit = static_cast<float>(out.ratedLimit);
  const auto peakLimit = static_cast<float>(out.peakLimit);

  out.rows.reserve(catalog.size());
  for (const MotorSeries s : kAllSeries) {
    const IndexRange range = MotorCatalog::SeriesRange(s);
    bool picked = false;
    for (std::size_t i = range.first; i <= range.last; ++i) {
      const MotorRecord& row = catalog.at(i);
      CandidateRating& c = out.rows.emplace_back();
      c.index = i;
      c.series = s;
      c.number = row.Number();
      c.name = row.name;
      c.duty = ComputeDuty(in, out.accelG, row).duty;
      c.fits = RowFits(row, c.duty, ratedLimit, peakLimit);
      c.selected = c.fits && !picked;
      picked = picked || c.fits;
      c.ratedMargin = ratedLimit - c.duty.ratedDuty;
      c.peakMargin = peakLimit - c.duty.peakDuty;
      c.analysis = AnalyseLoad(in, row, request.ambientTemp);
      c.coolEnough = c.analysis.coilTemp <= kCoilTempLimit;
      c.headroomKg = Headroom(in, out.accelG, row, ratedLimit, peakLimit, c.fits);
      c.drive = Drive(c.analysis, row, in.peakVelocity);
    }
  }
  return out;
}

}  // namespace brivane
