// brivane-cli cycle in-process: the one-move cycle against rank over random moves (the link
// between the two models), and every refusal of the reader and the checks naming its field.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/NumberText.h"
#include "tests/cli/CliInProcess.h"

namespace {

using brivane::test::Cli;
using brivane::test::Json;
using brivane::test::Result;
using brivane::test::TempFile;

std::string Text(double v) { return brivane::FormatShortest(static_cast<float>(v)); }

// The form's move written as a cycle and rated: every row's duty ratios within 1e-4 relative of
// rank's, the coil temperature within 0.3 % (9.81 against 9.8), wherever the move reaches its
// velocity; rank's bus voltage needed the cycle's everywhere. Random moves in both acceleration
// modes, with and without a dwell.
TEST(CycleCli, OneMoveCycleAgreesWithRank) {
  std::mt19937_64 engine(2021);
  const auto uniform = [&engine](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(engine);
  };
  int compared = 0;
  int triangles = 0;
  int withinBus = 0;
  for (int n = 0; n < 300; ++n) {
    std::vector<std::string> move{"--mass",     Text(uniform(0.1, 60)),
                                  "--stroke",   std::to_string(std::uniform_int_distribution<int>(1, 2000)(engine)),
                                  "--velocity", Text(uniform(0.05, 4))};
    const bool gMode = uniform(0, 1) < 0.5;
    move.insert(move.end(), {gMode ? "--accel-g" : "--accel-ms", Text(gMode ? uniform(0.05, 5) : uniform(20, 800))});
    if (uniform(0, 1) < 0.6) move.insert(move.end(), {"--dwell", Text(uniform(0, 2000))});
    move.insert(move.end(), {"--friction", Text(uniform(0, 0.4)), "--safety", Text(uniform(1, 3))});

    std::vector<std::string> convert{"cycle", "--from-move"};
    convert.insert(convert.end(), move.begin(), move.end());
    const Result cycleFile = Cli(convert);
    ASSERT_EQ(cycleFile.status, 0) << cycleFile.err;
    const TempFile file(cycleFile.out);
    const Result cycle = Cli({"cycle", file.path(), "--json"});
    ASSERT_EQ(cycle.status, 0) << cycle.err << cycle.out;
    std::vector<std::string> rankArgs{"rank", "--json"};
    rankArgs.insert(rankArgs.end(), move.begin(), move.end());
    const Result rank = Cli(rankArgs);
    ASSERT_EQ(rank.status, 0) << rank.err;

    const rapidjson::Document c = Json(cycle.out);
    const rapidjson::Document r = Json(rank.out);
    // rank's bus voltage needed is the one-move cycle's, triangles included; with --bus-voltage
    // its check and the top speed join, and every key rank wrote before stays as it was.
    const double bus = uniform(20, 400);
    rankArgs.insert(rankArgs.end(), {"--bus-voltage", brivane::FormatShortestDouble(bus)});
    const rapidjson::Document b = Json(Cli(rankArgs).out);
    for (rapidjson::SizeType i = 0; i < r["models"].Size(); ++i) {
      const double needed = c["models"][i]["busVoltageNeeded"].GetDouble();
      EXPECT_EQ(r["models"][i]["busVoltageNeeded"].GetDouble(), needed) << r["models"][i]["name"].GetString();
      EXPECT_FALSE(r["models"][i].HasMember("voltageOk"));
      rapidjson::Document kept;
      kept.CopyFrom(b["models"][i], kept.GetAllocator());
      EXPECT_EQ(kept["voltageOk"].GetBool(), needed <= bus);
      withinBus += needed <= bus ? 1 : 0;
      EXPECT_TRUE(kept.RemoveMember("voltageOk") && kept.RemoveMember("topSpeed"));
      EXPECT_EQ(kept, r["models"][i]);
    }
    // Where the stroke is too short the form rates a trapezoid with a negative constant-velocity
    // time, the cycle the triangle the axis runs: not comparable.
    if (std::string(c["segments"][0]["profile"].GetString()) == "triangle") {
      ++triangles;
      continue;
    }
    ASSERT_EQ(c["models"].Size(), r["models"].Size());
    for (rapidjson::SizeType i = 0; i < r["models"].Size(); ++i) {
      const auto& cm = c["models"][i];
      const auto& rm = r["models"][i];
      const std::string what = std::string(rm["name"].GetString()) + " in move " + std::to_string(n);
      for (const char* key : {"ratedDuty", "peakDuty"})
        EXPECT_NEAR(cm[key].GetDouble(), rm[key].GetDouble(), 1e-4 * rm[key].GetDouble()) << key << " " << what;
      EXPECT_NEAR(cm["coilTemp"].GetDouble(), rm["coilTemp"].GetDouble(), 3e-3 * rm["coilTemp"].GetDouble()) << what;
    }
    ++compared;
  }
  EXPECT_GT(compared, 200);
  EXPECT_GT(triangles, 10);
  EXPECT_GT(withinBus, 1000);
  EXPECT_LT(withinBus, 300 * 69 - 1000);
}

// Each refusal: the reader's (exit 64, naming the field's path and, in the segments, the segment
// counted from 1) and the checks' (exit 2, naming segment or axis, field and range).
TEST(CycleCli, RefusalsNameSegmentAndField) {
  const std::string head = R"({"format": "brivane-cycle", "version": 1, )";
  const std::string move = R"({"type": "move", "distanceMm": 100, "velocity": 1, "accel": 10, "payload": 1})";
  const std::string dwell = R"({"type": "dwell", "timeMs": 100, "payload": 1})";
  // The second segment with one key replaced.
  const auto second = [&](const std::string& key, const std::string& value, const std::string& base) {
    std::string seg = base;
    const std::size_t at = seg.find("\"" + key + "\"");
    if (at == std::string::npos) {
      seg.insert(seg.size() - 1, ", \"" + key + "\": " + value);
    } else {
      const std::size_t start = seg.find(':', at) + 2;
      seg.replace(start, seg.find_first_of(",}", start) - start, value);
    }
    return head + R"("segments": [)" + move + ", " + seg + "]}";
  };
  const auto axis = [&](const std::string& text) {
    return head + R"("axis": {)" + text + R"(}, "segments": [)" + move + "]}";
  };
  const auto drive = [&](const std::string& text) {
    return head + R"("drive": )" + text + R"(, "segments": [)" + move + "]}";
  };
  std::string many = head + R"("segments": [)" + move;
  for (int i = 0; i < 10000; ++i) many += ", " + dwell;
  many += "]}";
  struct Case {
    std::string text;
    int status;
    std::vector<std::string> said;  // on stderr
  };
  const std::vector<Case> cases{
      {"{", 64, {"not JSON text"}},
      {R"({"format": "brivane-move", "version": 1})", 64, {"not a Brivane cycle file", "'format'"}},
      {head.substr(0, head.size() - 2) + "}", 64, {"missing field", "'segments'"}},
      {R"({"format": "brivane-cycle", "version": 2})", 64, {"newer version", "'version'"}},
      {R"({"format": "brivane-cycle", "version": 99999999999999999999})", 64, {"newer version"}},
      {head + R"("segments": {}})", 64, {"wrong type", "'segments'"}},
      {head + R"("ratedLimit": 72, "segments": []})", 64, {"value not allowed", "'ratedLimit'"}},
      {axis(R"("safetyFactor": "1.3")"), 64, {"wrong type", "'axis.safetyFactor'"}},
      {axis(R"("dragForce": 1, "dragForce": 2)"), 64, {"key given twice", "'axis.dragForce'"}},
      {drive("48"), 64, {"wrong type", "'drive'"}},
      {drive(R"({"busVoltage": "48"})"), 64, {"wrong type", "'drive.busVoltage'"}},
      {drive(R"({"continuousCurrent": null})"), 64, {"wrong type", "'drive.continuousCurrent'"}},
      {second("type", R"("jump")", move), 64, {"value not allowed", "'segments[1].type'", "segment 2"}},
      {second("velocity", "NaN", move), 64, {"not a finite number", "'segments[1].velocity'", "segment 2"}},
      {second("velocity", "null", move), 64, {"wrong type", "'segments[1].velocity'"}},
      {second("forceDuring", R"("sometimes")", move), 64, {"value not allowed", "'segments[1].forceDuring'"}},
      {head + R"("segments": [{"type": "dwell", "payload": 1}]})", 64, {"missing field", "'segments[0].timeMs'"}},
      {head + R"("segments": []})", 2, {"사이클에 구간이 없습니다."}},
      {many, 2, {"10001개"}},
      {axis(R"("inclinationDeg": 90.5)"), 2, {"축 설정의 inclinationDeg 값(90.5)", "-90 ≤ inclinationDeg ≤ 90"}},
      {axis(R"("frictionCoefficient": -0.1)"), 2, {"frictionCoefficient 값(-0.1)"}},
      {axis(R"("extraMovingMass": -1)"), 2, {"extraMovingMass"}},
      {axis(R"("safetyFactor": 0.99)"), 2, {"1 ≤ safetyFactor ≤ 20"}},
      {drive(R"({"busVoltage": 0})"), 2, {"드라이브 설정의 busVoltage 값(0)", "0 < busVoltage ≤ 10000 V"}},
      {drive(R"({"busVoltage": 48, "peakCurrent": 10000.5})"), 2, {"peakCurrent 값(10000.5)", "≤ 10000 Arms"}},
      {second("distanceMm", "0", move), 2, {"2번 구간의 distanceMm 값(0)", "0 < |distanceMm| ≤ 100000 mm"}},
      {second("distanceMm", "-100000.5", move), 2, {"2번 구간의 distanceMm"}},
      {second("velocity", "30.000001", move), 2, {"2번 구간의 velocity"}},
      {second("accel", "490.1", move), 2, {"2번 구간의 accel", "(50 g)"}},
      {second("decel", "0", move), 2, {"2번 구간의 decel"}},
      {second("jerk", "-1", move), 2, {"2번 구간의 jerk"}},
      {second("payload", "3000.01", move), 2, {"2번 구간의 payload"}},
      {second("timeMs", "0", dwell), 2, {"2번 구간의 timeMs 값(0)"}},
      {second("timeMs", "10000000.1", dwell), 2, {"2번 구간의 timeMs"}},
  };
  for (const Case& c : cases) {
    const TempFile file(c.text);
    const Result r = Cli({"cycle", file.path()});
    const std::string what = c.text.substr(0, 160);
    EXPECT_EQ(r.status, c.status) << what << "\n" << r.err;
    EXPECT_TRUE(r.out.empty()) << what;
    for (const std::string& s : c.said) EXPECT_NE(r.err.find(s), std::string::npos) << s << " in\n" << r.err;
    // The checks' refusal as JSON names the same segment and field.
    if (c.status == 2) {
      const Result j = Cli({"cycle", file.path(), "--json"});
      EXPECT_EQ(j.status, 2);
      const rapidjson::Document d = Json(j.out);
      EXPECT_NE(r.err.find(d["error"].GetString()), std::string::npos) << j.out;
    }
  }
  // The largest accepted values pass the checks.
  const TempFile edges(axis(R"("inclinationDeg": -90, "frictionCoefficient": 10, "safetyFactor": 20)"));
  EXPECT_EQ(Cli({"cycle", edges.path(), "--model", "CL-01"}).status, 0);
  // So does the cycle of a move at the form's largest acceleration, 50 g (50 x 9.8 in double
  // precision is a hair above 490 m/s^2).
  const TempFile fifty(Cli({"cycle", "--from-move", "--mass", "1", "--stroke", "500", "--accel-g", "50", "--velocity", "1"}).out);
  EXPECT_EQ(Cli({"cycle", fifty.path(), "--model", "CL-01"}).status, 0);
}

}  // namespace
