#include "report/Report.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <utility>

#include "catalog/DataSheetFields.h"
#include "engine/NumberText.h"
#include "engine/TextFile.h"
#include "engine/Utf8.h"
#include "report/Cp949.h"

namespace brivane {
namespace {

// The file is read on Windows, where a line ends with CR LF; it is written so everywhere.
constexpr std::string_view kEnd = "\r\n";

std::string Dashes(std::size_t count) { return std::string(count, '-'); }

std::string OneDecimal(float v) { return FormatFixed(static_cast<double>(v), 1); }
std::string TwoDecimals(float v) { return FormatFixed(static_cast<double>(v), 2); }

void Line(std::string& out, std::string_view text, int ends) {
  out += text;
  for (int i = 0; i < ends; ++i) out += kEnd;
}

std::string SeriesLine(std::string_view label, const SeriesRecord& s) {
  std::string line = " >> ";
  line += label;
  line += " 선정 모터 : ";
  line += s.shownName;
  line +=
      " [사용률 정격 : " + OneDecimal(s.duty.ratedDuty) + "퍼센트, 최대 : " + OneDecimal(s.duty.peakDuty) + "퍼센트]";
  return line;
}

void SpecificationBlock(std::string& out, const MotorRecord& m) {
  Line(out, " [Specification]", 1);
  for (const DataSheetField& field : kDataSheetFields) {
    std::string line = " ";
    line += field.reportLabel;
    line += " : " + TwoDecimals(field.value(m)) + " ";
    line += field.reportUnit;
    line += " ";
    Line(out, line, 1);
  }
}

// The block of a series goes in when it was asked for and the series shows a model that the
// catalog holds under its number.
void BlockIfIncluded(std::string& out, const SeriesRecord& s, MotorSeries series, bool included,
                     const MotorCatalog& catalog) {
  if (!included || s.shownName.empty()) return;
  const std::optional<std::size_t> index = catalog.FindBySeriesNumber(series, s.shownNumber);
  if (index) SpecificationBlock(out, catalog.at(*index));
}

// Writes all of `bytes`, resuming after partial writes and interruptions; `written` counts the
// bytes that went into the file, also when it fails.
bool WriteAll(int fd, std::string_view bytes, std::size_t& written) {
  written = 0;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Waits for the advisory lock that every save of this program takes on the report file. Where
// the file system offers none the save goes on, and the rollback is guarded by the file's size
// alone.
void LockExclusively(int fd) {
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// Cuts off what this save appended, and nothing else: only when the file ends exactly where this
// save's bytes end. Under the lock that is always so; a file that has grown further holds bytes
// of another writer behind ours, and one that has shrunk was cut by someone else.
void RemoveAppended(int fd, off_t previousSize, std::size_t appended) {
  struct stat now {};
  if (::fstat(fd, &now) != 0) return;
  if (now.st_size == previousSize + static_cast<off_t>(appended)) (void)::ftruncate(fd, previousSize);
}

SaveResult Failure(SaveStatus status, std::string path, Message message, std::string reason = {}) {
  SaveResult r;
  r.status = status;
  r.path = std::move(path);
  r.message = std::move(message);
  r.reason = std::move(reason);
  return r;
}

// The system's text for the error in errno.
std::string SystemReason() { return std::generic_category().message(errno); }

// The directory as given, made absolute but not normalised: "link/.." is the parent of where the
// link points, which only the file system knows, so dropping the pair would name another folder.
std::string AbsoluteReportPath(std::string_view directory, const std::string& fileName) {
  std::error_code ec;
  std::filesystem::path dir = directory.empty() ? std::filesystem::current_path(ec)
                                                : std::filesystem::absolute(std::filesystem::path(directory), ec);
  if (ec) dir = std::filesystem::path(directory);
  return (dir / fileName).string();
}

// A line feed or another control character would break the report's CR LF lines (and the name).
bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
}

}  // namespace

Message NicknameNotEncodableMessage(std::string_view nickname) {
  const std::optional<std::size_t> at = FindNonCp949Character(nickname);
  // Only a character that is itself valid text can be shown back to the user.
  const std::string_view named = at ? Utf8CharacterAt(nickname, *at) : std::string_view();
  if (named.empty()) return {MessageCode::NicknameNotEncodable};
  return {MessageCode::NicknameCharacterNotEncodable, {std::string(named)}};
}

LocalDateTime CurrentLocalDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  LocalDateTime t;
  if (localtime_r(&now, &local) == nullptr) return t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec;
  return t;
}

std::string MakeSaveTime(const LocalDateTime& t) {
  return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day) + " " +
         std::to_string(t.hour) + "시" + std::to_string(t.minute) + "분" + std::to_string(t.second) + "초";
}

std::string MakeReportFileName(std::string_view saveTime, std::string_view nickname) {
  std::string name(saveTime);
  name += "(";
  name += nickname;
  name += ").xls";
  return name;
}

