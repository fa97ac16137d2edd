#include "engine/MotorFile.h"

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "catalog/DataSheetFields.h"
#include "engine/Csv.h"
#include "engine/NumberText.h"
#include "engine/TextFile.h"
#include "engine/Utf8.h"

namespace brivane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kNameKey = "name";
constexpr std::string_view kFamilyKey = "family";

// The numbers of a motor, in the order the catalog lists its columns and a file is checked: the
// fourteen data-sheet fields, then the thermal coefficient, which only the coil temperature reads.
struct NumberKey {
  std::string_view key;
  float MotorRecord::*decimal;
  std::int32_t MotorRecord::*whole;
};
constexpr std::array<NumberKey, kDataSheetFields.size() + 1> MakeNumberKeys() {
  std::array<NumberKey, kDataSheetFields.size() + 1> keys{};
  for (std::size_t i = 0; i < kCatalogColumnOrder.size(); ++i) {
    const DataSheetField& f = kDataSheetFields[kCatalogColumnOrder[i]];
    keys[i] = {f.jsonKey, f.decimal, f.whole};
  }
  keys.back() = {"thermalCoefficient", &MotorRecord::thermalCoefficient, nullptr};
  return keys;
}
constexpr std::array<NumberKey, kDataSheetFields.size() + 1> kNumberKeys = MakeNumberKeys();

bool IsMotorKey(std::string_view key) {
  if (key == kNameKey || key == kFamilyKey) return true;
  for (const NumberKey& k : kNumberKeys)
    if (k.key == key) return true;
  return false;
}

// ---- What both readers hand to the checks: a motor as keys and the texts of their values.

enum class CellKind {
  Text,    // a JSON string
  Number,  // a JSON number, as its text
  Other,   // a JSON true, false, null, object or array
  Csv,     // a CSV field: a text that a number key reads as a number
};
struct Cell {
  CellKind kind = CellKind::Other;
  std::string text;
};

struct RawMotor {
  bool isObject = true;                             // JSON: the element of "motors" is an object
  std::size_t line = 0;                             // CSV: the line its record starts on
  std::vector<std::pair<std::string, Cell>> cells;  // the motor keys only, each once, in the file's order
  std::string repeatedKey;                          // the first motor key given twice

  const Cell* Find(std::string_view key) const {
    for (const auto& [k, cell] : cells)
      if (k == key) return &cell;
    return nullptr;
  }
};

struct Raw {
  std::vector<RawMotor> motors;  // at most kMaxUserMotors + 1: one more is already too many
  std::optional<MotorFileRefusal> refusal;
};

MotorFileRefusal FileRefusal(MotorFileProblem problem, std::string field = {}, std::string detail = {},
                             std::size_t line = 0) {
  MotorFileRefusal r;
  r.problem = problem;
  r.field = std::move(field);
  r.detail = std::move(detail);
  r.line = line;
  return r;
}

// ---- JSON: a handler of the reader's events that keeps the three top-level keys and, of each
// element of "motors", the motor keys; everything else is passed over however deep it is. Numbers
// arrive as their texts, so that they are read as the form reads a typed number.

class MotorJsonHandler {
 public:
  bool rootIsObject = false;
  std::optional<Cell> format;
  std::optional<Cell> version;
  bool motorsSeen = false;
  bool motorsIsArray = false;
  std::string repeatedKey;  // the first top-level key given twice
  std::vector<RawMotor> motors;
  std::size_t elements = 0;  // of "motors", all of them (motors keeps one more than the limit)

