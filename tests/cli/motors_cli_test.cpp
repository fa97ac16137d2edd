// brivane-cli with motor files of the user's (--motors): the catalog's own JSON, edited, read back
// value for value; a copy of CL-01 rated to the bit by rank and check; refused files as usage
// errors that name the file, the motor and the field.
#include <unistd.h>

#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RunCli.h"

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  std::ostringstream out;
  std::ostringstream err;
  const int status = brivane::cli::RunCli(views, out, err);
  return {status, out.str(), err.str()};
}

rapidjson::Document Parsed(const std::string& json) {
  rapidjson::Document d;
  d.Parse(json.c_str());
  EXPECT_FALSE(d.HasParseError()) << json;
  return d;
}

// An object without the members named, written out again: two floats written as their shortest
// decimals read back to the same double only when they are the same float, so equal texts are
// equal figures to the bit.
std::string Without(const rapidjson::Value& object, const std::vector<std::string>& names) {
  rapidjson::Document copy;
  copy.CopyFrom(object, copy.GetAllocator());
  for (const std::string& name : names)
    if (const auto it = copy.FindMember(name.c_str()); it != copy.MemberEnd()) copy.EraseMember(it);
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  copy.Accept(writer);
  return buffer.GetString();
}

class MotorFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("brivane-motors-cli-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }
  fs::path dir_;
};

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// The catalog's JSON rows as a CSV file with a header of their keys, every value as its text.
std::string AsCsv(const std::string& json) {
  rapidjson::Document d;
  d.Parse<rapidjson::kParseNumbersAsStringsFlag>(json.c_str());
  const rapidjson::Value& models = d["models"];
  std::string csv;
  for (const auto& m : models[0].GetObject()) csv += std::string(csv.empty() ? "" : ",") + m.name.GetString();
  for (const auto& model : models.GetArray()) {
    csv += "\n";
    std::string line;
    for (const auto& m : model.GetObject())
      line += (line.empty() ? "" : ",") + std::string(m.value.IsString() ? m.value.GetString() : "?");
    csv += line;
  }
  return csv + "\n";
}

const std::vector<std::string> kNotValues{"index", "name", "series", "offered", "number", "family", "user"};

}  // namespace

// `catalog --json`, renamed and given the file's two keys, is a motor file; read back with
// --motors-only it gives every value of every row as it was, and so does the same as CSV.
TEST_F(MotorFiles, CatalogJsonRoundTripsThroughAFileOfEitherKind) {
  const CliRun catalog = Cli({"catalog", "--json"});
  ASSERT_EQ(catalog.status, 0);
  std::string edited = catalog.out;
  ReplaceAll(edited, R"("name":")", R"("name":"U-)");
  const std::string csv = AsCsv(edited);
  ReplaceAll(edited, R"({"models":[)", R"({"format":"brivane-motors","version":1,"motors":[)");
  const rapidjson::Document original = Parsed(catalog.out);
  for (const std::string& file : {Write("all.brivane-motors", edited), Write("all.csv", csv)}) {
    const CliRun back = Cli({"catalog", "--motors", file, "--motors-only", "--json"});
    ASSERT_EQ(back.status, 0) << back.err;
    const rapidjson::Document read = Parsed(back.out);
    const rapidjson::Value& before = original["models"];
    const rapidjson::Value& after = read["models"];
    ASSERT_EQ(after.Size(), before.Size()) << file;
    for (rapidjson::SizeType i = 0; i < before.Size(); ++i) {
      EXPECT_EQ(Without(after[i], kNotValues), Without(before[i], kNotValues)) << file;
      EXPECT_EQ(std::string("U-") + before[i]["name"].GetString(), after[i]["name"].GetString());
      EXPECT_TRUE(after[i]["user"].GetBool());
      EXPECT_EQ(after[i]["index"].GetInt(), static_cast<int>(i));
    }
  }
}

