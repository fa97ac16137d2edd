// The PDF report: one A4 document of what the form shows (the move, the limits, the selection of
// the three series, the checked model's analysis and temperatures, the velocity chart and the
// data sheets the show boxes pick). Korean text is written as text in an embedded Hangul font.
#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>

#include "engine/DataSheet.h"
#include "engine/FormValues.h"
#include "ui/form/BrivaneView.h"

namespace brivane::ui {

struct PdfReportContent {
  QString title;  // the window's title without a file name
  QDate date;
  FormValues values;
  ShownResults results;
  std::array<std::optional<DataSheetTexts>, 3> sheets;  // in series order; none: not picked
};

// What the report of the form shows now: the form's values as last read, its results, and the
// data sheets of the selected models whose show boxes are ticked (from a copy of the record, so
// the record is left as it is).
PdfReportContent CollectPdfReport(const CBrivaneView& view, const SelectionRecord& record, const QString& title,
                                  const QDate& date);

// Writes the report to `path` through a save file: an empty string when written, otherwise why
// not (an existing file is then left as it was).
QString WritePdfReport(const PdfReportContent& content, const QString& path);

}  // namespace brivane::ui
