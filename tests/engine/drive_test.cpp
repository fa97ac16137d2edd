// The drive side of the cycle model (docs/cycle-model.md, "The drive"): the row worked by hand,
// the envelope as the boundary of the voltage at every speed, the needed voltage and the energies
// against the page's formulas sampled finely over random cycles. The checks made and not made (a
// bus a hair above or below the needed voltage among them) and the verdict's order are the
// command line's tests (tests/cli/drive_cli_test.cpp).
#include "engine/Drive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>

#include "engine/CycleDrive.h"
#include "engine/CycleFile.h"
#include "tests/support/RandomCycles.h"

namespace brivane {
namespace {

const MotorRecord& Row(std::string_view name) {
  const MotorCatalog& catalog = MotorCatalog::Instance();
  return catalog.at(catalog.FindByName(name).value());
}

Cycle PickAndPlace() {
  std::ifstream in(std::string(BRIVANE_EXAMPLES_DIR) + "/pick-and-place.brivane-cycle");
  std::stringstream text;
  text << in.rdbuf();
  return CycleFromJson(text.str()).cycle.value();
}

struct Rated {
  CycleRowRating rating;
  CycleDriveRating drive;
};

Rated Rate(const Cycle& c, const MotorRecord& row) {
  const CyclePlan plan = BuildCyclePlan(c);
  const CycleRowRating r = RateCycleRow(plan, row, 0.0);
  return {r, RateCycleDriveRow(plan, row, r)};
}

// The bus voltage and the power as the model page writes them, from the catalog's values.
struct PageFormulas {
  double kf, ke, rHot, l, pitch;
  PageFormulas(const MotorRecord& row, double coil)
      : kf(row.forceConstant),
        ke(row.bemfConstant),
        rHot(row.lineResistance * (1 + 0.00393 * (coil - 20))),
        l(row.lineInductance / 1000.0),
        pitch(row.polePitch / 1000.0) {}
  double Voltage(double v, double f) const {
    const double i = std::fabs(f) / kf;
    const double is = v == 0.0 ? i : f * (v > 0 ? 1 : -1) / kf;
    const double omega = std::numbers::pi * std::fabs(v) / pitch;
    const double a = ke * std::fabs(v) + rHot / 2 * is;
    const double b = omega * l / 2 * i;
    return std::sqrt(6.0) * std::sqrt(a * a + b * b);
  }
  double Power(double v, double f) const { return f * v + 1.5 * (f / kf) * (f / kf) * rHot; }
};

// The page's hand-worked row: CL-09 on the pick-and-place, to the digits the page prints.
TEST(Drive, RowWorkedByHand) {
  Cycle c = PickAndPlace();
  c.drive = {48.0, 5.0, 2.0};
  const Rated r = Rate(c, Row("CL-09"));
  const CycleDriveRating& d = r.drive;
  EXPECT_NEAR(r.rating.coilTemp, 29.755, 5e-4);
  EXPECT_NEAR(HotResistance(Row("CL-09"), r.rating.coilTemp), 3.5719, 5e-5);
  EXPECT_NEAR(d.busVoltageNeeded, 47.91, 5e-3);
  EXPECT_NEAR(d.peakCurrent, 2.4256, 5e-5);
  EXPECT_NEAR(d.rmsCurrent, 1.0297, 5e-5);
  EXPECT_NEAR(d.peakCurrentShare, 22.05, 5e-3);
  EXPECT_NEAR(d.rmsCurrentShare, 28.21, 5e-3);
  EXPECT_NEAR(d.energyIn, 14.583, 5e-4);
  EXPECT_NEAR(d.energyReturned, 3.608, 5e-4);
  EXPECT_NEAR(d.peakReturnedPower, 64.30, 5e-3);
  EXPECT_NEAR(d.copperLoss, 5.681, 5e-4);
  EXPECT_NEAR(d.topSpeed.value(), 2.575, 5e-4);
  EXPECT_EQ(d.voltage, DriveCheck::Passed);
  EXPECT_EQ(d.verdict, DriveVerdict::Ok);
  // The phase ends the page lists.
  const Winding w = WindingOf(Row("CL-09"), r.rating.coilTemp);
  const struct {
    double v, f, volts;
  } ends[] = {{2, 55.352, 47.91}, {2, 7.352, 38.69}, {2, -40.648, 29.51}, {-2, -23.882, 41.86}};
  for (const auto& e : ends) EXPECT_NEAR(BusVoltageAt(w, e.v, e.f), e.volts, 5e-3) << e.v << " m/s, " << e.f << " N";
}

// A thrust a hair under the envelope needs no more than the bus at that speed, a hair over it
// more, where the voltage limits it; where a cap does, the cap itself is within the bus. Every
// row, several buses and temperatures, speeds all along the envelope.
TEST(Drive, EnvelopeIsTheBoundaryOfTheVoltageCheck) {
  std::mt19937_64 engine(22);
  std::array<EnvelopePoint, 60> points{};
  int limited = 0;
  int capped = 0;
  for (const MotorRecord& row : MotorCatalog::Instance().Rows()) {
    for (const double bus : {24.0, 48.0, 325.0, 560.0}) {
      const double temp = std::uniform_real_distribution<double>(-10, 130)(engine);
      const EnvelopeSummary s = ForceSpeedEnvelope(row, bus, temp, points);
      const Winding w = WindingOf(row, temp);
      const PageFormulas page(row, temp);
      EXPECT_NEAR(page.Voltage(s.topSpeed, 0.0), bus, 1e-12 * bus) << row.name;
      EXPECT_EQ(points.back().speed, s.topSpeed);
      EXPECT_EQ(points.back().peakThrust, 0.0);
      for (const auto& [cap, corner, thrust] :
           {std::tuple{static_cast<double>(row.peakForce), s.peakCornerSpeed, &EnvelopePoint::peakThrust},
            std::tuple{static_cast<double>(row.ratedForce), s.continuousCornerSpeed,
                       &EnvelopePoint::continuousThrust}}) {
        if (corner > 0.0) {
          EXPECT_NEAR(page.Voltage(corner, cap), bus, 1e-9 * bus) << row.name << " corner";
        }
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
          const EnvelopePoint& p = points[i];
          const double f = p.*thrust;
          // The cap up to the corner (none when not even standstill drives it), the voltage beyond.
          if (p.speed < corner * (1 - 1e-9)) {
            EXPECT_EQ(f, cap) << row.name << " at " << p.speed;
          } else if (p.speed > corner * (1 + 1e-9)) {
            EXPECT_LT(f, cap) << row.name << " at " << p.speed;
          }
          EXPECT_LE(page.Voltage(p.speed, f * (1 - 1e-9)), bus) << row.name << " at " << p.speed;
          if (f < cap) {
            EXPECT_GT(page.Voltage(p.speed, f * (1 + 1e-9)), bus) << row.name << " at " << p.speed;
            EXPECT_EQ(VoltageLimitedThrust(w, bus, p.speed), f);
            ++limited;
          } else {
            ++capped;
          }
        }
      }
    }
  }
  EXPECT_GT(limited, 10000);
  EXPECT_GT(capped, 1000);
}

// The needed voltage is never above the formula's largest value over a fine sampling of every
// phase (plus what the sampling may miss, well under 1e-7 here) and at most the tolerance below
// it; the energies, the peak returned power and the copper loss agree with integrating the page's
// P(t) over the same samples, each phase on its own so that no step straddles a jump of the thrust.
// The trace's figures are the page's formula too.
TEST(Drive, CycleFiguresAgreeWithTheFormulasSampled) {
  test::Random r{std::mt19937_64(20220422)};
  const char* const rows[] = {"CL-01", "CL-07", "CL-14", "IC-03", "IC-20", "VC-05", "VC-21"};
  int inside = 0;
  int returning = 0;
  int returnedInside = 0;
  for (int n = 0; n < 80; ++n) {
    const CyclePlan plan = BuildCyclePlan(test::RandomCycle(r));
    const MotorRecord& row = Row(rows[static_cast<std::size_t>(n) % std::size(rows)]);
    const CycleRowRating rating = RateCycleRow(plan, row, 0.0);
    const CycleDriveRating d = RateCycleDriveRow(plan, row, rating);
    const PageFormulas page(row, rating.coilTemp);
    const std::string what = "cycle " + std::to_string(n) + ", " + std::string(row.name);
    double sampledMax = 0.0;
    double ends = 0.0;
    double in = 0.0;
    double returned = 0.0;
    double peakReturned = 0.0;
    double copper = 0.0;
    bool peakInside = false;  // the peak returned power inside a phase, not at an end
    for (const CyclePhase& p : plan.phases) {
      const ThrustLine f = PhaseThrust(plan, p, row);
      // tau -> (velocity, thrust)
      const auto at = [&](double tau) {
        return std::pair{p.direction == 0 ? 0.0 : StateAt(p, tau).velocity, f.start + f.slope * tau};
      };
      // The lowest power over [lo, hi] in `steps`, and where.
      const auto lowest = [&](double lo, double hi, int steps) {
        std::pair<double, double> low{page.Power(at(lo).first, at(lo).second), lo};
        for (int k = 1; k <= steps; ++k) {
          const double tau = lo + (hi - lo) * k / steps;
          low = std::min(low, std::pair{page.Power(at(tau).first, at(tau).second), tau});
        }
        return low;
      };
      constexpr int kSteps = 4000;
      const double h = p.duration / kSteps;
      for (int k = 0; k <= kSteps; ++k) {
        const auto [v, thrust] = at(h * k);
        const double volts = page.Voltage(v, thrust);
        sampledMax = std::max(sampledMax, volts);
        if (k == 0 || k == kSteps) ends = std::max(ends, volts);
        if (k == 0) continue;
        // The trapezoid rule on P and on |P|: what comes in is half their sum, what returns half
        // their difference.
        const double p0 = page.Power(at(h * (k - 1)).first, at(h * (k - 1)).second);
        const double p1 = page.Power(v, thrust);
        in += h * (p0 + p1 + std::fabs(p0) + std::fabs(p1)) / 4;
        returned += h * (std::fabs(p0) + std::fabs(p1) - p0 - p1) / 4;
        const double i0 = at(h * (k - 1)).second / page.kf;
        const double i1 = thrust / page.kf;
        copper += h * 1.5 * page.rHot * (i0 * i0 + i1 * i1) / 2;
      }
      // A narrow dip of the power: around the lowest step, sampled finer twice.
      auto low = lowest(0.0, p.duration, kSteps);
      for (double width = h; width > h / kSteps / kSteps; width /= kSteps / 2)
        low =
            std::min(low, lowest(std::max(low.second - width, 0.0), std::min(low.second + width, p.duration), kSteps));
      if (-low.first > peakReturned) {
        peakReturned = -low.first;
        peakInside = low.second > h && low.second < p.duration - h;
      }
    }
    EXPECT_LE(d.busVoltageNeeded, sampledMax * (1 + 1e-7)) << what;
    EXPECT_GE(d.busVoltageNeeded, sampledMax * (1 - kBusVoltageTolerance - 1e-9)) << what;
    const double total = in + returned;
    EXPECT_NEAR(d.energyIn, in, 1e-6 * total + 1e-9) << what;
    EXPECT_NEAR(d.energyReturned, returned, 1e-6 * total + 1e-9) << what;
    EXPECT_NEAR(d.peakReturnedPower, peakReturned, 1e-5 * (1 + peakReturned)) << what;
    EXPECT_NEAR(d.copperLoss, copper / plan.cycleTime, 1e-6 * d.copperLoss) << what;
    SampleCycle(plan, row, plan.cycleTime, [&](const CycleSample& s) {
      const DriveSample at = DriveAt(row, rating.coilTemp, s);
      EXPECT_NEAR(at.busVoltage, page.Voltage(s.velocity, s.thrust), 1e-9 * (1 + at.busVoltage)) << what;
      EXPECT_NEAR(std::fabs(at.current), std::fabs(s.thrust) / page.kf, 1e-12) << what;
    });
    // A phase with jerk that holds the maximum inside, away from its ends.
    inside += d.busVoltageNeeded > ends * (1 + 1e-3) ? 1 : 0;
    returning += d.energyReturned > 0 ? 1 : 0;
    returnedInside += peakInside ? 1 : 0;
  }
  EXPECT_GT(inside, 10);
  EXPECT_GT(returning, 40);
  EXPECT_GT(returnedInside, 5);
}

}  // namespace
}  // namespace brivane
