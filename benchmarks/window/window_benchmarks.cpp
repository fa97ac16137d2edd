// Timings of the window, offscreen, each beside its bare comparison measured in the same iteration
// so that a busy machine slows both alike:
//   StartToFirstPaint  the window program from being started to its first paint, against a plain
//                      Qt window with a chart (both run as child processes; peak memory from wait4)
//   SelectionClick     "Linear Motor 선정" pressed until everything it changed is painted
//   DutyCheckClick     "사용률 계산" pressed until everything is painted (the form and the data sheet
//                      it opens), against replacing the chart of a bare chart view of the same size
//   OpenDataSheet      the data-sheet window a duty check opens, built and painted
// Times are milliseconds; `bare_ms` and `ratio` are the comparison and our time over it, `paints`
// the paint events one press causes, `cpu_ratio` the same ratio in CPU time of the thread (steadier
// on a busy machine), `handler_ms` the part of a duty check before any painting
// (engine, new chart, the data sheet built). The environment variables BRIVANE_START_PROBE and
// BARE_WINDOW_PROBE name other probe programs (an older build, say) to start instead of ours.
// A QT_QPA_PLATFORM that is set is kept: on a real X server, for instance,
//   xvfb-run -a -s "-screen 0 1920x1200x24" env QT_QPA_PLATFORM=xcb window_benchmarks
#include <spawn.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

#include "benchmarks/window/BareChart.h"
#include "benchmarks/window/PaintTiming.h"
#include "engine/DataSheet.h"
#include "engine/Session.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/WorkedExamples.h"
#include "ui/app/AppSetup.h"
#include "ui/form/BrivaneView.h"
#include "ui/chart/ChartViewer.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/widgets/MessageSink.h"
#include "ui/datasheet/MotorSpecDlg.h"

extern char** environ;

