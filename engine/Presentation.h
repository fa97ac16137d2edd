// Display texts of the form's results and the data of the velocity-profile chart.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/Motion.h"

namespace brivane {

// "%.1f" of rated then peak duty ratio, per series in series order.
std::array<std::string, 6> FormatDutyTexts(const std::array<DutyResult, 3>& duties);

struct AnalysisTexts {
  // rmsThrust, peakThrust ("%.1f"), accelTime, constTime, totalTime ("%.3f"),
  // accelDistance, constDistance, totalDistance ("%.1f")
  std::array<std::string, 8> analysis;
  std::string ambient;  // "%.f"
  std::string coil;     // "%.1f"
};
AnalysisTexts FormatAnalysisTexts(const LoadAnalysis& a);

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

// One time label: whole milliseconds of a single-precision product, halves rounded up.
std::string ChartTimeLabel(float milliseconds);

}  // namespace brivane
