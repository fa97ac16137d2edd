#include "cli/CheckCommand.h"

#include <algorithm>
#include <string>

#include "catalog/Series.h"
#include "cli/CliCommon.h"
#include "cli/CsvFields.h"
#include "cli/MotorOptions.h"
#include "cli/RankCommand.h"
#include "engine/ComparisonTexts.h"
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

// The verdicts as rank has them: the selection's own test (its ratios, which for the peak can differ
// from the check's in the last digits) against the limits given, and the coil temperature against
// the form's 90 degC.
struct Verdicts {
  std::optional<bool> fits;  // none without both limits
  bool coolEnough = false;
  std::int32_t ratedLimit = 0;
  std::int32_t peakLimit = 0;
};

Verdicts Judge(const CheckRequest& request, const MotorRecord& row, const DutyCheckOutcome& out) {
  Verdicts v;
  v.coolEnough = out.analysis->coilTemp <= kMaxCoilTempC;
  if (request.ratedPosition && request.peakPosition) {
    v.ratedLimit = LimitFromPosition(*request.ratedPosition);
    v.peakLimit = LimitFromPosition(*request.peakPosition);
    const DutyResult selectionDuty = ComputeDuty(request.move, AccelInG(request.move), row).duty;
    v.fits = RowFits(row, selectionDuty, static_cast<float>(v.ratedLimit), static_cast<float>(v.peakLimit));
  }
  return v;
}

void WriteJson(const DutyCheckOutcome& out, const Verdicts& v, std::ostream& stream) {
  JsonOut o;
  o.KeyString("model", out.model);
  if (out.user) {
    WriteUserMark(o, out.family);
  } else {
    o.KeyInt("series", static_cast<int>(out.series));
    o.KeyInt("number", out.number);
  }
  o.KeyFloat("ratedDuty", out.duty.ratedDuty);
  o.KeyFloat("peakDuty", out.duty.peakDuty);
  WriteAnalysis(o, *out.analysis);
  if (out.chart) {
    o.Key("labels");
    o.w().StartArray();
    for (const std::string& label : out.chart->labels) o.String(label);
    o.w().EndArray();
  }
  o.Key("fits");
  if (v.fits) {
    o.w().Bool(*v.fits);
    o.KeyInt("ratedLimit", v.ratedLimit);
    o.KeyInt("peakLimit", v.peakLimit);
  } else {
    o.w().Null();
  }
  o.KeyBool("coolEnough", v.coolEnough);
  o.Print(stream);
}

// In the order of the header; a user's motor has a family where a built-in model has a series and
// a number, the limits are empty where JSON's "fits" is null.
void WriteCsv(const DutyCheckOutcome& out, const Verdicts& v, std::ostream& stream) {
  std::vector<std::string> fields{out.model,
                                  out.user ? "" : std::to_string(static_cast<int>(out.series)),
                                  out.user ? "" : std::to_string(out.number),
                                  out.family,
                                  CsvBool(out.user),
                                  CsvFloat(out.duty.ratedDuty),
                                  CsvFloat(out.duty.peakDuty)};
  const LoadAnalysis& a = *out.analysis;
  for (const AnalysisRow& row : kAnalysisRows) fields.push_back(CsvFloat(a.*row.value));
  for (const AnalysisRow& row : kTemperatureRows) fields.push_back(CsvFloat(a.*row.value));
  fields.push_back(v.fits ? CsvBool(*v.fits) : "");
  fields.push_back(v.fits ? std::to_string(v.ratedLimit) : "");
  fields.push_back(v.fits ? std::to_string(v.peakLimit) : "");
  fields.push_back(CsvBool(v.coolEnough));
  stream << CsvRecord(CheckCsvHeader()) << CsvRecord(fields);
}

