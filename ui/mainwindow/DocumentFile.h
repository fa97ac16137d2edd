// A document a window keeps in a file: its path, whether it has unsaved changes, the window title
// that names it, the recent files it joins and the folder the dialogs start in, and the commands
// new, open, save and save as, each that replaces the document asking about unsaved changes first.
// What the document holds and how it is read and written is the subclass's.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string_view>

#include "ui/app/Settings.h"

class QWidget;

namespace brivane::ui {

class FileDialogs;
class MessageSink;

class CDocumentFile : public QObject {
  Q_OBJECT
 public:
  struct Kind {
    Settings::Key recentFiles;   // the list its files join
    QString filter;              // the file dialogs' filter: "Brivane 이동 파일 (*.brivane)"
    std::string_view extension;  // added to a name saved without one: ".brivane"
    QString untitled;            // what the question calls a document never saved
  };
  // The window's title at this point is the plain title, which a file's name is put before.
  CDocumentFile(QWidget& window, MessageSink& messages, FileDialogs& dialogs, Kind kind);

  void New();
  // A new document shown by `show` (a document made elsewhere, untitled), once the changes on show
  // are saved or may be dropped; false when the user cancelled.
  bool NewWith(const std::function<void()>& show);
  bool Open();                         // asks for the file
  bool OpenFile(const QString& path);  // false when refused, cancelled or unreadable
  bool Save();
  bool SaveAs();
  // Before the window closes: asks about unsaved changes; false when the user cancelled.
  bool MayClose();

  QString FilePath() const { return m_path; }
  bool IsModified() const { return m_modified; }
  Settings::Key RecentList() const { return m_kind.recentFiles; }

  // The document's content was edited (the subclass hears it from its view).
  void SetModified(bool modified);

  // Where a PDF of the document goes, asked for with the document's name and ".pdf" suggested
  // (`untitledBase` for a document never saved); empty when the user cancelled.
  QString AskPdfPath(const QString& untitledBase);

  // The folder the file dialogs start in: the last file's, or the home folder.
  static QString StartFolder();
  static void RememberFolder(const QString& path);

 signals:
  // A file was opened or saved: the recent files have changed.
  void RecentFilesChanged();

 protected:
  // The content of a new document shown.
  virtual void Clear() = 0;
  // The file read whole and shown; empty when it was, else why not in the window's words.
  virtual QString Read(const QString& path) = 0;
  // The content written to `path`; empty when it was, else why not (already told, or to tell).
  virtual QString Write(const QString& path) = 0;
  // After a file read and shown has become the document (its name in the title).
  virtual void Opened() {}
  // Whether the content may be written: false when the user must mend it first (and was told).
  virtual bool MayWrite() { return true; }

  QWidget& Window() const { return m_window; }
  MessageSink& Messages() const { return m_messages; }
  QString PlainTitle() const { return m_plainTitle; }

 private:
  bool MaySaveChanges();  // true when the changes are saved or may be dropped
  bool ReadInto(const QString& path);
  bool WriteTo(const QString& path);
  void SetDocument(const QString& path);
  void UpdateTitle();
  // The file's name, or the untitled document's.
  QString DocumentName() const;

  QWidget& m_window;
  MessageSink& m_messages;
  FileDialogs& m_dialogs;
  Kind m_kind;
  QString m_plainTitle;
  QString m_path;
  bool m_modified = false;
};

}  // namespace brivane::ui
