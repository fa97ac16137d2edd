// The window program's start, up to its first paint, for the start-up benchmark: the same steps as
// ui/main.cpp without arguments (the language too: option, stored choice, locale), then it prints how many milliseconds
// have passed since the time given as its argument (CLOCK_MONOTONIC nanoseconds, taken by the parent just before
// starting it) and ends.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "benchmarks/window/PaintTiming.h"
#include "engine/Session.h"
#include "report/Report.h"
#include "ui/app/AppSetup.h"
#include "ui/app/Language.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/widgets/DialogMessageSink.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: brivane_start_probe START_NS\n");
    return 64;
  }
  const long long started = std::strtoll(argv[1], nullptr, 10);
  brivane::PrepareProcessForReports();
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  brivane::ui::SetUpApplication();
  brivane::ui::InstallLanguage(brivane::ui::StartLanguage(
      std::nullopt, brivane::ui::StoredLanguage(), brivane::ui::SystemLocale()));
  brivane::bench::PaintCounter counter;

  static brivane::Session session;
  brivane::ui::DialogMessageSink messages;
  brivane::ui::CMainFrame frame(session, messages);
  frame.InitialUpdate();
  counter.ShowAndPaint(frame);
  std::printf("%.3f\n", static_cast<double>(brivane::bench::MonotonicNs() - started) / 1e6);
  return 0;
}
