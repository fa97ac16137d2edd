// The exit statuses every brivane-cli command returns. No Qt.
#pragma once

namespace brivane::cli {

enum ExitStatus : int {
  kExitOk = 0,       // the operation ran to its end
  kExitStopped = 2,  // the operation stopped on one of the tool's own messages
  kExitUsage = 64,   // the command line itself is wrong; nothing computed
  kExitOutput = 74,  // standard output could not be written: what was computed did not arrive
};

}  // namespace brivane::cli