  bool Null() { return Value(Cell{}); }
  bool Bool(bool) { return Value(Cell{}); }
  bool String(const char* s, rapidjson::SizeType length, bool) {
    return Value(Cell{CellKind::Text, std::string(s, length)});
  }
  bool RawNumber(const char* s, rapidjson::SizeType length, bool) {
    return Value(Cell{CellKind::Number, std::string(s, length)});
  }
  bool StartObject() { return Start(Place::Object); }
  bool StartArray() { return Start(Place::Array); }
  bool EndObject(rapidjson::SizeType) { return End(); }
  bool EndArray(rapidjson::SizeType) { return End(); }
  bool Key(const char* s, rapidjson::SizeType length, bool) {
    if (skipped_ == 0) key_.assign(s, length);
    return true;
  }
  // Never called with numbers as texts, but the reader's code names them.
  bool Int(int) { return false; }
  bool Uint(unsigned) { return false; }
  bool Int64(std::int64_t) { return false; }
  bool Uint64(std::uint64_t) { return false; }
  bool Double(double) { return false; }

 private:
  enum class Place { Object, Array };
  // Where the reader is: outside everything, in the top-level object, in "motors", in a motor.
  enum class Level { Outside, Top, Motors, Motor };

  // A scalar value where `level_` expects one.
  bool Value(Cell cell) {
    if (skipped_ > 0) return true;
    Take(std::move(cell), false);
    return true;
  }

  bool Start(Place place) {
    if (skipped_ > 0) {
      ++skipped_;
      return true;
    }
    const bool read = Take(Cell{}, true, place);
    if (!read) skipped_ = 1;
    return true;
  }

  bool End() {
    if (skipped_ > 0) {
      --skipped_;
      return true;
    }
    level_ = level_ == Level::Motor ? Level::Motors : level_ == Level::Motors ? Level::Top : Level::Outside;
    return true;
  }

  // Takes a value at the current level; for a container, whether its content is read (else it is
  // passed over).
  bool Take(Cell cell, bool container, Place place = Place::Object) {
    switch (level_) {
      case Level::Outside:
        rootIsObject = container && place == Place::Object;
        if (rootIsObject) level_ = Level::Top;
        return rootIsObject;
      case Level::Top: {
        const bool repeated = (key_ == "format" && seenFormat_) || (key_ == "version" && seenVersion_) ||
                              (key_ == "motors" && motorsSeen);
        if (repeated && repeatedKey.empty()) repeatedKey = key_;
        if (key_ == "format") {
          seenFormat_ = true;
          format = std::move(cell);
        } else if (key_ == "version") {
          seenVersion_ = true;
          version = std::move(cell);
        } else if (key_ == "motors" && !repeated) {
          motorsSeen = true;
          motorsIsArray = container && place == Place::Array;
          if (motorsIsArray) level_ = Level::Motors;
          return motorsIsArray;
        }
        return false;
      }
      case Level::Motors: {
        ++elements;
        const bool isObject = container && place == Place::Object;
        if (motors.size() <= kMaxUserMotors) motors.emplace_back().isObject = isObject;
        if (isObject) level_ = Level::Motor;
        return isObject;
      }
      case Level::Motor: {
        // Only the motor keys are kept, each once: an object of a million keys costs no more.
        if (motors.size() != elements || !IsMotorKey(key_)) return false;
        RawMotor& motor = motors.back();
        if (motor.Find(key_) == nullptr) {
          motor.cells.emplace_back(key_, std::move(cell));
        } else if (motor.repeatedKey.empty()) {
          motor.repeatedKey = key_;
        }
        return false;
      }
    }
    return false;
  }

  Level level_ = Level::Outside;
  int skipped_ = 0;  // open containers of a value that is passed over
  std::string key_;
  bool seenFormat_ = false;
  bool seenVersion_ = false;
};

// Iterative, so that a file of a million "[" cannot overflow the stack; NaN and Infinity are read
// so that they are refused as such, naming their field.
constexpr unsigned kParseFlags = rapidjson::kParseValidateEncodingFlag | rapidjson::kParseNumbersAsStringsFlag |
                                 rapidjson::kParseNanAndInfFlag | rapidjson::kParseIterativeFlag;

