// The window program: one main window over the form, until it is closed.
#include <QApplication>

#include "ui/AppSetup.h"
#include "ui/MainFrame.h"
#include "ui/MessageSink.h"
#include "engine/Selection.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  brivane::ui::SetUpApplication();

  static brivane::SelectionRecord record;  // the process-wide record of the last selection
  DialogMessageSink messages;
  CMainFrame frame(record, messages);
  frame.InitialUpdate();
  frame.show();
  return QApplication::exec();
}
