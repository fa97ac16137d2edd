// brivane-cli's own texts of its human output that read differently in English: the select and
// cycle summaries, the allowed limits of rank, check and cycle, and the check's duty labels. Korean here once; the
// English in translations/brivane_en.ts (engine/Messages.h says how to add a text).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "catalog/Translatable.h"

namespace brivane::cli {

enum class CliText {
  SelectSummary,  // %1 acceleration [g], %2 acceleration time [msec], %3 and %4 the rated and peak limits [%]
  AllowedLimits,  // %1 and %2 the rated and peak limits [%]
  RatedDuty,
  PeakDuty,
  CycleSummary,  // %1 the cycle time [s], %2 the net displacement per cycle [mm]
};

inline constexpr std::array<std::string_view, 5> kCliTexts{
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "가속도 %1 g, 가속 시간 %2 msec, 허용 사용률 정격 %3%, 최대 %4%"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "허용 사용률 정격 %1%, 최대 %2%"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 사용률"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 사용률"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "사이클 시간 %1 s, 순 이동 %2 mm"),
};
static_assert(kCliTexts.size() == static_cast<std::size_t>(CliText::CycleSummary) + 1,
              "one text per CliText, in its order; this check names the last one");

constexpr std::string_view SourceText(CliText text) { return kCliTexts[static_cast<std::size_t>(text)]; }

}  // namespace brivane::cli
