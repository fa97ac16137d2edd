// The texts a comparison table shows for each rated model, in the form's display formats, so the
// command line and the window show the same digits without computing anything themselves.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/Translatable.h"
#include "engine/Comparison.h"

namespace brivane {

enum class CandidateColumn : std::size_t {
  Name,
  Series,  // a user's motor: its family, "-" for none
  Number,  // a user's motor: "-"
  Verdict,  // "선정" for the selection's pick, "적합" for another fitting row, "부적합" otherwise
  RatedDuty,
  PeakDuty,
  RatedMargin,
  PeakMargin,
  CoilTemp,
  Headroom,  // "%.2f"; "3000 or more" at the load cap; "-" for none
  PeakCurrent,
  RmsCurrent,
  PeakCurrentShare,
  RmsCurrentShare,
  BackEmf,
  CopperLoss,
};
inline constexpr std::size_t kCandidateColumnCount = 16;

// The verdict column's texts: the selection's pick, another fitting row, a row that does not fit.
inline constexpr std::array<std::string_view, 3> kVerdictTexts{QT_TRANSLATE_NOOP("brivane::EngineTexts", "선정"),
                                                               QT_TRANSLATE_NOOP("brivane::EngineTexts", "적합"),
                                                               QT_TRANSLATE_NOOP("brivane::EngineTexts", "부적합")};
// The title of the group the user's own motors (catalog/MotorList) stand in, after the built-in
// models.
inline constexpr std::string_view kUserMotorsTitle = QT_TRANSLATE_NOOP("brivane::EngineTexts", "사용자 모터");

struct CandidateColumnInfo {
  std::string_view header;  // with the unit
  bool numeric;             // right-aligned, sorted as a number
};

// In CandidateColumn order.
const std::array<CandidateColumnInfo, kCandidateColumnCount>& CandidateColumns();
inline std::string_view HeaderOf(CandidateColumn column) {
  return CandidateColumns()[static_cast<std::size_t>(column)].header;
}

// The number a numeric column shows, unrounded, to sort by; not a number for a model without
// headroom and for the text columns.
double CandidateValue(const CandidateRating& c, CandidateColumn column);

using CandidateTexts = std::array<std::string, kCandidateColumnCount>;
CandidateTexts FormatCandidateTexts(const CandidateRating& c);

// One RFC 4180 record: fields quoted where they hold a comma, a quote or a line break (quotes
// doubled), separated by commas, ended by CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace brivane
