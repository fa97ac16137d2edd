// The fields of the --csv records that select and check write: each a value of their --json, as
// JSON writes it, so that a spreadsheet gets every digit. No Qt.
#pragma once

#include <cmath>
#include <string>

#include "engine/NumberText.h"

namespace brivane::cli {

// The shortest text that reads back as the same float, as JSON writes it; empty where JSON has null.
inline std::string CsvFloat(float v) { return std::isfinite(v) ? FormatShortest(v) : std::string(); }

inline std::string CsvBool(bool b) { return b ? "true" : "false"; }

}  // namespace brivane::cli
