// The report from any selection record, save time and nickname: the composed text, its CP949
// bytes and the file the writer leaves. Files are written only under a temporary directory, and
// each input's file is removed again.
//
// Input, so that seeds can be written by hand: 101 bytes of numbers (little-endian), then the
// nickname and the three model names, separated by 0xFF bytes (never part of UTF-8 text):
//   3 x (int32 series number, float rated duty, float peak duty)
//   7 floats: accel g, accel time ms, peak velocity, load mass, dwell ms, friction, safety factor
//   3 int32: distance mm, rated limit, peak limit
//   1 byte: include flags in bits 0 to 2
//   6 int32: year, month, day, hour, minute, second
// Missing bytes read as zero, missing texts as empty.
#include <iconv.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzSandbox.h"
#include "report/Cp949.h"
#include "report/Report.h"

namespace {

namespace fs = std::filesystem;
using brivane::MotorSeries;

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  template <typename T>
  T Next() {
    unsigned char bytes[sizeof(T)] = {};
    const std::size_t n = std::min(sizeof(T), size_ - std::min(at_, size_));
    if (n > 0) std::memcpy(bytes, data_ + at_, n);
    at_ += sizeof(T);
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }
  // The next text up to a 0xFF byte or the end.
  std::string Text() {
    std::string text;
    while (at_ < size_ && data_[at_] != 0xFF) text += static_cast<char>(data_[at_++]);
    ++at_;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// CP949 back to UTF-8 with a converter of its own, independent of the writer's.
std::optional<std::string> FromCp949(const std::string& bytes) {
  const iconv_t cd = iconv_open("UTF-8", "CP949");
  if (cd == reinterpret_cast<iconv_t>(-1)) brivane::fuzz::Fail("iconv_open", "UTF-8 from CP949");
  std::string out(bytes.size() * 3 + 8, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* to = out.data();
  std::size_t toLeft = out.size();
  const std::size_t r = iconv(cd, &in, &inLeft, &to, &toLeft);
  iconv_close(cd);
  if (r == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(out.size() - toLeft);
  return out;
}

std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

void CheckConversion(const std::string& text) {
  const std::optional<std::string> bytes = brivane::ToCp949(text);
  FUZZ_CHECK(bytes.has_value() == !brivane::FindNonCp949Character(text), text);
  if (bytes) FUZZ_CHECK(FromCp949(*bytes) == text, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const brivane::MotorCatalog& catalog = brivane::MotorCatalog::Instance();
  Reader in(data, size);
  brivane::SelectionRecord record;
  for (brivane::SeriesRecord& s : record.series) {
    s.selectedNumber = s.shownNumber = in.Next<std::int32_t>();
    s.duty.ratedDuty = in.Next<float>();
    s.duty.peakDuty = in.Next<float>();
    s.selectedDuty = s.duty;
  }
  brivane::MotionInput& move = record.move;
  for (float* f : {&record.accelG, &record.accelTimeMs, &move.peakVelocity, &move.loadMass, &move.dwellMs,
                   &move.frictionCoefficient, &move.safetyFactor}) {
    *f = in.Next<float>();
  }
  move.distanceMm = in.Next<std::int32_t>();
  record.ratedLimit = in.Next<std::int32_t>();
  record.peakLimit = in.Next<std::int32_t>();
  const auto flags = in.Next<std::uint8_t>();
  const brivane::ReportIncludes includes{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
  brivane::LocalDateTime t;
  for (int* field : {&t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second}) *field = in.Next<std::int32_t>();
  const std::string nickname = in.Text();
  for (brivane::SeriesRecord& s : record.series) s.selectedName = s.shownName = in.Text();
  const std::string saveTime = brivane::MakeSaveTime(t);

  // The text: the nickname in its two lines, and 20 line ends plus 15 for each data sheet
  // block, when no name brings line ends of its own.
  const std::string text = brivane::ComposeSelectionReport(record, catalog, saveTime, nickname, includes);
  FUZZ_CHECK(text.find(" " + saveTime + " " + nickname + "님 선정 DATA ") != std::string::npos, nickname);
  FUZZ_CHECK(text.find(" " + nickname + "님, (주) Dalmer의") != std::string::npos, nickname);
  std::string given = nickname + nickname;
  std::size_t blocks = 0;
  const MotorSeries series[] = {MotorSeries::DoubleSided, MotorSeries::SingleSided, MotorSeries::Vela};
  for (std::size_t i = 0; i < 3; ++i) {
    const brivane::SeriesRecord& s = record.series[i];
    given += s.shownName;
    if (includes[i] && !s.shownName.empty() && catalog.FindBySeriesNumber(series[i], s.shownNumber)) ++blocks;
  }
  // Numbers never bring a NUL byte or a line end into the text; only the given texts can.
  FUZZ_CHECK(Count(text, std::string_view("\0", 1)) == Count(given, std::string_view("\0", 1)), "NUL bytes");
  if (given.find_first_of("\r\n") == std::string::npos) {
    FUZZ_CHECK(Count(text, "\r\n") == 20 + 15 * blocks, std::to_string(blocks) + " blocks");
    FUZZ_CHECK(Count(text, "\n") == Count(text, "\r\n"), "bare line feed");
  }

  // The conversion: exactly the text that CP949 holds converts, and it converts back unchanged.
  CheckConversion(nickname);
  const std::optional<std::string> bytes = brivane::ToCp949(text);
  bool namesEncodable = true;
  for (const brivane::SeriesRecord& s : record.series)
    namesEncodable = namesEncodable && !brivane::FindNonCp949Character(s.shownName);
  const bool nicknameEncodable = !brivane::FindNonCp949Character(nickname);
  FUZZ_CHECK(bytes.has_value() == (nicknameEncodable && namesEncodable), "conversion of the report");
  if (bytes) FUZZ_CHECK(FromCp949(*bytes) == text, "CP949 back to the report");

  // The file: written only inside the directory, exactly the converted report; nothing at all
  // for a refused nickname.
  const brivane::fuzz::Sandbox& box = brivane::fuzz::TheSandbox();
  const brivane::SaveResult r =
      brivane::SaveSelectionReport(box.inner.string(), record, catalog, saveTime, nickname, includes);
  const std::string fileName = brivane::MakeReportFileName(saveTime, nickname);
  box.CheckNothingEscaped();
  const std::vector<fs::path> written = brivane::fuzz::Sandbox::Entries(box.inner);
  const bool separator = nickname.find_first_of(std::string_view("/\\\0", 3)) != std::string::npos;
  // A line feed or another control character would break the report's CR LF lines.
  const bool control = std::any_of(nickname.begin(), nickname.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
  if (separator || control || !nicknameEncodable || !namesEncodable || fileName.size() > NAME_MAX) {
    FUZZ_CHECK(r.status != brivane::SaveStatus::Saved, nickname);
    FUZZ_CHECK(written.empty(), "a file from a refused save");
    if (separator)
      FUZZ_CHECK(r.status == brivane::SaveStatus::OpenError, nickname);
    else if (control)
      FUZZ_CHECK(r.status == brivane::SaveStatus::NicknameHasControlCharacter, nickname);
    else if (!nicknameEncodable)
      FUZZ_CHECK(r.status == brivane::SaveStatus::NicknameNotEncodable, nickname);
  } else {
    FUZZ_CHECK(r.status == brivane::SaveStatus::Saved, brivane::KoreanText(r.message));
    FUZZ_CHECK(written == std::vector<fs::path>{fileName}, fileName);
    FUZZ_CHECK(r.path == (box.inner / fileName).string(), r.path);
    FUZZ_CHECK(ReadBytes(box.inner / fileName) == *bytes, "the file's bytes");
  }
  for (const fs::path& name : written) fs::remove(box.inner / name);
  return 0;
}
