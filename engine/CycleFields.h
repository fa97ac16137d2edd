// The values of a cycle that an editor shows and takes as text: the axis's, the drive's, the
// ambient temperature and each segment's numbers, each with its file key (the field a refusal
// names), its label, its unit and the range its check accepts. Texts are read and written as the
// file reads and writes numbers, whatever the locale.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/Translatable.h"
#include "engine/Cycle.h"

namespace brivane {

enum class AxisField : std::uint8_t {
  Inclination,
  Friction,
  Drag,
  ExtraMass,
  Counterbalance,
  SafetyFactor,
  BusVoltage,  // the drive's figures: an empty text is a figure not given, a check not made
  PeakCurrent,
  ContinuousCurrent,
  Ambient,
};
inline constexpr std::size_t kAxisFieldCount = 10;

enum class SegmentField : std::uint8_t { Distance, Velocity, Accel, Decel, Jerk, TimeMs, Payload, Force };
inline constexpr std::size_t kSegmentFieldCount = 8;

struct CycleFieldInfo {
  std::string_view key;    // the file's key
  std::string_view label;  // what the editor calls it
  std::string_view unit;   // empty for a number without one
  bool optional;           // an empty text gives no value (the drive's figures)
  bool move;               // a move segment has it (the axis's fields: true)
  bool dwell;              // a dwell has it
};

const CycleFieldInfo& FieldInfo(AxisField field);
const CycleFieldInfo& FieldInfo(SegmentField field);

// The acceleration and deceleration shown and typed in m/s^2 or in g (kCycleGravity each); the
// cycle holds m/s^2.
enum class AccelUnit : std::uint8_t { MetresPerSecondSquared, Gravity };
inline constexpr std::string_view kGravityUnit = "g";

// The unit a segment's field is shown in.
std::string_view UnitOf(SegmentField field, AccelUnit unit);

// The labels of the choices of a segment: its type, and when a move's process force acts.
inline constexpr std::array<std::string_view, 2> kSegmentTypeLabels{QT_TRANSLATE_NOOP("brivane::EngineTexts", "이동"),
                                                                    QT_TRANSLATE_NOOP("brivane::EngineTexts", "휴지")};
inline constexpr std::array<std::string_view, 2> kForceDuringLabels{
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "이동 전체"), QT_TRANSLATE_NOOP("brivane::EngineTexts", "등속 중")};
inline constexpr std::string_view kSegmentTypeLabel = QT_TRANSLATE_NOOP("brivane::EngineTexts", "종류");
inline constexpr std::string_view kForceDuringLabel = QT_TRANSLATE_NOOP("brivane::EngineTexts", "공정력 작용");
inline constexpr std::string_view kRatedLimitLabel = QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 사용률 허용치");
inline constexpr std::string_view kPeakLimitLabel = QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 사용률 허용치");

// A field's value; none for a drive figure not given.
std::optional<double> AxisValue(const Cycle& cycle, AxisField field);
void SetAxisValue(Cycle& cycle, AxisField field, std::optional<double> value);
double& SegmentValue(CycleSegment& segment, SegmentField field);
double SegmentValue(const CycleSegment& segment, SegmentField field);

// Whether a segment of that type has the field.
bool HasField(SegmentType type, SegmentField field);

// A value as the editor shows it: the shortest text that reads back as the same double; an
// acceleration in g with twelve significant digits (9.8 m/s^2 is "1", not a binary tail); empty
// for none.
std::string FieldText(std::optional<double> value);
std::string SegmentFieldText(double value, SegmentField field, AccelUnit unit);

// A typed text as a value: the nearest double to the decimal, blanks around it allowed; an
// acceleration in g times kCycleGravity. No value for a text that is no finite number.
std::optional<double> ParseSegmentField(std::string_view text, SegmentField field, AccelUnit unit);

// What a new segment of each type holds: a move of 100 mm at 1 m/s and 1 g with 1 kg, a dwell of
// 100 ms with 1 kg; each value passes its check.
CycleSegment NewSegment(SegmentType type);

// The segment with another type: the fields the new type has and the segment holds no accepted
// value for take the new segment's.
CycleSegment WithType(const CycleSegment& segment, SegmentType type);

}  // namespace brivane
