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
  float (*value)(const MotorRecord&);
  std::string_view sheetLabel;   // the data-sheet window's label, unit included (translated)
  std::string_view reportLabel;  // the report's specification line ...
  std::string_view reportUnit;   // ... and its unit
  std::string_view jsonKey;      // the command line's JSON key; also names the sheet's edit
  FieldFormat format;
};

inline constexpr std::array<DataSheetField, 14> kDataSheetFields{{
    {[](const MotorRecord& r) { return r.ratedForce; }, QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 추력[N]"),
     "정격 추력", "N", "ratedForce", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.peakForce; }, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력[N]"),
     "최대 추력", "N", "peakForce", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.ratedCurrent; }, QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 전류[Arms]"),
     "정격 전류", "Arms", "ratedCurrent", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.peakCurrent; }, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류[Arms]"),
     "최대 전류", "Arms", "peakCurrent", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.maxPower; }, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전력[W]"),
     "최대 전력", "W", "maxPower", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.polePitch; }, QT_TRANSLATE_NOOP("brivane::EngineTexts", "Pole Pitch[mm]"),
     "Pole Pitch", "mm", "polePitch", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.forceConstant; },
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "토크 상수[N/Arms]"), "토크 상수", "N/Arms", "forceConstant",
     FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.bemfConstant; },
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "BEMF 상수[V/(m/sec)]"), "BEMF 상수", "Vrms/(m/sec)", "bemfConstant",
     FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.motorConstant; },
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "모터 정수[N/W^½]"), "모터 상수", "N/√W", "motorConstant",
     FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.electricalTimeConstant; },
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "전기적 시정수[msec]"), "전기적 시정수", "msec",
     "electricalTimeConstant", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.lineResistance; }, QT_TRANSLATE_NOOP("brivane::EngineTexts", "선간 저항[Ω]"),
     "선간 저항", "Ω", "lineResistance", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.lineInductance; },
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "선간 인덕턴스[mH]"), "선간 인덕턴스", "mH", "lineInductance",
     FieldFormat::Decimal},
    {[](const MotorRecord& r) { return r.moverMass; }, QT_TRANSLATE_NOOP("brivane::EngineTexts", "가동부 질량[kg]"),
     "모터 질량", "kg", "moverMass", FieldFormat::Decimal},
    {[](const MotorRecord& r) { return static_cast<float>(r.attractionForce); },
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "흡인력[N]"), "흡인력", "N", "attractionForce",
     FieldFormat::WholeNumber},
}};

}  // namespace brivane
