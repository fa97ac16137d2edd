#include "cli/CliCommon.h"

#include <algorithm>

#include "cli/UsageHints.h"
#include "engine/MoveFile.h"
#include "engine/NumberText.h"
#include "engine/TextFile.h"
#include "engine/Utf8.h"

namespace brivane::cli {
namespace {

struct FloatOption {
  const char* name;
  float MotionInput::*field;
};

constexpr FloatOption kFloatMoveOptions[] = {
    {"mass", &MotionInput::loadMass},       {"velocity", &MotionInput::peakVelocity},
    {"dwell", &MotionInput::dwellMs},       {"friction", &MotionInput::frictionCoefficient},
    {"safety", &MotionInput::safetyFactor},
};

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::optional<float> ReadFloatOption(const OptionValues& line, const Io& io, const std::string& name) {
  const std::string text = line.Value(name);
  const auto value = ParseFloatField(text);
  if (!value)
    io.UsageError(UsageCode::BadValue, "--" + name + " needs a finite number, not " + Quoted(text), OptionHint(name));
  return value;
}

std::optional<int> ReadLimit(const OptionValues& line, const Io& io, const std::string& name,
                             std::optional<int> fallbackPosition, bool& ok) {
  ok = true;
  if (!line.IsSet(name)) return fallbackPosition;
  const std::string text = line.Value(name);
  // Only an item's own text selects it; any other number is a list without a selected position
  // (so 69.999999 is no 70, whatever a float makes of it).
  for (int position = 0; position < kLimitPositions; ++position) {
    if (text == std::to_string(LimitFromPosition(position))) return position;
  }
  if (!ParseFloatField(text)) {
    ok = false;
    io.UsageError(UsageCode::BadValue, "--" + name + " needs a number, not " + Quoted(text), OptionHint(name));
  }
  return std::nullopt;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The name of a long option argument: "--mass=1" -> "mass".
std::string LongName(std::string_view arg) {
  arg.remove_prefix(2);
  return std::string(arg.substr(0, arg.find('=')));
}

}  // namespace

void Io::Out(std::string_view line) const { out << VisibleText(line) << '\n'; }

void Io::Err(std::string_view line) const { err << VisibleText(line) << '\n'; }

int Io::UsageError(std::string_view text, const std::optional<std::string>& hint) const {
  return UsageError(UsageCode::Usage, text, hint);
}

int Io::UsageError(UsageCode code, std::string_view text, const std::optional<std::string>& hint) const {
  if (usage != nullptr && !usage->set) *usage = {true, code, VisibleText(text)};
  err << "brivane-cli: " << VisibleText(text) << '\n';
  if (hint) err << *hint << '\n';
  err << "Try 'brivane-cli --help'.\n";
  return kExitUsage;
}

void Io::Stopped(const Message& message) const {
  Err(Say(message));
  if (const auto hint = RangeHint(message.code)) Err(*hint);
}

CommandLine::CommandLine(std::string_view command) : app_("", "brivane-cli " + std::string(command)) {
  // Unknown options and stray arguments are collected and reported after the parse, with the
  // tool's own texts.
  app_.allow_extras();
  // Given twice, an option takes its last value.
  app_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  AddValue("lang", "LANG", "Language of the text output: ko (the default) or en; JSON and CSV stay as they are.");
}

void CommandLine::Describe(std::string description) { app_.description(std::move(description)); }

void CommandLine::AddValue(std::string name, std::string valueName, std::string description) {
  CLI::Option* option =
      app_.add_option("--" + name)->description(std::move(description))->type_name(std::move(valueName));
  options_.emplace_back(name, option);
  valueOptions_.push_back(std::move(name));
}

void CommandLine::AddFlag(std::string name, std::string description) {
  // "--json=1" is no way to give a flag.
  CLI::Option* option = app_.add_flag("--" + name)->description(std::move(description))->disable_flag_override();
  options_.emplace_back(name, option);
  flags_.push_back(std::move(name));
}

void CommandLine::AddMoveOptions() {
  AddValue("move", "FILE",
           "Move file (.brivane) whose move and limits (for check also its model and ambient text, "
           "for rank its ambient text) take the place of the defaults; the options given beside it "
           "override them.");
  AddValue("mass", "KG", "Load mass in kg (default 0).");
  AddValue("stroke", "MM", "Stroke in mm, an integer (default 0).");
  AddValue("accel-g", "G", "Peak acceleration in g (the default mode; default 0).");
  AddValue("accel-ms", "MS", "Acceleration time in msec (selects the acceleration-time mode).");
  AddValue("velocity", "M/S", "Peak velocity in m/s (default 0).");
  AddValue("dwell", "MS", "Dwell time in msec (default 0).");
  AddValue("friction", "MU", "Friction coefficient of the guide (default 0.1).");
  AddValue("safety", "SF", "Safety factor (default 1.3).");
}

void CommandLine::AddLimitOptions() {
  AddValue("rated", "PCT", "Allowed rated duty ratio in percent: 25, 30, ..., 100 (default 70).");
  AddValue("peak", "PCT", "Allowed peak duty ratio in percent: 25, 30, ..., 100 (default 80).");
}

void CommandLine::AddJsonOption() { AddFlag("json", "Write one JSON object to stdout."); }

void CommandLine::AddCsvOption() { AddFlag("csv", "Write RFC 4180 CSV (UTF-8, CR LF) with a header row."); }

void CommandLine::AddPositionals(std::string name, std::string key, std::string description) {
  positionalName_ = name;
  positionalKey_ = std::move(key);
  // One is taken here; more end up with the stray arguments and are refused by the command.
  app_.add_option(std::move(name))->description(std::move(description))->expected(1);
}

// Longer than the house limit on purpose: its three steps (values given as "--name=", CLI11's own
// errors, what CLI11 left over) each keep one of the command line's usage messages as it was, and
// they read best in the order they happen.
std::optional<int> CommandLine::Parse(std::span<const std::string_view> args, const Io& io) {
  // CLI11 takes the arguments last first. "--name=" gives an empty value; CLI11 would take the
  // next argument instead, so the empty value is passed on its own.
  std::vector<std::string> reversed;
  reversed.reserve(args.size() + 1);
  for (auto it = args.rbegin(); it != args.rend(); ++it) {
    const std::string_view arg = *it;
    if (StartsWith(arg, "--") && arg.size() > 3 && arg.back() == '=' &&
        std::count(valueOptions_.begin(), valueOptions_.end(), LongName(arg)) != 0) {
      reversed.emplace_back();
      reversed.emplace_back(arg.substr(0, arg.size() - 1));
    } else {
      reversed.emplace_back(arg);
    }
  }
  const std::vector<std::string> given(reversed.rbegin(), reversed.rend());

  bool help = false;
  try {
    app_.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    help = true;
  } catch (const CLI::ArgumentMismatch&) {
    // A value option as the last argument, or a flag given a value.
    if (!given.empty() && StartsWith(given.back(), "--") &&
        std::count(valueOptions_.begin(), valueOptions_.end(), LongName(given.back())) != 0) {
      return io.UsageError("Missing value after '" + given.back() + "'.");
    }
    for (const std::string& arg : given) {
      if (StartsWith(arg, "--") && arg.find('=') != std::string::npos &&
          std::count(flags_.begin(), flags_.end(), LongName(arg)) != 0) {
        return io.UsageError("Unexpected value after '--" + LongName(arg) + "'.");
      }
    }
    return io.UsageError("invalid arguments");
  } catch (const CLI::ParseError& e) {
    return io.UsageError(e.what());
  }

  // What CLI11 did not take: unknown options, and positional arguments (all of them after "--").
  std::vector<std::string> unknown;
  positionals_.clear();
  if (!positionalName_.empty()) positionals_ = app_.get_option(positionalName_)->results();
  bool optionsEnded = false;
  for (const std::string& arg : app_.remaining()) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && StartsWith(arg, "--")) {
      unknown.push_back(LongName(arg));
    } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
      // A single dash starts a group of one-letter options, none of which these commands have.
      for (char letter : std::string_view(arg).substr(1)) unknown.emplace_back(1, letter);
    } else {
      positionals_.push_back(arg);
    }
  }
  if (unknown.size() == 1) return io.UsageError("Unknown option '" + unknown.front() + "'.");
  if (unknown.size() > 1) {
    std::string list;
    for (const std::string& name : unknown) list += (list.empty() ? "" : ", ") + name;
    return io.UsageError("Unknown options: " + list + ".");
  }
  if (help) {
    io.out << Help();
    return kExitOk;
  }
  return std::nullopt;
}

