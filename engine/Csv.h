// Reading RFC 4180 CSV text: records of fields, commas between them, a field in double quotes
// where it holds a comma, a quote (doubled) or a line break. Records end in CR LF or LF, the last
// one may end without. The tool's CSV writer is CsvRecord (engine/ComparisonTexts.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivane {

struct CsvLine {
  std::size_t line = 0;  // the line the record starts on, from 1
  std::vector<std::string> fields;
};

enum class CsvProblem {
  NotUtf8,             // the text is not valid UTF-8
  ZeroByte,            // a NUL byte: not text
  QuoteInField,        // a double quote inside a field that does not start with one
  TextAfterQuote,      // something other than a comma or a line end after a quoted field's closing quote
  UnclosedQuote,       // the text ends inside a quoted field
  LoneCarriageReturn,  // a CR outside quotes that is not followed by LF
};

struct CsvError {
  CsvProblem problem = CsvProblem::NotUtf8;
  std::size_t line = 0;  // where it was found, from 1
};

struct CsvReading {
  std::vector<CsvLine> records;   // empty lines (nothing between two line ends) are left out
  std::optional<CsvError> error;  // when set, records is empty
};

// Reads the whole text; a leading UTF-8 byte-order mark is skipped.
CsvReading ReadCsv(std::string_view text);

// "a double quote inside an unquoted field", ..., for messages that add the file and the line.
std::string_view CsvProblemName(CsvProblem problem);

}  // namespace brivane
