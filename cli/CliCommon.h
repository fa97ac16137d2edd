// What the subcommands of brivane-cli share: the command line of one subcommand, the move and
// limit options with the form's defaults, usage errors, exit statuses, output and JSON.
#pragma once

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/EnglishTexts.h"
#include "cli/ExitStatus.h"
#include "cli/JsonOut.h"
#include "cli/OptionValues.h"
#include "cli/RankCommand.h"
#include "cli/UsageError.h"
#include "engine/CycleMessages.h"
#include "engine/FormValues.h"
#include "engine/Motion.h"
#include "engine/Selection.h"

namespace brivane::cli {

class InputSource;

// Where a run writes (and batch reads): stdout, stderr and stdin of the process, or strings in a test.
struct Io {
  std::ostream& out;
  std::ostream& err;
  Language language = Language::Korean;  // of the human text; JSON and CSV stay Korean
  InputSource* in = nullptr;             // standard input (cli/BatchInput.h); none: empty
  bool errIsTerminal = false;            // stderr is a terminal (batch shows its progress there)
  // Set by a batch for each line: a usage error is also recorded here, for the line's record.
  UsageRecord* usage = nullptr;

  // `korean` (a text of the engine or the report) in the run's language.
  std::string Say(std::string_view korean) const { return cli::Say(language, korean); }
  std::string Say(const Message& message) const { return cli::Say(language, message); }
  std::string Say(CliText text, std::span<const std::string> arguments = {}) const {
    return cli::Say(language, text, arguments);
  }

  // One line each, its control characters made visible (VisibleText): a name from a file or an
  // argument must not drive the terminal.
  void Out(std::string_view line) const;
  void Err(std::string_view line) const;
  // Writes "brivane-cli: <text>", the line `hint` when there is one (what the option accepts),
  // and where to read more, to stderr; returns kExitUsage.
  int UsageError(std::string_view text, const std::optional<std::string>& hint = std::nullopt) const;
  // The same with its kind, which a batch's record gives.
  int UsageError(UsageCode code, std::string_view text, const std::optional<std::string>& hint = std::nullopt) const;
  // The message of a stop on stderr, then what the refused input accepts (RangeHint) when the
  // message is about one.
  void Stopped(const Message& message) const;
};

// The command line of one subcommand: its options (declared with CLI11), then, after Parse, their
// values. Unknown options and stray arguments are reported the way the tool always has. What is
// declared here is also what a batch line of the command may give (cli/BatchLine).
class CommandLine : public OptionValues {
 public:
  explicit CommandLine(std::string_view command);

  // The first line of the command's help.
  void Describe(std::string description);

  void AddValue(std::string name, std::string valueName, std::string description);
  void AddFlag(std::string name, std::string description);
  // The MOVE options: --move --mass --stroke --accel-g --accel-ms --velocity --dwell --friction
  // --safety.
  void AddMoveOptions();
  // --rated and --peak.
  void AddLimitOptions();
  // --json.
  void AddJsonOption();
  // --csv.
  void AddCsvOption();
  // A positional argument shown in the help as `name` (check's MODEL), given in a batch line as
  // `key` ("model"); a second one is left among Positionals() for the command to refuse.
  void AddPositionals(std::string name, std::string key, std::string description);

  // Parses `args` (after the command name). Returns the exit status when the command ends here:
  // a usage error (reported) or --help (printed); nothing when the command goes on.
  std::optional<int> Parse(std::span<const std::string_view> args, const Io& io);

  bool IsSet(std::string_view name) const override;
  std::string Value(std::string_view name) const override;
  std::vector<std::string> Values(std::string_view name) const override;
  const std::vector<std::string>& Positionals() const override { return positionals_; }

  // What is declared, by name without "--": the options that take a value (--lang first), the
  // flags, and the batch key of the positional argument (empty when the command takes none).
  const std::vector<std::string>& ValueOptions() const { return valueOptions_; }
  const std::vector<std::string>& Flags() const { return flags_; }
  const std::string& PositionalKey() const { return positionalKey_; }

  // The help text as --help prints it.
  std::string Help() const;

 private:
  const CLI::Option* Find(std::string_view name) const;