std::string ComposeSelectionReport(const SelectionRecord& record, const MotorCatalog& catalog,
                                   std::string_view saveTime, std::string_view nickname,
                                   const ReportIncludes& includes) {
  const std::string rule = " " + Dashes(67) + " ";
  const MotionInput& move = record.move;

  std::string out;
  out.reserve(4096);
  std::string title = " " + Dashes(20) + " ";
  title += saveTime;
  title += " ";
  title += nickname;
  title += "님 선정 DATA " + Dashes(21) + " ";
  Line(out, title, 2);
  Line(out, " " + Dashes(21) + " 선정 조건 MotionProfile " + Dashes(21) + " ", 2);
  Line(out,
       " 가속도 : " + OneDecimal(record.accelG) + " g  (가속 시간 : " + OneDecimal(record.accelTimeMs) +
           " msec)   속도 : " + OneDecimal(move.peakVelocity) + " m/sec ",
       1);
  Line(out,
       " 부하 질량 : " + OneDecimal(move.loadMass) + " kg  이동 거리 : " + std::to_string(move.distanceMm) +
           " mm 휴지 시간 : " + FormatFixed(static_cast<double>(move.dwellMs), 0) + " msec",
       1);
  Line(out,
       " 설정 사용률 - 정격 : " + std::to_string(record.ratedLimit) +
           "퍼센트, 최대 : " + std::to_string(record.peakLimit) + "퍼센트",
       1);
  Line(out,
       " 안전율 : " + OneDecimal(move.safetyFactor) + "  마찰 계수 : " + TwoDecimals(move.frictionCoefficient) + " ",
       2);
  Line(out, rule, 1);

  for (const MotorSeries series : kAllSeries) {
    // An empty line before each series line but the first.
    if (series != MotorSeries::DoubleSided) out += kEnd;
    const SeriesRecord& s = record.of(series);
    Line(out, SeriesLine(InfoOf(series).name, s), 1);
    BlockIfIncluded(out, s, series, includes[SeriesSlot(series)], catalog);
  }

  Line(out, rule, 1);
  Line(out, "", 3);
  std::string thanks = " ";
  thanks += nickname;
  thanks += "님, (주) Dalmer의 Linear Motor 선정 프로그램을 사용해 ";
  Line(out, thanks, 1);
  // No line end after the last line: a report saved in the same second continues on it.
  Line(out, " " + Dashes(15) + "주셔서 감사합니다. < Dalmer ", 0);
  return out;
}

void PrepareProcessForReports() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, nullptr);
}

SaveResult SaveSelectionReport(std::string_view directory, const SelectionRecord& record, const MotorCatalog& catalog,
                               std::string_view saveTime, std::string_view nickname, const ReportIncludes& includes) {
  const std::string fileName = MakeReportFileName(saveTime, nickname);
  std::string path = AbsoluteReportPath(directory, fileName);

  // A separator would put the file in another directory ("../x"); a NUL would cut the name.
  if (nickname.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) {
    return Failure(SaveStatus::OpenError, std::move(path), Message{MessageCode::FileOpenError},
                   "the nickname holds a path separator");
  }
  if (HasControlCharacter(nickname)) {
    return Failure(SaveStatus::NicknameHasControlCharacter, std::move(path),
                   Message{MessageCode::NicknameControlCharacter});
  }
  // Refused before anything is opened: replacing the character would corrupt the report.
  if (FindNonCp949Character(nickname)) {
    return Failure(SaveStatus::NicknameNotEncodable, std::move(path), NicknameNotEncodableMessage(nickname));
  }
  // The whole report is converted before the file is touched, so nothing half-converted is
  // ever written.
  const std::optional<std::string> bytes =
      ToCp949(ComposeSelectionReport(record, catalog, saveTime, nickname, includes));
  if (!bytes) {
    return Failure(SaveStatus::WriteError, std::move(path), Message{MessageCode::FileWriteError},
                   "the report cannot be converted to CP949");
  }

  // Only a regular file takes a report: a named pipe would block the save for ever, a device
  // would swallow it. Looked at before it is opened, and opened without waiting in case a pipe
  // takes its place meanwhile.
  if (const std::error_code kind = CheckOutputTarget(path))
    return Failure(SaveStatus::OpenError, std::move(path), Message{MessageCode::FileOpenError}, kind.message());
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0)
    return Failure(SaveStatus::OpenError, std::move(path), Message{MessageCode::FileOpenError}, SystemReason());
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    ::close(fd);
    return Failure(SaveStatus::OpenError, std::move(path), Message{MessageCode::FileOpenError}, "not a regular file");
  }

  // Saves of other processes into the same file wait while this one measures, writes, syncs and,
  // if it failed, cuts back: a rollback must never cut off a report that another save appended
  // and confirmed meanwhile. The lock goes with the descriptor at close.
  LockExclusively(fd);

  // Earlier reports in the file are kept whatever happens to this one (measured under the lock).
  struct stat before {};
  const bool regular = ::fstat(fd, &before) == 0;
  const off_t previousSize = regular ? before.st_size : 0;

  std::size_t appended = 0;
  bool written = WriteAll(fd, *bytes, appended);
  // Delayed write errors (a full disk, an I/O error) only surface when the data reach the disk.
  // A file system that cannot synchronise reports EINVAL, which is no failure of this write.
  if (written && ::fsync(fd) != 0 && errno != EINVAL) written = false;
  if (!written) {
    std::string reason = SystemReason();
    if (regular) RemoveAppended(fd, previousSize, appended);
    ::close(fd);
    return Failure(SaveStatus::WriteError, std::move(path), Message{MessageCode::FileWriteError}, std::move(reason));
  }
  // The report has reached the disk. A close that fails now has nothing left to lose, and
  // cutting the file back after the lock is gone could remove another save's report.
  ::close(fd);

  SaveResult r;
  r.status = SaveStatus::Saved;
  r.message = {MessageCode::ReportSaved, {path}};
  r.path = std::move(path);
  return r;
}

}  // namespace brivane
