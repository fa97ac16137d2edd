// The subcommands of brivane-cli. Each takes its arguments with the program name first and
// returns the process exit status.
#pragma once

#include <QStringList>

namespace brivane::cli {

int RunCatalog(const QStringList& arguments);
int RunSelect(const QStringList& arguments);
int RunCheck(const QStringList& arguments);
int RunRank(const QStringList& arguments);
int RunReport(const QStringList& arguments);

}  // namespace brivane::cli
