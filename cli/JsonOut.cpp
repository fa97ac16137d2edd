#include "cli/JsonOut.h"

#include <string>

#include "engine/JsonNumber.h"
#include "engine/Presentation.h"
#include "engine/Utf8.h"

namespace brivane::cli {

JsonOut::JsonOut() : writer_(buffer_) { writer_.StartObject(); }

void JsonOut::Key(std::string_view key) { writer_.Key(key.data(), static_cast<rapidjson::SizeType>(key.size())); }

void JsonOut::String(std::string_view text) {
  bool replaced = false;
  const std::string valid = ReplaceInvalidUtf8(text, &replaced);
  replaced_ = replaced_ || replaced;
  writer_.String(valid.data(), static_cast<rapidjson::SizeType>(valid.size()));
}

void JsonOut::Int(std::int64_t value) { writer_.Int64(value); }

void JsonOut::Float(float value) { WriteJsonFloat(writer_, value); }

void JsonOut::Double(double value) { WriteJsonDouble(writer_, value); }

void JsonOut::KeyString(std::string_view key, std::string_view text) {
  Key(key);
  String(text);
}

void JsonOut::KeyInt(std::string_view key, std::int64_t value) {
  Key(key);
  Int(value);
}

void JsonOut::KeyFloat(std::string_view key, float value) {
  Key(key);
  Float(value);
}

void JsonOut::KeyDouble(std::string_view key, double value) {
  Key(key);
  Double(value);
}

void JsonOut::KeyBool(std::string_view key, bool value) {
  Key(key);
  writer_.Bool(value);
}

void JsonOut::Print(std::ostream& out) {
  if (replaced_) KeyBool("invalidUtf8Replaced", true);
  writer_.EndObject();
  out << buffer_.GetString() << '\n';
}

void WriteAnalysis(JsonOut& json, const LoadAnalysis& a) {
  json.Key("analysis");
  json.w().StartObject();
  for (const AnalysisRow& row : kAnalysisRows) json.KeyFloat(row.jsonKey, a.*row.value);
  for (const AnalysisRow& row : kTemperatureRows) json.KeyFloat(row.jsonKey, a.*row.value);
  json.w().EndObject();
}

void WriteMessages(JsonOut& json, const std::vector<Message>& messages) {
  json.Key("messages");
  json.w().StartArray();
  for (const Message& m : messages) json.String(KoreanText(m));
  json.w().EndArray();
}

}  // namespace brivane::cli
