// brivane-cli as scripts and the acceptance checks use it: the process, its output and its
// exit status.
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "tests/cli/BatchRequests.h"
#include "tests/support/WorkedExamples.h"

namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

// A shell command's exit status and stdout.
CliRun Shell(const std::string& command) {
  CliRun r;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

CliRun Cli(const std::string& args) { return Shell(std::string(BRIVANE_CLI) + " " + args + " 2>/dev/null"); }

rapidjson::Document Json(const CliRun& r) {
  rapidjson::Document d;
  d.Parse(r.out.c_str());
  EXPECT_FALSE(d.HasParseError()) << r.out;
  return d;
}

// The raw number text as written, to check the shortest-float rule.
std::string RawNumber(const std::string& out, const std::string& key, std::size_t from = 0) {
  const std::string needle = "\"" + key + "\":";
  const std::size_t at = out.find(needle, from);
  if (at == std::string::npos) return "";
  const std::size_t start = at + needle.size();
  return out.substr(start, out.find_first_of(",}]", start) - start);
}

const std::string kMove = brivane::examples::kFirstMoveOptions;

}  // namespace

TEST(Cli, SelectWorkedExample) {
  const CliRun r = Cli("select " + kMove + " --json");
  ASSERT_EQ(r.status, 0);
  const auto d = Json(r);
  ASSERT_TRUE(d.IsObject());
  EXPECT_EQ(d["messages"].Size(), 0u);
  const auto& series = d["series"];
  ASSERT_EQ(series.Size(), 3u);
  EXPECT_STREQ(series[0]["model"].GetString(), "CL-01");
  EXPECT_STREQ(series[1]["model"].GetString(), "IC-03");
  EXPECT_STREQ(series[2]["model"].GetString(), "VC-01");
  EXPECT_EQ(series[1]["number"].GetInt(), 3);
  EXPECT_EQ(d["ratedLimit"].GetInt(), 70);
  // Shortest text that reads back as the same single-precision value.
  EXPECT_EQ(RawNumber(r.out, "accelG"), "1");
  EXPECT_EQ(RawNumber(r.out, "accelTimeMs"), "102.04082");
  EXPECT_EQ(RawNumber(r.out, "ratedDuty"), "29.298225");
}

TEST(Cli, SelectMessagesAndStops) {
  CliRun r = Cli("select --mass 200 --stroke 500 --accel-g 1 --velocity 1 --json");
  ASSERT_EQ(r.status, 0);
  auto d = Json(r);
  ASSERT_EQ(d["messages"].Size(), 1u);
  EXPECT_STREQ(d["messages"][0].GetString(), "해당 Motion을 만족하는 편측식 Motor가 없습니다.");
  EXPECT_STREQ(d["series"][1]["model"].GetString(), "");
  EXPECT_EQ(d["series"][1]["number"].GetInt(), 0);

  r = Cli("select " + kMove + " --rated 25 --peak 25 --json");
  d = Json(r);
  EXPECT_STREQ(d["messages"][0].GetString(), "권장 사용률은 정격70%, 최대 80%입니다.");
  EXPECT_STREQ(d["series"][1]["model"].GetString(), "IC-16");

  // A percentage the lists do not hold behaves like a list without a selection.
  r = Cli("select " + kMove + " --rated 72 --json");
  EXPECT_EQ(r.status, 2);
  EXPECT_STREQ(Json(r)["error"].GetString(), "사용률 허용치를 설정하여 주시기 바랍니다!");

  // A limit is a list position, selected only by the item's own text: a fraction never rounds to
  // the one below it, and "70.0" is not the item "70".
  struct LimitCase {
    const char* rated;
    int status;
    int limit;  // when it ran
  };
  for (const LimitCase& c :
       {LimitCase{"70.5", 2, 0}, LimitCase{"70.0", 2, 0}, LimitCase{"74.9", 2, 0}, LimitCase{"75", 0, 75}}) {
    r = Cli("select " + kMove + " --rated " + c.rated + " --json");
    EXPECT_EQ(r.status, c.status) << c.rated;
    d = Json(r);
    if (c.status == 0) {
      EXPECT_EQ(d["ratedLimit"].GetInt(), c.limit) << c.rated;
    } else {
      EXPECT_STREQ(d["error"].GetString(), "사용률 허용치를 설정하여 주시기 바랍니다!") << c.rated;
    }
  }

  r = Cli("select --json");  // the form's defaults: acceleration 0 g
  EXPECT_EQ(r.status, 2);
  EXPECT_STREQ(Json(r)["error"].GetString(), "최대 가속도의 설정값이 잘못되었습니다!");
}

