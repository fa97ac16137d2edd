// The three motor series: their codes, where they sit in the catalog, and what every screen and
// the report call them. Everything that differs between the series and is not engineering data
// is in this one table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalog/Translatable.h"

namespace brivane {

enum class MotorSeries : std::int32_t { DoubleSided = 1, SingleSided = 2, Vela = 3 };

inline constexpr std::array<MotorSeries, 3> kAllSeries{MotorSeries::DoubleSided, MotorSeries::SingleSided,
                                                       MotorSeries::Vela};

// Position 0, 1, 2 of a series in the per-series arrays of the tool.
constexpr std::size_t SeriesSlot(MotorSeries s) { return static_cast<std::size_t>(s) - 1; }

struct SeriesInfo {
  MotorSeries code;
  std::size_t firstIndex;         // catalog index of the series' first model
  std::int32_t size;              // models in the series
  std::string_view caption;       // the form's result group and the command line: "양측식 (Coreless)"
  std::string_view name;          // the show boxes, the report and the save dialog: "양측식"
  std::string_view sheetCaption;  // the data-sheet window's group: "양측식-Coreless Type"
};

inline constexpr std::array<SeriesInfo, 3> kSeriesTable{{
    {MotorSeries::DoubleSided, 0, 23, QT_TRANSLATE_NOOP("brivane::EngineTexts", "양측식 (Coreless)"),
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "양측식"),
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "양측식-Coreless Type")},
    {MotorSeries::SingleSided, 23, 25, QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식 (Ironcore)"),
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식"),
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식-Cored Type")},
    {MotorSeries::Vela, 48, 21, QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식 (Vela-Series)"),
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식 (Vela-Series)"),
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식 (Vela-Series) -Cored Type")},
}};

constexpr const SeriesInfo& InfoOf(MotorSeries s) { return kSeriesTable[SeriesSlot(s)]; }

}  // namespace brivane