std::optional<MotorFileRefusal> CheckVersion(const std::optional<Cell>& version) {
  if (!version) return FileRefusal(MotorFileProblem::MissingField, "version");
  if (version->kind != CellKind::Number) return FileRefusal(MotorFileProblem::WrongType, "version");
  const std::string& text = version->text;
  if (text.find_first_of("NI") != std::string::npos) return FileRefusal(MotorFileProblem::NotFinite, "version");
  if (text.find_first_of(".eE") != std::string::npos) return FileRefusal(MotorFileProblem::WrongType, "version");
  const auto v = ParseIntField(text);
  // A whole number beyond 32 bits is a version far above ours, or far below 1.
  const bool newer = v ? *v > kMotorFileVersion : text.front() != '-';
  if (newer) {
    return FileRefusal(MotorFileProblem::NewerVersion, "version",
                       "version " + text + "; this program reads version " + std::to_string(kMotorFileVersion));
  }
  if (!v || *v < 1) return FileRefusal(MotorFileProblem::OutOfRange, "version");
  return std::nullopt;
}

Raw ReadJson(std::string_view text) {
  Raw out;
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  // The reader takes a zero byte for the end of the text, which would hide what follows it.
  if (const std::size_t zero = text.find('\0'); zero != std::string_view::npos) {
    out.refusal = FileRefusal(MotorFileProblem::NotJson, {}, "a zero byte at byte " + std::to_string(zero));
    return out;
  }
  MotorJsonHandler handler;
  rapidjson::MemoryStream stream(text.data(), text.size());
  rapidjson::Reader reader;
  if (const rapidjson::ParseResult parsed = reader.Parse<kParseFlags>(stream, handler); parsed.IsError()) {
    std::string reason = rapidjson::GetParseError_En(parsed.Code());
    if (!reason.empty() && reason.back() == '.') reason.pop_back();
    out.refusal = FileRefusal(MotorFileProblem::NotJson, {}, reason + " at byte " + std::to_string(parsed.Offset()));
    return out;
  }
  if (!handler.rootIsObject) {
    out.refusal = FileRefusal(MotorFileProblem::NotMotorFile);
    return out;
  }
  if (!handler.format || handler.format->kind != CellKind::Text || handler.format->text != kMotorFileFormat) {
    out.refusal = FileRefusal(MotorFileProblem::NotMotorFile, "format");
    return out;
  }
  if (!handler.repeatedKey.empty()) {
    out.refusal = FileRefusal(MotorFileProblem::DuplicateField, handler.repeatedKey);
    return out;
  }
  // The version comes first: a newer file may have changed any other key.
  if (auto refusal = CheckVersion(handler.version)) {
    out.refusal = std::move(refusal);
    return out;
  }
  if (!handler.motorsIsArray) {
    out.refusal =
        FileRefusal(handler.motorsSeen ? MotorFileProblem::WrongType : MotorFileProblem::MissingField, "motors");
    return out;
  }
  out.motors = std::move(handler.motors);
  return out;
}

// ---- CSV: a header row of keys, then one motor a record. Columns of other keys are left out.

// Position and key of each motor column of the header row.
using CsvColumns = std::vector<std::pair<std::size_t, std::string>>;

// The motor columns, each once; a column that every motor needs and the header lacks is one
// refusal for the whole file.
std::optional<MotorFileRefusal> ReadCsvHeader(const CsvLine& header, CsvColumns& columns) {
  const auto hasColumn = [&columns](std::string_view key) {
    for (const auto& [at, known] : columns)
      if (known == key) return true;
    return false;
  };
  for (std::size_t c = 0; c < header.fields.size(); ++c) {
    const std::string& key = header.fields[c];
    if (!IsMotorKey(key)) continue;
    if (hasColumn(key)) return FileRefusal(MotorFileProblem::DuplicateField, key, {}, header.line);
    columns.emplace_back(c, key);
  }
  std::vector<std::string_view> required{kNameKey};
  for (const NumberKey& k : kNumberKeys) required.push_back(k.key);
  for (const std::string_view key : required)
    if (!hasColumn(key)) return FileRefusal(MotorFileProblem::MissingField, std::string(key), {}, header.line);
  return std::nullopt;
}

