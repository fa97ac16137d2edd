#include "cli/CycleCommand.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/JsonOut.h"
#include "cli/MotorOptions.h"
#include "cli/TextTable.h"
#include "engine/ComparisonTexts.h"
#include "engine/CycleColumns.h"
#include "engine/CycleDrive.h"
#include "engine/CycleFile.h"
#include "engine/CycleRating.h"
#include "engine/MoveCycle.h"
#include "engine/NumberText.h"
#include "engine/TextFile.h"

namespace brivane::cli {
namespace {

// A row with what the output shows of it beside its rating.
using ShownRow = CycleRowView;

// The series slot of a row, or nothing for a code that is no built-in series (a user's motor).
std::optional<std::size_t> SlotOf(const MotorRecord& r) {
  if (r.series < 1 || r.series > 3) return std::nullopt;
  return static_cast<std::size_t>(r.series - 1);
}

std::int32_t NumberOf(const MotorRecord& r) {
  const auto slot = SlotOf(r);
  return slot ? r.seriesNumber[*slot] : 0;
}

double OrderValue(const CycleRowRating& r, RankOrder order) {
  switch (order) {
    case RankOrder::RatedMargin: return r.ratedMargin;
    case RankOrder::PeakMargin: return r.peakMargin;
    case RankOrder::Headroom: return r.headroomKg ? *r.headroomKg : std::nan("");
    case RankOrder::CoilTemp: return r.coilTemp;
    case RankOrder::Catalog:
    case RankOrder::CopperLoss: break;
  }
  return std::nan("");
}

std::string Fixed(double v, int decimals) { return FormatFixed(v, decimals); }

// ---- Text and CSV

struct HeaderColumn {
  std::string_view header;
  bool numeric;
};

std::vector<TextColumn> Columns(std::span<const HeaderColumn> columns, Language language) {
  std::vector<TextColumn> out;
  for (const HeaderColumn& c : columns) out.push_back({Say(language, c.header), c.numeric});
  return out;
}

void WriteSegmentsText(const Cycle& cycle, const CyclePlan& plan, Language language, std::ostream& out) {
  std::vector<TextColumn> columns;
  for (const SegmentColumnInfo& c : SegmentColumns()) columns.push_back({Say(language, c.header), c.numeric});
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < plan.segments.size(); ++i) {
    std::vector<std::string>& texts = rows.emplace_back();
    for (std::size_t c = 0; c < kSegmentColumnCount; ++c)
      texts.push_back(SegmentColumnText(static_cast<SegmentColumn>(c), cycle, plan, i));
  }
  WriteTextTable(columns, rows, out);
  const std::string summary[] = {Fixed(plan.cycleTime, 3), Fixed(plan.netDisplacementMm, 1)};
  out << Say(language, CliText::CycleSummary, summary) << "\n\n";
}

// A drive's figure as the line under the table says it, with its unit; "-" for one not given.
std::string DriveFigure(const std::optional<double>& v, std::string_view unit) {
  return v ? FormatShortestDouble(*v) + " " + std::string(unit) : "-";
}

void WriteText(const Cycle& cycle, const CyclePlan& plan, const CycleRatings& ratings,
               const std::vector<ShownRow>& shown, const CycleRequest& request, std::ostream& out) {
  const Language language = request.language;
  WriteSegmentsText(cycle, plan, language, out);
  std::vector<TextColumn> columns;
  for (const CycleColumnInfo& c : CycleColumns())
    if (c.inText) columns.push_back({Say(language, c.header), c.numeric});
  // The built-in models first, the user's after them under their title (shown is in that order).
  TextTableGroup user{shown.size(), Say(language, kUserMotorsTitle), std::vector<std::string>(shown.size())};
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    std::vector<std::string>& texts = rows.emplace_back();
    for (std::size_t c = 0; c < kCycleColumnCount; ++c) {
      const CycleColumnInfo& info = CycleColumns()[c];
      if (!info.inText) continue;
      const std::string text = CycleColumnText(static_cast<CycleColumn>(c), shown[i]);
      texts.push_back(info.words ? Say(language, text) : text);
    }
    if (shown[i].record->user) {
      user.start = std::min(user.start, i);
      user.tails[i] = shown[i].record->family;
    }
  }
  WriteTextTable(columns, rows, out, user);
  const std::string limits[] = {std::to_string(plan.ratedLimit), std::to_string(plan.peakLimit)};
  out << Say(language, CliText::AllowedLimits, limits) << '\n';
  const CycleDrive& d = plan.drive;
  if (d.busVoltage || d.peakCurrent || d.continuousCurrent) {
    const std::string figures[] = {DriveFigure(d.busVoltage, "V"), DriveFigure(d.peakCurrent, "Arms"),
                                   DriveFigure(d.continuousCurrent, "Arms")};
    out << Say(language, CliText::CycleDrive, figures) << '\n';
  }
  // One model asked for: its thrusts segment by segment too.
  if (request.model && shown.size() == 1) {
    constexpr HeaderColumn kThrustColumns[] = {
        {kSegmentHeader, true}, {kRmsThrustHeader, true}, {kPeakThrustHeader, true}};
    std::vector<std::vector<std::string>> perSegment;
    const auto thrusts = ratings.SegmentsOf(shown.front().rating->position);
    for (std::size_t i = 0; i < thrusts.size(); ++i)
      perSegment.push_back({std::to_string(i + 1), Fixed(thrusts[i].rmsThrust, 1), Fixed(thrusts[i].peakThrust, 1)});
    out << '\n';
    WriteTextTable(Columns(kThrustColumns, language), perSegment, out);
  }
}

