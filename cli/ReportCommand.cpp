// report: the selection for a move, then its report appended to "<save time>(<nickname>).xls",
// as the window's save dialog writes it.
#include <chrono>
#include <string>

#include "catalog/MotorCatalog.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "engine/Messages.h"
#include "engine/Session.h"
#include "report/Report.h"

namespace brivane::cli {
namespace {

// "1,3" -> series 1 and 3; an empty text is the empty subset.
std::optional<ReportIncludes> ReadIncludes(const CommandLine& line, const Io& io) {
  const std::string text = line.Value("include");
  if (text.empty()) return ReportIncludes{false, false, false};
  const SeriesListReading reading = ReadSeriesList(text);
  if (!reading.series) {
    io.UsageError("--include takes series numbers 1, 2 and 3 separated by commas, not '" +
                  std::string(reading.refused) + "'");
  }
  return reading.series;
}

// The decimal digits text[at, at + count) as a number, or -1 when one of them is not a digit.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// A real calendar date and clock time, written YYYY-MM-DDTHH:MM:SS.
std::optional<LocalDateTime> ReadSaveTime(const CommandLine& line, const Io& io) {
  if (!line.IsSet("at")) return CurrentLocalDateTime();
  const std::string text = line.Value("at");
  if (text.size() == 19 && text[4] == '-' && text[7] == '-' && text[10] == 'T' && text[13] == ':' && text[16] == ':') {
    const LocalDateTime t{Digits(text, 0, 4),  Digits(text, 5, 2),  Digits(text, 8, 2),
                          Digits(text, 11, 2), Digits(text, 14, 2), Digits(text, 17, 2)};
    const std::chrono::year_month_day date{std::chrono::year(t.year),
                                           std::chrono::month(static_cast<unsigned>(t.month)),
                                           std::chrono::day(static_cast<unsigned>(t.day))};
    // Digits() gives -1 for a non-digit, which no range below accepts.
    if (t.year >= 0 && t.month > 0 && t.day > 0 && date.ok() && t.hour >= 0 && t.hour < 24 && t.minute >= 0 &&
        t.minute < 60 && t.second >= 0 && t.second < 60)
      return t;
  }
  io.UsageError("--at needs a real local date and time as YYYY-MM-DDTHH:MM:SS, not '" + text + "'");
  return std::nullopt;
}

}  // namespace

void DeclareReport(CommandLine& line) {
  line.Describe(
      "Run the selection for a move and append its report to \"<save time>(<nickname>).xls\" "
      "(CP949 text, CR LF line ends). The selection and the report hold the built-in catalog only (your own "
      "motors, --motors of rank, check and catalog, are not among them).");
  line.AddValue("nickname", "NAME", "User nickname, in the file name and the report (required; may be empty).");
  line.AddValue("include", "LIST",
                "Series whose data sheet goes into the report: a comma-separated subset of 1,2,3 (default none).");
  line.AddValue("at", "TIME", "Save time in local time, YYYY-MM-DDTHH:MM:SS (default now).");
  line.AddValue("dir", "DIR", "Directory of the report file (default the current directory).");
  line.AddMoveOptions();
  line.AddLimitOptions();
  line.AddJsonOption();
}

int RunReport(const CommandLine& line, const Io& io) {
  if (const auto exit = RejectPositionals(line, io)) return *exit;
  if (!line.IsSet("nickname")) return io.UsageError("report needs --nickname NAME");
  const auto includes = ReadIncludes(line, io);
  if (!includes) return kExitUsage;
  const auto saveTime = ReadSaveTime(line, io);
  if (!saveTime) return kExitUsage;
  const auto request = ReadSelectionRequest(line, io);
  if (!request) return kExitUsage;

  const bool json = line.WantsJson();
  // A stop: the message on stderr, or as the one JSON object.
  const auto stop = [&io, json](const Message& message, const std::string* path = nullptr) {
    if (!json) {
      io.Err(io.Say(message));
      return kExitStopped;
    }
    JsonOut o;
    o.KeyString("error", KoreanText(message));
    if (path) o.KeyString("path", *path);
    o.Print(io.out);
    return kExitStopped;
  };

  // The form's session, as the window runs it: the selection, then the save button.
  const MotorCatalog& catalog = MotorCatalog::Instance();
  Session session(catalog);
  FormValues values;
  values.move = request->input;
  values.ratedPosition = request->ratedPosition;
  values.peakPosition = request->peakPosition;
  session.SetValues(values);
  const SelectionOutcome out = session.RunSelection();
  if (!out.completed) {
    if (json) return stop(out.messages.back());
    io.Stopped(out.messages.back());
    return kExitStopped;
  }
  if (!json)
    for (const Message& m : out.messages) io.Err(io.Say(m));
  if (const std::optional<Message> refusal = session.StartSave()) return stop(*refusal);

  // The directory and the nickname go on as given: bytes in the platform's file-name encoding.
  const SaveResult saved = SaveSelectionReport(line.Value("dir"), session.Record(), catalog, MakeSaveTime(*saveTime),
                                               line.Value("nickname"), *includes);
  if (saved.status != SaveStatus::Saved) {
    const int status = stop(saved.message, &saved.path);
    // Why a file could not be opened or written, which the fixed message does not say.
    if (!saved.reason.empty()) io.Err("brivane-cli: " + saved.path + ": " + saved.reason);
    return status;
  }
  if (json) {
    JsonOut o;
    WriteMessages(o, out.messages);
    o.KeyString("path", saved.path);
    o.Print(io.out);
  } else {
    io.Out(saved.path);
  }
  return kExitOk;
}

}  // namespace brivane::cli
