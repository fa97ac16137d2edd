// brivane-cli's drive figures in-process: a check without its figure is null in JSON and "not
// checked" in the text, never passed; rank's bus voltage is the one-move cycle's, and every key it
// had before stays as it was; envelope's refusals.
#include <unistd.h>

#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/NumberText.h"
#include "tests/cli/CliInProcess.h"

namespace {

namespace fs = std::filesystem;

using brivane::test::Cli;
using brivane::test::Result;

class TempFile {
 public:
  explicit TempFile(const std::string& text)
      : path_(fs::temp_directory_path() / ("brivane-drive-" + std::to_string(::getpid()) + "-" + std::to_string(++n_))) {
    std::ofstream(path_, std::ios::binary) << text;
  }
  ~TempFile() { fs::remove(path_); }
  std::string path() const { return path_.string(); }

 private:
  static inline int n_ = 0;
  fs::path path_;
};

// Read to the bit: each number is the shortest text of its double.
rapidjson::Document Json(const std::string& text) {
  rapidjson::Document d;
  d.Parse<rapidjson::kParseFullPrecisionFlag>(text.c_str());
  EXPECT_FALSE(d.HasParseError()) << text;
  return d;
}

std::string Written(const rapidjson::Value& v) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  v.Accept(writer);
  return buffer.GetString();
}

// The pick-and-place of the model page with a drive object of the text given.
std::string PickAndPlace(const std::string& drive) {
  return R"({"format": "brivane-cycle", "version": 1,
  "axis": {"frictionCoefficient": 0.1, "dragForce": 5, "extraMovingMass": 0.3}, "drive": )" +
         drive + R"(,
  "segments": [{"type": "move", "distanceMm": 400, "velocity": 2, "accel": 20, "payload": 1.5},
               {"type": "dwell", "timeMs": 150, "payload": 0},
               {"type": "move", "distanceMm": -400, "velocity": 2, "accel": 20, "payload": 0},
               {"type": "dwell", "timeMs": 250, "payload": 1.5}]})";
}

