// brivane-cli: the engine's command-line front end beside the window.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/RunCli.h"
#include "report/Report.h"

int main(int argc, char* argv[]) {
  brivane::PrepareProcessForReports();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return brivane::cli::RunCli(args, std::cout, std::cerr);
}
