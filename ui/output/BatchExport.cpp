#include "ui/output/BatchExport.h"

#include <cstdio>

#include "engine/Session.h"
#include "engine/Utf8.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/mainwindow/MoveDocument.h"
#include "ui/output/PdfReport.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

void Say(const QString& text) { SayOnStderr(text); }

void Say(const std::vector<Message>& messages) {
  for (const Message& message : messages) Say(MessageText(message));
}

}  // namespace

void SayOnStderr(const QString& text) {
  for (const QString& part : text.split(QLatin1Char('\n'))) {
    const std::string line = VisibleText(part.toStdString());
    std::fprintf(stderr, "brivane: %s\n", line.c_str());
  }
}

int ExportMoveFileToPdf(const QString& movePath, const QString& pdfPath) {
  const CMoveDocument::Reading reading = CMoveDocument::ReadFile(movePath);
  if (!reading.values) {
    Say(reading.error);
    return kExportRefused;
  }
  Session session;
  session.InitialUpdate();
  session.LoadValues(*reading.values);
  const SelectionOutcome selection = session.RunSelection();
  const SelectionMessages said = OrderSelectionMessages(selection);
  Say(said.beforeResults);
  Say(said.afterResults);
  if (!selection.completed) return kExportFailed;
  // A refused check is written too (the PDF says it was refused), but it is no success. A model
  // the catalog does not hold is checked as the form holds it, as none.
  bool checked = true;
  if (!reading.values->model.empty()) {
    const DutyCheckOutcome check = session.CheckModelDuty();
    if (check.message) Say({*check.message});
    checked = check.status == DutyCheckStatus::Completed;
    // The window opens the checked model's data sheet at once, which returns its series in the
    // record to the selection's model; so does the batch, so that its PDF is the window's.
    if (checked) session.ViewSpec();
  }
  const QString error = ExportPdfReport(session, CMainFrame::Title(), pdfPath);
  if (!error.isEmpty()) Say(error);
  return error.isEmpty() && checked ? 0 : kExportFailed;
}

}  // namespace brivane::ui
