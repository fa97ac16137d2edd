// What a data-sheet window shows for one series: computed here from the record, so the window
// takes it as a value and never reaches into the record.
#pragma once

#include <array>
#include <string>

#include "catalog/DataSheetFields.h"
#include "catalog/MotorCatalog.h"
#include "engine/Selection.h"

namespace brivane {

struct DataSheetTexts {
  std::string model;                                        // empty when the shown number is no model of the series
  std::array<std::string, kDataSheetFields.size()> values;  // "%g" of each field; "0" without a model
  std::string ratedDuty;                                    // "%.1f", shown with or without a model
  std::string peakDuty;
};

DataSheetTexts MakeDataSheetTexts(const SelectionRecord& record, MotorSeries series,
                                  const MotorCatalog& catalog = MotorCatalog::Instance());

// The sheet of any row with the ratios it was rated at: one of the user's motors, opened from a
// comparison.
DataSheetTexts MakeDataSheetTexts(const MotorRecord& row, const DutyResult& duty);

}  // namespace brivane
