// The report file: its text, its CP949 bytes, and how a save treats the file system.
#include "report/Report.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <latch>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "report/Cp949.h"
#include "tests/support/WorkedExamples.h"

namespace brivane {
namespace {

namespace fs = std::filesystem;

const MotorCatalog& Catalog() { return MotorCatalog::Instance(); }

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& p, std::string_view bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ExpectedFirstReport() {
  return ReadBytes(fs::path(BRIVANE_REPORT_TEST_DATA) / "first-selection-all-blocks.cp949.xls");
}

SeriesRecord Chosen(std::int32_t number, std::string name, float rated, float peak) {
  SeriesRecord s;
  s.selectedNumber = s.shownNumber = number;
  s.selectedName = s.shownName = std::move(name);
  s.duty = s.selectedDuty = DutyResult{rated, peak};
  return s;
}

// 1 kg over 500 mm at 1 g and 1 m/s with the form's defaults: CL-01, IC-03 and VC-01.
SelectionRecord FirstSelection() {
  SelectionRecord r;
  r.series = {Chosen(1, "CL-01", 29.298f, 23.643f), Chosen(3, "IC-03", 60.1f, 40.1f), Chosen(1, "VC-01", 54.0f, 47.9f)};
  r.accelG = 1.0f;
  r.accelTimeMs = 102.04082f;
  r.move = examples::FirstMove();
  r.ratedLimit = 70;
  r.peakLimit = 80;
  return r;
}

const std::string kSaveTime = MakeSaveTime({2020, 3, 5, 14, 7, 9});
constexpr ReportIncludes kAll{true, true, true};
constexpr ReportIncludes kNone{false, false, false};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) {
    lines.push_back(text.substr(from, at - from));
  }
  lines.push_back(text.substr(from));
  return lines;
}

class ReportFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "brivane-report-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  std::vector<fs::path> Entries() const {
    std::vector<fs::path> entries;
    for (const auto& e : fs::directory_iterator(dir_)) entries.push_back(e.path().filename());
    return entries;
  }
  SaveResult Save(const SelectionRecord& r, std::string_view nickname, const ReportIncludes& inc = kAll) {
    return SaveSelectionReport(dir_.string(), r, Catalog(), kSaveTime, nickname, inc);
  }

  fs::path dir_;
};

TEST(ReportNames, SaveTimeHasNoLeadingZerosAndFileNameWrapsTheNickname) {
  EXPECT_EQ(kSaveTime, "2020-3-5 14시7분9초");
  EXPECT_EQ(MakeSaveTime({1999, 12, 31, 0, 0, 0}), "1999-12-31 0시0분0초");
  EXPECT_EQ(MakeSaveTime({2024, 1, 10, 23, 59, 59}), "2024-1-10 23시59분59초");
  EXPECT_EQ(MakeReportFileName(kSaveTime, "홍길동"), "2020-3-5 14시7분9초(홍길동).xls");
  EXPECT_EQ(MakeReportFileName(kSaveTime, ""), "2020-3-5 14시7분9초().xls");
  // Taken as it is: a percent sign is no format directive.
  EXPECT_EQ(MakeReportFileName(kSaveTime, "100%s"), "2020-3-5 14시7분9초(100%s).xls");
}

TEST(Cp949, ConvertsHangulAndTheUnitSymbolsAndStopsAtWhatItLacks) {
  EXPECT_EQ(ToCp949("홍길동"), std::optional<std::string>("\xC8\xAB\xB1\xE6\xB5\xBF"));
  EXPECT_EQ(ToCp949("N/√W Ω"), std::optional<std::string>("N/\xA1\xEEW \xA5\xD8"));
  EXPECT_EQ(ToCp949(""), std::optional<std::string>(""));
  EXPECT_FALSE(FindNonCp949Character("홍길동 abc"));
  EXPECT_EQ(FindNonCp949Character("ab😀c"), 2u);
  EXPECT_EQ(FindNonCp949Character("홍\xFF"), 3u);      // not UTF-8
  EXPECT_EQ(FindNonCp949Character("홍\xED\x95"), 3u);  // cut short
  EXPECT_EQ(ToCp949("홍😀"), std::nullopt);
}

