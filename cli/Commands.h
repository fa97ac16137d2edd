// The subcommands of brivane-cli. Each declares its options on a CommandLine, then runs on the
// parsed line and returns the process exit status.
#pragma once

#include <string_view>

#include "cli/CliCommon.h"

namespace brivane::cli {

void DeclareCatalog(CommandLine& line);
int RunCatalog(const CommandLine& line, const Io& io);
void DeclareSelect(CommandLine& line);
int RunSelect(const CommandLine& line, const Io& io);
void DeclareCheck(CommandLine& line);
int RunCheck(const CommandLine& line, const Io& io);
void DeclareRank(CommandLine& line);
int RunRank(const CommandLine& line, const Io& io);
void DeclareCycle(CommandLine& line);
int RunCycle(const CommandLine& line, const Io& io);
void DeclareEnvelope(CommandLine& line);
int RunEnvelope(const CommandLine& line, const Io& io);
void DeclareReport(CommandLine& line);
int RunReport(const CommandLine& line, const Io& io);

}  // namespace brivane::cli
