// The main window: fixed title, the menus, the status bar and the form inside.
#pragma once

#include <QMainWindow>

#include <memory>

class QMenu;

namespace brivane {
class Session;
}

namespace brivane::ui {

class CBrivaneView;
class CFileMenu;
class CMoveDocument;
class FileDialogs;
class MessageSink;
class MotorCatalogs;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // The form shows `session`, the process-wide one. The file menu asks for paths through
  // `dialogs`; none: the real file dialogs.
  CMainFrame(Session& session, MessageSink& messages, QWidget* parent = nullptr, FileDialogs* dialogs = nullptr);
  ~CMainFrame() override;

  // Runs the form's initial update, shrinks the window to fit the form, then takes the
  // remembered geometry. Reads the user's motor catalogs; once the window is up, one notice names
  // every file left out and why.
  void InitialUpdate();
  // "모터 목록…": the dialog of the user's motor catalog files.
  void OpenMotorCatalogs();

  void OnAppAbout();

  // The window's title, which stays whatever file is open (a file's name goes before it).
  static QString Title();

  CBrivaneView& View() { return *m_view; }
  CMoveDocument& Document() { return *m_document; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The menus in the order they stand on the bar, after the file menu.
  void AddViewMenu();
  void AddInfoMenu();
  void BuildStatusBar();
  void BuildForm(Session& session, MessageSink& messages);
  // Each menu in the bar set up as a menu of the window (SetUpMenu): its font and its room.
  void SetMenuFonts();
  void RestoreGeometry();

  MessageSink& m_messages;
  std::unique_ptr<FileDialogs> m_ownDialogs;
  FileDialogs* m_dialogs = nullptr;
  CBrivaneView* m_view = nullptr;
  MotorCatalogs* m_motorCatalogs = nullptr;
  CMoveDocument* m_document = nullptr;
  bool m_staleHintPlaced = false;  // the stale-results hint has joined the status bar
  bool m_keepGeometry = true;      // the remembered geometry was taken (or there was none)
  int m_formWidth = 0;             // the window width that shows the whole form
};

}  // namespace brivane::ui
