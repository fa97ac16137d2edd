#include "cli/UsageHints.h"

#include <charconv>

#include "engine/DutyLimits.h"
#include "engine/Motion.h"

namespace brivane::cli {
namespace {

// A bound as the user would type it: plain digits, no exponent ("10000000", "0.5").
std::string Bound(double value) {
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  (void)ec;
  return std::string(buf, end);
}

struct Range {
  MessageCode code;
  std::string_view option;  // the option whose value the check of `code` tests
  std::string_view also;    // a second option that takes the same values, or empty
  std::string (*accepts)();
};

// In the order of the input checks; the limit list is the last.
const Range kRanges[] = {
    {MessageCode::AccelTime, "accel-ms", "",
     [] {
       return "an acceleration time in msec: at least " + Bound(kMinSelectionAccelTimeMs) +
              " for select, rank and report, above 0 for check";
     }},
    {MessageCode::AccelG, "accel-g", "",
     [] { return "a peak acceleration in g above 0 and at most " + Bound(kMaxAccelG); }},
    {MessageCode::Velocity, "velocity", "",
     [] { return "a peak velocity in m/s above 0 and at most " + Bound(kMaxVelocity); }},
    {MessageCode::Mass, "mass", "", [] { return "a load mass in kg above 0 and at most " + Bound(kMaxLoadMassKg); }},
    {MessageCode::Distance, "stroke", "",
     [] { return "a stroke in mm, a whole number above 0 and at most " + Bound(kMaxDistanceMm); }},
    {MessageCode::Friction, "friction", "", [] { return "a friction coefficient from 0 to " + Bound(kMaxFriction); }},
    {MessageCode::Safety, "safety", "",
     [] { return "a safety factor from " + Bound(kMinSafetyFactor) + " to " + Bound(kMaxSafetyFactor); }},
    {MessageCode::Dwell, "dwell", "", [] { return "a dwell time in msec from 0 to " + Bound(kMaxDwellMs); }},
    {MessageCode::NoLimits, "rated", "peak",
     [] {
       return "a duty ratio in percent, one of " + std::to_string(LimitFromPosition(0)) + ", " +
              std::to_string(LimitFromPosition(1)) + ", ..., " + std::to_string(LimitFromPosition(kLimitPositions - 1));
     }},
};

std::string Line(const Range& r) {
  std::string line = "brivane-cli: --" + std::string(r.option);
  line += r.also.empty() ? " takes " : " and --" + std::string(r.also) + " take ";
  return line + r.accepts();
}

}  // namespace

std::optional<std::string> RangeHint(MessageCode code) {
  for (const Range& r : kRanges)
    if (r.code == code) return Line(r);
  return std::nullopt;
}

std::optional<std::string> OptionHint(std::string_view option) {
  for (const Range& r : kRanges)
    if (r.option == option || (!r.also.empty() && r.also == option)) return Line(r);
  return std::nullopt;
}

}  // namespace brivane::cli