void WriteCsv(const std::vector<ShownRow>& shown, std::ostream& out) {
  out << CsvRecord(CycleCsvHeader());
  for (const ShownRow& row : shown) {
    std::vector<std::string> fields;
    for (std::size_t c = 0; c < kCycleColumnCount; ++c)
      fields.push_back(CycleColumnText(static_cast<CycleColumn>(c), row, true));
    out << CsvRecord(fields);
  }
}

// ---- JSON

void WriteJsonWarnings(JsonOut& json, const std::vector<CycleMessage>& warnings) {
  json.Key("warnings");
  json.w().StartArray();
  for (const CycleMessage& m : warnings) {
    json.w().StartObject();
    json.KeyString("code", CycleMessageName(m.code));
    KeyCycleSegment(json, m);
    json.KeyString("text", CycleMessageText(m));
    json.w().EndObject();
  }
  json.w().EndArray();
}

// A figure that may be missing: null then.
void KeyOptional(JsonOut& json, std::string_view key, const std::optional<double>& v) {
  json.Key(key);
  if (v) {
    json.Double(*v);
  } else {
    json.w().Null();
  }
}

// A check: true or false when made, null when not.
void KeyCheck(JsonOut& json, std::string_view key, DriveCheck check) {
  json.Key(key);
  if (check == DriveCheck::NotMade) {
    json.w().Null();
  } else {
    json.w().Bool(check == DriveCheck::Passed);
  }
}

void WriteJsonDrive(JsonOut& json, const CycleDriveRating& d) {
  json.KeyDouble("peakCurrent", d.peakCurrent);
  json.KeyDouble("rmsCurrent", d.rmsCurrent);
  json.KeyDouble("peakCurrentShare", d.peakCurrentShare);
  json.KeyDouble("rmsCurrentShare", d.rmsCurrentShare);
  json.KeyDouble("busVoltageNeeded", d.busVoltageNeeded);
  KeyCheck(json, "voltageOk", d.voltage);
  KeyCheck(json, "peakCurrentOk", d.peakCurrentCheck);
  KeyCheck(json, "continuousCurrentOk", d.continuousCurrentCheck);
  KeyOptional(json, "topSpeed", d.topSpeed);
  json.KeyDouble("energyIn", d.energyIn);
  json.KeyDouble("energyReturned", d.energyReturned);
  json.KeyDouble("peakReturnedPower", d.peakReturnedPower);
  json.KeyDouble("copperLoss", d.copperLoss);
  json.KeyString("verdict", DriveVerdictName(d.verdict));
}

