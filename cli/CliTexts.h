// brivane-cli's own texts of its human output that read differently in English: the select and
// cycle summaries, the allowed limits of rank, check and cycle, the check's duty labels, the
// cycle's drive and the envelope's summary. Korean here once; the
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
  CycleSummary,      // %1 the cycle time [s], %2 the net displacement per cycle [mm]
  CycleDrive,        // the drive's %1 bus voltage, %2 peak and %3 continuous current, each with its unit or "-"
  EnvelopeModel,     // %1 the model, %2 the bus voltage [V], %3 the winding temperature [degC]
  EnvelopeTopSpeed,  // %1 the top speed without load [m/s]
  EnvelopeCapHolds,  // %1 "최대 추력" or "정격 추력", %2 its force [N], %3 the speed up to which it holds [m/s]
  EnvelopeCapMissing,  // %1 and %2 as above: the bus cannot drive that force even at standstill
};

inline constexpr std::array<std::string_view, 10> kCliTexts{
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "가속도 %1 g, 가속 시간 %2 msec, 허용 사용률 정격 %3%, 최대 %4%"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "허용 사용률 정격 %1%, 최대 %2%"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 사용률"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 사용률"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "사이클 시간 %1 s, 순 이동 %2 mm"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "드라이브: 버스 전압 %1, 최대 전류 %2, 연속 전류 %3"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "모델 %1, 버스 전압 %2 V, 권선 온도 %3 ℃"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "무부하 최고 속도 %1 m/s"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "%1 %2 N: %3 m/s까지"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "%1 %2 N: 이 버스 전압으로는 정지 상태에서도 낼 수 없음"),
};
static_assert(kCliTexts.size() == static_cast<std::size_t>(CliText::EnvelopeCapMissing) + 1,
              "one text per CliText, in its order; this check names the last one");

constexpr std::string_view SourceText(CliText text) { return kCliTexts[static_cast<std::size_t>(text)]; }

}  // namespace brivane::cli