namespace {

using brivane::bench::MonotonicNs;
using brivane::bench::PaintCounter;
using brivane::bench::ThreadCpuNs;
using namespace brivane::ui;

double MsBetween(std::int64_t from, std::int64_t to) { return static_cast<double>(to - from) / 1e6; }

struct ProbeRun {
  double ms = 0;       // start to first paint, as the probe measured it
  double peakMib = 0;  // the probe's peak resident memory
};

// Starts a probe program with the time of starting as its argument and reads back what it measured.
ProbeRun RunProbe(const char* path) {
  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const std::string started = std::to_string(MonotonicNs());
  char* const argv[] = {const_cast<char*>(path), const_cast<char*>(started.c_str()), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    throw std::runtime_error(std::string("cannot start ") + path);
  }
  std::string text;
  char buf[256];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(std::string(path) + " failed");
  return {std::stod(text), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

const char* ProbePath(const char* variable, const char* built) {
  const char* given = std::getenv(variable);
  return given != nullptr && *given != '\0' ? given : built;
}

void BM_StartToFirstPaint(benchmark::State& state) {
  const char* oursPath = ProbePath("BRIVANE_START_PROBE", BRIVANE_START_PROBE);
  const char* barePath = ProbePath("BARE_WINDOW_PROBE", BARE_WINDOW_PROBE);
  double ours = 0, bare = 0, peak = 0, barePeak = 0;
  bool bareFirst = false;
  for (auto _ : state) {
    // Alternate which goes first, so that neither always finds the file cache warmer.
    ProbeRun b{}, o{};
    if (bareFirst) b = RunProbe(barePath);
    o = RunProbe(oursPath);
    if (!bareFirst) b = RunProbe(barePath);
    bareFirst = !bareFirst;
    state.SetIterationTime(o.ms / 1e3);
    ours += o.ms;
    bare += b.ms;
    peak = std::max(peak, o.peakMib);
    barePeak = std::max(barePeak, b.peakMib);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["bare_ms"] = bare / n;
  state.counters["ratio"] = ours / bare;
  state.counters["peak_MiB"] = peak;
  state.counters["bare_peak_MiB"] = barePeak;
}

// The main window as the program shows it, and a bare chart view of the size of its chart.
struct Window {
  brivane::Session session;
  RecordingMessageSink messages;
  CMainFrame frame{session, messages};
  CBrivaneView* view = nullptr;
  QWidget bare;
  QChartView* bareView = nullptr;

  explicit Window(PaintCounter& counter) {
    frame.InitialUpdate();
    counter.ShowAndPaint(frame);
    view = frame.findChild<CBrivaneView*>(QStringLiteral("brivaneView"));
    const QSize chartSize = view->findChild<CChartViewer*>(QStringLiteral("chartViewer"))->size();
    auto* layout = new QVBoxLayout(&bare);
    layout->setContentsMargins(0, 0, 0, 0);
    bareView = new QChartView;
    bareView->setFixedSize(chartSize);
    bareView->setChart(brivane::bench::MakeBareChart(1.0, QSizeF(chartSize)));
    layout->addWidget(bareView);
    counter.ShowAndPaint(bare);
  }
  QAbstractButton* Button(const char* name) const { return view->findChild<QAbstractButton*>(QLatin1String(name)); }
  // Data-sheet windows a duty check opened: closed between iterations, outside the timing.
  void CloseSheets(PaintCounter& counter) {
    for (CMotorSpecSheet* sheet : frame.findChildren<CMotorSpecSheet*>()) delete sheet;
    counter.Flush();
  }
};

// Two moves whose results differ, taken in turn, so that every press has something to show.
brivane::FormValues MoveNumber(int i, const char* model) {
  brivane::FormValues v;
  v.move = brivane::examples::FirstMove();
  if (i % 2 != 0) v.move.loadMass = 20.0f;
  v.model = model;
  return v;
}

void BM_SelectionClick(benchmark::State& state) {
  PaintCounter counter;
  Window w(counter);
  QAbstractButton* select = w.Button("buttonSelect");
  int i = 0;
  for (auto _ : state) {
    w.view->SetValues(MoveNumber(i++, ""));
    counter.Flush();
    PaintCounter::Settle();
    const std::int64_t t0 = MonotonicNs();
    select->click();
    counter.Flush();
    state.SetIterationTime(MsBetween(t0, MonotonicNs()) / 1e3);
  }
}

void BM_DutyCheckClick(benchmark::State& state) {
  PaintCounter counter;
  Window w(counter);
  QAbstractButton* check = w.Button("buttonCheckDuty");
  const QSizeF chartSize(w.bareView->size());
  double bare = 0, ours = 0, handler = 0, bareCpu = 0, oursCpu = 0;
  std::uint64_t paints = 0;
  int i = 0;
  for (auto _ : state) {
    w.CloseSheets(counter);
    w.view->SetValues(MoveNumber(i, i % 4 < 2 ? "CL-01" : "IC-14"));
    counter.Flush();
    PaintCounter::Settle();
    const std::uint64_t paintsBefore = counter.paints();
    std::int64_t t0 = MonotonicNs();
    std::int64_t c0 = ThreadCpuNs();
    check->click();
    handler += MsBetween(t0, MonotonicNs());
    counter.Flush();
    paints += counter.paints() - paintsBefore;
    const double ms = MsBetween(t0, MonotonicNs());
    oursCpu += MsBetween(c0, ThreadCpuNs());
    state.SetIterationTime(ms / 1e3);
    ours += ms;

    PaintCounter::Settle();
    t0 = MonotonicNs();
    c0 = ThreadCpuNs();
    brivane::bench::ReplaceChart(*w.bareView, brivane::bench::MakeBareChart(i % 2 != 0 ? 2.0 : 1.0, chartSize));
    counter.Flush();
    bare += MsBetween(t0, MonotonicNs());
    bareCpu += MsBetween(c0, ThreadCpuNs());
    ++i;
  }
  w.CloseSheets(counter);
  const auto n = static_cast<double>(state.iterations());
  state.counters["bare_ms"] = bare / n;
  state.counters["ratio"] = ours / bare;
  state.counters["handler_ms"] = handler / n;
  state.counters["paints"] = static_cast<double>(paints) / n;
  state.counters["cpu_ms"] = oursCpu / n;
  state.counters["bare_cpu_ms"] = bareCpu / n;
  state.counters["cpu_ratio"] = oursCpu / bareCpu;
}

void BM_OpenDataSheet(benchmark::State& state) {
  PaintCounter counter;
  Window w(counter);
  const brivane::SelectionRecord record = brivane::examples::FirstSelectionRecord();
  for (auto _ : state) {
    PaintCounter::Settle();
    const std::int64_t t0 = MonotonicNs();
    OpenMotorSpecDlg(brivane::MotorSeries::DoubleSided,
                          brivane::MakeDataSheetTexts(record, brivane::MotorSeries::DoubleSided), &w.frame);
    counter.Flush();
    state.SetIterationTime(MsBetween(t0, MonotonicNs()) / 1e3);
    w.CloseSheets(counter);
  }
}

// Medians of several repetitions, in milliseconds of wall time.
template <class F>
void Register(const char* name, F f, int iterations) {
  benchmark::RegisterBenchmark(name, f)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(iterations)
      ->Repetitions(7)
      ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
  // Offscreen unless told otherwise, so that the figures do not depend on a display server.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  SetUpApplication();
  Register("StartToFirstPaint", BM_StartToFirstPaint, 5);
  Register("SelectionClick", BM_SelectionClick, 20);
  Register("DutyCheckClick", BM_DutyCheckClick, 20);
  Register("OpenDataSheet", BM_OpenDataSheet, 20);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
