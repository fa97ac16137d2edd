// brivane-cli cycle: every motor row rated for a duty cycle (docs/cycle-model.md), filtered,
// sorted and written as a terminal table, CSV or JSON; or one row's samples over the cycle.
// Plain values in, no Qt, no option parser: a batch runs it in-process for any number of requests.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "cli/EnglishTexts.h"
#include "cli/RankCommand.h"
#include "engine/Cycle.h"
#include "engine/JsonFields.h"

namespace brivane::cli {

// The orders cycle offers (rank's keys that a cycle rating has).
inline constexpr std::array<RankOrder, 5> kCycleOrders{RankOrder::Catalog, RankOrder::RatedMargin,
                                                       RankOrder::PeakMargin, RankOrder::Headroom, RankOrder::CoilTemp};

// The samples of one row, instead of the rating.
struct CycleTrace {
  std::string model;    // the row's name
  double stepMs = 1.0;  // above 0
};

// At most this many trace samples, about as many rows as a spreadsheet takes (some 60 MB of
// CSV): a step that would give more is refused.
inline constexpr std::size_t kMaxTraceSamples = 1000000;

struct CycleRequest {
  Cycle cycle;                                                          // as read; the checks run here
  std::optional<double> busVoltage;  // V DC in place of the cycle's drive's (--bus-voltage)
  std::span<const MotorRecord> rows = MotorCatalog::Instance().Rows();  // rated, in this order
  std::optional<std::string> model;                                     // only the row of this name
  bool fittingOnly = false;
  std::array<bool, 3> series{true, true, true};  // rows of the built-in series; other rows always pass
  RankOrder order = RankOrder::Catalog;          // one of kCycleOrders
  RankFormat format = RankFormat::Text;
  Language language = Language::Korean;  // of the text; CSV and JSON stay as they are
  std::optional<CycleTrace> trace;
};

// Checks, rates (or samples) and writes; returns the exit status: 0 rated, 2 with the message
// when the cycle is refused or the model is not among the rows, 64 for a step giving too many samples.
int RunCycle(const CycleRequest& request, std::ostream& out, std::ostream& err);

// The header of cycle --csv: the text table's column headers.
const std::vector<std::string>& CycleCsvHeader();

// Why a cycle text was refused, as a usage error says it after the file's name: "wrong type (field
// 'segments[1].velocity', segment 2)".
std::string DescribeCycleFileError(const FieldError& error);

}  // namespace brivane::cli