  CLI::App app_;
  std::vector<std::pair<std::string, const CLI::Option*>> options_;  // by name without "--"
  std::vector<std::string> valueOptions_;                            // names of the options that take a value
  std::vector<std::string> flags_;
  std::string positionalName_;  // empty: the command takes no positional arguments
  std::string positionalKey_;
  std::vector<std::string> positionals_;
};

// The values of the move file given with --move, or the form's defaults without one. Reports a
// usage error naming the file (and the field) and returns nothing when the file is refused.
std::optional<FormValues> ReadMoveFile(const OptionValues& line, const Io& io);
// The same for a path given otherwise; `given` is how the messages name it ("--move ", or empty
// for a positional argument).
std::optional<FormValues> ReadMoveFile(const std::string& path, std::string_view given, const Io& io);

// `in` with the move options given on top. Reports a usage error and returns nothing when a
// value is not a (finite) number or both acceleration forms are given.
std::optional<MotionInput> ReadMove(const OptionValues& line, const Io& io, MotionInput in);

struct LimitPositions {
  std::optional<int> rated;  // none: behaves like a limit list without a selected position
  std::optional<int> peak;
};
// `defaults` with the limit options given on top. Only the texts of the list items ("25", "30",
// ..., "100") select a position; any other number is a list without a selection. Reports a
// usage error for a value that is not a number.
std::optional<LimitPositions> ReadLimits(const OptionValues& line, const Io& io, const LimitPositions& defaults);

// The move and the limits as the selection takes them (the move file's, the options on top);
// nothing after a reported usage error.
std::optional<SelectionRequest> ReadSelectionRequest(const OptionValues& line, const Io& io);

// The output --json or --csv ask for, text without either; nothing after the usage error of both.
std::optional<RankFormat> ReadFormat(const OptionValues& line, const Io& io);

// How rank and cycle choose, order and write their rows.
struct RowChoice {
  bool fittingOnly = false;
  std::array<bool, 3> series{true, true, true};
  RankOrder order = RankOrder::Catalog;
  RankFormat format = RankFormat::Text;
};
// --fitting, --series, --sort (with the keys `offered`), --csv and --json.
void AddRowChoiceOptions(CommandLine& line, std::span<const RankOrder> offered);
// Their values; nothing after a reported usage error (a bad series list, a key not offered, both
// --json and --csv).
std::optional<RowChoice> ReadRowChoice(const OptionValues& line, const Io& io, std::span<const RankOrder> offered);

// The language --lang names: ko or en; nothing after the usage error of any other text.
std::optional<Language> ReadLanguage(std::string_view text, const Io& io);

// --bus-voltage V, the drive's DC bus voltage, with the command's own description.
void AddBusVoltageOption(CommandLine& line, std::string description);
// Its value into `voltage` (left empty when the option is not given). False after a reported usage
// error for a value that is not a finite number; its range is the drive's check (ValidateDrive).
bool ReadBusVoltage(const OptionValues& line, const Io& io, std::optional<double>& voltage);

// The refusal of a model name that none of the rows has: the engine's message (as JSON when
// `json`), then which name and where to look, on stderr; returns kExitStopped.
int RefuseUnknownModel(std::string_view name, bool json, const Io& io);
// The text of a cycle model's message in the run's language: the translation of its template, filled in.
std::string SaidCycleMessage(const CycleMessage& message, const Io& io);
// The message's segment (counted from 1) under "segment", null when it is about none.
void KeyCycleSegment(JsonOut& json, const CycleMessage& message);
// A refusal of the cycle model's checks (a cycle's or a drive's): on stderr, or as JSON with its
// code, segment and field when `json`; returns kExitStopped.
int RefuseCycleMessage(const CycleMessage& message, bool json, const Io& io);

// A usage error for the first positional argument of a command that takes none.
std::optional<int> RejectPositionals(const CommandLine& line, const Io& io);

// A list of series numbers, "1,3" for series 1 and 3: the series it names, or nothing for an empty
// list or an entry other than 1, 2 and 3, which `refused` then holds (a view into `text`).
struct SeriesListReading {
  std::optional<std::array<bool, 3>> series;
  std::string_view refused;
};
SeriesListReading ReadSeriesList(std::string_view text);

// `text` followed by blanks up to `columns` terminal columns.
std::string Pad(std::string_view text, std::size_t columns);

}  // namespace brivane::cli
