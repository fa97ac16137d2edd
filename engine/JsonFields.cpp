#include "engine/JsonFields.h"

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <utility>

#include "engine/NumberText.h"

namespace brivane {
namespace {

using rapidjson::SizeType;
using rapidjson::Value;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Builds the document as usual but puts in each number's place its index into `texts`.
struct KeepNumberTexts {
  rapidjson::Document& doc;
  std::vector<std::string>& texts;

  bool RawNumber(const char* s, SizeType length, bool) {
    texts.emplace_back(s, length);
    return doc.Uint64(texts.size() - 1);
  }
  bool Null() { return doc.Null(); }
  bool Bool(bool b) { return doc.Bool(b); }
  bool String(const char* s, SizeType length, bool copy) { return doc.String(s, length, copy); }
  bool StartObject() { return doc.StartObject(); }
  bool Key(const char* s, SizeType length, bool copy) { return doc.Key(s, length, copy); }
  bool EndObject(SizeType count) { return doc.EndObject(count); }
  bool StartArray() { return doc.StartArray(); }
  bool EndArray(SizeType count) { return doc.EndArray(count); }
  // Never called with numbers as texts, but the reader's code names them.
  bool Int(int) { return false; }
  bool Uint(unsigned) { return false; }
  bool Int64(std::int64_t) { return false; }
  bool Uint64(std::uint64_t) { return false; }
  bool Double(double) { return false; }
};

bool HasAny(std::string_view text, std::string_view characters) {
  return text.find_first_of(characters) != std::string_view::npos;
}

}  // namespace

std::string JsonPath::Text() const {
  std::string head = parent_ != nullptr ? parent_->Text() : std::string();
  if (index_ != kNoIndex) return head + "[" + std::to_string(index_) + "]";
  if (key_.empty()) return head;
  return head.empty() ? std::string(key_) : head + "." + std::string(key_);
}

// The path of the first key that an object of the document holds twice, as "move.loadMass" or
// "later[1].b"; nothing when every object's keys differ. Walks without recursion, as the parse
// does, and keeps each value's place as a link to its parent, so that deep nesting costs neither
// stack nor a path per value.
std::optional<std::string> FirstDuplicateKey(const Value& root) {
  struct Place {
    std::size_t parent;    // index into places; the root is its own parent
    std::string_view key;  // of an object member
    SizeType index = 0;    // of an array element
    bool element = false;  // an array element, not a member (whose key may be empty)
  };
  std::vector<Place> places{{0, {}, 0, false}};
  // An empty key is written as "" so that the path still names it.
  const auto keyText = [](std::string_view key) { return key.empty() ? std::string("\"\"") : std::string(key); };
  std::vector<std::pair<const Value*, std::size_t>> pending{{&root, 0}};
  const auto path = [&places, &keyText](std::size_t at, std::string_view last) {
    std::vector<const Place*> chain;
    for (; at != 0; at = places[at].parent) chain.push_back(&places[at]);
    std::string text;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if ((*it)->element) {
        text += "[" + std::to_string((*it)->index) + "]";
      } else {
        text += (text.empty() ? "" : ".") + keyText((*it)->key);
      }
    }
    return text + (text.empty() ? "" : ".") + keyText(last);
  };
  std::vector<std::string_view> names;
  while (!pending.empty()) {
    const auto [value, place] = pending.back();
    pending.pop_back();
    if (value->IsArray()) {
      for (SizeType i = value->Size(); i-- > 0;) {
        places.push_back({place, {}, i, true});
        pending.emplace_back(&(*value)[i], places.size() - 1);
      }
      continue;
    }
    if (!value->IsObject()) continue;
    names.clear();
    for (auto m = value->MemberBegin(); m != value->MemberEnd(); ++m)
      names.emplace_back(m->name.GetString(), m->name.GetStringLength());
    std::sort(names.begin(), names.end());
    const auto twice = std::adjacent_find(names.begin(), names.end());
    if (twice != names.end()) return path(place, *twice);
    for (auto m = value->MemberBegin(); m != value->MemberEnd(); ++m) {
      places.push_back({place, std::string_view(m->name.GetString(), m->name.GetStringLength()), 0, false});
      pending.emplace_back(&m->value, places.size() - 1);
    }
  }
  return std::nullopt;
}

