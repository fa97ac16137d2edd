#include "Report.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "Cp949.h"
#include "NumberText.h"

namespace brivane {
namespace {

constexpr std::string_view kNicknameControlMessage =
    "사용자 닉네임에 줄바꿈이나 탭 같은 제어 문자가 있어 저장하지 않았습니다. 닉네임을 바꾸어 주시기 "
    "바랍니다.";

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
  line += " [사용률 정격 : " + OneDecimal(s.duty.ratedDuty) + "퍼센트, 최대 : " +
          OneDecimal(s.duty.peakDuty) + "퍼센트]";
  return line;
}

void SpecificationBlock(std::string& out, const MotorRecord& m) {
  const auto field = [&out](std::string_view name, float value, std::string_view unit) {
    std::string line = " ";
    line += name;
    line += " : " + TwoDecimals(value) + " ";
    line += unit;
    line += " ";
    Line(out, line, 1);
  };
  Line(out, " [Specification]", 1);
  field("정격 추력", m.ratedForce, "N");
  field("최대 추력", m.peakForce, "N");
  field("정격 전류", m.ratedCurrent, "Arms");
  field("최대 전류", m.peakCurrent, "Arms");
  field("최대 전력", m.maxPower, "W");
  field("Pole Pitch", m.polePitch, "mm");
  field("토크 상수", m.forceConstant, "N/Arms");
  field("BEMF 상수", m.bemfConstant, "Vrms/(m/sec)");
  field("모터 상수", m.motorConstant, "N/√W");
  field("전기적 시정수", m.electricalTimeConstant, "msec");
  field("선간 저항", m.lineResistance, "Ω");
  field("선간 인덕턴스", m.lineInductance, "mH");
  field("모터 질량", m.moverMass, "kg");
  // A whole number of newtons, printed like the other values.
  field("흡인력", static_cast<float>(m.attractionForce), "N");
}

// The block of a series goes in when it was asked for and the series shows a model that the
// catalog holds under its number.
void BlockIfIncluded(std::string& out, const SeriesRecord& s, MotorSeries series, bool included,
                     const MotorCatalog& catalog) {
  if (!included || s.shownName.empty()) return;
  const std::optional<std::size_t> index = catalog.FindBySeriesNumber(series, s.shownNumber);
  if (index) SpecificationBlock(out, catalog.at(*index));
}

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

// Writes all of `bytes`, resuming after partial writes and interruptions.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

SaveResult Failure(SaveStatus status, std::string path, std::string_view message, std::string reason = {}) {
  SaveResult r;
  r.status = status;
  r.path = std::move(path);
  r.message = std::string(message);
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

std::string NicknameNotEncodableMessage(std::string_view nickname) {
  const std::optional<std::size_t> at = FindNonCp949Character(nickname);
  std::string named;
  if (at) {
    const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(nickname[*at]));
    // Only a character that is itself valid text can be shown back to the user.
    if (length > 1 && *at + length <= nickname.size()) {
      bool continuation = true;
      for (std::size_t i = 1; i < length; ++i) {
        continuation = continuation && (static_cast<unsigned char>(nickname[*at + i]) & 0xC0) == 0x80;
      }
      if (continuation) named = nickname.substr(*at, length);
    }
  }
  if (named.empty()) {
    return "사용자 닉네임에 보고서 파일의 한글 코드(CP949)로 쓸 수 없는 문자가 있어 저장하지 "
           "않았습니다. 닉네임을 바꾸어 주시기 바랍니다.";
  }
  return "사용자 닉네임의 \"" + named +
         "\" 문자는 보고서 파일의 한글 코드(CP949)로 쓸 수 없어 저장하지 않았습니다. 닉네임을 "
         "바꾸어 주시기 바랍니다.";
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
         std::to_string(t.hour) + "시" + std::to_string(t.minute) + "분" + std::to_string(t.second) +
         "초";
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
  const SeriesRecord& s1 = record.of(MotorSeries::DoubleSided);
  const SeriesRecord& s2 = record.of(MotorSeries::SingleSided);
  const SeriesRecord& s3 = record.of(MotorSeries::Vela);

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
           " msec)   속도 : " + OneDecimal(record.peakVelocity) + " m/sec ",
       1);
  Line(out,
       " 부하 질량 : " + OneDecimal(record.loadMass) + " kg  이동 거리 : " +
           std::to_string(record.distanceMm) + " mm 휴지 시간 : " +
           FormatFixed(static_cast<double>(record.dwellMs), 0) + " msec",
       1);
  Line(out,
       " 설정 사용률 - 정격 : " + std::to_string(record.ratedLimit) + "퍼센트, 최대 : " +
           std::to_string(record.peakLimit) + "퍼센트",
       1);
  Line(out,
       " 안전율 : " + OneDecimal(record.safetyFactor) + "  마찰 계수 : " +
           TwoDecimals(record.frictionCoefficient) + " ",
       2);
  Line(out, rule, 1);

