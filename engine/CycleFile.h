// The cycle file (docs/cycle-format.md): a Cycle as JSON text, and back. Text only; reading the
// file itself is the caller's (ReadTextFile with kMaxCycleFileBytes).
#pragma once

#include <rapidjson/document.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Cycle.h"
#include "engine/JsonFields.h"

namespace brivane {

inline constexpr std::string_view kCycleFileFormat = "brivane-cycle";
inline constexpr int kCycleFileVersion = 1;
inline constexpr std::string_view kCycleFileExtension = ".brivane-cycle";
// Larger than a move file's limit: 10,000 segments as the writer writes them take about 2.5 MB.
inline constexpr std::size_t kMaxCycleFileBytes = std::size_t{8} << 20;

struct CycleFileReading {
  std::optional<Cycle> cycle;  // set when the text is accepted
  FieldError error;            // why not, when cycle is empty
};

// Parses the whole text before it produces anything; unknown keys are ignored. Values are not
// range-checked here (ValidateCycle does that).
CycleFileReading CycleFromJson(std::string_view text);

// The same for a cycle object inside a document already parsed (a request that holds a cycle
// inline): `object` is a value of `json`. Paths in refusals are relative to the object.
CycleFileReading CycleFromJsonValue(const JsonText& json, const rapidjson::Value& object);

// Pretty-printed UTF-8 JSON ending in a newline, every key written; each number the shortest text
// that reads back as the same double. A value that is not finite is written as null, which the
// reader refuses.
std::string CycleToJson(const Cycle& cycle);

// The short English name of a problem ("not JSON text", "not a Brivane cycle file", ...), for
// messages that add the file and the field.
std::string_view CycleFileProblemName(FieldProblem problem);

}  // namespace brivane
