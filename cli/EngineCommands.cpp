// catalog, select, check and rank: the engine's operations with the form's defaults.
#include <algorithm>
#include <array>
#include <string>

#include "catalog/DataSheetFields.h"
#include "catalog/MotorCatalog.h"
#include "catalog/Series.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/RankCommand.h"
#include "engine/ComparisonTexts.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"
#include "engine/Utf8.h"

namespace brivane::cli {
namespace {

std::string Fixed(float v, int decimals) { return FormatFixed(static_cast<double>(v), decimals); }

// The column of the labels: 14 as always for the Korean ones, wider for longer English ones.
std::size_t LabelColumns(const Io& io) {
  std::size_t columns = 14;
  for (const AnalysisRow& row : kAnalysisRows) columns = std::max(columns, DisplayWidth(io.Say(row.label)) + 1);
  for (const AnalysisRow& row : kTemperatureRows) columns = std::max(columns, DisplayWidth(io.Say(row.label)) + 1);
  return columns;
}

void PrintAnalysis(const LoadAnalysis& a, const Io& io) {
  const std::size_t columns = LabelColumns(io);
  for (const AnalysisRow& row : kAnalysisRows)
    io.Out(Pad(io.Say(row.label), columns) + FormatAnalysisValue(a, row) + " " + std::string(row.unit));
  for (const AnalysisRow& row : kTemperatureRows)
    io.Out(Pad(io.Say(row.label), columns) + FormatAnalysisValue(a, row) + " " + std::string(row.unit));
}

// Positions in kDataSheetFields: moverMass, ratedForce, attractionForce, peakForce, then the
// electrical and mechanical data in the sheet's order.
constexpr std::array<std::size_t, 14> kCatalogJsonOrder{12, 0, 13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

}  // namespace

void DeclareCatalog(CommandLine& line) {
  line.Describe("List the 69 motor models in catalog order.");
  line.AddJsonOption();
}

int RunCatalog(const CommandLine& line, const Io& io) {
  if (const auto exit = RejectPositionals(line, io)) return *exit;

  const MotorCatalog& catalog = MotorCatalog::Instance();
  if (line.WantsJson()) {
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
    json.Print(io.out);
    return kExitOk;
  }

  io.Out("index series no. model   mover[kg] rated[N] attraction[N] peak[N]");
  for (std::size_t i = 0; i < catalog.size(); ++i) {
    const MotorRecord& r = catalog.at(i);
    auto col = [](const std::string& text, std::size_t width) { return Pad(text, width); };
    io.Out(col(std::to_string(i), 6) + col(std::to_string(r.series), 7) + col(std::to_string(r.Number()), 5) +
           col(std::string(r.name), 8) + col(FormatGeneral6(r.moverMass), 10) + col(FormatGeneral6(r.ratedForce), 9) +
           col(std::to_string(r.attractionForce), 14) + FormatGeneral6(r.peakForce));
  }
  return kExitOk;
}

void DeclareSelect(CommandLine& line) {
  line.Describe("Choose the first fitting motor of each series for a move.");
  line.AddMoveOptions();
  line.AddLimitOptions();
  line.AddJsonOption();
}

int RunSelect(const CommandLine& line, const Io& io) {
  if (const auto exit = RejectPositionals(line, io)) return *exit;
  const auto request = ReadSelectionRequest(line, io);
  if (!request) return kExitUsage;

  const SelectionOutcome out = RunSelection(*request);
  const bool json = line.WantsJson();

  if (!out.completed) {
    if (json) {
      JsonOut o;
      o.KeyString("error", KoreanText(out.messages.back()));
      o.Print(io.out);
    } else {
      io.Err(io.Say(out.messages.back()));
    }
    return kExitStopped;
  }

  if (json) {
    JsonOut o;
    WriteMessages(o, out.messages);
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
    o.Print(io.out);
    return kExitOk;
  }

  for (const Message& m : out.messages) io.Err(io.Say(m));
  std::array<DutyResult, 3> duties;
  for (std::size_t i = 0; i < 3; ++i) duties[i] = out.series[i].duty;
  const auto texts = FormatDutyTexts(duties);
  // The captions' column: 22 as always for the Korean captions, wider for longer English ones.
  std::size_t captionColumns = 22;
  for (const SeriesInfo& info : kSeriesTable)
    captionColumns = std::max(captionColumns, DisplayWidth(io.Say(info.caption)) + 1);
  io.Out(Pad("", captionColumns) + Pad("model", 8) + Pad(io.Say(HeaderOf(CandidateColumn::RatedDuty)), 16) +
         io.Say(HeaderOf(CandidateColumn::PeakDuty)));
  for (std::size_t i = 0; i < 3; ++i)
    io.Out(Pad(io.Say(kSeriesTable[i].caption), captionColumns) +
           Pad(out.series[i].model.empty() ? "-" : out.series[i].model, 8) + Pad(texts[2 * i], 16) + texts[2 * i + 1]);
  const std::string summary[] = {Fixed(out.acceleration->g, 1), Fixed(out.acceleration->timeMs, 1),
                                 std::to_string(out.ratedLimit), std::to_string(out.peakLimit)};
  io.Out(io.Say(CliText::SelectSummary, summary));
  return kExitOk;
}

void DeclareCheck(CommandLine& line) {
  line.Describe("Rate one catalog model for a move: load analysis, coil temperature, duty.");
  line.AddPositionals("MODEL", "Model name as the catalog spells it, e.g. CL-01 (default the move file's).");
  line.AddMoveOptions();
  line.AddValue("ambient", "TEXT", "Ambient temperature text (default \"20\").");
  line.AddJsonOption();
}

int RunCheck(const CommandLine& line, const Io& io) {
  const std::vector<std::string>& positionals = line.Positionals();
  if (positionals.empty() && !line.IsSet("move")) return io.UsageError("check needs a MODEL");
  if (positionals.size() > 1) return io.UsageError("unexpected argument '" + positionals[1] + "'");
  const auto form = ReadMoveFile(line, io);
  if (!form) return kExitUsage;
  const auto move = ReadMove(line, io, form->move);
  if (!move) return kExitUsage;

  const std::string model = positionals.empty() ? form->model : positionals.front();
  const float ambient = ParseAmbientText(line.IsSet("ambient") ? line.Value("ambient") : form->ambient);
  const DutyCheckOutcome out = CheckModelDuty({*move, model, ambient});
  const bool json = line.WantsJson();

  if (out.status != DutyCheckStatus::Completed) {
    if (json) {
      JsonOut o;
      o.KeyString("error", KoreanText(*out.message));
      if (out.analysis) WriteAnalysis(o, *out.analysis);
      o.Print(io.out);
    } else {
      if (out.analysis) PrintAnalysis(*out.analysis, io);
      io.Err(io.Say(*out.message));
    }
    // The form's message speaks of a model not chosen; on the command line one was named.
    if (out.status == DutyCheckStatus::ModelMissing && !model.empty())
      io.Err("brivane-cli: no model '" + model + "' in the catalog ('brivane-cli catalog' lists them)");
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
    o.Print(io.out);
    return kExitOk;
  }

  io.Out(model + " (" + io.Say(InfoOf(out.series).caption) + ", No. " + std::to_string(out.number) + ")");
  PrintAnalysis(*out.analysis, io);
  io.Out(Pad(io.Say(CliText::RatedDuty), LabelColumns(io)) + Fixed(out.duty.ratedDuty, 1) + " %");
  io.Out(Pad(io.Say(CliText::PeakDuty), LabelColumns(io)) + Fixed(out.duty.peakDuty, 1) + " %");
  if (out.chart) {
    std::string row = Pad("Time (ms)", LabelColumns(io));
    for (const std::string& label : out.chart->labels) row += label + " ";
    row.pop_back();
    io.Out(row);
  }
  return kExitOk;
}

void DeclareRank(CommandLine& line) {
  line.Describe(
      "Rate every catalog model for a move: duty ratios and whether they fit, margins, coil temperature, "
      "payload headroom and drive figures.");
  line.AddMoveOptions();
  line.AddLimitOptions();
  line.AddValue("ambient", "TEXT", "Ambient temperature text (default \"20\").");
  line.AddFlag("fitting", "Only the models that fit both limits.");
  line.AddValue("series", "LIST", "Only these series, e.g. 1,3 (default 1,2,3).");
  line.AddValue("sort", "KEY", "Order of the rows. " + RankOrderHelp() + ".");
  line.AddFlag("csv", "Write RFC 4180 CSV (UTF-8, CR LF) with a header row.");
  line.AddJsonOption();
}

// The options only; cli/RankCommand does the rest.
int RunRank(const CommandLine& line, const Io& io) {
  if (const auto exit = RejectPositionals(line, io)) return *exit;
  const auto form = ReadMoveFile(line, io);
  if (!form) return kExitUsage;
  const auto move = ReadMove(line, io, form->move);
  if (!move) return kExitUsage;
  const auto limits = ReadLimits(line, io, {form->ratedPosition, form->peakPosition});
  if (!limits) return kExitUsage;

  RankRequest request;
  request.comparison = {*move, limits->rated, limits->peak,
                        ParseAmbientText(line.IsSet("ambient") ? line.Value("ambient") : form->ambient)};
  request.fittingOnly = line.IsSet("fitting");
  if (line.IsSet("series")) {
    const auto series = ReadSeriesList(line.Value("series")).series;
    if (!series) return io.UsageError("--series takes series numbers 1, 2 and 3 separated by commas");
    request.series = *series;
  }
  if (line.IsSet("sort")) {
    const auto order = ParseRankOrder(line.Value("sort"));
    if (!order) return io.UsageError("unknown --sort key '" + line.Value("sort") + "'");
    request.order = *order;
  }
  if (line.WantsJson() && line.IsSet("csv")) return io.UsageError("give either --json or --csv, not both");
  request.language = io.language;
  request.format = line.WantsJson() ? RankFormat::Json : line.IsSet("csv") ? RankFormat::Csv : RankFormat::Text;
  return RunRank(request, io.out, io.err);
}

}  // namespace brivane::cli
