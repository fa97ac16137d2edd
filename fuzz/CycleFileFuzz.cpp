// The cycle file reader and the cycle model on any text: a refusal names a known problem; an
// accepted cycle is written and read back to the same text; a cycle that passes the checks is
// planned and every row rated with its headroom, which fits and one step more does not, and with
// its drive's figures: a check is made exactly when its figure is given, the verdict ok only when
// every check made passed, and the needed voltage within the envelope at its own bus.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CycleDrive.h"
#include "engine/CycleFile.h"
#include "engine/CyclePlan.h"
#include "engine/CycleRating.h"
#include "engine/Drive.h"
#include "fuzz/FuzzCheck.h"

namespace {

using namespace brivane;

// Enough segments for every shape of cycle, few enough for many runs a second.
constexpr std::size_t kMaxRatedSegments = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const CycleFileReading reading = CycleFromJson(text);
  if (!reading.cycle) {
    FUZZ_CHECK(CycleFileProblemName(reading.error.problem) != "unknown problem", std::string(text));
    FUZZ_CHECK(reading.error.problem == FieldProblem::NotJson || reading.error.problem == FieldProblem::WrongFormat ||
                   !reading.error.field.empty(),
               std::string(text));
    return 0;
  }
  const Cycle& cycle = *reading.cycle;
  const std::string written = CycleToJson(cycle);
  const CycleFileReading again = CycleFromJson(written);
  FUZZ_CHECK(again.cycle && CycleToJson(*again.cycle) == written, written);

  if (ValidateCycle(cycle) || cycle.segments.size() > kMaxRatedSegments) return 0;
  const CyclePlan plan = BuildCyclePlan(cycle);
  FUZZ_CHECK(plan.segments.size() == cycle.segments.size(), written);
  FUZZ_CHECK(!(plan.cycleTime < 0.0), written);
  CycleRatings ratings;
  RateCycle(plan, MotorCatalog::Instance().Rows(), true, ratings);
  std::vector<CycleDriveRating> drive;
  RateCycleDrive(plan, MotorCatalog::Instance().Rows(), ratings, drive);
  FUZZ_CHECK(drive.size() == ratings.rows.size(), written);
  for (std::size_t i = 0; i < drive.size(); ++i) {
    const CycleDriveRating& d = drive[i];
    const CycleRowRating& r = ratings.rows[i];
    FUZZ_CHECK((d.voltage == DriveCheck::NotMade) == !cycle.drive.busVoltage, written);
    FUZZ_CHECK((d.peakCurrentCheck == DriveCheck::NotMade) == !cycle.drive.peakCurrent, written);
    FUZZ_CHECK((d.continuousCurrentCheck == DriveCheck::NotMade) == !cycle.drive.continuousCurrent, written);
    FUZZ_CHECK(d.verdict != DriveVerdict::Ok ||
                   (r.fits && r.coolEnough && d.voltage != DriveCheck::Failed &&
                    d.peakCurrentCheck != DriveCheck::Failed && d.continuousCurrentCheck != DriveCheck::Failed),
               written);
    FUZZ_CHECK(!(d.energyIn < 0.0) && !(d.energyReturned < 0.0) && !(d.peakReturnedPower < 0.0), written);
    // On a bus of exactly its need, the envelope falls with the speed to 0 at the top speed, and
    // the peak force holds up to a corner below it.
    if (std::isfinite(d.busVoltageNeeded) && d.busVoltageNeeded > 0.0) {
      std::array<EnvelopePoint, 3> points{};
      const MotorRecord& row = MotorCatalog::Instance().Rows()[i];
      const EnvelopeSummary e = ForceSpeedEnvelope(row, d.busVoltageNeeded, r.coilTemp, points);
      FUZZ_CHECK(
          points[2].peakThrust == 0.0 && points[1].peakThrust <= points[0].peakThrust + 1e-9 * points[0].peakThrust,
          written);
      FUZZ_CHECK(!(e.topSpeed < 0.0) && e.peakCornerSpeed <= e.topSpeed, written);
    }
  }
  for (std::size_t i = 0; i < ratings.rows.size(); ++i) {
    const CycleRowRating& r = ratings.rows[i];
    FUZZ_CHECK(!r.headroomKg || r.fits, written);
    if (!r.headroomKg) continue;
    const MotorRecord& row = MotorCatalog::Instance().Rows()[i];
    FUZZ_CHECK(RateCycleRow(plan, row, *r.headroomKg).fits, written + std::string(row.name));
    if (*r.headroomKg < kCycleHeadroomCapKg) {
      const double next = (std::round(*r.headroomKg * 100.0) + 1.0) / 100.0;
      FUZZ_CHECK(!RateCycleRow(plan, row, next).fits, written + std::string(row.name));
    }
  }
  return 0;
}
