#include "cli/RunCli.h"

#include "cli/BatchInput.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "engine/Utf8.h"

namespace brivane::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  brivane-cli catalog [MOTORS] [--json]\n"
    "  brivane-cli select  [MOVE] [--rated PCT] [--peak PCT] [--json | --csv]\n"
    "  brivane-cli check MODEL [MOVE] [--rated PCT] [--peak PCT] [--ambient TEXT] [MOTORS] [--json | --csv]\n"
    "  brivane-cli rank [MOVE] [--rated PCT] [--peak PCT] [--ambient TEXT] [--fitting] [--series 1,2,3]\n"
    "                   [--sort KEY] [--bus-voltage V] [MOTORS] [--json | --csv]\n"
    "  brivane-cli cycle FILE [--model NAME] [--fitting] [--series 1,2,3] [--sort KEY] [--bus-voltage V]\n"
    "                    [MOTORS] [--json | --csv]\n"
    "  brivane-cli cycle FILE --trace MODEL [--step MS] [--bus-voltage V] [MOTORS]\n"
    "  brivane-cli cycle --from-move [MOVEFILE] [MOVE] [--rated PCT] [--peak PCT] [--ambient TEXT]\n"
    "  brivane-cli envelope MODEL --bus-voltage V [--points N] [--coil-temp C] [MOTORS] [--json | --csv]\n"
    "  brivane-cli report --nickname NAME [--include LIST] [--at YYYY-MM-DDTHH:MM:SS] [--dir DIR] [MOVE]\n"
    "                     [--rated PCT] [--peak PCT] [--json]\n"
    "  brivane-cli batch COMMAND [--jobs N] [--csv] [--progress] [MOTORS]\n"
    "                    (select, check, rank, cycle or envelope, one request a line on stdin)\n"
    "\n"
    "MOVE: [--move FILE] [--mass KG] [--stroke MM] [--accel-g G | --accel-ms MS] [--velocity M/S]\n"
    "      [--dwell MS] [--friction MU] [--safety SF]\n"
    "A move file gives the move and the limits (for check also the model and the ambient text);\n"
    "options beside it override its values.\n"
    "MOTORS: [--motors FILE]... [--motors-only]\n"
    "Catalog files of your own motors, rated after the built-in models (select and report take\n"
    "the built-in catalog only).\n"
    "\n"
    "'brivane-cli COMMAND --help' describes one command, 'brivane-cli --help-all' every command;\n"
    "'brivane-cli --version' prints the version.\n"
    "'--lang en' (before or after COMMAND) writes the text output in English; JSON and CSV stay as they are.\n";

struct Command {
  std::string_view name;
  void (*declare)(CommandLine&);
  int (*run)(const CommandLine&, const Io&);
};

constexpr Command kCommands[] = {
    {"catalog", DeclareCatalog, RunCatalog}, {"select", DeclareSelect, RunSelect},
    {"check", DeclareCheck, RunCheck},       {"rank", DeclareRank, RunRank},
    {"cycle", DeclareCycle, RunCycle},       {"envelope", DeclareEnvelope, RunEnvelope},
    {"report", DeclareReport, RunReport},    {"batch", DeclareBatch, RunBatch},
};

}  // namespace

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  EmptyInput none;
  return RunCli(args, out, err, none, false);
}

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err, InputSource& in,
           bool errIsTerminal) {
  const Io io{out, err, Language::Korean, &in, errIsTerminal};
  // --lang LANG or --lang=LANG before the command; the command's own --lang wins.
  Language language = Language::Korean;
  const auto readLanguage = [&io, &language](std::string_view text) -> std::optional<int> {
    const auto parsed = ReadLanguage(text, io);
    if (!parsed) return kExitUsage;
    language = *parsed;
    return std::nullopt;
  };
  if (!args.empty() && args.front().starts_with("--lang=")) {
    if (const auto exit = readLanguage(args.front().substr(7))) return *exit;
    args = args.subspan(1);
  } else if (!args.empty() && args.front() == "--lang") {
    if (args.size() < 2) return io.UsageError("--lang needs a value: ko or en");
    if (const auto exit = readLanguage(args[1])) return *exit;
    args = args.subspan(2);
  }
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string_view command = args.front();
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kExitOk;
  }
  if (command == "--help-all") {
    out << kUsage;
    for (const Command& c : kCommands) {
      CommandLine line(c.name);
      c.declare(line);
      out << '\n' << line.Help();
    }
    return kExitOk;
  }
  if (command == "--version") {
    out << "brivane-cli " << BRIVANE_VERSION << '\n';
    return kExitOk;
  }
  for (const Command& c : kCommands) {
    if (c.name != command) continue;
    CommandLine line(c.name);
    c.declare(line);
    if (const auto exit = line.Parse(args.subspan(1), io)) return *exit;
    if (line.IsSet("lang"))
      if (const auto exit = readLanguage(line.Value("lang"))) return *exit;
    return c.run(line, Io{out, err, language, &in, errIsTerminal});
  }
  err << "brivane-cli: unknown command '" << VisibleText(command) << "'\n" << kUsage;
  return kExitUsage;
}

}  // namespace brivane::cli
