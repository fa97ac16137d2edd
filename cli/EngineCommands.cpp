// catalog, select, check and rank: the engine's operations with the form's defaults.
#include <algorithm>
#include <array>
#include <string>

#include "catalog/DataSheetFields.h"
#include "catalog/MotorCatalog.h"
#include "catalog/Series.h"
#include "cli/CheckCommand.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/MotorOptions.h"
#include "cli/RankCommand.h"
#include "cli/SelectCommand.h"
#include "engine/ComparisonTexts.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"
#include "engine/Utf8.h"

namespace brivane::cli {
namespace {

// Every row with every field of its data sheet and its thermal coefficient, in the catalog's
// column order; one of the user's with its family and mark in place of series and number.
void WriteCatalogJson(std::span<const MotorRecord> rows, const Io& io) {
  JsonOut json;
  json.Key("models");
  json.w().StartArray();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MotorRecord& r = rows[i];
    json.w().StartObject();
    json.KeyInt("index", static_cast<std::int64_t>(i));
    if (r.user) {
      json.KeyString("name", r.name);
      WriteUserMark(json, r.family);
    } else {
      json.KeyInt("series", r.series);
      json.KeyInt("offered", r.offered);
      json.KeyString("name", r.name);
      json.KeyInt("number", r.Number());
    }
    for (const std::size_t f : kCatalogColumnOrder) {
      const DataSheetField& field = kDataSheetFields[f];
      if (field.whole != nullptr) {
        json.KeyInt(field.jsonKey, r.*field.whole);
      } else {
        json.KeyFloat(field.jsonKey, r.*field.decimal);
      }
    }
    json.KeyFloat("thermalCoefficient", r.thermalCoefficient);
    json.w().EndObject();
  }
  json.w().EndArray();
  json.Print(io.out);
}

// One line a row. The user's motors have no series: their title once before them, their family
// last; the model column as always for the built-in names, wider for a longer name of the user's.
void WriteCatalogText(std::span<const MotorRecord> rows, const Io& io) {
  std::size_t nameColumns = 8;
  for (const MotorRecord& r : rows) nameColumns = std::max(nameColumns, DisplayWidth(r.name) + 1);
  std::vector<std::string> lines;
  std::size_t userWidth = 0;  // of the user's lines, which their family follows
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MotorRecord& r = rows[i];
    lines.push_back(Pad(std::to_string(i), 6) + Pad(r.user ? "-" : std::to_string(r.series), 7) +
                    Pad(r.user ? "-" : std::to_string(r.Number()), 5) + Pad(r.name, nameColumns) +
                    Pad(FormatGeneral6(r.moverMass), 10) + Pad(FormatGeneral6(r.ratedForce), 9) +
                    Pad(std::to_string(r.attractionForce), 14) + FormatGeneral6(r.peakForce));
    if (r.user) userWidth = std::max(userWidth, DisplayWidth(lines.back()) + 2);
  }
  io.Out(Pad("index series no. model", 17 + nameColumns) + "mover[kg] rated[N] attraction[N] peak[N]");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MotorRecord& r = rows[i];
    if (r.user && (i == 0 || !rows[i - 1].user)) io.Out(io.Say(kUserMotorsTitle));
    io.Out(r.user && !r.family.empty() ? Pad(lines[i], userWidth) + std::string(r.family) : lines[i]);
  }
}

}  // namespace

void DeclareCatalog(CommandLine& line) {
  line.Describe("List the 69 motor models in catalog order (and your own after them, with --motors).");
  AddMotorOptions(line, "Its motors are listed after the built-in models.");
  line.AddJsonOption();
}

int RunCatalog(const CommandLine& line, const Io& io) {
  if (const auto exit = RejectPositionals(line, io)) return *exit;
  const auto motors = ReadMotorOptions(line, io);
  if (!motors) return kExitUsage;
  if (line.WantsJson()) {
    WriteCatalogJson(motors->Rows(), io);
  } else {
    WriteCatalogText(motors->Rows(), io);
  }
  return kExitOk;
}

void DeclareSelect(CommandLine& line) {
  line.Describe(
      "Choose the first fitting motor of each series for a move, from the built-in catalog only (your own motors, "
      "--motors of rank, check and catalog, are not among them).");
  line.AddMoveOptions();
  line.AddLimitOptions();
  line.AddCsvOption();
  line.AddJsonOption();
}

std::optional<SelectRequest> ReadSelectRequest(const OptionValues& line, const Io& io) {
  const auto selection = ReadSelectionRequest(line, io);
  if (!selection) return std::nullopt;
  const auto format = ReadFormat(line, io);
  if (!format) return std::nullopt;
  return SelectRequest{*selection, *format, io.language};
}

int RunSelect(const CommandLine& line, const Io& io) {
  if (const auto exit = RejectPositionals(line, io)) return *exit;
  const auto request = ReadSelectRequest(line, io);
  return request ? RunSelect(*request, io.out, io.err) : kExitUsage;
}

