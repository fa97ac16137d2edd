// The user's motor files: catalogs of their own motors, rated beside the built-in 69. A file is
// UTF-8 JSON (".brivane-motors") or RFC 4180 CSV (".csv") with the keys the command line's
// catalog JSON prints for a row; docs/motors-format.md describes both. Every check a motor must
// pass is here, and a refused file adds nothing: a front end gets the motors of the files that
// were accepted and, for each refused file, one refusal that names the file, the motor and the
// field, to show as it likes.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "catalog/MotorList.h"

namespace brivane {

inline constexpr std::string_view kMotorFileFormat = "brivane-motors";
inline constexpr int kMotorFileVersion = 1;
inline constexpr std::string_view kMotorFileExtension = ".brivane-motors";
// A file larger than this is refused unread: 8 MiB is some 10,000 motors written out generously.
inline constexpr std::size_t kMaxMotorFileBytes = std::size_t{8} << 20;
// The user's motors of one list, all files together.
inline constexpr std::size_t kMaxUserMotors = 10000;
// Characters (code points) of a name or a family.
inline constexpr std::size_t kMaxMotorTextLength = 64;

enum class MotorFileKind { Json, Csv };

// CSV for a name ending in ".csv" in any letter case, JSON for any other.
MotorFileKind MotorFileKindOf(std::string_view path);

enum class MotorFileProblem {
  Unreadable,      // the file could not be read; the detail is the system's reason
  NotJson,         // not UTF-8 JSON text; the detail says what and where
  NotCsv,          // not RFC 4180 CSV in UTF-8, or a record with another count of fields than the header
  NotMotorFile,    // not a JSON object, or "format" is not "brivane-motors"
  NewerVersion,    // "version" is above the version this program reads
  MissingField,    // a required key or column is absent, or a number's CSV cell is empty
  DuplicateField,  // a key given twice in one object, a column twice in the header row
  WrongType,       // a string where a number belongs, a fraction where a whole number belongs, ...
  NotANumber,      // a CSV cell that is no number
  NotFinite,       // NaN, an infinity, or a number beyond the single-precision range
  OutOfRange,      // a whole number beyond 32 bits, or a version below 1
  NotPositive,     // 0 or below where physics needs a value above 0
  Negative,        // below 0 where 0 is allowed (the attraction force)
  BelowRated,      // the peak force below the rated force, the peak current below the rated current
  EmptyName,
  TextNotAllowed,  // a name or family with a control character, blanks at an end, or too long
  DuplicateName,   // the name of an earlier motor, without regard to letter case
  BuiltInName,     // the name of a built-in model, without regard to letter case
  TooManyMotors,   // more than kMaxUserMotors in all
};

struct MotorFileRefusal {
  std::string file;  // the path as given; empty for a text read from memory
  MotorFileProblem problem = MotorFileProblem::NotJson;
  std::size_t motor = 0;  // position of the motor in the file, from 1; 0 for the file as a whole
  std::string name;       // the motor's name, when it has one fit to be shown
  std::string field;      // the key or column; empty when the problem is not one field's
  std::size_t line = 0;   // the line: of the CSV record, or where the text stops being CSV
  std::string detail;     // the system's reason, what is wrong with the text, the name met before, ...
};

// One motor as a file gives it, before it joins a list.
struct UserMotor {
  MotorRecord values;  // the data-sheet values and the thermal coefficient; name and family unset
  std::string name;
  std::string family;
};

struct MotorFileReading {
  std::vector<UserMotor> motors;            // in the file's order, when accepted
  std::optional<MotorFileRefusal> refusal;  // why not; motors is empty then
};

// Reads the whole text of one file and checks every motor; the first problem, in the order
// docs/motors-format.md gives, refuses the file. The names must differ from those of `before`
// (the built-in rows and the motors of the files read earlier), and `before` counts towards
// kMaxUserMotors with its own user rows.
MotorFileReading ReadMotorText(std::string_view text, MotorFileKind kind, std::span<const MotorRecord> before);

struct MotorLoading {
  MotorList list;                          // the built-in rows, then the motors of every accepted file
  std::vector<MotorFileRefusal> refusals;  // one for each refused file, in the order given
  std::vector<std::size_t> added;          // for each path given, in order: the motors it added (0 if refused)
};

// Reads each file in turn, its kind by its name; a refused file adds nothing, the others are
// read on. The one loader of motor files: the command line refuses the run on any refusal, a
// window may go on with what was accepted and show the refusals.
MotorLoading LoadMotorFiles(std::span<const std::string> paths);

// The short English name of a problem ("missing field", ...).
std::string_view MotorFileProblemName(MotorFileProblem problem);
// The refusal in English without its file: "motor 3 (MY-03), line 4, field 'peakForce': below
// the rated value (ratedForce)". The texts it quotes are written as VisibleText (engine/Utf8) has them.
std::string DescribeMotorFileRefusal(const MotorFileRefusal& refusal);

}  // namespace brivane
