#include "engine/CycleFile.h"

#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "engine/DutyLimits.h"
#include "engine/JsonNumber.h"
#include "engine/NumberText.h"

namespace brivane {
namespace {

using rapidjson::SizeType;
using rapidjson::Value;

// The number keys of a record, in the order they are read and written.
template <class Record>
struct NumberKey {
  const char* name;
  double Record::*member;
  bool required;
};

constexpr NumberKey<CycleAxis> kAxisKeys[] = {
    {"inclinationDeg", &CycleAxis::inclinationDeg, false},
    {"frictionCoefficient", &CycleAxis::frictionCoefficient, false},
    {"dragForce", &CycleAxis::dragForce, false},
    {"extraMovingMass", &CycleAxis::extraMovingMass, false},
    {"counterbalanceForce", &CycleAxis::counterbalanceForce, false},
    {"safetyFactor", &CycleAxis::safetyFactor, false},
};

// The drive's figures: each optional, with no default (a figure not given is a check not made).
struct DriveKey {
  const char* name;
  std::optional<double> CycleDrive::*member;
};
constexpr DriveKey kDriveKeys[] = {
    {"busVoltage", &CycleDrive::busVoltage},
    {"peakCurrent", &CycleDrive::peakCurrent},
    {"continuousCurrent", &CycleDrive::continuousCurrent},
};

// "decel" is optional with the acceleration as its default, which the reader fills in.
constexpr NumberKey<CycleSegment> kMoveKeys[] = {
    {"distanceMm", &CycleSegment::distanceMm, true},
    {"velocity", &CycleSegment::velocity, true},
    {"accel", &CycleSegment::accel, true},
    {"decel", &CycleSegment::decel, false},
    {"jerk", &CycleSegment::jerk, false},
    {"payload", &CycleSegment::payload, true},
    {"force", &CycleSegment::force, false},
};

constexpr NumberKey<CycleSegment> kDwellKeys[] = {
    {"timeMs", &CycleSegment::timeMs, true},
    {"payload", &CycleSegment::payload, true},
    {"force", &CycleSegment::force, false},
};

constexpr std::pair<std::string_view, SegmentType> kTypes[] = {{"move", SegmentType::Move},
                                                               {"dwell", SegmentType::Dwell}};
constexpr std::pair<std::string_view, ForceDuring> kForceDuring[] = {{"move", ForceDuring::Move},
                                                                     {"constant", ForceDuring::Constant}};

struct LimitKey {
  const char* name;
  int Cycle::*member;
};
constexpr LimitKey kLimitKeys[] = {{"ratedLimit", &Cycle::ratedLimit}, {"peakLimit", &Cycle::peakLimit}};

template <class Enum, std::size_t N>
std::string_view NameOf(const std::pair<std::string_view, Enum> (&names)[N], Enum value) {
  for (const auto& [name, v] : names)
    if (v == value) return name;
  return names[0].first;
}

// ---- Reading

class CycleReader {
 public:
  explicit CycleReader(const JsonText& json) : r_(json) {}

  CycleFileReading Read(const Value& object) {
    CycleFileReading out;
    Cycle cycle;
    if (r_.FormatAndVersion(object, kCycleFileFormat, kCycleFileVersion)) {
      const JsonPath top;
      const JsonPath axisPath = top.Key("axis");
      if (const Value* axis = r_.Member(object, "axis", axisPath, false); axis && r_.IsObject(*axis, axisPath))
        ReadNumbers(*axis, axisPath, kAxisKeys, cycle.axis);
      const JsonPath drivePath = top.Key("drive");
      if (const Value* drive = r_.Member(object, "drive", drivePath, false); drive && r_.IsObject(*drive, drivePath))
        ReadDrive(*drive, drivePath, cycle.drive);
      const JsonPath ambientPath = top.Key("ambient");
      if (const Value* v = r_.Member(object, "ambient", ambientPath, false))
        if (const auto d = r_.Double(*v, ambientPath)) cycle.ambient = *d;
      for (const LimitKey& key : kLimitKeys) ReadLimit(object, top, key, cycle);
      const JsonPath segmentsPath = top.Key("segments");
      const Value* segments = r_.Member(object, "segments", segmentsPath, true);
      if (segments != nullptr && r_.IsArray(*segments, segmentsPath)) {
        cycle.segments.reserve(segments->Size());
        for (SizeType i = 0; i < segments->Size() && !r_.Error(); ++i)
          ReadSegment((*segments)[i], segmentsPath.Index(i), cycle.segments.emplace_back());
      }
    }
    if (r_.Error()) {
      out.error = *r_.Error();
    } else {
      out.cycle = std::move(cycle);
    }
    return out;
  }

 private:
  template <class Record, std::size_t N>
  void ReadNumbers(const Value& object, const JsonPath& path, const NumberKey<Record> (&keys)[N], Record& record) {
    for (const NumberKey<Record>& key : keys) {
      const JsonPath at = path.Key(key.name);
      if (const Value* v = r_.Member(object, key.name, at, key.required))
        if (const auto d = r_.Double(*v, at)) record.*key.member = *d;
    }
  }

  void ReadDrive(const Value& object, const JsonPath& path, CycleDrive& drive) {
    for (const DriveKey& key : kDriveKeys) {
      const JsonPath at = path.Key(key.name);
      if (const Value* v = r_.Member(object, key.name, at, false))
        if (const auto d = r_.Double(*v, at)) drive.*key.member = *d;
    }
  }

