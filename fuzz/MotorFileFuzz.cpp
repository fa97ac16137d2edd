// The reader of the user's motor files, with any text taken as JSON and as CSV. A refusal names a
// known problem, a motor within the file and nothing the terminal would act on; an accepted file
// holds only motors that pass every check, and what brivane-cli's catalog writes of them reads
// back as the same motors to the bit.
#include <rapidjson/document.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "cli/RunCli.h"
#include "engine/MotorFile.h"
#include "engine/Utf8.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzSandbox.h"

namespace {

using namespace brivane;

std::string Folded(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return s;
}

bool HasControl(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  return false;
}

// The checks of the format, restated: what every accepted motor must be.
void CheckMotor(const UserMotor& m, std::unordered_set<std::string>& names, const std::string& where) {
  for (const std::string_view text : {std::string_view(m.name), std::string_view(m.family)}) {
    FUZZ_CHECK(!HasControl(text) && Utf8CodePoints(text) <= kMaxMotorTextLength, where + std::string(text));
    FUZZ_CHECK(text.empty() || (text.front() != ' ' && text.back() != ' '), where);
  }
  FUZZ_CHECK(!m.name.empty(), where);
  FUZZ_CHECK(names.insert(Folded(m.name)).second, where + m.name);
  const MotorRecord& v = m.values;
  for (const float f : {v.moverMass, v.ratedForce, v.peakForce, v.ratedCurrent, v.peakCurrent, v.maxPower, v.polePitch,
                        v.forceConstant, v.bemfConstant, v.motorConstant, v.electricalTimeConstant, v.lineResistance,
                        v.lineInductance, v.thermalCoefficient})
    FUZZ_CHECK(std::isfinite(f) && f > 0.0f, where + m.name);
  FUZZ_CHECK(v.attractionForce >= 0, where + m.name);
  FUZZ_CHECK(v.peakForce >= v.ratedForce && v.peakCurrent >= v.ratedCurrent, where + m.name);
}

bool SameValues(const MotorRecord& a, const MotorRecord& b) {
  const auto bits = [](const MotorRecord& r) {
    return std::vector<std::uint32_t>{
        std::bit_cast<std::uint32_t>(r.moverMass),     std::bit_cast<std::uint32_t>(r.ratedForce),
        std::bit_cast<std::uint32_t>(r.peakForce),     std::bit_cast<std::uint32_t>(r.ratedCurrent),
        std::bit_cast<std::uint32_t>(r.peakCurrent),   std::bit_cast<std::uint32_t>(r.maxPower),
        std::bit_cast<std::uint32_t>(r.polePitch),     std::bit_cast<std::uint32_t>(r.forceConstant),
        std::bit_cast<std::uint32_t>(r.bemfConstant),  std::bit_cast<std::uint32_t>(r.motorConstant),
        std::bit_cast<std::uint32_t>(r.electricalTimeConstant), std::bit_cast<std::uint32_t>(r.lineResistance),
        std::bit_cast<std::uint32_t>(r.lineInductance), std::bit_cast<std::uint32_t>(r.thermalCoefficient),
        static_cast<std::uint32_t>(r.attractionForce)};
  };
  return bits(a) == bits(b);
}

// The accepted file through brivane-cli: catalog lists its motors as JSON, which, given the motor
// file's two keys, is read again.
void RoundTrip(std::string_view text, MotorFileKind kind, const MotorFileReading& reading) {
  const fuzz::Sandbox& box = fuzz::TheSandbox();
  const std::filesystem::path file = box.inner / (kind == MotorFileKind::Csv ? "m.csv" : "m.brivane-motors");
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
  const std::vector<std::string_view> args{"catalog", "--motors", file.native(), "--motors-only", "--json"};
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCli(args, out, err);
  std::filesystem::remove(file);
  FUZZ_CHECK(status == 0, err.str());
  std::string json = out.str();
  const std::string head = R"({"models":[)";
  FUZZ_CHECK(json.rfind(head, 0) == 0, json);
  json.replace(0, head.size(), R"({"format":"brivane-motors","version":1,"motors":[)");
  const MotorFileReading again = ReadMotorText(json, MotorFileKind::Json, MotorCatalog::Instance().Rows());
  FUZZ_CHECK(!again.refusal, json + "\n" + (again.refusal ? DescribeMotorFileRefusal(*again.refusal) : ""));
  FUZZ_CHECK(again.motors.size() == reading.motors.size(), json);
  for (std::size_t i = 0; i < again.motors.size(); ++i) {
    const UserMotor& a = reading.motors[i];
    const UserMotor& b = again.motors[i];
    FUZZ_CHECK(a.name == b.name && a.family == b.family && SameValues(a.values, b.values), json);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const MotorFileKind kind : {MotorFileKind::Json, MotorFileKind::Csv}) {
    const std::string where = kind == MotorFileKind::Csv ? "csv: " : "json: ";
    const MotorFileReading reading = ReadMotorText(text, kind, MotorCatalog::Instance().Rows());
    if (reading.refusal) {
      const MotorFileRefusal& r = *reading.refusal;
      FUZZ_CHECK(reading.motors.empty(), where);
      FUZZ_CHECK(MotorFileProblemName(r.problem) != "unknown problem", where);
      FUZZ_CHECK(r.motor <= kMaxUserMotors + 1, where + std::to_string(r.motor));
      const std::string description = DescribeMotorFileRefusal(r);
      FUZZ_CHECK(!description.empty() && !HasControl(description), where + description);
      continue;
    }
    std::unordered_set<std::string> names;
    for (const std::string_view builtIn : MotorCatalog::Instance().Names()) names.insert(Folded(builtIn));
    for (const UserMotor& m : reading.motors) CheckMotor(m, names, where);
    RoundTrip(text, kind, reading);
  }
  fuzz::TheSandbox().CheckNothingEscaped();
  return 0;
}
