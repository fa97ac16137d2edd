// brivane-cli: the engine's command-line front end beside the window.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/BatchInput.h"
#include "cli/ExitStatus.h"
#include "cli/RunCli.h"
#include "report/Report.h"

int main(int argc, char* argv[]) {
  brivane::PrepareProcessForReports();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  brivane::cli::DescriptorInput in(STDIN_FILENO);
  const int status = brivane::cli::RunCli(args, std::cout, std::cerr, in, ::isatty(STDERR_FILENO) == 1);
  // A full disk must not pass for an answer: a script would take cut-off output for a success.
  // errno still holds the reason of the write that failed, whether now or while writing.
  std::cout.flush();
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout) {
    const int reason = errno != 0 ? errno : EIO;
    std::cerr << "brivane-cli: cannot write the output: " << std::strerror(reason) << '\n';
    return brivane::cli::kExitOutput;
  }
  return status;
}
