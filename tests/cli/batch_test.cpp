// brivane-cli batch in-process: every line's record is what the command writes for the same
// options, in the input's order whatever the threads, and a line that cannot be read is a record
// of its own while the batch goes on.
#include <unistd.h>

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/BatchInput.h"
#include "cli/RunCli.h"
#include "tests/cli/BatchRequests.h"
#include "tests/cli/CliInProcess.h"

namespace {

namespace fs = std::filesystem;
using brivane::test::Cli;
using brivane::test::Result;

// Under the sanitizers a tenth of the requests: each is some ten times dearer there.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomRequests = 10000;
#else
constexpr int kRandomRequests = 100000;
#endif

Result Batch(const std::vector<std::string>& args, std::string input, std::size_t piece = 1 << 16,
             bool errIsTerminal = false) {
  std::vector<std::string> all{"batch"};
  all.insert(all.end(), args.begin(), args.end());
  const std::vector<std::string_view> views(all.begin(), all.end());
  brivane::cli::TextInput in(std::move(input), piece);
  std::ostringstream out;
  std::ostringstream err;
  Result r;
  r.status = brivane::cli::RunCli(views, out, err, in, errIsTerminal);
  r.out = out.str();
  r.err = err.str();
  return r;
}

std::vector<std::string> Lines(std::string_view text, std::string_view end = "\n") {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t next = text.find(end, at);
    lines.emplace_back(text.substr(at, next - at));
    at = next == std::string_view::npos ? text.size() : next + end.size();
  }
  return lines;
}

// A record split into its line, its status and the rest: what the command wrote, or the usage
// error's message and code.
struct Record {
  int line = -1;
  int status = -1;
  std::string object;  // the record without "line" and "status"
  std::string message;
  std::string code;
};

Record Read(const std::string& text) {
  Record r;
  rapidjson::Document d;
  d.Parse(text.c_str());
  if (d.HasParseError() || !d.IsObject() || !d.HasMember("line") || !d.HasMember("status")) return r;
  r.line = d["line"].GetInt();
  r.status = d["status"].GetInt();
  const std::string head = "{\"line\":" + std::to_string(r.line) + ",\"status\":" + std::to_string(r.status) + ",";
  if (text.rfind(head, 0) == 0) r.object = "{" + text.substr(head.size());
  if (d.HasMember("message")) r.message = d["message"].GetString();
  if (d.HasMember("code")) r.code = d["code"].GetString();
  return r;
}

// The usage error's text as the command line writes it on stderr.
std::string UsageText(const std::string& err) {
  const std::string first = err.substr(0, err.find('\n'));
  return first.rfind("brivane-cli: ", 0) == 0 ? first.substr(13) : first;
}

// The record is what the command line wrote for the same request.
void ExpectSame(const Record& record, const Result& cli, const std::string& what) {
  ASSERT_EQ(record.status, cli.status) << what << "\n" << cli.err;
  if (cli.status == 64) {
    EXPECT_EQ(record.message, UsageText(cli.err)) << what;
    EXPECT_FALSE(record.code.empty()) << what;
  } else {
    EXPECT_EQ(record.object + "\n", cli.out) << what;
  }
}

