// What the subcommands of brivane-cli share: the move and limit options with the form's
// defaults, usage errors, exit statuses, output and JSON.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

#include "cli/ExitStatus.h"
#include "cli/JsonOut.h"
#include "engine/Motion.h"
#include "engine/Selection.h"

namespace brivane::cli {

// The MOVE options: --mass --stroke --accel-g --accel-ms --velocity --dwell --friction --safety.
void AddMoveOptions(QCommandLineParser& parser);
// --rated and --peak.
void AddLimitOptions(QCommandLineParser& parser);
// --json.
void AddJsonOption(QCommandLineParser& parser);
bool WantsJson(const QCommandLineParser& parser);

// Parses `arguments` (program name first). Returns the exit status when the command ends here:
// a usage error (reported) or --help (printed); nothing when the command goes on.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments);

// The move from the options, defaults where an option is absent. Reports a usage error and
// returns nothing when a value is not a (finite) number or both acceleration forms are given.
std::optional<MotionInput> ReadMove(const QCommandLineParser& parser);

struct LimitPositions {
  std::optional<int> rated;  // none: behaves like a limit list without a selected position
  std::optional<int> peak;
};
// The limits from the options (70 and 80 by default). Reports a usage error for a value that is
// not a number.
std::optional<LimitPositions> ReadLimits(const QCommandLineParser& parser);

// The move and the limits as the selection takes them; nothing after a reported usage error.
std::optional<SelectionRequest> ReadSelectionRequest(const QCommandLineParser& parser);

// A usage error for the first positional argument of a command that takes none.
std::optional<int> RejectPositionals(const QCommandLineParser& parser);

// Writes "brivane-cli: <text>" and a hint to stderr; returns kExitUsage.
int UsageError(const QString& text);

void PrintOut(std::string_view line);
void PrintErr(std::string_view line);

}  // namespace brivane::cli