const CLI::Option* CommandLine::Find(std::string_view name) const {
  // A plain look-up: CLI11's own compares every name in every spelling it allows.
  for (const auto& [known, option] : options_)
    if (known == name) return option;
  return nullptr;
}

bool CommandLine::IsSet(std::string_view name) const {
  const CLI::Option* option = Find(name);
  return option != nullptr && option->count() > 0;
}

std::string CommandLine::Value(std::string_view name) const {
  const CLI::Option* option = Find(name);
  if (option == nullptr || option->results().empty()) return {};
  return option->results().back();
}

std::vector<std::string> CommandLine::Values(std::string_view name) const {
  const CLI::Option* option = Find(name);
  return option == nullptr ? std::vector<std::string>{} : option->results();
}

std::string CommandLine::Help() const { return app_.help(); }

std::optional<FormValues> ReadMoveFile(const OptionValues& line, const Io& io) {
  if (!line.IsSet("move")) return FormValues{};  // the form's defaults
  return ReadMoveFile(line.Value("move"), "--move ", io);
}

std::optional<FormValues> ReadMoveFile(const std::string& path, std::string_view given, const Io& io) {
  const TextFileReading file = ReadTextFile(path);
  if (file.error) {
    io.UsageError(UsageCode::File, std::string(given) + Quoted(path) + ": " + file.error.message());
    return std::nullopt;
  }
  MoveFileReading reading = MoveFromJson(file.text);
  if (!reading.values) {
    std::string text =
        std::string(given) + Quoted(path) + ": " + std::string(MoveFileProblemName(reading.error.problem));
    if (!reading.error.field.empty()) text += " (field " + Quoted(reading.error.field) + ")";
    io.UsageError(UsageCode::File, text);
    return std::nullopt;
  }
  return std::move(*reading.values);
}

