// brivane-cli run in-process through RunCli: edge values of the options, the report's directory
// and nickname, help, alignment and the file-error reasons.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/MoveFile.h"
#include "report/Report.h"
#include "tests/cli/CliInProcess.h"
#include "tests/support/Hangul.h"

namespace {

namespace fs = std::filesystem;

using brivane::test::Cli;
using brivane::test::Result;

std::vector<std::string> Cat(std::vector<std::string> a, std::initializer_list<std::string> b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<std::string> kSelect{"select", "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"};

std::string JsonError(const Result& r) {
  rapidjson::Document d;
  d.Parse(r.out.c_str());
  if (d.HasParseError() || !d.IsObject() || !d.HasMember("error")) return {};
  return d["error"].GetString();
}

// A directory of its own under the system's temporary directory, removed afterwards.
class TempDir {
 public:
  TempDir() : path_(fs::temp_directory_path() / ("brivane-cli-run-" + std::to_string(::getpid()) + "-" + Next())) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }
  std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(path_))
      if (e.is_regular_file()) files.push_back(e.path());
    return files;
  }

 private:
  static std::string Next() {
    static int n = 0;
    return std::to_string(++n);
  }
  fs::path path_;
};

// Values at the edges of what the options take: the limit lists, the float range and numbers no
// int holds (which once went through an out-of-range conversion).
TEST(CliRun, OptionValuesAtTheEdges) {
  struct Case {
    std::vector<std::string> extra;
    int status;
    std::string error;  // the JSON error of a stop; empty when the selection completes
  };
  const std::string noLimits = "사용률 허용치를 설정하여 주시기 바랍니다!";
  const std::vector<Case> cases{
      // Only the texts of the list items select a position.
      {{"--rated", "25", "--peak", "100"}, 0, ""},
      {{"--rated", "69.999999"}, 2, noLimits},
      {{"--rated", "70.000001"}, 2, noLimits},
      {{"--rated", "70.0"}, 2, noLimits},
      {{"--peak", "8e1"}, 2, noLimits},
      {{"--peak", "080"}, 2, noLimits},
      {{"--peak", "2147483648"}, 2, noLimits},
      {{"--rated", "1e10"}, 2, noLimits},
      {{"--rated", "-2147483649"}, 2, noLimits},
      {{"--rated", "7O"}, 64, ""},
      // The largest float is a number like any other and reaches the input checks.
      {{"--velocity", "3.4028235e38"}, 2, "최대 속도의 설정값이 잘못되었습니다!"},
      {{"--mass", "-3.4028235e38"}, 2, "부하 질량의 설정값이 잘못되었습니다!"},
      {{"--velocity", "3.4028236e38"}, 64, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = kSelect;
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    args.push_back("--json");
    const Result r = Cli(args);
    const std::string what = c.extra[0] + " " + c.extra[1];
    EXPECT_EQ(r.status, c.status) << what << "\n" << r.out << r.err;
    if (c.status != 64) {
      EXPECT_EQ(JsonError(r), c.error) << what;
    }
  }
}

const std::vector<std::string> kReport{"report",    "--at", "2020-03-05T14:07:09", "--mass", "1", "--stroke", "500",
                                       "--accel-g", "1",    "--velocity",          "1"};

// "link/.." is the parent of the link's target, not the directory that holds the link.
TEST(CliRun, ReportDirectoryThroughASymbolicLinkIsTakenAsGiven) {
  const TempDir tmp;
  fs::create_directories(tmp.path() / "a" / "b");
  fs::create_directory_symlink(fs::path("a") / "b", tmp.path() / "link");
  const Result r = Cli(Cat(kReport, {"--nickname", "n", "--dir", (tmp.path() / "link" / "..").string()}));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<fs::path> files = tmp.Files();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].parent_path(), tmp.path() / "a");
  // The printed path names the same file.
  EXPECT_TRUE(fs::equivalent(r.out.substr(0, r.out.size() - 1), files[0])) << r.out;
}