TEST(Cli, CheckWorkedExampleAndFailures) {
  CliRun r = Cli("check CL-01 " + kMove + " --json");
  ASSERT_EQ(r.status, 0);
  auto d = Json(r);
  EXPECT_EQ(d["series"].GetInt(), 1);
  EXPECT_EQ(RawNumber(r.out, "peakThrust"), "13.47625");
  const auto& labels = d["labels"];
  ASSERT_EQ(labels.Size(), 5u);
  EXPECT_STREQ(labels[1].GetString(), "102");
  EXPECT_STREQ(labels[4].GetString(), "602");

  r = Cli("check CL-01 " + kMove + " --ambient abc --json");
  EXPECT_EQ(RawNumber(r.out, "ambientTemp"), "0");
  r = Cli("check CL-01 " + kMove + " --ambient inf --json");
  EXPECT_EQ(RawNumber(r.out, "ambientTemp"), "0");
  r = Cli("check CL-01 " + kMove + " --ambient 25.6 --json");
  EXPECT_EQ(RawNumber(r.out, "ambientTemp"), "25.6");

  r = Cli("check CL-01 --mass 1 --stroke 100 --accel-g 1 --velocity 1 --json");
  EXPECT_EQ(r.status, 2);
  d = Json(r);
  EXPECT_STREQ(d["error"].GetString(), "최대 가속도 혹은 최대 속도 값이 잘못 되었으니 수정 바람.");
  EXPECT_TRUE(d["analysis"].IsObject());
  EXPECT_FALSE(d.HasMember("labels"));

  // Exactly twice the ramp: completed, but no chart.
  r = Cli("check CL-01 --mass 1 --stroke 100 --accel-ms 100 --velocity 1 --json");
  EXPECT_EQ(r.status, 0);
  EXPECT_FALSE(Json(r).HasMember("labels"));

  // Another letter case names the same model, shown as the catalog spells it; anything else no model.
  r = Cli(std::string("check cl-01 ") + kMove + " --json");
  EXPECT_EQ(r.status, 0);
  EXPECT_STREQ(Json(r)["model"].GetString(), "CL-01");
  for (const char* model : {"XX-99", "' CL-01'"}) {
    r = Cli(std::string("check ") + model + " " + kMove + " --json");
    EXPECT_EQ(r.status, 2);
    EXPECT_STREQ(Json(r)["error"].GetString(), "Motor가 선택되지 않았습니다.");
  }
  r = Cli("check '' " + kMove + " --json");
  EXPECT_EQ(r.status, 2);
}

TEST(Cli, UsageErrors) {
  for (const char* args :
       {"", "frobnicate", "select --bogus", "select --mass nan", "select --mass inf", "select --mass 1e39",
        "select --mass abc", "select --stroke 1.5", "select --stroke 99999999999", "select --accel-g 1 --accel-ms 100",
        "select --rated abc", "check", "check CL-01 CL-02", "select extra", "catalog extra"}) {
    EXPECT_EQ(Cli(args).status, 64) << args;
  }
  EXPECT_EQ(Cli("select --help").status, 0);
}

TEST(Cli, VersionIsTheBuildsOwn) {
  const CliRun r = Cli("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "brivane-cli " BRIVANE_VERSION "\n");
}

TEST(Cli, CatalogListsEveryModel) {
  const CliRun r = Cli("catalog --json");
  ASSERT_EQ(r.status, 0);
  const auto d = Json(r);
  const auto& models = d["models"];
  ASSERT_EQ(models.Size(), 69u);
  EXPECT_STREQ(models[4]["name"].GetString(), "CL-05");
  EXPECT_EQ(models[4]["number"].GetInt(), 3);
  EXPECT_EQ(models[47]["attractionForce"].GetInt(), 7000);
  EXPECT_EQ(models[68]["series"].GetInt(), 3);
  EXPECT_EQ(RawNumber(r.out, "ratedForce"), "24.7");
  EXPECT_EQ(RawNumber(r.out, "thermalCoefficient"), "0.524");
}

namespace {

// Terminal columns as a terminal counts them: Hangul syllables two, ASCII one.
std::size_t Columns(const std::string& line) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < line.size();) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c < 0x80) {
      ++width;
      ++i;
      continue;
    }
    const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    const bool hangul =
        n == 3 && (c == 0xEA ? static_cast<unsigned char>(line[i + 1]) >= 0xB0 : c >= 0xEB && c <= 0xED);
    width += hangul ? 2 : 1;
    i += n;
  }
  return width;
}

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t next = text.find(end, at);
    lines.push_back(text.substr(at, next - at));
    if (next == std::string::npos) break;
    at = next + end.size();
  }
  return lines;
}

}  // namespace