  Line(out, SeriesLine("양측식", s1), 1);
  BlockIfIncluded(out, s1, MotorSeries::DoubleSided, includes[0], catalog);
  out += kEnd;  // the empty line before the series 2 line
  Line(out, SeriesLine("편측식", s2), 1);
  BlockIfIncluded(out, s2, MotorSeries::SingleSided, includes[1], catalog);
  out += kEnd;
  Line(out, SeriesLine("편측식 (Vela-Series)", s3), 1);
  BlockIfIncluded(out, s3, MotorSeries::Vela, includes[2], catalog);

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

SaveResult SaveSelectionReport(std::string_view directory, const SelectionRecord& record,
                               const MotorCatalog& catalog, std::string_view saveTime,
                               std::string_view nickname, const ReportIncludes& includes) {
  const std::string fileName = MakeReportFileName(saveTime, nickname);
  std::string path = AbsoluteReportPath(directory, fileName);

  // A separator would put the file in another directory ("../x"); a NUL would cut the name.
  if (nickname.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) {
    return Failure(SaveStatus::OpenError, std::move(path), msg::kFileOpenError,
                   "the nickname holds a path separator");
  }
  if (HasControlCharacter(nickname)) {
    return Failure(SaveStatus::NicknameHasControlCharacter, std::move(path), kNicknameControlMessage);
  }
  // Refused before anything is opened: replacing the character would corrupt the report.
  if (FindNonCp949Character(nickname)) {
    return Failure(SaveStatus::NicknameNotEncodable, std::move(path),
                   NicknameNotEncodableMessage(nickname));
  }
  // The whole report is converted before the file is touched, so nothing half-converted is
  // ever written.
  const std::optional<std::string> bytes =
      ToCp949(ComposeSelectionReport(record, catalog, saveTime, nickname, includes));
  if (!bytes) {
    return Failure(SaveStatus::WriteError, std::move(path), msg::kFileWriteError,
                   "the report cannot be converted to CP949");
  }

  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) return Failure(SaveStatus::OpenError, std::move(path), msg::kFileOpenError, SystemReason());

  // Earlier reports in the file are kept whatever happens to this one.
  struct stat before {};
  const bool regular = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode);
  const off_t previousSize = regular ? before.st_size : 0;

  bool written = WriteAll(fd, *bytes);
  // Delayed write errors (a full disk, an I/O error) only surface when the data reach the disk.
  // A device that cannot be synchronised reports EINVAL, which is no failure of this write.
  if (written && ::fsync(fd) != 0 && errno != EINVAL) written = false;
  if (!written) {
    std::string reason = SystemReason();
    if (regular) (void)::ftruncate(fd, previousSize);
    ::close(fd);
    return Failure(SaveStatus::WriteError, std::move(path), msg::kFileWriteError, std::move(reason));
  }
  if (::close(fd) != 0) {
    std::string reason = SystemReason();
    if (regular) (void)::truncate(path.c_str(), previousSize);
    return Failure(SaveStatus::WriteError, std::move(path), msg::kFileWriteError, std::move(reason));
  }

  SaveResult r;
  r.status = SaveStatus::Saved;
  r.message = std::string(msg::kReportSaved) + "\n" + path;
  r.path = std::move(path);
  return r;
}

}  // namespace brivane
