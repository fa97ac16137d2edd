#include "engine/MoveFile.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "engine/NumberText.h"
#include "engine/TextFile.h"

using namespace brivane;

namespace {

using Problem = MoveFileProblem;

std::uint32_t Bits(float f) { return std::bit_cast<std::uint32_t>(f); }

void ExpectSame(const FormValues& a, const FormValues& b) {
  EXPECT_EQ(Bits(a.move.loadMass), Bits(b.move.loadMass));
  EXPECT_EQ(a.move.distanceMm, b.move.distanceMm);
  EXPECT_EQ(a.move.accelMode, b.move.accelMode);
  EXPECT_EQ(Bits(a.move.accelValue), Bits(b.move.accelValue));
  EXPECT_EQ(Bits(a.move.peakVelocity), Bits(b.move.peakVelocity));
  EXPECT_EQ(Bits(a.move.dwellMs), Bits(b.move.dwellMs));
  EXPECT_EQ(Bits(a.move.frictionCoefficient), Bits(b.move.frictionCoefficient));
  EXPECT_EQ(Bits(a.move.safetyFactor), Bits(b.move.safetyFactor));
  EXPECT_EQ(a.ratedPosition, b.ratedPosition);
  EXPECT_EQ(a.peakPosition, b.peakPosition);
  EXPECT_EQ(a.ambient, b.ambient);
  EXPECT_EQ(a.model, b.model);
  EXPECT_EQ(a.show, b.show);
}

// The number text written for `key`, as it stands in the file.
std::string WrittenNumber(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\": ");
  if (at == std::string::npos) return "";
  const std::size_t start = at + key.size() + 4;
  return json.substr(start, json.find_first_of(",\n", start) - start);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

}  // namespace

TEST(MoveFile, RandomFormsReadBackBitForBit) {
  const std::vector<float> special{FLT_MAX, -FLT_MAX, FLT_MIN, FLT_TRUE_MIN, -FLT_TRUE_MIN, 1e-40f,
                                   -0.0f,   0.0f,     0.1f,    1.3f,         16777217.0f};
  const std::vector<std::string> texts{"", "20", "섭씨 20도", "적용 모델 \"CL-01\"", "a\\b\n\t\x01 끝", "VC-21"};
  std::mt19937 rng(20260111);
  auto anyFloat = [&] {
    if (rng() % 4 == 0) return special[rng() % special.size()];
    float f;
    do f = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
    while (!std::isfinite(f));
    return f;
  };
  auto anyPosition = [&]() -> std::optional<int> {
    const int p = static_cast<int>(rng() % 17);
    return p == 16 ? std::nullopt : std::optional<int>(p);
  };
  for (int i = 0; i < 3000; ++i) {
    FormValues v;
    for (float* f : {&v.move.loadMass, &v.move.accelValue, &v.move.peakVelocity, &v.move.dwellMs,
                     &v.move.frictionCoefficient, &v.move.safetyFactor})
      *f = anyFloat();
    v.move.distanceMm = i == 0   ? std::numeric_limits<std::int32_t>::min()
                        : i == 1 ? std::numeric_limits<std::int32_t>::max()
                                 : static_cast<std::int32_t>(rng());
    v.move.accelMode = rng() % 2 ? AccelMode::Time : AccelMode::Gravity;
    v.ratedPosition = anyPosition();
    v.peakPosition = anyPosition();
    v.ambient = texts[rng() % texts.size()];
    v.model = texts[rng() % texts.size()];
    v.show = {rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0};

    const std::string json = MoveToJson(v);
    const MoveFileReading back = MoveFromJson(json);
    ASSERT_TRUE(back.values) << json;
    ExpectSame(v, *back.values);
    if (HasFailure()) FAIL() << json;
  }
}

// Every float is written with the fewest significant digits that still read back as that float:
// no decimal with one digit fewer (the two nearest on either side) rounds to it. From 2^24 on,
// floats are integers and the plain integer text can be the fewer characters, so those are checked
// by example only.
TEST(MoveFile, FloatsAreWrittenAsTheShortestTextThatReadsBack) {
  std::mt19937 rng(7);
  for (int i = 0; i < 3000; ++i) {
    float v;
    do v = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
    while (!(std::fabs(v) < 16777216.0f) || v == 0.0f);
    FormValues form;
    form.move.peakVelocity = v;
    const std::string text = WrittenNumber(MoveToJson(form), "peakVelocity");
    float read = 0.0f;
    std::from_chars(text.data(), text.data() + text.size(), read);
    ASSERT_EQ(Bits(read), Bits(v)) << text;

    // Significant digits and decimal exponent of the text, from its scientific form.
    char sci[32];
    const auto end = std::to_chars(sci, sci + sizeof sci, std::stod(text), std::chars_format::scientific).ptr;
    std::string mantissa(sci, std::find(sci, end, 'e'));
    mantissa.erase(std::remove(mantissa.begin(), mantissa.end(), '.'), mantissa.end());
    mantissa.erase(std::remove(mantissa.begin(), mantissa.end(), '-'), mantissa.end());
    const int digits = static_cast<int>(mantissa.size());
    ASSERT_LE(digits, 9) << text;
    if (digits == 1) continue;
    const int exponent = std::atoi(std::find(sci, end, 'e') + 1) - (digits - 2);
    const long long shorter =
        std::llround(std::stod(mantissa.substr(0, digits - 1) + "." + mantissa.substr(digits - 1)));
    for (long long m : {shorter - 1, shorter, shorter + 1}) {
      const std::string candidate = (v < 0 ? "-" : "") + std::to_string(m) + "e" + std::to_string(exponent);
      float c = 0.0f;
      std::from_chars(candidate.data(), candidate.data() + candidate.size(), c);
      EXPECT_NE(Bits(c), Bits(v)) << text << " has a shorter form " << candidate;
    }
  }
  for (const auto& [value, text] : std::vector<std::pair<float, std::string>>{{0.1f, "0.1"},
                                                                              {1.3f, "1.3"},
                                                                              {-0.0f, "-0"},
                                                                              {FLT_MAX, "3.4028235e+38"},
                                                                              {FLT_TRUE_MIN, "1e-45"},
                                                                              {90282311680.0f, "90282311680"}}) {
    FormValues form;
    form.move.dwellMs = value;
    EXPECT_EQ(WrittenNumber(MoveToJson(form), "dwellMs"), text);
  }
}

