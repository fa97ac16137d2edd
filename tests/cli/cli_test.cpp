// brivane-cli as scripts and the acceptance checks use it: the process, its output and its
// exit status.
#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "tests/support/WorkedExamples.h"

namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

CliRun Cli(const std::string& args) {
  CliRun r;
  const std::string command = std::string(BRIVANE_CLI) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

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

  // A limit is a list position: a fraction never rounds to the one below it.
  struct LimitCase {
    const char* rated;
    int status;
    int limit;  // when it ran
  };
  for (const LimitCase& c : {LimitCase{"70.5", 2, 0}, LimitCase{"70.0", 0, 70}, LimitCase{"74.9", 2, 0},
                             LimitCase{"75", 0, 75}}) {
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

  for (const char* model : {"cl-01", "XX-99"}) {
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