Raw ReadCsvMotors(std::string_view text) {
  Raw out;
  CsvReading csv = ReadCsv(text);
  if (csv.error) {
    out.refusal =
        FileRefusal(MotorFileProblem::NotCsv, {}, std::string(CsvProblemName(csv.error->problem)), csv.error->line);
    return out;
  }
  if (csv.records.empty()) {
    out.refusal = FileRefusal(MotorFileProblem::NotCsv, {}, "no header row");
    return out;
  }
  const CsvLine& header = csv.records.front();
  CsvColumns columns;
  if ((out.refusal = ReadCsvHeader(header, columns))) return out;
  for (std::size_t r = 1; r < csv.records.size() && out.motors.size() <= kMaxUserMotors; ++r) {
    CsvLine& record = csv.records[r];
    if (record.fields.size() != header.fields.size()) {
      out.refusal = FileRefusal(MotorFileProblem::NotCsv, {},
                                std::to_string(record.fields.size()) + " fields where the header row has " +
                                    std::to_string(header.fields.size()),
                                record.line);
      out.refusal->motor = r;
      return out;
    }
    RawMotor& motor = out.motors.emplace_back();
    motor.line = record.line;
    for (const auto& [at, key] : columns)
      motor.cells.emplace_back(key, Cell{CellKind::Csv, std::move(record.fields[at])});
  }
  return out;
}

// ---- The checks of one motor, the same for both kinds of file.

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

// Why a name or family cannot be one, or nothing. The text is valid UTF-8 already, so only a
// control character (C0, DEL, C1) would be written otherwise for a terminal.
std::optional<std::string> TextProblem(std::string_view text) {
  if (VisibleText(text) != text) return "a control character";
  if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) return "a blank at an end";
  if (Utf8CodePoints(text) > kMaxMotorTextLength)
    return "more than " + std::to_string(kMaxMotorTextLength) + " characters";
  return std::nullopt;
}

// Whether a text is a decimal number (finite or not) as the C++ library reads one: what tells a
// CSV cell that is no number from one whose number is too large.
bool IsNumberText(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\n\r\f\v";  // as ParseFloatField allows them
  text.remove_prefix(std::min(text.find_first_not_of(kBlanks), text.size()));
  text.remove_suffix(text.size() - std::min(text.find_last_not_of(kBlanks) + 1, text.size()));
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && result.ptr == text.data() + text.size() &&
         (result.ec == std::errc() || result.ec == std::errc::result_out_of_range);
}

class MotorChecker {
 public:
  explicit MotorChecker(std::span<const MotorRecord> before) : before_(before) {
    for (std::size_t i = 0; i < before.size(); ++i) {
      known_.emplace(Folded(before[i].name), Known{i, 0});
      if (before[i].user) ++userRows_;
    }
  }

  // Checks the motor at `position` (from 1); on success it joins the names the next must avoid.
  std::optional<MotorFileRefusal> Check(const RawMotor& raw, std::size_t position, UserMotor& motor) {
    position_ = position;
    raw_ = &raw;
    name_.clear();
    if (userRows_ + position > kMaxUserMotors)
      return Refuse(MotorFileProblem::TooManyMotors, {}, "more than " + std::to_string(kMaxUserMotors) + " in all");
    if (!raw.isObject) return Refuse(MotorFileProblem::WrongType);
    if (!raw.repeatedKey.empty()) return Refuse(MotorFileProblem::DuplicateField, raw.repeatedKey);
    if (auto refusal = CheckName(motor)) return refusal;
    if (const Cell* family = raw.Find(kFamilyKey)) {
      if (family->kind != CellKind::Text && family->kind != CellKind::Csv)
        return Refuse(MotorFileProblem::WrongType, kFamilyKey);
      if (const auto problem = TextProblem(family->text))
        return Refuse(MotorFileProblem::TextNotAllowed, kFamilyKey, *problem);
      motor.family = family->text;
    }
    for (const NumberKey& key : kNumberKeys)
      if (auto refusal = ReadNumber(key, motor.values)) return refusal;
    if (motor.values.peakForce < motor.values.ratedForce)
      return Refuse(MotorFileProblem::BelowRated, "peakForce", "ratedForce");
    if (motor.values.peakCurrent < motor.values.ratedCurrent)
      return Refuse(MotorFileProblem::BelowRated, "peakCurrent", "ratedCurrent");
    known_.emplace(Folded(motor.name), Known{0, position});
    return std::nullopt;
  }

