// The PDF report: one A4 document of what the form shows (the move, the limits, the selection of
// the three series, the checked model's analysis and temperatures, the velocity chart, the
// data sheets the show boxes pick and the checked model's). Korean text is written as text in an
// embedded Hangul font.
#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

#include "engine/Session.h"

namespace brivane::ui {

struct PdfReportContent {
  QString title;  // the window's title without a file name
  QDate date;
  FormValues values;
  std::optional<SelectionOutcome> selection;  // none: no selection since the start or the reset
  std::optional<DutyCheckOutcome> check;      // the check whose analysis is on show; none: none
  ProfileChartData chart;                     // what the chart draws
  std::vector<SeriesSheet> sheets;
};

// What the report of a session shows: the values as the form last read them, its results, the
// data sheets of the selected models whose show boxes are ticked, and that of the model of a
// completed duty check when it is not among them (the record is left as it is).
PdfReportContent CollectPdfReport(const Session& session, const QString& title, const QDate& date);

// Writes the report to `path` through a save file: an empty string when written, otherwise why
// not (an existing file is then left as it was).
QString WritePdfReport(const PdfReportContent& content, const QString& path);

// The report of `session` as of today, written to `path`: an empty text, or why not in the
// words the window shows (naming the file).
QString ExportPdfReport(const Session& session, const QString& title, const QString& path);

}  // namespace brivane::ui
