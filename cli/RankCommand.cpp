#include "cli/RankCommand.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/ExitStatus.h"
#include "cli/JsonOut.h"
#include "cli/MotorOptions.h"
#include "cli/TextTable.h"
#include "engine/ComparisonTexts.h"
#include "engine/CycleDrive.h"
#include "engine/DriveTexts.h"
#include "engine/NumberText.h"
#include "engine/Utf8.h"

namespace brivane::cli {
namespace {

struct OrderKey {
  std::string_view key;
  RankOrder order;
  std::string_view help;
  CandidateColumn column;  // the table column sorted by, as a number; none sorted last
  bool descending;
};

// Each key sorts the best first: the most margin or headroom, the coolest coil, the least loss.
constexpr OrderKey kOrders[] = {
    {"catalog", RankOrder::Catalog, "catalog order (the default)", CandidateColumn::Name, false},
    {"rated-margin", RankOrder::RatedMargin, "rated limit minus rated duty, largest first",
     CandidateColumn::RatedMargin, true},
    {"peak-margin", RankOrder::PeakMargin, "peak limit minus peak duty, largest first", CandidateColumn::PeakMargin,
     true},
    {"headroom", RankOrder::Headroom, "payload headroom, largest first, models without any last",
     CandidateColumn::Headroom, true},
    {"coil-temp", RankOrder::CoilTemp, "coil temperature, coolest first", CandidateColumn::CoilTemp, false},
    {"copper-loss", RankOrder::CopperLoss, "copper loss, lowest first", CandidateColumn::CopperLoss, false},
};

const OrderKey& KeyOf(RankOrder order) {
  for (const OrderKey& k : kOrders)
    if (k.order == order) return k;
  return kOrders[0];
}

std::vector<const CandidateRating*> Chosen(const ComparisonOutcome& outcome, const RankRequest& request) {
  std::vector<const CandidateRating*> rows;
  for (const CandidateRating& c : outcome.rows) {
    if (request.fittingOnly && !c.fits) continue;
    if (!c.user && !request.series[SeriesSlot(c.series)]) continue;
    rows.push_back(&c);
  }
  const CandidateColumn column = KeyOf(request.order).column;
  SortRows(rows, request.order, [column](const CandidateRating* c) { return CandidateValue(*c, column); });
  return rows;
}

// What the drive needs for the move (the move as a one-move cycle), by position in the rows rated.
struct MoveDrive {
  std::vector<CycleDriveRating> rows;
  bool checked = false;  // against a bus voltage
};

// The drive's columns after the comparison's: the bus voltage needed, and with a bus voltage the
// check and the top speed.
std::vector<std::string_view> DriveHeaders(const MoveDrive& drive) {
  if (!drive.checked) return {kBusVoltageNeededHeader};
  return {kBusVoltageNeededHeader, kVoltageCheckHeader, kTopSpeedHeader};
}

std::vector<std::string> DriveTexts(const MoveDrive& drive, const CandidateRating& c, Language language) {
  const CycleDriveRating& d = drive.rows[c.index];
  std::vector<std::string> texts{FormatFixed(d.busVoltageNeeded, 1)};
  if (drive.checked) {
    texts.push_back(Say(language, CheckText(d.voltage)));
    texts.push_back(d.topSpeed ? FormatFixed(*d.topSpeed, 3) : "-");
  }
  return texts;
}

// The built-in models first, then the user's own under their title, each group in the order asked
// for; one set of column widths for both. A family, free text of any length, ends its row rather
// than widening the series column of every row.
void WriteText(const ComparisonOutcome& outcome, std::vector<const CandidateRating*> rows, const MoveDrive& drive,
               Language language, std::ostream& out) {
  const auto firstUser =
      std::stable_partition(rows.begin(), rows.end(), [](const CandidateRating* c) { return !c->user; });
  std::vector<TextColumn> columns;
  for (const CandidateColumnInfo& c : CandidateColumns()) columns.push_back({Say(language, c.header), c.numeric});
  for (const std::string_view header : DriveHeaders(drive))
    columns.push_back({Say(language, header), header != kVoltageCheckHeader});
  const auto verdict = static_cast<std::size_t>(CandidateColumn::Verdict);
  const auto series = static_cast<std::size_t>(CandidateColumn::Series);
  TextTableGroup user{static_cast<std::size_t>(firstUser - rows.begin()), Say(language, kUserMotorsTitle), {}};
  user.tails.resize(rows.size());
  std::vector<std::vector<std::string>> texts;
  texts.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    CandidateTexts t = FormatCandidateTexts(*rows[i]);
    t[verdict] = Say(language, t[verdict]);
    if (rows[i]->user) {
      user.tails[i] = rows[i]->family;
      t[series] = "-";
    }
    texts.emplace_back(std::make_move_iterator(t.begin()), std::make_move_iterator(t.end()));
    for (std::string& d : DriveTexts(drive, *rows[i], language)) texts.back().push_back(std::move(d));
  }
  WriteTextTable(columns, texts, out, user);
  const std::string limits[] = {std::to_string(outcome.ratedLimit), std::to_string(outcome.peakLimit)};
  out << Say(language, CliText::AllowedLimits, limits) << '\n';
}

// The table's headers, then the drive's for `drive`.
std::vector<std::string> CsvHeader(const MoveDrive& drive) {
  std::vector<std::string> fields;
  for (const CandidateColumnInfo& c : CandidateColumns()) fields.emplace_back(c.header);
  for (const std::string_view header : DriveHeaders(drive)) fields.emplace_back(header);
  return fields;
}

void WriteCsv(const std::vector<const CandidateRating*>& rows, const MoveDrive& drive, std::ostream& out) {
  out << CsvRecord(CsvHeader(drive));
  for (const CandidateRating* c : rows) {
    const CandidateTexts t = FormatCandidateTexts(*c);
    std::vector<std::string> record(t.begin(), t.end());
    for (std::string& d : DriveTexts(drive, *c, Language::Korean)) record.push_back(std::move(d));
    out << CsvRecord(record);
  }
}

void WriteJson(const ComparisonOutcome& outcome, const std::vector<const CandidateRating*>& rows,
               const MoveDrive& drive, const std::optional<double>& busVoltage, std::ostream& out) {
  JsonOut json;
  json.KeyInt("ratedLimit", outcome.ratedLimit);
  json.KeyInt("peakLimit", outcome.peakLimit);
  json.KeyFloat("accelG", outcome.accelG);
  if (!outcome.reachable) json.KeyBool("reachable", false);
  if (busVoltage) json.KeyDouble("busVoltage", *busVoltage);
  json.Key("models");
  json.w().StartArray();
  for (const CandidateRating* c : rows) {
    json.w().StartObject();
    json.KeyString("name", c->name);
    json.KeyInt("index", static_cast<std::int64_t>(c->index));
    if (c->user) {
      WriteUserMark(json, c->family);
    } else {
      json.KeyInt("series", static_cast<int>(c->series));
      json.KeyInt("number", c->number);
    }
    json.KeyFloat("ratedDuty", c->duty.ratedDuty);
    json.KeyFloat("peakDuty", c->duty.peakDuty);
    json.KeyBool("fits", c->fits);
    json.KeyBool("selected", c->selected);
    json.KeyFloat("ratedMargin", c->ratedMargin);
    json.KeyFloat("peakMargin", c->peakMargin);
    json.KeyFloat("coilTemp", c->analysis.coilTemp);
    json.KeyBool("coolEnough", c->coolEnough);
    json.Key("headroomKg");
    if (c->headroomKg) {
      json.Float(*c->headroomKg);
    } else {
      json.w().Null();
    }
    // The cap is the largest load the input takes: the model may carry more.
    json.KeyBool("headroomAtCap", c->headroomKg && *c->headroomKg >= kMaxLoadMassKg);
    json.KeyFloat("peakCurrent", c->drive.peakCurrent);
    json.KeyFloat("rmsCurrent", c->drive.rmsCurrent);
    json.KeyFloat("peakCurrentShare", c->drive.peakCurrentShare);
    json.KeyFloat("rmsCurrentShare", c->drive.rmsCurrentShare);
    json.KeyFloat("backEmf", c->drive.backEmf);
    json.KeyFloat("copperLoss", c->drive.copperLoss);
    // The move as a one-move cycle: the cycle model's double-precision figures.
    const CycleDriveRating& d = drive.rows[c->index];
    json.KeyDouble("busVoltageNeeded", d.busVoltageNeeded);
    if (drive.checked) {
      json.KeyBool("voltageOk", d.voltage == DriveCheck::Passed);
      json.KeyDouble("topSpeed", d.topSpeed.value_or(0.0));
    }
    WriteAnalysis(json, c->analysis);
    json.w().EndObject();
  }
  json.w().EndArray();
  json.Print(out);
}

}  // namespace

