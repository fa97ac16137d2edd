// The move-file reader on any text, and on any file the text becomes: it never fails but by
// refusing, what it accepts is written back and read again to the same values, and reading the
// file through ReadTextFile gives the same answer as reading the text.
#include <bit>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/MoveFile.h"
#include "engine/TextFile.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzSandbox.h"

namespace {

bool Same(const brivane::FormValues& a, const brivane::FormValues& b) {
  const auto bits = [](float f) { return std::bit_cast<std::uint32_t>(f); };
  return bits(a.move.loadMass) == bits(b.move.loadMass) && a.move.distanceMm == b.move.distanceMm &&
         a.move.accelMode == b.move.accelMode && bits(a.move.accelValue) == bits(b.move.accelValue) &&
         bits(a.move.peakVelocity) == bits(b.move.peakVelocity) && bits(a.move.dwellMs) == bits(b.move.dwellMs) &&
         bits(a.move.frictionCoefficient) == bits(b.move.frictionCoefficient) &&
         bits(a.move.safetyFactor) == bits(b.move.safetyFactor) && a.ratedPosition == b.ratedPosition &&
         a.peakPosition == b.peakPosition && a.ambient == b.ambient && a.model == b.model && a.show == b.show;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const brivane::MoveFileReading reading = brivane::MoveFromJson(text);
  if (reading.values) {
    const std::string written = brivane::MoveToJson(*reading.values);
    const brivane::MoveFileReading again = brivane::MoveFromJson(written);
    FUZZ_CHECK(again.values && Same(*again.values, *reading.values), written);
  } else {
    FUZZ_CHECK(reading.error.problem != brivane::MoveFileProblem::NotJson || reading.error.field.empty(),
               reading.error.field);
  }

  static const std::string path = (brivane::fuzz::TheSandbox().inner / "move.brivane").string();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  const brivane::TextFileReading file = brivane::ReadTextFile(path);
  FUZZ_CHECK(!file.error && file.text == text, file.error.message());
  return 0;
}
