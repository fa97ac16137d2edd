// The window program: one main window over the form, until it is closed. `brivane FILE` opens a
// move file at start; `brivane --export-pdf OUT.pdf MOVE-FILE` writes the PDF report of a move file
// without showing a window; `brivane --help` tells the options.
#include <QApplication>

#include <iostream>
#include <optional>

#include "engine/Session.h"
#include "report/Report.h"
#include "ui/app/AppSetup.h"
#include "ui/app/CommandLine.h"
#include "ui/app/Language.h"
#include "ui/axis/AxisPdf.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/mainwindow/MoveDocument.h"
#include "ui/output/BatchExport.h"
#include "ui/widgets/DialogMessageSink.h"

int main(int argc, char* argv[]) {
  brivane::PrepareProcessForReports();
  // A wrong language, --version, --help and a missing display are answered before the
  // application exists, so that they need no display.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const brivane::ui::LanguageOption language = brivane::ui::ParseLanguageOption(arguments);
  if (!language.error.isEmpty()) {
    std::cerr << "brivane: " << language.error.toStdString() << "\n";
    return 64;
  }
  if (const std::optional<int> answered = brivane::ui::AnswerBeforeApplication(language.rest)) return *answered;
  const bool exporting = brivane::ui::IsExport(language.rest);
  // A report made in a batch needs no display.
  if (exporting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // takes the Qt options out of the arguments
  brivane::ui::SetUpApplication();
  brivane::ui::AvoidUnusableSettings();  // before anything reads the settings
  brivane::ui::InstallLanguage(
      brivane::ui::StartLanguage(language.language, brivane::ui::StoredLanguage(), brivane::ui::SystemLocale()));
  QStringList args = QApplication::arguments();  // the program, then the arguments Qt left
  args = QStringList{args.value(0)} + brivane::ui::ParseLanguageOption(args.mid(1)).rest;
  if (exporting) {
    const bool axis = args.at(1) == QLatin1String("--export-axis-pdf");
    if (args.size() != 4) {
      std::cerr << (axis ? "usage: brivane --export-axis-pdf OUT.pdf CYCLE-FILE\n"
                         : "usage: brivane --export-pdf OUT.pdf MOVE-FILE\n");
      return brivane::ui::kExportRefused;
    }
    return axis ? brivane::ui::ExportCycleFileToPdf(args.at(3), args.at(2))
                : brivane::ui::ExportMoveFileToPdf(args.at(3), args.at(2));
  }
  if (const std::optional<int> refused = brivane::ui::RefuseUnknownOptions(args.mid(1))) return *refused;
  if (args.size() > 2) {
    std::cerr << brivane::ui::kUsage;
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