void WriteJson(const Cycle& cycle, const CyclePlan& plan, const CycleRatings& ratings,
               const std::vector<ShownRow>& shown, std::ostream& out) {
  JsonOut json;
  json.KeyInt("ratedLimit", plan.ratedLimit);
  json.KeyInt("peakLimit", plan.peakLimit);
  // The drive the checks were made against; null for a figure not given (its check not made).
  json.Key("drive");
  json.w().StartObject();
  KeyOptional(json, "busVoltage", plan.drive.busVoltage);
  KeyOptional(json, "peakCurrent", plan.drive.peakCurrent);
  KeyOptional(json, "continuousCurrent", plan.drive.continuousCurrent);
  json.w().EndObject();
  json.KeyDouble("cycleTime", plan.cycleTime);
  json.KeyDouble("netDisplacementMm", plan.netDisplacementMm);
  WriteJsonWarnings(json, plan.warnings);
  json.Key("segments");
  json.w().StartArray();
  for (std::size_t i = 0; i < plan.segments.size(); ++i) {
    const SegmentPlan& sp = plan.segments[i];
    json.w().StartObject();
    json.KeyString("type", cycle.segments[i].type == SegmentType::Move ? "move" : "dwell");
    json.KeyString("profile", ProfileName(sp.profile));
    json.KeyDouble("duration", sp.duration);
    json.KeyDouble("peakVelocity", sp.peakVelocity);
    json.KeyBool("velocityLowered", sp.velocityLowered);
    json.w().EndObject();
  }
  json.w().EndArray();
  json.Key("models");
  json.w().StartArray();
  for (const ShownRow& row : shown) {
    const CycleRowRating& r = *row.rating;
    json.w().StartObject();
    json.KeyString("name", row.record->name);
    json.KeyInt("index", static_cast<std::int64_t>(r.position));
    if (row.record->user) {
      WriteUserMark(json, row.record->family);
    } else {
      json.KeyInt("series", row.record->series);
      json.KeyInt("number", NumberOf(*row.record));
    }
    json.KeyDouble("ratedDuty", r.ratedDuty);
    json.KeyDouble("peakDuty", r.peakDuty);
    json.KeyBool("fits", r.fits);
    json.KeyDouble("ratedMargin", r.ratedMargin);
    json.KeyDouble("peakMargin", r.peakMargin);
    json.KeyDouble("rmsThrust", r.rmsThrust);
    json.KeyDouble("peakThrust", r.peakThrust);
    json.KeyDouble("coilTemp", r.coilTemp);
    json.KeyBool("coolEnough", r.coolEnough);
    json.Key("headroomKg");
    if (r.headroomKg) {
      json.Double(*r.headroomKg);
    } else {
      json.w().Null();
    }
    // The cap is the largest extra mass searched: the model may carry more.
    json.KeyBool("headroomAtCap", r.headroomKg && *r.headroomKg >= kCycleHeadroomCapKg);
    WriteJsonDrive(json, *row.drive);
    json.Key("segments");
    json.w().StartArray();
    for (const SegmentThrust& t : ratings.SegmentsOf(r.position)) {
      json.w().StartObject();
      json.KeyDouble("rmsThrust", t.rmsThrust);
      json.KeyDouble("peakThrust", t.peakThrust);
      json.w().EndObject();
    }
    json.w().EndArray();
    json.w().EndObject();
  }
  json.w().EndArray();
  json.Print(out);
}

// The warnings of a text or CSV run, on stderr.
void WriteWarnings(const CyclePlan& plan, const Io& io) {
  for (const CycleMessage& w : plan.warnings) io.Err(SaidCycleMessage(w, io));
}

// ---- Trace

// "%.6f" without a minus sign on a value that rounds to zero.
std::string TraceNumber(double v) {
  std::string text = Fixed(v, 6);
  if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
  return text;
}

