// The main window: fixed title, the menu, the status bar and the form inside.
#pragma once

#include <QMainWindow>

#include <memory>

class QLabel;

namespace brivane {
class Session;
}

namespace brivane::ui {

class CBrivaneView;
class CMoveDocument;
class FileDialogs;
class MessageSink;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // The file menu asks for paths through `dialogs`; none: the real file dialogs.
  // The form shows `session`, the process-wide one.
  CMainFrame(Session& session, MessageSink& messages, QWidget* parent = nullptr, FileDialogs* dialogs = nullptr);
  ~CMainFrame() override;

  // Runs the form's initial update, shrinks the window to fit the form, then takes the
  // remembered geometry.
  void InitialUpdate();

  void OnAppAbout();

  // The window's title, which stays whatever file is open (a file's name goes before it).
  static QString Title();

  CBrivaneView& View() { return *m_view; }
  CMoveDocument& Document() { return *m_document; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<FileDialogs> m_ownDialogs;
  CBrivaneView* m_view = nullptr;
  CMoveDocument* m_document = nullptr;
  QLabel* m_idleText = nullptr;
  bool m_staleHintPlaced = false;  // the stale-results hint has joined the status bar
};

}  // namespace brivane::ui