std::optional<MotionInput> ReadMove(const OptionValues& line, const Io& io, MotionInput in) {
  for (const FloatOption& o : kFloatMoveOptions) {
    if (!line.IsSet(o.name)) continue;
    const auto value = ReadFloatOption(line, io, o.name);
    if (!value) return std::nullopt;
    in.*o.field = *value;
  }
  if (line.IsSet("stroke")) {
    const std::string text = line.Value("stroke");
    const auto value = ParseIntField(text);
    if (!value) {
      io.UsageError(UsageCode::BadValue, "--stroke needs an integer, not " + Quoted(text), OptionHint("stroke"));
      return std::nullopt;
    }
    in.distanceMm = *value;
  }
  const bool g = line.IsSet("accel-g");
  const bool ms = line.IsSet("accel-ms");
  if (g && ms) {
    io.UsageError(UsageCode::Conflict, "give either --accel-g or --accel-ms, not both");
    return std::nullopt;
  }
  if (g || ms) {
    const auto value = ReadFloatOption(line, io, g ? "accel-g" : "accel-ms");
    if (!value) return std::nullopt;
    in.accelValue = *value;
    in.accelMode = g ? AccelMode::Gravity : AccelMode::Time;
  }
  return in;
}

std::optional<LimitPositions> ReadLimits(const OptionValues& line, const Io& io, const LimitPositions& defaults) {
  bool ok = true;
  LimitPositions limits;
  limits.rated = ReadLimit(line, io, "rated", defaults.rated, ok);
  if (!ok) return std::nullopt;
  limits.peak = ReadLimit(line, io, "peak", defaults.peak, ok);
  if (!ok) return std::nullopt;
  return limits;
}

std::optional<SelectionRequest> ReadSelectionRequest(const OptionValues& line, const Io& io) {
  const auto form = ReadMoveFile(line, io);
  if (!form) return std::nullopt;
  const auto move = ReadMove(line, io, form->move);
  if (!move) return std::nullopt;
  const auto limits = ReadLimits(line, io, {form->ratedPosition, form->peakPosition});
  if (!limits) return std::nullopt;
  SelectionRequest request;
  request.input = *move;
  request.ratedPosition = limits->rated;
  request.peakPosition = limits->peak;
  return request;
}

void AddRowChoiceOptions(CommandLine& line, std::span<const RankOrder> offered) {
  line.AddFlag("fitting", "Only the models that fit both limits.");
  line.AddValue("series", "LIST", "Only these series, e.g. 1,3 (default 1,2,3).");
  line.AddValue("sort", "KEY", "Order of the rows. " + RankOrderHelp(offered) + ".");
  line.AddCsvOption();
  line.AddJsonOption();
}