int WriteTrace(const CyclePlan& plan, const MotorRecord& row, double stepMs, const Io& io) {
  if (!(stepMs > 0.0) || !std::isfinite(stepMs)) return io.UsageError("--step needs a number of msec above 0");
  const std::size_t count = CycleSampleCount(plan, stepMs);
  if (count > kMaxTraceSamples)
    return io.UsageError("--step " + FormatShortestDouble(stepMs) + " gives " + std::to_string(count) +
                         " samples of the cycle, more than " + std::to_string(kMaxTraceSamples));
  WriteWarnings(plan, io);
  io.out << CsvRecord({"time (s)", "position (mm)", "velocity (m/s)", "acceleration (m/s^2)", "thrust (N)",
                       "current (Arms)", "bus voltage (V)"});
  // The current and the voltage at the row's coil temperature for the cycle, as its rating takes it.
  const double coilTemp = RateCycleRow(plan, row, 0.0).coilTemp;
  std::string line;
  SampleCycle(plan, row, stepMs, [&](const CycleSample& s) {
    const DriveSample drive = DriveAt(row, coilTemp, s);
    line = TraceNumber(s.time);
    for (const double v : {s.positionMm, s.velocity, s.accel, s.thrust, drive.current, drive.busVoltage})
      line += "," + TraceNumber(v);
    io.out << line << "\r\n";
  });
  return kExitOk;
}

// Refusals as JSON only where the output is JSON (the trace writes CSV).
bool JsonRefusal(const CycleRequest& request) { return request.format == RankFormat::Json && !request.trace; }

}  // namespace

const std::vector<std::string>& CycleCsvHeader() {
  static const std::vector<std::string> header = [] {
    std::vector<std::string> fields;
    for (const CycleColumnInfo& c : CycleColumns()) fields.emplace_back(c.header);
    return fields;
  }();
  return header;
}

int RunCycle(const CycleRequest& request, std::ostream& out, std::ostream& err) {
  const Io io{out, err, request.language};
  // --bus-voltage in place of the file's: a copy of the cycle only then.
  std::optional<Cycle> overridden;
  if (request.busVoltage) {
    overridden = request.cycle;
    overridden->drive.busVoltage = request.busVoltage;
  }
  const Cycle& cycle = overridden ? *overridden : request.cycle;
  if (const auto refusal = ValidateCycle(cycle)) return RefuseCycleMessage(*refusal, JsonRefusal(request), io);
  const CyclePlan plan = BuildCyclePlan(cycle);

  if (request.trace) {
    const auto at = FindModelIgnoringCase(request.rows, request.trace->model);
    if (!at) return RefuseUnknownModel(request.trace->model, JsonRefusal(request), io);
    return WriteTrace(plan, request.rows[*at], request.trace->stepMs, io);
  }

  std::optional<std::size_t> only;
  if (request.model) {
    only = FindModelIgnoringCase(request.rows, *request.model);
    if (!only) return RefuseUnknownModel(*request.model, JsonRefusal(request), io);
  }
  CycleRatings ratings;
  RateCycle(plan, request.rows, true, ratings);
  std::vector<CycleDriveRating> drive;
  RateCycleDrive(plan, request.rows, ratings, drive);
  std::vector<ShownRow> shown;
  for (std::size_t i = 0; i < request.rows.size(); ++i) {
    const MotorRecord& record = request.rows[i];
    const CycleRowRating& rating = ratings.rows[i];
    if (only && i != *only) continue;
    if (request.fittingOnly && !rating.fits) continue;
    if (const auto slot = SlotOf(record); slot && !request.series[*slot]) continue;
    shown.push_back({&record, &rating, &drive[i]});
  }
  SortRows(shown, request.order, [&request](const ShownRow& row) { return OrderValue(*row.rating, request.order); });

  if (request.format == RankFormat::Json) {
    WriteJson(cycle, plan, ratings, shown, out);
    return kExitOk;
  }
  WriteWarnings(plan, io);
  if (request.format == RankFormat::Csv) {
    WriteCsv(shown, out);
  } else {
    // The built-in models first, then the user's under their title, each in the order asked for.
    std::stable_partition(shown.begin(), shown.end(), [](const ShownRow& row) { return !row.record->user; });
    WriteText(cycle, plan, ratings, shown, request, out);
  }
  return kExitOk;
}

