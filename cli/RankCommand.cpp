#include "cli/RankCommand.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/ExitStatus.h"
#include "cli/JsonOut.h"
#include "engine/ComparisonTexts.h"
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
    if (!request.series[SeriesSlot(c.series)]) continue;
    rows.push_back(&c);
  }
  const OrderKey& key = KeyOf(request.order);
  if (key.order == RankOrder::Catalog) return rows;
  // Stable, so equal values keep catalog order.
  std::stable_sort(rows.begin(), rows.end(), [&key](const CandidateRating* a, const CandidateRating* b) {
    const double va = CandidateValue(*a, key.column);
    const double vb = CandidateValue(*b, key.column);
    if (std::isnan(va) || std::isnan(vb)) return !std::isnan(va) && std::isnan(vb);
    return key.descending ? va > vb : va < vb;
  });
  return rows;
}

void WriteText(const ComparisonOutcome& outcome, const std::vector<const CandidateRating*>& rows, Language language,
               std::ostream& out) {
  const auto& columns = CandidateColumns();
  std::array<std::string, kCandidateColumnCount> headers;
  for (std::size_t j = 0; j < columns.size(); ++j) headers[j] = Say(language, columns[j].header);
  const auto verdict = static_cast<std::size_t>(CandidateColumn::Verdict);
  std::vector<CandidateTexts> texts;
  texts.reserve(rows.size());
  for (const CandidateRating* c : rows) {
    texts.push_back(FormatCandidateTexts(*c));
    texts.back()[verdict] = Say(language, texts.back()[verdict]);
  }

  std::array<std::size_t, kCandidateColumnCount> widths{};
  for (std::size_t j = 0; j < columns.size(); ++j) {
    widths[j] = DisplayWidth(headers[j]);
    for (const CandidateTexts& t : texts) widths[j] = std::max(widths[j], DisplayWidth(t[j]));
  }
  const auto line = [&](auto cell) {
    std::string s;
    for (std::size_t j = 0; j < columns.size(); ++j) {
      const std::string_view text = cell(j);
      const std::string pad(widths[j] - DisplayWidth(text), ' ');
      if (j > 0) s += "  ";
      s += columns[j].numeric ? pad + std::string(text) : std::string(text) + pad;
    }
    s.erase(s.find_last_not_of(' ') + 1);
    out << s << '\n';
  };
  line([&](std::size_t j) { return std::string_view(headers[j]); });
  for (const CandidateTexts& t : texts) line([&](std::size_t j) { return std::string_view(t[j]); });
  const std::string limits[] = {std::to_string(outcome.ratedLimit), std::to_string(outcome.peakLimit)};
  out << Say(language, CliText::AllowedLimits, limits) << '\n';
}

void WriteCsv(const std::vector<const CandidateRating*>& rows, std::ostream& out) {
  std::vector<std::string> fields;
  for (const CandidateColumnInfo& c : CandidateColumns()) fields.emplace_back(c.header);
  out << CsvRecord(fields);
  for (const CandidateRating* c : rows) {
    const CandidateTexts t = FormatCandidateTexts(*c);
    out << CsvRecord(std::vector<std::string>(t.begin(), t.end()));
  }
}

void WriteJson(const ComparisonOutcome& outcome, const std::vector<const CandidateRating*>& rows, std::ostream& out) {
  JsonOut json;
  json.KeyInt("ratedLimit", outcome.ratedLimit);
  json.KeyInt("peakLimit", outcome.peakLimit);
  json.KeyFloat("accelG", outcome.accelG);
  if (!outcome.reachable) json.KeyBool("reachable", false);
  json.Key("models");
  json.w().StartArray();
  for (const CandidateRating* c : rows) {
    json.w().StartObject();
    json.KeyString("name", c->name);
    json.KeyInt("index", static_cast<std::int64_t>(c->index));
    json.KeyInt("series", static_cast<int>(c->series));
    json.KeyInt("number", c->number);
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

std::string RankOrderHelp() {
  std::string help;
  for (const OrderKey& k : kOrders) {
    if (!help.empty()) help += "; ";
    help += std::string(k.key) + ": " + std::string(k.help);
  }
  return help;
}

std::string RankOrderHint() {
  std::string hint = "brivane-cli: --sort takes ";
  for (std::size_t i = 0; i < std::size(kOrders); ++i) {
    if (i > 0) hint += i + 1 == std::size(kOrders) ? " or " : ", ";
    hint += kOrders[i].key;
  }
  return hint;
}

int RunRank(const RankRequest& request, std::ostream& out, std::ostream& err) {
  const ComparisonOutcome outcome = CompareCandidates(request.comparison);
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
  // CSV has no place for it, and the text's last line is the limits: the note goes with the
  // messages, on stderr.
  if (!outcome.reachable && request.format != RankFormat::Json)
    err << Say(request.language, Message{MessageCode::ProfileUnreachable}) << '\n';
  const std::vector<const CandidateRating*> rows = Chosen(outcome, request);
  switch (request.format) {
    case RankFormat::Text: WriteText(outcome, rows, request.language, out); break;
    case RankFormat::Csv: WriteCsv(rows, out); break;
    case RankFormat::Json: WriteJson(outcome, rows, out); break;
  }
  return kExitOk;
}

}  // namespace brivane::cli