class TempDir {
 public:
  TempDir() : path_(fs::temp_directory_path() / ("brivane-batch-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
    return (path_ / name).string();
  }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

const std::string kMoveFile =
    R"({"format": "brivane-move", "version": 1, "move": {"loadMass": 2.5, "distanceMm": 800, "accelMode": "ms",)"
    R"( "accelValue": 100, "peakVelocity": 1.5, "dwellMs": 200, "frictionCoefficient": 0.2, "safetyFactor": 1.5},)"
    R"( "ratedLimit": 60, "peakLimit": 75, "ambient": "25", "model": "CL-02", "show": [true, true, true]})";

std::string Source(const std::string& path) { return std::string(BRIVANE_SOURCE_DIR) + "/" + path; }

}  // namespace

// The main guarantee: a line's record is byte for byte what select --json writes for the same
// options, refusals and usage errors included, on two threads as on one.
TEST(Batch, RandomSelectLinesAreSelectJson) {
  const TempDir dir;
  brivane::test::RandomSelectRequests requests(24, dir.Write("m.brivane", kMoveFile), dir / "none.brivane");
  std::vector<brivane::test::BatchRequest> all;
  std::string input;
  for (int i = 0; i < kRandomRequests; ++i) {
    all.push_back(requests.Next());
    input += all.back().line + "\n";
  }
  const Result batch = Batch({"select", "--jobs", "2"}, input);
  const std::vector<std::string> records = Lines(batch.out);
  ASSERT_EQ(records.size(), all.size());
  int statuses[3] = {0, 0, 0};
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Record record = Read(records[i]);
    ASSERT_EQ(record.line, static_cast<int>(i + 1)) << records[i];
    const Result cli = Cli(all[i].args);
    ExpectSame(record, cli, all[i].line);
    ++statuses[cli.status == 0 ? 0 : cli.status == 2 ? 1 : 2];
    if (HasFatalFailure() || HasFailure()) return;
  }
  // The requests reach every outcome, each often.
  for (const int n : statuses) EXPECT_GT(n, kRandomRequests / 20);
  EXPECT_EQ(batch.status, 2);
}

// check, rank, cycle and envelope the same way, with the motor files read once for the batch, and a
// cycle inline as in a file.
TEST(Batch, CheckRankCycleAndEnvelopeLinesAreTheirJson) {
  const TempDir dir;
  const std::string press = Source("docs/examples/press.brivane-cycle");
  std::ifstream pressFile(press);
  std::stringstream pressText;
  pressText << pressFile.rdbuf();
  std::string inlinePress = pressText.str();
  inlinePress.erase(std::remove(inlinePress.begin(), inlinePress.end(), '\n'), inlinePress.end());
  const std::string motors = Source("docs/examples/own-motors.csv");
  struct Case {
    std::vector<std::string> batch;
    std::string line;
    std::vector<std::string> cli;
  };
  const std::vector<Case> cases{
      {{"check"},
       R"({"model": "cl-07", "mass": 1, "stroke": 500, "accel-g": 1, "velocity": 1, "ambient": 25.6})",
       {"check", "cl-07", "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1", "--ambient", "25.6"}},
      {{"check"},
       R"({"model": "CL-01", "mass": 1, "stroke": 100, "accel-g": 1, "velocity": 1})",
       {"check", "CL-01", "--mass", "1", "--stroke", "100", "--accel-g", "1", "--velocity", "1"}},
      {{"check"}, R"({"model": "XX-1", "mass": 1})", {"check", "XX-1", "--mass", "1"}},
      {{"check"}, R"({"mass": 1})", {"check", "--mass", "1"}},
      {{"check", "--motors", motors},
       R"({"model": "LX-150", "mass": 1, "stroke": 500, "accel-g": 1, "velocity": 1})",
       {"check", "LX-150", "--motors", motors, "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"}},
      {{"rank"},
       R"({"mass": 1, "stroke": 500, "accel-g": 1, "velocity": 1, "fitting": true, "series": "1,3", "sort": "headroom"})",
       {"rank", "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1", "--fitting", "--series", "1,3",
        "--sort", "headroom"}},
      {{"rank", "--motors", motors, "--motors-only"},
       R"({"mass": 5, "stroke": 10, "accel-g": 0.1, "velocity": 5, "fitting": false})",
       {"rank", "--motors", motors, "--motors-only", "--mass", "5", "--stroke", "10", "--accel-g", "0.1", "--velocity",
        "5"}},
      {{"rank"}, R"({"mass": 0})", {"rank", "--mass", "0"}},
      {{"rank"}, R"({"sort": "bogus"})", {"rank", "--sort", "bogus"}},
      {{"cycle"}, R"({"cycle": ")" + press + R"(", "model": "cl-21"})", {"cycle", press, "--model", "cl-21"}},
      {{"cycle"},
       R"({"cycle": )" + inlinePress + R"(, "fitting": true, "series": 2, "sort": "coil-temp"})",
       {"cycle", press, "--fitting", "--series", "2", "--sort", "coil-temp"}},
      {{"cycle"},
       R"({"cycle": ")" + Source("tests/cli/data/too-fast.brivane-cycle") + R"("})",
       {"cycle", Source("tests/cli/data/too-fast.brivane-cycle")}},
      {{"cycle"}, R"({"cycle": ")" + dir / "none" + R"("})", {"cycle", dir / "none"}},
      {{"cycle", "--motors", motors},
       R"({"cycle": ")" + press + R"(", "bus-voltage": 48, "series": "3"})",
       {"cycle", press, "--motors", motors, "--bus-voltage", "48", "--series", "3"}},
      {{"rank"},
       R"({"mass": 1, "stroke": 500, "accel-g": 1, "velocity": 1, "bus-voltage": "48"})",
       {"rank", "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1", "--bus-voltage", "48"}},
      {{"envelope", "--motors", motors},
       R"({"model": "lx-150", "bus-voltage": 48, "points": 5, "coil-temp": 90})",
       {"envelope", "lx-150", "--motors", motors, "--bus-voltage", "48", "--points", "5", "--coil-temp", "90"}},
      {{"envelope"},
       R"({"model": "CL-07", "bus-voltage": 48, "points": 1})",
       {"envelope", "CL-07", "--bus-voltage", "48", "--points", "1"}},
      {{"envelope"}, R"({"model": "CL-07"})", {"envelope", "CL-07"}},
  };
  for (const Case& c : cases) {
    const Result batch = Batch(c.batch, c.line + "\n");
    std::vector<std::string> cli = c.cli;
    cli.push_back("--json");
    ExpectSame(Read(batch.out.substr(0, batch.out.find('\n'))), Cli(cli), c.line);
  }
}