// ---- The command line

void DeclareCycle(CommandLine& line) {
  line.Describe(
      "Rate every catalog model for a duty cycle of moves and dwells (a .brivane-cycle file): gravity, "
      "process forces, triangular and S-curve moves, per-segment thrusts, coil temperature and payload headroom, "
      "and what it asks of the drive: the bus voltage needed, peak and RMS current, energy in and returned, and "
      "the checks against the cycle's drive; or sample one model over the cycle (--trace); or write the cycle of "
      "a move (--from-move).");
  line.AddPositionals("FILE", "cycle", "The cycle file; with --from-move, the move file (as --move FILE).");
  line.AddValue("model", "NAME", "Only this model, with its thrusts segment by segment.");
  AddRowChoiceOptions(line, kCycleOrders);
  AddBusVoltageOption(line,
                      "The drive's DC bus voltage in V, in place of the cycle file's drive.busVoltage: the bus voltage "
                      "each model needs is checked against it.");
  AddMotorOptions(line,
                  "Its motors are rated after the built-in models (--series leaves them in): under their own title in "
                  "the text table, with \"family\" and \"user\": true in JSON.");
  line.AddValue("trace", "MODEL",
                "Write the samples of this model over the cycle as CSV instead: time (s), position (mm), velocity "
                "(m/s), acceleration (m/s^2), thrust (N), current (Arms, negative while braking) and the bus "
                "voltage needed (V).");
  line.AddValue("step", "MS", "The time between samples of --trace in msec (default 1).");
  line.AddFlag("from-move",
               "Write the cycle file of a move to stdout instead: one move of the stroke, then the dwell "
               "when above 0. The move comes from the MOVE options and --rated, --peak, --ambient.");
  line.AddMoveOptions();
  line.AddLimitOptions();
  line.AddValue("ambient", "TEXT", "With --from-move: the ambient temperature text (default the move file's, \"20\").");
}

namespace {

constexpr const char* kMoveOptionNames[] = {"move",  "mass",     "stroke", "accel-g", "accel-ms", "velocity",
                                            "dwell", "friction", "safety", "rated",   "peak",     "ambient"};
constexpr const char* kRatingOptionNames[] = {"model", "fitting", "series",      "sort",   "csv",        "json",
                                              "trace", "step",    "bus-voltage", "motors", "motors-only"};

// ", segment 2" for a path in the second segment ("segments[1].velocity"): the checks count
// segments from 1, JSON paths from 0.
std::string SegmentOfPath(const std::string& path) {
  constexpr std::string_view kHead = "segments[";
  if (path.rfind(kHead, 0) != 0) return {};
  const auto index = ParseIntField(path.substr(kHead.size(), path.find(']') - kHead.size()));
  return index ? ", segment " + std::to_string(*index + 1) : std::string();
}

// --from-move: the move of the MOVE options as a cycle file on stdout.
int WriteCycleOfMove(const CommandLine& line, const Io& io) {
  for (const char* name : kRatingOptionNames)
    if (line.IsSet(name)) return io.UsageError(std::string("--") + name + " does not go with --from-move");
  const std::vector<std::string>& positionals = line.Positionals();
  if (positionals.size() > 1) return io.UsageError("unexpected argument '" + positionals[1] + "'");
  if (!positionals.empty() && line.IsSet("move")) return io.UsageError("give the move file once: FILE or --move FILE");
  const std::optional<FormValues> form =
      positionals.empty() ? ReadMoveFile(line, io) : ReadMoveFile(positionals.front(), "", io);
  if (!form) return kExitUsage;
  const auto move = ReadMove(line, io, form->move);
  if (!move) return kExitUsage;
  const auto limits = ReadLimits(line, io, {form->ratedPosition, form->peakPosition});
  if (!limits) return kExitUsage;
  // The move as the form's selection would take it: its checks and its limits.
  const MoveCycle cycle =
      CycleOfMove(*move, limits->rated, limits->peak, line.IsSet("ambient") ? line.Value("ambient") : form->ambient);
  if (cycle.refusal) {
    io.Stopped(*cycle.refusal);
    return kExitStopped;
  }
  io.out << CycleToJson(cycle.cycle);
  return kExitOk;
}

}  // namespace

