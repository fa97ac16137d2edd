#include "cli/RunCli.h"

#include "cli/CliCommon.h"
#include "cli/Commands.h"

namespace brivane::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  brivane-cli catalog [--json]\n"
    "  brivane-cli select  [MOVE] [--rated PCT] [--peak PCT] [--json]\n"
    "  brivane-cli check MODEL [MOVE] [--ambient TEXT] [--json]\n"
    "  brivane-cli report --nickname NAME [--include LIST] [--at YYYY-MM-DDTHH:MM:SS] [--dir DIR] [MOVE]\n"
    "                     [--rated PCT] [--peak PCT]\n"
    "\n"
    "MOVE: [--mass KG] [--stroke MM] [--accel-g G | --accel-ms MS] [--velocity M/S]\n"
    "      [--dwell MS] [--friction MU] [--safety SF]\n"
    "\n"
    "'brivane-cli COMMAND --help' describes one command.\n";

struct Command {
  std::string_view name;
  int (*run)(Args, const Io&);
};

constexpr Command kCommands[] = {
    {"catalog", RunCatalog},
    {"select", RunSelect},
    {"check", RunCheck},
    {"report", RunReport},
};

}  // namespace

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const Io io{out, err};
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string_view command = args.front();
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kExitOk;
  }
  for (const Command& c : kCommands) {
    if (c.name == command) return c.run(args.subspan(1), io);
  }
  err << "brivane-cli: unknown command '" << command << "'\n" << kUsage;
  return kExitUsage;
}

}  // namespace brivane::cli
