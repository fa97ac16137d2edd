// What the subcommands of brivane-cli share: the move and limit options with the form's
// defaults, usage errors, exit statuses, output and JSON.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <optional>
#include <string>
#include <string_view>

#include "engine/Motion.h"
#include "engine/Selection.h"

namespace brivane::cli {

enum ExitStatus : int {
  kExitOk = 0,       // the operation ran to its end
  kExitStopped = 2,  // the operation stopped on one of the tool's own messages
  kExitUsage = 64,   // the command line itself is wrong; nothing computed
};

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

// One JSON object written to stdout. Single-precision values are written as the shortest
// decimal that reads back as the same float; a value that is not finite as null.
class JsonOut {
 public:
  JsonOut();
  rapidjson::Writer<rapidjson::StringBuffer>& w() { return writer_; }
  void Key(std::string_view key);
  void String(std::string_view text);
  void Int(std::int64_t value);
  void Float(float value);
  void KeyString(std::string_view key, std::string_view text);
  void KeyInt(std::string_view key, std::int64_t value);
  void KeyFloat(std::string_view key, float value);
  // Ends the top-level object and prints it with a line end.
  void Print();

 private:
  rapidjson::StringBuffer buffer_;
  rapidjson::Writer<rapidjson::StringBuffer> writer_;
};

// The load analysis as a JSON object (the value of an "analysis" key).
void WriteAnalysis(JsonOut& json, const LoadAnalysis& a);

}  // namespace brivane::cli
