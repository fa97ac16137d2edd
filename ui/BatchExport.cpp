#include "ui/BatchExport.h"

#include <cstdio>

#include "engine/Selection.h"
#include "ui/BrivaneView.h"
#include "ui/FileDialogs.h"
#include "ui/MainFrame.h"
#include "ui/MessageSink.h"
#include "ui/MoveDocument.h"

namespace brivane::ui {
namespace {

// The window's messages as lines on stderr; nothing is asked.
class StderrMessageSink final : public MessageSink {
 public:
  void Warn(QWidget*, const QString& text) override {
    const QByteArray line = text.toUtf8();
    std::fprintf(stderr, "brivane: %s\n", line.constData());
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
  if (!view.Values().model.empty()) view.CheckModelDuty();
  return document.ExportPdfTo(pdfPath) ? 0 : kExportFailed;
}

}  // namespace brivane::ui
