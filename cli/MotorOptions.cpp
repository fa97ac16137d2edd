#include "cli/MotorOptions.h"

#include <string>
#include <vector>

#include "engine/MotorFile.h"

namespace brivane::cli {

void AddMotorOptions(CommandLine& line, std::string_view where) {
  line.AddValue("motors", "FILE",
                "A catalog file of your own motors: JSON (.brivane-motors), or CSV when the name ends in .csv; "
                "give the option once per file. " +
                    std::string(where));
  line.AddFlag("motors-only", "Only the motors of the --motors files, none of the built-in models.");
}

std::optional<LoadedMotors> ReadMotorOptions(const OptionValues& line, const Io& io) {
  const std::vector<std::string> paths = line.Values("motors");
  const bool only = line.IsSet("motors-only");
  if (only && paths.empty()) {
    io.UsageError(UsageCode::Missing, "--motors-only needs at least one --motors FILE");
    return std::nullopt;
  }
  MotorLoading loading = LoadMotorFiles(paths);
  for (std::size_t i = 0; i < loading.refusals.size(); ++i) {
    const MotorFileRefusal& r = loading.refusals[i];
    const std::string text = "--motors '" + r.file + "': " + DescribeMotorFileRefusal(r);
    if (i + 1 < loading.refusals.size()) {
      io.err << "brivane-cli: " << text << '\n';
    } else {
      io.UsageError(UsageCode::File, text);
    }
  }
  if (!loading.refusals.empty()) return std::nullopt;
  return LoadedMotors{std::move(loading.list), only ? MotorRows::UserOnly : MotorRows::All};
}

std::optional<std::span<const MotorRecord>> MotorRowsSource::Read(const OptionValues& line, const Io& io) {
  if (given_) return given_;
  loaded_ = ReadMotorOptions(line, io);
  if (!loaded_) return std::nullopt;
  return loaded_->Rows();
}

void WriteUserMark(JsonOut& json, std::string_view family) {
  json.KeyString("family", family);
  json.KeyBool("user", true);
}

}  // namespace brivane::cli
