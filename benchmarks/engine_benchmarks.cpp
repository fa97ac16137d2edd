// Timings of the engine's hot paths: one row rated, a whole selection, one duty check, the
// comparison of every row.
#include <benchmark/benchmark.h>

#include "engine/Comparison.h"
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

}  // namespace
