// Timings of the engine's hot paths: one row rated, a whole selection, one duty check, the
// comparison of every row, of a thousand motors of the user's, every row rated for a duty cycle
// (with and without the drive's figures), and a force-speed envelope.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "catalog/MotorList.h"
#include "engine/Comparison.h"
#include "engine/CycleDrive.h"
#include "engine/CyclePlan.h"
#include "engine/CycleRating.h"
#include "engine/Drive.h"
#include "engine/MotorFile.h"
#include "engine/NumberText.h"
#include "engine/Selection.h"
#include "tests/support/WorkedExamples.h"

using namespace brivane;

namespace {

void BM_ComputeDutyOneRow(benchmark::State& state) {
  const MotionInput in = examples::FirstMove();
  const MotorRecord& row = MotorCatalog::Instance().at(0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(ComputeDuty(in, 1.0f, row));
  }
}
BENCHMARK(BM_ComputeDutyOneRow);

// Range 0: load in kg. 1 kg stops early in every series; 200 kg walks most rows and finds
// nothing in the single-sided series (the dearer case).
void BM_WholeSelection(benchmark::State& state) {
  SelectionRequest request = examples::FirstSelectionRequest();
  request.input.loadMass = static_cast<float>(state.range(0));
  for (auto _ : state) {
    SelectionOutcome out = RunSelection(request);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_WholeSelection)->Arg(1)->Arg(200);

void BM_DutyCheck(benchmark::State& state) {
  const DutyCheckRequest request{examples::FirstMove(), "IC-14", 20.0f};
  for (auto _ : state) {
    DutyCheckOutcome out = CheckModelDuty(request);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_DutyCheck);

// All 69 rows with their analyses, payload headroom and drive figures; the goal is under 50 us.
// Range 0: load in kg, as for the selection (200 kg: fewer rows fit, the headroom is searched
// from below the load).
void BM_CompareAllRows(benchmark::State& state) {
  ComparisonRequest request;
  request.move = examples::FirstMove();
  request.move.loadMass = static_cast<float>(state.range(0));
  for (auto _ : state) {
    ComparisonOutcome out = CompareCandidates(request);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_CompareAllRows)->Arg(1)->Arg(200)->Unit(benchmark::kMicrosecond);

// A thousand motors of the user's as a motor file would give them: the built-in rows in turn, each
// pass with forces and mass a little larger, so that no two rate alike.
constexpr int kUserMotors = 1000;
MotorList ThousandUserMotors() {
  MotorList list;
  const MotorCatalog& catalog = MotorCatalog::Instance();
  for (int i = 0; i < kUserMotors; ++i) {
    MotorRecord r = catalog.at(static_cast<std::size_t>(i) % catalog.size());
    const float scale = 1.0f + 0.01f * static_cast<float>(i / static_cast<int>(catalog.size()));
    r.ratedForce *= scale;
    r.peakForce *= scale;
    r.moverMass *= scale;
    list.AddUserMotor(r, "U-" + std::to_string(i), "bench");
  }
  return list;
}

// The rank computation over the user's motors (range 1: only them, as --motors-only; 0: after the
// 69 built-in rows): duty, analysis, headroom and drive figures of every row. The goal is under
// 1 ms for the thousand. Range 0 is the load in kg, as above.
void BM_CompareUserMotors(benchmark::State& state) {
  const MotorList list = ThousandUserMotors();
  const std::span<const MotorRecord> rows = state.range(1) == 1 ? list.User() : list.All();
  ComparisonRequest request;
  request.move = examples::FirstMove();
  request.move.loadMass = static_cast<float>(state.range(0));
  for (auto _ : state) {
    ComparisonOutcome out = CompareCandidates(request, rows);
    benchmark::DoNotOptimize(out);
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_CompareUserMotors)->Args({1, 1})->Args({200, 1})->Args({1, 0})->Unit(benchmark::kMicrosecond);

// Reading and checking a motor file of the thousand, as --motors does once per run.
void BM_ReadThousandMotorFile(benchmark::State& state) {
  const MotorList list = ThousandUserMotors();
  std::string text = R"({"format":"brivane-motors","version":1,"motors":[)";
  for (const MotorRecord& r : list.User()) {
    text += text.back() == '[' ? "{" : ",{";
    text += R"("name":")" + std::string(r.name) + R"(","family":"bench","attractionForce":)" +
            std::to_string(r.attractionForce);
    for (const auto& [key, v] : {std::pair{"moverMass", r.moverMass},
                                 {"ratedForce", r.ratedForce},
                                 {"peakForce", r.peakForce},
                                 {"ratedCurrent", r.ratedCurrent},
                                 {"peakCurrent", r.peakCurrent},
                                 {"maxPower", r.maxPower},
                                 {"polePitch", r.polePitch},
                                 {"forceConstant", r.forceConstant},
                                 {"bemfConstant", r.bemfConstant},
                                 {"motorConstant", r.motorConstant},
                                 {"electricalTimeConstant", r.electricalTimeConstant},
                                 {"lineResistance", r.lineResistance},
                                 {"lineInductance", r.lineInductance},
                                 {"thermalCoefficient", r.thermalCoefficient}})
      text += std::string(",\"") + key + "\":" + FormatShortest(v);
    text += "}";
  }
  text += "]}";
  for (auto _ : state) {
    MotorFileReading reading = ReadMotorText(text, MotorFileKind::Json, MotorCatalog::Instance().Rows());
    if (reading.refusal) state.SkipWithError(DescribeMotorFileRefusal(*reading.refusal).c_str());
    benchmark::DoNotOptimize(reading);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadThousandMotorFile)->Unit(benchmark::kMicrosecond);

// Ten S-curve moves on a 30-degree axis, out loaded and back empty, two of them too short to
// reach their velocity: 62 phases.
Cycle TenSCurveMoves() {
  Cycle c;
  c.axis.inclinationDeg = 30.0;
  c.axis.dragForce = 5.0;
  const double distances[] = {300, -300, 150, -150, 40, -40, 400, -400, 8, -8};
  for (std::size_t i = 0; i < 10; ++i) {
    CycleSegment s;
    s.distanceMm = distances[i];
    s.velocity = 1.5;
    s.accel = 15.0;
    s.decel = 12.0;
    s.jerk = 800.0;
    s.payload = i % 2 == 0 ? 2.0 : 0.0;
    c.segments.push_back(s);
  }
  return c;
}

// All 69 rows for the ten-move S-curve cycle, as a window re-rating on a keystroke does it: the
// plan built again, then every row rated into buffers kept from the last time. Range 0: 1 with
// the payload headroom (goal 2 ms), 0 without (goal 100 us).
void BM_CycleAllRows(benchmark::State& state) {
  const Cycle cycle = TenSCurveMoves();
  const bool headroom = state.range(0) != 0;
  CyclePlan plan;
  CycleRatings ratings;
  for (auto _ : state) {
    BuildCyclePlan(cycle, plan);
    RateCycle(plan, MotorCatalog::Instance().Rows(), headroom, ratings);
    benchmark::DoNotOptimize(ratings.rows.data());
    benchmark::ClobberMemory();
  }
  std::size_t fitting = 0;
  for (const CycleRowRating& r : ratings.rows) fitting += r.fits ? 1 : 0;
  state.counters["phases"] = static_cast<double>(plan.phases.size());
  state.counters["fitting"] = static_cast<double>(fitting);
}
BENCHMARK(BM_CycleAllRows)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same with the drive's figures of every row: the needed bus voltage (every phase end, and the
// search inside the phases with jerk), currents, energies, the checks against a 48 V drive and the
// verdicts. Range 0 as above; goal 150 us without the headroom.
void BM_CycleAllRowsWithDrive(benchmark::State& state) {
  Cycle cycle = TenSCurveMoves();
  cycle.drive = {48.0, 20.0, 8.0};
  const bool headroom = state.range(0) != 0;
  CyclePlan plan;
  CycleRatings ratings;
  std::vector<CycleDriveRating> drive;
  for (auto _ : state) {
    BuildCyclePlan(cycle, plan);
    RateCycle(plan, MotorCatalog::Instance().Rows(), headroom, ratings);
    RateCycleDrive(plan, MotorCatalog::Instance().Rows(), ratings, drive);
    benchmark::DoNotOptimize(drive.data());
    benchmark::ClobberMemory();
  }
  std::size_t ok = 0;
  for (const CycleDriveRating& d : drive) ok += d.verdict == DriveVerdict::Ok ? 1 : 0;
  state.counters["phases"] = static_cast<double>(plan.phases.size());
  state.counters["ok"] = static_cast<double>(ok);
}
BENCHMARK(BM_CycleAllRowsWithDrive)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The peak and continuous envelopes of one row at 200 speeds, as a plot draws them. Goal 50 us.
void BM_Envelope200(benchmark::State& state) {
  const MotorRecord& row = MotorCatalog::Instance().at(*MotorCatalog::Instance().FindByName("CL-07"));
  std::array<EnvelopePoint, 200> points{};
  for (auto _ : state) {
    EnvelopeSummary s = ForceSpeedEnvelope(row, 48.0, 60.0, points);
    benchmark::DoNotOptimize(s);
    benchmark::DoNotOptimize(points.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Envelope200)->Unit(benchmark::kMicrosecond);

}  // namespace
