// The floor for `brivane-cli select --json`: the least a Qt-free C++ program must do to answer
// the same command line with the same JSON, for the start-up benchmark (see README). No option
// library, no streams, no checks beyond what the worked example needs: only `select` with the
// move and limit options is understood.
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/NumberText.h"
#include "engine/Selection.h"

using namespace brivane;

namespace {

void Append(std::string& out, const char* key, float value) {
  out += '"';
  out += key;
  out += "\":";
  out += FormatShortest(value);
}

void AppendString(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  out += '"';
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2 || std::strcmp(argv[1], "select") != 0) return 64;
  SelectionRequest request;
  MotionInput& in = request.input;
  bool json = false;
  for (int i = 2; i < argc; ++i) {
    const char* name = argv[i];
    if (std::strcmp(name, "--json") == 0) {
      json = true;
      continue;
    }
    if (i + 1 >= argc) return 64;
    const std::string value = argv[++i];
    if (std::strcmp(name, "--stroke") == 0 || std::strcmp(name, "--rated") == 0 || std::strcmp(name, "--peak") == 0) {
      const auto whole = ParseIntField(value);
      if (!whole) return 64;
      if (name[2] == 's')
        in.distanceMm = *whole;
      else
        (name[2] == 'r' ? request.ratedPosition : request.peakPosition) = PositionFromLimit(*whole);
      continue;
    }
    const auto number = ParseFloatField(value);
    if (!number) return 64;
    if (std::strcmp(name, "--mass") == 0)
      in.loadMass = *number;
    else if (std::strcmp(name, "--accel-g") == 0)
      in.accelValue = *number;
    else if (std::strcmp(name, "--accel-ms") == 0)
      in.accelValue = *number, in.accelMode = AccelMode::Time;
    else if (std::strcmp(name, "--velocity") == 0)
      in.peakVelocity = *number;
    else if (std::strcmp(name, "--dwell") == 0)
      in.dwellMs = *number;
    else if (std::strcmp(name, "--friction") == 0)
      in.frictionCoefficient = *number;
    else if (std::strcmp(name, "--safety") == 0)
      in.safetyFactor = *number;
    else
      return 64;
  }
  if (!json) return 64;

  const SelectionOutcome out = RunSelection(request);
  std::string text = "{";
  if (!out.completed) {
    text += "\"error\":";
    AppendString(text, KoreanText(out.messages.back()));
    text += "}\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 2;
  }
  text += "\"messages\":[";
  for (std::size_t i = 0; i < out.messages.size(); ++i) {
    if (i) text += ',';
    AppendString(text, KoreanText(out.messages[i]));
  }
  text += "],";
  Append(text, "accelG", out.acceleration->g);
  text += ',';
  Append(text, "accelTimeMs", out.acceleration->timeMs);
  text += ",\"ratedLimit\":" + std::to_string(out.ratedLimit) + ",\"peakLimit\":" + std::to_string(out.peakLimit) +
          ",\"series\":[";
  for (std::size_t s = 0; s < 3; ++s) {
    const SeriesChoice& c = out.series[s];
    if (s) text += ',';
    text += "{\"series\":" + std::to_string(s + 1) + ",\"model\":";
    AppendString(text, c.model);
    text += ",\"number\":" + std::to_string(c.number) + ',';
    Append(text, "ratedDuty", c.duty.ratedDuty);
    text += ',';
    Append(text, "peakDuty", c.duty.peakDuty);
    text += '}';
  }
  text += "]}\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
