// brivane-cli rank: every catalog model rated for a move, filtered, sorted and written as a
// terminal table, CSV or JSON. Plain values in, no Qt, so any option parser can drive it.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/EnglishTexts.h"
#include "engine/Comparison.h"

namespace brivane::cli {

enum class RankOrder { Catalog, RatedMargin, PeakMargin, Headroom, CoilTemp, CopperLoss };
// The orders rank offers: all of them.
inline constexpr std::array<RankOrder, 6> kRankOrders{RankOrder::Catalog,    RankOrder::RatedMargin,
                                                      RankOrder::PeakMargin, RankOrder::Headroom,
                                                      RankOrder::CoilTemp,   RankOrder::CopperLoss};
enum class RankFormat { Text, Csv, Json };

struct RankRequest {
  ComparisonRequest comparison;
  // The rows to rate: the built-in catalog's, or a list with the user's motors (cli/MotorOptions),
  // loaded once and shared by every request of a run.
  std::span<const MotorRecord> rows = MotorCatalog::Instance().Rows();
  bool fittingOnly = false;
  std::array<bool, 3> series{true, true, true};  // in series order; the user's motors have none and stay
  RankOrder order = RankOrder::Catalog;
  RankFormat format = RankFormat::Text;
  Language language = Language::Korean;  // of the text table; CSV and JSON stay Korean
  // The drive's DC bus voltage (--bus-voltage): each row's needed bus voltage, from the move as a
  // one-move cycle, is checked against it. None: the needed voltage only.
  std::optional<double> busVoltage;
};

// The --sort keys, "rated-margin" etc.; nothing for a text that is none of them.
std::optional<RankOrder> ParseRankOrder(std::string_view key);
// The keys and what each sorts by, for --help: all of them, or those a command offers.
std::string RankOrderHelp();
std::string RankOrderHelp(std::span<const RankOrder> offered);
// Whether the order puts the largest values first (margins, headroom) or the smallest.
bool OrderDescending(RankOrder order);

// Puts `rows` in the order by `value(row)`: stable, so equal values keep their order, values that
// are not numbers last; the catalog order leaves them as they are.
template <class Row, class Value>
void SortRows(std::vector<Row>& rows, RankOrder order, Value value) {
  if (order == RankOrder::Catalog) return;
  const bool descending = OrderDescending(order);
  std::stable_sort(rows.begin(), rows.end(), [&value, descending](const Row& a, const Row& b) {
    const double va = value(a);
    const double vb = value(b);
    if (std::isnan(va) || std::isnan(vb)) return !std::isnan(va) && std::isnan(vb);
    return descending ? va > vb : va < vb;
  });
}
// The second line of an unknown key's refusal: the keys there are (all of them, or those offered).
std::string RankOrderHint();
std::string RankOrderHint(std::span<const RankOrder> offered);

// Rates, filters, sorts and writes; returns the exit status (2 with the message on err when the
// move, the limits or the bus voltage are refused).
int RunRank(const RankRequest& request, std::ostream& out, std::ostream& err);

// The header of rank --csv with a bus voltage (without one, its last two columns are not there): the
// text table's column headers.
const std::vector<std::string>& RankCsvHeader();

}  // namespace brivane::cli
