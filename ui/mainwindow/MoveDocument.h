// The move document: the move file open in the window, its unsaved changes, and the window's
// title that names it (the file machinery of every document, CDocumentFile). The file menu
// (CFileMenu) runs its commands.
#pragma once

#include <QString>

#include <optional>

#include "engine/FormValues.h"
#include "ui/mainwindow/DocumentFile.h"

class QMainWindow;

namespace brivane {
enum class MoveFileProblem;
}  // namespace brivane

namespace brivane::ui {

class CBrivaneView;

class CMoveDocument final : public CDocumentFile {
  Q_OBJECT
 public:
  // The frame's title at this point is the plain title.
  CMoveDocument(QMainWindow& frame, CBrivaneView& view, MessageSink& messages, FileDialogs& dialogs);

  // A move file read and checked whole: its values, or why not in the words the window shows.
  struct Reading {
    std::optional<FormValues> values;
    QString error;
  };
  static Reading ReadFile(const QString& path);

  // After the form's first update: the form as it is counts as unchanged.
  void Start();

  void NewMove() { New(); }
  bool ExportPdf();                       // asks for the file
  bool ExportPdfTo(const QString& path);  // the same PDF, to `path`

 protected:
  void Clear() override;
  QString Read(const QString& path) override;
  void Opened() override;
  QString Write(const QString& path) override;
  bool MayWrite() override;

 private:
  static QString ProblemText(MoveFileProblem problem);

  CBrivaneView& m_view;
  bool m_showing = false;  // the document itself is changing the form
  bool m_held = true;      // the form holds the file opened last as it is
};

}  // namespace brivane::ui