 private:
  struct Known {
    std::size_t row;       // index in `before` ...
    std::size_t position;  // ... or, when not 0, the position of a motor of this file
  };

  std::optional<MotorFileRefusal> CheckName(UserMotor& motor) {
    const Cell* name = raw_->Find(kNameKey);
    if (name == nullptr) return Refuse(MotorFileProblem::MissingField, kNameKey);
    if (name->kind != CellKind::Text && name->kind != CellKind::Csv)
      return Refuse(MotorFileProblem::WrongType, kNameKey);
    if (name->text.empty()) return Refuse(MotorFileProblem::EmptyName, kNameKey);
    if (const auto problem = TextProblem(name->text))
      return Refuse(MotorFileProblem::TextNotAllowed, kNameKey, *problem);
    name_ = name->text;
    if (const auto it = known_.find(Folded(name->text)); it != known_.end()) {
      const Known& k = it->second;
      if (k.position != 0)
        return Refuse(MotorFileProblem::DuplicateName, kNameKey, "also motor " + std::to_string(k.position));
      const MotorRecord& row = before_[k.row];
      return Refuse(row.user ? MotorFileProblem::DuplicateName : MotorFileProblem::BuiltInName, kNameKey,
                    row.user ? "also '" + std::string(row.name) + "', read before" : std::string(row.name));
    }
    motor.name = name->text;
    return std::nullopt;
  }

  std::optional<MotorFileRefusal> ReadNumber(const NumberKey& key, MotorRecord& values) {
    const Cell* cell = raw_->Find(key.key);
    if (cell == nullptr || (cell->kind == CellKind::Csv && cell->text.empty()))
      return Refuse(MotorFileProblem::MissingField, key.key);
    if (cell->kind != CellKind::Number && cell->kind != CellKind::Csv)
      return Refuse(MotorFileProblem::WrongType, key.key);
    const std::string& text = cell->text;
    // A JSON number is a number by the reader's grammar; a CSV cell must be seen to be one.
    const bool number = cell->kind == CellKind::Number || IsNumberText(text);
    if (key.decimal != nullptr) {
      const auto v = ParseFloatField(text);
      if (!v) return Refuse(number ? MotorFileProblem::NotFinite : MotorFileProblem::NotANumber, key.key);
      if (!(*v > 0.0f)) return Refuse(MotorFileProblem::NotPositive, key.key);
      values.*key.decimal = *v;
      return std::nullopt;
    }
    if (const auto v = ParseIntField(text)) {
      // The one whole-number field is the attraction force, which is 0 for a coreless motor.
      if (*v < 0) return Refuse(MotorFileProblem::Negative, key.key);
      values.*key.whole = *v;
      return std::nullopt;
    }
    if (!number) return Refuse(MotorFileProblem::NotANumber, key.key);
    if (text.find_first_of("NnIi") != std::string::npos) return Refuse(MotorFileProblem::NotFinite, key.key);
    if (text.find_first_of(".eE") != std::string::npos) return Refuse(MotorFileProblem::WrongType, key.key);
    return Refuse(MotorFileProblem::OutOfRange, key.key);
  }

  MotorFileRefusal Refuse(MotorFileProblem problem, std::string_view field = {}, std::string detail = {}) {
    MotorFileRefusal r = FileRefusal(problem, std::string(field), std::move(detail), raw_->line);
    r.motor = position_;
    r.name = name_;
    return r;
  }

  std::span<const MotorRecord> before_;
  std::unordered_map<std::string, Known> known_;  // folded names: of `before` and of this file so far
  std::size_t userRows_ = 0;                      // user rows in `before`
  std::size_t position_ = 0;
  const RawMotor* raw_ = nullptr;
  std::string name_;  // of the motor checked, once it is fit to be shown
};

}  // namespace