// CL-09 on the pick-and-place needs 47.91 V, 2.43 A peak and 1.03 A RMS: each drive figure given
// or not, from the file or from --bus-voltage, in JSON and in the text of both languages.
TEST(DriveCli, ChecksWithoutTheirFigureAreNotMade) {
  struct Case {
    std::string drive;
    std::vector<std::string> args;
    std::string voltage, peak, continuous;  // JSON: true, false or null
    std::string verdict;
    std::vector<std::string> korean, english;  // the three check columns of the text
  };
  const std::vector<Case> cases{
      {"{}", {}, "null", "null", "null", "ok", {"미확인", "미확인", "미확인"}, {"not checked", "not checked", "not checked"}},
      {R"({"busVoltage": 48})", {}, "true", "null", "null", "ok", {"통과", "미확인", "미확인"}, {"passed", "not checked", "not checked"}},
      {R"({"busVoltage": 325})", {"--bus-voltage", "40"}, "false", "null", "null", "voltage", {"실패", "미확인", "미확인"}, {"failed", "not checked", "not checked"}},
      {"{}", {"--bus-voltage", "47.9"}, "false", "null", "null", "voltage", {"실패", "미확인", "미확인"}, {"failed", "not checked", "not checked"}},
      {R"({"peakCurrent": 2})", {}, "null", "false", "null", "peak-current", {"미확인", "실패", "미확인"}, {"not checked", "failed", "not checked"}},
      {R"({"continuousCurrent": 1})", {}, "null", "null", "false", "continuous-current", {"미확인", "미확인", "실패"}, {"not checked", "not checked", "failed"}},
      {R"({"busVoltage": 48, "peakCurrent": 5, "continuousCurrent": 2})", {}, "true", "true", "true", "ok", {"통과", "통과", "통과"}, {"passed", "passed", "passed"}},
  };
  for (const Case& c : cases) {
    const TempFile file(PickAndPlace(c.drive));
    std::vector<std::string> args{"cycle", file.path(), "--model", "CL-09"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const std::string what = c.drive + (c.args.empty() ? "" : " " + c.args[1]);

    std::vector<std::string> json = args;
    json.push_back("--json");
    const Result r = Cli(json);
    ASSERT_EQ(r.status, 0) << r.err;
    const rapidjson::Document d = Json(r.out);
    const rapidjson::Value& m = d["models"][0];
    EXPECT_EQ(Written(m["voltageOk"]), c.voltage) << what;
    EXPECT_EQ(Written(m["peakCurrentOk"]), c.peak) << what;
    EXPECT_EQ(Written(m["continuousCurrentOk"]), c.continuous) << what;
    EXPECT_EQ(m["verdict"].GetString(), c.verdict) << what;
    EXPECT_EQ(m["topSpeed"].IsNull(), c.voltage == "null") << what;
    EXPECT_NEAR(m["busVoltageNeeded"].GetDouble(), 47.91, 5e-3) << what;
    // The drive the checks were made against, the option's bus voltage in place of the file's.
    EXPECT_EQ(d["drive"]["busVoltage"].IsNull(), c.voltage == "null") << what;
    if (!c.args.empty()) {
      EXPECT_EQ(brivane::FormatShortestDouble(d["drive"]["busVoltage"].GetDouble()), c.args[1]);
    }

    for (const auto& [language, words] : {std::pair{"ko", c.korean}, std::pair{"en", c.english}}) {
      std::vector<std::string> text = args;
      text.insert(text.end(), {"--lang", language});
      const Result t = Cli(text);
      ASSERT_EQ(t.status, 0) << t.err;
      const std::size_t row = t.out.find("\nCL-09 ");
      ASSERT_NE(row, std::string::npos) << t.out;
      std::string line = t.out.substr(row + 1, t.out.find('\n', row + 1) - row - 1);
      std::size_t at = 0;
      for (const std::string& word : words) {
        at = line.find("  " + word + "  ", at);
        EXPECT_NE(at, std::string::npos) << what << " " << language << ": " << word << " in " << line;
        if (at == std::string::npos) break;
        at += word.size();
      }
    }
  }
}

std::string Text(double v) { return brivane::FormatShortest(static_cast<float>(v)); }

// rank's bus voltage needed is the cycle's for the move as a one-move cycle (--from-move), also
// where the stroke is too short and the cycle is a triangle; with --bus-voltage the check and the
// top speed join, and every key rank wrote before is as it was.
TEST(DriveCli, RankNeedsTheOneMoveCyclesVoltage) {
  std::mt19937_64 engine(2022);
  const auto uniform = [&engine](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine); };
  int checked = 0;
  for (int n = 0; n < 40; ++n) {
    const std::vector<std::string> move{"--mass",   Text(uniform(0.1, 30)), "--stroke",   std::to_string(std::uniform_int_distribution<int>(5, 1500)(engine)),
                                        "--velocity", Text(uniform(0.1, 4)), "--accel-g", Text(uniform(0.1, 5)),
                                        "--dwell",  Text(uniform(0, 500)),   "--friction", Text(uniform(0, 0.3))};
    std::vector<std::string> convert{"cycle", "--from-move"};
    convert.insert(convert.end(), move.begin(), move.end());
    const Result cycleFile = Cli(convert);
    ASSERT_EQ(cycleFile.status, 0) << cycleFile.err;
    const TempFile file(cycleFile.out);
    const rapidjson::Document cycle = Json(Cli({"cycle", file.path(), "--json"}).out);
    std::vector<std::string> rank{"rank", "--json"};
    rank.insert(rank.end(), move.begin(), move.end());
    const rapidjson::Document plain = Json(Cli(rank).out);
    const double bus = uniform(20, 400);
    rank.insert(rank.end(), {"--bus-voltage", brivane::FormatShortestDouble(bus)});
    const rapidjson::Document withBus = Json(Cli(rank).out);
    ASSERT_EQ(plain["models"].Size(), cycle["models"].Size());
    EXPECT_EQ(withBus["busVoltage"].GetDouble(), bus);
    for (rapidjson::SizeType i = 0; i < plain["models"].Size(); ++i) {
      const rapidjson::Value& p = plain["models"][i];
      const rapidjson::Value& b = withBus["models"][i];
      const double needed = cycle["models"][i]["busVoltageNeeded"].GetDouble();
      EXPECT_EQ(p["busVoltageNeeded"].GetDouble(), needed) << p["name"].GetString() << " in move " << n;
      EXPECT_FALSE(p.HasMember("voltageOk"));
      EXPECT_FALSE(p.HasMember("topSpeed"));
      EXPECT_EQ(b["voltageOk"].GetBool(), needed <= bus);
      checked += b["voltageOk"].GetBool() ? 1 : 0;
      rapidjson::Document copy;
      copy.CopyFrom(b, copy.GetAllocator());
      copy.RemoveMember("voltageOk");
      copy.RemoveMember("topSpeed");
      EXPECT_EQ(Written(copy), Written(p)) << p["name"].GetString();
    }
  }
  EXPECT_GT(checked, 100);
  EXPECT_LT(checked, 40 * 69 - 100);
}

