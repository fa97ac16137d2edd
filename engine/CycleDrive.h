// What each motor row asks of its drive over a planned cycle (docs/cycle-model.md, "The drive"):
// the needed bus voltage, peak and RMS phase current, top speed, energy in and returned, peak
// returned power and copper loss, the cycle drive's three checks (each made only when its figure
// is given) and the row's verdict. From a RateCycle result, by position in the rows rated; nothing
// allocates per row.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "engine/CyclePlan.h"
#include "engine/CycleRating.h"

namespace brivane {

// The needed bus voltage is found to within this share of the true maximum, never above it.
inline constexpr double kBusVoltageTolerance = 1e-4;

// A check is made only when the drive gives its figure: not made is neither passed nor failed.
enum class DriveCheck : std::uint8_t { NotMade, Passed, Failed };

// A row's verdict: ok, or the first check that failed in this order.
enum class DriveVerdict : std::uint8_t { Ok, Duty, Voltage, PeakCurrent, ContinuousCurrent, Temperature };

// "ok", "duty", "voltage", "peak-current", "continuous-current", "temperature".
std::string_view DriveVerdictName(DriveVerdict verdict);

struct CycleDriveRating {
  double busVoltageNeeded = 0.0;   // V DC, the largest over the cycle
  double peakCurrent = 0.0;        // Arms, the largest phase current
  double rmsCurrent = 0.0;         // Arms
  double peakCurrentShare = 0.0;   // percent of the row's peak current
  double rmsCurrentShare = 0.0;    // percent of the row's rated current
  std::optional<double> topSpeed;  // m/s at the drive's bus voltage; none without one
  double energyIn = 0.0;           // J per cycle the drive supplies
  double energyReturned = 0.0;     // J per cycle braking returns to the bus
  double peakReturnedPower = 0.0;  // W, 0 when nothing returns
  double copperLoss = 0.0;         // W, averaged over the cycle
  DriveCheck voltage = DriveCheck::NotMade;
  DriveCheck peakCurrentCheck = DriveCheck::NotMade;
  DriveCheck continuousCurrentCheck = DriveCheck::NotMade;
  DriveVerdict verdict = DriveVerdict::Ok;
};

// One row from its rating (RateCycleRow or RateCycle with no extra mass): the winding at the
// rating's coil temperature, the checks against the plan's drive.
CycleDriveRating RateCycleDriveRow(const CyclePlan& plan, const MotorRecord& row, const CycleRowRating& rating);

// Every row of `ratings` (RateCycle of the same plan and rows) into `out`, one per row in the
// span's order, reusing its buffer.
void RateCycleDrive(const CyclePlan& plan, std::span<const MotorRecord> rows, const CycleRatings& ratings,
                    std::vector<CycleDriveRating>& out);

// The form's move rated as a one-move cycle (CycleFromMove: a triangle where the stroke is too
// short for the velocity), every row's drive figures into `out` by position, with `busVoltage` as
// the drive's (none: no check made). The move and limits as the selection has checked them.
void RateMoveDrive(const MotionInput& move, int ratedLimit, int peakLimit, float ambientTemp,
                   std::optional<double> busVoltage, std::span<const MotorRecord> rows,
                   std::vector<CycleDriveRating>& out);

// The bus voltage (V) a row needs at one instant of the cycle and its signed current (Arms), at
// the row's coil temperature for the cycle: what the trace writes beside each sample.
struct DriveSample {
  double current = 0.0;     // Arms, negative while braking
  double busVoltage = 0.0;  // V
};
DriveSample DriveAt(const MotorRecord& row, double coilTemp, const CycleSample& sample);

}  // namespace brivane