// Lines that cannot be read among good ones: each bad one a record with a code, each good one
// rated, none lost, whatever the bytes.
TEST(Batch, MalformedLinesAmongGoodOnesAreRecords) {
  const std::string good = R"({"mass": 1, "stroke": 500, "accel-g": 1, "velocity": 1})";
  const std::string goodRecord =
      Cli({"select", "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1", "--json"}).out;
  std::mt19937 random(5);
  const auto bytes = [&random](std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
  };
  // Each surely not a request: cut short, another type, an unknown or refused key, a key twice,
  // bytes that are no UTF-8 or hold a zero, no object, random bytes.
  const std::vector<std::function<std::string()>> kinds{
      [&] { return good.substr(0, std::uniform_int_distribution<std::size_t>(1, good.size() - 1)(random)); },
      [&] { return R"({"mass": [1], "stroke": 500})"; },
      [&] { return R"({"mass": {"a": 1}})"; },
      [&] { return R"({"fitting": true})"; },
      [&] { return R"({"json": true, "mass": 1})"; },
      [&] { return R"({"mass": 1, "mass": 2})"; },
      [&] { return "{\"mass\": \"1\xff\"}"; },
      [&] { return std::string("{\"mass\": 1,\0 \"stroke\": 2}", 25); },
      [&] { return R"({"move": "a\u0000b"})"; },
      [&] { return "[" + good + "]"; },
      [&] { return "}" + bytes(std::uniform_int_distribution<std::size_t>(0, 40)(random)); },
      [&] { return std::string(" \t "); },
  };
  std::string input;
  std::vector<bool> isGood;
  for (int i = 0; i < 3000; ++i) {
    const bool bad = i % 3 == 1;
    isGood.push_back(!bad);
    input += bad ? kinds[std::uniform_int_distribution<std::size_t>(0, kinds.size() - 1)(random)]() : good;
    input += i % 7 == 0 ? "\r\n" : "\n";
  }
  const Result batch = Batch({"select", "--jobs", "3"}, input, 1000);
  const std::vector<std::string> records = Lines(batch.out);
  ASSERT_EQ(records.size(), isGood.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const Record r = Read(records[i]);
    ASSERT_EQ(r.line, static_cast<int>(i + 1)) << records[i];
    if (isGood[i]) {
      EXPECT_EQ(r.object + "\n", goodRecord) << i;
    } else {
      EXPECT_EQ(r.status, 64) << records[i];
      EXPECT_FALSE(r.code.empty()) << records[i];
    }
  }
  EXPECT_EQ(batch.status, 2);
}

