#include "engine/DataSheet.h"

#include "engine/NumberText.h"

namespace brivane {

DataSheetTexts MakeDataSheetTexts(const SelectionRecord& record, MotorSeries series, const MotorCatalog& catalog) {
  const SeriesRecord& entry = record.of(series);
  std::array<float, kDataSheetFields.size()> values{};
  DataSheetTexts texts;
  // A number outside the series leaves the name empty and the fields 0; the ratios are shown
  // regardless.
  const std::int32_t number = entry.shownNumber;
  if (number >= 1 && number <= MotorCatalog::SeriesCount(series)) {
    if (const auto index = catalog.FindBySeriesNumber(series, number)) {
      const MotorRecord& row = catalog.at(*index);
      texts.model = entry.shownName;
      for (std::size_t i = 0; i < values.size(); ++i) values[i] = kDataSheetFields[i].value(row);
    }
  }
  for (std::size_t i = 0; i < values.size(); ++i) texts.values[i] = FormatGeneral6(static_cast<double>(values[i]));
  texts.ratedDuty = FormatFixed(static_cast<double>(entry.duty.ratedDuty), 1);
  texts.peakDuty = FormatFixed(static_cast<double>(entry.duty.peakDuty), 1);
  return texts;
}

}  // namespace brivane