MotorFileKind MotorFileKindOf(std::string_view path) {
  return path.size() >= 4 && Folded(path.substr(path.size() - 4)) == ".csv" ? MotorFileKind::Csv : MotorFileKind::Json;
}

MotorFileReading ReadMotorText(std::string_view text, MotorFileKind kind, std::span<const MotorRecord> before) {
  MotorFileReading out;
  Raw raw = kind == MotorFileKind::Csv ? ReadCsvMotors(text) : ReadJson(text);
  if (raw.refusal) {
    out.refusal = std::move(raw.refusal);
    return out;
  }
  MotorChecker checker(before);
  std::vector<UserMotor> motors;
  motors.reserve(raw.motors.size());
  for (std::size_t i = 0; i < raw.motors.size(); ++i) {
    UserMotor& motor = motors.emplace_back();
    if (auto refusal = checker.Check(raw.motors[i], i + 1, motor)) {
      out.refusal = std::move(refusal);
      return out;
    }
  }
  out.motors = std::move(motors);
  return out;
}

MotorLoading LoadMotorFiles(std::span<const std::string> paths) {
  MotorLoading out;
  for (const std::string& path : paths) {
    const TextFileReading file = ReadTextFile(path, kMaxMotorFileBytes);
    MotorFileReading reading;
    if (file.error) {
      reading.refusal = FileRefusal(MotorFileProblem::Unreadable, {}, file.error.message());
    } else {
      reading = ReadMotorText(file.text, MotorFileKindOf(path), out.list.All());
    }
    out.added.push_back(reading.motors.size());
    if (reading.refusal) {
      reading.refusal->file = path;
      out.refusals.push_back(std::move(*reading.refusal));
      continue;
    }
    for (const UserMotor& m : reading.motors) out.list.AddUserMotor(m.values, m.name, m.family);
  }
  return out;
}

std::string_view MotorFileProblemName(MotorFileProblem problem) {
  switch (problem) {
    case MotorFileProblem::Unreadable: return "cannot be read";
    case MotorFileProblem::NotJson: return "not JSON text";
    case MotorFileProblem::NotCsv: return "not CSV text";
    case MotorFileProblem::NotMotorFile: return "not a Brivane motor file";
    case MotorFileProblem::NewerVersion: return "written by a newer version";
    case MotorFileProblem::MissingField: return "missing field";
    case MotorFileProblem::DuplicateField: return "field given twice";
    case MotorFileProblem::WrongType: return "wrong type";
    case MotorFileProblem::NotANumber: return "not a number";
    case MotorFileProblem::NotFinite: return "not a finite number";
    case MotorFileProblem::OutOfRange: return "value out of range";
    case MotorFileProblem::NotPositive: return "not above 0";
    case MotorFileProblem::Negative: return "below 0";
    case MotorFileProblem::BelowRated: return "below the rated value";
    case MotorFileProblem::EmptyName: return "empty name";
    case MotorFileProblem::TextNotAllowed: return "text not allowed";
    case MotorFileProblem::DuplicateName: return "name given twice";
    case MotorFileProblem::BuiltInName: return "name of a built-in model";
    case MotorFileProblem::TooManyMotors: return "too many motors";
  }
  return "unknown problem";
}

std::string DescribeMotorFileRefusal(const MotorFileRefusal& r) {
  std::string where;
  const auto add = [&where](const std::string& part) { where += (where.empty() ? "" : ", ") + part; };
  if (r.motor != 0) add("motor " + std::to_string(r.motor) + (r.name.empty() ? "" : " (" + VisibleText(r.name) + ")"));
  if (r.line != 0) add("line " + std::to_string(r.line));
  if (!r.field.empty()) add("field '" + VisibleText(r.field) + "'");
  std::string text = where.empty() ? "" : where + ": ";
  text += MotorFileProblemName(r.problem);
  if (!r.detail.empty()) text += " (" + VisibleText(r.detail) + ")";
  return text;
}

}  // namespace brivane