TEST_F(ReportFileTest, FirstSelectionWithAllBlocksIsWrittenByteForByte) {
  const SaveResult r = Save(FirstSelection(), "홍길동");
  ASSERT_EQ(r.status, SaveStatus::Saved) << KoreanText(r.message);
  const fs::path file = dir_ / "2020-3-5 14시7분9초(홍길동).xls";
  EXPECT_EQ(r.path, file.string());
  EXPECT_EQ(Entries(), std::vector<fs::path>{file.filename()});
  EXPECT_EQ(ReadBytes(file), ExpectedFirstReport());
  EXPECT_EQ(KoreanText(r.message),
            "설치 폴더에서 -저장시간(사용자닉네임).xls- 파일을 확인 하시기 바랍니다.\n" + file.string());
}

TEST_F(ReportFileTest, RelativeDirectoryIsReportedAsAnAbsolutePath) {
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  const SaveResult r = SaveSelectionReport("", FirstSelection(), Catalog(), kSaveTime, "a", kNone);
  fs::current_path(before);
  ASSERT_EQ(r.status, SaveStatus::Saved) << KoreanText(r.message);
  EXPECT_EQ(r.path, (fs::canonical(dir_) / "2020-3-5 14시7분9초(a).xls").string());
  EXPECT_TRUE(fs::exists(r.path));
  const std::string confirmation = KoreanText(r.message);
  EXPECT_EQ(confirmation.substr(confirmation.find('\n') + 1), r.path);
}

TEST(ReportText, WithoutBlocksItIsTheFullReportLessItsThreeBlocks) {
  const std::string full = *ToCp949(ComposeSelectionReport(FirstSelection(), Catalog(), kSaveTime, "홍길동", kAll));
  ASSERT_EQ(full, ExpectedFirstReport());
  std::vector<std::string> expected =
      Lines(ComposeSelectionReport(FirstSelection(), Catalog(), kSaveTime, "홍길동", kAll));
  // Each block is " [Specification]" and the 14 lines after it.
  for (auto it = expected.begin(); it != expected.end();) {
    it = *it == " [Specification]" ? expected.erase(it, it + 15) : it + 1;
  }
  const std::vector<std::string> clear =
      Lines(ComposeSelectionReport(FirstSelection(), Catalog(), kSaveTime, "홍길동", kNone));
  EXPECT_EQ(clear, expected);
  // Rows 1 to 8, 10, 12 and 14 to 17 with their empty lines.
  EXPECT_EQ(clear.size(), 21u);
  EXPECT_EQ(clear[11], "");
  EXPECT_EQ(clear[12].rfind(" >> 편측식 선정 모터 : IC-03 [", 0), 0u);

  // One block alone goes under its own series line.
  const std::vector<std::string> second =
      Lines(ComposeSelectionReport(FirstSelection(), Catalog(), kSaveTime, "홍길동", {false, true, false}));
  ASSERT_EQ(second.size(), 21u + 15u);
  EXPECT_EQ(second[13], " [Specification]");
  EXPECT_EQ(second[27], " 흡인력 : 200.00 N ");
  EXPECT_EQ(second[28], "");
}

TEST(ReportText, EmptyNicknameLeavesItsBlankAndParentheses) {
  const std::vector<std::string> lines =
      Lines(ComposeSelectionReport(FirstSelection(), Catalog(), kSaveTime, "", kNone));
  EXPECT_EQ(lines.front(), " -------------------- 2020-3-5 14시7분9초 님 선정 DATA --------------------- ");
  EXPECT_EQ(lines[lines.size() - 2], " 님, (주) Dalmer의 Linear Motor 선정 프로그램을 사용해 ");
  EXPECT_EQ(lines.back(), " ---------------주셔서 감사합니다. < Dalmer ");
}

