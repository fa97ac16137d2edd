// brivane-cli as a function: the whole program runs in-process, writing to the given streams,
// so that tests and the fuzzer drive it without starting processes.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace brivane::cli {

class InputSource;

// Runs the command line `args` (without the program name) and returns the exit status.
int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// The same with standard input, which batch reads (cli/BatchInput.h), and whether stderr is a
// terminal (batch then shows its progress for a file).
int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err, InputSource& in,
           bool errIsTerminal);

}  // namespace brivane::cli
