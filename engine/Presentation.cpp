#include "engine/Presentation.h"

#include <cmath>

#include "engine/NumberText.h"

namespace brivane {

std::array<std::string, 6> FormatDutyTexts(const std::array<DutyResult, 3>& duties) {
  std::array<std::string, 6> texts;
  for (std::size_t s = 0; s < duties.size(); ++s) {
    texts[2 * s] = FormatFixed(static_cast<double>(duties[s].ratedDuty), 1);
    texts[2 * s + 1] = FormatFixed(static_cast<double>(duties[s].peakDuty), 1);
  }
  return texts;
}

std::string FormatAnalysisValue(const LoadAnalysis& a, const AnalysisRow& row) {
  return FormatFixed(static_cast<double>(a.*row.value), row.decimals);
}

AnalysisTexts FormatAnalysisTexts(const LoadAnalysis& a) {
  AnalysisTexts t;
  for (std::size_t i = 0; i < kAnalysisRows.size(); ++i) t.analysis[i] = FormatAnalysisValue(a, kAnalysisRows[i]);
  t.ambient = FormatAnalysisValue(a, kTemperatureRows[0]);
  t.coil = FormatAnalysisValue(a, kTemperatureRows[1]);
  return t;
}

std::string ChartTimeLabel(float milliseconds) {
  const float whole = static_cast<float>(std::floor(static_cast<double>(milliseconds) + 0.5));
  return FormatFixed(static_cast<double>(whole), 0);
}

ProfileChartData EmptyProfileChart() {
  ProfileChartData chart;
  chart.labels = {"0", ChartTimeLabel(1000.0f), ChartTimeLabel(2000.0f), ChartTimeLabel(3000.0f),
                  ChartTimeLabel(4000.0f)};
  chart.velocities = {0.0, 1.0, 1.0, 0.0, 0.0};
  chart.pointCount = 5;
  return chart;
}

std::optional<ProfileChartData> MakeProfileChart(const LoadAnalysis& a, float peakVelocity) {
  if (!(a.constDistance > 0.0f)) return std::nullopt;
  const float accelEnd = a.accelTime * 1000.0f;
  const float constEnd = (a.accelTime + a.constTime) * 1000.0f;
  const float decelEnd = (a.accelTime + (a.accelTime + a.constTime)) * 1000.0f;
  const float cycleEnd = a.totalTime * 1000.0f;

  ProfileChartData chart;
  chart.labels = {"0", ChartTimeLabel(accelEnd), ChartTimeLabel(constEnd), ChartTimeLabel(decelEnd),
                  ChartTimeLabel(cycleEnd)};
  const double v = static_cast<double>(peakVelocity);
  chart.velocities = {0.0, v, v, 0.0, 0.0};
  chart.pointCount = 4;  // the dwell, between the last two labels, has no area
  return chart;
}

ResultAlert DutyAlert(float ratio, std::optional<int> limitPercent) {
  if (ratio > 100.0f) return ResultAlert::AboveFull;
  if (limitPercent && !(static_cast<float>(*limitPercent) > ratio)) return ResultAlert::AboveLimit;
  return ResultAlert::None;
}

ResultAlert CoilAlert(float coilTemp) { return coilTemp > kMaxCoilTempC ? ResultAlert::AboveFull : ResultAlert::None; }

}  // namespace brivane
