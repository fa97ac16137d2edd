// The main window: fixed title, the menu, the status bar and the form inside.
#pragma once

#include <QMainWindow>

class CBrivaneView;
class MessageSink;
class QLabel;
namespace brivane {
struct SelectionRecord;
}

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  CMainFrame(brivane::SelectionRecord& record, MessageSink& messages, QWidget* parent = nullptr);

  CBrivaneView* View() const { return m_view; }
  // Runs the form's initial update and shrinks the window to fit the form.
  void InitialUpdate();

  void OnAppAbout();

 private:
  CBrivaneView* m_view = nullptr;
  QLabel* m_idleText = nullptr;
};
