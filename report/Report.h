// The result report: a CP949 text file with CR LF line ends, appended to
// "<save time>(<nickname>).xls". Text is UTF-8 inside the program and converted at this boundary.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalog/MotorCatalog.h"
#include "engine/Messages.h"
#include "engine/Selection.h"

namespace brivane {

struct LocalDateTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
};

// The refusal of a nickname that CP949 cannot hold, naming the first such character when it is
// valid UTF-8 (so that the user sees what to change).
Message NicknameNotEncodableMessage(std::string_view nickname);

// The current local date and time of the machine.
LocalDateTime CurrentLocalDateTime();

// "%d-%d-%d %d시%d분%d초": 5 March 2020 14:07:09 gives "2020-3-5 14시7분9초".
std::string MakeSaveTime(const LocalDateTime& t);

// "%s(%s).xls" of the save time and the nickname (UTF-8, the platform's file-name encoding).
std::string MakeReportFileName(std::string_view saveTime, std::string_view nickname);

// Include flags of the three data-sheet blocks, in series order.
using ReportIncludes = std::array<bool, 3>;

// The whole report as UTF-8 text with "\r\n" line ends and none after the last line.
std::string ComposeSelectionReport(const SelectionRecord& record, const MotorCatalog& catalog,
                                   std::string_view saveTime, std::string_view nickname,
                                   const ReportIncludes& includes);

enum class SaveStatus {
  Saved,
  NicknameNotEncodable,         // the nickname holds characters CP949 cannot represent; nothing written
  NicknameHasControlCharacter,  // a line feed, tab or other control character; nothing written
  OpenError,                    // "File Open Error!": the file could not be opened or created
  WriteError,                   // "File Write Error!": the file is left as it was before
};

struct SaveResult {
  SaveStatus status = SaveStatus::OpenError;
  std::string path;                             // the file written (or tried), absolute
  Message message{MessageCode::FileOpenError};  // what to show the user: the confirmation or the error
  std::string reason;                           // for a file error, why: the system's message, or what was refused
};

// Appends the report to MakeReportFileName(saveTime, nickname) in `directory`.
// An empty `directory` is the current directory. The report is converted and checked first and
// appended in one write; a failed write removes what it appended and nothing else, also while
// other processes save into the same file (each save holds an advisory lock on it).
SaveResult SaveSelectionReport(std::string_view directory, const SelectionRecord& record, const MotorCatalog& catalog,
                               std::string_view saveTime, std::string_view nickname, const ReportIncludes& includes);

// Lets a write beyond the file-size limit (RLIMIT_FSIZE) fail with EFBIG, which a save rolls back
// and reports, instead of the SIGXFSZ that would kill the process halfway through a report. Every
// program that saves reports calls it once at its start.
void PrepareProcessForReports();

}  // namespace brivane
