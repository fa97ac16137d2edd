#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Messages.h"
#include "engine/Motion.h"
#include "engine/NumberText.h"
#include "engine/Presentation.h"
#include "tests/support/WorkedExamples.h"

using namespace brivane;

namespace {

const MotorRecord& Row(std::string_view name) {
  const MotorCatalog& c = MotorCatalog::Instance();
  return c.at(*c.FindByName(name));
}

using examples::FirstMove;

std::optional<Message> Check(const MotionInput& in, AccelTimeCheck c = AccelTimeCheck::Selection) {
  return ValidateMotionInput(in, c);
}

}  // namespace

TEST(InputChecks, BoundsAreInclusiveUnlessExcluded) {
  MotionInput in = FirstMove();
  EXPECT_FALSE(Check(in));

  in.accelValue = 50.0f;
  EXPECT_FALSE(Check(in));
  in.accelValue = std::nextafter(50.0f, 100.0f);
  EXPECT_EQ(Check(in), Message{MessageCode::AccelG});
  in.accelValue = 0.0f;
  EXPECT_EQ(Check(in), Message{MessageCode::AccelG});
  in = FirstMove();

  in.peakVelocity = 30.0f;
  EXPECT_FALSE(Check(in));
  in.peakVelocity = 0.0f;
  EXPECT_EQ(Check(in), Message{MessageCode::Velocity});
  in = FirstMove();

  for (int d : {0, -5, 100001}) {
    in.distanceMm = d;
    EXPECT_EQ(Check(in), Message{MessageCode::Distance}) << d;
  }
  in.distanceMm = 100000;
  EXPECT_FALSE(Check(in));
  in.distanceMm = 1;
  EXPECT_FALSE(Check(in));
  in = FirstMove();

  in.frictionCoefficient = 0.0f;
  EXPECT_FALSE(Check(in));
  in.frictionCoefficient = -0.01f;
  EXPECT_EQ(Check(in), Message{MessageCode::Friction});
  in = FirstMove();

  for (float sf : {1.0f, 20.0f}) {
    in.safetyFactor = sf;
    EXPECT_FALSE(Check(in));
  }
  in.safetyFactor = 0.99f;
  EXPECT_EQ(Check(in), Message{MessageCode::Safety});
  in = FirstMove();

  in.dwellMs = 10000000.0f;
  EXPECT_FALSE(Check(in));
  in.dwellMs = 10000001.0f;
  EXPECT_EQ(Check(in), Message{MessageCode::Dwell});
}

TEST(InputChecks, OrderAndAccelerationTimeRules) {
  MotionInput in = FirstMove();
  in.accelValue = 60.0f;
  in.peakVelocity = 31.0f;
  in.loadMass = 0.0f;
  EXPECT_EQ(Check(in), Message{MessageCode::AccelG});  // a wrong acceleration hides the rest
  in.accelValue = 1.0f;
  EXPECT_EQ(Check(in), Message{MessageCode::Velocity});
  in.peakVelocity = 1.0f;
  EXPECT_EQ(Check(in), Message{MessageCode::Mass});

  in = FirstMove();
  in.accelMode = AccelMode::Time;
  in.accelValue = 9.9f;
  EXPECT_EQ(Check(in, AccelTimeCheck::Selection), Message{MessageCode::AccelTime});
  EXPECT_FALSE(Check(in, AccelTimeCheck::DutyCheck));
  in.accelValue = 10.0f;
  EXPECT_FALSE(Check(in, AccelTimeCheck::Selection));
  in.accelValue = 60.0f;  // the g bound never applies to a time
  EXPECT_FALSE(Check(in, AccelTimeCheck::Selection));
  // A time of 0 or below would make the acceleration infinite: refused by the duty check too,
  // before the velocity check.
  in.peakVelocity = 0.0f;
  for (float t : {0.0f, -5.0f}) {
    in.accelValue = t;
    EXPECT_EQ(Check(in, AccelTimeCheck::DutyCheck), Message{MessageCode::AccelTime}) << t;
  }
}