TEST(Cli, RankWorkedExample) {
  const CliRun r = Cli("rank " + kMove + " --fitting --json");
  ASSERT_EQ(r.status, 0);
  const auto d = Json(r);
  EXPECT_EQ(d["ratedLimit"].GetInt(), 70);
  EXPECT_EQ(d["peakLimit"].GetInt(), 80);
  const auto& models = d["models"];
  ASSERT_GT(models.Size(), 3u);
  EXPECT_STREQ(models[0]["name"].GetString(), "CL-01");
  EXPECT_EQ(RawNumber(r.out, "ratedDuty"), "29.298225");
  EXPECT_EQ(RawNumber(r.out, "peakDuty"), "23.64035");

  // The picks are the selection's, every row listed fits, IC-02 (70.124) is left out.
  const auto selection = Json(Cli("select " + kMove + " --json"));
  std::vector<std::string> picks;
  for (const auto& m : models.GetArray()) {
    EXPECT_TRUE(m["fits"].GetBool()) << m["name"].GetString();
    EXPECT_STRNE(m["name"].GetString(), "IC-02");
    if (m["selected"].GetBool()) picks.push_back(m["name"].GetString());
    for (const char* key : {"name", "series", "number", "ratedDuty", "peakDuty", "fits", "selected", "ratedMargin",
                            "peakMargin", "coilTemp", "coolEnough", "headroomKg", "peakCurrent", "rmsCurrent",
                            "peakCurrentShare", "rmsCurrentShare", "backEmf", "copperLoss", "analysis"})
      EXPECT_TRUE(m.HasMember(key)) << key;
  }
  ASSERT_EQ(picks.size(), 3u);
  for (rapidjson::SizeType s = 0; s < 3; ++s) EXPECT_EQ(picks[s], selection["series"][s]["model"].GetString());

  // The analysis keyed and valued as the duty check writes it.
  const auto check = Json(Cli("check CL-01 " + kMove + " --json"));
  EXPECT_TRUE(models[0]["analysis"] == check["analysis"]);
  EXPECT_GT(models[0]["headroomKg"].GetDouble(), 1.0);
}

TEST(Cli, RankFiltersAndSorts) {
  struct Case {
    const char* args;
    const char* key;  // the JSON key the rows are ordered by; empty: catalog index
    bool descending;
    unsigned rows;
  };
  const Case cases[] = {
      {"", "", false, 69},
      {"--series 1,3", "", false, 44},
      {"--series 2 --sort rated-margin", "ratedMargin", true, 25},
      {"--sort peak-margin", "peakMargin", true, 69},
      {"--sort headroom", "headroomKg", true, 69},
      {"--sort coil-temp", "coilTemp", false, 69},
      {"--sort copper-loss --fitting", "copperLoss", false, 0},
  };
  for (const Case& c : cases) {
    // A violent move: a dozen rows fit, a dozen cannot carry even 0.01 kg.
    const CliRun r = Cli(std::string("rank --mass 3 --stroke 500 --accel-g 12 --velocity 1 --json ") + c.args);
    ASSERT_EQ(r.status, 0) << c.args;
    const auto d = Json(r);
    const auto& models = d["models"];
    if (c.rows > 0) {
      EXPECT_EQ(models.Size(), c.rows) << c.args;
    }
    EXPECT_GT(models.Size(), 3u) << c.args;
    bool nullSeen = false;
    for (rapidjson::SizeType i = 1; i < models.Size(); ++i) {
      const auto& a = models[i - 1];
      const auto& b = models[i];
      if (std::string(c.args).find("--series 1,3") != std::string::npos) {
        EXPECT_NE(b["series"].GetInt(), 2);
      }
      if (std::string(c.args).find("--fitting") != std::string::npos) {
        EXPECT_TRUE(b["fits"].GetBool());
      }
      if (*c.key == '\0') {
        EXPECT_LT(a["index"].GetInt(), b["index"].GetInt()) << c.args;
        continue;
      }
      if (b[c.key].IsNull()) {
        nullSeen = true;
        continue;
      }
      EXPECT_FALSE(nullSeen || a[c.key].IsNull()) << c.args << ": a number after a null";
      if (a[c.key].IsNull()) continue;
      const double va = a[c.key].GetDouble();
      const double vb = b[c.key].GetDouble();
      EXPECT_TRUE(c.descending ? va >= vb : va <= vb) << c.args << " at " << i;
    }
    if (std::string(c.key) == "headroomKg") {
      EXPECT_TRUE(nullSeen);
    }
  }
}

