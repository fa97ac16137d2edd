#include "cli/TextTable.h"

#include <algorithm>
#include <string_view>

#include "cli/RankCommand.h"

namespace brivane::cli {

void WriteTextTable(const std::vector<TextColumn>& columns, const std::vector<std::vector<std::string>>& rows,
                    std::ostream& out) {
  std::vector<std::size_t> widths(columns.size());
  for (std::size_t j = 0; j < columns.size(); ++j) {
    widths[j] = DisplayWidth(columns[j].header);
    for (const std::vector<std::string>& row : rows) widths[j] = std::max(widths[j], DisplayWidth(row[j]));
  }
  const auto line = [&](auto cell) {
    std::string s;
    for (std::size_t j = 0; j < columns.size(); ++j) {
      const std::string_view text = cell(j);
      const std::string pad(widths[j] - DisplayWidth(text), ' ');
      if (j > 0) s += "  ";
      s += columns[j].numeric ? pad + std::string(text) : std::string(text) + pad;
    }
    s.erase(s.find_last_not_of(' ') + 1);
    out << s << '\n';
  };
  line([&](std::size_t j) { return std::string_view(columns[j].header); });
  for (const std::vector<std::string>& row : rows) line([&](std::size_t j) { return std::string_view(row[j]); });
}

}  // namespace brivane::cli