TEST(InputChecks, NumbersThatAreNotFiniteNeverPass) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    float MotionInput::*field;
    Message message;
  };
  for (const Case& c : {Case{&MotionInput::accelValue, Message{MessageCode::AccelG}},
                        Case{&MotionInput::peakVelocity, Message{MessageCode::Velocity}},
                        Case{&MotionInput::loadMass, Message{MessageCode::Mass}},
                        Case{&MotionInput::frictionCoefficient, Message{MessageCode::Friction}},
                        Case{&MotionInput::safetyFactor, Message{MessageCode::Safety}},
                        Case{&MotionInput::dwellMs, Message{MessageCode::Dwell}}}) {
    for (float bad : {nan, inf, -inf}) {
      MotionInput in = FirstMove();
      in.*c.field = bad;
      EXPECT_EQ(Check(in), c.message);
    }
  }
  MotionInput in = FirstMove();
  in.accelMode = AccelMode::Time;
  in.accelValue = nan;
  EXPECT_EQ(Check(in, AccelTimeCheck::Selection), Message{MessageCode::AccelTime});
  EXPECT_EQ(Check(in, AccelTimeCheck::DutyCheck), Message{MessageCode::AccelTime});
}

TEST(AccelerationConversions, BothModes) {
  MotionInput in = FirstMove();
  in.accelMode = AccelMode::Time;
  in.accelValue = 100.0f;
  EXPECT_EQ(AccelInMps2(in), 10.0f);
  EXPECT_EQ(AccelInG(in), 1.0204082f);
  EXPECT_EQ(AccelTimeMs(in), 100.0f);

  in = FirstMove();
  EXPECT_EQ(AccelInG(in), 1.0f);
  EXPECT_EQ(AccelInMps2(in), static_cast<float>(9.8));
  EXPECT_EQ(AccelTimeMs(in), static_cast<float>(1.0 / 9.8 * 1000.0));
  EXPECT_EQ(FormatFixed(AccelTimeMs(in), 1), "102.0");
}

TEST(DutyFormula, WorkedExample) {
  const MotionInput in = FirstMove();
  const DutyComputation cl01 = ComputeDuty(in, 1.0f, Row("CL-01"));
  EXPECT_EQ(FormatFixed(cl01.duty.ratedDuty, 3), "29.298");
  EXPECT_EQ(FormatFixed(cl01.duty.peakDuty, 3), "23.640");
  EXPECT_EQ(FormatFixed(ComputeDuty(in, 1.0f, Row("IC-02")).duty.ratedDuty, 3), "70.124");
  EXPECT_EQ(FormatFixed(ComputeDuty(in, 1.0f, Row("IC-01")).duty.ratedDuty, 1), "82.3");
  // The safety factor moves the peak ratio only.
  MotionInput safer = in;
  safer.safetyFactor = 2.6f;
  const DutyComputation doubled = ComputeDuty(safer, 1.0f, Row("CL-01"));
  EXPECT_EQ(doubled.duty.ratedDuty, cl01.duty.ratedDuty);
  EXPECT_NEAR(doubled.duty.peakDuty, 2.0f * cl01.duty.peakDuty, 1e-4);
}

TEST(DutyFormula, FrictionFreeAndShortStrokes) {
  MotionInput in = FirstMove();
  in.frictionCoefficient = 0.0f;
  const MotorRecord& row = Row("IC-03");
  const DutyComputation d = ComputeDuty(in, 1.0f, row);
  // Without friction the thrust is pure inertia: F = M a during both ramps, 0 in between.
  const double m = static_cast<double>(row.moverMass + 1.0f);
  EXPECT_DOUBLE_EQ(d.accelThrust, m * 9.8);

  in.distanceMm = 50;  // the ramps alone need 102 mm
  const DutyComputation shortStroke = ComputeDuty(in, 1.0f, row);
  EXPECT_TRUE(std::isfinite(shortStroke.duty.ratedDuty));
  EXPECT_GT(shortStroke.duty.ratedDuty, 0.0f);
  EXPECT_GT(shortStroke.duty.peakDuty, 0.0f);
}