bool JsonText::Parse(std::string_view text) {
  numbers_.clear();
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  // The reader takes a zero byte for the end of the text, which would hide what follows it.
  if (text.find('\0') != std::string_view::npos) return false;
  rapidjson::MemoryStream stream(text.data(), text.size());
  rapidjson::Reader reader;
  auto parse = [&](rapidjson::Document& d) {
    KeepNumberTexts handler{d, numbers_};
    return !reader.Parse<kJsonTextParseFlags>(stream, handler).IsError();
  };
  doc_.Populate(parse);
  return !reader.HasParseError();
}

void JsonFieldReader::Refuse(FieldProblem problem, const JsonPath& path) {
  if (!error_) error_ = FieldError{problem, path.Text()};
}

const Value* JsonFieldReader::Member(const Value& object, std::string_view key, const JsonPath& path, bool required) {
  if (error_) return nullptr;
  const auto it = object.FindMember(Value(rapidjson::StringRef(key.data(), static_cast<SizeType>(key.size()))));
  if (it != object.MemberEnd()) return &it->value;
  if (required) Refuse(FieldProblem::MissingField, path);
  return nullptr;
}

const std::string* JsonFieldReader::NumberText(const Value& v, const JsonPath& path) {
  if (error_) return nullptr;
  if (v.IsNumber()) return &json_.NumberText(v);
  Refuse(FieldProblem::WrongType, path);
  return nullptr;
}

std::optional<double> JsonFieldReader::Double(const Value& v, const JsonPath& path) {
  const std::string* text = NumberText(v, path);
  if (text == nullptr) return std::nullopt;
  const auto d = ParseDoubleField(*text);
  if (!d) Refuse(FieldProblem::NotFinite, path);
  return d;
}

std::optional<std::int32_t> JsonFieldReader::Integer(const Value& v, const JsonPath& path) {
  const std::string* text = NumberText(v, path);
  if (text == nullptr) return std::nullopt;
  if (HasAny(*text, "NI")) {
    Refuse(FieldProblem::NotFinite, path);
  } else if (HasAny(*text, ".eE")) {
    Refuse(FieldProblem::WrongType, path);
  } else if (const auto i = ParseIntField(*text)) {
    return i;
  } else {
    Refuse(FieldProblem::BadValue, path);
  }
  return std::nullopt;
}

std::optional<std::string_view> JsonFieldReader::Text(const Value& v, const JsonPath& path) {
  if (error_) return std::nullopt;
  if (v.IsString()) return std::string_view(v.GetString(), v.GetStringLength());
  Refuse(FieldProblem::WrongType, path);
  return std::nullopt;
}

bool JsonFieldReader::IsObject(const Value& v, const JsonPath& path) {
  if (error_) return false;
  if (!v.IsObject()) Refuse(FieldProblem::WrongType, path);
  return v.IsObject();
}

bool JsonFieldReader::IsArray(const Value& v, const JsonPath& path) {
  if (error_) return false;
  if (!v.IsArray()) Refuse(FieldProblem::WrongType, path);
  return v.IsArray();
}

bool JsonFieldReader::FormatAndVersion(const Value& object, std::string_view format, int version) {
  const JsonPath top;
  if (!object.IsObject()) {
    Refuse(FieldProblem::WrongFormat, top);
    return false;
  }
  const JsonPath formatPath = top.Key("format");
  const auto f = object.FindMember("format");
  if (f == object.MemberEnd() || !f->value.IsString() ||
      std::string_view(f->value.GetString(), f->value.GetStringLength()) != format) {
    Refuse(FieldProblem::WrongFormat, formatPath);
    return false;
  }
  // The version comes first: a newer document may have changed any other field.
  const JsonPath versionPath = top.Key("version");
  const Value* v = Member(object, "version", versionPath, true);
  if (v == nullptr) return false;
  const std::string* text = v->IsNumber() ? &json_.NumberText(*v) : nullptr;
  // Any whole number above the reader's is newer, however many digits it has.
  if (text != nullptr && !text->empty() && text->find_first_not_of("0123456789") == std::string::npos &&
      !ParseIntField(*text)) {
    Refuse(FieldProblem::NewerVersion, versionPath);
    return false;
  }
  const auto n = Integer(*v, versionPath);
  if (!n) return false;
  if (*n > version) Refuse(FieldProblem::NewerVersion, versionPath);
  if (*n < 1) Refuse(FieldProblem::BadValue, versionPath);
  return !error_;
}

}  // namespace brivane
