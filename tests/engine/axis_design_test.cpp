// The axis window's design without a window: a cycle built by typing (texts, segments added,
// moved and removed) rates bit for bit as the same cycle read whole; a refused or unreadable value
// is marked and the rest rated; an edit re-rates what it changes and nothing less; the plots agree
// with the plan they are drawn from.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "catalog/MotorList.h"
#include "engine/AxisDesign.h"
#include "engine/CycleFile.h"
#include "engine/NumberText.h"
#include "tests/support/RandomCycles.h"

namespace brivane {
namespace {

std::span<const MotorRecord> Rows() { return MotorCatalog::Instance().Rows(); }

Cycle Example(const char* name) {
  std::ifstream in(std::string(BRIVANE_EXAMPLES_DIR) + "/" + name);
  std::stringstream text;
  text << in.rdbuf();
  return CycleFromJson(text.str()).cycle.value();
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Every figure of every row as the command line rates the cycle, bit for bit.
void ExpectRatedAs(const AxisDesign& d, const Cycle& c) {
  const CyclePlan plan = BuildCyclePlan(c);
  CycleRatings ratings;
  RateCycle(plan, Rows(), true, ratings);
  std::vector<CycleDriveRating> drive;
  RateCycleDrive(plan, Rows(), ratings, drive);
  ASSERT_EQ(d.RatedCount(), Rows().size());
  for (std::size_t i = 0; i < Rows().size(); ++i) {
    const CycleRowView shown = d.Row(i);
    const CycleRowView expected{&Rows()[i], &ratings.rows[i], &drive[i]};
    for (std::size_t col = 0; col < kCycleColumnCount; ++col) {
      const auto column = static_cast<CycleColumn>(col);
      ASSERT_EQ(CycleColumnText(column, shown), CycleColumnText(column, expected)) << i << " " << col;
      const double a = CycleColumnValue(column, shown);
      const double b = CycleColumnValue(column, expected);
      ASSERT_TRUE(SameBits(a, b) || (std::isnan(a) && std::isnan(b))) << i << " " << col;
    }
  }
}

// Types `target` into a design that holds another cycle, as a user would: the segments' count
// first, then every type and every text; the accelerations in g.
void TypeCycle(AxisDesign& d, const Cycle& target) {
  d.SetAccelUnit(AccelUnit::Gravity);
  while (d.Edited().segments.size() < target.segments.size()) d.DuplicateSegment(0);
  while (d.Edited().segments.size() > target.segments.size()) d.RemoveSegment(d.Edited().segments.size() - 1);
  for (std::size_t f = 0; f < kAxisFieldCount; ++f) {
    const auto field = static_cast<AxisField>(f);
    d.SetAxisText(field, FieldText(AxisValue(target, field)));
  }
  d.SetLimits(target.ratedLimit, target.peakLimit);
  for (std::size_t i = 0; i < target.segments.size(); ++i) {
    const CycleSegment& s = target.segments[i];
    d.SetSegmentType(i, s.type);
    d.SetForceDuring(i, s.forceDuring);
    for (std::size_t f = 0; f < kSegmentFieldCount; ++f) {
      const auto field = static_cast<SegmentField>(f);
      // The shortest text of the value in m/s^2: typed after switching the unit back.
      if (HasField(s.type, field) && field != SegmentField::Accel && field != SegmentField::Decel)
        d.SetSegmentText(i, field, FormatShortestDouble(SegmentValue(s, field)));
    }
  }
  d.SetAccelUnit(AccelUnit::MetresPerSecondSquared);
  for (std::size_t i = 0; i < target.segments.size(); ++i)
    for (const SegmentField field : {SegmentField::Accel, SegmentField::Decel})
      d.SetSegmentText(i, field, FormatShortestDouble(SegmentValue(target.segments[i], field)));
}

TEST(AxisDesign, ACycleTypedInRatesAsTheSameCycleReadWhole) {
  test::Random random{std::mt19937_64(25)};
  for (int run = 0; run < 40; ++run) {
    Cycle target = test::RandomCycle(random);
    target.drive.busVoltage = random.Chance(0.5) ? std::optional(random.Uniform(24, 600)) : std::nullopt;
    target.drive.peakCurrent = random.Chance(0.5) ? std::optional(random.Uniform(1, 30)) : std::nullopt;
    target.ratedLimit = 25 + 5 * static_cast<int>(random.Below(16));
    AxisDesign typed(Rows());
    TypeCycle(typed, target);
    ASSERT_EQ(typed.MarkCount(), 0u) << run;
    ASSERT_EQ(CycleToJson(typed.Edited()), CycleToJson(target)) << run;
    ASSERT_EQ(CycleToJson(typed.Rated()), CycleToJson(target)) << run;
    ExpectRatedAs(typed, target);
    AxisDesign read(Rows());
    read.SetCycle(target);
    ExpectRatedAs(read, target);
  }
}

// A value a check refuses, or a text that is no number, is marked where it was typed, and the
// cycle is rated with that field's last accepted value: the other edits are rated.
TEST(AxisDesign, ABadValueIsMarkedAndTheRestRated) {
  struct Case {
    std::optional<std::size_t> segment;  // none: the axis's field
    AxisField axis;
    SegmentField field;
    const char* text;
    CycleMessageCode code;  // of the refusal; NoSegment for a text that is no number
  };
  const Case cases[] = {
      {2, {}, SegmentField::Velocity, "40", CycleMessageCode::SegmentOutOfRange},
      {1, {}, SegmentField::TimeMs, "0", CycleMessageCode::SegmentOutOfRange},
      {0, {}, SegmentField::Payload, "1,5", CycleMessageCode::NoSegment},
      {0, {}, SegmentField::Force, "", CycleMessageCode::NoSegment},
      {std::nullopt, AxisField::SafetyFactor, {}, "0.5", CycleMessageCode::AxisOutOfRange},
      {std::nullopt, AxisField::BusVoltage, {}, "-48", CycleMessageCode::DriveOutOfRange},
      {std::nullopt, AxisField::Ambient, {}, "warm", CycleMessageCode::NoSegment},
  };
  const Cycle vertical = Example("vertical-axis.brivane-cycle");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    AxisDesign d(Rows());
    d.SetCycle(vertical);
    const std::string before = CycleToJson(d.Rated());
    const AxisChanges bad = c.segment ? d.SetSegmentText(*c.segment, c.field, c.text) : d.SetAxisText(c.axis, c.text);
    EXPECT_TRUE(bad.editor);
    EXPECT_FALSE(bad.ratings);  // the rated value stays as it was
    EXPECT_EQ(CycleToJson(d.Rated()), before);
    const std::optional<FieldMark> mark = c.segment ? d.SegmentMark(*c.segment, c.field) : d.AxisMark(c.axis);
    ASSERT_TRUE(mark.has_value());
    EXPECT_EQ(d.MarkCount(), 1u);
    EXPECT_FALSE(d.Complete());
    if (c.code == CycleMessageCode::NoSegment) {
      EXPECT_FALSE(mark->refusal.has_value());
      EXPECT_EQ(mark->text, c.text);
    } else {
      ASSERT_TRUE(mark->refusal.has_value());
      EXPECT_EQ(mark->refusal->code, c.code);
      EXPECT_EQ(mark->refusal->segment, c.segment ? *c.segment + 1 : 0);
    }
    // What is shown is what was typed.
    EXPECT_EQ(c.segment ? d.SegmentText(*c.segment, c.field) : d.AxisText(c.axis), c.text);
    // The rest is rated as typed.
    const AxisChanges other = d.SetSegmentText(3, SegmentField::Payload, "7.25");
    EXPECT_TRUE(other.ratings && other.timePlots);
    Cycle expected = vertical;
    expected.segments[3].payload = 7.25;
    EXPECT_EQ(CycleToJson(d.Rated()), CycleToJson(expected));
    ExpectRatedAs(d, expected);
    // Mended, the mark goes and the value is rated.
    const std::string good = c.segment ? FormatShortestDouble(SegmentValue(vertical.segments[*c.segment], c.field))
                                       : FieldText(AxisValue(vertical, c.axis));
    if (c.segment) {
      d.SetSegmentText(*c.segment, c.field, good);
    } else {
      d.SetAxisText(c.axis, good);
    }
    EXPECT_EQ(d.MarkCount(), 0u);
    EXPECT_EQ(CycleToJson(d.Edited()), CycleToJson(expected));
  }
}

// A file's refused values are marked and rated at a new segment's (or axis's) values; a mark
// follows its segment when segments move, and goes with it.
TEST(AxisDesign, MarksOfAFileFollowTheirSegments) {
  Cycle c = Example("vertical-axis.brivane-cycle");
  c.segments[1].timeMs = -5;
  c.axis.safetyFactor = 30;
  c.drive.busVoltage = 0;
  AxisDesign d(Rows());
  d.SetCycle(c);
  EXPECT_EQ(d.MarkCount(), 3u);
  ASSERT_FALSE(d.Refusal().has_value());
  EXPECT_FALSE(ValidateCycle(d.Rated()).has_value());
  EXPECT_EQ(d.Rated().segments[1].timeMs, NewSegment(SegmentType::Dwell).timeMs);
  EXPECT_EQ(d.Rated().axis.safetyFactor, CycleAxis{}.safetyFactor);
  EXPECT_FALSE(d.Rated().drive.busVoltage.has_value());
  EXPECT_EQ(d.Drive()[0].voltage, DriveCheck::NotMade);

  d.SetSegmentText(2, SegmentField::Velocity, "fast");
  d.MoveSegment(1, 3);  // the bad dwell last; segment 2 (fast) moves up to 1
  EXPECT_TRUE(d.SegmentMark(3, SegmentField::TimeMs).has_value());
  EXPECT_EQ(d.SegmentMark(1, SegmentField::Velocity)->text, "fast");
  EXPECT_FALSE(d.SegmentMark(2, SegmentField::Velocity).has_value());
  d.DuplicateSegment(1);
  EXPECT_EQ(d.SegmentMark(2, SegmentField::Velocity)->text, "fast");
  EXPECT_EQ(d.MarkCount(), 5u);
  d.RemoveSegment(1);
  d.RemoveSegment(1);
  d.RemoveSegment(2);
  EXPECT_EQ(d.MarkCount(), 2u);  // the axis's two
  // A move that becomes a dwell has a dwell's time.
  d.SetSegmentType(0, SegmentType::Dwell);
  EXPECT_EQ(d.Edited().segments[0].timeMs, NewSegment(SegmentType::Dwell).timeMs);
  EXPECT_EQ(d.MarkCount(), 2u);
  // No segment: nothing rated, and said why.
  d.RemoveSegment(1);
  d.RemoveSegment(0);
  ASSERT_TRUE(d.Refusal().has_value());
  EXPECT_EQ(d.Refusal()->code, CycleMessageCode::NoSegment);
  EXPECT_EQ(d.RatedCount(), 0u);
  EXPECT_TRUE(d.TimePlots().thrust.empty());
}

// An edit re-rates what it changes: the drive's currents only the drive's checks, the bus also the
// plane, anything else all; and the shortcuts give what a whole re-rating gives.
TEST(AxisDesign, AnEditReratesWhatItChanges) {
  struct Case {
    AxisField field;
    const char* text;
    AxisChanges changes;
  };
  const Case cases[] = {
      {AxisField::PeakCurrent, "2.5", {true, false, false, true, false, false}},
      {AxisField::ContinuousCurrent, "", {true, false, false, true, false, false}},
      {AxisField::BusVoltage, "48", {true, false, false, true, false, true}},
      // A force changes every figure and plot but not the plan the segments' rows show.
      {AxisField::Friction, "0.2", {true, false, false, true, true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    AxisDesign d(Rows());
    Cycle cycle = Example("pick-and-place.brivane-cycle");
    cycle.drive = {100.0, 5.0, 2.0};
    d.SetCycle(cycle);
    EXPECT_EQ(d.SetAxisText(c.field, c.text), c.changes);
    SetAxisValue(cycle, c.field, ParseDoubleField(c.text));
    ExpectRatedAs(d, cycle);
    AxisDesign whole(Rows());
    whole.SetCycle(cycle);
    whole.Choose(d.Chosen());
    EXPECT_EQ(d.Plane().outside, whole.Plane().outside);
    EXPECT_EQ(d.Plane().peakEnvelope, whole.Plane().peakEnvelope);
    // The text shown stands: typed again, nothing changes.
    EXPECT_EQ(d.SetAxisText(c.field, d.AxisText(c.field)), AxisChanges{});
  }
}

// The plan is said to change only when the segments' rows would show another one.
TEST(AxisDesign, ASegmentEditChangesThePlanOnlyWithTheMotion) {
  const struct {
    SegmentField field;
    const char* text;
    bool plan;
  } cases[] = {{SegmentField::Payload, "7", false}, {SegmentField::Force, "30", false},
               {SegmentField::Distance, "123", true}, {SegmentField::Velocity, "0.2", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    AxisDesign d(Rows());
    d.SetCycle(Example("pick-and-place.brivane-cycle"));
    const std::vector<SegmentPlan> before = d.Plan().segments;
    const AxisChanges changes = d.SetSegmentText(0, c.field, c.text);
    EXPECT_TRUE(changes.ratings);
    EXPECT_EQ(changes.plan, c.plan);
    EXPECT_EQ(d.Plan().segments != before, c.plan);
  }
}

// A value shown in g keeps its bits until its text is edited.
TEST(AxisDesign, AnUneditedTextKeepsItsValue) {
  Cycle c = Example("pick-and-place.brivane-cycle");
  c.segments[0].accel = 12.345678901234567;
  AxisDesign d(Rows());
  d.SetCycle(c);
  d.SetAccelUnit(AccelUnit::Gravity);
  const std::string shown = d.SegmentText(0, SegmentField::Accel);
  EXPECT_EQ(shown, "1.25976315319");
  EXPECT_EQ(d.SetSegmentText(0, SegmentField::Accel, shown), AxisChanges{});
  EXPECT_EQ(d.Edited().segments[0].accel, 12.345678901234567);
  d.SetSegmentText(0, SegmentField::Accel, "2");
  EXPECT_EQ(d.Edited().segments[0].accel, 2 * kCycleGravity);
}

TEST(AxisPlots, TheTimePlotsAndThePlaneFollowThePlan) {
  test::Random random{std::mt19937_64(7)};
  for (int run = 0; run < 30; ++run) {
    Cycle c = test::RandomCycle(random);
    const CyclePlan plan = BuildCyclePlan(c);
    const MotorRecord& row = Rows()[random.Below(Rows().size())];
    CycleTimePlots times;
    PlotCycleTimes(plan, row, times);
    ASSERT_EQ(times.boundaries.size(), plan.segments.size() + 1);
    EXPECT_EQ(times.boundaries.back(), plan.cycleTime);
    EXPECT_EQ(times.thrust.back().x, plan.phases.back().startTime + plan.phases.back().duration);
    EXPECT_NEAR(times.position.back().y, plan.netDisplacementMm, 1e-6 * (1 + std::fabs(plan.netDisplacementMm)));
    // The thrust's largest magnitude is the rating's peak (a phase's thrust is a line).
    const CycleRowRating rating = RateCycleRow(plan, row, 0.0);
    double peak = 0.0;
    for (const PlotPoint& p : times.thrust) peak = std::max(peak, std::fabs(p.y));
    EXPECT_DOUBLE_EQ(peak, rating.peakThrust);
    // Every sampled instant is the state there.
    for (std::size_t i = 0; i < times.velocity.size(); i += 7) {
      const CycleInstant at = CycleAt(plan, row, times.velocity[i].x);
      EXPECT_NEAR(at.velocity, times.velocity[i].y, 1e-9);
      EXPECT_NEAR(at.positionMm, times.position[i].y, 1e-6);
    }
    // The RMS speed against a fine midpoint sum.
    double sum = 0.0;
    const int steps = 200000;
    for (int k = 0; k < steps; ++k) {
      const double v = CycleAt(plan, row, (k + 0.5) * plan.cycleTime / steps).velocity;
      sum += v * v;
    }
    EXPECT_NEAR(RmsSpeed(plan), std::sqrt(sum / steps), 1e-4 * (1 + RmsSpeed(plan)));
  }
}

// On a trapezoid the needed voltage is reached at a phase's end, which the plane plots: a bus a
// hair under it puts points outside, a hair over it none.
TEST(AxisPlots, PointsOutsideTheEnvelopeAreThoseTheBusCannotDrive) {
  Cycle c = Example("pick-and-place.brivane-cycle");
  for (CycleSegment& s : c.segments) s.jerk = 0.0;
  const MotorRecord& row = Rows()[MotorCatalog::Instance().FindByName("CL-07").value()];
  const CyclePlan plan = BuildCyclePlan(c);
  const CycleRowRating rating = RateCycleRow(plan, row, 0.0);
  const double needed = RateCycleDriveRow(plan, row, rating).busVoltageNeeded;
  ASSERT_LT(rating.peakThrust, row.peakForce);
  CycleTimePlots times;
  PlotCycleTimes(plan, row, times);
  for (const double factor : {1.0 - 1e-9, 1.0 + 1e-9}) {
    Cycle withBus = c;
    withBus.drive.busVoltage = needed * factor;
    const CyclePlan busPlan = BuildCyclePlan(withBus);
    ForceSpeedPlane plane;
    PlotForceSpeed(busPlan, row, rating, times, plane);
    EXPECT_EQ(plane.outside.empty(), factor > 1.0) << factor;
    EXPECT_EQ(plane.inside.size() + plane.outside.size(), times.thrust.size());
    ASSERT_EQ(plane.peakEnvelope.size(), kPlotEnvelopePoints);
    EXPECT_EQ(plane.peakEnvelope.back().y, 0.0);
    EXPECT_EQ(plane.continuousEnvelope.front().y, std::min(plane.ratedForce, plane.peakEnvelope.front().y));
  }
}

// A plot's scale holds its data in whole steps of 1, 2 or 5 times a power of ten, four to ten of
// them; a flat run still gets a span.
TEST(AxisPlots, AScaleHoldsItsDataInRoundSteps) {
  const std::pair<double, double> cases[] = {{0.0, 1.0}, {0.0, 0.93}, {-37.0, 412.0}, {0.0, 0.0123},
                                             {5.0, 5.0}, {0.0, 0.0},  {-2e5, -3e4},   {1e-7, 3e-7}};
  for (const auto& [low, high] : cases) {
    const PlotScale s = NicePlotScale(low, high);
    EXPECT_LE(s.low, low);
    EXPECT_GE(s.high, high);
    EXPECT_GT(s.high, s.low);
    ASSERT_GE(s.ticks, 4) << low << " " << high;
    EXPECT_LE(s.ticks, 11) << low << " " << high;
    const double step = (s.high - s.low) / (s.ticks - 1);
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9)
        << low << " " << high << ": step " << step;
  }
  EXPECT_EQ(NicePlotScale(0.0, 1.0), (PlotScale{0.0, 1.0, 6}));
  EXPECT_EQ(NicePlotScale(0.0, std::nan("")), PlotScale{});
}
// The user's motors are replaced by a new list, the old one gone first: the chosen row is found
// again by its name in the new rows, and every row is rated (under the address sanitizer, a read
// of the old rows would be caught).
TEST(AxisDesign, OtherRowsKeepTheChosenOneByName) {
  auto list = std::make_unique<MotorList>();
  list->AddUserMotor(Rows()[30], "lift-a", "mine");
  AxisDesign d(list->All());
  d.SetCycle(Example("vertical-axis.brivane-cycle"));
  const std::size_t user = list->All().size() - 1;
  d.Choose(user);
  auto replaced = std::make_unique<MotorList>();
  replaced->AddUserMotor(Rows()[2], "other", "mine");
  replaced->AddUserMotor(Rows()[30], "lift-a", "mine");
  list.reset();
  d.SetRows(replaced->All());
  ASSERT_EQ(d.RatedCount(), replaced->All().size());
  EXPECT_EQ(d.Chosen(), std::optional(replaced->All().size() - 1));
  EXPECT_EQ(d.Row(*d.Chosen()).record->name, "lift-a");
  EXPECT_EQ(d.Row(*d.Chosen()).rating->peakThrust, d.Row(30).rating->peakThrust);
}

}  // namespace
}  // namespace brivane
