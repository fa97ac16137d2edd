// The window program: one main window over the form, until it is closed. `brivane FILE` opens a
// move file at start; `brivane --export-pdf OUT.pdf MOVE-FILE` writes the PDF report of a move file
// without showing a window.
#include <QApplication>

#include <cstring>
#include <iostream>

#include "engine/Session.h"
#include "report/Report.h"
#include "ui/app/AppSetup.h"
#include "ui/output/BatchExport.h"
#include "ui/app/Language.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/widgets/DialogMessageSink.h"
#include "ui/mainwindow/MoveDocument.h"

int main(int argc, char* argv[]) {
  brivane::PrepareProcessForReports();
  // Answered before the application exists, so that it needs no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "brivane " BRIVANE_VERSION "\n";
    return 0;
  }
  // A wrong language is refused before the application exists, so that it needs no display.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const brivane::ui::LanguageOption language = brivane::ui::ParseLanguageOption(arguments);
  if (!language.error.isEmpty()) {
    std::cerr << "brivane: " << language.error.toStdString() << "\n";
    return 64;
  }
  const bool exporting = language.rest.value(0) == QLatin1String("--export-pdf");
  // A report made in a batch needs no display.
  if (exporting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // takes the Qt options out of the arguments
  brivane::ui::SetUpApplication();
  brivane::ui::AvoidUnusableSettings();  // before anything reads the settings
  brivane::ui::InstallLanguage(brivane::ui::StartLanguage(
      language.language, brivane::ui::StoredLanguage(), brivane::ui::SystemLocale()));
  QStringList args = QApplication::arguments();  // the program, then the arguments Qt left
  args = QStringList{args.value(0)} + brivane::ui::ParseLanguageOption(args.mid(1)).rest;
  if (exporting) {
    if (args.size() != 4) {
      std::cerr << "usage: brivane --export-pdf OUT.pdf MOVE-FILE\n";
      return brivane::ui::kExportRefused;
    }
    return brivane::ui::ExportMoveFileToPdf(args.at(3), args.at(2));
  }
  if (args.size() > 2) {
    std::cerr << "usage: brivane [MOVE-FILE]\n";
    return brivane::ui::kExportRefused;
  }

  // The form's session, with the process-wide record of the last selection.
  static brivane::Session session;
  brivane::ui::DialogMessageSink messages;
  brivane::ui::CMainFrame frame(session, messages);
  frame.InitialUpdate();
  frame.show();
  if (args.size() == 2) frame.Document().OpenFile(args.at(1));
  return QApplication::exec();
}
