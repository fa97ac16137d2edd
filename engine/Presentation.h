// Display texts of the form's results and the data of the velocity-profile chart.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/Translatable.h"
#include "engine/Motion.h"

namespace brivane {

// One shown value of the load analysis: the form's group "부하 분석 DATA", its two temperatures,
// the command line's text and JSON.
struct AnalysisRow {
  float LoadAnalysis::*value;
  std::string_view label;
  std::string_view unit;
  int decimals;  // "%.*f"
  std::string_view jsonKey;
};

inline constexpr std::array<AnalysisRow, 8> kAnalysisRows{{
    {&LoadAnalysis::rmsThrust, QT_TRANSLATE_NOOP("brivane::EngineTexts", "평균 추력"), "N", 1, "rmsThrust"},
    {&LoadAnalysis::peakThrust, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력"), "N", 1, "peakThrust"},
    {&LoadAnalysis::accelTime, QT_TRANSLATE_NOOP("brivane::EngineTexts", "가감속 시간"), "sec", 3, "accelTime"},
    {&LoadAnalysis::constTime, QT_TRANSLATE_NOOP("brivane::EngineTexts", "등속 시간"), "sec", 3, "constTime"},
    {&LoadAnalysis::totalTime, QT_TRANSLATE_NOOP("brivane::EngineTexts", "총 소요 시간"), "sec", 3, "totalTime"},
    {&LoadAnalysis::accelDistance, QT_TRANSLATE_NOOP("brivane::EngineTexts", "가감속 거리"), "mm", 1, "accelDistance"},
    {&LoadAnalysis::constDistance, QT_TRANSLATE_NOOP("brivane::EngineTexts", "등속 거리"), "mm", 1, "constDistance"},
    {&LoadAnalysis::totalDistance, QT_TRANSLATE_NOOP("brivane::EngineTexts", "총 이동거리"), "mm", 1, "totalDistance"},
}};

// The ambient temperature as the check read it (whole degrees), then the coil temperature.
inline constexpr std::array<AnalysisRow, 2> kTemperatureRows{{
    {&LoadAnalysis::ambientTemp, QT_TRANSLATE_NOOP("brivane::EngineTexts", "주위온도"), "℃", 0, "ambientTemp"},
    {&LoadAnalysis::coilTemp, QT_TRANSLATE_NOOP("brivane::EngineTexts", "코일부온도"), "℃", 1, "coilTemp"},
}};

// "%.1f" of rated then peak duty ratio, per series in series order.
std::array<std::string, 6> FormatDutyTexts(const std::array<DutyResult, 3>& duties);

struct AnalysisTexts {
  std::array<std::string, 8> analysis;  // in the order and with the decimals of kAnalysisRows
  std::string ambient;                  // "%.f"
  std::string coil;                     // "%.1f"
};
AnalysisTexts FormatAnalysisTexts(const LoadAnalysis& a);
// One value of the analysis with its row's decimals.
std::string FormatAnalysisValue(const LoadAnalysis& a, const AnalysisRow& row);

// The velocity over time on a label axis: five labels at positions 0..4, the data point i at
// position i (so the widths of the segments do not follow the durations).
struct ProfileChartData {
  std::array<std::string, 5> labels;
  std::array<double, 5> velocities{};
  int pointCount = 0;  // 5 for the empty chart, 4 for a profile (nothing at the dwell's end)
};

// The placeholder shown at start and after a reset.
ProfileChartData EmptyProfileChart();
// The profile of an analysed move; nothing when the constant-velocity distance is not positive
// (the chart then keeps what it showed).
std::optional<ProfileChartData> MakeProfileChart(const LoadAnalysis& a, float peakVelocity);

// How a checked result stands against what the motor may take. The texts stay as they are; the
// window marks the values with it.
enum class ResultAlert {
  None,
  AboveLimit,  // a duty ratio the selection would refuse under the chosen limit
  AboveFull,   // a duty ratio above 100 %, or a coil temperature above kMaxCoilTempC
};

// The coil temperature the form asks to stay under ("90도 이하 사용할 것"), degC.
inline constexpr float kMaxCoilTempC = 90.0f;

// The words of the verdicts that the command line prints and the PDF shows beside the numbers.
inline constexpr std::string_view kNoFittingModelText =
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "적합한 모델 없음");  // a series without a fit
inline constexpr std::string_view kCoilVerdictLabel = QT_TRANSLATE_NOOP("brivane::EngineTexts", "온도 판정");
inline constexpr std::string_view kCoolEnoughText =
    QT_TRANSLATE_NOOP("brivane::EngineTexts", " ℃ 이하");  // after kMaxCoilTempC
inline constexpr std::string_view kTooHotText = QT_TRANSLATE_NOOP("brivane::EngineTexts", " ℃ 초과");

// A duty ratio against 100 % and against its limit in percent (none: no limit chosen). At the
// limit already counts, as the selection takes only ratios strictly under it.
ResultAlert DutyAlert(float ratio, std::optional<int> limitPercent);
ResultAlert CoilAlert(float coilTemp);

// One time label: whole milliseconds of a single-precision product, halves rounded up.
std::string ChartTimeLabel(float milliseconds);

}  // namespace brivane
