#include "ui/output/BatchExport.h"

#include <cstdio>

#include "engine/Selection.h"
#include "engine/Utf8.h"
#include "ui/form/BrivaneView.h"
#include "ui/widgets/FileDialogs.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/widgets/MessageSink.h"
#include "ui/mainwindow/MoveDocument.h"

namespace brivane::ui {
namespace {

// The window's messages as lines on stderr; nothing is asked.
class StderrMessageSink final : public MessageSink {
 public:
  void Warn(QWidget*, const QString& text) override {
    // A path from the file or the command line must not drive the terminal: each line of the
    // message with its control characters made visible.
    for (const QString& part : text.split(QLatin1Char('\n'))) {
      const std::string line = VisibleText(part.toStdString());
      std::fprintf(stderr, "brivane: %s\n", line.c_str());
    }
  }
  SaveChoice AskSave(QWidget*, const QString&) override { return SaveChoice::Discard; }
};

}  // namespace

int ExportMoveFileToPdf(const QString& movePath, const QString& pdfPath) {
  SelectionRecord record;
  StderrMessageSink messages;
  ScriptedFileDialogs dialogs;  // none is asked for: the paths are given
  CMainFrame frame(record, messages, nullptr, &dialogs);
  frame.InitialUpdate();
  CMoveDocument& document = frame.Document();
  document.SetRemembering(false);
  if (!document.OpenFile(movePath)) return kExportRefused;
  CBrivaneView& view = frame.View();
  if (!view.RunSelection()) return kExportFailed;
  // A refused check is written too (the PDF says it was refused), but it is no success.
  const bool checked = view.Values().model.empty() || view.CheckModelDuty();
  return document.ExportPdfTo(pdfPath) && checked ? 0 : kExportFailed;
}

}  // namespace brivane::ui
