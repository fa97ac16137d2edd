// brivane-cli run in-process through RunCli, for the suites that drive it with arguments.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RunCli.h"

namespace brivane::test {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

inline Result Cli(const std::vector<std::string>& args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  std::ostringstream out;
  std::ostringstream err;
  Result r;
  r.status = brivane::cli::RunCli(views, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace brivane::test