std::optional<RowChoice> ReadRowChoice(const OptionValues& line, const Io& io, std::span<const RankOrder> offered) {
  RowChoice choice;
  choice.fittingOnly = line.IsSet("fitting");
  if (line.IsSet("series")) {
    const auto series = ReadSeriesList(line.Value("series")).series;
    if (!series) {
      io.UsageError(UsageCode::BadValue, "--series takes series numbers 1, 2 and 3 separated by commas");
      return std::nullopt;
    }
    choice.series = *series;
  }
  if (line.IsSet("sort")) {
    const auto order = ParseRankOrder(line.Value("sort"));
    if (!order || std::find(offered.begin(), offered.end(), *order) == offered.end()) {
      io.UsageError(UsageCode::BadValue, "unknown --sort key '" + line.Value("sort") + "'", RankOrderHint(offered));
      return std::nullopt;
    }
    choice.order = *order;
  }
  const auto format = ReadFormat(line, io);
  if (!format) return std::nullopt;
  choice.format = *format;
  return choice;
}

std::optional<RankFormat> ReadFormat(const OptionValues& line, const Io& io) {
  if (line.WantsJson() && line.IsSet("csv")) {
    io.UsageError(UsageCode::Conflict, "give either --json or --csv, not both");
    return std::nullopt;
  }
  return line.WantsJson() ? RankFormat::Json : line.IsSet("csv") ? RankFormat::Csv : RankFormat::Text;
}

std::optional<Language> ReadLanguage(std::string_view text, const Io& io) {
  const auto language = ParseLanguage(text);
  if (!language) io.UsageError(UsageCode::BadValue, "--lang takes ko or en, not " + Quoted(text));
  return language;
}

std::optional<int> RejectPositionals(const CommandLine& line, const Io& io) {
  if (line.Positionals().empty()) return std::nullopt;
  return io.UsageError("unexpected argument " + Quoted(line.Positionals().front()));
}

SeriesListReading ReadSeriesList(std::string_view text) {
  std::array<bool, 3> series{false, false, false};
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view entry = text.substr(0, comma);
    if (entry != "1" && entry != "2" && entry != "3") return {std::nullopt, entry};
    series[static_cast<std::size_t>(entry[0] - '1')] = true;
    if (comma == std::string_view::npos) return {series, {}};
    text.remove_prefix(comma + 1);
  }
}

std::string Pad(std::string_view text, std::size_t columns) {
  const std::size_t width = DisplayWidth(text);
  std::string out(text);
  if (width < columns) out.append(columns - width, ' ');
  return out;
}

void AddBusVoltageOption(CommandLine& line, std::string description) {
  line.AddValue("bus-voltage", "V", std::move(description));
}

bool ReadBusVoltage(const OptionValues& line, const Io& io, std::optional<double>& voltage) {
  if (!line.IsSet("bus-voltage")) return true;
  const std::string text = line.Value("bus-voltage");
  voltage = ParseDoubleField(text);
  if (!voltage) io.UsageError(UsageCode::BadValue, "--bus-voltage needs a finite number of volts, not " + Quoted(text));
  return voltage.has_value();
}

int RefuseUnknownModel(std::string_view name, bool json, const Io& io) {
  if (json) {
    JsonOut out;
    out.KeyString("error", SourceText(MessageCode::NoModel));
    out.Print(io.out);
  } else {
    io.Stopped({MessageCode::NoModel});
  }
  io.Err("brivane-cli: no model '" + std::string(name) + "' in the catalog ('brivane-cli catalog' lists them)");
  return kExitStopped;
}

std::string SaidCycleMessage(const CycleMessage& message, const Io& io) {
  return FillCycleMessage(io.Say(CycleMessageTemplate(message.code)), message);
}

void KeyCycleSegment(JsonOut& json, const CycleMessage& message) {
  json.Key("segment");
  if (message.segment > 0) {
    json.Int(static_cast<std::int64_t>(message.segment));
  } else {
    json.w().Null();
  }
}

int RefuseCycleMessage(const CycleMessage& message, bool json, const Io& io) {
  if (!json) {
    io.Err(SaidCycleMessage(message, io));
    return kExitStopped;
  }
  JsonOut out;
  out.KeyString("error", CycleMessageText(message));
  out.KeyString("code", CycleMessageName(message.code));
  KeyCycleSegment(out, message);
  out.Key("field");
  if (!message.field.empty()) {
    out.String(message.field);
  } else {
    out.w().Null();
  }
  out.Print(io.out);
  return kExitStopped;
}

}  // namespace brivane::cli
