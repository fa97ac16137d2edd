#include "cli/TextTable.h"

#include <algorithm>
#include <string_view>

#include "engine/Utf8.h"

namespace brivane::cli {

void WriteTextTable(const std::vector<TextColumn>& columns, const std::vector<std::vector<std::string>>& rows,
                    std::ostream& out, const TextTableGroup& group) {
  std::vector<std::size_t> widths(columns.size());
  for (std::size_t j = 0; j < columns.size(); ++j) {
    widths[j] = DisplayWidth(columns[j].header);
    for (const std::vector<std::string>& row : rows) widths[j] = std::max(widths[j], DisplayWidth(row[j]));
  }
  const auto line = [&](auto cell, std::string_view tail) {
    std::string s;
    for (std::size_t j = 0; j < columns.size(); ++j) {
      const std::string_view text = cell(j);
      const std::string pad(widths[j] - DisplayWidth(text), ' ');
      if (j > 0) s += "  ";
      s += columns[j].numeric ? pad + std::string(text) : std::string(text) + pad;
    }
    if (!tail.empty()) s += "  " + std::string(tail);
    s.erase(s.find_last_not_of(' ') + 1);
    out << s << '\n';
  };
  line([&](std::size_t j) { return std::string_view(columns[j].header); }, {});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i == group.start) out << group.title << '\n';
    line([&](std::size_t j) { return std::string_view(rows[i][j]); },
         i < group.tails.size() ? std::string_view(group.tails[i]) : std::string_view());
  }
}

}  // namespace brivane::cli
