// The subcommands of brivane-cli. Each takes the arguments after its name and returns the
// process exit status.
#pragma once

#include <span>
#include <string_view>

#include "cli/CliCommon.h"

namespace brivane::cli {

using Args = std::span<const std::string_view>;

int RunCatalog(Args args, const Io& io);
int RunSelect(Args args, const Io& io);
int RunCheck(Args args, const Io& io);
int RunReport(Args args, const Io& io);

}  // namespace brivane::cli
