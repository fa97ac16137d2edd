#include "CliCommon.h"
#include "Commands.h"
namespace brivane::cli {
int RunReport(const QStringList&) { return UsageError("report is not built"); }
}