// A control character in a nickname would break the report's CR LF lines: refused, nothing
// written.
TEST(CliRun, NicknameWithAControlCharacterIsRefused) {
  for (const char* nickname : {"a\nb", "a\r\nb", "a\tb", "\x7f", "\x1b[1m"}) {
    const TempDir tmp;
    const Result r = Cli(Cat(kReport, {"--nickname", nickname, "--dir", tmp.path().string()}));
    EXPECT_EQ(r.status, 2) << nickname;
    EXPECT_NE(r.err.find("제어 문자"), std::string::npos) << r.err;
    EXPECT_TRUE(tmp.Files().empty()) << nickname;
  }
}

// Every command's help names the command, and every option it lists is one the command takes.
TEST(CliRun, HelpListsOnlyOptionsThatWork) {
  for (const std::string command : {"catalog", "select", "check", "report"}) {
    const Result help = Cli({command, "--help"});
    ASSERT_EQ(help.status, 0) << command;
    EXPECT_NE(help.out.find("Usage: brivane-cli " + command + " "), std::string::npos) << help.out;
    std::istringstream lines(help.out);
    int listed = 0;
    for (std::string line; std::getline(lines, line);) {
      // "  --mass KG   Load mass ..." or "  --json   Write ..." or "  -h,--help   Print ...".
      const std::size_t at = line.find("--");
      if (line.rfind("  ", 0) != 0 || at == std::string::npos || at > 5) continue;
      const std::size_t end = line.find(' ', at);
      const std::string option = line.substr(at, end - at);
      const bool takesValue = end + 1 < line.size() && std::isupper(static_cast<unsigned char>(line[end + 1]));
      std::vector<std::string> args{command, option};
      if (takesValue) args.push_back("1");
      if (option != "--help") args.push_back("--help");  // parsed, then help instead of a run
      const Result r = Cli(args);
      EXPECT_EQ(r.status, 0) << command << " " << option << ": " << r.err;
      ++listed;
    }
    EXPECT_GE(listed, 2) << help.out;
    EXPECT_EQ(Cli({command, "--help-all"}).status, 64) << command;
  }
  // --help-all at the top: every command's help.
  const Result all = Cli({"--help-all"});
  EXPECT_EQ(all.status, 0);
  for (const char* command : {"catalog", "select", "check", "report"})
    EXPECT_NE(all.out.find(std::string("Usage: brivane-cli ") + command), std::string::npos) << command;
}

// Columns as a terminal shows them: a Hangul syllable takes two.
std::size_t Columns(std::string_view text) {
  std::size_t columns = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    // U+AC00..U+D7A3 are EA B0 80 .. ED 9E A3.
    const bool syllable = length == 3 && lead >= 0xEA && lead <= 0xED;
    columns += syllable ? 2 : 1;
    i += length;
  }
  return columns;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CliRun, TextTablesAlignWithHangul) {
  // select: the model column and the duty columns start at the same terminal column in the
  // header and in every series row.
  const std::vector<std::string> select = Lines(Cli(kSelect).out);
  ASSERT_EQ(select.size(), 5u);
  for (const std::string_view word : {"CL-01", "IC-03", "VC-01"}) {
    const std::size_t row = word == "CL-01" ? 1 : word == "IC-03" ? 2 : 3;
    EXPECT_EQ(Columns(select[row].substr(0, select[row].find(word))),
              Columns(select[0].substr(0, select[0].find("model"))))
        << select[row];
  }
  EXPECT_EQ(Columns(select[1].substr(0, select[1].find("23.6"))), Columns(select[0].substr(0, select[0].find("최대"))));
  // check: every value starts in the same column after its Hangul label.
  std::vector<std::string> check =
      Lines(Cli(Cat({"check", "CL-01"}, {"--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"})).out);
  ASSERT_GE(check.size(), 14u);
  for (std::size_t i = 1; i < check.size(); ++i) {
    const std::string& line = check[i];
    const std::size_t value = line.find_first_not_of(' ', line.find("  "));
    EXPECT_EQ(Columns(line.substr(0, value)), 14u) << line;
  }
}

