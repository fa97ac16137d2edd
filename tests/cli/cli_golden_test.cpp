// Every command of brivane-cli on the worked examples, compared byte for byte with what the
// program wrote when the expectations were recorded: exit status, stdout, stderr and every file
// a run leaves in its (fresh, empty) working directory.
//
// The expectations live in tests/cli/golden/<case>.golden. To record them again after an
// intended change of output, run the test with BRIVANE_UPDATE_GOLDEN=1 and review the diff
// (BRIVANE_GOLDEN_PROGRAM=<path> records what another build of brivane-cli writes).
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct GoldenCase {
  const char* name;
  std::vector<std::string> args;
  // Files of the source tree put beside the run's directory, so that the arguments name them as
  // "../<file name>".
  std::vector<std::string> inputs = {};
  // A file of the source tree as stdin (batch's requests); empty stdin otherwise.
  std::string stdinFile = {};
};

// How a failing case is named in the test log: its arguments.
void PrintTo(const GoldenCase& c, std::ostream* os) {
  for (const std::string& a : c.args) *os << "[" << a << "] ";
}

const std::vector<std::string> kMove{"--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"};

std::vector<std::string> With(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

// Each command in its text and its JSON form where it has one.
std::vector<GoldenCase> Cases() {
  const std::vector<std::string> timeMove{"--mass",     "2.5",        "--stroke", "800",     "--accel-ms",
                                          "100",        "--velocity", "1.5",      "--dwell", "200",
                                          "--friction", "0.2",        "--safety", "1.5"};
  const std::vector<std::string> heavy{"--mass", "200", "--stroke", "500", "--accel-g", "1", "--velocity", "1"};
  const std::vector<std::string> nothingFits{"--mass",     "3000", "--stroke",   "100000", "--accel-g", "50",
                                             "--velocity", "30",   "--friction", "10",     "--safety",  "20"};
  const std::vector<std::string> shortStroke{"--mass", "1", "--stroke", "100", "--accel-g", "1", "--velocity", "1"};
  const std::vector<std::string> twoRamps{"--mass", "1", "--stroke", "100", "--accel-ms", "100", "--velocity", "1"};
  const std::vector<std::string> at{"--at", "2020-03-05T14:07:09"};
  const std::vector<std::string> shortForVelocity{"--mass", "5", "--stroke", "10", "--accel-g", "0.1", "--velocity", "5"};
  std::vector<GoldenCase> cases{
      {"catalog", {"catalog"}},
      {"select-worked", With({"select"}, kMove)},
      {"select-time-mode", With({"select"}, timeMove)},
      {"select-series-without-fit", With({"select"}, heavy)},
      {"select-not-recommended", With(With({"select"}, kMove), {"--rated", "25", "--peak", "25"})},
      {"select-limit-not-listed", With(With({"select"}, kMove), {"--rated", "72"})},
      {"select-defaults", {"select"}},
      {"select-nothing-fits", With({"select"}, nothingFits)},
      {"select-ramp-too-short",
       With({"select"}, {"--mass", "1", "--stroke", "500", "--accel-ms", "9.9", "--velocity", "1"})},
      {"select-equals-form", {"select", "--mass=1", "--stroke=500", "--accel-g=1", "--velocity=1"}},
      {"select-last-value-wins", With({"select", "--mass", "2"}, kMove)},
      {"select-negative-value", {"select", "--mass", "-1"}},
      {"check-worked", With({"check", "CL-01"}, kMove)},
      {"check-ic02", With({"check", "IC-02"}, kMove)},
      {"check-vela-ambient", With(With({"check", "VC-05"}, timeMove), {"--ambient", "25.6"})},
      {"check-ambient-text", With({"check", "CL-01", "--ambient", "abc"}, kMove)},
      {"check-stroke-too-short", With({"check", "CL-01"}, shortStroke)},
      {"check-two-ramps", With({"check", "CL-01"}, twoRamps)},
      {"check-unknown-model", With({"check", "XX-99"}, kMove)},
      {"check-empty-model", With({"check", ""}, kMove)},
      {"check-model-after-dashes", With(With({"check"}, kMove), {"--", "CL-02"})},
      {"rank-worked", With({"rank"}, kMove)},
      {"rank-fitting-sorted",
       With(With({"rank", "--fitting", "--series", "1,3", "--sort", "rated-margin"}, timeMove), {"--ambient", "25"})},
      {"rank-by-headroom", With(With({"rank", "--sort", "headroom", "--rated", "50", "--peak", "60"}, heavy), {})},
      {"rank-stopped", {"rank"}},
      // A stroke too short for the peak velocity is rated as it stands, and said so; a model in
      // another letter case; a limit the list does not hold gives no fit verdict.
      {"select-stroke-short-for-velocity", With({"select"}, shortForVelocity)},
      {"rank-stroke-short-for-velocity", With({"rank", "--fitting", "--series", "1"}, shortForVelocity)},
      {"check-model-any-case", With({"check", "cl-07"}, kMove)},
      {"check-limit-not-listed", With({"check", "CL-01", "--rated", "72"}, kMove)},
  };
  // The same commands with --json.
  const std::size_t plain = cases.size();
  for (std::size_t i = 0; i < plain; ++i) {
    cases.push_back({nullptr, With(cases[i].args, {"--json"})});
  }
  const std::vector<GoldenCase> more{
      {"report-worked", With(With({"report", "--nickname", "홍길동", "--include", "1,2,3"}, at), kMove)},
      {"report-two-sheets", With(With({"report", "--nickname", "kim", "--include", "1,3"}, at), timeMove)},
      {"report-no-sheets", With(With({"report", "--nickname", "", "--include", ""}, at), heavy)},
      {"report-into-dir", With(With({"report", "--nickname", "a", "--dir", "sub"}, at), kMove)},
      {"report-separator", With(With({"report", "--nickname", "../a"}, at), kMove)},
      {"report-not-cp949", With(With({"report", "--nickname=😀"}, at), kMove)},
      {"report-nothing-fits", With(With({"report", "--nickname", "a"}, at), nothingFits)},
      {"report-limit-not-listed", With(With({"report", "--nickname", "a", "--rated", "72"}, at), kMove)},
      {"report-missing-dir", With(With({"report", "--nickname", "a", "--dir", "none"}, at), kMove)},
      {"usage-none", {}},
      {"usage-help", {"--help"}},
      {"usage-help-word", {"help"}},
      {"usage-unknown-command", {"frobnicate"}},
      {"usage-unknown-option", {"select", "--bogus"}},
      {"usage-unknown-option-value", {"select", "--bogus=1"}},
      {"usage-unknown-short", {"select", "-x"}},
      {"usage-single-dash-word", {"catalog", "-json"}},
      {"usage-missing-value", {"select", "--mass"}},
      {"usage-flag-value", {"select", "--json=1"}},
      {"usage-not-finite", {"select", "--mass", "nan"}},
      {"usage-beyond-float", {"select", "--velocity", "1e39"}},
      {"usage-not-a-number", {"check", "CL-01", "--safety", "abc"}},
      {"usage-stroke-fraction", {"select", "--stroke", "1.5"}},
      {"usage-stroke-beyond-int", {"select", "--stroke", "99999999999"}},
      {"usage-both-accel", With({"select", "--accel-ms", "100"}, kMove)},
      {"usage-limit-text", {"select", "--peak", "abc"}},
      {"usage-check-no-model", {"check"}},
      {"usage-check-two-models", {"check", "CL-01", "CL-02"}},
      {"usage-positional", {"select", "extra"}},
      {"usage-positional-after-dashes", {"select", "--", "--mass"}},
      {"usage-catalog-positional", {"catalog", "extra"}},
      {"usage-report-no-nickname", With({"report"}, kMove)},
      {"usage-report-include", With({"report", "--nickname", "a", "--include", "1,4"}, kMove)},
      {"usage-report-at", With({"report", "--nickname", "a", "--at", "2020-02-30T00:00:00"}, kMove)},
      {"rank-csv", With({"rank", "--series", "2", "--csv"}, kMove)},
      {"usage-rank-sort", With({"rank", "--sort", "bogus"}, kMove)},
      {"usage-rank-series", With({"rank", "--series", "1,4"}, kMove)},
      {"usage-rank-json-and-csv", With({"rank", "--json", "--csv"}, kMove)},
      // Every command's help, and the corners of reading the arguments: letters after -h, a flag
      // given "true", a number with a dash as the model, a value that looks like an option.
      {"usage-help-all", {"--help-all"}},
      {"usage-check-help", {"check", "--help"}},
      {"usage-help-then-letter", {"select", "-hx"}},
      {"select-flag-true", With({"select", "--json=true"}, kMove)},
      {"check-dash-number-model", With({"check", "-1"}, kMove)},
      {"usage-option-as-value", {"select", "--move", "--json"}},
      // cycle: the model page's examples, each output form, the trace, the conversion of a move,
      // warnings, a refused cycle and a refused file.
      {"cycle-pick-and-place",
       {"cycle", "../pick-and-place.brivane-cycle", "--series", "1"},
       {"docs/examples/pick-and-place.brivane-cycle"}},
      {"cycle-vertical-axis-json",
       {"cycle", "../vertical-axis.brivane-cycle", "--model", "IC-08", "--json"},
       {"docs/examples/vertical-axis.brivane-cycle"}},
      {"cycle-press-model-en",
       {"cycle", "../press.brivane-cycle", "--model", "CL-21", "--lang", "en"},
       {"docs/examples/press.brivane-cycle"}},
      {"cycle-fitting-sorted-csv",
       {"cycle", "../pick-and-place.brivane-cycle", "--fitting", "--series", "2,3", "--sort", "headroom", "--csv"},
       {"docs/examples/pick-and-place.brivane-cycle"}},
      {"cycle-trace",
       {"cycle", "../press.brivane-cycle", "--trace", "CL-21", "--step", "50"},
       {"docs/examples/press.brivane-cycle"}},
      {"cycle-warnings",
       {"cycle", "../short-strokes.brivane-cycle", "--model", "IC-03"},
       {"tests/cli/data/short-strokes.brivane-cycle"}},
      {"cycle-warnings-json",
       {"cycle", "../short-strokes.brivane-cycle", "--model", "IC-03", "--json"},
       {"tests/cli/data/short-strokes.brivane-cycle"}},
      {"cycle-refused", {"cycle", "../too-fast.brivane-cycle"}, {"tests/cli/data/too-fast.brivane-cycle"}},
      {"cycle-refused-json",
       {"cycle", "../too-fast.brivane-cycle", "--json"},
       {"tests/cli/data/too-fast.brivane-cycle"}},
      {"cycle-from-move", With({"cycle", "--from-move", "--dwell", "200"}, kMove)},
      {"cycle-from-move-refused", {"cycle", "--from-move", "--mass", "0"}},
      {"usage-cycle-no-file", {"cycle"}},
      {"usage-cycle-from-move-json", {"cycle", "--from-move", "--mass", "1", "--json"}},
      {"usage-cycle-file-refused",
       {"cycle", "../wrong-type.brivane-cycle"},
       {"tests/cli/data/wrong-type.brivane-cycle"}},
      {"usage-cycle-missing-file", {"cycle", "none.brivane-cycle"}},
      {"usage-cycle-move-option",
       {"cycle", "../press.brivane-cycle", "--mass", "1"},
       {"docs/examples/press.brivane-cycle"}},
      // The user's own motors beside the built-in ones, in every command that takes them.
      {"catalog-own-motors",
       {"catalog", "--motors", "../own-motors.brivane-motors"},
       {"docs/examples/own-motors.brivane-motors"}},
      {"catalog-own-motors-only-json",
       {"catalog", "--motors", "../own-motors.csv", "--motors-only", "--json"},
       {"docs/examples/own-motors.csv"}},
      {"rank-own-motors",
       With({"rank", "--series", "3", "--sort", "headroom", "--motors", "../own-motors.csv"}, kMove),
       {"docs/examples/own-motors.csv"}},
      {"rank-own-motors-json",
       With({"rank", "--motors-only", "--motors", "../own-motors.csv", "--json"}, kMove),
       {"docs/examples/own-motors.csv"}},
      {"rank-own-motors-csv",
       With({"rank", "--motors-only", "--motors", "../own-motors.csv", "--csv"}, kMove),
       {"docs/examples/own-motors.csv"}},
      {"check-own-motor",
       With({"check", "LX-150", "--motors", "../own-motors.brivane-motors"}, kMove),
       {"docs/examples/own-motors.brivane-motors"}},
      {"check-own-motor-json",
       With({"check", "LX-150", "--motors", "../own-motors.brivane-motors", "--json"}, kMove),
       {"docs/examples/own-motors.brivane-motors"}},
      {"usage-refused-motors",
       With({"rank", "--motors", "../own-motors.brivane-motors", "--motors", "../own-motors.csv"}, kMove),
       {"docs/examples/own-motors.brivane-motors", "docs/examples/own-motors.csv"}},
      // The drive: a cycle against a bus voltage, the file's drive, the user's motors in a cycle,
      // the bus voltage a move needs in rank, the envelope in each form, and their refusals.
      {"cycle-bus-voltage",
       {"cycle", "../pick-and-place.brivane-cycle", "--series", "1", "--bus-voltage", "48"},
       {"docs/examples/pick-and-place.brivane-cycle"}},
      {"cycle-bus-voltage-en-csv",
       {"cycle", "../pick-and-place.brivane-cycle", "--series", "1", "--bus-voltage", "48", "--csv", "--lang", "en"},
       {"docs/examples/pick-and-place.brivane-cycle"}},
      {"cycle-drive-json",
       {"cycle", "../press.brivane-cycle", "--model", "cl-21", "--json"},
       {"docs/examples/press.brivane-cycle"}},
      {"cycle-own-motors",
       {"cycle", "../vertical-axis.brivane-cycle", "--series", "2", "--fitting", "--motors", "../own-motors.csv"},
       {"docs/examples/vertical-axis.brivane-cycle", "docs/examples/own-motors.csv"}},
      {"cycle-own-motors-json",
       {"cycle", "../vertical-axis.brivane-cycle", "--motors-only", "--motors", "../own-motors.csv", "--json"},
       {"docs/examples/vertical-axis.brivane-cycle", "docs/examples/own-motors.csv"}},
      {"cycle-bus-voltage-refused",
       {"cycle", "../press.brivane-cycle", "--bus-voltage", "-48"},
       {"docs/examples/press.brivane-cycle"}},
      {"usage-cycle-bus-voltage", {"cycle", "../press.brivane-cycle", "--bus-voltage", "48V"}},
      {"rank-bus-voltage", With({"rank", "--series", "1", "--bus-voltage", "48"}, kMove)},
      {"rank-bus-voltage-json", With({"rank", "--series", "1", "--bus-voltage", "48", "--json"}, kMove)},
      {"rank-bus-voltage-refused-json", With({"rank", "--bus-voltage", "0", "--json"}, kMove)},
      {"envelope", {"envelope", "CL-07", "--bus-voltage", "48"}},
      {"envelope-json", {"envelope", "vc-21", "--bus-voltage", "325", "--points", "5", "--coil-temp", "90", "--json"}},
      {"envelope-csv", {"envelope", "IC-08", "--bus-voltage", "560", "--points", "4", "--csv"}},
      {"envelope-own-motor",
       {"envelope", "CL-01-HV", "--bus-voltage", "560", "--points", "3", "--motors", "../own-motors.brivane-motors"},
       {"docs/examples/own-motors.brivane-motors"}},
      {"envelope-bus-refused", {"envelope", "CL-07", "--bus-voltage", "20000"}},
      {"envelope-unknown-model", {"envelope", "XX-99", "--bus-voltage", "48"}},
      {"usage-envelope-no-bus", {"envelope", "CL-07"}},
      {"usage-envelope-points", {"envelope", "CL-07", "--bus-voltage", "48", "--points", "2.5"}},
      {"usage-envelope-points-range", {"envelope", "CL-07", "--bus-voltage", "48", "--points", "100001"}},
      {"usage-envelope-coil-temp", {"envelope", "CL-07", "--bus-voltage", "48", "--coil-temp", "250.5", "--json"}},
      {"usage-envelope-json-csv", {"envelope", "CL-07", "--bus-voltage", "48", "--json", "--csv"}},
      {"envelope-edges", {"envelope", "cl-07", "--bus-voltage", "10000", "--points", "2", "--coil-temp", "-50"}},
      {"usage-envelope-help", {"envelope", "--help"}},
      // select and check as CSV; batch: lines rated, refused and unreadable, JSON Lines and CSV,
      // the user's motors read once, a cycle inline and in a file, the batch's own usage errors.
      {"select-worked-csv", With(With({"select"}, kMove), {"--csv"})},
      {"check-worked-csv", With(With({"check", "CL-01"}, kMove), {"--csv"})},
      {"batch-select", {"batch", "select", "--jobs", "2"}, {}, "tests/cli/data/batch-select.jsonl"},
      {"batch-select-csv", {"batch", "select", "--csv"}, {}, "tests/cli/data/batch-select.csv"},
      {"batch-check-csv",
       {"batch", "check", "--csv", "--motors", "../own-motors.csv"},
       {"docs/examples/own-motors.csv"},
       "tests/cli/data/batch-check.csv"},
      {"batch-rank", {"batch", "rank", "--jobs", "1"}, {}, "tests/cli/data/batch-rank.jsonl"},
      {"batch-cycle", {"batch", "cycle"}, {"docs/examples/press.brivane-cycle"}, "tests/cli/data/batch-cycle.jsonl"},
      {"batch-rank-csv", {"batch", "rank", "--csv"}, {}, "tests/cli/data/batch-rank.csv"},
      {"batch-envelope-csv", {"batch", "envelope", "--csv"}, {}, "tests/cli/data/batch-envelope.csv"},
      {"usage-batch-no-command", {"batch"}},
      {"usage-batch-jobs", {"batch", "rank", "--jobs", "many"}},
      {"usage-batch-csv-header", {"batch", "select", "--csv"}, {}, "tests/cli/data/batch-check.csv"},
  };
  cases.insert(cases.end(), more.begin(), more.end());
  return cases;
}

std::string CaseName(const GoldenCase& c, const std::vector<GoldenCase>& all) {
  if (c.name) return c.name;
  // A JSON twin: the plain case's name with "-json".
  for (const GoldenCase& plain : all) {
    if (plain.name && With(plain.args, {"--json"}) == c.args) return std::string(plain.name) + "-json";
  }
  return "unnamed";
}

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::pair<std::string, std::string>> files;  // name relative to the directory, bytes
};

