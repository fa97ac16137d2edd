// brivane-cli select: the first fitting model of each series for a move, as a terminal table or
// JSON. Plain values in, no option parser, so that any front end (or a batch) can drive it.
#pragma once

#include <ostream>

#include "cli/EnglishTexts.h"
#include "engine/Selection.h"

namespace brivane::cli {

struct SelectRequest {
  SelectionRequest selection;
  bool json = false;
  Language language = Language::Korean;  // of the text; JSON stays Korean
};

// Runs the selection and writes it; returns the exit status (2 with the message on err, or as the
// JSON "error", when the move or the limits are refused).
int RunSelect(const SelectRequest& request, std::ostream& out, std::ostream& err);

}  // namespace brivane::cli