// The order is the input's whatever the number of threads and however the input arrives (a byte
// a read, a line a read, all at once), for small records and large ones.
TEST(Batch, OrderDoesNotDependOnTheThreads) {
  std::string select;
  std::string rank;
  for (int i = 1; i <= 400; ++i) {
    const std::string move = R"("mass": )" + std::to_string(i % 50) + R"(, "stroke": )" + std::to_string(100 + i) +
                             R"(, "accel-g": 1, "velocity": 1)";
    select += "{" + move + "}\n";
    if (i <= 60) rank += "{" + move + R"(, "series": 2})" + "\n";
  }
  for (const auto& [command, input] : {std::pair{"select", select}, std::pair{"rank", rank}}) {
    const Result one = Batch({command, "--jobs", "1"}, input);
    ASSERT_EQ(Lines(one.out).size(), Lines(input).size());
    for (const std::size_t piece : {std::size_t{1}, std::size_t{37}, std::size_t{1} << 20})
      for (const char* jobs : {"2", "4"})
        EXPECT_EQ(Batch({command, "--jobs", jobs}, input, piece).out, one.out) << piece;
  }
}

// A line of the longest length is rated, one byte more is a record without being kept; a long
// line as the last one without a line end too.
TEST(Batch, LineLongerThanTheLimitIsARecord) {
  const std::string request = R"({"mass": 1, "stroke": 500, "accel-g": 1, "velocity": 1)";
  const auto padded = [&request](std::size_t size) {
    return request + std::string(size - request.size() - 1, ' ') + "}";
  };
  const std::size_t limit = brivane::cli::kMaxBatchLineBytes;
  const std::string input = padded(limit) + "\r\n" + padded(limit + 1) + "\n" + request + "}\n" + padded(3 * limit);
  const Result batch = Batch({"select"}, input);
  const std::vector<std::string> records = Lines(batch.out);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(Read(records[0]).status, 0);
  EXPECT_EQ(Read(records[1]).code, "line-too-long");
  EXPECT_EQ(Read(records[2]).status, 0);
  EXPECT_EQ(Read(records[3]).code, "line-too-long");
  EXPECT_EQ(Read(records[3]).line, 4);
}

// The batch's own exit status: 0, 2 when a line was refused (or could not be read), 64 for its
// own usage error with nothing written, and 74 when stdout fails.
TEST(Batch, ExitStatus) {
  const std::string good = R"({"mass": 1, "stroke": 500, "accel-g": 1, "velocity": 1})";
  struct Case {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string err;  // begins stderr
  };
  const std::vector<Case> cases{
      {{"select"}, good + "\n" + good, 0, ""},
      {{"select"}, "", 0, ""},
      {{"select"}, good + "\n{\"mass\": 0}\n", 2, ""},
      {{"select"}, good + "\nx\n", 2, ""},
      {{}, good, 64, "brivane-cli: batch needs a COMMAND: select, check, rank, cycle or envelope"},
      {{"report"}, good, 64, "brivane-cli: batch runs select, check, rank, cycle or envelope, not 'report'"},
      {{"select", "--jobs", "0"}, good, 64, "brivane-cli: --jobs takes a whole number from 1 to 256, not '0'"},
      {{"select", "--motors", "x.csv"}, good, 64, "brivane-cli: --motors does not go with batch select"},
      {{"rank", "--motors", "/nonexistent.csv"}, good, 64, "brivane-cli: --motors '/nonexistent.csv'"},
      {{"select", "--csv"}, "mass,bogus\n1,2\n", 64, "brivane-cli: unknown column 'bogus'"},
      {{"rank", "--csv"}, "mass,csv\n1,2\n", 64, "brivane-cli: column 'csv' is not taken in a batch line"},
      {{"select", "--csv"}, "mass,mass\n1,2\n", 64, "brivane-cli: column 'mass' given twice"},
  };
  for (const Case& c : cases) {
    const Result r = Batch(c.args, c.input);
    EXPECT_EQ(r.status, c.status) << c.input << r.err;
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    if (c.status == 64) {
      EXPECT_EQ(r.out, "");
    }
  }

  // A stream that takes nothing, as a full disk.
  struct Full : std::streambuf {
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    int_type overflow(int_type) override { return traits_type::eof(); }
  } full;
  std::ostream out(&full);
  std::ostringstream err;
  brivane::cli::TextInput in(good + "\n");
  const std::vector<std::string_view> args{"batch", "select"};
  EXPECT_EQ(brivane::cli::RunCli(args, out, err, in, false), 74);
}