  void ReadLimit(const Value& object, const JsonPath& top, const LimitKey& key, Cycle& cycle) {
    const JsonPath at = top.Key(key.name);
    const Value* v = r_.Member(object, key.name, at, false);
    if (v == nullptr) return;
    if (const auto percent = r_.Integer(*v, at)) {
      if (PositionFromLimit(*percent)) {
        cycle.*key.member = *percent;
      } else {
        r_.Refuse(FieldProblem::BadValue, at);
      }
    }
  }

  template <class Enum, std::size_t N>
  std::optional<Enum> ReadName(const Value& object, const char* key, const JsonPath& path, bool required,
                               const std::pair<std::string_view, Enum> (&names)[N]) {
    const JsonPath at = path.Key(key);
    const Value* v = r_.Member(object, key, at, required);
    if (v == nullptr) return std::nullopt;
    const auto text = r_.Text(*v, at);
    if (!text) return std::nullopt;
    for (const auto& [name, value] : names)
      if (*text == name) return value;
    r_.Refuse(FieldProblem::BadValue, at);
    return std::nullopt;
  }

  void ReadSegment(const Value& object, const JsonPath& path, CycleSegment& s) {
    if (!r_.IsObject(object, path)) return;
    const auto type = ReadName(object, "type", path, true, kTypes);
    if (!type) return;
    s.type = *type;
    if (s.type == SegmentType::Dwell) {
      ReadNumbers(object, path, kDwellKeys, s);
      return;
    }
    const bool decelGiven = object.IsObject() && object.HasMember("decel");
    ReadNumbers(object, path, kMoveKeys, s);
    if (!decelGiven) s.decel = s.accel;
    if (const auto during = ReadName(object, "forceDuring", path, false, kForceDuring)) s.forceDuring = *during;
  }

  JsonFieldReader r_;
};

// ---- Writing

using Writer = rapidjson::PrettyWriter<rapidjson::StringBuffer>;

void WriteNumber(Writer& w, const char* key, double v) {
  w.Key(key);
  WriteJsonDouble(w, v);
}

void WriteName(Writer& w, const char* key, std::string_view name) {
  w.Key(key);
  w.String(name.data(), static_cast<SizeType>(name.size()));
}

template <class Record, std::size_t N>
void WriteNumbers(Writer& w, const NumberKey<Record> (&keys)[N], const Record& record) {
  for (const NumberKey<Record>& key : keys) WriteNumber(w, key.name, record.*key.member);
}

}  // namespace

CycleFileReading CycleFromJson(std::string_view text) {
  JsonText json;
  if (!json.Parse(text)) {
    CycleFileReading out;
    out.error = {FieldProblem::NotJson, ""};
    return out;
  }
  return CycleFromJsonValue(json, json.Root());
}

CycleFileReading CycleFromJsonValue(const JsonText& json, const Value& object) {
  if (auto twice = FirstDuplicateKey(object)) {
    CycleFileReading out;
    out.error = {FieldProblem::DuplicateKey, std::move(*twice)};
    return out;
  }
  return CycleReader(json).Read(object);
}

std::string CycleToJson(const Cycle& cycle) {
  rapidjson::StringBuffer buffer;
  Writer w(buffer);
  w.SetIndent(' ', 2);
  w.StartObject();
  WriteName(w, "format", kCycleFileFormat);
  w.Key("version");
  w.Int(kCycleFileVersion);
  w.Key("axis");
  w.StartObject();
  WriteNumbers(w, kAxisKeys, cycle.axis);
  w.EndObject();
  // Only the figures given: one not given has no value to write (null is refused).
  const bool anyDrive = std::any_of(std::begin(kDriveKeys), std::end(kDriveKeys),
                                    [&cycle](const DriveKey& key) { return (cycle.drive.*key.member).has_value(); });
  if (anyDrive) {
    w.Key("drive");
    w.StartObject();
    for (const DriveKey& key : kDriveKeys)
      if (const std::optional<double>& v = cycle.drive.*key.member) WriteNumber(w, key.name, *v);
    w.EndObject();
  }
  WriteNumber(w, "ambient", cycle.ambient);
  for (const LimitKey& key : kLimitKeys) {
    w.Key(key.name);
    w.Int(cycle.*key.member);
  }
  w.Key("segments");
  w.StartArray();
  for (const CycleSegment& s : cycle.segments) {
    w.StartObject();
    WriteName(w, "type", NameOf(kTypes, s.type));
    if (s.type == SegmentType::Dwell) {
      WriteNumbers(w, kDwellKeys, s);
    } else {
      WriteNumbers(w, kMoveKeys, s);
      WriteName(w, "forceDuring", NameOf(kForceDuring, s.forceDuring));
    }
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

std::string_view CycleFileProblemName(FieldProblem problem) {
  switch (problem) {
    case FieldProblem::NotJson: return "not JSON text";
    case FieldProblem::WrongFormat: return "not a Brivane cycle file";
    case FieldProblem::NewerVersion: return "written by a newer version";
    case FieldProblem::MissingField: return "missing field";
    case FieldProblem::WrongType: return "wrong type";
    case FieldProblem::NotFinite: return "not a finite number";
    case FieldProblem::BadValue: return "value not allowed";
    case FieldProblem::DuplicateKey: return "key given twice";
  }
  return "unknown problem";
}

}  // namespace brivane