TEST(CliRun, VersionAndReportJson) {
  EXPECT_EQ(Cli({"--version"}).out, std::string("brivane-cli ") + BRIVANE_VERSION + "\n");

  const TempDir tmp;
  Result r = Cli(Cat(kReport, {"--nickname", "n", "--dir", tmp.path().string(), "--json"}));
  ASSERT_EQ(r.status, 0) << r.err;
  rapidjson::Document d;
  d.Parse(r.out.c_str());
  ASSERT_TRUE(d.IsObject()) << r.out;
  ASSERT_EQ(tmp.Files().size(), 1u);
  EXPECT_EQ(fs::path(d["path"].GetString()), tmp.Files()[0]);

  // A file error: the fixed message, and beside it on stderr the system's reason and the path.
  const fs::path missing = tmp.path() / "missing";
  r = Cli(Cat(kReport, {"--nickname", "n", "--dir", missing.string(), "--json"}));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(JsonError(r), "File Open Error!");
  EXPECT_NE(r.err.find(missing.string()), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("No such file or directory"), std::string::npos) << r.err;
  r = Cli(Cat(kReport, {"--nickname", "n", "--dir", missing.string()}));
  EXPECT_EQ(r.err.rfind("File Open Error!\n", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("No such file or directory"), std::string::npos) << r.err;
}

TEST(CliRun, UnknownModelIsNamed) {
  const std::vector<std::string> check{"check", "CL-1",      "--mass", "1",          "--stroke",
                                       "500",   "--accel-g", "1",      "--velocity", "1"};
  Result r = Cli(Cat(check, {"--json"}));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(JsonError(r), "Motor가 선택되지 않았습니다.");
  EXPECT_NE(r.err.find("'CL-1'"), std::string::npos) << r.err;
  // No model named at all: the form's message alone.
  std::vector<std::string> none = check;
  none[1] = "";
  r = Cli(none);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Motor가 선택되지 않았습니다.\n");
}

// A move file stands for the options it holds; options beside it override its values.
TEST(CliRun, MoveFileGivesTheMoveTheLimitsAndTheModel) {
  const TempDir tmp;
  brivane::FormValues form;
  form.move.loadMass = 1.5f;
  form.move.distanceMm = 600;
  form.move.accelMode = brivane::AccelMode::Time;
  form.move.accelValue = 120;
  form.move.peakVelocity = 1.2f;
  form.move.dwellMs = 50;
  form.ratedPosition = 8;  // 65 %
  form.peakPosition = 12;  // 85 %
  form.ambient = "25.6";
  form.model = "IC-02";
  const std::string file = (tmp.path() / "a.brivane").string();
  std::ofstream(file) << brivane::MoveToJson(form);
  const std::vector<std::string> same{"--mass", "1.5",        "--stroke", "600",     "--accel-ms",
                                      "120",    "--velocity", "1.2",      "--dwell", "50"};
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases{
      {{"select", "--move", file}, {"select", "--rated", "65", "--peak", "85"}},
      {{"check", "--move", file}, {"check", "IC-02", "--ambient", "25.6", "--rated", "65", "--peak", "85"}},
      {{"check", "CL-01", "--move", file, "--ambient", "30"},
       {"check", "CL-01", "--ambient", "30", "--rated", "65", "--peak", "85"}},
      {{"select", "--move", file, "--mass", "3", "--accel-g", "1", "--rated", "70"},
       {"select", "--mass", "3", "--stroke", "600", "--accel-g", "1", "--velocity", "1.2", "--dwell", "50", "--rated",
        "70", "--peak", "85"}},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    std::vector<std::string> spelled = cases[i].second;
    if (i < 3) spelled.insert(spelled.end(), same.begin(), same.end());
    const Result a = Cli(Cat(cases[i].first, {"--json"}));
    const Result b = Cli(Cat(spelled, {"--json"}));
    EXPECT_EQ(a.status, b.status) << i << " " << a.err;
    EXPECT_EQ(a.out, b.out) << i;
  }

  // A list without a selection in the file stays without one.
  form.ratedPosition.reset();
  std::ofstream(file) << brivane::MoveToJson(form);
  EXPECT_EQ(JsonError(Cli({"select", "--move", file, "--json"})), "사용률 허용치를 설정하여 주시기 바랍니다!");
}

TEST(CliRun, RefusedMoveFileIsAUsageErrorNamingFileAndField) {
  const TempDir tmp;
  const std::string file = (tmp.path() / "bad.brivane").string();
  std::string text = brivane::MoveToJson(brivane::FormValues{});
  text.replace(text.find("\"peakVelocity\""), 14, "\"peakVelocityX\"");
  std::ofstream(file) << text;
  for (const std::string command : {"select", "check", "report"}) {
    std::vector<std::string> args{command, "--move", file};
    if (command == "report") args.insert(args.end(), {"--nickname", "n", "--dir", tmp.path().string()});
    const Result r = Cli(args);
    EXPECT_EQ(r.status, 64) << command;
    EXPECT_NE(r.err.find(file), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("move.peakVelocity"), std::string::npos) << r.err;
  }
  const Result missing = Cli({"select", "--move", file + "x"});
  EXPECT_EQ(missing.status, 64);
  EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;
  EXPECT_EQ(tmp.Files().size(), 1u);  // no report written
}

}  // namespace

