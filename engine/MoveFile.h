// The move file: the form's values as JSON text, and back. Text only; reading and writing the
// file itself is the caller's (the window writes through a save file, the command line reads with
// ReadTextFile), so a failed write never leaves half a move behind.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/FormValues.h"

namespace brivane {

inline constexpr std::string_view kMoveFileFormat = "brivane-move";
inline constexpr int kMoveFileVersion = 1;
inline constexpr std::string_view kMoveFileExtension = ".brivane";

// Why a text is refused. Values are not range-checked here: the input checks run when the user
// presses a button, as for typed values.
enum class MoveFileProblem {
  NotJson,       // not UTF-8 JSON text
  DuplicateKey,  // an object holds the same key twice (which of the two counts would be a guess)
  NotMoveFile,   // not an object, or "format" is not "brivane-move"
  NewerVersion,  // "version" is an integer above the version this program writes, however large
  MissingField,
  WrongType,  // e.g. a string where a number belongs, a fraction where an integer belongs
  NotFinite,  // NaN, an infinity, or a number beyond the single-precision range
  BadValue,   // right type, value not allowed: a limit, the acceleration mode, the version,
              // distanceMm beyond 32 bits, a "show" list without exactly three entries
};

struct MoveFileError {
  MoveFileProblem problem = MoveFileProblem::NotJson;
  std::string field;  // dotted path such as "move.peakVelocity" or "show[1]"; empty for NotJson
};

struct MoveFileReading {
  std::optional<FormValues> values;  // set when the text is accepted
  MoveFileError error;               // why not, when values is empty
};

// Pretty-printed UTF-8 JSON ending in a newline. Floats are the shortest text that reads back as
// the same single-precision value. The texts must be UTF-8. A value the form cannot hold (a
// non-finite float, a limit position outside 0..15) is written so that reading refuses it.
std::string MoveToJson(const FormValues& values);

// Parses the whole text before it produces anything; unknown keys are ignored, a key given twice
// in one object is refused (anywhere in the text). Numbers are read
// from their decimal text as the form reads a typed number, so a value reads back to the bit.
MoveFileReading MoveFromJson(std::string_view text);

// The short English name of a problem ("not JSON", "missing field", ...), for messages that add
// the file and the field.
std::string_view MoveFileProblemName(MoveFileProblem problem);

}  // namespace brivane
