// The CSV writer on any fields: a record read back by the RFC 4180 rules gives the same fields,
// and a record ends in CR LF with no bare line end of a field left outside quotes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ComparisonTexts.h"
#include "fuzz/FuzzCheck.h"

namespace {

// RFC 4180 reading of one record that ends in CR LF; nothing when `text` is not exactly that.
bool ReadRecord(std::string_view text, std::vector<std::string>& fields) {
  fields.assign(1, std::string());
  std::size_t at = 0;
  bool quoted = false;
  bool fieldStart = true;
  while (at < text.size()) {
    const char c = text[at];
    if (quoted) {
      if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
        fields.back() += '"';
        at += 2;
        continue;
      }
      if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"' && fieldStart) {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
      fieldStart = true;
      ++at;
      continue;
    } else if (c == '\r') {
      return at + 2 == text.size() && text[at + 1] == '\n';
    } else if (c == '"' || c == '\n') {
      return false;
    } else {
      fields.back() += c;
    }
    fieldStart = false;
    ++at;
  }
  return false;
}

}  // namespace

// Input: the fields, separated by 0xFF bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = input.find('\xFF', at);
    fields.emplace_back(input.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (end == std::string_view::npos) break;
    at = end + 1;
  }
  const std::string record = brivane::CsvRecord(fields);
  std::vector<std::string> read;
  FUZZ_CHECK(ReadRecord(record, read) && read == fields, record);
  return 0;
}
