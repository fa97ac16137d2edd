// brivane-cli check: one catalog model rated for a move (load analysis, coil temperature, duty
// ratios) with its verdicts, as text or JSON. Plain values in, no option parser.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "cli/EnglishTexts.h"
#include "cli/RankCommand.h"
#include "engine/DutyLimits.h"
#include "engine/Motion.h"

namespace brivane::cli {

struct CheckRequest {
  MotionInput move;
  std::string model;  // as the user or the file gave it; matched without regard to case
  // The rows the model is looked up in: the built-in catalog's, or a list with the user's motors
  // (cli/MotorOptions), loaded once and shared by every request of a run.
  std::span<const MotorRecord> rows = MotorCatalog::Instance().Rows();
  float ambientTemp = 20.0f;
  // The limits of the "fits" verdict (positions 0..15); none: no verdict on the limits.
  std::optional<int> ratedPosition = kDefaultRatedPosition;
  std::optional<int> peakPosition = kDefaultPeakPosition;
  RankFormat format = RankFormat::Text;
  Language language = Language::Korean;  // of the text; JSON and CSV stay Korean
};

// Rates the model and writes it; returns the exit status (2 with the message when an input, the
// model or the profile is refused).
int RunCheck(const CheckRequest& request, std::ostream& out, std::ostream& err);

// The header of check --csv: the keys of --json, the analysis flattened, without the chart's labels.
const std::vector<std::string>& CheckCsvHeader();

}  // namespace brivane::cli
