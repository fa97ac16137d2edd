#include "engine/CycleFields.h"

#include <charconv>
#include <cmath>

#include "engine/NumberText.h"

namespace brivane {
namespace {

// In AxisField order.
constexpr std::array<CycleFieldInfo, kAxisFieldCount> kAxisFields{{
    {"inclinationDeg", QT_TRANSLATE_NOOP("brivane::EngineTexts", "경사각"), "°", false, true, true},
    {"frictionCoefficient", QT_TRANSLATE_NOOP("brivane::EngineTexts", "마찰 계수"), "", false, true, true},
    {"dragForce", QT_TRANSLATE_NOOP("brivane::EngineTexts", "이동 저항력"), "N", false, true, true},
    {"extraMovingMass", QT_TRANSLATE_NOOP("brivane::EngineTexts", "추가 가동 질량"), "kg", false, true, true},
    {"counterbalanceForce", QT_TRANSLATE_NOOP("brivane::EngineTexts", "카운터밸런스 힘"), "N", false, true, true},
    {"safetyFactor", QT_TRANSLATE_NOOP("brivane::EngineTexts", "안전율"), "", false, true, true},
    {"busVoltage", QT_TRANSLATE_NOOP("brivane::EngineTexts", "버스 전압"), "V", true, true, true},
    {"peakCurrent", QT_TRANSLATE_NOOP("brivane::EngineTexts", "드라이브 최대 전류"), "Arms", true, true, true},
    {"continuousCurrent", QT_TRANSLATE_NOOP("brivane::EngineTexts", "드라이브 연속 전류"), "Arms", true, true, true},
    {"ambient", QT_TRANSLATE_NOOP("brivane::EngineTexts", "주위온도"), "℃", false, true, true},
}};

// In SegmentField order.
constexpr std::array<CycleFieldInfo, kSegmentFieldCount> kSegmentFields{{
    {"distanceMm", QT_TRANSLATE_NOOP("brivane::EngineTexts", "이동 거리"), "mm", false, true, false},
    {"velocity", QT_TRANSLATE_NOOP("brivane::EngineTexts", "속도"), "m/s", false, true, false},
    {"accel", QT_TRANSLATE_NOOP("brivane::EngineTexts", "가속도"), "m/s²", false, true, false},
    {"decel", QT_TRANSLATE_NOOP("brivane::EngineTexts", "감속도"), "m/s²", false, true, false},
    {"jerk", QT_TRANSLATE_NOOP("brivane::EngineTexts", "저크"), "m/s³", false, true, false},
    {"timeMs", QT_TRANSLATE_NOOP("brivane::EngineTexts", "휴지 시간"), "ms", false, false, true},
    {"payload", QT_TRANSLATE_NOOP("brivane::EngineTexts", "부하 질량"), "kg", false, true, true},
    {"force", QT_TRANSLATE_NOOP("brivane::EngineTexts", "공정력"), "N", false, true, true},
}};

// In SegmentField order.
constexpr std::array<double CycleSegment::*, kSegmentFieldCount> kSegmentMembers{
    &CycleSegment::distanceMm, &CycleSegment::velocity, &CycleSegment::accel,   &CycleSegment::decel,
    &CycleSegment::jerk,       &CycleSegment::timeMs,   &CycleSegment::payload, &CycleSegment::force};

bool IsAccel(SegmentField field) { return field == SegmentField::Accel || field == SegmentField::Decel; }

std::string Significant12(double v) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 12);
  return std::string(buf, result.ptr);
}

}  // namespace

const CycleFieldInfo& FieldInfo(AxisField field) { return kAxisFields[static_cast<std::size_t>(field)]; }
const CycleFieldInfo& FieldInfo(SegmentField field) { return kSegmentFields[static_cast<std::size_t>(field)]; }

std::string_view UnitOf(SegmentField field, AccelUnit unit) {
  return IsAccel(field) && unit == AccelUnit::Gravity ? kGravityUnit : FieldInfo(field).unit;
}