TEST(ReportText, SeriesWithoutAModelHasAnEmptyNameZeroRatiosAndNoBlock) {
  SelectionRecord r = FirstSelection();
  r.of(MotorSeries::SingleSided) = SeriesRecord{};
  const std::string text = ComposeSelectionReport(r, Catalog(), kSaveTime, "x", kAll);
  const std::string line = " >> 편측식 선정 모터 :  [사용률 정격 : 0.0퍼센트, 최대 : 0.0퍼센트]\r\n";
  ASSERT_NE(text.find(line), std::string::npos);
  // Straight on to the empty line before the series 3 line.
  const std::string next = "\r\n >> 편측식 (Vela-Series) 선정 모터 : VC-01";
  EXPECT_EQ(text.substr(text.find(line) + line.size(), next.size()), next);
  EXPECT_EQ(Lines(text).size(), 21u + 30u);

  // A name without a number the catalog holds has nothing to list either.
  r.of(MotorSeries::SingleSided) = Chosen(0, "IC-03", 1.0f, 1.0f);
  EXPECT_EQ(Lines(ComposeSelectionReport(r, Catalog(), kSaveTime, "x", kAll)).size(), 21u + 30u);
}

TEST(ReportText, BlockListsTheModelHoldingTheSeriesNumberNotTheCatalogPosition) {
  SelectionRecord r = FirstSelection();
  r.of(MotorSeries::DoubleSided) = Chosen(3, "CL-05", 10.0f, 10.0f);
  r.of(MotorSeries::Vela) = Chosen(21, "VC-21", 7.7f, 6.2f);
  const std::vector<std::string> lines =
      Lines(ComposeSelectionReport(r, Catalog(), kSaveTime, "x", {true, false, true}));
  ASSERT_EQ(lines.size(), 21u + 30u);
  EXPECT_EQ(lines[11], " [Specification]");
  EXPECT_EQ(lines[12], " 정격 추력 : 45.20 N ");
  EXPECT_EQ(lines[24], " 모터 질량 : 0.40 kg ");
  EXPECT_EQ(lines[29], " >> 편측식 (Vela-Series) 선정 모터 : VC-21 [사용률 정격 : 7.7퍼센트, 최대 : 6.2퍼센트]");
  EXPECT_EQ(lines[31], " 정격 추력 : 2635.00 N ");
  EXPECT_EQ(lines[43], " 모터 질량 : 34.20 kg ");
  EXPECT_EQ(lines[44], " 흡인력 : 0.00 N ");
}

TEST_F(ReportFileTest, SavesAppendAndOneInTheSameSecondContinuesOnTheLastLine) {
  const fs::path file = dir_ / "2020-3-5 14시7분9초(홍길동).xls";
  WriteBytes(file, "earlier\r\n");
  ASSERT_EQ(Save(FirstSelection(), "홍길동").status, SaveStatus::Saved);
  ASSERT_EQ(Save(FirstSelection(), "홍길동").status, SaveStatus::Saved);
  const std::string once = ExpectedFirstReport();
  const std::string content = ReadBytes(file);
  EXPECT_EQ(content, "earlier\r\n" + once + once);
  EXPECT_NE(content.find(*ToCp949("< Dalmer  -------------------- 2020-3-5")), std::string::npos);
}

TEST_F(ReportFileTest, NicknameWithAPathSeparatorIsRefusedBeforeAnythingIsOpened) {
  fs::create_directory(dir_ / "sub");
  for (const std::string& nickname : std::vector<std::string>{"../x", "sub/x", "a\\b", std::string("a\0b", 3)}) {
    const SaveResult r =
        SaveSelectionReport((dir_ / "sub").string(), FirstSelection(), Catalog(), kSaveTime, nickname, kAll);
    EXPECT_EQ(r.status, SaveStatus::OpenError) << nickname;
    EXPECT_EQ(KoreanText(r.message), "File Open Error!");
  }
  EXPECT_EQ(Entries(), std::vector<fs::path>{"sub"});
  EXPECT_TRUE(fs::is_empty(dir_ / "sub"));
}

