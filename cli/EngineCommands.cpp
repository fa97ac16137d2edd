// catalog, select, check and rank: the engine's operations with the form's defaults.
#include <algorithm>
#include <array>
#include <string>

#include "catalog/DataSheetFields.h"
#include "catalog/MotorCatalog.h"
#include "catalog/Series.h"
#include "cli/CliCommon.h"
#include "cli/CheckCommand.h"
#include "cli/Commands.h"
#include "cli/RankCommand.h"
#include "cli/SelectCommand.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"

namespace brivane::cli {
namespace {

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
  const auto selection = ReadSelectionRequest(line, io);
  if (!selection) return kExitUsage;
  return RunSelect(SelectRequest{*selection, line.WantsJson(), io.language}, io.out, io.err);
}

void DeclareCheck(CommandLine& line) {
  line.Describe(
      "Rate one catalog model for a move: load analysis, coil temperature, duty, and whether it fits the limits "
      "and keeps the coil at or below 90 degC.");
  line.AddPositionals("MODEL",
                      "Model name as the catalog lists it, in any letter case, e.g. CL-01 (default the move file's).");
  line.AddMoveOptions();
  line.AddLimitOptions();
  line.AddValue("ambient", "TEXT", "Ambient temperature text (default \"20\").");
  line.AddJsonOption();
}

int RunCheck(const CommandLine& line, const Io& io) {
  const std::vector<std::string>& positionals = line.Positionals();
  if (positionals.empty() && !line.IsSet("move"))
    return io.UsageError("check needs a MODEL", "brivane-cli: 'brivane-cli catalog' lists the models");
  if (positionals.size() > 1) return io.UsageError("unexpected argument '" + positionals[1] + "'");
  const auto form = ReadMoveFile(line, io);
  if (!form) return kExitUsage;
  const auto move = ReadMove(line, io, form->move);
  if (!move) return kExitUsage;
  const auto limits = ReadLimits(line, io, {form->ratedPosition, form->peakPosition});
  if (!limits) return kExitUsage;

  CheckRequest request;
  request.move = *move;
  request.model = positionals.empty() ? form->model : positionals.front();
  request.ambientTemp = ParseAmbientText(line.IsSet("ambient") ? line.Value("ambient") : form->ambient);
  request.ratedPosition = limits->rated;
  request.peakPosition = limits->peak;
  request.json = line.WantsJson();
  request.language = io.language;
  return RunCheck(request, io.out, io.err);
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
    if (!order) return io.UsageError("unknown --sort key '" + line.Value("sort") + "'", RankOrderHint());
    request.order = *order;
  }
  if (line.WantsJson() && line.IsSet("csv")) return io.UsageError("give either --json or --csv, not both");
  request.language = io.language;
  request.format = line.WantsJson() ? RankFormat::Json : line.IsSet("csv") ? RankFormat::Csv : RankFormat::Text;
  return RunRank(request, io.out, io.err);
}

}  // namespace brivane::cli