std::optional<double> AxisValue(const Cycle& cycle, AxisField field) {
  const CycleAxis& a = cycle.axis;
  switch (field) {
    case AxisField::Inclination: return a.inclinationDeg;
    case AxisField::Friction: return a.frictionCoefficient;
    case AxisField::Drag: return a.dragForce;
    case AxisField::ExtraMass: return a.extraMovingMass;
    case AxisField::Counterbalance: return a.counterbalanceForce;
    case AxisField::SafetyFactor: return a.safetyFactor;
    case AxisField::BusVoltage: return cycle.drive.busVoltage;
    case AxisField::PeakCurrent: return cycle.drive.peakCurrent;
    case AxisField::ContinuousCurrent: return cycle.drive.continuousCurrent;
    case AxisField::Ambient: return cycle.ambient;
  }
  return std::nullopt;
}

void SetAxisValue(Cycle& cycle, AxisField field, std::optional<double> value) {
  CycleAxis& a = cycle.axis;
  const double v = value.value_or(std::nan(""));
  switch (field) {
    case AxisField::Inclination: a.inclinationDeg = v; break;
    case AxisField::Friction: a.frictionCoefficient = v; break;
    case AxisField::Drag: a.dragForce = v; break;
    case AxisField::ExtraMass: a.extraMovingMass = v; break;
    case AxisField::Counterbalance: a.counterbalanceForce = v; break;
    case AxisField::SafetyFactor: a.safetyFactor = v; break;
    case AxisField::BusVoltage: cycle.drive.busVoltage = value; break;
    case AxisField::PeakCurrent: cycle.drive.peakCurrent = value; break;
    case AxisField::ContinuousCurrent: cycle.drive.continuousCurrent = value; break;
    case AxisField::Ambient: cycle.ambient = v; break;
  }
}

double& SegmentValue(CycleSegment& s, SegmentField field) {
  return s.*kSegmentMembers[static_cast<std::size_t>(field)];
}
double SegmentValue(const CycleSegment& s, SegmentField field) {
  return s.*kSegmentMembers[static_cast<std::size_t>(field)];
}

bool HasField(SegmentType type, SegmentField field) {
  const CycleFieldInfo& info = FieldInfo(field);
  return type == SegmentType::Move ? info.move : info.dwell;
}

std::string FieldText(std::optional<double> value) { return value ? FormatShortestDouble(*value) : std::string(); }

std::string SegmentFieldText(double value, SegmentField field, AccelUnit unit) {
  if (IsAccel(field) && unit == AccelUnit::Gravity) return Significant12(value / kCycleGravity);
  return FormatShortestDouble(value);
}

std::optional<double> ParseSegmentField(std::string_view text, SegmentField field, AccelUnit unit) {
  const std::optional<double> v = ParseDoubleField(text);
  if (!v) return std::nullopt;
  if (IsAccel(field) && unit == AccelUnit::Gravity) return *v * kCycleGravity;
  return v;
}

CycleSegment NewSegment(SegmentType type) {
  CycleSegment s;
  s.type = type;
  s.payload = 1.0;
  if (type == SegmentType::Dwell) {
    s.timeMs = 100.0;
    return s;
  }
  s.distanceMm = 100.0;
  s.velocity = 1.0;
  s.accel = kCycleGravity;
  s.decel = kCycleGravity;
  return s;
}

CycleSegment WithType(const CycleSegment& segment, SegmentType type) {
  CycleSegment out = segment;
  out.type = type;
  const CycleSegment fresh = NewSegment(type);
  for (std::size_t f = 0; f < kSegmentFieldCount; ++f) {
    const auto field = static_cast<SegmentField>(f);
    if (!HasField(type, field)) continue;
    double& v = SegmentValue(out, field);
    if (!CycleFieldAccepts(FieldInfo(field).key, v)) v = SegmentValue(fresh, field);
  }
  return out;
}

}  // namespace brivane
