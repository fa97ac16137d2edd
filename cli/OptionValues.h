// The values given to one run of a command, by option name: parsed from its command line
// (CommandLine) or read from one line of a batch (cli/BatchLine). The commands read their requests
// from here, so that a batch line and a command line with the same values give the same request.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brivane::cli {

class OptionValues {
 public:
  virtual ~OptionValues() = default;

  // Names without "--": "mass", "accel-g".
  virtual bool IsSet(std::string_view name) const = 0;
  // The last value given for the option (empty when it was not given).
  virtual std::string Value(std::string_view name) const = 0;
  // Every value given for the option, in order (for one that may be given more than once).
  virtual std::vector<std::string> Values(std::string_view name) const = 0;
  // The positional arguments (check's MODEL, cycle's FILE).
  virtual const std::vector<std::string>& Positionals() const = 0;

  bool WantsJson() const { return IsSet("json"); }

 protected:
  OptionValues() = default;
  OptionValues(const OptionValues&) = default;
  OptionValues& operator=(const OptionValues&) = default;
};

}  // namespace brivane::cli