TEST_F(ReportFileTest, NicknameCp949CannotHoldIsRefusedAndNamed) {
  SaveResult r = Save(FirstSelection(), "홍길동😀");
  EXPECT_EQ(r.status, SaveStatus::NicknameNotEncodable);
  EXPECT_NE(KoreanText(r.message).find("\"😀\""), std::string::npos) << KoreanText(r.message);
  EXPECT_NE(KoreanText(r.message).find("CP949"), std::string::npos);
  EXPECT_EQ(r.message, NicknameNotEncodableMessage("홍길동😀"));  // the one place that builds it

  // A tag character (U+E0001) converts to no bytes at all: only the way back shows that the
  // report would lose it, so the file is refused as well.
  r = Save(FirstSelection(), "kim\xF3\xA0\x80\x81");
  EXPECT_EQ(r.status, SaveStatus::NicknameNotEncodable);
  EXPECT_EQ(FindNonCp949Character("kim\xF3\xA0\x80\x81"), 3u);

  r = Save(FirstSelection(), "a\xFF");
  EXPECT_EQ(r.status, SaveStatus::NicknameNotEncodable);
  EXPECT_EQ(KoreanText(r.message).find('\xFF'), std::string::npos) << "an invalid byte is not shown back";
  EXPECT_NE(KoreanText(r.message).find("닉네임"), std::string::npos);

  EXPECT_TRUE(Entries().empty());
}

TEST_F(ReportFileTest, MissingOrUnwritableDirectoryIsAnOpenError) {
  SaveResult r =
      SaveSelectionReport((dir_ / "missing").string(), FirstSelection(), Catalog(), kSaveTime, "홍길동", kAll);
  EXPECT_EQ(r.status, SaveStatus::OpenError);
  EXPECT_EQ(KoreanText(r.message), "File Open Error!");
  EXPECT_TRUE(Entries().empty());

  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  if (access(dir_.c_str(), W_OK) == 0) {
    GTEST_SKIP() << "permission bits do not stop this user (root): the missing directory above "
                    "covers the failed open";
  }
  r = Save(FirstSelection(), "홍길동");
  EXPECT_EQ(r.status, SaveStatus::OpenError);
  EXPECT_EQ(KoreanText(r.message), "File Open Error!");
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ReportFileTest, NamedPipeOrDeviceIsRefusedNotWritten) {
  // A named pipe without a reader would block the save for ever; a device (through a link to
  // /dev/full) would take the report or fail. Both are refused before anything is written, and
  // stay what they were.
  const fs::path pipe = dir_ / "2020-3-5 14시7분9초(홍길동).xls";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  SaveResult r = Save(FirstSelection(), "홍길동");
  EXPECT_EQ(r.status, SaveStatus::OpenError);
  EXPECT_EQ(KoreanText(r.message), "File Open Error!");
  EXPECT_NE(r.reason.find("named pipe"), std::string::npos) << r.reason;
  EXPECT_TRUE(fs::is_fifo(pipe));
  fs::remove(pipe);

  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  fs::create_symlink("/dev/full", pipe);
  r = Save(FirstSelection(), "홍길동");
  EXPECT_EQ(r.status, SaveStatus::OpenError);
  EXPECT_NE(r.reason.find("device"), std::string::npos) << r.reason;
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

// Lets the file grow only to `limit` bytes, so that a write stops halfway; restores the limit.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of the signal
    rlimit lowered = saved_;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t previousHandler_;
};

TEST_F(ReportFileTest, WriteThatStopsHalfwayLeavesTheFileAsItWas) {
  const fs::path file = dir_ / "2020-3-5 14시7분9초(홍길동).xls";
  const std::string earlier = ExpectedFirstReport();
  WriteBytes(file, earlier);
  SaveResult r;
  {
    const FileSizeLimit limit(earlier.size() + 700);
    r = Save(FirstSelection(), "홍길동");
  }
  EXPECT_EQ(r.status, SaveStatus::WriteError);
  EXPECT_EQ(KoreanText(r.message), "File Write Error!");
  EXPECT_EQ(ReadBytes(file), earlier);

  // A new file that cannot take the report is cut back to nothing.
  fs::remove(file);
  {
    const FileSizeLimit limit(100);
    r = Save(FirstSelection(), "홍길동");
  }
  EXPECT_EQ(r.status, SaveStatus::WriteError);
  EXPECT_EQ(fs::file_size(file), 0u);
}

