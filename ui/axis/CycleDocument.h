// The axis window's document: the cycle in a .brivane-cycle file. A file whose values the checks
// refuse opens with those values marked; a cycle with a marked value is not saved until mended,
// since the file would not read back as what the window rates.
#pragma once

#include <optional>

#include "engine/Cycle.h"
#include "ui/mainwindow/DocumentFile.h"

namespace brivane::ui {

class CAxisWindow;

class CCycleDocument final : public CDocumentFile {
  Q_OBJECT
 public:
  CCycleDocument(CAxisWindow& window, MessageSink& messages, FileDialogs& dialogs);

  // A cycle file read whole: its cycle (the values its checks refuse included), or why not in the
  // words the window shows.
  struct Reading {
    std::optional<Cycle> cycle;
    QString error;
  };
  static Reading ReadFile(const QString& path);

  // `cycle` as a new, untitled document (the form's move), after asking about unsaved changes.
  bool NewFromCycle(const Cycle& cycle);
  // The design as a PDF, to a file asked for.
  bool ExportPdf();

 protected:
  void Clear() override;
  QString Read(const QString& path) override;
  QString Write(const QString& path) override;
  bool MayWrite() override;

 private:
  void Show(const Cycle& cycle);

  CAxisWindow& m_window;
  bool m_showing = false;  // the document itself is changing the cycle
};

}  // namespace brivane::ui