std::optional<RankOrder> ParseRankOrder(std::string_view key) {
  for (const OrderKey& k : kOrders)
    if (k.key == key) return k.order;
  return std::nullopt;
}

bool OrderDescending(RankOrder order) { return KeyOf(order).descending; }

std::string RankOrderHelp(std::span<const RankOrder> offered) {
  std::string help;
  for (const OrderKey& k : kOrders) {
    if (std::find(offered.begin(), offered.end(), k.order) == offered.end()) continue;
    if (!help.empty()) help += "; ";
    help += std::string(k.key) + ": " + std::string(k.help);
  }
  return help;
}

std::string RankOrderHelp() { return RankOrderHelp(kRankOrders); }

std::string RankOrderHint(std::span<const RankOrder> offered) {
  std::string hint = "brivane-cli: --sort takes ";
  for (std::size_t i = 0; i < offered.size(); ++i) {
    if (i > 0) hint += i + 1 == offered.size() ? " or " : ", ";
    hint += KeyOf(offered[i]).key;
  }
  return hint;
}

std::string RankOrderHint() { return RankOrderHint(kRankOrders); }

const std::vector<std::string>& RankCsvHeader() {
  static const std::vector<std::string> header = CsvHeader(MoveDrive{{}, true});
  return header;
}

int RunRank(const RankRequest& request, std::ostream& out, std::ostream& err) {
  const ComparisonOutcome outcome = CompareCandidates(request.comparison, request.rows);
  if (outcome.refusal) {
    if (request.format == RankFormat::Json) {
      JsonOut json;
      json.KeyString("error", KoreanText(*outcome.refusal));
      json.Print(out);
    } else {
      Io{out, err, request.language}.Stopped(*outcome.refusal);
    }
    return kExitStopped;
  }
  const bool json = request.format == RankFormat::Json;
  if (request.busVoltage)
    if (const auto refusal = ValidateDrive({request.busVoltage, {}, {}}))
      return RefuseCycleMessage(*refusal, json, Io{out, err, request.language});
  MoveDrive drive;
  drive.checked = request.busVoltage.has_value();
  RateMoveDrive(request.comparison.move, outcome.ratedLimit, outcome.peakLimit, request.comparison.ambientTemp,
                request.busVoltage, request.rows, drive.rows);
  // CSV has no place for it, and the text's last line is the limits: the note goes with the
  // messages, on stderr.
  if (!outcome.reachable && request.format != RankFormat::Json)
    err << Say(request.language, Message{MessageCode::ProfileUnreachable}) << '\n';
  const std::vector<const CandidateRating*> rows = Chosen(outcome, request);
  switch (request.format) {
    case RankFormat::Text: WriteText(outcome, rows, drive, request.language, out); break;
    case RankFormat::Csv: WriteCsv(rows, drive, out); break;
    case RankFormat::Json: WriteJson(outcome, rows, drive, request.busVoltage, out); break;
  }
  return kExitOk;
}

}  // namespace brivane::cli