// Every refusal of envelope: the drive's check of the bus voltage and an unknown model (2, the
// JSON naming code and field), the options out of range or missing (64).
TEST(DriveCli, EnvelopeRefusals) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string said;  // on stderr, or in the JSON's "error"
  };
  const std::vector<Case> cases{
      {{"CL-07", "--bus-voltage", "0"}, 2, "0 < busVoltage ≤ 10000 V"},
      {{"CL-07", "--bus-voltage", "10000.5", "--json"}, 2, "드라이브 설정의 busVoltage 값(10000.5)"},
      {{"nope", "--bus-voltage", "48", "--json"}, 2, "Motor가 선택되지 않았습니다."},
      {{"CL-07"}, 64, "envelope needs --bus-voltage V"},
      {{"--bus-voltage", "48"}, 64, "envelope needs a MODEL"},
      {{"CL-07", "CL-08", "--bus-voltage", "48"}, 64, "unexpected argument 'CL-08'"},
      {{"CL-07", "--bus-voltage", "nan"}, 64, "--bus-voltage needs a finite number"},
      {{"CL-07", "--bus-voltage", "48", "--points", "1"}, 64, "from 2 to 100000, not 1"},
      {{"CL-07", "--bus-voltage", "48", "--points", "100001"}, 64, "not 100001"},
      {{"CL-07", "--bus-voltage", "48", "--points", "2.5"}, 64, "not '2.5'"},
      {{"CL-07", "--bus-voltage", "48", "--coil-temp", "250.5"}, 64, "from -50 to 250 degC, not 250.5"},
      {{"CL-07", "--bus-voltage", "48", "--coil-temp", "-inf"}, 64, "--coil-temp needs a finite number"},
      {{"CL-07", "--bus-voltage", "48", "--json", "--csv"}, 64, "give --json or --csv"},
      {{"CL-07", "--bus-voltage", "48", "--motors-only"}, 64, "--motors-only needs at least one --motors FILE"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"envelope"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result r = Cli(args);
    std::string what;
    for (const std::string& a : c.args) what += a + " ";
    EXPECT_EQ(r.status, c.status) << what << r.err;
    const bool json = r.status == 2 && !r.out.empty();
    const std::string said = json ? std::string(Json(r.out)["error"].GetString()) : r.err;
    EXPECT_NE(said.find(c.said), std::string::npos) << what << ": " << said;
    if (json && c.status == 2 && c.said.find("busVoltage") != std::string::npos) {
      EXPECT_STREQ(Json(r.out)["code"].GetString(), "drive-out-of-range");
      EXPECT_STREQ(Json(r.out)["field"].GetString(), "busVoltage");
    }
  }
  // The edges are taken.
  EXPECT_EQ(Cli({"envelope", "CL-07", "--bus-voltage", "10000", "--points", "2", "--coil-temp", "-50"}).status, 0);
}

}  // namespace
