#include "engine/CycleColumns.h"

#include <cmath>

#include "engine/ComparisonTexts.h"
#include "engine/DriveTexts.h"
#include "engine/NumberText.h"

namespace brivane {
namespace {

std::string Fixed(double v, int decimals) { return FormatFixed(v, decimals); }

std::string HeadroomText(const std::optional<double>& h) {
  if (!h) return "-";
  return *h >= kCycleHeadroomCapKg ? "3000 or more" : Fixed(*h, 2);
}

std::string SeriesText(const MotorRecord& r, bool family) {
  if (!r.user) return std::to_string(r.series);
  return family && !r.family.empty() ? std::string(r.family) : "-";
}

// Checks in the order a sort puts them: passed, failed, not made.
double CheckOrder(DriveCheck check) {
  switch (check) {
    case DriveCheck::Passed: return 0.0;
    case DriveCheck::Failed: return 1.0;
    case DriveCheck::NotMade: break;
  }
  return 2.0;
}

double Optional(const std::optional<double>& v) { return v ? *v : std::nan(""); }

}  // namespace

const std::array<CycleColumnInfo, kCycleColumnCount>& CycleColumns() {
  static const std::array<CycleColumnInfo, kCycleColumnCount> columns{{
      {HeaderOf(CandidateColumn::Name), false, true, false},
      {HeaderOf(CandidateColumn::Series), true, true, false},
      {HeaderOf(CandidateColumn::Number), true, true, false},
      {HeaderOf(CandidateColumn::Verdict), false, true, true},
      {HeaderOf(CandidateColumn::RatedDuty), true, true, false},
      {HeaderOf(CandidateColumn::PeakDuty), true, true, false},
      {HeaderOf(CandidateColumn::RatedMargin), true, true, false},
      {HeaderOf(CandidateColumn::PeakMargin), true, true, false},
      {kRmsThrustHeader, true, true, false},
      {kPeakThrustHeader, true, true, false},
      {HeaderOf(CandidateColumn::CoilTemp), true, true, false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "추가 질량(kg)"), true, true, false},
      {kBusVoltageNeededHeader, true, true, false},
      {kVoltageCheckHeader, false, true, true},
      {HeaderOf(CandidateColumn::PeakCurrent), true, true, false},
      {HeaderOf(CandidateColumn::PeakCurrentShare), true, false, false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류 확인"), false, true, true},
      {HeaderOf(CandidateColumn::RmsCurrent), true, true, false},
      {HeaderOf(CandidateColumn::RmsCurrentShare), true, false, false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "연속 전류 확인"), false, true, true},
      {kTopSpeedHeader, true, false, false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "공급 에너지(J)"), true, false, false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "회생 에너지(J)"), true, true, false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 회생 전력(W)"), true, false, false},
      {HeaderOf(CandidateColumn::CopperLoss), true, false, false},
  }};
  return columns;
}

std::string CycleColumnText(CycleColumn column, const CycleRowView& row, bool family) {
  const MotorRecord& m = *row.record;
  const CycleRowRating& r = *row.rating;
  const CycleDriveRating& d = *row.drive;
  switch (column) {
    case CycleColumn::Name: return std::string(m.name);
    case CycleColumn::Series: return SeriesText(m, family);
    case CycleColumn::Number: return m.user ? std::string("-") : std::to_string(m.Number());
    case CycleColumn::Verdict: return std::string(VerdictText(d.verdict));
    case CycleColumn::RatedDuty: return Fixed(r.ratedDuty, 1);
    case CycleColumn::PeakDuty: return Fixed(r.peakDuty, 1);
    case CycleColumn::RatedMargin: return Fixed(r.ratedMargin, 1);
    case CycleColumn::PeakMargin: return Fixed(r.peakMargin, 1);
    case CycleColumn::RmsThrust: return Fixed(r.rmsThrust, 1);
    case CycleColumn::PeakThrust: return Fixed(r.peakThrust, 1);
    case CycleColumn::CoilTemp: return Fixed(r.coilTemp, 1);
    case CycleColumn::Headroom: return HeadroomText(r.headroomKg);
    case CycleColumn::BusVoltageNeeded: return Fixed(d.busVoltageNeeded, 1);
    case CycleColumn::VoltageCheck: return std::string(CheckText(d.voltage));
    case CycleColumn::PeakCurrent: return Fixed(d.peakCurrent, 2);
    case CycleColumn::PeakCurrentShare: return Fixed(d.peakCurrentShare, 1);
    case CycleColumn::PeakCurrentCheck: return std::string(CheckText(d.peakCurrentCheck));
    case CycleColumn::RmsCurrent: return Fixed(d.rmsCurrent, 2);
    case CycleColumn::RmsCurrentShare: return Fixed(d.rmsCurrentShare, 1);
    case CycleColumn::ContinuousCurrentCheck: return std::string(CheckText(d.continuousCurrentCheck));
    case CycleColumn::TopSpeed: return d.topSpeed ? Fixed(*d.topSpeed, 3) : std::string("-");
    case CycleColumn::EnergyIn: return Fixed(d.energyIn, 2);
    case CycleColumn::EnergyReturned: return Fixed(d.energyReturned, 2);
    case CycleColumn::PeakReturnedPower: return Fixed(d.peakReturnedPower, 1);
    case CycleColumn::CopperLoss: return Fixed(d.copperLoss, 2);
  }
  return {};
}

