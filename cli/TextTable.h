// A table for the terminal: what rank and cycle print. No Qt.
#pragma once

#include <cstddef>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace brivane::cli {

struct TextColumn {
  std::string header;  // already in the run's language
  bool numeric;        // right-aligned
};

// The rows from `start` on (the user's own motors) under a title line of their own, each followed
// by its tail text (their family), which does not widen the columns.
struct TextTableGroup {
  std::size_t start = std::numeric_limits<std::size_t>::max();  // none
  std::string title;
  std::vector<std::string> tails;  // empty, or one per row
};

// The header line, then a line a row: each column as wide as its widest text (Hangul and other
// wide characters count two terminal columns), numbers right-aligned, texts left-aligned, two
// blanks between columns and none at a line's end.
void WriteTextTable(const std::vector<TextColumn>& columns, const std::vector<std::vector<std::string>>& rows,
                    std::ostream& out, const TextTableGroup& group = {});

}  // namespace brivane::cli
