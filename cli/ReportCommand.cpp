// report: the selection for a move, then its report appended to "<save time>(<nickname>).xls",
// as the window's save dialog writes it.
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTime>

#include <algorithm>
#include <string>

#include "catalog/MotorCatalog.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "engine/Messages.h"
#include "engine/Selection.h"
#include "report/Report.h"

namespace brivane::cli {
namespace {

// "1,3" -> series 1 and 3; an empty text is the empty subset.
std::optional<ReportIncludes> ReadIncludes(const QCommandLineParser& parser) {
  ReportIncludes includes{false, false, false};
  if (!parser.isSet("include")) return includes;
  const QString text = parser.value("include");
  if (text.isEmpty()) return includes;
  for (const QString& entry : text.split(',')) {
    if (entry != "1" && entry != "2" && entry != "3") {
      UsageError(QStringLiteral("--include takes series numbers 1, 2 and 3 separated by commas, not '%1'")
                     .arg(entry));
      return std::nullopt;
    }
    includes[static_cast<std::size_t>(entry.toInt() - 1)] = true;
  }
  return includes;
}

// A real calendar date and clock time, written YYYY-MM-DDTHH:MM:SS.
std::optional<LocalDateTime> ReadSaveTime(const QCommandLineParser& parser) {
  if (!parser.isSet("at")) return CurrentLocalDateTime();
  const QString text = parser.value("at");
  static const QRegularExpression pattern(
      QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2}):(\\d{2})$"));
  const QRegularExpressionMatch m = pattern.match(text);
  if (m.hasMatch()) {
    const auto part = [&m](int i) { return m.captured(i).toInt(); };
    const LocalDateTime t{part(1), part(2), part(3), part(4), part(5), part(6)};
    if (QDate(t.year, t.month, t.day).isValid() && QTime(t.hour, t.minute, t.second).isValid()) return t;
  }
  UsageError(QStringLiteral("--at needs a real local date and time as YYYY-MM-DDTHH:MM:SS, not '%1'").arg(text));
  return std::nullopt;
}

}  // namespace

int RunReport(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Run the selection for a move and append its report to \"<save time>(<nickname>).xls\" "
      "(CP949 text, CR LF line ends).");
  parser.addOptions({
      {"nickname", "User nickname, in the file name and the report (required; may be empty).", "NAME"},
      {"include", "Series whose data sheet goes into the report: a comma-separated subset of 1,2,3 "
                  "(default none).",
       "LIST"},
      {"at", "Save time in local time, YYYY-MM-DDTHH:MM:SS (default now).", "TIME"},
      {"dir", "Directory of the report file (default the current directory).", "DIR"},
  });
  AddMoveOptions(parser);
  AddLimitOptions(parser);
  if (const auto exit = ParseArguments(parser, arguments)) return *exit;
  if (const auto exit = RejectPositionals(parser)) return *exit;
  if (!parser.isSet("nickname")) return UsageError("report needs --nickname NAME");
  const auto includes = ReadIncludes(parser);
  if (!includes) return kExitUsage;
  const auto saveTime = ReadSaveTime(parser);
  if (!saveTime) return kExitUsage;
  const auto request = ReadSelectionRequest(parser);
  if (!request) return kExitUsage;

  const MotorCatalog& catalog = MotorCatalog::Instance();
  const SelectionOutcome out = RunSelection(*request, catalog);
  if (!out.completed) {
    PrintErr(out.messages.back().text);
    return kExitStopped;
  }
  for (const Message& m : out.messages) PrintErr(m.text);
  if (std::all_of(out.series.begin(), out.series.end(), [](const SeriesChoice& c) { return c.number == 0; })) {
    PrintErr(msg::kSelectionMissing.text);
    return kExitStopped;
  }

  // What the save button does before its dialog: the report shows each series' selected model.
  SelectionRecord record;
  record.Apply(out);
  record.CopySelectedToShown();
  // The directory in the platform's file-name encoding; the nickname stays UTF-8, which is also
  // the file-name encoding here, because it is written into the report as well.
  const QByteArray directory = QFile::encodeName(parser.value("dir"));
  const SaveResult saved =
      SaveSelectionReport(std::string_view(directory.constData(), static_cast<std::size_t>(directory.size())),
                          record, catalog, MakeSaveTime(*saveTime), parser.value("nickname").toStdString(),
                          *includes);
  if (saved.status != SaveStatus::Saved) {
    PrintErr(saved.message);
    return kExitStopped;
  }
  PrintOut(saved.path);
  return kExitOk;
}

}  // namespace brivane::cli