std::string ReadAll(int fd) {
  std::string text;
  char buf[4096];
  ssize_t n = 0;
  while ((n = ::read(fd, buf, sizeof buf)) > 0) text.append(buf, static_cast<std::size_t>(n));
  return text;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs the program in `dir` with stdin from `in` and stdout and stderr to files there, then
// collects what it wrote.
CliRun RunIn(const fs::path& dir, const std::vector<std::string>& args, const std::string& program,
             const fs::path& in) {
  const fs::path outPath = dir.parent_path() / "stdout";
  const fs::path errPath = dir.parent_path() / "stderr";
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(dir.c_str()) != 0) ::_exit(127);
    if (!std::freopen(in.c_str(), "rb", stdin)) ::_exit(127);
    if (!std::freopen(outPath.c_str(), "wb", stdout) || !std::freopen(errPath.c_str(), "wb", stderr)) ::_exit(127);
    std::vector<char*> argv;
    std::string path = program;
    argv.push_back(path.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(path.c_str(), argv.data());
    ::_exit(127);
  }
  CliRun r;
  int raw = 0;
  ::waitpid(pid, &raw, 0);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadFile(outPath);
  r.err = ReadFile(errPath);
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) r.files.emplace_back(fs::relative(entry.path(), dir).string(), ReadFile(entry.path()));
  }
  std::sort(r.files.begin(), r.files.end());
  return r;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// The run as one text: sections with their byte counts, so that any byte (CP949, CR LF, a
