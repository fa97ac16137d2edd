#include "engine/MoveFile.h"

#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/JsonFields.h"
#include "engine/JsonNumber.h"
#include "engine/NumberText.h"

namespace brivane {
namespace {

using rapidjson::SizeType;
using rapidjson::Value;

// The members of "move", in the order they are written.
enum class MoveKind { Float, Integer, Mode };
struct MoveKey {
  const char* name;
  MoveKind kind;
  float MotionInput::*member;  // Float keys only
};
const std::array<MoveKey, 8> kMoveKeys{{
    {"loadMass", MoveKind::Float, &MotionInput::loadMass},
    {"distanceMm", MoveKind::Integer, nullptr},
    {"accelMode", MoveKind::Mode, nullptr},
    {"accelValue", MoveKind::Float, &MotionInput::accelValue},
    {"peakVelocity", MoveKind::Float, &MotionInput::peakVelocity},
    {"dwellMs", MoveKind::Float, &MotionInput::dwellMs},
    {"frictionCoefficient", MoveKind::Float, &MotionInput::frictionCoefficient},
    {"safetyFactor", MoveKind::Float, &MotionInput::safetyFactor},
}};

struct AccelModeName {
  AccelMode mode;
  const char* name;
};
const std::array<AccelModeName, 2> kAccelModes{{{AccelMode::Gravity, "g"}, {AccelMode::Time, "ms"}}};

struct LimitKey {
  const char* name;
  std::optional<int> FormValues::*member;
};
const std::array<LimitKey, 2> kLimitKeys{
    {{"ratedLimit", &FormValues::ratedPosition}, {"peakLimit", &FormValues::peakPosition}}};

// ---- Writing

using Writer = rapidjson::PrettyWriter<rapidjson::StringBuffer>;

void WriteString(Writer& w, std::string_view text) { w.String(text.data(), static_cast<SizeType>(text.size())); }

// ---- Reading

// Numbers are handed over as their own text and read by us (JsonText): the form reads a typed
// number through double precision into a float, and a file must give the same float for the same
// text (a library's double, or an integer event for "-0", would not).

// Reads the fields of a parsed document in a fixed order; the first refusal is kept and every
// later read does nothing.
class FieldReader {
 public:
  explicit FieldReader(const std::vector<std::string>& numbers) : numbers_(numbers) {}

  const std::optional<MoveFileError>& error() const { return error_; }

  void Refuse(MoveFileProblem problem, const std::string& field) {
    if (!error_) error_ = MoveFileError{problem, field};
  }

  const Value* Member(const Value& object, const char* key, const std::string& field) {
    if (error_) return nullptr;
    const auto it = object.FindMember(key);
    if (it != object.MemberEnd()) return &it->value;
    Refuse(MoveFileProblem::MissingField, field);
    return nullptr;
  }

  std::optional<float> Float(const Value* v, const std::string& field) {
    const std::string* text = NumberText(v, field);
    if (text == nullptr) return std::nullopt;
    const auto f = ParseFloatField(*text);
    if (!f) Refuse(MoveFileProblem::NotFinite, field);
    return f;
  }

  std::optional<std::int32_t> Integer(const Value* v, const std::string& field) {
    const std::string* text = NumberText(v, field);
    if (text == nullptr) return std::nullopt;
    if (text->find_first_of("NI") != std::string::npos) {
      Refuse(MoveFileProblem::NotFinite, field);
    } else if (text->find_first_of(".eE") != std::string::npos) {
      Refuse(MoveFileProblem::WrongType, field);
    } else if (const auto i = ParseIntField(*text)) {
      return i;
    } else {
      Refuse(MoveFileProblem::BadValue, field);
    }
    return std::nullopt;
  }

  std::optional<std::string> Text(const Value* v, const std::string& field) {
    if (v == nullptr) return std::nullopt;
    if (v->IsString()) return std::string(v->GetString(), v->GetStringLength());
    Refuse(MoveFileProblem::WrongType, field);
    return std::nullopt;
  }

 private:
  const std::string* NumberText(const Value* v, const std::string& field) {
    if (v == nullptr) return nullptr;
    if (v->IsNumber()) return &numbers_[v->GetUint64()];
    Refuse(MoveFileProblem::WrongType, field);
    return nullptr;
  }

