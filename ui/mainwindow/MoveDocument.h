// The file menu's controller: the move file open in the window, its unsaved changes, the recent
// files, the PDF export and what is remembered between runs (the recent files, the window's
// geometry and the last folder, in the desktop's usual settings place).
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QAction;
class QMainWindow;
class QMenu;

#include <optional>

#include "engine/FormValues.h"

namespace brivane {
enum class MoveFileProblem;
class Session;
}  // namespace brivane

namespace brivane::ui {

class CBrivaneView;
class FileDialogs;
class MessageSink;

inline constexpr int kRecentFileCount = 4;

// `recent` with `path` put first, without another entry of the same file, at most four entries.
QStringList WithRecentFile(QStringList recent, const QString& path);

class CMoveDocument : public QObject {
  Q_OBJECT
 public:
  // Adds the file menu ("파일(F)") to the frame's menu bar, first. The frame's title at this point
  // is the plain title.
  CMoveDocument(QMainWindow& frame, CBrivaneView& view, MessageSink& messages, FileDialogs& dialogs);

  // A move file read and checked whole: its values, or why not in the words the window shows.
  struct Reading {
    std::optional<FormValues> values;
    QString error;
  };
  static Reading ReadFile(const QString& path);
  // Writes the PDF report of `session` to `path`: an empty text, or why not as the window says it.
  static QString WritePdf(const Session& session, const QString& title, const QString& path);

  // After the form's first update: the form as it is counts as unchanged; the window takes the
  // remembered geometry.
  void Start();

  // The menu's commands; each that replaces the form asks about unsaved changes first.
  void NewMove();
  bool Open();                         // asks for the file
  bool OpenFile(const QString& path);  // false when refused, cancelled or unreadable
  bool Save();
  bool SaveAs();
  bool ExportPdf();                       // asks for the file
  bool ExportPdfTo(const QString& path);  // the same PDF, to `path`

  // Before the window closes: asks about unsaved changes; false when the user cancelled. When it
  // gives true, the window's geometry has been remembered.
  bool MayClose();

  QString FilePath() const { return m_path; }
  bool IsModified() const { return m_modified; }
  QStringList RecentFiles() const;

 private:
  static QString ProblemText(MoveFileProblem problem);
  bool MaySaveChanges();  // true when the form's changes are saved or may be dropped
  bool ReadInto(const QString& path);
  bool WriteTo(const QString& path);
  void SetDocument(const QString& path);
  void SetModified(bool modified);
  void UpdateTitle();
  void UpdateRecentMenu();
  void RememberFolder(const QString& path);
  QString StartFolder() const;

  QMainWindow& m_frame;
  CBrivaneView& m_view;
  MessageSink& m_messages;
  FileDialogs& m_dialogs;
  QString m_plainTitle;
  QString m_path;
  bool m_modified = false;
  bool m_showing = false;
  bool m_keepGeometry = true;  // the remembered geometry was taken (or there was none)
  std::array<QAction*, kRecentFileCount> m_recent{};
};

}  // namespace brivane::ui
