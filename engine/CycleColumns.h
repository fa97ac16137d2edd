// The columns of a table of motor rows rated for a cycle, and of its segments: what
// `brivane-cli cycle` prints and the axis window shows, each column's header, alignment, text and
// the number it sorts by, written once so that the two show the same digits.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "catalog/MotorCatalog.h"
#include "catalog/Translatable.h"
#include "engine/Cycle.h"
#include "engine/CycleDrive.h"
#include "engine/CyclePlan.h"
#include "engine/CycleRating.h"

namespace brivane {

// A rated row: its record, its rating and its drive's figures.
struct CycleRowView {
  const MotorRecord* record = nullptr;
  const CycleRowRating* rating = nullptr;
  const CycleDriveRating* drive = nullptr;
};

enum class CycleColumn : std::size_t {
  Name,
  Series,  // "-" for a user's motor (its family where the family is asked for)
  Number,
  Verdict,  // "적합" for ok, "부적합" for the duty, or the check that failed first
  RatedDuty,
  PeakDuty,
  RatedMargin,
  PeakMargin,
  RmsThrust,
  PeakThrust,
  CoilTemp,
  Headroom,  // the extra payload
  BusVoltageNeeded,
  VoltageCheck,
  PeakCurrent,
  PeakCurrentShare,
  PeakCurrentCheck,
  RmsCurrent,
  RmsCurrentShare,
  ContinuousCurrentCheck,
  TopSpeed,
  EnergyIn,
  EnergyReturned,
  PeakReturnedPower,
  CopperLoss,
};
inline constexpr std::size_t kCycleColumnCount = 25;

struct CycleColumnInfo {
  std::string_view header;  // with the unit
  bool numeric;             // right-aligned, sorted as a number
  bool inText;              // the command line's terminal table shows it; CSV and the window show all
  bool words;               // the text is a fixed text, said in the reader's language
};

// In CycleColumn order.
const std::array<CycleColumnInfo, kCycleColumnCount>& CycleColumns();
inline const CycleColumnInfo& ColumnInfo(CycleColumn column) {
  return CycleColumns()[static_cast<std::size_t>(column)];
}

// What a cell shows. A user's motor shows "-" for its series and number; with `family` its family
// stands in the series column instead (CSV, the window), "-" when it has none.
std::string CycleColumnText(CycleColumn column, const CycleRowView& row, bool family = false);

// The number a numeric column shows, unrounded, to sort by; for the verdict and the checks their
// order (ok first; passed, failed, not made); not a number for none (no headroom, no top speed)
// and for the name.
double CycleColumnValue(CycleColumn column, const CycleRowView& row);

// The headers of the per-segment thrusts.
inline constexpr std::string_view kSegmentHeader = QT_TRANSLATE_NOOP("brivane::EngineTexts", "구간");
inline constexpr std::string_view kRmsThrustHeader = QT_TRANSLATE_NOOP("brivane::EngineTexts", "평균 추력(N)");
inline constexpr std::string_view kPeakThrustHeader = QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력(N)");

// The table of a planned cycle's segments: what each segment is and what its plan gives.
enum class SegmentColumn : std::size_t { Number, Type, Profile, Distance, Duration, PeakVelocity };
inline constexpr std::size_t kSegmentColumnCount = 6;

struct SegmentColumnInfo {
  std::string_view header;
  bool numeric;
};
const std::array<SegmentColumnInfo, kSegmentColumnCount>& SegmentColumns();

// "move" or "dwell", the profile's name, the distance "%.1f" mm, the duration "%.3f" s, the peak
// velocity reached "%.3f" m/s; "-" where a dwell has none.
std::string SegmentColumnText(SegmentColumn column, const Cycle& cycle, const CyclePlan& plan, std::size_t segment);

// "move" or "dwell", as the file writes the type.
std::string_view SegmentTypeName(SegmentType type);

}  // namespace brivane