// With --csv the record is the input's fields, line, status and message, then the command's
// --csv row(s): one a line for select and check, one a model for rank, at least one always.
TEST(Batch, CsvRecordsAreTheInputThenTheCommandsCsv) {
  const Result select =
      Batch({"select", "--csv"}, "mass,stroke,accel-g,velocity\r\n1,500,1,1\n0,500,1,1\n\"1\",x,1,1\n");
  const std::vector<std::string> rows = Lines(select.out, "\r\n");
  ASSERT_EQ(rows.size(), 4u) << select.out;
  const Result cli = Cli({"select", "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1", "--csv"});
  const std::vector<std::string> own = Lines(cli.out, "\r\n");
  ASSERT_EQ(own.size(), 2u);
  EXPECT_EQ(rows[0], "mass,stroke,accel-g,velocity,line,status,message," + own[0]);
  EXPECT_EQ(rows[1], "1,500,1,1,2,0,," + own[1]);
  // A refused line: the command's message, no figures; a line that could not be read: its text.
  const auto columns = static_cast<std::size_t>(std::count(own[0].begin(), own[0].end(), ',') + 1);
  EXPECT_EQ(rows[2].substr(0, 20), "0,500,1,1,3,2,부하");
  EXPECT_EQ(rows[2].substr(rows[2].size() - columns), std::string(columns, ','));
  const std::string refused = "1,x,1,1,4,64,\"--stroke needs an integer, not 'x'\"" + std::string(columns, ',');
  EXPECT_EQ(rows[3], refused);

  const Result rank =
      Batch({"rank", "--csv"}, "mass,stroke,accel-g,velocity,fitting,series\n1,500,1,1,TRUE,3\n1,500,1,1,true,x\n");
  const std::vector<std::string> rankRows = Lines(rank.out, "\r\n");
  const Result rankCli = Cli({"rank", "--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1",
                              "--fitting", "--series", "3", "--csv"});
  const std::vector<std::string> rankOwn = Lines(rankCli.out, "\r\n");
  ASSERT_EQ(rankRows.size(), rankOwn.size() + 1);
  // Without a bus voltage rank leaves out the check's two columns, which the batch's header has.
  for (std::size_t i = 1; i < rankOwn.size(); ++i) EXPECT_EQ(rankRows[i], "1,500,1,1,TRUE,3,2,0,," + rankOwn[i] + ",,");
  const std::string seriesRefused = "1,500,1,1,true,x,3,64,\"--series takes";
  EXPECT_EQ(rankRows.back().substr(0, seriesRefused.size()), seriesRefused);
}

// --progress shows the lines done at the end; by default only for a terminal and a file.
TEST(Batch, ProgressOnStderr) {
  const std::string input = "{\"mass\": 1}\n{\"mass\": 2}\n";
  EXPECT_EQ(Batch({"select"}, input).err, "");
  const Result shown = Batch({"select", "--progress"}, input);
  EXPECT_EQ(shown.err.substr(0, 8), "2 lines,") << shown.err;
  EXPECT_NE(shown.err.find(" s\n"), std::string::npos) << shown.err;
  const Result terminal = Batch({"select"}, input, 1 << 16, true);
  EXPECT_EQ(terminal.err.substr(0, 9), "\r2 lines,") << terminal.err;
}
