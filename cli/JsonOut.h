// brivane-cli's JSON output: one object, floats written the same way by every command. No Qt.
#pragma once

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdint>
#include <iostream>
#include <string_view>
#include <vector>

#include "engine/Messages.h"
#include "engine/Motion.h"

namespace brivane::cli {

// One JSON object written to stdout (or another stream). Single-precision values are written as the shortest
// decimal that reads back as the same float; a value that is not finite as null. Texts are valid UTF-8
// whatever their bytes: a byte that is not UTF-8 (a path or a name as the file system holds it) becomes
// U+FFFD, and the object then ends with "invalidUtf8Replaced": true, so that no script takes such a
// text for the real name. (An escape such as \u00FF would name another file without saying so.)
class JsonOut {
 public:
  JsonOut();
  rapidjson::Writer<rapidjson::StringBuffer>& w() { return writer_; }
  void Key(std::string_view key);
  void String(std::string_view text);
  void Int(std::int64_t value);
  void Float(float value);
  // A double as the shortest decimal that reads back as the same double; null when not finite.
  void Double(double value);
  void KeyString(std::string_view key, std::string_view text);
  void KeyInt(std::string_view key, std::int64_t value);
  void KeyFloat(std::string_view key, float value);
  void KeyDouble(std::string_view key, double value);
  void KeyBool(std::string_view key, bool value);
  // Ends the top-level object and prints it with a line end.
  void Print(std::ostream& out = std::cout);

 private:
  rapidjson::StringBuffer buffer_;
  rapidjson::Writer<rapidjson::StringBuffer> writer_;
  bool replaced_ = false;  // a text had bytes that are not UTF-8
};

// The load analysis as a JSON object (the value of an "analysis" key).
void WriteAnalysis(JsonOut& json, const LoadAnalysis& a);

// The messages of a run, in order, as the value of a "messages" key.
void WriteMessages(JsonOut& json, const std::vector<Message>& messages);

}  // namespace brivane::cli