// What another program may write: other layout, unknown keys, a byte-order mark, nulls, integers
// for floats, and number texts that need care to round as the form rounds a typed number.
TEST(MoveFile, ReadsWhatOtherProgramsWrite) {
  const std::string text =
      "\xEF\xBB\xBF{\"version\":1,\"format\":\"brivane-move\",\"generator\":{\"name\":\"x\",\"v\":[1,2]},"
      "\"move\":{\"safetyFactor\":2,\"loadMass\":1.00000005960464477550,\"distanceMm\":-0,\"accelMode\":\"ms\","
      "\"accelValue\":2.5E1,\"peakVelocity\":-0,\"dwellMs\":3.4028235e38,\"frictionCoefficient\":0.05,\"extra\":null},"
      "\"ratedLimit\":null,\"peakLimit\":100,\"ambient\":\"-5.5\",\"model\":\"IC-02\",\"show\":[false,true,false],"
      "\"later\":\"ignored\"}";
  const MoveFileReading r = MoveFromJson(text);
  ASSERT_TRUE(r.values) << MoveFileProblemName(r.error.problem) << " " << r.error.field;
  const FormValues& v = *r.values;
  // Through double precision, as the form reads typed text; a direct rounding would give 1.0000001.
  EXPECT_EQ(Bits(v.move.loadMass), Bits(*ParseFloatField("1.00000005960464477550")));
  EXPECT_EQ(v.move.distanceMm, 0);
  EXPECT_EQ(v.move.accelMode, AccelMode::Time);
  EXPECT_EQ(v.move.accelValue, 25.0f);
  EXPECT_EQ(Bits(v.move.peakVelocity), Bits(-0.0f));
  EXPECT_EQ(v.move.dwellMs, FLT_MAX);
  EXPECT_EQ(v.move.frictionCoefficient, 0.05f);
  EXPECT_EQ(v.move.safetyFactor, 2.0f);
  EXPECT_EQ(v.ratedPosition, std::nullopt);
  EXPECT_EQ(v.peakPosition, 15);
  EXPECT_EQ(v.ambient, "-5.5");
  EXPECT_EQ(v.model, "IC-02");
  EXPECT_EQ(v.show, (std::array<bool, 3>{false, true, false}));
}