TEST(Cli, RankTableAndCsv) {
  CliRun r = Cli("rank " + kMove);
  ASSERT_EQ(r.status, 0);
  std::vector<std::string> lines = Lines(r.out, "\n");
  ASSERT_EQ(lines.size(), 1u + 69u + 1u);  // header, rows, footer
  // Every numeric column is right-aligned, the last one too: the table lines are equally wide.
  for (std::size_t i = 1; i < 70; ++i) EXPECT_EQ(Columns(lines[i]), Columns(lines[0])) << lines[i];
  EXPECT_TRUE(lines[1].starts_with("CL-01 "));
  EXPECT_EQ(lines[70], "허용 사용률 정격 70%, 최대 80%");

  r = Cli("rank " + kMove + " --csv --series 1");
  ASSERT_EQ(r.status, 0);
  lines = Lines(r.out, "\r\n");
  ASSERT_EQ(lines.size(), 1u + 23u);
  EXPECT_TRUE(lines[0].starts_with("모델,시리즈,No.,판정,정격 사용률(%),")) << lines[0];
  EXPECT_TRUE(lines[1].starts_with("CL-01,1,1,선정,29.3,23.6,40.7,56.4,31.2,2.73,")) << lines[1];
  // The comparison's 16 columns and the bus voltage the move needs.
  for (std::size_t i = 0; i < 24; ++i) EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 16) << lines[i];
}

TEST(Cli, RankRefusalsAndUsageErrors) {
  CliRun r = Cli("rank --mass 1 --stroke 500 --accel-g 1 --json");
  EXPECT_EQ(r.status, 2);
  EXPECT_STREQ(Json(r)["error"].GetString(), "최대 속도의 설정값이 잘못되었습니다!");
  r = Cli("rank " + kMove + " --rated 72 --json");
  EXPECT_EQ(r.status, 2);
  EXPECT_STREQ(Json(r)["error"].GetString(), "사용률 허용치를 설정하여 주시기 바랍니다!");
  EXPECT_EQ(Cli("rank " + kMove + " --rated 72").status, 2);

  for (const char* args :
       {"--sort bogus", "--series 4", "--series ''", "--series 1,,2", "--json --csv", "extra", "--mass abc"})
    EXPECT_EQ(Cli("rank " + kMove + " " + args).status, 64) << args;
  EXPECT_EQ(Cli("rank --help").status, 0);
}

// Output that cannot be written (a full disk) is reported, whatever the command computed: small
// output fails only when it is flushed at the end, large output already while being written.
TEST(Cli, UnwritableOutputIsAnError) {
  for (const std::string& args : {"select " + kMove + " --json", std::string("catalog"), std::string("--help-all")}) {
    // stderr into the pipe, stdout onto the full device.
    FILE* pipe = popen((std::string(BRIVANE_CLI) + " " + args + " 2>&1 >/dev/full").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string err;
    std::array<char, 4096> buf{};
    for (std::size_t n = 0; (n = fread(buf.data(), 1, buf.size(), pipe)) > 0;) err.append(buf.data(), n);
    const int raw = pclose(pipe);
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 74) << args;
    EXPECT_EQ(err, "brivane-cli: cannot write the output: " + std::string(std::strerror(ENOSPC)) + "\n") << args;
  }
}