  const std::vector<std::string>& numbers_;
  std::optional<MoveFileError> error_;
};

// A whole positive number above this program's version, however many digits it has: a file of
// a newer program, not a wrong one.
bool IsNewerVersion(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  const auto version = ParseIntField(text);
  return !version || *version > kMoveFileVersion;
}

MoveFileReading Refused(MoveFileProblem problem, std::string field) {
  MoveFileReading out;
  out.error = MoveFileError{problem, std::move(field)};
  return out;
}

void ReadMove(FieldReader& r, const Value& move, MotionInput& in) {
  for (const MoveKey& key : kMoveKeys) {
    const std::string field = std::string("move.") + key.name;
    const Value* v = r.Member(move, key.name, field);
    switch (key.kind) {
      case MoveKind::Float:
        if (const auto f = r.Float(v, field)) in.*key.member = *f;
        break;
      case MoveKind::Integer:
        if (const auto i = r.Integer(v, field)) in.distanceMm = *i;
        break;
      case MoveKind::Mode:
        if (const auto name = r.Text(v, field)) {
          const AccelModeName* found = nullptr;
          for (const AccelModeName& m : kAccelModes)
            if (*name == m.name) found = &m;
          if (found != nullptr)
            in.accelMode = found->mode;
          else
            r.Refuse(MoveFileProblem::BadValue, field);
        }
        break;
    }
  }
}

}  // namespace

std::string MoveToJson(const FormValues& values) {
  rapidjson::StringBuffer buffer;
  Writer w(buffer);
  w.SetIndent(' ', 2);
  w.StartObject();
  w.Key("format");
  WriteString(w, kMoveFileFormat);
  w.Key("version");
  w.Int(kMoveFileVersion);

  w.Key("move");
  w.StartObject();
  for (const MoveKey& key : kMoveKeys) {
    w.Key(key.name);
    switch (key.kind) {
      case MoveKind::Float: WriteJsonFloat(w, values.move.*key.member); break;
      case MoveKind::Integer: w.Int(values.move.distanceMm); break;
      case MoveKind::Mode: {
        const char* name = nullptr;
        for (const AccelModeName& m : kAccelModes)
          if (m.mode == values.move.accelMode) name = m.name;
        if (name != nullptr)
          w.String(name);
        else
          w.Null();
        break;
      }
    }
  }
  w.EndObject();

  for (const LimitKey& key : kLimitKeys) {
    w.Key(key.name);
    const std::optional<int>& position = values.*key.member;
    if (position)
      w.Int(LimitFromPosition(*position));
    else
      w.Null();
  }
  w.Key("ambient");
  WriteString(w, values.ambient);
  w.Key("model");
  WriteString(w, values.model);
  w.Key("show");
  w.SetFormatOptions(rapidjson::kFormatSingleLineArray);
  w.StartArray();
  for (bool b : values.show) w.Bool(b);
  w.EndArray();
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

// Longer than the house limit on purpose: it reads the fields in the order the format document
// lists them, and the first problem in that order is the one reported, so the order is the contract.
MoveFileReading MoveFromJson(std::string_view text) {
  JsonText json;
  if (!json.Parse(text)) return Refused(MoveFileProblem::NotJson, "");
  const rapidjson::Value& doc = json.Root();
  const std::vector<std::string>& numbers = json.Numbers();

  if (auto twice = FirstDuplicateKey(doc)) return Refused(MoveFileProblem::DuplicateKey, std::move(*twice));
  if (!doc.IsObject()) return Refused(MoveFileProblem::NotMoveFile, "");
  const rapidjson::Value& root = doc;
  const auto format = root.FindMember("format");
  if (format == root.MemberEnd() || !format->value.IsString() ||
      std::string_view(format->value.GetString(), format->value.GetStringLength()) != kMoveFileFormat)
    return Refused(MoveFileProblem::NotMoveFile, "format");

  FieldReader r(numbers);
  // The version comes first: a newer file may have changed any other field.
  const Value* version = r.Member(doc, "version", "version");
  if (version != nullptr && version->IsNumber() && IsNewerVersion(numbers[version->GetUint64()]))
    return Refused(MoveFileProblem::NewerVersion, "version");
  if (const auto number = r.Integer(version, "version")) {
    if (*number < 1) return Refused(MoveFileProblem::BadValue, "version");
  }

  FormValues values;
  if (const Value* move = r.Member(doc, "move", "move")) {
    if (move->IsObject())
      ReadMove(r, *move, values.move);
    else
      r.Refuse(MoveFileProblem::WrongType, "move");
  }
  for (const LimitKey& key : kLimitKeys) {
    const Value* v = r.Member(doc, key.name, key.name);
    if (v == nullptr || v->IsNull()) {
      values.*key.member = std::nullopt;
    } else if (const auto percent = r.Integer(v, key.name)) {
      values.*key.member = PositionFromLimit(*percent);
      if (!(values.*key.member)) r.Refuse(MoveFileProblem::BadValue, key.name);
    }
  }
  if (const auto ambient = r.Text(r.Member(doc, "ambient", "ambient"), "ambient")) values.ambient = *ambient;
  if (const auto model = r.Text(r.Member(doc, "model", "model"), "model")) values.model = *model;
  if (const Value* show = r.Member(doc, "show", "show")) {
    if (!show->IsArray()) {
      r.Refuse(MoveFileProblem::WrongType, "show");
    } else if (show->Size() != values.show.size()) {
      r.Refuse(MoveFileProblem::BadValue, "show");
    } else {
      for (SizeType i = 0; i < show->Size(); ++i) {
        const Value& b = (*show)[i];
        if (b.IsBool())
          values.show[i] = b.GetBool();
        else
          r.Refuse(MoveFileProblem::WrongType, "show[" + std::to_string(i) + "]");
      }
    }
  }

  if (r.error()) return Refused(r.error()->problem, r.error()->field);
  MoveFileReading out;
  out.values = std::move(values);
  return out;
}

std::string_view MoveFileProblemName(MoveFileProblem problem) {
  switch (problem) {
    case MoveFileProblem::NotJson: return "not JSON text";
    case MoveFileProblem::DuplicateKey: return "key given twice";
    case MoveFileProblem::NotMoveFile: return "not a Brivane move file";
    case MoveFileProblem::NewerVersion: return "written by a newer version";
    case MoveFileProblem::MissingField: return "missing field";
    case MoveFileProblem::WrongType: return "wrong type";
    case MoveFileProblem::NotFinite: return "not a finite number";
    case MoveFileProblem::BadValue: return "value not allowed";
  }
  return "unknown problem";
}

}  // namespace brivane
