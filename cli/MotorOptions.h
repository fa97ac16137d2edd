// --motors FILE (given once per file) and --motors-only: the user's own motors, rated after the
// built-in models by the commands that rate rows. The files are read once per run, before any
// rating; the request structs then carry the rows as a span into the list loaded here.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "catalog/MotorList.h"
#include "cli/CliCommon.h"
#include "cli/JsonOut.h"

namespace brivane::cli {

struct LoadedMotors {
  MotorList list;
  MotorRows which = MotorRows::All;

  std::span<const MotorRecord> Rows() const { return list.Rows(which); }
};

// `where` ends the option's help: what becomes of the motors in this command.
void AddMotorOptions(CommandLine& line, std::string_view where);

// The rows the command rates: the built-in ones and the motors of every --motors file, or only
// the latter with --motors-only. Each refused file is reported on stderr, naming the file, the
// motor and the field; then, or for --motors-only without a file, a usage error and nothing.
std::optional<LoadedMotors> ReadMotorOptions(const OptionValues& line, const Io& io);

// Where a command's rows come from: the --motors options of its own command line, read when the
// command reaches them (so that its usage errors come in their order), or the rows a batch read
// once for all of its lines.
class MotorRowsSource {
 public:
  MotorRowsSource() = default;
  explicit MotorRowsSource(std::span<const MotorRecord> rows) : given_(rows) {}

  // The rows; nothing after a reported usage error. Kept here as long as the source lives.
  std::optional<std::span<const MotorRecord>> Read(const OptionValues& line, const Io& io);

 private:
  std::optional<std::span<const MotorRecord>> given_;
  std::optional<LoadedMotors> loaded_;
};

// The JSON keys that mark one of the user's motors in place of "series" and "number": its
// "family" and "user": true.
void WriteUserMark(JsonOut& json, std::string_view family);

}  // namespace brivane::cli