std::optional<CycleRequest> ReadCycleOptions(const OptionValues& line, const Io& io, MotorRowsSource& rows) {
  for (const char* name : kMoveOptionNames) {
    if (line.IsSet(name)) {
      io.UsageError(UsageCode::Conflict, std::string("--") + name + " goes with --from-move");
      return std::nullopt;
    }
  }
  const std::vector<std::string>& positionals = line.Positionals();
  if (positionals.empty()) {
    io.UsageError(UsageCode::Missing, "cycle needs a FILE");
    return std::nullopt;
  }
  if (positionals.size() > 1) {
    io.UsageError("unexpected argument '" + positionals[1] + "'");
    return std::nullopt;
  }

  CycleRequest request;
  if (line.IsSet("model")) request.model = line.Value("model");
  const auto choice = ReadRowChoice(line, io, kCycleOrders);
  if (!choice) return std::nullopt;
  request.fittingOnly = choice->fittingOnly;
  request.series = choice->series;
  request.order = choice->order;
  request.format = choice->format;
  if (line.IsSet("step") && !line.IsSet("trace")) {
    io.UsageError(UsageCode::Conflict, "--step goes with --trace");
    return std::nullopt;
  }
  if (line.IsSet("trace")) {
    if (line.WantsJson() || line.IsSet("csv") || line.IsSet("model")) {
      io.UsageError(UsageCode::Conflict, "--trace writes CSV of its own; give it without --json, --csv and --model");
      return std::nullopt;
    }
    CycleTrace trace{line.Value("trace"), 1.0};
    if (line.IsSet("step")) {
      const auto step = ParseDoubleField(line.Value("step"));
      if (!step) {
        io.UsageError(UsageCode::BadValue, "--step needs a finite number, not '" + line.Value("step") + "'");
        return std::nullopt;
      }
      trace.stepMs = *step;
    }
    request.trace = std::move(trace);
  }
  if (!ReadBusVoltage(line, io, request.busVoltage)) return std::nullopt;
  const auto motors = rows.Read(line, io);
  if (!motors) return std::nullopt;
  request.rows = *motors;
  request.language = io.language;
  return request;
}

std::optional<Cycle> ReadCycleFile(const std::string& path, const Io& io) {
  const TextFileReading file = ReadTextFile(path, kMaxCycleFileBytes);
  if (file.error) {
    io.UsageError(UsageCode::File, "'" + path + "': " + file.error.message());
    return std::nullopt;
  }
  CycleFileReading reading = CycleFromJson(file.text);
  if (!reading.cycle) {
    io.UsageError(UsageCode::File, "'" + path + "': " + DescribeCycleFileError(reading.error));
    return std::nullopt;
  }
  return std::move(*reading.cycle);
}

std::string DescribeCycleFileError(const FieldError& error) {
  std::string text(CycleFileProblemName(error.problem));
  if (!error.field.empty()) text += " (field '" + error.field + "'" + SegmentOfPath(error.field) + ")";
  return text;
}

int RunCycle(const CommandLine& line, const Io& io) {
  if (line.IsSet("from-move")) return WriteCycleOfMove(line, io);
  // The options first: a usage error is told before any file is read.
  MotorRowsSource rows;
  auto request = ReadCycleOptions(line, io, rows);
  if (!request) return kExitUsage;
  auto cycle = ReadCycleFile(line.Positionals().front(), io);
  if (!cycle) return kExitUsage;
  request->cycle = std::move(*cycle);
  return RunCycle(*request, io.out, io.err);
}

}  // namespace brivane::cli