namespace {

using brivane::testing::HasHangul;

// Runs in every text output: the worked ones, one with a message on stderr and ones that stop.
struct LanguageCase {
  std::vector<std::string> args;
  std::vector<std::string> english;  // texts the window shows in English, expected in the output
};

const std::vector<LanguageCase>& LanguageCases() {
  static const std::vector<LanguageCase> cases{
      {Cat({"select"}, {"--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"}),
       {"Rated duty(%)", "Peak duty(%)", "Double-sided (Coreless)", "Single-sided (Vela-Series)"}},
      {Cat(kSelect, {"--rated", "25", "--peak", "25"}), {"The recommended duty ratios are 70% rated and 80% peak."}},
      {{"select"}, {"The peak acceleration is set wrong!"}},
      {Cat({"check", "CL-01"}, {"--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"}),
       {"RMS thrust", "Constant-speed distance", "Coil", "Double-sided (Coreless)"}},
      {{"check", "CL-01", "--mass", "1", "--stroke", "5", "--accel-g", "1", "--velocity", "1"},
       {"The peak acceleration or the peak velocity is wrong; please correct it."}},
      {Cat({"rank"}, {"--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"}),
       {"Verdict", "Load headroom(kg)", "Copper loss(W)", "selected", "does not fit"}},
      {{"rank"}, {"The peak acceleration is set wrong!"}},
      {{"report", "--nickname", "x", "--velocity", "-1"}, {"The peak acceleration is set wrong!"}},
      {{"cycle", BRIVANE_SOURCE_DIR "/tests/cli/data/short-strokes.brivane-cycle", "--model", "IC-03"},
       {"Segment", "Profile", "Cycle time", "RMS thrust(N)", "Payload headroom(kg)", "does not fit",
        "Segment 1 has no constant-velocity phase", "does not return to its start: one cycle moves it 5.000 mm"}},
      {{"cycle", BRIVANE_SOURCE_DIR "/tests/cli/data/too-fast.brivane-cycle"},
       {"Segment 2: velocity 35 is out of range: 0 < velocity ≤ 30 m/s"}},
      {{"cycle", "--from-move", "--mass", "1"}, {"The peak acceleration is set wrong!"}},
  };
  return cases;
}

}  // namespace

// --lang en: the same run in the window's English, without a Korean letter, wherever the option
// stands; Korean (the default) stays as it was.
TEST(CliRun, EnglishTextOutput) {
  for (const LanguageCase& c : LanguageCases()) {
    const Result korean = Cli(c.args);
    std::vector<std::string> koArgs = c.args;
    koArgs.insert(koArgs.begin() + 1, {"--lang", "ko"});
    const Result ko = Cli(koArgs);
    EXPECT_EQ(ko.out + ko.err, korean.out + korean.err) << c.args[0];

    std::vector<std::string> before{"--lang", "en"};
    before.insert(before.end(), c.args.begin(), c.args.end());
    std::vector<std::string> after = c.args;
    after.emplace_back("--lang=en");
    const Result en = Cli(before);
    const Result enAfter = Cli(after);
    const std::string text = en.out + en.err;
    EXPECT_EQ(en.status, korean.status) << text;
    EXPECT_EQ(enAfter.out + enAfter.err, text);
    EXPECT_FALSE(HasHangul(text)) << text;
    EXPECT_TRUE(HasHangul(korean.out + korean.err)) << korean.out + korean.err;
    for (const std::string& english : c.english)
      EXPECT_NE(text.find(english), std::string::npos) << english << "\n" << text;
    // The same number of lines: a translation, not another output.
    EXPECT_EQ(Lines(en.out).size(), Lines(korean.out).size()) << text;
  }
}

