// The axis window, offscreen: a keystroke in a cell of the segment table until every result and
// plot it changed has been repainted. The cycle is ten S-curve moves on an inclined axis with a
// 48 V drive (the engine benchmark's), the cell the first segment's payload; each iteration types
// a digit after the payload's text or takes it away again. A frame at 60 Hz is 16.7 ms.
//   cmake --build --preset release --target run_window_benchmarks
// Counters: `handler_ms` the part before any painting (the design re-rated, the tables and charts
// given their new values), `paints` the paint events one keystroke causes, `cpu_ms` the thread's
// CPU time (steadier than the wall clock on a busy machine).
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <benchmark/benchmark.h>

#include "benchmarks/window/PaintTiming.h"
#include "engine/Cycle.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "ui/axis/AxisWindow.h"
#include "ui/axis/SegmentEditor.h"
#include "ui/axis/SegmentTableModel.h"

namespace {

using brivane::bench::MonotonicNs;
using brivane::bench::PaintCounter;
using brivane::bench::ThreadCpuNs;

double MsBetween(std::int64_t from, std::int64_t to) { return static_cast<double>(to - from) / 1e6; }

brivane::Cycle TenSCurveMoves() {
  brivane::Cycle c;
  c.axis.inclinationDeg = 30.0;
  c.axis.dragForce = 5.0;
  c.drive = {48.0, 20.0, 8.0};
  const double distances[] = {300, -300, 150, -150, 40, -40, 400, -400, 8, -8};
  for (std::size_t i = 0; i < 10; ++i) {
    brivane::CycleSegment s;
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

void BM_AxisTypeDigitIntoPayload(benchmark::State& state) {
  PaintCounter counter;
  brivane::ui::RecordingMessageSink messages;
  brivane::ui::ScriptedFileDialogs dialogs;
  brivane::ui::CAxisWindow window(brivane::MotorCatalog::Instance().Rows(), messages, &dialogs, nullptr);
  window.SetCycle(TenSCurveMoves());
  window.resize(1600, 1000);
  counter.ShowAndPaint(window);
  QTableView* table = window.Segments()->Table();
  const QModelIndex cell =
      table->model()->index(0, brivane::ui::CSegmentTableModel::ColumnOf(brivane::SegmentField::Payload));
  table->setCurrentIndex(cell);
  table->edit(cell);
  auto* editor = table->findChild<QLineEdit*>(QStringLiteral("editSegmentCell"));
  if (editor == nullptr) {
    state.SkipWithError("no cell editor");
    return;
  }
  editor->end(false);
  counter.Flush();
  PaintCounter::Settle();
  double handler = 0, cpu = 0;
  std::uint64_t paints = 0;
  int i = 0;
  for (auto _ : state) {
    const std::uint64_t before = counter.paints();
    const std::int64_t t0 = MonotonicNs();
    const std::int64_t c0 = ThreadCpuNs();
    if (i++ % 2 == 0) {
      QTest::keyClick(editor, Qt::Key_5);
    } else {
      QTest::keyClick(editor, Qt::Key_Backspace);
    }
    handler += MsBetween(t0, MonotonicNs());
    counter.Flush();
    state.SetIterationTime(MsBetween(t0, MonotonicNs()) / 1e3);
    cpu += MsBetween(c0, ThreadCpuNs());
    paints += counter.paints() - before;
    if (qEnvironmentVariableIsEmpty("BRIVANE_NO_SETTLE")) PaintCounter::Settle();
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["handler_ms"] = handler / n;
  state.counters["cpu_ms"] = cpu / n;
  state.counters["paints"] = static_cast<double>(paints) / n;
  state.counters["payload"] = window.Design().Rated().segments[0].payload;
}
BENCHMARK(BM_AxisTypeDigitIntoPayload)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(60);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
