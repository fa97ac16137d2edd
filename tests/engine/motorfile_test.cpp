// The user's motor files: every refusal, what an accepted file holds to the bit, the CSV reader's
// grammar, and the list that keeps the user's rows.
#include "engine/MotorFile.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalog/MotorList.h"
#include "engine/Csv.h"

using namespace brivane;

namespace {

// One motor, CL-01's data under another name, as JSON values (strings quoted); a change of
// kLeftOut leaves the key out.
// clang-format off
const std::vector<std::pair<std::string, std::string>> kBase{
    {"name", "\"M-1\""}, {"family", "\"Own\""}, {"moverMass", "0.25"}, {"ratedForce", "24.7"},
    {"attractionForce", "0"}, {"peakForce", "74.1"}, {"ratedCurrent", "1.3"}, {"peakCurrent", "3.9"},
    {"maxPower", "245.5"}, {"polePitch", "24"}, {"forceConstant", "19"}, {"bemfConstant", "6.78"},
    {"motorConstant", "4.7"}, {"electricalTimeConstant", "0.38"}, {"lineResistance", "10.39"},
    {"lineInductance", "3.95"}, {"thermalCoefficient", "0.524"}};
// clang-format on
constexpr std::string_view kLeftOut = "<left out>";
using Changes = std::map<std::string, std::string>;

std::string Value(const Changes& changes, const std::string& key, const std::string& base) {
  const auto it = changes.find(key);
  return it == changes.end() ? base : it->second;
}

std::string JsonMotor(const Changes& changes = {}) {
  std::string text;
  for (const auto& [key, base] : kBase)
    if (const std::string v = Value(changes, key, base); v != kLeftOut)
      text += (text.empty() ? "{\"" : ", \"") + key + "\": " + v;
  return text + "}";
}

std::string JsonFile(const std::string& motors,
                     const std::string& head = R"("format": "brivane-motors", "version": 1)") {
  return "{" + head + ", \"motors\": [" + motors + "]}";
}

// A header of every key but `without`, then a record for each motor, JSON's quotes taken off.
std::string CsvFile(const std::vector<Changes>& motors, const std::string& without = "") {
  std::vector<std::string> lines(motors.size() + 1);
  for (const auto& [key, base] : kBase) {
    if (key == without) continue;
    const std::string comma = lines[0].empty() ? "" : ",";
    lines[0] += comma + key;
    for (std::size_t i = 0; i < motors.size(); ++i) {
      std::string v = Value(motors[i], key, base);
      if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
      lines[i + 1] += comma + v;
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The single-precision members a motor file gives.
const std::vector<float MotorRecord::*> kFloatMembers{&MotorRecord::moverMass,
                                                      &MotorRecord::ratedForce,
                                                      &MotorRecord::peakForce,
                                                      &MotorRecord::ratedCurrent,
                                                      &MotorRecord::peakCurrent,
                                                      &MotorRecord::maxPower,
                                                      &MotorRecord::polePitch,
                                                      &MotorRecord::forceConstant,
                                                      &MotorRecord::bemfConstant,
                                                      &MotorRecord::motorConstant,
                                                      &MotorRecord::electricalTimeConstant,
                                                      &MotorRecord::lineResistance,
                                                      &MotorRecord::lineInductance,
                                                      &MotorRecord::thermalCoefficient};

MotorFileReading Read(const std::string& text, MotorFileKind kind = MotorFileKind::Json) {
  return ReadMotorText(text, kind, MotorCatalog::Instance().Rows());
}

struct RefusalCase {
  const char* label;
  MotorFileKind kind;
  std::string text;
  MotorFileProblem problem;
  std::size_t motor;  // 0: the file as a whole
  std::string field;
};

std::vector<RefusalCase> RefusalCases() {
  using P = MotorFileProblem;
  constexpr auto J = MotorFileKind::Json;
  constexpr auto C = MotorFileKind::Csv;
  const std::string m = JsonMotor();
  std::string many;
  for (std::size_t i = 0; i <= kMaxUserMotors; ++i)
    many += (i ? "," : "") + JsonMotor({{"name", "\"M" + std::to_string(i) + "\""}});
  return {
      {"not json", J, "{\"format\": ", P::NotJson, 0, ""},
      {"zero byte", J, JsonFile(m) + std::string(1, '\0'), P::NotJson, 0, ""},
      {"not an object", J, "[" + m + "]", P::NotMotorFile, 0, ""},
      {"other format", J, JsonFile(m, R"("format": "brivane-move", "version": 1)"), P::NotMotorFile, 0, "format"},
      {"format twice", J, JsonFile(m, R"("format": "brivane-motors", "format": "brivane-motors", "version": 1)"),
       P::DuplicateField, 0, "format"},
      {"newer version", J, JsonFile(m, R"("format": "brivane-motors", "version": 2)"), P::NewerVersion, 0, "version"},
      {"version beyond 64 bits", J, JsonFile(m, R"("format": "brivane-motors", "version": 99999999999999999999)"),
       P::NewerVersion, 0, "version"},
      {"version 0", J, JsonFile(m, R"("format": "brivane-motors", "version": 0)"), P::OutOfRange, 0, "version"},
      {"no version", J, JsonFile(m, R"("format": "brivane-motors")"), P::MissingField, 0, "version"},
      {"no motors", J, R"({"format": "brivane-motors", "version": 1})", P::MissingField, 0, "motors"},
      {"motors not a list", J, R"({"format": "brivane-motors", "version": 1, "motors": {}})", P::WrongType, 0,
       "motors"},
      {"motor not an object", J, JsonFile(m + ", 7"), P::WrongType, 2, ""},
      {"key twice", J, JsonFile(JsonMotor({{"polePitch", "24, \"polePitch\": 25"}})), P::DuplicateField, 1,
       "polePitch"},
      {"no name", J, JsonFile(JsonMotor({{"name", std::string(kLeftOut)}})), P::MissingField, 1, "name"},
      {"name a number", J, JsonFile(JsonMotor({{"name", "7"}})), P::WrongType, 1, "name"},
      {"empty name", J, JsonFile(JsonMotor({{"name", "\"\""}})), P::EmptyName, 1, "name"},
      {"control character", J, JsonFile(JsonMotor({{"name", "\"A\\u001b[2J\""}})), P::TextNotAllowed, 1, "name"},
      {"blank at an end", J, JsonFile(JsonMotor({{"name", "\"A \""}})), P::TextNotAllowed, 1, "name"},
      {"name too long", J, JsonFile(JsonMotor({{"name", "\"" + std::string(kMaxMotorTextLength + 1, 'x') + "\""}})),
       P::TextNotAllowed, 1, "name"},
      {"built-in name", J, JsonFile(JsonMotor({{"name", "\"cl-01\""}})), P::BuiltInName, 1, "name"},
      {"name twice", J, JsonFile(m + "," + JsonMotor({{"name", "\"m-1\""}})), P::DuplicateName, 2, "name"},
      {"family not text", J, JsonFile(JsonMotor({{"family", "null"}})), P::WrongType, 1, "family"},
      {"family control character", J, JsonFile(JsonMotor({{"family", "\"a\\u0085b\""}})), P::TextNotAllowed, 1,
       "family"},
      {"missing number", J, JsonFile(JsonMotor({{"lineInductance", std::string(kLeftOut)}})), P::MissingField, 1,
       "lineInductance"},
      {"number as text", J, JsonFile(JsonMotor({{"ratedForce", "\"24.7\""}})), P::WrongType, 1, "ratedForce"},
      {"NaN", J, JsonFile(JsonMotor({{"bemfConstant", "NaN"}})), P::NotFinite, 1, "bemfConstant"},
      {"beyond float", J, JsonFile(JsonMotor({{"maxPower", "1e39"}})), P::NotFinite, 1, "maxPower"},
      {"zero force", J, JsonFile(JsonMotor({{"ratedForce", "0"}})), P::NotPositive, 1, "ratedForce"},
      {"negative mass", J, JsonFile(JsonMotor({{"moverMass", "-0.25"}})), P::NotPositive, 1, "moverMass"},
      {"minus zero", J, JsonFile(JsonMotor({{"thermalCoefficient", "-0"}})), P::NotPositive, 1, "thermalCoefficient"},
      {"negative attraction", J, JsonFile(JsonMotor({{"attractionForce", "-1"}})), P::Negative, 1, "attractionForce"},
      {"fractional attraction", J, JsonFile(JsonMotor({{"attractionForce", "1.5"}})), P::WrongType, 1,
       "attractionForce"},
      {"attraction beyond 32 bits", J, JsonFile(JsonMotor({{"attractionForce", "3000000000"}})), P::OutOfRange, 1,
       "attractionForce"},
      {"peak force below rated", J, JsonFile(JsonMotor({{"peakForce", "24.6"}})), P::BelowRated, 1, "peakForce"},
      {"peak current below rated", J, JsonFile(JsonMotor({{"peakCurrent", "1.2"}})), P::BelowRated, 1, "peakCurrent"},
      {"too many", J, JsonFile(many), P::TooManyMotors, kMaxUserMotors + 1, ""},
      {"csv without header", C, "", P::NotCsv, 0, ""},
      {"csv quote in field", C, CsvFile({{{"family", "a\"b"}}}), P::NotCsv, 0, ""},
      {"csv unclosed quote", C, CsvFile({{{"family", "\"abc"}}}), P::NotCsv, 0, ""},
      {"csv lone CR", C, "name\r" + CsvFile({{}}), P::NotCsv, 0, ""},
      {"csv field count", C, CsvFile({{}, {{"family", "a,b"}}}), P::NotCsv, 2, ""},
      {"csv column twice", C, "name," + CsvFile({{}}), P::DuplicateField, 0, "name"},
      {"csv column missing", C, CsvFile({{}}, "polePitch"), P::MissingField, 0, "polePitch"},
      {"csv empty cell", C, CsvFile({{{"polePitch", ""}}}), P::MissingField, 1, "polePitch"},
      {"csv not a number", C, CsvFile({{{"polePitch", "24 mm"}}}), P::NotANumber, 1, "polePitch"},
      {"csv infinity", C, CsvFile({{{"polePitch", "inf"}}}), P::NotFinite, 1, "polePitch"},
      {"csv not UTF-8", C, CsvFile({{{"family", "\xff"}}}), P::NotCsv, 0, ""},
  };
}

}  // namespace

TEST(MotorFile, EachCheckRefusesTheFileNamingMotorAndField) {
  for (const RefusalCase& c : RefusalCases()) {
    SCOPED_TRACE(c.label);
    const MotorFileReading r = Read(c.text, c.kind);
    ASSERT_TRUE(r.refusal.has_value());
    EXPECT_TRUE(r.motors.empty());  // nothing half read
    EXPECT_EQ(r.refusal->problem, c.problem) << DescribeMotorFileRefusal(*r.refusal);
    EXPECT_EQ(r.refusal->motor, c.motor);
    EXPECT_EQ(r.refusal->field, c.field);
    EXPECT_NE(MotorFileProblemName(c.problem), "unknown problem");
  }
}

// A refusal quotes the motor's name only once it is fit to be shown (the command line's tests
// hold the whole wording).
TEST(MotorFile, RefusalNeverEchoesControlCharacters) {
  const MotorFileReading r = Read(JsonFile(JsonMotor({{"family", "\"a\\u001bb\""}, {"name", "\"\\u001b\""}})));
  ASSERT_TRUE(r.refusal);
  EXPECT_EQ(DescribeMotorFileRefusal(*r.refusal), "motor 1, field 'name': text not allowed (a control character)");
}

// What the user wrote is what is rated: each value the single-precision number nearest to its
// decimal text, as the form reads a typed one; CSV and JSON alike; unknown keys and columns passed
// over, however deep; the family optional.
TEST(MotorFile, AcceptedMotorsHoldTheValuesToTheBit) {
  const std::string extras = R"("index": 70, "offered": 1, "series": 1, "notes": {"deep": [[{"name": 1}]]}, )";
  std::string withExtras = JsonMotor({{"family", std::string(kLeftOut)}});
  withExtras.insert(1, extras);
  const std::string csvFile = CsvFile({{{"family", ""}}}).insert(0, "\xEF\xBB\xBF");
  for (const auto& [kind, text] : std::vector<std::pair<MotorFileKind, std::string>>{
           {MotorFileKind::Json, JsonFile(withExtras, R"("format": "brivane-motors", "about": [1, {"x": null}],
           "version": 1)")},
           {MotorFileKind::Csv, csvFile}}) {
    const MotorFileReading r = Read(text, kind);
    ASSERT_FALSE(r.refusal) << DescribeMotorFileRefusal(*r.refusal);
    ASSERT_EQ(r.motors.size(), 1u);
    const UserMotor& u = r.motors.front();
    const MotorRecord& cl01 = MotorCatalog::Instance().at(0);
    EXPECT_EQ(u.name, "M-1");
    EXPECT_EQ(u.family, "");
    for (const float MotorRecord::*f : kFloatMembers) EXPECT_EQ(u.values.*f, cl01.*f);
    EXPECT_EQ(u.values.attractionForce, 0);
  }
}

TEST(Csv, QuotedFieldsLineEndsAndLineNumbers) {
  const CsvReading r = ReadCsv("a,\"b,\"\"c\"\"\",\r\n\n\"multi\r\nline\",x\n,\nlast");
  ASSERT_FALSE(r.error);
  ASSERT_EQ(r.records.size(), 4u);
  EXPECT_EQ(r.records[0].fields, (std::vector<std::string>{"a", "b,\"c\"", ""}));
  EXPECT_EQ(r.records[1].line, 3u);  // the empty line 2 is left out
  EXPECT_EQ(r.records[1].fields, (std::vector<std::string>{"multi\r\nline", "x"}));
  EXPECT_EQ(r.records[2].line, 5u);
  EXPECT_EQ(r.records[2].fields, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(r.records[3].fields, (std::vector<std::string>{"last"}));
  const CsvReading afterQuote = ReadCsv("a\n\"b\"c");
  ASSERT_TRUE(afterQuote.error);
  EXPECT_EQ(afterQuote.error->problem, CsvProblem::TextAfterQuote);
  EXPECT_EQ(afterQuote.error->line, 2u);
}

// The loader: a refused file adds nothing and the others are kept; a name met in an earlier file
// is refused in a later one. The list keeps the texts of its rows through many additions and a move.
TEST(MotorFile, LoaderKeepsTheAcceptedFilesAndReportsEachRefusedOne) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("brivane-motors-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto write = [&dir](const char* name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return (dir / name).string();
  };
  std::vector<Changes> many;
  for (int i = 0; i < 300; ++i) many.push_back({{"name", "U" + std::to_string(i)}, {"family", "f"}});
  const std::vector<std::string> paths{
      write("a.brivane-motors", JsonFile(JsonMotor())),
      write("b.csv", CsvFile({{{"name", "M-2"}}, {{"name", "M-1"}}})),
      (dir / "missing.csv").string(),
      write("c.CSV", CsvFile(many)),
  };
  MotorLoading loading = LoadMotorFiles(paths);
  std::filesystem::remove_all(dir);
  ASSERT_EQ(loading.refusals.size(), 2u);
  EXPECT_EQ(loading.refusals[0].file, paths[1]);
  EXPECT_EQ(loading.refusals[0].problem, MotorFileProblem::DuplicateName);
  EXPECT_EQ(loading.refusals[0].detail, "also 'M-1', read before");
  EXPECT_EQ(loading.refusals[1].problem, MotorFileProblem::Unreadable);
  EXPECT_EQ(loading.refusals[1].detail, "No such file or directory");
  EXPECT_EQ(loading.added, (std::vector<std::size_t>{1, 0, 0, 300}));
  const MotorList list = std::move(loading.list);
  const std::span<const MotorRecord> user = list.Rows(MotorRows::UserOnly);
  ASSERT_EQ(user.size(), 301u);
  EXPECT_EQ(list.All().size(), MotorCatalog::kSize + 301);
  EXPECT_EQ(list.BuiltIn().back().name, "VC-21");
  EXPECT_EQ(user[0].name, "M-1");
  EXPECT_EQ(user[300].name, "U299");
  EXPECT_EQ(user[300].family, "f");
  EXPECT_TRUE(user[3].user && !user[3].HasSeries() && user[3].Number() == 0);
}
