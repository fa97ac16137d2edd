// The window program: one main window over the form, until it is closed.
#include <QApplication>

#include "AppSetup.h"
#include "MainFrame.h"
#include "MessageSink.h"
#include "Selection.h"
#include "report/Report.h"

int main(int argc, char* argv[]) {
  brivane::PrepareProcessForReports();
  QApplication app(argc, argv);
  brivane::ui::SetUpApplication();

  static brivane::SelectionRecord record;  // the process-wide record of the last selection
  DialogMessageSink messages;
  CMainFrame frame(record, messages);
  frame.InitialUpdate();
  frame.show();
  return QApplication::exec();
}
