// brivane-cli: the engine's command-line front end beside the window.
#include <QCoreApplication>

#include <iostream>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "report/Report.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  brivane-cli catalog [--json]\n"
    "  brivane-cli select  [MOVE] [--rated PCT] [--peak PCT] [--json]\n"
    "  brivane-cli check MODEL [MOVE] [--ambient TEXT] [--json]\n"
    "  brivane-cli rank [MOVE] [--rated PCT] [--peak PCT] [--ambient TEXT] [--fitting] [--series 1,2,3]\n"
    "                   [--sort KEY] [--json | --csv]\n"
    "  brivane-cli report --nickname NAME [--include LIST] [--at YYYY-MM-DDTHH:MM:SS] [--dir DIR] [MOVE]\n"
    "                     [--rated PCT] [--peak PCT]\n"
    "\n"
    "MOVE: [--mass KG] [--stroke MM] [--accel-g G | --accel-ms MS] [--velocity M/S]\n"
    "      [--dwell MS] [--friction MU] [--safety SF]\n"
    "\n"
    "'brivane-cli COMMAND --help' describes one command.\n";

}  // namespace

int main(int argc, char* argv[]) {
  brivane::PrepareProcessForReports();
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("brivane-cli");
  const QStringList all = QCoreApplication::arguments();
  if (all.size() < 2) {
    std::cerr << kUsage;
    return brivane::cli::kExitUsage;
  }
  const QString command = all[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return brivane::cli::kExitOk;
  }
  if (command == "--version") {
    std::cout << "brivane-cli " BRIVANE_VERSION "\n";
    return brivane::cli::kExitOk;
  }
  // The subcommand's parser sees the program name and the rest.
  QStringList rest = all.mid(2);
  rest.prepend(all[0] + ' ' + command);
  if (command == "catalog") return brivane::cli::RunCatalog(rest);
  if (command == "select") return brivane::cli::RunSelect(rest);
  if (command == "check") return brivane::cli::RunCheck(rest);
  if (command == "rank") return brivane::cli::RunRank(rest);
  if (command == "report") return brivane::cli::RunReport(rest);
  std::cerr << "brivane-cli: unknown command '" << command.toStdString() << "'\n" << kUsage;
  return brivane::cli::kExitUsage;
}