void DeclareCheck(CommandLine& line) {
  line.Describe(
      "Rate one catalog model for a move: load analysis, coil temperature, duty, and whether it fits the limits "
      "and keeps the coil at or below 90 degC.");
  line.AddPositionals("MODEL", "model",
                      "Model name as the catalog lists it, in any letter case, e.g. CL-01 (default the move file's).");
  line.AddMoveOptions();
  line.AddLimitOptions();
  line.AddValue("ambient", "TEXT", "Ambient temperature text (default \"20\").");
  AddMotorOptions(line, "MODEL may name one of its motors.");
  line.AddCsvOption();
  line.AddJsonOption();
}

std::optional<CheckRequest> ReadCheckRequest(const OptionValues& line, const Io& io, MotorRowsSource& rows) {
  const std::vector<std::string>& positionals = line.Positionals();
  if (positionals.empty() && !line.IsSet("move")) {
    io.UsageError(UsageCode::Missing, "check needs a MODEL", "brivane-cli: 'brivane-cli catalog' lists the models");
    return std::nullopt;
  }
  if (positionals.size() > 1) {
    io.UsageError("unexpected argument '" + positionals[1] + "'");
    return std::nullopt;
  }
  const auto form = ReadMoveFile(line, io);
  if (!form) return std::nullopt;
  const auto move = ReadMove(line, io, form->move);
  if (!move) return std::nullopt;
  const auto limits = ReadLimits(line, io, {form->ratedPosition, form->peakPosition});
  if (!limits) return std::nullopt;
  const auto motors = rows.Read(line, io);
  if (!motors) return std::nullopt;
  const auto format = ReadFormat(line, io);
  if (!format) return std::nullopt;

  CheckRequest request;
  request.move = *move;
  request.rows = *motors;
  request.model = positionals.empty() ? form->model : positionals.front();
  request.ambientTemp = ParseAmbientText(line.IsSet("ambient") ? line.Value("ambient") : form->ambient);
  request.ratedPosition = limits->rated;
  request.peakPosition = limits->peak;
  request.format = *format;
  request.language = io.language;
  return request;
}

int RunCheck(const CommandLine& line, const Io& io) {
  MotorRowsSource rows;
  const auto request = ReadCheckRequest(line, io, rows);
  return request ? RunCheck(*request, io.out, io.err) : kExitUsage;
}

void DeclareRank(CommandLine& line) {
  line.Describe(
      "Rate every catalog model for a move: duty ratios and whether they fit, margins, coil temperature, "
      "payload headroom and drive figures, with the bus voltage the move needs.");
  line.AddMoveOptions();
  line.AddLimitOptions();
  line.AddValue("ambient", "TEXT", "Ambient temperature text (default \"20\").");
  AddRowChoiceOptions(line, kRankOrders);
  AddBusVoltageOption(line,
                      "The drive's DC bus voltage in V: each model's bus voltage needed for the move (rated as a "
                      "one-move cycle, a triangle where the stroke is short) is checked against it, and its top "
                      "speed there given.");
  AddMotorOptions(line,
                  "Its motors are rated after the built-in models (--series leaves them in, and the selection never "
                  "picks them): under their own title in the text table, with \"family\" and \"user\": true in "
                  "JSON.");
}

std::optional<RankRequest> ReadRankRequest(const OptionValues& line, const Io& io, MotorRowsSource& rows) {
  const auto form = ReadMoveFile(line, io);
  if (!form) return std::nullopt;
  const auto move = ReadMove(line, io, form->move);
  if (!move) return std::nullopt;
  const auto limits = ReadLimits(line, io, {form->ratedPosition, form->peakPosition});
  if (!limits) return std::nullopt;
  const auto motors = rows.Read(line, io);
  if (!motors) return std::nullopt;

  RankRequest request;
  request.rows = *motors;
  request.comparison = {*move, limits->rated, limits->peak,
                        ParseAmbientText(line.IsSet("ambient") ? line.Value("ambient") : form->ambient)};
  const auto choice = ReadRowChoice(line, io, kRankOrders);
  if (!choice) return std::nullopt;
  request.fittingOnly = choice->fittingOnly;
  request.series = choice->series;
  request.order = choice->order;
  request.format = choice->format;
  if (!ReadBusVoltage(line, io, request.busVoltage)) return std::nullopt;
  request.language = io.language;
  return request;
}

// The options only; cli/RankCommand does the rest.
int RunRank(const CommandLine& line, const Io& io) {
  if (const auto exit = RejectPositionals(line, io)) return *exit;
  MotorRowsSource rows;
  const auto request = ReadRankRequest(line, io, rows);
  return request ? RunRank(*request, io.out, io.err) : kExitUsage;
}

}  // namespace brivane::cli
