// What kind of usage error stopped a command: on the command line only its text is shown, a
// batch also gives its code in the line's record, for a script to sort its failures by.
#pragma once

#include <string>
#include <string_view>

namespace brivane::cli {

enum class UsageCode {
  Usage,        // any other usage error
  BadValue,     // a value the option does not take: not a number, an unknown key, a bad list
  Conflict,     // options that do not go together
  Missing,      // a value the command needs was not given
  File,         // a file named by an option cannot be read or is refused
  NotJson,      // a batch line that is not JSON text (or not UTF-8)
  NotObject,    // a batch line that is JSON but no object
  NotCsv,       // a batch line that is not a CSV record (a stray quote, not UTF-8)
  EmptyLine,    // a batch line with nothing on it
  LineTooLong,  // a batch line longer than the batch reads
  UnknownKey,   // a key that names no option of the command
  NotInBatch,   // an option of the command that a batch line cannot give
  WrongType,    // a value of the wrong JSON type, or a flag that is neither true nor false
  KeyTwice,     // a key given twice in one line
  FieldCount,   // a CSV record with more or fewer fields than the header
  ZeroByte,     // a value holding a zero byte, which no command line can give
};

// "bad-value", "not-json", ...: the stable name a batch record gives as its "code".
std::string_view UsageCodeName(UsageCode code);

// A usage error as a batch line's record states it (set by Io::UsageError when a batch asks).
struct UsageRecord {
  bool set = false;
  UsageCode code = UsageCode::Usage;
  std::string text;  // without "brivane-cli: ", control characters made visible
};

}  // namespace brivane::cli
