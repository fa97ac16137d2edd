#include "engine/Cycle.h"

#include <cmath>
#include <limits>

#include "engine/NumberText.h"

namespace brivane {
namespace {

constexpr double kNoBound = std::numeric_limits<double>::infinity();

// What one field accepts. "Open" ends exclude their bound. The range is the message's text of it.
struct Bound {
  std::string_view key;
  double low;
  bool lowOpen;
  double high;
  bool highOpen;
  bool magnitude;  // the bounds are on |value|
  std::string_view range;

  bool Accepts(double value) const {
    const double x = magnitude ? std::fabs(value) : value;
    // Written so that a value that is not a number fails.
    const bool aboveLow = lowOpen ? x > low : x >= low;
    const bool belowHigh = highOpen ? x < high : x <= high;
    return aboveLow && belowHigh;
  }
};

// 50 g as the form's move becomes a cycle (CycleFromMove): 50 x 9.8 m/s^2 in double precision, a
// hair above 490, so that the cycle of a move at the form's largest acceleration passes.
constexpr double kMaxAccel = 50.0 * kCycleGravity;

template <class Record>
struct FieldBound {
  double Record::*field;
  Bound bound;
};

// In the order the checks run, which is the order of the file's keys.
constexpr FieldBound<CycleAxis> kAxisBounds[] = {
    {&CycleAxis::inclinationDeg, {"inclinationDeg", -90.0, false, 90.0, false, false, "-90 ≤ inclinationDeg ≤ 90 °"}},
    {&CycleAxis::frictionCoefficient,
     {"frictionCoefficient", 0.0, false, 10.0, false, false, "0 ≤ frictionCoefficient ≤ 10"}},
    {&CycleAxis::dragForce, {"dragForce", 0.0, false, kNoBound, false, false, "0 ≤ dragForce (N)"}},
    {&CycleAxis::extraMovingMass,
     {"extraMovingMass", 0.0, false, 3000.0, false, false, "0 ≤ extraMovingMass ≤ 3000 kg"}},
    {&CycleAxis::safetyFactor, {"safetyFactor", 1.0, false, 20.0, false, false, "1 ≤ safetyFactor ≤ 20"}},
};

// A drive figure's bound; the figures are optional, so they are read through their own table.
struct DriveBound {
  std::optional<double> CycleDrive::*field;
  Bound bound;
};
constexpr DriveBound kDriveBounds[] = {
    {&CycleDrive::busVoltage, {"busVoltage", 0.0, true, 10000.0, false, false, "0 < busVoltage ≤ 10000 V"}},
    {&CycleDrive::peakCurrent, {"peakCurrent", 0.0, true, 10000.0, false, false, "0 < peakCurrent ≤ 10000 Arms"}},
    {&CycleDrive::continuousCurrent,
     {"continuousCurrent", 0.0, true, 10000.0, false, false, "0 < continuousCurrent ≤ 10000 Arms"}},
};

constexpr Bound kPayloadBound{"payload", 0.0, false, 3000.0, false, false, "0 ≤ payload ≤ 3000 kg"};

constexpr FieldBound<CycleSegment> kMoveBounds[] = {
    {&CycleSegment::distanceMm, {"distanceMm", 0.0, true, 100000.0, false, true, "0 < |distanceMm| ≤ 100000 mm"}},
    {&CycleSegment::velocity, {"velocity", 0.0, true, 30.0, false, false, "0 < velocity ≤ 30 m/s"}},
    {&CycleSegment::accel, {"accel", 0.0, true, kMaxAccel, false, false, "0 < accel ≤ 490 m/s² (50 g)"}},
    {&CycleSegment::decel, {"decel", 0.0, true, kMaxAccel, false, false, "0 < decel ≤ 490 m/s² (50 g)"}},
    {&CycleSegment::jerk, {"jerk", 0.0, false, kNoBound, false, false, "0 ≤ jerk (m/s³)"}},
    {&CycleSegment::payload, kPayloadBound},
};

constexpr FieldBound<CycleSegment> kDwellBounds[] = {
    {&CycleSegment::timeMs, {"timeMs", 0.0, true, 10000000.0, false, false, "0 < timeMs ≤ 10000000 ms"}},
    {&CycleSegment::payload, kPayloadBound},
};

// Adds the refusal of each field of `r` out of its range; stops after the first when `all` is false.
template <class Record, std::size_t N>
void Refuse(const Record& r, const FieldBound<Record> (&bounds)[N], CycleMessageCode code, std::size_t segment,
            bool all, std::vector<CycleMessage>& out) {
  for (const FieldBound<Record>& b : bounds) {
    const double value = r.*b.field;
    if (b.bound.Accepts(value)) continue;
    out.push_back({code, segment, b.bound.key, value, b.bound.range});
    if (!all) return;
  }
}

void RefuseDrive(const CycleDrive& drive, bool all, std::vector<CycleMessage>& out) {
  for (const DriveBound& b : kDriveBounds) {
    const std::optional<double>& value = drive.*b.field;
    if (!value || b.bound.Accepts(*value)) continue;
    out.push_back({CycleMessageCode::DriveOutOfRange, 0, b.bound.key, *value, b.bound.range});
    if (!all) return;
  }
}

void CollectRefusals(const Cycle& cycle, bool all, std::vector<CycleMessage>& out) {
  if (cycle.segments.empty()) out.push_back({CycleMessageCode::NoSegment, 0, {}, 0.0, {}});
  if (cycle.segments.size() > kMaxCycleSegments)
    out.push_back({CycleMessageCode::TooManySegments, 0, "segments", static_cast<double>(cycle.segments.size()), {}});
  if (!all && !out.empty()) return;
  Refuse(cycle.axis, kAxisBounds, CycleMessageCode::AxisOutOfRange, 0, all, out);
  if (all || out.empty()) RefuseDrive(cycle.drive, all, out);
  for (std::size_t i = 0; i < cycle.segments.size() && (all || out.empty()); ++i) {
    const CycleSegment& s = cycle.segments[i];
    if (s.type == SegmentType::Move) {
      Refuse(s, kMoveBounds, CycleMessageCode::SegmentOutOfRange, i + 1, all, out);
    } else {
      Refuse(s, kDwellBounds, CycleMessageCode::SegmentOutOfRange, i + 1, all, out);
    }
  }
}

// The decimal a float shows (its shortest text), as a double: 0.1f becomes 0.1.
double Decimal(float v) { return ParseDoubleField(FormatShortest(v)).value_or(static_cast<double>(v)); }

// The bound of the field with that key, in any of the tables; none for a field without one.
const Bound* BoundOf(std::string_view key) {
  for (const auto& b : kAxisBounds)
    if (b.bound.key == key) return &b.bound;
  for (const DriveBound& b : kDriveBounds)
    if (b.bound.key == key) return &b.bound;
  for (const auto& b : kMoveBounds)
    if (b.bound.key == key) return &b.bound;
  for (const auto& b : kDwellBounds)
    if (b.bound.key == key) return &b.bound;
  return nullptr;
}

}  // namespace

std::optional<CycleMessage> ValidateCycle(const Cycle& cycle) {
  std::vector<CycleMessage> first;
  CollectRefusals(cycle, false, first);
  if (first.empty()) return std::nullopt;
  return first.front();
}

std::optional<CycleMessage> ValidateDrive(const CycleDrive& drive) {
  std::vector<CycleMessage> first;
  RefuseDrive(drive, false, first);
  if (first.empty()) return std::nullopt;
  return first.front();
}

std::vector<CycleMessage> CycleRefusals(const Cycle& cycle) {
  std::vector<CycleMessage> all;
  CollectRefusals(cycle, true, all);
  return all;
}

std::string_view CycleFieldRange(std::string_view key) {
  const Bound* b = BoundOf(key);
  return b != nullptr ? b->range : std::string_view();
}

bool CycleFieldAccepts(std::string_view key, double value) {
  const Bound* b = BoundOf(key);
  return b != nullptr ? b->Accepts(value) : std::isfinite(value);
}

Cycle CycleFromMove(const MotionInput& move, int ratedLimit, int peakLimit, float ambientTemp) {
  Cycle c;
  c.axis.frictionCoefficient = Decimal(move.frictionCoefficient);
  c.axis.safetyFactor = Decimal(move.safetyFactor);
  c.ambient = Decimal(ambientTemp);
  c.ratedLimit = ratedLimit;
  c.peakLimit = peakLimit;

  CycleSegment m;
  m.type = SegmentType::Move;
  m.distanceMm = static_cast<double>(move.distanceMm);
  m.velocity = Decimal(move.peakVelocity);
  m.accel = move.accelMode == AccelMode::Gravity ? Decimal(move.accelValue) * kCycleGravity
                                                 : m.velocity / (Decimal(move.accelValue) / 1000.0);
  m.decel = m.accel;
  m.payload = Decimal(move.loadMass);
  c.segments.push_back(m);
  if (move.dwellMs > 0.0f) {
    CycleSegment d;
    d.type = SegmentType::Dwell;
    d.timeMs = Decimal(move.dwellMs);
    d.payload = m.payload;
    c.segments.push_back(d);
  }
  return c;
}

}  // namespace brivane