// Six saves at once into one file that can take two more reports: whatever the order, the two
// that fit are confirmed and stay whole, and the four that fail leave no byte of theirs behind.
TEST_F(ReportFileTest, ConcurrentSavesIntoAFullFileKeepEveryConfirmedReport) {
  const fs::path file = dir_ / "2020-3-5 14시7분9초(홍길동).xls";
  const std::string earlier = "earlier\r\n";
  const std::string report = ExpectedFirstReport();
  constexpr int kWriters = 6;
  constexpr int kFitting = 2;
  for (int round = 0; round < 40; ++round) {
    WriteBytes(file, earlier);
    std::vector<SaveStatus> statuses(kWriters);
    {
      const FileSizeLimit limit(earlier.size() + kFitting * report.size() + report.size() / 2);
      std::latch start(kWriters);
      std::vector<std::thread> writers;
      for (int i = 0; i < kWriters; ++i) {
        writers.emplace_back([&, i] {
          start.arrive_and_wait();
          statuses[i] = Save(FirstSelection(), "홍길동").status;
        });
      }
      for (std::thread& w : writers) w.join();
    }
    ASSERT_EQ(std::count(statuses.begin(), statuses.end(), SaveStatus::Saved), kFitting) << "round " << round;
    ASSERT_EQ(std::count(statuses.begin(), statuses.end(), SaveStatus::WriteError), kWriters - kFitting);
    const std::string content = ReadBytes(file);
    ASSERT_EQ(content.size(), earlier.size() + kFitting * report.size()) << "round " << round;
    ASSERT_EQ(content, earlier + report + report) << "round " << round;
  }
}

// Runs `body` in a child process in which SIGXFSZ kills, as it does in a program that has not
// asked otherwise, and the file-size limit is `limit`; gives the child's wait status.
int StatusOfChild(rlim_t limit, const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    signal(SIGXFSZ, SIG_DFL);
    rlimit lowered{};
    getrlimit(RLIMIT_FSIZE, &lowered);
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
    _exit(body());
  }
  int status = -1;
  waitpid(pid, &status, 0);
  return status;
}

// A save that meets the file-size limit halfway fails and leaves the file as it was, in a
// process prepared for reports, instead of being killed with half a report written.
TEST_F(ReportFileTest, FileSizeLimitMakesAPreparedProcessReportAWriteError) {
  const fs::path file = dir_ / "2020-3-5 14시7분9초(홍길동).xls";
  const std::string earlier = ExpectedFirstReport();
  WriteBytes(file, earlier);
  const int status = StatusOfChild(earlier.size() + 700, [&] {
    PrepareProcessForReports();
    const SaveResult r = Save(FirstSelection(), "홍길동");
    return r.status == SaveStatus::WriteError && KoreanText(r.message) == "File Write Error!" ? 0 : 1;
  });
  ASSERT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save was not a write error";
  EXPECT_EQ(ReadBytes(file), earlier);

#ifdef BRIVANE_CLI
  // The command line is such a program.
  const std::string dir = dir_.string();
  const int cli = StatusOfChild(earlier.size() + 700, [&] {
    const int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, STDOUT_FILENO);
    dup2(devnull, STDERR_FILENO);
    execl(BRIVANE_CLI, BRIVANE_CLI, "report", "--nickname", "홍길동", "--include", "1,2,3", "--at",
          "2020-03-05T14:07:09", "--dir", dir.c_str(), "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity",
          "1", static_cast<char*>(nullptr));
    return 127;
  });
  ASSERT_FALSE(WIFSIGNALED(cli)) << "brivane-cli killed by signal " << WTERMSIG(cli);
  EXPECT_TRUE(WIFEXITED(cli) && WEXITSTATUS(cli) == 2) << "exit status of brivane-cli";
  EXPECT_EQ(ReadBytes(file), earlier);
#endif
}

}  // namespace
}  // namespace brivane
