// The main window: fixed title, the menu, the status bar and the form inside.
#pragma once

#include <QMainWindow>

class QLabel;

namespace brivane {
struct SelectionRecord;
}

namespace brivane::ui {

class CBrivaneView;
class MessageSink;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  CMainFrame(SelectionRecord& record, MessageSink& messages, QWidget* parent = nullptr);

  // Runs the form's initial update and shrinks the window to fit the form.
  void InitialUpdate();

  void OnAppAbout();

 private:
  CBrivaneView* m_view = nullptr;
  QLabel* m_idleText = nullptr;
};

}  // namespace brivane::ui
