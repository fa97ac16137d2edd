// The bare comparison for the window's start: a plain Qt main window of the form's size with a
// menu, a status bar and a chart, nothing of the tool's. Prints the milliseconds from the time given
// as its argument (CLOCK_MONOTONIC nanoseconds, taken by the parent) to its first paint, and ends.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <cstdio>
#include <cstdlib>

#include "benchmarks/window/BareChart.h"
#include "benchmarks/window/PaintTiming.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bare_window_probe START_NS\n");
    return 64;
  }
  const long long started = std::strtoll(argv[1], nullptr, 10);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  brivane::bench::PaintCounter counter;

  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("View"))->addAction(QStringLiteral("Status Bar"));
  window.menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));
  window.statusBar()->showMessage(QStringLiteral("Ready"));
  auto* view = new QChartView;
  view->setChart(brivane::bench::MakeBareChart(1.0, QSizeF(711, 800)));
  window.setCentralWidget(view);
  window.resize(711, 848);
  counter.ShowAndPaint(window);
  std::printf("%.3f\n", static_cast<double>(brivane::bench::MonotonicNs() - started) / 1e6);
  return 0;
}
