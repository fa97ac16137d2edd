// The engine helpers behind the form's usability: limits typed loosely, the judgement of checked
// results, and the input bounds that the checks and the form's tooltips share.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "engine/DutyLimits.h"
#include "engine/Motion.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"
#include "tests/support/WorkedExamples.h"

namespace brivane {
namespace {

TEST(LimitText, EveryItemAsTheListsShowItAndTypedLoosely) {
  for (int position = 0; position < kLimitPositions; ++position) {
    const std::string percent = std::to_string(LimitFromPosition(position));
    const std::string item = (percent.size() < 3 ? " " : "") + percent + "%";  // " 30%", "100%"
    for (const std::string& text : {item, percent, percent + "%", " " + percent + " % ", "\t" + percent + "\t"}) {
      EXPECT_EQ(PositionFromLimitText(text), position) << '"' << text << '"';
    }
  }
}

TEST(LimitText, TextThatNamesNoItem) {
  for (const char* text : {"", " ", "%", "72%", "20", "105", "0", "30%%", "3 0", "-30", "+30", "30.0", "30 %x",
                           "x30", "0030", "99999999999"}) {
    EXPECT_EQ(PositionFromLimitText(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ResultAlerts, DutyRatiosAgainstTheLimitAndFullLoad) {
  struct Case {
    float ratio;
    std::optional<int> limit;
    ResultAlert expected;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {69.9f, 70, ResultAlert::None},         {70.0f, 70, ResultAlert::AboveLimit},
      {70.1f, 70, ResultAlert::AboveLimit},   {100.0f, 100, ResultAlert::AboveLimit},
      {100.0f, std::nullopt, ResultAlert::None}, {std::nextafter(100.0f, 200.0f), std::nullopt, ResultAlert::AboveFull},
      {150.0f, 70, ResultAlert::AboveFull},   {0.0f, 25, ResultAlert::None},
      {nan, 70, ResultAlert::AboveLimit},     {nan, std::nullopt, ResultAlert::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DutyAlert(c.ratio, c.limit), c.expected) << c.ratio << " against " << c.limit.value_or(-1);
  }
}

TEST(ResultAlerts, AgreeWithTheSelectionsTestOfARow) {
  // A ratio marks as over its limit exactly when the selection would refuse the row for it.
  MotorRecord row{};
  row.offered = 1;
  for (const int limit : {30, 70, 80, 100}) {
    const float l = static_cast<float>(limit);
    for (const float ratio : {l - 0.5f, std::nextafter(l, 0.0f), l, std::nextafter(l, 200.0f), l + 0.5f}) {
      const bool fits = RowFits(row, DutyResult{ratio, 0.0f}, l, l);
      EXPECT_EQ(DutyAlert(ratio, limit) == ResultAlert::None, fits) << ratio << " against " << limit;
    }
  }
}

TEST(ResultAlerts, CoilTemperatureAboveTheFormsRule) {
  EXPECT_EQ(CoilAlert(kMaxCoilTempC), ResultAlert::None);
  EXPECT_EQ(CoilAlert(31.2f), ResultAlert::None);
  EXPECT_EQ(CoilAlert(std::nextafter(kMaxCoilTempC, 1000.0f)), ResultAlert::AboveFull);
}

// Each bound the tooltips show is where the check turns: the bound itself passes (or, for an
// excluded lower bound of 0, fails), the next float beyond it fails with the input's message.
TEST(InputBounds, AreWhereTheChecksTurn) {
  struct Bound {
    const char* name;
    std::function<void(MotionInput&, float)> set;
    float bound;
    float beyond;  // direction of the failing side
    bool boundPasses;
    Message message;
  };
  const auto f = [](float MotionInput::*field) { return [field](MotionInput& in, float v) { in.*field = v; }; };
  const auto time = [](MotionInput& in, float v) {
    in.accelMode = AccelMode::Time;
    in.accelValue = v;
  };
  const Bound bounds[] = {
      {"accel g max", f(&MotionInput::accelValue), kMaxAccelG, 1e9f, true, msg::kAccelG},
      {"accel g min", f(&MotionInput::accelValue), 0.0f, -1.0f, false, msg::kAccelG},
      {"accel time min", time, kMinSelectionAccelTimeMs, 0.0f, true, msg::kAccelTime},
      {"velocity max", f(&MotionInput::peakVelocity), kMaxVelocity, 1e9f, true, msg::kVelocity},
      {"mass max", f(&MotionInput::loadMass), kMaxLoadMassKg, 1e9f, true, msg::kMass},
      {"friction max", f(&MotionInput::frictionCoefficient), kMaxFriction, 1e9f, true, msg::kFriction},
      {"friction min", f(&MotionInput::frictionCoefficient), 0.0f, -1.0f, true, msg::kFriction},
      {"safety min", f(&MotionInput::safetyFactor), kMinSafetyFactor, 0.0f, true, msg::kSafety},
      {"safety max", f(&MotionInput::safetyFactor), kMaxSafetyFactor, 1e9f, true, msg::kSafety},
      {"dwell max", f(&MotionInput::dwellMs), kMaxDwellMs, 1e12f, true, msg::kDwell},
  };
  for (const Bound& b : bounds) {
    MotionInput in = examples::FirstMove();
    b.set(in, b.bound);
    const std::optional<Message> at = ValidateMotionInput(in, AccelTimeCheck::Selection);
    EXPECT_EQ(at, b.boundPasses ? std::nullopt : std::optional<Message>(b.message)) << b.name;
    b.set(in, std::nextafter(b.bound, b.beyond));
    EXPECT_EQ(ValidateMotionInput(in, AccelTimeCheck::Selection), b.message) << b.name;
  }
  MotionInput in = examples::FirstMove();
  in.distanceMm = kMaxDistanceMm;
  EXPECT_EQ(ValidateMotionInput(in, AccelTimeCheck::Selection), std::nullopt);
  in.distanceMm = kMaxDistanceMm + 1;
  EXPECT_EQ(ValidateMotionInput(in, AccelTimeCheck::Selection), msg::kDistance);
}

}  // namespace
}  // namespace brivane