TEST(LoadAnalysis, WorkedExampleTexts) {
  const LoadAnalysis a = AnalyseLoad(FirstMove(), Row("CL-01"), 20.0f);
  EXPECT_EQ(a.peakThrust, 13.47625f);
  const AnalysisTexts t = FormatAnalysisTexts(a);
  const std::array<std::string, 8> expected{"7.2", "13.5", "0.102", "0.398", "0.602", "51.0", "398.0", "500.0"};
  EXPECT_EQ(t.analysis, expected);
  EXPECT_EQ(t.ambient, "20");
  EXPECT_EQ(t.coil, "31.2");

  const LoadAnalysis warm = AnalyseLoad(FirstMove(), Row("CL-01"), ParseAmbientText("25.6"));
  EXPECT_EQ(FormatAnalysisTexts(warm).ambient, "26");
  EXPECT_EQ(FormatAnalysisTexts(warm).coil, "36.8");
  EXPECT_EQ(warm.ambientTemp, 25.6f);
}

TEST(LoadAnalysis, AmbientTextReadLikeTheCLibrary) {
  EXPECT_EQ(ParseAmbientText("25.6"), 25.6f);
  EXPECT_EQ(ParseAmbientText("  -3.5xyz"), -3.5f);
  EXPECT_EQ(ParseAmbientText("abc"), 0.0f);
  EXPECT_EQ(ParseAmbientText(""), 0.0f);
  EXPECT_EQ(ParseAmbientText("1e2"), 100.0f);
  // Not finite, or beyond single precision: counts as no number.
  EXPECT_EQ(ParseAmbientText("inf"), 0.0f);
  EXPECT_EQ(ParseAmbientText("nan"), 0.0f);
  EXPECT_EQ(ParseAmbientText("1e39"), 0.0f);
}

TEST(LoadAnalysis, ShortAndExactStrokes) {
  MotionInput in = FirstMove();
  in.distanceMm = 100;
  const LoadAnalysis tooShort = AnalyseLoad(in, Row("CL-01"), 20.0f);
  EXPECT_EQ(FormatFixed(tooShort.constDistance, 1), "-2.0");
  EXPECT_LT(tooShort.constTime, 0.0f);

  in.accelMode = AccelMode::Time;
  in.accelValue = 100.0f;
  const LoadAnalysis exact = AnalyseLoad(in, Row("CL-01"), 20.0f);
  EXPECT_EQ(FormatFixed(exact.accelDistance, 1), "50.0");
  EXPECT_EQ(FormatFixed(exact.constDistance, 1), "0.0");
  EXPECT_EQ(FormatFixed(exact.constTime, 3), "0.000");
  EXPECT_FALSE(MakeProfileChart(exact, in.peakVelocity));  // nothing to draw for a triangle
}

TEST(ProfileChart, LabelsRoundHalfMillisecondsUp) {
  auto labelsOf = [](float accel, float constant, float total) {
    LoadAnalysis a;
    a.accelTime = accel;
    a.constTime = constant;
    a.totalTime = total;
    a.constDistance = 1.0f;
    return MakeProfileChart(a, 2.0f)->labels;
  };
  EXPECT_EQ(labelsOf(0.1f, 0.3f, 0.6f), (std::array<std::string, 5>{"0", "100", "400", "500", "600"}));
  EXPECT_EQ(labelsOf(0.0125f, 0.2f, 0.4f), (std::array<std::string, 5>{"0", "13", "213", "225", "400"}));

  const auto worked = MakeProfileChart(AnalyseLoad(FirstMove(), Row("CL-01"), 20.0f), 1.0f);
  ASSERT_TRUE(worked);
  EXPECT_EQ(worked->labels, (std::array<std::string, 5>{"0", "102", "500", "602", "602"}));
  EXPECT_EQ(worked->pointCount, 4);
  EXPECT_EQ(worked->velocities[1], 1.0);
  EXPECT_EQ(worked->velocities[3], 0.0);

  const ProfileChartData empty = EmptyProfileChart();
  EXPECT_EQ(empty.labels, (std::array<std::string, 5>{"0", "1000", "2000", "3000", "4000"}));
  EXPECT_EQ(empty.pointCount, 5);
  EXPECT_EQ(empty.velocities, (std::array<double, 5>{0, 1, 1, 0, 0}));
}

TEST(DisplayTexts, DutyTextsInSeriesOrder) {
  const auto texts = FormatDutyTexts({DutyResult{29.298f, 23.64f}, DutyResult{}, DutyResult{54.04f, 47.95f}});
  EXPECT_EQ(texts, (std::array<std::string, 6>{"29.3", "23.6", "0.0", "0.0", "54.0", "48.0"}));
}
