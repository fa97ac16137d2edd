#include "engine/ComparisonTexts.h"

#include <cmath>

#include "catalog/Translatable.h"
#include "engine/NumberText.h"

namespace brivane {
namespace {

constexpr std::string_view kHeadroomAtCap = QT_TRANSLATE_NOOP("brivane::EngineTexts", "3000 or more");
constexpr std::string_view kNoHeadroom = "-";
constexpr std::string_view kNoSeries = "-";

std::string Fixed(float v, int decimals) { return FormatFixed(static_cast<double>(v), decimals); }

}  // namespace

const std::array<CandidateColumnInfo, kCandidateColumnCount>& CandidateColumns() {
  static const std::array<CandidateColumnInfo, kCandidateColumnCount> columns{{
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "모델"), false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "시리즈"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "No."), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "판정"), false},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 사용률(%)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 사용률(%)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 여유(%)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 여유(%)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "코일부온도(℃)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "허용 부하(kg)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류(Arms)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "실효 전류(Arms)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류비(%)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 전류비(%)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "역기전력(V)"), true},
      {QT_TRANSLATE_NOOP("brivane::EngineTexts", "동손(W)"), true},
  }};
  return columns;
}

double CandidateValue(const CandidateRating& c, CandidateColumn column) {
  const auto d = [](float v) { return static_cast<double>(v); };
  switch (column) {
    case CandidateColumn::Series: return c.user ? std::nan("") : static_cast<double>(c.series);
    case CandidateColumn::Number: return c.user ? std::nan("") : c.number;
    case CandidateColumn::RatedDuty: return d(c.duty.ratedDuty);
    case CandidateColumn::PeakDuty: return d(c.duty.peakDuty);
    case CandidateColumn::RatedMargin: return d(c.ratedMargin);
    case CandidateColumn::PeakMargin: return d(c.peakMargin);
    case CandidateColumn::CoilTemp: return d(c.analysis.coilTemp);
    case CandidateColumn::Headroom: return c.headroomKg ? d(*c.headroomKg) : std::nan("");
    case CandidateColumn::PeakCurrent: return d(c.drive.peakCurrent);
    case CandidateColumn::RmsCurrent: return d(c.drive.rmsCurrent);
    case CandidateColumn::PeakCurrentShare: return d(c.drive.peakCurrentShare);
    case CandidateColumn::RmsCurrentShare: return d(c.drive.rmsCurrentShare);
    case CandidateColumn::BackEmf: return d(c.drive.backEmf);
    case CandidateColumn::CopperLoss: return d(c.drive.copperLoss);
    case CandidateColumn::Name:
    case CandidateColumn::Verdict: break;
  }
  return std::nan("");
}

CandidateTexts FormatCandidateTexts(const CandidateRating& c) {
  std::string verdict(kVerdictTexts[c.selected ? 0 : c.fits ? 1 : 2]);
  std::string headroom(kNoHeadroom);
  if (c.headroomKg) headroom = *c.headroomKg >= kMaxLoadMassKg ? std::string(kHeadroomAtCap) : Fixed(*c.headroomKg, 2);
  // A user's motor has no series: its family stands there.
  std::string series = c.user ? (c.family.empty() ? std::string(kNoSeries) : std::string(c.family))
                              : std::to_string(static_cast<int>(c.series));
  return {std::string(c.name),
          std::move(series),
          c.user ? std::string(kNoSeries) : std::to_string(c.number),
          std::move(verdict),
          Fixed(c.duty.ratedDuty, 1),
          Fixed(c.duty.peakDuty, 1),
          Fixed(c.ratedMargin, 1),
          Fixed(c.peakMargin, 1),
          Fixed(c.analysis.coilTemp, 1),
          std::move(headroom),
          Fixed(c.drive.peakCurrent, 2),
          Fixed(c.drive.rmsCurrent, 2),
          Fixed(c.drive.peakCurrentShare, 1),
          Fixed(c.drive.rmsCurrentShare, 1),
          Fixed(c.drive.backEmf, 1),
          Fixed(c.drive.copperLoss, 2)};
}

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    const std::string& f = fields[i];
    if (f.find_first_of(",\"\r\n") == std::string::npos) {
      out += f;
      continue;
    }
    out += '"';
    for (const char ch : f) {
      if (ch == '"') out += '"';
      out += ch;
    }
    out += '"';
  }
  out += "\r\n";
  return out;
}

}  // namespace brivane