TEST(MoveFile, RefusesWithTheProblemAndTheField) {
  FormValues form;
  form.move.peakVelocity = 1.5f;
  const std::string good = MoveToJson(form);
  ASSERT_TRUE(MoveFromJson(good).values);
  struct Case {
    std::string text;
    Problem problem;
    std::string field;
  };
  const auto edit = [&](const std::string& from, const std::string& to) { return Replaced(good, from, to); };
  const std::vector<Case> cases{
      {"", Problem::NotJson, ""},
      {good + "x", Problem::NotJson, ""},
      {good + std::string(1, '\0') + "x", Problem::NotJson, ""},
      {edit("\"model\": \"\"", "\"model\": \"\xC0\xAF\""), Problem::NotJson, ""},
      {"[1, 2]", Problem::NotMoveFile, ""},
      {std::string(400000, '[') + std::string(400000, ']'), Problem::NotMoveFile, ""},  // no stack overflow
      {edit("brivane-move", "brivane-motor"), Problem::NotMoveFile, "format"},
      {edit("\"format\"", "\"form\""), Problem::NotMoveFile, "format"},
      {edit("\"version\": 1", "\"version\": 2"), Problem::NewerVersion, "version"},
      // Any version above the reader's, however many digits, is a newer program's.
      {edit("\"version\": 1", "\"version\": 99999999999999999999"), Problem::NewerVersion, "version"},
      {edit("\"version\": 1", "\"version\": -99999999999999999999"), Problem::BadValue, "version"},
      // A key twice: refused wherever it is, named by its path, before anything else is read.
      {edit("\"version\": 1", "\"version\": 1, \"version\": 1"), Problem::DuplicateKey, "version"},
      {edit("\"loadMass\": 0", "\"loadMass\": 0, \"loadMass\": 5"), Problem::DuplicateKey, "move.loadMass"},
      {edit("\"format\"", "\"later\": [{\"a\": 1}, {\"b\": 1, \"b\": 2}], \"format\""), Problem::DuplicateKey,
       "later[1].b"},
      {edit("brivane-move", "brivane-motor\", \"x\": 1, \"x\": \"1"), Problem::DuplicateKey, "x"},
      // An empty key twice is still named, inside an object with an empty key too.
      {edit("\"format\"", "\"\": {\"\": 1, \"\": 2}, \"format\""), Problem::DuplicateKey, "\"\".\"\""},
      {edit("\"version\": 1", "\"version\": 0"), Problem::BadValue, "version"},
      {edit("\"version\": 1", "\"version\": \"1\""), Problem::WrongType, "version"},
      {edit("\"dwellMs\"", "\"dwell\""), Problem::MissingField, "move.dwellMs"},
      {edit("\"show\"", "\"shown\""), Problem::MissingField, "show"},
      {edit("\"peakVelocity\": 1.5", "\"peakVelocity\": \"1.5\""), Problem::WrongType, "move.peakVelocity"},
      {edit("\"distanceMm\": 0", "\"distanceMm\": 500.0"), Problem::WrongType, "move.distanceMm"},
      {edit("\"ambient\": \"20\"", "\"ambient\": 20"), Problem::WrongType, "ambient"},
      {edit("\"peakLimit\": 80", "\"peakLimit\": \"80\""), Problem::WrongType, "peakLimit"},
      {edit("[true, true, true]", "[true, 1, true]"), Problem::WrongType, "show[1]"},
      {edit("[true, true, true]", "true"), Problem::WrongType, "show"},
      {edit("\"peakVelocity\": 1.5", "\"peakVelocity\": NaN"), Problem::NotFinite, "move.peakVelocity"},
      {edit("\"loadMass\": 0", "\"loadMass\": -Infinity"), Problem::NotFinite, "move.loadMass"},
      {edit("\"safetyFactor\": 1.3", "\"safetyFactor\": 3.4028236e38"), Problem::NotFinite, "move.safetyFactor"},
      {edit("\"distanceMm\": 0", "\"distanceMm\": Infinity"), Problem::NotFinite, "move.distanceMm"},
      {edit("\"distanceMm\": 0", "\"distanceMm\": 2147483648"), Problem::BadValue, "move.distanceMm"},
      {edit("\"accelMode\": \"g\"", "\"accelMode\": \"G\""), Problem::BadValue, "move.accelMode"},
      {edit("\"ratedLimit\": 70", "\"ratedLimit\": 72"), Problem::BadValue, "ratedLimit"},
      {edit("\"peakLimit\": 80", "\"peakLimit\": 105"), Problem::BadValue, "peakLimit"},
      {edit("[true, true, true]", "[true, true]"), Problem::BadValue, "show"},
  };
  for (const Case& c : cases) {
    const MoveFileReading r = MoveFromJson(c.text);
    EXPECT_FALSE(r.values) << c.text.substr(0, 80);
    EXPECT_EQ(r.error.problem, c.problem) << c.text.substr(0, 80);
    EXPECT_EQ(r.error.field, c.field) << c.text.substr(0, 80);
  }
}

TEST(TextFile, ReadsAWholeFileOrSaysWhyNot) {
  const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "textfile_test";
  std::filesystem::create_directories(dir);
  const std::string content = MoveToJson(FormValues{}) + std::string(20000, ' ');
  std::ofstream(dir / "move.brivane", std::ios::binary) << content;

  const TextFileReading ok = ReadTextFile((dir / "move.brivane").string());
  EXPECT_FALSE(ok.error);
  EXPECT_EQ(ok.text, content);
  struct Case {
    std::filesystem::path path;
    std::size_t limit;
    std::errc error;
  };
  for (const Case& c : {Case{dir / "absent.brivane", kMaxTextFileBytes, std::errc::no_such_file_or_directory},
                        Case{dir, kMaxTextFileBytes, std::errc::is_a_directory},
                        Case{dir / "move.brivane", content.size() - 1, std::errc::file_too_large}}) {
    const TextFileReading r = ReadTextFile(c.path.string(), c.limit);
    EXPECT_EQ(r.error, std::make_error_code(c.error)) << c.path;
    EXPECT_TRUE(r.text.empty());
  }
  // A named pipe without a writer would block open() for ever, a device would be read without
  // end: both are refused at once, saying what they are.
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  for (const auto& [path, kind] : {std::pair{dir / "pipe", "named pipe"}, std::pair{std::filesystem::path("/dev/zero"), "device"}}) {
    const TextFileReading r = ReadTextFile(path.string());
    EXPECT_NE(r.error.message().find(kind), std::string::npos) << path << ": " << r.error.message();
    EXPECT_TRUE(r.text.empty());
  }
  std::filesystem::remove_all(dir);
}
