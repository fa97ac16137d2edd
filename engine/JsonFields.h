// Reading the tool's JSON documents field by field: every number kept as its own text and read as
// the form reads a typed number, each refusal naming the field's path, the first problem kept.
// Plain C++ with rapidjson; no Qt.
#pragma once

#include <rapidjson/document.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivane {

enum class FieldProblem {
  NotJson,       // not UTF-8 JSON text
  WrongFormat,   // not an object, or "format" is not the document's
  NewerVersion,  // "version" above the reader's
  MissingField,
  WrongType,  // a string where a number belongs, a fraction where an integer belongs, null, ...
  NotFinite,  // NaN or an infinity
  BadValue,   // right type, value not allowed
  DuplicateKey,
};

struct FieldError {
  FieldProblem problem = FieldProblem::NotJson;
  std::string field;  // the path, "segments[1].velocity"; empty for NotJson and the top level
};

// Where a value sits in the document: "axis.safetyFactor", "segments[1].velocity". A chain of
// parents on the stack, so reading builds no text; the text only when a refusal needs it.
class JsonPath {
 public:
  JsonPath() = default;
  JsonPath Key(std::string_view key) const { return JsonPath(this, key, kNoIndex); }
  JsonPath Index(std::size_t index) const { return JsonPath(this, {}, index); }
  std::string Text() const;

 private:
  static constexpr std::size_t kNoIndex = static_cast<std::size_t>(-1);
  JsonPath(const JsonPath* parent, std::string_view key, std::size_t index)
      : parent_(parent), key_(key), index_(index) {}
  const JsonPath* parent_ = nullptr;
  std::string_view key_;
  std::size_t index_ = kNoIndex;
};

// How JsonText parses: UTF-8 checked, numbers as their texts, NaN and Infinity taken (for the reader
// to refuse by name), iterative. For a reader of its own that reads the same JSON (rapidjson's SAX).
inline constexpr unsigned kJsonTextParseFlags = rapidjson::kParseValidateEncodingFlag |
                                                rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseNanAndInfFlag |
                                                rapidjson::kParseIterativeFlag;

// A parsed JSON text whose numbers are kept as their texts: a library's double, or its integer
// for "-0", would not be the value the form reads from the same text. Iterative, so that a text
// of a million "[" cannot overflow the stack; NaN and Infinity are parsed so that the reader can
// refuse them by name.
class JsonText {
 public:
  // False when the text is not JSON (not UTF-8, a zero byte, a number beyond the double range).
  // A leading UTF-8 byte-order mark is skipped.
  bool Parse(std::string_view text);
  const rapidjson::Value& Root() const { return doc_; }
  // The texts of the numbers, in document order: a number value holds its index here.
  const std::vector<std::string>& Numbers() const { return numbers_; }
  // The text of a number value of this document.
  const std::string& NumberText(const rapidjson::Value& number) const { return numbers_[number.GetUint64()]; }

 private:
  rapidjson::Document doc_;
  std::vector<std::string> numbers_;
};

// The path of the first key that an object in `root` holds twice ("move.loadMass", "a[1].b");
// nothing when every object's keys differ. Which of two values was meant cannot be told, so a
// document with one is refused, also for a key the reader does not know.
std::optional<std::string> FirstDuplicateKey(const rapidjson::Value& root);

// Reads the values of one JsonText; the first refusal is kept and every later read does nothing.
class JsonFieldReader {
 public:
  explicit JsonFieldReader(const JsonText& json) : json_(json) {}

  const std::optional<FieldError>& Error() const { return error_; }
  void Refuse(FieldProblem problem, const JsonPath& path);

  // The member `key` of `object` at `path` (the member's own path). Nothing when it is absent
  // (refused as missing when required), or after a refusal. Keys given twice are the document's
  // refusal (FirstDuplicateKey), before any member is read.
  const rapidjson::Value* Member(const rapidjson::Value& object, std::string_view key, const JsonPath& path,
                                 bool required);

  // The value as a finite double; nothing (refused) for another type or a number that is not finite.
  std::optional<double> Double(const rapidjson::Value& v, const JsonPath& path);
  // A whole number (no fraction or exponent) of 32 bits; beyond them it is a bad value.
  std::optional<std::int32_t> Integer(const rapidjson::Value& v, const JsonPath& path);
  std::optional<std::string_view> Text(const rapidjson::Value& v, const JsonPath& path);
  // True for an object (an array); refused as the wrong type otherwise.
  bool IsObject(const rapidjson::Value& v, const JsonPath& path);
  bool IsArray(const rapidjson::Value& v, const JsonPath& path);

  // The "format" and "version" members of a document object: refused as the wrong format or a newer (or
  // bad) version. True when both are the reader's.
  bool FormatAndVersion(const rapidjson::Value& object, std::string_view format, int version);

 private:
  const std::string* NumberText(const rapidjson::Value& v, const JsonPath& path);

  const JsonText& json_;
  std::optional<FieldError> error_;
};

}  // namespace brivane
