// brivane-cli's drive figures in-process: a check without its figure is null in JSON and "not
// checked" in the text, never passed, and the verdict is the first check that failed. (rank's bus
// voltage is tested with the one-move cycle, in cycle_cli_test.cpp; envelope's refusals are golden
// cases.)
#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "engine/NumberText.h"
#include "tests/cli/CliInProcess.h"

namespace {

using brivane::test::Cli;
using brivane::test::Json;
using brivane::test::Result;
using brivane::test::TempFile;

std::string Written(const rapidjson::Value& v) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  v.Accept(writer);
  return buffer.GetString();
}

// The pick-and-place of the model page with a drive object of the text given.
std::string PickAndPlace(const std::string& drive, int ambient) {
  return R"({"format": "brivane-cycle", "version": 1, "ambient": )" + std::to_string(ambient) + R"(,
  "axis": {"frictionCoefficient": 0.1, "dragForce": 5, "extraMovingMass": 0.3}, "drive": )" +
         drive + R"(,
  "segments": [{"type": "move", "distanceMm": 400, "velocity": 2, "accel": 20, "payload": 1.5},
               {"type": "dwell", "timeMs": 150, "payload": 0},
               {"type": "move", "distanceMm": -400, "velocity": 2, "accel": 20, "payload": 0},
               {"type": "dwell", "timeMs": 250, "payload": 1.5}]})";
}

// CL-09 on the pick-and-place needs 47.91 V, 2.43 A peak and 1.03 A RMS: each drive figure given
// or not, from the file or from --bus-voltage, in JSON and in the text of both languages. CL-01
// does not fit the duty limits, which comes first; at 85 degC ambient the coil of CL-09 is too
// hot, which comes last.
TEST(DriveCli, ChecksWithoutTheirFigureAreNotMade) {
  struct Case {
    std::string drive;
    std::vector<std::string> args;
    std::array<std::string, 3> checks;  // voltage, peak and continuous current in JSON: true, false or null
    std::string verdict;
    std::string model = "CL-09";
    int ambient = 20;
  };
  // clang-format off
  const std::vector<Case> cases{
      {"{}", {}, {"null", "null", "null"}, "ok"},
      {R"({"busVoltage": 48})", {}, {"true", "null", "null"}, "ok"},
      {R"({"busVoltage": 325})", {"--bus-voltage", "40"}, {"false", "null", "null"}, "voltage"},
      {"{}", {"--bus-voltage", "47.9"}, {"false", "null", "null"}, "voltage"},
      {R"({"peakCurrent": 2})", {}, {"null", "false", "null"}, "peak-current"},
      {R"({"continuousCurrent": 1})", {}, {"null", "null", "false"}, "continuous-current"},
      {R"({"busVoltage": 40, "peakCurrent": 2, "continuousCurrent": 1})", {}, {"false", "false", "false"}, "voltage"},
      {R"({"busVoltage": 48, "peakCurrent": 5, "continuousCurrent": 2})", {}, {"true", "true", "true"}, "ok"},
      {R"({"busVoltage": 40})", {}, {"false", "null", "null"}, "duty", "CL-01"},
      {"{}", {}, {"null", "null", "null"}, "temperature", "CL-09", 85},
      {R"({"peakCurrent": 2})", {}, {"null", "false", "null"}, "peak-current", "CL-09", 85},
  };
  // clang-format on
  // The text's words for a check, Korean and English.
  const std::map<std::string, std::array<std::string, 2>> words{
      {"true", {"통과", "passed"}}, {"false", {"실패", "failed"}}, {"null", {"미확인", "not checked"}}};
  for (const Case& c : cases) {
    const TempFile file(PickAndPlace(c.drive, c.ambient));
    std::vector<std::string> args{"cycle", file.path(), "--model", c.model};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const std::string what = c.model + " " + c.drive + (c.args.empty() ? "" : " " + c.args[1]);

    std::vector<std::string> json = args;
    json.push_back("--json");
    const Result r = Cli(json);
    ASSERT_EQ(r.status, 0) << r.err;
    const rapidjson::Document d = Json(r.out);
    const rapidjson::Value& m = d["models"][0];
    EXPECT_EQ((std::array{Written(m["voltageOk"]), Written(m["peakCurrentOk"]), Written(m["continuousCurrentOk"])}),
              c.checks)
        << what;
    EXPECT_EQ(m["verdict"].GetString(), c.verdict) << what;
    EXPECT_EQ(m["topSpeed"].IsNull(), c.checks[0] == "null") << what;
    // The drive the checks were made against, the option's bus voltage in place of the file's.
    EXPECT_EQ(d["drive"]["busVoltage"].IsNull(), c.checks[0] == "null") << what;
    if (!c.args.empty()) {
      EXPECT_EQ(brivane::FormatShortestDouble(d["drive"]["busVoltage"].GetDouble()), c.args[1]);
    }

    for (std::size_t language = 0; language < 2; ++language) {
      std::vector<std::string> text = args;
      text.insert(text.end(), {"--lang", language == 0 ? "ko" : "en"});
      const Result t = Cli(text);
      ASSERT_EQ(t.status, 0) << t.err;
      const std::size_t row = t.out.find("\n" + c.model + " ");
      ASSERT_NE(row, std::string::npos) << t.out;
      const std::string line = t.out.substr(row + 1, t.out.find('\n', row + 1) - row - 1);
      // The three words in their order, each a column of its own.
      std::size_t at = 0;
      for (const std::string& check : c.checks) {
        const std::string& word = words.at(check)[language];
        at = line.find("  " + word + "  ", at);
        ASSERT_NE(at, std::string::npos) << what << ": " << word << " in " << line;
        at += word.size();
      }
    }
  }
}

}  // namespace
