// The words a table shows for the drive's figures (cycle and rank): the checks, the verdicts and
// the drive's own column headers, written once for the command line and the window to come.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "catalog/Translatable.h"
#include "engine/ComparisonTexts.h"
#include "engine/CycleDrive.h"

namespace brivane {

// By DriveCheck: a check not made says so, it is neither passed nor failed.
inline constexpr std::array<std::string_view, 3> kDriveCheckTexts{QT_TRANSLATE_NOOP("brivane::EngineTexts", "미확인"),
                                                                  QT_TRANSLATE_NOOP("brivane::EngineTexts", "통과"),
                                                                  QT_TRANSLATE_NOOP("brivane::EngineTexts", "실패")};
inline std::string_view CheckText(DriveCheck check) { return kDriveCheckTexts[static_cast<std::size_t>(check)]; }

// By DriveVerdict from Voltage on: the check that failed first. Where all passed or the duty
// decides, the comparison's own "fits" and "does not fit".
inline constexpr std::array<std::string_view, 4> kDriveFailureTexts{
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "전압 부족"), QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류 초과"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "연속 전류 초과"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "코일 온도 초과")};
inline std::string_view VerdictText(DriveVerdict verdict) {
  if (verdict == DriveVerdict::Ok) return kVerdictTexts[1];
  if (verdict == DriveVerdict::Duty) return kVerdictTexts[2];
  return kDriveFailureTexts[static_cast<std::size_t>(verdict) - static_cast<std::size_t>(DriveVerdict::Voltage)];
}

// The drive's columns that rank and cycle both show.
inline constexpr std::string_view kBusVoltageNeededHeader = QT_TRANSLATE_NOOP("brivane::EngineTexts", "필요 전압(V)");
inline constexpr std::string_view kVoltageCheckHeader = QT_TRANSLATE_NOOP("brivane::EngineTexts", "전압 확인");
inline constexpr std::string_view kTopSpeedHeader = QT_TRANSLATE_NOOP("brivane::EngineTexts", "무부하 최고 속도(m/s)");

}  // namespace brivane
