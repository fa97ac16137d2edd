// The move document: the move file open in the window, its unsaved changes, and the window's
// title that names it. The file menu (CFileMenu) runs its commands.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "engine/FormValues.h"

class QMainWindow;

namespace brivane {
enum class MoveFileProblem;
}  // namespace brivane

namespace brivane::ui {

class CBrivaneView;
class FileDialogs;
class MessageSink;

class CMoveDocument : public QObject {
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

  // The commands; each that replaces the form asks about unsaved changes first.
  void NewMove();
  bool Open();                         // asks for the file
  bool OpenFile(const QString& path);  // false when refused, cancelled or unreadable
  bool Save();
  bool SaveAs();
  bool ExportPdf();                       // asks for the file
  bool ExportPdfTo(const QString& path);  // the same PDF, to `path`

  // Before the window closes: asks about unsaved changes; false when the user cancelled.
  bool MayClose();

  QString FilePath() const { return m_path; }
  bool IsModified() const { return m_modified; }

 signals:
  // A file was opened or saved: the recent files have changed.
  void RecentFilesChanged();

 private:
  static QString ProblemText(MoveFileProblem problem);
  bool MaySaveChanges();  // true when the form's changes are saved or may be dropped
  bool ReadInto(const QString& path);
  bool WriteTo(const QString& path);
  void SetDocument(const QString& path);
  void SetModified(bool modified);
  void UpdateTitle();
  // The file's name, or the untitled form's.
  QString DocumentName() const;
  void RememberFolder(const QString& path);
  QString StartFolder() const;

  QMainWindow& m_frame;
  CBrivaneView& m_view;
  MessageSink& m_messages;
  FileDialogs& m_dialogs;
  QString m_plainTitle;
  QString m_path;
  bool m_modified = false;
  bool m_showing = false;  // the document itself is changing the form
};

}  // namespace brivane::ui