double CycleColumnValue(CycleColumn column, const CycleRowView& row) {
  const MotorRecord& m = *row.record;
  const CycleRowRating& r = *row.rating;
  const CycleDriveRating& d = *row.drive;
  switch (column) {
    case CycleColumn::Name: break;
    case CycleColumn::Series: return m.HasSeries() ? m.series : std::nan("");
    case CycleColumn::Number: return m.HasSeries() ? m.Number() : std::nan("");
    case CycleColumn::Verdict: return static_cast<double>(d.verdict);
    case CycleColumn::RatedDuty: return r.ratedDuty;
    case CycleColumn::PeakDuty: return r.peakDuty;
    case CycleColumn::RatedMargin: return r.ratedMargin;
    case CycleColumn::PeakMargin: return r.peakMargin;
    case CycleColumn::RmsThrust: return r.rmsThrust;
    case CycleColumn::PeakThrust: return r.peakThrust;
    case CycleColumn::CoilTemp: return r.coilTemp;
    case CycleColumn::Headroom: return Optional(r.headroomKg);
    case CycleColumn::BusVoltageNeeded: return d.busVoltageNeeded;
    case CycleColumn::VoltageCheck: return CheckOrder(d.voltage);
    case CycleColumn::PeakCurrent: return d.peakCurrent;
    case CycleColumn::PeakCurrentShare: return d.peakCurrentShare;
    case CycleColumn::PeakCurrentCheck: return CheckOrder(d.peakCurrentCheck);
    case CycleColumn::RmsCurrent: return d.rmsCurrent;
    case CycleColumn::RmsCurrentShare: return d.rmsCurrentShare;
    case CycleColumn::ContinuousCurrentCheck: return CheckOrder(d.continuousCurrentCheck);
    case CycleColumn::TopSpeed: return Optional(d.topSpeed);
    case CycleColumn::EnergyIn: return d.energyIn;
    case CycleColumn::EnergyReturned: return d.energyReturned;
    case CycleColumn::PeakReturnedPower: return d.peakReturnedPower;
    case CycleColumn::CopperLoss: return d.copperLoss;
  }
  return std::nan("");
}

const std::array<SegmentColumnInfo, kSegmentColumnCount>& SegmentColumns() {
  static const std::array<SegmentColumnInfo, kSegmentColumnCount> columns{{
      {kSegmentHeader, true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "종류"), false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "프로파일"), false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "이동 거리(mm)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "시간(s)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "최고 속도(m/s)"), true},
  }};
  return columns;
}

std::string_view SegmentTypeName(SegmentType type) { return type == SegmentType::Move ? "move" : "dwell"; }

std::string SegmentColumnText(SegmentColumn column, const Cycle& cycle, const CyclePlan& plan, std::size_t segment) {
  const SegmentPlan& sp = plan.segments[segment];
  const bool move = cycle.segments[segment].type == SegmentType::Move;
  switch (column) {
    case SegmentColumn::Number: return std::to_string(segment + 1);
    case SegmentColumn::Type: return std::string(SegmentTypeName(cycle.segments[segment].type));
    case SegmentColumn::Profile: return std::string(ProfileName(sp.profile));
    case SegmentColumn::Distance: return move ? Fixed(cycle.segments[segment].distanceMm, 1) : "-";
    case SegmentColumn::Duration: return Fixed(sp.duration, 3);
    case SegmentColumn::PeakVelocity: return move ? Fixed(sp.peakVelocity, 3) : "-";
  }
  return {};
}

}  // namespace brivane
