// A table for the terminal: what rank and cycle print. No Qt.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace brivane::cli {

struct TextColumn {
  std::string header;  // already in the run's language
  bool numeric;        // right-aligned
};

// The header line, then a line a row: each column as wide as its widest text (Hangul and other
// wide characters count two terminal columns), numbers right-aligned, texts left-aligned, two
// blanks between columns and none at a line's end.
void WriteTextTable(const std::vector<TextColumn>& columns, const std::vector<std::vector<std::string>>& rows,
                    std::ostream& out);

}  // namespace brivane::cli
