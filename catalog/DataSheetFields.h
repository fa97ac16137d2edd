// The fourteen catalog fields that a data sheet, the report's specification block and the
// command line's catalog list show, in the order of the data sheet, with how each names them.
#pragma once

#include <array>
#include <string_view>

#include "catalog/MotorCatalog.h"
#include "catalog/Translatable.h"

namespace brivane {

enum class FieldFormat {
  Decimal,      // a single-precision value
  WholeNumber,  // whole units in the catalog, shown like the decimals on a sheet and in the report
};

struct DataSheetField {
  // Where the record keeps the field: a Decimal field in `decimal`, a WholeNumber one in `whole`
  // (the other is null). Readers of motor files store through them, the rest read value().
  float MotorRecord::*decimal;
  std::int32_t MotorRecord::*whole;
  std::string_view sheetLabel;   // the data-sheet window's label, unit included (translated)
  std::string_view reportLabel;  // the report's specification line ...
  std::string_view reportUnit;   // ... and its unit
  std::string_view jsonKey;      // the command line's JSON key; also names the sheet's edit
  FieldFormat format;

  constexpr float value(const MotorRecord& r) const {
    return decimal != nullptr ? r.*decimal : static_cast<float>(r.*whole);
  }
};

inline constexpr std::array<DataSheetField, 14> kDataSheetFields{{
    {&MotorRecord::ratedForce, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 추력[N]"), "정격 추력", "N",
     "ratedForce", FieldFormat::Decimal},
    {&MotorRecord::peakForce, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력[N]"), "최대 추력", "N",
     "peakForce", FieldFormat::Decimal},
    {&MotorRecord::ratedCurrent, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 전류[Arms]"), "정격 전류",
     "Arms", "ratedCurrent", FieldFormat::Decimal},
    {&MotorRecord::peakCurrent, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류[Arms]"), "최대 전류",
     "Arms", "peakCurrent", FieldFormat::Decimal},
    {&MotorRecord::maxPower, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전력[W]"), "최대 전력", "W",
     "maxPower", FieldFormat::Decimal},
    {&MotorRecord::polePitch, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "Pole Pitch[mm]"), "Pole Pitch", "mm",
     "polePitch", FieldFormat::Decimal},
    {&MotorRecord::forceConstant, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "토크 상수[N/Arms]"), "토크 상수",
     "N/Arms", "forceConstant", FieldFormat::Decimal},
    {&MotorRecord::bemfConstant, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "BEMF 상수[V/(m/sec)]"),
     "BEMF 상수", "Vrms/(m/sec)", "bemfConstant", FieldFormat::Decimal},
    {&MotorRecord::motorConstant, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "모터 정수[N/W^½]"), "모터 상수",
     "N/√W", "motorConstant", FieldFormat::Decimal},
    {&MotorRecord::electricalTimeConstant, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "전기적 시정수[msec]"),
     "전기적 시정수", "msec", "electricalTimeConstant", FieldFormat::Decimal},
    {&MotorRecord::lineResistance, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "선간 저항[Ω]"), "선간 저항", "Ω",
     "lineResistance", FieldFormat::Decimal},
    {&MotorRecord::lineInductance, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "선간 인덕턴스[mH]"),
     "선간 인덕턴스", "mH", "lineInductance", FieldFormat::Decimal},
    {&MotorRecord::moverMass, nullptr, QT_TRANSLATE_NOOP("brivane::EngineTexts", "가동부 질량[kg]"), "모터 질량", "kg",
     "moverMass", FieldFormat::Decimal},
    {nullptr, &MotorRecord::attractionForce, QT_TRANSLATE_NOOP("brivane::EngineTexts", "흡인력[N]"), "흡인력", "N",
     "attractionForce", FieldFormat::WholeNumber},
}};

constexpr bool FieldsKeepTheirFormat() {
  for (const DataSheetField& f : kDataSheetFields)
    if ((f.format == FieldFormat::WholeNumber) != (f.whole != nullptr) ||
        (f.decimal == nullptr) == (f.whole == nullptr))
      return false;
  return true;
}
static_assert(FieldsKeepTheirFormat(), "a data-sheet field's member does not match its format");

// Positions in kDataSheetFields in the order the catalog lists its columns: moverMass,
// ratedForce, attractionForce, peakForce, then the electrical and mechanical data in the sheet's
// order. The catalog's JSON and the motor files list the fields so.
inline constexpr std::array<std::size_t, kDataSheetFields.size()> kCatalogColumnOrder{12, 0, 13, 1, 2, 3,  4,
                                                                                      5,  6, 7,  8, 9, 10, 11};

constexpr bool ColumnOrderNamesEveryField() {
  std::array<bool, kDataSheetFields.size()> seen{};
  for (const std::size_t i : kCatalogColumnOrder) {
    if (i >= seen.size() || seen[i]) return false;
    seen[i] = true;
  }
  return true;
}
static_assert(ColumnOrderNamesEveryField(), "the catalog's column order must name every field once");

}  // namespace brivane