// A motor with every field of CL-01 under another name: its ratios, analysis, headroom and drive
// figures in rank, and its duty check, are CL-01's to the last digit written, over moves of both
// acceleration modes, a heavy load with other limits and a stroke too short for the peak velocity;
// so are its cycle rating with the drive's figures and its envelope.
TEST_F(MotorFiles, ACopyOfCl01RatesAsCl01ToTheBit) {
  std::string motor = Cli({"catalog", "--json"}).out;
  const std::size_t first = motor.find(R"({"index":0)");
  motor = motor.substr(first, motor.find(R"(},{"index":1)") + 1 - first);
  ReplaceAll(motor, R"("name":"CL-01")", R"("name":"MY-01","family":"copy")");
  const std::string file =
      Write("copy.brivane-motors", R"({"format":"brivane-motors","version":1,"motors":[)" + motor + "]}");
  // The move for rank and check, then the limits for rank.
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> moves{
      {{"--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"}, {}},
      {{"--mass", "2.5", "--stroke", "800", "--accel-ms", "100", "--velocity", "1.5", "--dwell", "200", "--friction",
        "0.2", "--safety", "1.5", "--ambient", "31.5"},
       {}},
      {{"--mass", "200", "--stroke", "500", "--accel-g", "1", "--velocity", "1"}, {"--rated", "50", "--peak", "60"}},
      {{"--mass", "1", "--stroke", "100", "--accel-g", "1", "--velocity", "1"}, {}},
  };
  for (const auto& [move, limits] : moves) {
    const std::string what = move[1] + " kg, " + move[3] + " mm";
    std::vector<std::string> rank{"rank", "--motors", file, "--json"};
    rank.insert(rank.end(), move.begin(), move.end());
    rank.insert(rank.end(), limits.begin(), limits.end());
    const CliRun ranked = Cli(rank);
    ASSERT_EQ(ranked.status, 0) << ranked.err;
    const rapidjson::Document rows = Parsed(ranked.out);
    const rapidjson::Value& models = rows["models"];
    ASSERT_EQ(models.Size(), 70u);
    EXPECT_FALSE(models[69]["selected"].GetBool());
    EXPECT_EQ(Without(models[69], {"name", "index", "family", "user", "selected"}),
              Without(models[0], {"name", "index", "series", "number", "selected"}))
        << what;

    std::vector<std::string> check{"check", "CL-01", "--motors", file, "--json"};
    check.insert(check.end(), move.begin(), move.end());
    const CliRun original = Cli(check);
    check[1] = "MY-01";
    const CliRun checked = Cli(check);
    EXPECT_EQ(checked.status, original.status) << what;
    EXPECT_EQ(Without(Parsed(checked.out), {"model", "family", "user"}),
              Without(Parsed(original.out), {"model", "series", "number"}))
        << what;
  }
  // The cycle's ratios, thrusts, headroom and drive figures, and the envelope, on a cycle with a
  // vertical axis, S-curves and a drive.
  const std::string cycle = Write("axis.brivane-cycle", R"({"format": "brivane-cycle", "version": 1,
    "axis": {"inclinationDeg": 60, "frictionCoefficient": 0.05}, "drive": {"busVoltage": 48, "peakCurrent": 3},
    "segments": [{"type": "move", "distanceMm": 300, "velocity": 1.2, "accel": 8, "jerk": 300, "payload": 0.5},
                 {"type": "dwell", "timeMs": 100, "payload": 0.5},
                 {"type": "move", "distanceMm": -300, "velocity": 1.2, "accel": 8, "jerk": 300, "payload": 0}]})");
  const CliRun rated = Cli({"cycle", cycle, "--motors", file, "--json"});
  ASSERT_EQ(rated.status, 0) << rated.err;
  const rapidjson::Document cycleRows = Parsed(rated.out);
  const rapidjson::Value& cycleModels = cycleRows["models"];
  ASSERT_EQ(cycleModels.Size(), 70u);
  EXPECT_EQ(Without(cycleModels[69], {"name", "index", "family", "user"}),
            Without(cycleModels[0], {"name", "index", "series", "number"}));
  std::vector<std::string> envelope{"envelope", "CL-01", "--bus-voltage", "48", "--coil-temp", "70",
                                    "--motors", file,    "--json"};
  const CliRun original = Cli(envelope);
  envelope[1] = "my-01";
  const CliRun copied = Cli(envelope);
  ASSERT_EQ(copied.status, 0) << copied.err;
  EXPECT_EQ(Without(Parsed(copied.out), {"name", "family", "user"}),
            Without(Parsed(original.out), {"name", "series", "number"}));
}

// A refused file stops every command that takes --motors before it rates anything: exit 64, and
// for each refused file one line that names it, the motor and the field.
TEST_F(MotorFiles, RefusedFilesAreUsageErrorsNamingFileMotorAndField) {
  const std::string header =
      "name,moverMass,ratedForce,attractionForce,peakForce,ratedCurrent,peakCurrent,maxPower,polePitch,"
      "forceConstant,bemfConstant,motorConstant,electricalTimeConstant,lineResistance,lineInductance,"
      "thermalCoefficient\n";
  const std::string good = "A-1,1,10,0,30,1,3,100,20,10,3,2,1,3,3,0.5\n";
  const std::string belowRated = Write("below.csv", header + good + "A-2,1,10,0,9,1,3,100,20,10,3,2,1,3,3,0.5\n");
  const std::string builtIn = Write("builtin.csv", header + "ic-07,1,10,0,30,1,3,100,20,10,3,2,1,3,3,0.5\n");
  const std::string missing = (dir_ / "none.brivane-motors").string();
  const std::string cycle = Write("one.brivane-cycle", R"({"format": "brivane-cycle", "version": 1,
    "segments": [{"type": "move", "distanceMm": 100, "velocity": 1, "accel": 10, "payload": 1}]})");
  // Each command with the arguments it needs besides the files.
  const std::vector<std::pair<std::string, std::vector<std::string>>> commands{
      {"catalog", {}},
      {"check", {"A-1"}},
      {"rank", {}},
      {"cycle", {cycle}},
      {"envelope", {"A-1", "--bus-voltage", "48"}}};
  for (const auto& [command, needs] : commands) {
    std::vector<std::string> args{command, "--motors", belowRated, "--motors", builtIn, "--motors", missing};
    args.insert(args.begin() + 1, needs.begin(), needs.end());
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 64) << command;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(r.err, "brivane-cli: --motors '" + belowRated +
                         "': motor 2 (A-2), line 3, field 'peakForce': below the rated value (ratedForce)\n"
                         "brivane-cli: --motors '" +
                         builtIn +
                         "': motor 1 (ic-07), line 2, field 'name': name of a built-in model (IC-07)\n"
                         "brivane-cli: --motors '" +
                         missing + "': cannot be read (No such file or directory)\nTry 'brivane-cli --help'.\n")
        << command;
    std::vector<std::string> only{command, "--motors-only"};
    only.insert(only.end(), needs.begin(), needs.end());
    EXPECT_EQ(Cli(only).status, 64) << command;
  }
  // The good motor alone is rated, and --series leaves it in.
  const CliRun rank = Cli({"rank", "--motors", Write("good.csv", header + good), "--series", "2", "--mass", "1",
                           "--stroke", "500", "--accel-g", "1", "--velocity", "1", "--lang", "en"});
  ASSERT_EQ(rank.status, 0) << rank.err;
  const std::size_t title = rank.out.find("\nYour own motors\nA-1 ");
  EXPECT_NE(title, std::string::npos) << rank.out;
  EXPECT_GT(title, rank.out.rfind("IC-25"));
}
