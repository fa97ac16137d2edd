// The subcommands of brivane-cli. Each declares its options on a CommandLine, then runs on the
// parsed line and returns the process exit status. Those a batch runs read their request from
// option values first (a command line's, or a batch line's), so both take the same path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/CheckCommand.h"
#include "cli/CliCommon.h"
#include "cli/CycleCommand.h"
#include "cli/EnvelopeCommand.h"
#include "cli/MotorOptions.h"
#include "cli/RankCommand.h"
#include "cli/SelectCommand.h"

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
void DeclareBatch(CommandLine& line);
int RunBatch(const CommandLine& line, const Io& io);

// The requests, from the values in the order the command line has always checked them; nothing
// after a reported usage error. `rows` gives the rows when the reading reaches them.
std::optional<SelectRequest> ReadSelectRequest(const OptionValues& line, const Io& io);
std::optional<CheckRequest> ReadCheckRequest(const OptionValues& line, const Io& io, MotorRowsSource& rows);
std::optional<RankRequest> ReadRankRequest(const OptionValues& line, const Io& io, MotorRowsSource& rows);
// cycle's options without its cycle (they are read before the file, so that a usage error is told
// first), then the file.
std::optional<CycleRequest> ReadCycleOptions(const OptionValues& line, const Io& io, MotorRowsSource& rows);
std::optional<Cycle> ReadCycleFile(const std::string& path, const Io& io);
std::optional<EnvelopeRequest> ReadEnvelopeRequest(const OptionValues& line, const Io& io, MotorRowsSource& rows);

}  // namespace brivane::cli
