#include "engine/Csv.h"

#include "engine/Utf8.h"

namespace brivane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8WellFormedLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

// The quoted field that starts at text[i], its quotes taken off and doubled quotes made single;
// `i` ends after the closing quote, `line` counts the line breaks inside.
std::optional<CsvProblem> ReadQuoted(std::string_view text, std::size_t& i, std::string& field, std::size_t& line) {
  for (++i;;) {
    if (i >= text.size()) return CsvProblem::UnclosedQuote;
    const char q = text[i++];
    if (q == '\0') return CsvProblem::ZeroByte;
    if (q == '"') {
      if (i >= text.size() || text[i] != '"') return std::nullopt;
      ++i;  // a doubled quote stands for one
    }
    if (q == '\n') ++line;
    field += q;
  }
}

CsvReading Refused(CsvProblem problem, std::size_t line) {
  CsvReading out;
  out.error = CsvError{problem, line};
  return out;
}

}  // namespace

// One pass over the bytes: every byte that matters to the grammar is ASCII, so UTF-8 text passes
// through the fields untouched.
CsvReading ReadCsv(std::string_view text) {
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  if (!IsUtf8(text)) return Refused(CsvProblem::NotUtf8, 0);

  CsvReading out;
  std::size_t line = 1;
  std::size_t recordLine = 1;
  std::vector<std::string> fields;
  std::string field;
  bool fieldStarted = false;   // a character or an opening quote of the current field was read
  bool recordStarted = false;  // the same for the current record
  const auto begin = [&] {
    if (!recordStarted) recordLine = line;
    recordStarted = true;
    fieldStarted = true;
  };
  const auto endField = [&] {
    fields.push_back(std::move(field));
    field.clear();
    fieldStarted = false;
  };
  const auto endRecord = [&] {
    if (recordStarted) {
      endField();
      out.records.push_back({recordLine, std::move(fields)});
      fields.clear();
    }
    recordStarted = false;
  };
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '\0') return Refused(CsvProblem::ZeroByte, line);
    if (c == '"') {
      if (fieldStarted) return Refused(CsvProblem::QuoteInField, line);
      begin();
      const std::size_t opened = line;
      if (const auto problem = ReadQuoted(text, i, field, line)) return Refused(*problem, opened);
      if (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r')
        return Refused(CsvProblem::TextAfterQuote, line);
    } else if (c == ',') {
      begin();
      endField();
      ++i;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
        return Refused(CsvProblem::LoneCarriageReturn, line);
      i += c == '\r' ? 2 : 1;
      endRecord();
      ++line;
    } else {
      begin();
      field += c;
      ++i;
    }
  }
  endRecord();
  return out;
}

std::string_view CsvProblemName(CsvProblem problem) {
  switch (problem) {
    case CsvProblem::NotUtf8: return "not UTF-8 text";
    case CsvProblem::ZeroByte: return "a zero byte";
    case CsvProblem::QuoteInField: return "a double quote inside a field that is not quoted";
    case CsvProblem::TextAfterQuote: return "text after the closing quote of a field";
    case CsvProblem::UnclosedQuote: return "a quoted field that is never closed";
    case CsvProblem::LoneCarriageReturn: return "a carriage return without a line feed";
  }
  return "unknown problem";
}

}  // namespace brivane
