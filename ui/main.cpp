// The window program: one main window over the form, until it is closed.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "engine/Selection.h"
#include "report/Report.h"
#include "ui/AppSetup.h"
#include "ui/Language.h"
#include "ui/MainFrame.h"
#include "ui/MessageSink.h"

int main(int argc, char* argv[]) {
  brivane::PrepareProcessForReports();
  // Answered before the application exists, so that it needs no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "brivane " BRIVANE_VERSION "\n";
    return 0;
  }
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const brivane::ui::LanguageOption language = brivane::ui::ParseLanguageOption(arguments);
  if (!language.error.isEmpty()) {
    std::cerr << "brivane: " << language.error.toStdString() << "\n";
    return 64;
  }
  QApplication app(argc, argv);
  brivane::ui::SetUpApplication();
  brivane::ui::InstallLanguage(brivane::ui::StartLanguage(
      language.language, brivane::ui::StoredLanguage(brivane::ui::LanguageSettings()), brivane::ui::SystemLocale()));

  static brivane::SelectionRecord record;  // the process-wide record of the last selection
  brivane::ui::DialogMessageSink messages;
  brivane::ui::CMainFrame frame(record, messages);
  frame.InitialUpdate();
  frame.show();
  return QApplication::exec();
}
