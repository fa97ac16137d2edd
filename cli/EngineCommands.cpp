// catalog, select, check and rank: the engine's operations with the form's defaults.
#include <array>
#include <iostream>
#include <string>

#include "catalog/DataSheetFields.h"
#include "catalog/MotorCatalog.h"
#include "catalog/Series.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/RankCommand.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"
#include "engine/Utf8.h"

namespace brivane::cli {
namespace {

std::string Fixed(float v, int decimals) { return FormatFixed(static_cast<double>(v), decimals); }

std::string Pad(std::string_view text, std::size_t columns) {
  // Hangul takes two columns in a terminal; count code points as one column each, which is
  // enough to keep the ASCII columns of a row aligned with each other.
  const std::size_t width = Utf8CodePoints(text);
  std::string out(text);
  if (width < columns) out.append(columns - width, ' ');
  return out;
}

void PrintAnalysis(const LoadAnalysis& a) {
  for (const AnalysisRow& row : kAnalysisRows)
    PrintOut(Pad(row.label, 14) + FormatAnalysisValue(a, row) + " " + std::string(row.unit));
  for (const AnalysisRow& row : kTemperatureRows)
    PrintOut(Pad(row.label, 14) + FormatAnalysisValue(a, row) + " " + std::string(row.unit));
}

// Positions in kDataSheetFields: moverMass, ratedForce, attractionForce, peakForce, then the
// electrical and mechanical data in the sheet's order.
constexpr std::array<std::size_t, 14> kCatalogJsonOrder{12, 0, 13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

}  // namespace

int RunCatalog(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("List the 69 motor models in catalog order.");
  AddJsonOption(parser);
  if (const auto exit = ParseArguments(parser, arguments)) return *exit;
  if (const auto exit = RejectPositionals(parser)) return *exit;

  const MotorCatalog& catalog = MotorCatalog::Instance();
  if (WantsJson(parser)) {
    JsonOut json;
    json.Key("models");
    json.w().StartArray();
    for (std::size_t i = 0; i < catalog.size(); ++i) {
      const MotorRecord& r = catalog.at(i);
      json.w().StartObject();
      json.KeyInt("index", static_cast<std::int64_t>(i));
      json.KeyInt("series", r.series);
      json.KeyInt("offered", r.offered);
      json.KeyString("name", r.name);
      json.KeyInt("number", r.Number());
      // The catalog's column order: mass and the two forces, then the data-sheet order.
      for (const std::size_t f : kCatalogJsonOrder) {
        const DataSheetField& field = kDataSheetFields[f];
        if (field.format == FieldFormat::WholeNumber) {
          json.KeyInt(field.jsonKey, static_cast<std::int64_t>(field.value(r)));
        } else {
          json.KeyFloat(field.jsonKey, field.value(r));
        }
      }
      json.KeyFloat("thermalCoefficient", r.thermalCoefficient);
      json.w().EndObject();
    }
    json.w().EndArray();
    json.Print();
    return kExitOk;
  }

  PrintOut("index series no. model   mover[kg] rated[N] attraction[N] peak[N]");
  for (std::size_t i = 0; i < catalog.size(); ++i) {
    const MotorRecord& r = catalog.at(i);
    auto col = [](const std::string& text, std::size_t width) { return Pad(text, width); };
    PrintOut(col(std::to_string(i), 6) + col(std::to_string(r.series), 7) + col(std::to_string(r.Number()), 5) +
             col(std::string(r.name), 8) + col(FormatGeneral6(r.moverMass), 10) +
             col(FormatGeneral6(r.ratedForce), 9) + col(std::to_string(r.attractionForce), 14) +
             FormatGeneral6(r.peakForce));
  }
  return kExitOk;
}

// Straight from the arguments to the output, the JSON form and then the text form: longer than
// most functions, but it reads top to bottom.
int RunSelect(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Choose the first fitting motor of each series for a move.");
  AddMoveOptions(parser);
  AddLimitOptions(parser);
  AddJsonOption(parser);
  if (const auto exit = ParseArguments(parser, arguments)) return *exit;
  if (const auto exit = RejectPositionals(parser)) return *exit;
  const auto request = ReadSelectionRequest(parser);
  if (!request) return kExitUsage;

  const SelectionOutcome out = RunSelection(*request);
  const bool json = WantsJson(parser);

  if (!out.completed) {
    if (json) {
      JsonOut o;
      o.KeyString("error", out.messages.back().text);
      o.Print();
    } else {
      PrintErr(out.messages.back().text);
    }
    return kExitStopped;
  }

  if (json) {
    JsonOut o;
    o.Key("messages");
    o.w().StartArray();
    for (const Message& m : out.messages) o.String(m.text);
    o.w().EndArray();
    o.KeyFloat("accelG", out.acceleration->g);
    o.KeyFloat("accelTimeMs", out.acceleration->timeMs);
    o.KeyInt("ratedLimit", out.ratedLimit);
    o.KeyInt("peakLimit", out.peakLimit);
    o.Key("series");
    o.w().StartArray();
    for (const MotorSeries s : kAllSeries) {
      const SeriesChoice& c = out.series[SeriesSlot(s)];
      o.w().StartObject();
      o.KeyInt("series", static_cast<int>(s));
      o.KeyString("model", c.model);
      o.KeyInt("number", c.number);
      o.KeyFloat("ratedDuty", c.duty.ratedDuty);
      o.KeyFloat("peakDuty", c.duty.peakDuty);
      o.w().EndObject();
    }
    o.w().EndArray();
    o.Print();
    return kExitOk;
  }

  for (const Message& m : out.messages) PrintErr(m.text);
  std::array<DutyResult, 3> duties;
  for (std::size_t i = 0; i < 3; ++i) duties[i] = out.series[i].duty;
  const auto texts = FormatDutyTexts(duties);
  PrintOut(Pad("", 22) + Pad("model", 8) + Pad("정격 사용률(%)", 16) + "최대 사용률(%)");
  for (std::size_t i = 0; i < 3; ++i)
    PrintOut(Pad(kSeriesTable[i].caption, 22) + Pad(out.series[i].model.empty() ? "-" : out.series[i].model, 8) +
             Pad(texts[2 * i], 16) + texts[2 * i + 1]);
  PrintOut("가속도 " + Fixed(out.acceleration->g, 1) + " g, 가속 시간 " + Fixed(out.acceleration->timeMs, 1) +
           " msec, 허용 사용률 정격 " + std::to_string(out.ratedLimit) + "%, 최대 " +
           std::to_string(out.peakLimit) + "%");
  return kExitOk;
}

// Laid out like RunSelect, and long for the same reason.
int RunCheck(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Rate one catalog model for a move: load analysis, coil temperature, duty.");
  parser.addPositionalArgument("MODEL", "Model name as the catalog spells it, e.g. CL-01.");
  AddMoveOptions(parser);
  parser.addOption({"ambient", "Ambient temperature text (default \"20\").", "TEXT", "20"});
  AddJsonOption(parser);
  if (const auto exit = ParseArguments(parser, arguments)) return *exit;
  const QStringList positionals = parser.positionalArguments();
  if (positionals.isEmpty()) return UsageError("check needs a MODEL");
  if (positionals.size() > 1) return UsageError(QStringLiteral("unexpected argument '%1'").arg(positionals[1]));
  const auto move = ReadMove(parser);
  if (!move) return kExitUsage;

  const std::string model = positionals.first().toStdString();
  const float ambient = ParseAmbientText(parser.value("ambient").toStdString());
  const DutyCheckOutcome out = CheckModelDuty({*move, model, ambient});
  const bool json = WantsJson(parser);

  if (out.status != DutyCheckStatus::Completed) {
    if (json) {
      JsonOut o;
      o.KeyString("error", out.message->text);
      if (out.analysis) WriteAnalysis(o, *out.analysis);
      o.Print();
    } else {
      if (out.analysis) PrintAnalysis(*out.analysis);
      PrintErr(out.message->text);
    }
    return kExitStopped;
  }

  if (json) {
    JsonOut o;
    o.KeyString("model", model);
    o.KeyInt("series", static_cast<int>(out.series));
    o.KeyInt("number", out.number);
    o.KeyFloat("ratedDuty", out.duty.ratedDuty);
    o.KeyFloat("peakDuty", out.duty.peakDuty);
    WriteAnalysis(o, *out.analysis);
    if (out.chart) {
      o.Key("labels");
      o.w().StartArray();
      for (const std::string& label : out.chart->labels) o.String(label);
      o.w().EndArray();
    }
    o.Print();
    return kExitOk;
  }

  PrintOut(model + " (" + std::string(InfoOf(out.series).caption) + ", No. " +
           std::to_string(out.number) + ")");
  PrintAnalysis(*out.analysis);
  PrintOut(Pad("정격 사용률", 14) + Fixed(out.duty.ratedDuty, 1) + " %");
  PrintOut(Pad("최대 사용률", 14) + Fixed(out.duty.peakDuty, 1) + " %");
  if (out.chart) {
    std::string line = Pad("Time (ms)", 14);
    for (const std::string& label : out.chart->labels) line += label + " ";
    line.pop_back();
    PrintOut(line);
  }
  return kExitOk;
}

// The options only; cli/RankCommand does the rest.
int RunRank(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Rate every catalog model for a move: duty ratios and whether they fit, margins, coil temperature, "
      "payload headroom and drive figures.");
  AddMoveOptions(parser);
  AddLimitOptions(parser);
  parser.addOptions({
      {"ambient", "Ambient temperature text (default \"20\").", "TEXT", "20"},
      {"fitting", "Only the models that fit both limits."},
      {"series", "Only these series, e.g. 1,3 (default 1,2,3).", "LIST"},
      {"sort", QString::fromStdString("Order of the rows. " + RankOrderHelp() + "."), "KEY"},
      {"csv", "Write RFC 4180 CSV (UTF-8, CR LF) with a header row."},
  });
  AddJsonOption(parser);
  if (const auto exit = ParseArguments(parser, arguments)) return *exit;
  if (const auto exit = RejectPositionals(parser)) return *exit;
  const auto selection = ReadSelectionRequest(parser);
  if (!selection) return kExitUsage;

  RankRequest request;
  request.comparison = {selection->input, selection->ratedPosition, selection->peakPosition,
                        ParseAmbientText(parser.value("ambient").toStdString())};
  request.fittingOnly = parser.isSet("fitting");
  if (parser.isSet("series")) {
    const auto series = ParseSeriesList(parser.value("series").toStdString());
    if (!series) return UsageError("--series takes series numbers 1, 2 and 3 separated by commas");
    request.series = *series;
  }
  if (parser.isSet("sort")) {
    const auto order = ParseRankOrder(parser.value("sort").toStdString());
    if (!order) return UsageError(QStringLiteral("unknown --sort key '%1'").arg(parser.value("sort")));
    request.order = *order;
  }
  if (WantsJson(parser) && parser.isSet("csv")) return UsageError("give either --json or --csv, not both");
  request.format = WantsJson(parser) ? RankFormat::Json : parser.isSet("csv") ? RankFormat::Csv : RankFormat::Text;
  return RunRank(request, std::cout, std::cerr);
}

}  // namespace brivane::cli