void WriteText(const DutyCheckOutcome& out, const Verdicts& v, const Io& io) {
  const std::size_t columns = LabelColumns(io);
  if (out.user) {
    io.Out(out.model + " (" + io.Say(kUserMotorsTitle) + (out.family.empty() ? "" : ", " + out.family) + ")");
  } else {
    io.Out(out.model + " (" + io.Say(InfoOf(out.series).caption) + ", No. " + std::to_string(out.number) + ")");
  }
  PrintAnalysis(*out.analysis, io);
  io.Out(Pad(io.Say(CliText::RatedDuty), columns) + Fixed(out.duty.ratedDuty, 1) + " %");
  io.Out(Pad(io.Say(CliText::PeakDuty), columns) + Fixed(out.duty.peakDuty, 1) + " %");
  if (out.chart) {
    std::string row = Pad("Time (ms)", columns);
    for (const std::string& label : out.chart->labels) row += label + " ";
    row.pop_back();
    io.Out(row);
  }
  std::string fits = "-";
  if (v.fits) {
    const std::string limits[] = {std::to_string(v.ratedLimit), std::to_string(v.peakLimit)};
    fits = io.Say(kVerdictTexts[*v.fits ? 1 : 2]) + " (" + io.Say(CliText::AllowedLimits, limits) + ")";
  }
  io.Out(Pad(io.Say(HeaderOf(CandidateColumn::Verdict)), columns) + fits);
  io.Out(Pad(io.Say(kCoilVerdictLabel), columns) + Fixed(kMaxCoilTempC, 0) +
         io.Say(v.coolEnough ? kCoolEnoughText : kTooHotText));
}

}  // namespace

const std::vector<std::string>& CheckCsvHeader() {
  static const std::vector<std::string> header = [] {
    std::vector<std::string> keys{"model", "series", "number", "family", "user", "ratedDuty", "peakDuty"};
    for (const AnalysisRow& row : kAnalysisRows) keys.emplace_back(row.jsonKey);
    for (const AnalysisRow& row : kTemperatureRows) keys.emplace_back(row.jsonKey);
    keys.insert(keys.end(), {"fits", "ratedLimit", "peakLimit", "coolEnough"});
    return keys;
  }();
  return header;
}

int RunCheck(const CheckRequest& request, std::ostream& out, std::ostream& err) {
  const Io io{out, err, request.language};
  const std::span<const MotorRecord> rows = request.rows;
  // Typed in any case ("cl-07"), rated and shown as the catalog spells it. The user's motors
  // differ from each other and from the built-in models in more than case, so one row matches.
  const std::optional<std::size_t> index = FindModelIgnoringCase(rows, request.model);
  const std::string model = index ? std::string(rows[*index].name) : request.model;
  const DutyCheckOutcome outcome = CheckModelDuty({request.move, model, request.ambientTemp}, rows);

  if (outcome.status != DutyCheckStatus::Completed) {
    if (request.format == RankFormat::Json) {
      JsonOut o;
      o.KeyString("error", KoreanText(*outcome.message));
      if (outcome.analysis) WriteAnalysis(o, *outcome.analysis);
      o.Print(out);
    } else {
      if (outcome.analysis && request.format == RankFormat::Text) PrintAnalysis(*outcome.analysis, io);
      io.Stopped(*outcome.message);
    }
    // The form's message speaks of a model not chosen; on the command line one was named.
    if (outcome.status == DutyCheckStatus::ModelMissing && !model.empty())
      io.Err("brivane-cli: no model '" + model + "' in the catalog ('brivane-cli catalog' lists them)");
    return kExitStopped;
  }
  const Verdicts verdicts = Judge(request, rows[*index], outcome);
  if (request.format == RankFormat::Json) {
    WriteJson(outcome, verdicts, out);
    return kExitOk;
  }
  if (request.format == RankFormat::Csv) {
    WriteCsv(outcome, verdicts, out);
  } else {
    WriteText(outcome, verdicts, io);
  }
  // The analysis stands; only the verdict on the limits needs a limit the list holds.
  if (!verdicts.fits) io.Stopped({MessageCode::NoLimits});
  return kExitOk;
}

}  // namespace brivane::cli