namespace {

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// A sample of the random requests through the real program: one batch process, from a file and
// from a pipe, on one thread and on two, against one select process a request.
TEST(Cli, BatchAgreesWithSelectProcesses) {
  const std::string dir = testing::TempDir() + "brivane-batch-" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  std::ofstream(dir + "/m.brivane") << R"({"format": "brivane-move", "version": 1, "move": {"loadMass": 3,)"
                                    << R"( "distanceMm": 400, "accelMode": "g", "accelValue": 1.5, "peakVelocity": 2,)"
                                    << R"( "dwellMs": 0, "frictionCoefficient": 0.1, "safetyFactor": 1.3},)"
                                    << R"( "ratedLimit": 70, "peakLimit": null, "ambient": "20", "model": "",)"
                                    << R"( "show": [true, true, true]})";
  brivane::test::RandomSelectRequests requests(7, dir + "/m.brivane", dir + "/none.brivane");
  std::vector<brivane::test::BatchRequest> sample;
  std::string input;
  for (int i = 0; i < 300; ++i) {
    sample.push_back(requests.Next());
    input += sample.back().line + "\n";
  }
  const std::string lines = dir + "/lines.jsonl";
  std::ofstream(lines, std::ios::binary) << input;
  const std::string program = std::string(BRIVANE_CLI);
  const CliRun fromFile = Shell(program + " batch select --jobs 1 < " + lines + " 2>/dev/null");
  const CliRun fromPipe = Shell("cat " + lines + " | " + program + " batch select --jobs 2 2>/dev/null");
  EXPECT_EQ(fromFile.status, 2);
  EXPECT_EQ(fromPipe.out, fromFile.out);

  std::size_t at = 0;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    const std::size_t end = fromFile.out.find('\n', at);
    ASSERT_NE(end, std::string::npos) << i;
    const std::string record = fromFile.out.substr(at, end - at);
    at = end + 1;
    std::string command = program;
    for (const std::string& a : sample[i].args) command += " " + ShellQuoted(a);
    const CliRun one = Shell(command + " 2>" + dir + "/err");
    const std::string head = "{\"line\":" + std::to_string(i + 1) + ",\"status\":" + std::to_string(one.status) + ",";
    ASSERT_EQ(record.substr(0, head.size()), head) << sample[i].line << "\n" << record;
    if (one.status == 64) {
      const std::string err = FileText(dir + "/err");
      rapidjson::Document d;
      d.Parse(record.c_str());
      EXPECT_EQ("brivane-cli: " + std::string(d["message"].GetString()), err.substr(0, err.find('\n')));
    } else {
      EXPECT_EQ("{" + record.substr(head.size()) + "\n", one.out) << sample[i].line;
    }
  }
  EXPECT_EQ(at, fromFile.out.size());

  // stdout on a full device: the records cannot arrive, which the status says.
  const CliRun full = Shell(program + " batch select < " + lines + " 2>&1 >/dev/full");
  EXPECT_EQ(full.status, 74);
  EXPECT_EQ(full.out, "brivane-cli: cannot write the output: " + std::string(std::strerror(ENOSPC)) + "\n");
  // stdin that cannot be read (a directory).
  const CliRun unreadable = Shell(program + " batch select < / 2>&1");
  EXPECT_EQ(unreadable.status, 74);
  EXPECT_EQ(unreadable.out, "brivane-cli: cannot read the input: " + std::string(std::strerror(EISDIR)) + "\n");
  std::filesystem::remove_all(dir);
}

// A script that writes a request and waits for its record gets it before it writes the next: the
// batch answers what the pipe holds and does not wait for more.
TEST(Cli, BatchAnswersEachLineOfAPipeAsItComes) {
  int toChild[2];
  int fromChild[2];
  ASSERT_EQ(::pipe(toChild), 0);
  ASSERT_EQ(::pipe(fromChild), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(toChild[0], 0);
    ::dup2(fromChild[1], 1);
    for (const int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) ::close(fd);
    ::execl(BRIVANE_CLI, BRIVANE_CLI, "batch", "select", "--jobs", "2", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(toChild[0]);
  ::close(fromChild[1]);
  for (int i = 1; i <= 3; ++i) {
    const std::string line =
        "{\"mass\": " + std::to_string(i) + ", \"stroke\": 500, \"accel-g\": 1, \"velocity\": 1}\n";
    ASSERT_EQ(::write(toChild[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    std::string record;
    char c = 0;
    pollfd ready{fromChild[0], POLLIN, 0};
    while (record.empty() || record.back() != '\n') {
      ASSERT_EQ(::poll(&ready, 1, 10000), 1) << "no record for line " << i << " within 10 s";
      ASSERT_EQ(::read(fromChild[0], &c, 1), 1);
      record += c;
    }
    EXPECT_EQ(record.rfind("{\"line\":" + std::to_string(i) + ",\"status\":0,", 0), 0u) << record;
  }
  ::close(toChild[1]);
  int raw = 0;
  ::waitpid(pid, &raw, 0);
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
  ::close(fromChild[0]);
}
