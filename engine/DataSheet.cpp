#include "engine/DataSheet.h"

#include "engine/NumberText.h"

namespace brivane {
namespace {

DataSheetTexts SheetTexts(const std::array<float, kDataSheetFields.size()>& values, const DutyResult& duty) {
  DataSheetTexts texts;
  for (std::size_t i = 0; i < values.size(); ++i) texts.values[i] = FormatGeneral6(static_cast<double>(values[i]));
  texts.ratedDuty = FormatFixed(static_cast<double>(duty.ratedDuty), 1);
  texts.peakDuty = FormatFixed(static_cast<double>(duty.peakDuty), 1);
  return texts;
}

std::array<float, kDataSheetFields.size()> FieldValues(const MotorRecord& row) {
  std::array<float, kDataSheetFields.size()> values{};
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = kDataSheetFields[i].value(row);
  return values;
}

}  // namespace

DataSheetTexts MakeDataSheetTexts(const SelectionRecord& record, MotorSeries series, const MotorCatalog& catalog) {
  const SeriesRecord& entry = record.of(series);
  // A number outside the series leaves the name empty and the fields 0; the ratios are shown
  // regardless.
  const std::int32_t number = entry.shownNumber;
  if (number >= 1 && number <= MotorCatalog::SeriesCount(series)) {
    if (const auto index = catalog.FindBySeriesNumber(series, number)) {
      DataSheetTexts texts = SheetTexts(FieldValues(catalog.at(*index)), entry.duty);
      texts.model = entry.shownName;
      return texts;
    }
  }
  return SheetTexts({}, entry.duty);
}

DataSheetTexts MakeDataSheetTexts(const MotorRecord& row, const DutyResult& duty) {
  DataSheetTexts texts = SheetTexts(FieldValues(row), duty);
  texts.model = std::string(row.name);
  return texts;
}

}  // namespace brivane