// JSON (and rank's CSV) stay byte for byte what they are, Korean texts included.
TEST(CliRun, EnglishLeavesJsonAndCsvAlone) {
  std::vector<std::vector<std::string>> runs{
      {"catalog", "--json"},
      Cat({"rank"}, {"--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1", "--csv"})};
  for (const LanguageCase& c : LanguageCases()) runs.push_back(Cat(c.args, {"--json"}));
  for (const std::vector<std::string>& args : runs) {
    const Result korean = Cli(args);
    const Result english = Cli(Cat(args, {"--lang", "en"}));
    EXPECT_EQ(english.status, korean.status);
    EXPECT_EQ(english.out, korean.out) << args[0];
    EXPECT_EQ(english.err, korean.err) << args[0];
  }
}

TEST(CliRun, UnknownLanguageIsAUsageError) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--lang", "de", "catalog"},
                                                                                    {"--lang=", "catalog"},
                                                                                    {"--lang"},
                                                                                    Cat(kSelect, {"--lang", "EN"}),
                                                                                    {"catalog", "--lang=ko-KR"}}) {
    const Result r = Cli(args);
    EXPECT_EQ(r.status, 64) << args.back();
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_NE(r.err.find("--lang"), std::string::npos) << r.err;
  }
}
// Bytes that are not UTF-8, in a directory or a nickname, still give valid JSON: they are
// replaced, and the object says so. Control characters in names echoed to a terminal are shown,
// not obeyed.
TEST(CliRun, HostileBytesGiveValidJsonAndInertText) {
  const TempDir tmp;
  const std::string dir = (tmp.path() / "d\xFF").string();
  fs::create_directory(dir);
  const std::vector<std::string> report{"report", "--at", "2020-03-05T14:07:09", "--mass", "1", "--stroke", "500",
                                        "--accel-g", "1", "--velocity", "1", "--json"};
  for (const std::vector<std::string>& args :
       {Cat(report, {"--dir", dir, "--nickname", "n"}), Cat(report, {"--dir", tmp.path().string(), "--nickname", "\xFF"})}) {
    const Result r = Cli(args);
    rapidjson::Document d;
    d.Parse<rapidjson::kParseValidateEncodingFlag>(r.out.c_str());
    ASSERT_FALSE(d.HasParseError()) << r.out;
    EXPECT_TRUE(d["invalidUtf8Replaced"].GetBool()) << r.out;
    EXPECT_NE(std::string(d["path"].GetString()).find("\xEF\xBF\xBD"), std::string::npos) << r.out;
  }
  const Result plain = Cli(Cat(kSelect, {"--json"}));
  EXPECT_EQ(plain.out.find("invalidUtf8Replaced"), std::string::npos);

  for (const std::string& hostile : {std::string("\x1B]0;owned\x07"), std::string("X\0\x1B[2J", 5)}) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"check", hostile, "--mass", "1", "--stroke",
                                                                          "500", "--accel-g", "1", "--velocity", "1"},
                                                 std::vector<std::string>{"select", "--mass", hostile},
                                                 std::vector<std::string>{hostile}}) {
      const Result r = Cli(args);
      EXPECT_NE(r.status, 0);
      EXPECT_EQ(r.err.find('\x1B'), std::string::npos) << r.err;
      EXPECT_EQ(r.err.find('\0'), std::string::npos) << r.err;
      EXPECT_NE(r.err.find("\\x1B"), std::string::npos) << r.err;
    }
  }
}

// A named pipe, a device or a directory given as the move file is refused at once, naming it.
TEST(CliRun, MoveFileThatIsNoRegularFileIsRefusedAtOnce) {
  const TempDir tmp;
  const fs::path pipe = tmp.path() / "f";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  for (const auto& [path, says] : {std::pair{pipe.string(), "named pipe"}, std::pair{std::string("/dev/zero"), "device"},
                                   std::pair{tmp.path().string(), "irectory"}}) {
    for (const char* command : {"select", "check", "rank", "report"}) {
      std::vector<std::string> args{command, "--move", path};
      if (std::string_view(command) == "report") args = Cat(args, {"--nickname", "n", "--dir", tmp.path().string()});
      const Result r = Cli(args);
      EXPECT_EQ(r.status, 64) << command << " " << path;
      EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
      EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
    }
  }
  EXPECT_TRUE(fs::is_fifo(pipe));
}
