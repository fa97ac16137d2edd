// The cycle model (docs/cycle-model.md): the worked examples of the page, the closed-form
// integrals against a fine numerical integration on random cycles, the profiles' exact reach, the
// payload headroom against rating the cycle that carries it, and the file's round trip.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>

#include "engine/CycleFile.h"
#include "engine/CyclePlan.h"
#include "engine/CycleRating.h"
#include "tests/support/RandomCycles.h"
#include "tests/support/WorkedExamples.h"

namespace brivane {
namespace {

using test::Random;
using test::RandomCycle;
using test::RandomMove;

const MotorRecord& Row(std::string_view name) {
  const MotorCatalog& catalog = MotorCatalog::Instance();
  return catalog.at(catalog.FindByName(name).value());
}

Cycle ReadExample(const std::string& name) {
  std::ifstream in(std::string(BRIVANE_EXAMPLES_DIR) + "/" + name);
  std::stringstream text;
  text << in.rdbuf();
  CycleFileReading r = CycleFromJson(text.str());
  EXPECT_TRUE(r.cycle) << name << ": " << r.error.field;
  return r.cycle.value_or(Cycle{});
}

// The figures the page gives, to the digits it prints them with.
TEST(CycleModel, WorkedExamplesOfTheModelPage) {
  struct Example {
    const char* file;
    const char* row;
    double cycleTime, rms, peak, rated, peakDuty, coil, headroom;
    std::vector<SegmentThrust> segments;
  };
  const std::vector<Example> examples{
      {"pick-and-place.brivane-cycle",
       "CL-09",
       1.0,
       23.499,
       55.352,
       28.210,
       28.783,
       29.75,
       4.00,
       {{39.875, 55.352}, {0, 0}, {15.830, 23.882}, {0, 0}}},
      {"vertical-axis.brivane-cycle",
       "IC-08",
       1.3,
       54.090,
       119.6,
       43.237,
       41.428,
       44.46,
       3.09,
       {{84.765, 119.6}, {44.1, 44.1}, {42.485, 58.6}, {44.1, 44.1}}},
      {"press.brivane-cycle",
       "CL-21",
       1.85,
       415.876,
       507.448,
       41.588,
       21.989,
       44.29,
       228.72,
       {{482.708, 507.448}, {500, 500}, {31.908, 45.448}, {0, 0}}},
  };
  for (const Example& e : examples) {
    const Cycle cycle = ReadExample(e.file);
    ASSERT_FALSE(ValidateCycle(cycle)) << e.file;
    const CyclePlan plan = BuildCyclePlan(cycle);
    EXPECT_TRUE(plan.warnings.empty()) << e.file;
    std::vector<SegmentThrust> segments(plan.segments.size());
    const CycleRowRating r = RateCycleRow(plan, Row(e.row), 0.0, segments);
    EXPECT_NEAR(plan.cycleTime, e.cycleTime, 1e-12) << e.file;
    EXPECT_NEAR(r.rmsThrust, e.rms, 5e-4) << e.file;
    EXPECT_NEAR(r.peakThrust, e.peak, 5e-4) << e.file;
    EXPECT_NEAR(r.ratedDuty, e.rated, 5e-4) << e.file;
    EXPECT_NEAR(r.peakDuty, e.peakDuty, 5e-4) << e.file;
    EXPECT_NEAR(r.coilTemp, e.coil, 5e-3) << e.file;
    EXPECT_TRUE(r.fits) << e.file;
    EXPECT_EQ(CycleHeadroom(plan, Row(e.row)), e.headroom) << e.file;
    for (std::size_t s = 0; s < segments.size(); ++s) {
      EXPECT_NEAR(segments[s].rmsThrust, e.segments[s].rmsThrust, 5e-4) << e.file << " segment " << s + 1;
      EXPECT_NEAR(segments[s].peakThrust, e.segments[s].peakThrust, 5e-4) << e.file << " segment " << s + 1;
    }
  }
}

// The form's worked example as a cycle: the page's figures beside the selection's 29.298 and 23.640.
TEST(CycleModel, TheFormsMoveAsACycle) {
  const CyclePlan plan = BuildCyclePlan(CycleFromMove(examples::FirstMove(), 70, 80, 20.0f));
  const CycleRowRating r = RateCycleRow(plan, Row("CL-01"), 0.0);
  EXPECT_NEAR(r.ratedDuty, 29.2982, 5e-5);
  EXPECT_NEAR(r.peakDuty, 23.6404, 5e-5);
  EXPECT_NEAR(r.coilTemp, 31.18, 5e-3);
}

// The profile table of the page: kind, peak velocity and duration of each move.
TEST(CycleModel, ProfilesOfTheModelPage) {
  struct Case {
    double distanceMm, v, a, d, j;
    Profile profile;
    bool lowered;
    double peak, duration;
  };
  const Case cases[] = {
      {10, 5, 9.8, 9.8, 0, Profile::Triangle, true, 0.313050, 0.063888},
      {300, 1, 10, 5, 0, Profile::Trapezoid, false, 1, 0.45},
      {300, 1, 10, 10, 200, Profile::SCurve, false, 1, 0.45},
      {10, 5, 9.8, 9.8, 500, Profile::SCurve, true, 0.231410, 0.086427},
      {20, 1, 10, 10, 50, Profile::SCurve, true, 0.170998, 0.233921},
  };
  for (const Case& c : cases) {
    Cycle cycle;
    cycle.segments.push_back({SegmentType::Move, c.distanceMm, c.v, c.a, c.d, c.j});
    const SegmentPlan sp = BuildCyclePlan(cycle).segments.at(0);
    EXPECT_EQ(sp.profile, c.profile) << c.distanceMm << " mm at " << c.v;
    EXPECT_EQ(sp.velocityLowered, c.lowered) << c.distanceMm;
    EXPECT_NEAR(sp.peakVelocity, c.peak, 5e-7) << c.distanceMm;
    EXPECT_NEAR(sp.duration, c.duration, 5e-7) << c.distanceMm;
  }
}

// ---- Random cycles

const char* const kRows[] = {"CL-01", "CL-14", "IC-03", "IC-20", "VC-05", "VC-21"};

// The thrust as the model page writes it, from the sample's own velocity and acceleration.
double ModelThrust(const Cycle& c, const CyclePlan& plan, const MotorRecord& row, const CycleSample& s) {
  std::size_t seg = 0;
  while (seg + 1 < plan.segments.size() && plan.segments[seg + 1].startTime <= s.time) ++seg;
  const CycleSegment& cs = c.segments[seg];
  const double theta = c.axis.inclinationDeg * std::numbers::pi / 180.0;
  const double m = cs.payload + row.moverMass + c.axis.extraMovingMass;
  const double normal = m * kCycleGravity * std::cos(theta) + row.attractionForce;
  // At a move's ends, where it is (numerically) at rest, the friction of the move counts.
  const bool moving = cs.type == SegmentType::Move && std::fabs(s.velocity) > 1e-9;
  const bool cruising = moving && s.accel == 0.0;
  const bool acts = cs.type == SegmentType::Dwell || cs.forceDuring == ForceDuring::Move || cruising;
  const double sgn = cs.type == SegmentType::Dwell ? 0.0
                     : moving                      ? std::copysign(1.0, s.velocity)
                                                   : std::copysign(1.0, cs.distanceMm);
  return m * s.accel + m * kCycleGravity * std::sin(theta) - c.axis.counterbalanceForce + (acts ? cs.force : 0.0) +
         sgn * (c.axis.frictionCoefficient * normal + c.axis.dragForce);
}

// The closed-form integral of F^2 and the peak against the trapezoid rule over 100,000 samples,
// each thrust computed from the model's formula, not from the plan's phases.
TEST(CycleModel, ClosedFormIntegralsAgreeWithNumericalIntegration) {
  Random r{std::mt19937_64(20210421)};
  std::array<int, 4> kinds{};
  for (int n = 0; n < 60; ++n) {
    const Cycle c = RandomCycle(r);
    const CyclePlan plan = BuildCyclePlan(c);
    for (const SegmentPlan& sp : plan.segments) ++kinds[static_cast<std::size_t>(sp.profile)];
    const MotorRecord& row = Row(kRows[r.Below(std::size(kRows))]);
    const CycleRowRating rated = RateCycleRow(plan, row, 0.0);
    double integral = 0.0;
    double peak = 0.0;
    std::optional<CycleSample> last;
    double lastF = 0.0;
    SampleCycle(plan, row, plan.cycleTime * 1000.0 / 100000.0, [&](const CycleSample& s) {
      const double f = ModelThrust(c, plan, row, s);
      EXPECT_NEAR(s.thrust, f, 1e-9 * (1 + std::fabs(f))) << n << " " << s.time;
      if (last) integral += (s.time - last->time) * (lastF * lastF + f * f) / 2.0;
      peak = std::max(peak, std::fabs(f));
      last = s;
      lastF = f;
    });
    const double closed = rated.rmsThrust * rated.rmsThrust * plan.cycleTime;
    EXPECT_NEAR(integral, closed, 2e-3 * closed) << "cycle " << n;
    EXPECT_LE(peak, rated.peakThrust * (1 + 1e-12)) << "cycle " << n;
    EXPECT_GE(peak, rated.peakThrust * (1 - 2e-3)) << "cycle " << n;
  }
  for (std::size_t k = 0; k < kinds.size(); ++k) EXPECT_GT(kinds[k], 0) << ProfileName(static_cast<Profile>(k));
}

// Every move ends at rest exactly where it was asked to, its phases join without a jump, and it
// never goes beyond its velocity, acceleration or deceleration.
TEST(CycleModel, ProfilesReachExactlyTheirDistance) {
  Random r{std::mt19937_64(7)};
  int lowered = 0;
  for (int n = 0; n < 3000; ++n) {
    Cycle c;
    c.segments.push_back(RandomMove(r));
    const CycleSegment& s = c.segments[0];
    const CyclePlan plan = BuildCyclePlan(c);
    const SegmentPlan& sp = plan.segments[0];
    lowered += sp.velocityLowered ? 1 : 0;
    EXPECT_LE(sp.peakVelocity, s.velocity);
    PhaseState at{0, 0, 0};
    for (std::size_t k = 0; k < sp.phaseCount; ++k) {
      const CyclePhase& p = plan.phases[sp.firstPhase + k];
      EXPECT_NEAR(p.startPosition, at.position, 1e-12) << n << " phase " << k;
      EXPECT_NEAR(p.startVelocity, at.velocity, 1e-12 * s.velocity) << n << " phase " << k;
      EXPECT_LE(std::fabs(p.startAccel), std::max(s.accel, s.decel) * (1 + 1e-12)) << n;
      at = StateAt(p, p.duration);
    }
    const double target = s.distanceMm / 1000.0;
    EXPECT_NEAR(at.position, target, 1e-12 * std::fabs(target)) << n << ": " << ProfileName(sp.profile);
    EXPECT_NEAR(at.velocity, 0.0, 1e-12 * s.velocity) << n;
    // An S-curve's acceleration comes back to 0; a trapezoid's stops at -d.
    if (sp.profile == Profile::SCurve) {
      EXPECT_NEAR(at.accel, 0.0, 1e-9 * s.accel) << n;
    }
  }
  EXPECT_GT(lowered, 300);
}

// The headroom h fits, as a cycle whose payloads carry h is rated, and h + 0.01 kg does not;
// every extra mass between 0 and h fits (the interval of the model page); no headroom for a row
// that does not fit as given.
TEST(CycleModel, HeadroomAgreesWithRatingTheCycleThatCarriesIt) {
  Random r{std::mt19937_64(99)};
  const auto carrying = [](Cycle c, int steps) {
    const bool noneLoaded =
        std::none_of(c.segments.begin(), c.segments.end(), [](const CycleSegment& s) { return s.payload > 0.0; });
    for (CycleSegment& s : c.segments)
      if (noneLoaded || s.payload > 0.0) s.payload += steps / 100.0;
    return BuildCyclePlan(c);
  };
  int found = 0;
  for (int n = 0; n < 150; ++n) {
    Cycle c = RandomCycle(r);
    c.ratedLimit = 25 + 5 * static_cast<int>(r.Below(16));
    c.peakLimit = 25 + 5 * static_cast<int>(r.Below(16));
    const CyclePlan plan = BuildCyclePlan(c);
    for (const MotorRecord& row : MotorCatalog::Instance().Rows()) {
      const std::optional<double> h = CycleHeadroom(plan, row);
      if (!h) {
        EXPECT_FALSE(RateCycleRow(plan, row, 0.0).fits) << n << " " << row.name;
        continue;
      }
      ++found;
      const int steps = static_cast<int>(std::lround(*h * 100.0));
      EXPECT_EQ(*h, steps / 100.0);
      EXPECT_TRUE(RateCycleRow(carrying(c, steps), row, 0.0).fits) << n << " " << row.name << " " << *h;
      if (steps < 300000) {
        EXPECT_FALSE(RateCycleRow(carrying(c, steps + 1), row, 0.0).fits) << n << " " << row.name;
      }
      const int inside = static_cast<int>(r.Below(static_cast<std::size_t>(steps) + 1));
      EXPECT_TRUE(RateCycleRow(plan, row, inside / 100.0).fits) << n << " " << row.name << " " << inside;
    }
  }
  EXPECT_GT(found, 1000);
}

// An editor's list: every field out of range, in the order of the checks, the first of them the
// one ValidateCycle reports.
TEST(CycleModel, EveryRefusalInOrder) {
  Cycle c;
  c.axis.safetyFactor = 0.5;
  c.segments.push_back({SegmentType::Move, 0.0, 31.0, 10.0, 10.0, 0.0});
  c.segments.push_back({SegmentType::Dwell});
  const std::vector<CycleMessage> all = CycleRefusals(c);
  std::vector<std::pair<std::size_t, std::string_view>> named;
  for (const CycleMessage& m : all) named.emplace_back(m.segment, m.field);
  EXPECT_EQ(named, (std::vector<std::pair<std::size_t, std::string_view>>{
                       {0, "safetyFactor"}, {1, "distanceMm"}, {1, "velocity"}, {2, "timeMs"}}));
  EXPECT_EQ(ValidateCycle(c), all.front());
  EXPECT_TRUE(CycleRefusals(ReadExample("press.brivane-cycle")).empty());
}

// Written and read again, a cycle is the same to the bit.
TEST(CycleFile, RoundTripKeepsEveryValue) {
  Random r{std::mt19937_64(3)};
  for (int n = 0; n < 200; ++n) {
    Cycle c = RandomCycle(r);
    c.ambient = r.Uniform(-20, 60);
    for (std::optional<double>* figure : {&c.drive.busVoltage, &c.drive.peakCurrent, &c.drive.continuousCurrent})
      if (r.Chance(0.5)) *figure = r.Uniform(1, 600);
    const CycleFileReading back = CycleFromJson(CycleToJson(c));
    ASSERT_TRUE(back.cycle) << back.error.field;
    EXPECT_EQ(CycleToJson(*back.cycle), CycleToJson(c));
    const auto bits = [](const Cycle& x) {
      std::vector<double> v{x.axis.inclinationDeg,
                            x.axis.frictionCoefficient,
                            x.axis.dragForce,
                            x.axis.extraMovingMass,
                            x.axis.counterbalanceForce,
                            x.axis.safetyFactor,
                            x.ambient,
                            x.drive.busVoltage.value_or(-1),
                            x.drive.peakCurrent.value_or(-1),
                            x.drive.continuousCurrent.value_or(-1)};
      for (const CycleSegment& s : x.segments)
        v.insert(v.end(), {s.distanceMm, s.velocity, s.accel, s.decel, s.jerk, s.timeMs, s.payload, s.force,
                           static_cast<double>(s.forceDuring), static_cast<double>(s.type)});
      return v;
    };
    EXPECT_EQ(bits(*back.cycle), bits(c));
  }
}

}  // namespace
}  // namespace brivane
