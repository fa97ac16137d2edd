#include "ui/app/CommandLine.h"

#include <QByteArray>

#include <iostream>

#include "ui/output/BatchExport.h"

namespace brivane::ui {

const char* const kUsage =
    "usage: brivane [--lang ko|en] [Qt options] [MOVE-FILE]\n"
    "       brivane --export-pdf OUT.pdf MOVE-FILE\n"
    "       brivane --export-axis-pdf OUT.pdf CYCLE-FILE\n"
    "       brivane --version | --help\n"
    "\n"
    "  --lang ko|en                   the window in Korean or English\n"
    "  MOVE-FILE                      a move file (.brivane) to open at start\n"
    "  --export-pdf OUT.pdf MOVE-FILE the PDF report of a move file, without a window or display\n"
    "  --export-axis-pdf OUT.pdf CYCLE-FILE\n"
    "                                 the axis design of a cycle file (.brivane-cycle) as a PDF,\n"
    "                                 without a window or display\n"
    "  --version                      the version\n"
    "  --help                         this text\n";

namespace {

// Where the window could be shown: a platform chosen (QT_QPA_PLATFORM, -platform), or an X or
// Wayland display. Without one Qt's platform plugin aborts the process.
bool HasDisplay(const QStringList& arguments) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  if (arguments.contains(QLatin1String("-platform")) || arguments.contains(QLatin1String("--platform"))) return true;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

bool IsExport(const QStringList& arguments) {
  const QString first = arguments.value(0);
  return first == QLatin1String("--export-pdf") || first == QLatin1String("--export-axis-pdf");
}

std::optional<int> AnswerBeforeApplication(const QStringList& arguments) {
  if (arguments == QStringList{QStringLiteral("--version")}) {
    std::cout << "brivane " BRIVANE_VERSION "\n";
    return 0;
  }
  if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
    std::cout << kUsage;
    return 0;
  }
  if (IsExport(arguments) || HasDisplay(arguments)) return std::nullopt;
  std::cerr << "brivane: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n"
               "brivane: brivane --export-pdf OUT.pdf MOVE-FILE writes the PDF report without one\n";
  return kNoDisplay;
}

std::optional<int> RefuseUnknownOptions(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    if (argument.startsWith(QLatin1Char('-'))) {
      std::cerr << "brivane: unknown option " << argument.toStdString() << "\n" << kUsage;
      return kExportRefused;
    }
  }
  return std::nullopt;
}

}  // namespace brivane::ui
