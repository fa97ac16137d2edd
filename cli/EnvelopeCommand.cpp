#include "cli/EnvelopeCommand.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/JsonOut.h"
#include "cli/MotorOptions.h"
#include "cli/TextTable.h"
#include "engine/ComparisonTexts.h"
#include "engine/Cycle.h"
#include "engine/NumberText.h"

namespace brivane::cli {
namespace {

std::string Fixed(double v, int decimals) { return FormatFixed(v, decimals); }

struct Envelope {
  const MotorRecord* row;
  EnvelopeSummary summary;
  std::vector<EnvelopePoint> points;
};

void WriteText(const EnvelopeRequest& request, const Envelope& e, std::ostream& out) {
  const Language language = request.language;
  const MotorRecord& row = *e.row;
  const std::string model[] = {std::string(row.name), FormatShortestDouble(request.busVoltage),
                               Fixed(request.coilTemp, 1)};
  out << Say(language, CliText::EnvelopeModel, model) << '\n';
  const std::string top[] = {Fixed(e.summary.topSpeed, 3)};
  out << Say(language, CliText::EnvelopeTopSpeed, top) << '\n';
  // Up to which speed each cap holds; a cap the bus cannot drive even at standstill says so.
  const struct {
    std::string_view what;
    float force;
    double corner;
  } caps[] = {
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력"), row.peakForce, e.summary.peakCornerSpeed},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 추력"), row.ratedForce, e.summary.continuousCornerSpeed}};
  for (const auto& cap : caps) {
    const std::string figures[] = {Say(language, cap.what), FormatGeneral6(cap.force), Fixed(cap.corner, 3)};
    out << Say(language, cap.corner > 0.0 ? CliText::EnvelopeCapHolds : CliText::EnvelopeCapMissing, figures) << '\n';
  }
  out << '\n';
  const std::vector<TextColumn> columns{
      {Say(language, QT_TRANSLATE_NOOP("brivane::EngineTexts", "속도(m/s)")), true},
      {Say(language, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력(N)")), true},
      {Say(language, QT_TRANSLATE_NOOP("brivane::EngineTexts", "연속 추력(N)")), true}};
  std::vector<std::vector<std::string>> rows;
  rows.reserve(e.points.size());
  for (const EnvelopePoint& p : e.points)
    rows.push_back({Fixed(p.speed, 3), Fixed(p.peakThrust, 1), Fixed(p.continuousThrust, 1)});
  WriteTextTable(columns, rows, out);
}

// As the trace writes its samples: "%.6f", CR LF.
void WriteCsv(const Envelope& e, std::ostream& out) {
  out << CsvRecord(EnvelopeCsvHeader());
  for (const EnvelopePoint& p : e.points)
    out << Fixed(p.speed, 6) << ',' << Fixed(p.peakThrust, 6) << ',' << Fixed(p.continuousThrust, 6) << "\r\n";
}

void WriteJson(const EnvelopeRequest& request, const Envelope& e, std::ostream& out) {
  const MotorRecord& row = *e.row;
  JsonOut json;
  json.KeyString("name", row.name);
  if (row.user) {
    WriteUserMark(json, row.family);
  } else {
    json.KeyInt("series", row.series);
    json.KeyInt("number", row.Number());
  }
  json.KeyDouble("busVoltage", request.busVoltage);
  json.KeyDouble("coilTemp", request.coilTemp);
  json.KeyFloat("peakForce", row.peakForce);
  json.KeyFloat("ratedForce", row.ratedForce);
  json.KeyDouble("topSpeed", e.summary.topSpeed);
  json.KeyDouble("peakCornerSpeed", e.summary.peakCornerSpeed);
  json.KeyDouble("continuousCornerSpeed", e.summary.continuousCornerSpeed);
  json.Key("points");
  json.w().StartArray();
  for (const EnvelopePoint& p : e.points) {
    json.w().StartObject();
    json.KeyDouble("speed", p.speed);
    json.KeyDouble("peakThrust", p.peakThrust);
    json.KeyDouble("continuousThrust", p.continuousThrust);
    json.w().EndObject();
  }
  json.w().EndArray();
  json.Print(out);
}

std::string Bound(double v) { return FormatShortestDouble(v); }

// What --points takes, and what it was given.
std::string PointsRefusal(const std::string& given) {
  return "--points takes a whole number of speeds from " + std::to_string(kMinEnvelopePoints) + " to " +
         std::to_string(kMaxEnvelopePoints) + ", not " + given;
}

}  // namespace

const std::vector<std::string>& EnvelopeCsvHeader() {
  static const std::vector<std::string> header{"speed (m/s)", "peak thrust (N)", "continuous thrust (N)"};
  return header;
}

int RunEnvelope(const EnvelopeRequest& request, std::ostream& out, std::ostream& err) {
  const Io io{out, err, request.language};
  const bool json = request.format == RankFormat::Json;
  if (request.points < kMinEnvelopePoints || request.points > kMaxEnvelopePoints)
    return io.UsageError(PointsRefusal(std::to_string(request.points)));
  // Written so that a temperature that is not a number is refused.
  if (!(request.coilTemp >= kMinWindingTemp && request.coilTemp <= kMaxWindingTemp))
    return io.UsageError("--coil-temp takes a winding temperature from " + Bound(kMinWindingTemp) + " to " +
                         Bound(kMaxWindingTemp) + " degC, not " + Bound(request.coilTemp));
  if (const auto refusal = ValidateDrive({request.busVoltage, {}, {}})) return RefuseCycleMessage(*refusal, json, io);
  const auto at = FindModelIgnoringCase(request.rows, request.model);
  if (!at) return RefuseUnknownModel(request.model, json, io);

  Envelope e{&request.rows[*at], {}, std::vector<EnvelopePoint>(request.points)};
  e.summary = ForceSpeedEnvelope(*e.row, request.busVoltage, request.coilTemp, e.points);
  switch (request.format) {
    case RankFormat::Text: WriteText(request, e, out); break;
    case RankFormat::Csv: WriteCsv(e, out); break;
    case RankFormat::Json: WriteJson(request, e, out); break;
  }
  return kExitOk;
}

// ---- The command line

void DeclareEnvelope(CommandLine& line) {
  line.Describe(
      "The force-speed envelopes of one model at a DC bus voltage: at each speed from 0 to the top speed, the "
      "largest thrust the bus can drive while motoring, capped by the peak force (the peak envelope) and by the "
      "rated force (the continuous envelope).");
  line.AddPositionals("MODEL", "model", "Model name as the catalog lists it, in any letter case, e.g. CL-07.");
  AddBusVoltageOption(line, "The drive's DC bus voltage in V, above 0 and at most 10000 (required).");
  line.AddValue("points", "N",
                "The number of speeds, evenly spaced from 0 to the top speed, both included: 2 to 100000 "
                "(default 21).");
  line.AddValue("coil-temp", "C",
                "The winding temperature in degC, -50 to 250 (default 20): the resistance grows with it by "
                "0.393 % per degC.");
  line.AddJsonOption();
  line.AddFlag("csv", "Write CSV instead: speed (m/s), peak thrust (N), continuous thrust (N), CR LF.");
  AddMotorOptions(line, "MODEL may name one of its motors.");
}

std::optional<EnvelopeRequest> ReadEnvelopeRequest(const OptionValues& line, const Io& io, MotorRowsSource& rows) {
  const std::vector<std::string>& positionals = line.Positionals();
  if (positionals.empty()) {
    io.UsageError(UsageCode::Missing, "envelope needs a MODEL", "brivane-cli: 'brivane-cli catalog' lists the models");
    return std::nullopt;
  }
  if (positionals.size() > 1) {
    io.UsageError("unexpected argument '" + positionals[1] + "'");
    return std::nullopt;
  }
  if (line.WantsJson() && line.IsSet("csv")) {
    io.UsageError(UsageCode::Conflict, "give --json or --csv, not both");
    return std::nullopt;
  }
  EnvelopeRequest request;
  request.model = positionals.front();
  std::optional<double> bus;
  if (!ReadBusVoltage(line, io, bus)) return std::nullopt;
  if (!bus) {
    io.UsageError(UsageCode::Missing, "envelope needs --bus-voltage V");
    return std::nullopt;
  }
  request.busVoltage = *bus;
  if (line.IsSet("points")) {
    const auto points = ParseIntField(line.Value("points"));
    if (!points || *points < 0) {
      io.UsageError(UsageCode::BadValue, PointsRefusal("'" + line.Value("points") + "'"));
      return std::nullopt;
    }
    request.points = static_cast<std::size_t>(*points);
  }
  if (line.IsSet("coil-temp")) {
    const auto temp = ParseDoubleField(line.Value("coil-temp"));
    if (!temp) {
      io.UsageError(UsageCode::BadValue,
                    "--coil-temp needs a finite number of degC, not '" + line.Value("coil-temp") + "'");
      return std::nullopt;
    }
    request.coilTemp = *temp;
  }
  request.format = line.WantsJson() ? RankFormat::Json : line.IsSet("csv") ? RankFormat::Csv : RankFormat::Text;
  const auto motors = rows.Read(line, io);
  if (!motors) return std::nullopt;
  request.rows = *motors;
  request.language = io.language;
  return request;
}

int RunEnvelope(const CommandLine& line, const Io& io) {
  MotorRowsSource rows;
  const auto request = ReadEnvelopeRequest(line, io, rows);
  return request ? RunEnvelope(*request, io.out, io.err) : kExitUsage;
}

}  // namespace brivane::cli