// missing last line end) is compared exactly. The run's directory reads as "$DIR".
std::string Describe(const GoldenCase& c, CliRun r, const fs::path& dir) {
  ReplaceAll(r.out, dir.string(), "$DIR");
  ReplaceAll(r.err, dir.string(), "$DIR");
  std::string text = "#";
  for (const std::string& a : c.args) text += " [" + a + "]";
  if (!c.stdinFile.empty()) text += " < " + c.stdinFile;
  text += "\nstatus " + std::to_string(r.status) + "\n";
  text += "stdout " + std::to_string(r.out.size()) + "\n" + r.out + "\n";
  text += "stderr " + std::to_string(r.err.size()) + "\n" + r.err + "\n";
  for (const auto& [name, bytes] : r.files)
    text += "file " + name + " " + std::to_string(bytes.size()) + "\n" + bytes + "\n";
  return text;
}

class CliGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CliGolden, OutputMatchesRecording) {
  static const std::vector<GoldenCase> all = Cases();
  const std::string name = CaseName(GetParam(), all);
  const fs::path base = fs::temp_directory_path() / ("brivane-golden-" + std::to_string(::getpid()) + "-" + name);
  fs::remove_all(base);
  const fs::path dir = base / "run";
  fs::create_directories(dir / "sub");
  for (const std::string& input : GetParam().inputs)
    fs::copy_file(fs::path(BRIVANE_SOURCE_DIR) / input, base / fs::path(input).filename());
  // Recording may use another build of the program (an earlier version, say): BRIVANE_GOLDEN_PROGRAM.
  const char* program = std::getenv("BRIVANE_GOLDEN_PROGRAM");
  const std::string& in = GetParam().stdinFile;
  const CliRun run = RunIn(dir, GetParam().args, program ? program : BRIVANE_CLI,
                           in.empty() ? fs::path("/dev/null") : fs::path(BRIVANE_SOURCE_DIR) / in);
  const std::string actual = Describe(GetParam(), run, dir);
  fs::remove_all(base);

  const fs::path expectedPath = fs::path(BRIVANE_GOLDEN_DIR) / (name + ".golden");
  if (std::getenv("BRIVANE_UPDATE_GOLDEN")) {
    std::ofstream(expectedPath, std::ios::binary) << actual;
    GTEST_SKIP() << "recorded " << expectedPath;
  }
  ASSERT_TRUE(fs::exists(expectedPath)) << expectedPath << " is missing; record it with BRIVANE_UPDATE_GOLDEN=1";
  EXPECT_EQ(actual, ReadFile(expectedPath)) << name;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CliGolden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           static const std::vector<GoldenCase> all = Cases();
                           std::string n = CaseName(info.param, all);
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

}  // namespace
