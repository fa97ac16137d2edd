#include "cli/SelectCommand.h"

#include <algorithm>
#include <array>
#include <string>

#include "catalog/Series.h"
#include "cli/CliCommon.h"
#include "cli/CsvFields.h"
#include "cli/RankCommand.h"
#include "engine/ComparisonTexts.h"
#include "engine/NumberText.h"
#include "engine/Presentation.h"
#include "engine/Utf8.h"

namespace brivane::cli {
namespace {

std::string Fixed(float v, int decimals) { return FormatFixed(static_cast<double>(v), decimals); }

void WriteJson(const SelectionOutcome& out, std::ostream& stream) {
  JsonOut o;
  WriteMessages(o, out.messages);
  o.KeyFloat("accelG", out.acceleration->g);
  o.KeyFloat("accelTimeMs", out.acceleration->timeMs);
  o.KeyInt("ratedLimit", out.ratedLimit);
  o.KeyInt("peakLimit", out.peakLimit);
  // Only said when so: a script that reads the ratios must know they are of a profile the axis
  // cannot run.
  if (!out.reachable) o.KeyBool("reachable", false);
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
    // The zeros of a series without a fit are no ratios of a model; the key says so.
    if (c.number == 0) o.KeyBool("found", false);
    o.w().EndObject();
  }
  o.w().EndArray();
  o.Print(stream);
}

// The series' four keys of select --csv, after the run's own.
constexpr std::string_view kSeriesCsvKeys[] = {"Model", "Number", "RatedDuty", "PeakDuty"};

void WriteCsv(const SelectionOutcome& out, std::ostream& stream) {
  std::vector<std::string> fields{CsvFloat(out.acceleration->g), CsvFloat(out.acceleration->timeMs),
                                  std::to_string(out.ratedLimit), std::to_string(out.peakLimit),
                                  CsvBool(out.reachable)};
  for (const SeriesChoice& c : out.series) {
    fields.insert(fields.end(),
                  {c.model, std::to_string(c.number), CsvFloat(c.duty.ratedDuty), CsvFloat(c.duty.peakDuty)});
  }
  stream << CsvRecord(SelectCsvHeader()) << CsvRecord(fields);
}

void WriteText(const SelectionOutcome& out, const Io& io) {
  std::array<DutyResult, 3> duties;
  for (std::size_t i = 0; i < 3; ++i) duties[i] = out.series[i].duty;
  const auto texts = FormatDutyTexts(duties);
  // The captions' column: 22 as always for the Korean captions, wider for longer English ones.
  std::size_t captionColumns = 22;
  for (const SeriesInfo& info : kSeriesTable)
    captionColumns = std::max(captionColumns, DisplayWidth(io.Say(info.caption)) + 1);
  io.Out(Pad("", captionColumns) + Pad("model", 8) + Pad(io.Say(HeaderOf(CandidateColumn::RatedDuty)), 16) +
         io.Say(HeaderOf(CandidateColumn::PeakDuty)));
  for (std::size_t i = 0; i < 3; ++i) {
    const SeriesChoice& c = out.series[i];
    // "- 0.0 0.0" would read like a pass.
    const std::string duty = c.number == 0 ? io.Say(kNoFittingModelText) : Pad(texts[2 * i], 16) + texts[2 * i + 1];
    io.Out(Pad(io.Say(kSeriesTable[i].caption), captionColumns) + Pad(c.number == 0 ? "-" : c.model, 8) + duty);
  }
  const std::string summary[] = {Fixed(out.acceleration->g, 1), Fixed(out.acceleration->timeMs, 1),
                                 std::to_string(out.ratedLimit), std::to_string(out.peakLimit)};
  io.Out(io.Say(CliText::SelectSummary, summary));
}

}  // namespace

const std::vector<std::string>& SelectCsvHeader() {
  static const std::vector<std::string> header = [] {
    std::vector<std::string> keys{"accelG", "accelTimeMs", "ratedLimit", "peakLimit", "reachable"};
    for (const MotorSeries s : kAllSeries)
      for (const std::string_view key : kSeriesCsvKeys)
        keys.push_back("series" + std::to_string(static_cast<int>(s)) + std::string(key));
    return keys;
  }();
  return header;
}

int RunSelect(const SelectRequest& request, std::ostream& out, std::ostream& err) {
  const Io io{out, err, request.language};
  const SelectionOutcome outcome = RunSelection(request.selection);
  if (!outcome.completed) {
    if (request.format == RankFormat::Json) {
      JsonOut o;
      o.KeyString("error", KoreanText(outcome.messages.back()));
      o.Print(out);
    } else {
      io.Stopped(outcome.messages.back());
    }
    return kExitStopped;
  }
  if (request.format == RankFormat::Json) {
    WriteJson(outcome, out);
    return kExitOk;
  }
  for (const Message& m : outcome.messages) io.Err(io.Say(m));
  if (!outcome.reachable) io.Err(io.Say(Message{MessageCode::ProfileUnreachable}));
  if (request.format == RankFormat::Csv) {
    WriteCsv(outcome, out);
  } else {
    WriteText(outcome, io);
  }
  return kExitOk;
}

}  // namespace brivane::cli
