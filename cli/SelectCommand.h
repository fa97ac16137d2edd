// brivane-cli select: the first fitting model of each series for a move, as a terminal table or
// JSON. Plain values in, no option parser, so that any front end (or a batch) can drive it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/EnglishTexts.h"
#include "cli/RankCommand.h"
#include "engine/Selection.h"

namespace brivane::cli {

struct SelectRequest {
  SelectionRequest selection;
  RankFormat format = RankFormat::Text;
  Language language = Language::Korean;  // of the text; JSON and CSV stay Korean
};

// Runs the selection and writes it; returns the exit status (2 with the message on err, or as the
// JSON "error", when the move or the limits are refused).
int RunSelect(const SelectRequest& request, std::ostream& out, std::ostream& err);

// The header of select --csv: the keys of --json, each series' four flattened ("series1Model").
const std::vector<std::string>& SelectCsvHeader();

}  // namespace brivane::cli
