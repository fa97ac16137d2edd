#include "cli/BatchLine.h"

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "engine/Csv.h"
#include "engine/JsonFields.h"

namespace brivane::cli {
namespace {

using rapidjson::SizeType;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Option names are looked up a dozen times a line among a score of names, most of them 4 to 8
// letters long: compared a letter at a time, first letters first, without a call to memcmp.
bool SameName(std::string_view key, std::string_view name) {
  if (key.size() != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (key[i] != name[i]) return false;
  return true;
}

// Control characters are made visible where the text is written (Io::UsageError, the record).
std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

LineProblem WrongType(const BatchKeys& keys, const BatchKey& key) {
  const std::string_view takes = key.kind == BatchKey::Kind::Flag ? " takes true or false"
                                 : keys.TakesObject(key)          ? " takes a path or an object"
                                                                  : " takes a string or a number";
  return {UsageCode::WrongType, Quoted(key.name) + std::string(takes)};
}

// A key of a line (a column of the header: `noun`): nothing when a line may give it, else why not.
std::optional<LineProblem> CheckKey(const BatchKey* key, std::string_view name, std::string_view noun) {
  if (key == nullptr) return LineProblem{UsageCode::UnknownKey, "unknown " + std::string(noun) + " " + Quoted(name)};
  if (!key->refused.empty())
    return LineProblem{UsageCode::NotInBatch, std::string(noun) + " " + Quoted(name) +
                                                  " is not taken in a batch line: " + std::string(key->refused)};
  return std::nullopt;
}

// A value's text, which may hold any byte but a zero: no command line can pass one, and a path
// would end there.
std::optional<LineProblem> SetText(LineValues& values, const BatchKey& key, std::string_view text) {
  if (text.find('\0') != std::string_view::npos)
    return LineProblem{UsageCode::ZeroByte, Quoted(key.name) + " holds a zero byte"};
  values.Set(key, text);
  return std::nullopt;
}

// rapidjson's events of one line: the top-level object's members into the values, the first
// problem kept (and reported only when the line is JSON at all).
class LineHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, LineHandler> {
 public:
  LineHandler(const BatchKeys& keys, LineValues& values) : keys_(keys), values_(values) {}

  std::optional<LineProblem> problem;

  bool Null() { return Other(); }
  bool Bool(bool b) {
    if (!AtMember()) return Other();
    if (current_->kind != BatchKey::Kind::Flag) return Keep(WrongType(keys_, *current_));
    if (b) values_.Set(*current_, {});
    return true;
  }
  // A number's text is of digits and signs only; a string may hold a zero byte written \u0000.
  bool RawNumber(const char* s, SizeType length, bool) { return Text(std::string_view(s, length), false); }
  bool String(const char* s, SizeType length, bool) { return Text(std::string_view(s, length), true); }
  bool Key(const char* s, SizeType length, bool) {
    if (depth_ != 1) return true;
    const std::string_view name(s, length);
    current_ = keys_.Find(name);
    skip_ = true;
    if (const auto refusal = CheckKey(current_, name, "key")) return Keep(*refusal);
    const std::uint64_t bit = std::uint64_t{1} << keys_.IndexOf(*current_);
    if ((seen_ & bit) != 0) return Keep({UsageCode::KeyTwice, "key " + Quoted(name) + " given twice"});
    seen_ |= bit;
    skip_ = false;
    return true;
  }
  bool StartObject() {
    if (AtMember()) {
      if (keys_.TakesObject(*current_)) {
        values_.SetPositionalObject();
      } else {
        Keep(WrongType(keys_, *current_));
      }
    }
    ++depth_;
    return true;
  }
  bool EndObject(SizeType) {
    --depth_;
    return true;
  }
  bool StartArray() {
    if (AtMember()) Keep(WrongType(keys_, *current_));
    Other();
    ++depth_;
    return true;
  }
  bool EndArray(SizeType) {
    --depth_;
    return true;
  }

 private:
  // At the value of a member of the top-level object that is to be read.
  bool AtMember() const { return depth_ == 1 && !skip_ && current_ != nullptr; }

  bool Keep(LineProblem p) {
    if (!problem) problem = std::move(p);
    return true;
  }
  // A value that is not read: at the top, the line is no object.
  bool Other() {
    if (depth_ == 0) Keep({UsageCode::NotObject, "not a JSON object"});
    return true;
  }
  bool Text(std::string_view text, bool mayHoldZero) {
    if (!AtMember()) return Other();
    if (current_->kind == BatchKey::Kind::Flag) return Keep(WrongType(keys_, *current_));
    if (!mayHoldZero) {
      values_.Set(*current_, text);
    } else if (auto refusal = SetText(values_, *current_, text)) {
      return Keep(std::move(*refusal));
    }
    return true;
  }

  const BatchKeys& keys_;
  LineValues& values_;
  int depth_ = 0;
  const BatchKey* current_ = nullptr;
  bool skip_ = true;  // the current member is not read (unknown, refused, twice)
  std::uint64_t seen_ = 0;
};

bool Blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// CSV flags as spreadsheets write them.
std::optional<bool> FlagText(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  if (lower == "true" || lower == "1") return true;
  if (lower == "false" || lower == "0") return false;
  return std::nullopt;
}

}  // namespace

BatchKeys::BatchKeys(const CommandLine& declared, std::span<const RefusedKey> refused, std::string_view objectKey)
    : objectKey_(objectKey) {
  const auto why = [&refused](std::string_view name) -> std::string_view {
    for (const RefusedKey& r : refused)
      if (r.name == name) return r.why;
    return {};
  };
  for (const std::string& name : declared.ValueOptions()) keys_.push_back({name, BatchKey::Kind::Value, why(name)});
  for (const std::string& name : declared.Flags()) keys_.push_back({name, BatchKey::Kind::Flag, why(name)});
  if (!declared.PositionalKey().empty())
    keys_.push_back({declared.PositionalKey(), BatchKey::Kind::Positional, why(declared.PositionalKey())});
  // A line's keys are told apart by one bit each.
  if (keys_.size() > 64) throw std::logic_error("a command with more than 64 options");
}

const BatchKey* BatchKeys::Find(std::string_view name) const {
  for (const BatchKey& key : keys_)
    if (SameName(key.name, name)) return &key;
  return nullptr;
}

void LineValues::Clear() {
  values_.clear();
  positionals_.clear();
  positionalObject_ = false;
}

void LineValues::Set(const BatchKey& key, std::string_view text) {
  if (key.kind == BatchKey::Kind::Positional) {
    positionals_.emplace_back(text);
  } else {
    values_.emplace_back(&key, text);
  }
}

void LineValues::SetPositionalObject() {
  positionals_.emplace_back();
  positionalObject_ = true;
}

bool LineValues::IsSet(std::string_view name) const {
  return std::any_of(values_.begin(), values_.end(), [name](const auto& v) { return SameName(v.first->name, name); });
}

std::string LineValues::Value(std::string_view name) const {
  for (const auto& [key, text] : values_)
    if (SameName(key->name, name)) return text;
  return {};
}

std::vector<std::string> LineValues::Values(std::string_view name) const {
  if (!IsSet(name)) return {};
  return {Value(name)};
}

std::optional<LineProblem> JsonLineReader::Read(std::string_view line, LineValues& values) {
  values.Clear();
  if (line.substr(0, kUtf8Bom.size()) == kUtf8Bom) line.remove_prefix(kUtf8Bom.size());
  if (Blank(line)) return LineProblem{UsageCode::EmptyLine, "empty line"};
  // The reader takes a zero byte for the end of the text, which would hide what follows it.
  if (const std::size_t zero = line.find('\0'); zero != std::string_view::npos)
    return LineProblem{UsageCode::NotJson, "not JSON text: a zero byte (byte " + std::to_string(zero + 1) + ")"};
  // Read in place from a copy that ends in a zero byte: the keys and values are then handed over
  // where they stand, not copied one character at a time.
  scratch_.assign(line);
  rapidjson::InsituStringStream stream(scratch_.data());
  LineHandler handler(keys_, values);
  // Text of nothing but ASCII is UTF-8: the reader checks the encoding of the others only, as
  // most lines a script writes are of the first kind.
  unsigned char bits = 0;  // of every byte: a loop the compiler does many bytes at a time
  for (const char c : line) bits |= static_cast<unsigned char>(c);
  const bool ascii = bits < 0x80;
  constexpr unsigned kInsitu = kJsonTextParseFlags | rapidjson::kParseInsituFlag;
  constexpr unsigned kAsciiFlags = kInsitu & ~unsigned{rapidjson::kParseValidateEncodingFlag};
  const rapidjson::ParseResult parsed = ascii ? reader_.Parse<kAsciiFlags>(stream, handler)
                                              : reader_.Parse<kInsitu>(stream, handler);
  if (parsed.IsError()) {
    values.Clear();
    return LineProblem{UsageCode::NotJson, "not JSON text: " + std::string(rapidjson::GetParseError_En(parsed.Code())) +
                                               " (byte " + std::to_string(parsed.Offset() + 1) + ")"};
  }
  if (handler.problem) values.Clear();
  return std::move(handler.problem);
}

std::optional<CsvColumns> CsvColumns::Read(std::string_view header, const BatchKeys& keys, LineProblem& problem) {
  const CsvReading reading = ReadCsv(header);
  if (reading.error) {
    problem = {UsageCode::NotCsv, "the header row is not CSV: " + std::string(CsvProblemName(reading.error->problem))};
    return std::nullopt;
  }
  CsvColumns columns;
  if (!reading.records.empty()) columns.names_ = reading.records.front().fields;
  if (columns.names_.empty() || (columns.names_.size() == 1 && columns.names_.front().empty())) {
    problem = {UsageCode::Missing, "the CSV input needs a header row of option names"};
    return std::nullopt;
  }
  for (const std::string& name : columns.names_) {
    const BatchKey* key = keys.Find(name);
    if (auto refusal = CheckKey(key, name, "column")) {
      problem = std::move(*refusal);
      return std::nullopt;
    }
    if (std::count(columns.keys_.begin(), columns.keys_.end(), key) != 0) {
      problem = {UsageCode::KeyTwice, "column " + Quoted(name) + " given twice"};
      return std::nullopt;
    }
    columns.keys_.push_back(key);
  }
  return columns;
}

std::optional<LineProblem> CsvColumns::ReadLine(std::string_view line, LineValues& values,
                                                std::vector<std::string>& fields) const {
  values.Clear();
  fields.clear();
  CsvReading reading = ReadCsv(line);
  if (reading.error)
    return LineProblem{UsageCode::NotCsv, "not a CSV record: " + std::string(CsvProblemName(reading.error->problem))};
  if (reading.records.empty() || Blank(line)) return LineProblem{UsageCode::EmptyLine, "empty line"};
  fields = std::move(reading.records.front().fields);
  if (fields.size() != keys_.size()) {
    const std::size_t given = fields.size();
    fields.clear();
    return LineProblem{UsageCode::FieldCount,
                       std::to_string(given) + " fields where the header has " + std::to_string(keys_.size())};
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const BatchKey& key = *keys_[i];
    if (fields[i].empty()) continue;
    if (key.kind != BatchKey::Kind::Flag) {
      if (auto refusal = SetText(values, key, fields[i])) return refusal;
      continue;
    }
    const auto flag = FlagText(fields[i]);
    if (!flag)
      return LineProblem{UsageCode::WrongType, Quoted(key.name) + " takes true or false, not " + Quoted(fields[i])};
    if (*flag) values.Set(key, {});
  }
  return std::nullopt;
}

}  // namespace brivane::cli
