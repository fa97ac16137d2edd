// brivane-cli rank: every catalog model rated for a move, filtered, sorted and written as a
// terminal table, CSV or JSON. Plain values in, no Qt, so any option parser can drive it.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/EnglishTexts.h"
#include "engine/Comparison.h"

namespace brivane::cli {

enum class RankOrder { Catalog, RatedMargin, PeakMargin, Headroom, CoilTemp, CopperLoss };
enum class RankFormat { Text, Csv, Json };

struct RankRequest {
  ComparisonRequest comparison;
  bool fittingOnly = false;
  std::array<bool, 3> series{true, true, true};  // in series order
  RankOrder order = RankOrder::Catalog;
  RankFormat format = RankFormat::Text;
  Language language = Language::Korean;  // of the text table; CSV and JSON stay Korean
};

// The --sort keys, "rated-margin" etc.; nothing for a text that is none of them.
std::optional<RankOrder> ParseRankOrder(std::string_view key);
// The keys and what each sorts by, for --help.
std::string RankOrderHelp();
// The second line of an unknown key's refusal: the keys there are.
std::string RankOrderHint();

// Rates, filters, sorts and writes; returns the exit status (2 with the message on err when the
// move or the limits are refused).
int RunRank(const RankRequest& request, std::ostream& out, std::ostream& err);

}  // namespace brivane::cli
