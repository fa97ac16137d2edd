#include "cli/CliCommon.h"

#include <cmath>
#include <iostream>

#include "engine/NumberText.h"
#include "engine/Presentation.h"

namespace brivane::cli {
namespace {

struct FloatOption {
  const char* name;
  float MotionInput::*field;
};

constexpr FloatOption kFloatMoveOptions[] = {
    {"mass", &MotionInput::loadMass},          {"velocity", &MotionInput::peakVelocity},
    {"dwell", &MotionInput::dwellMs},          {"friction", &MotionInput::frictionCoefficient},
    {"safety", &MotionInput::safetyFactor},
};

std::optional<float> ReadFloatOption(const QCommandLineParser& parser, const QString& name) {
  const QString text = parser.value(name);
  const auto value = ParseFloatField(text.toStdString());
  if (!value) UsageError(QStringLiteral("--%1 needs a finite number, not '%2'").arg(name, text));
  return value;
}

std::optional<int> ReadLimit(const QCommandLineParser& parser, const QString& name, int fallbackPosition,
                             bool& ok) {
  ok = true;
  if (!parser.isSet(name)) return fallbackPosition;
  const QString text = parser.value(name);
  const auto value = ParseFloatField(text.toStdString());
  if (!value) {
    ok = false;
    UsageError(QStringLiteral("--%1 needs a number, not '%2'").arg(name, text));
    return std::nullopt;
  }
  // A percentage the lists do not hold is a list without a selected position.
  const auto whole = static_cast<int>(*value);
  if (static_cast<float>(whole) != *value) return std::nullopt;
  return PositionFromLimit(whole);
}

}  // namespace

void AddMoveOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {"mass", "Load mass in kg (default 0).", "KG"},
      {"stroke", "Stroke in mm, an integer (default 0).", "MM"},
      {"accel-g", "Peak acceleration in g (the default mode; default 0).", "G"},
      {"accel-ms", "Acceleration time in msec (selects the acceleration-time mode).", "MS"},
      {"velocity", "Peak velocity in m/s (default 0).", "M/S"},
      {"dwell", "Dwell time in msec (default 0).", "MS"},
      {"friction", "Friction coefficient of the guide (default 0.1).", "MU"},
      {"safety", "Safety factor (default 1.3).", "SF"},
  });
}

void AddLimitOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {"rated", "Allowed rated duty ratio in percent: 25, 30, ..., 100 (default 70).", "PCT"},
      {"peak", "Allowed peak duty ratio in percent: 25, 30, ..., 100 (default 80).", "PCT"},
  });
}

void AddJsonOption(QCommandLineParser& parser) {
  parser.addOption({"json", "Write one JSON object to stdout."});
}

bool WantsJson(const QCommandLineParser& parser) { return parser.isSet("json"); }

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments) {
  const QCommandLineOption help = parser.addHelpOption();
  if (!parser.parse(arguments)) return UsageError(parser.errorText());
  if (parser.isSet(help)) {
    std::cout << parser.helpText().toStdString();
    return kExitOk;
  }
  return std::nullopt;
}

std::optional<MotionInput> ReadMove(const QCommandLineParser& parser) {
  MotionInput in;  // the form's defaults
  for (const FloatOption& o : kFloatMoveOptions) {
    if (!parser.isSet(o.name)) continue;
    const auto value = ReadFloatOption(parser, o.name);
    if (!value) return std::nullopt;
    in.*o.field = *value;
  }
  if (parser.isSet("stroke")) {
    const QString text = parser.value("stroke");
    const auto value = ParseIntField(text.toStdString());
    if (!value) {
      UsageError(QStringLiteral("--stroke needs an integer, not '%1'").arg(text));
      return std::nullopt;
    }
    in.distanceMm = *value;
  }
  const bool g = parser.isSet("accel-g");
  const bool ms = parser.isSet("accel-ms");
  if (g && ms) {
    UsageError("give either --accel-g or --accel-ms, not both");
    return std::nullopt;
  }
  if (g || ms) {
    const auto value = ReadFloatOption(parser, g ? "accel-g" : "accel-ms");
    if (!value) return std::nullopt;
    in.accelValue = *value;
    in.accelMode = g ? AccelMode::Gravity : AccelMode::Time;
  }
  return in;
}

std::optional<LimitPositions> ReadLimits(const QCommandLineParser& parser) {
  bool ok = true;
  LimitPositions limits;
  limits.rated = ReadLimit(parser, "rated", kDefaultRatedPosition, ok);
  if (!ok) return std::nullopt;
  limits.peak = ReadLimit(parser, "peak", kDefaultPeakPosition, ok);
  if (!ok) return std::nullopt;
  return limits;
}

std::optional<SelectionRequest> ReadSelectionRequest(const QCommandLineParser& parser) {
  const auto move = ReadMove(parser);
  if (!move) return std::nullopt;
  const auto limits = ReadLimits(parser);
  if (!limits) return std::nullopt;
  SelectionRequest request;
  request.input = *move;
  request.ratedPosition = limits->rated;
  request.peakPosition = limits->peak;
  return request;
}

std::optional<int> RejectPositionals(const QCommandLineParser& parser) {
  if (parser.positionalArguments().isEmpty()) return std::nullopt;
  return UsageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
}

int UsageError(const QString& text) {
  std::cerr << "brivane-cli: " << text.toStdString() << "\nTry 'brivane-cli --help'.\n";
  return kExitUsage;
}

void PrintOut(std::string_view line) { std::cout << line << '\n'; }
void PrintErr(std::string_view line) { std::cerr << line << '\n'; }

}  // namespace brivane::cli
