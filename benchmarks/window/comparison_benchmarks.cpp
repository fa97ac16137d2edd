// Timings of the window: how long after a press of "Linear Motor 선정" the open comparison
// table has been refreshed and painted again. Runs on the offscreen platform unless another is
// asked for. A frame at 60 Hz is 16.7 ms.
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <benchmark/benchmark.h>

#include "engine/Selection.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/WorkedExamples.h"
#include "ui/BrivaneView.h"
#include "ui/ComparisonWindow.h"
#include "ui/MainFrame.h"
#include "ui/MessageSink.h"

using namespace brivane;

namespace {

// The main window shown with the first move at the load of range 0, in kg.
ui::CBrivaneView* ShowFirstMove(ui::CMainFrame& frame, const benchmark::State& state) {
  frame.InitialUpdate();
  frame.show();
  auto* view = frame.findChild<ui::CBrivaneView*>(QStringLiteral("brivaneView"));
  FormValues values;
  values.move = examples::FirstMove();
  values.move.loadMass = static_cast<float>(state.range(0));
  view->SetValues(values);
  return view;
}

// Range 0: load in kg (1 kg: many rows fit; 200 kg: few do, and the selection reports a series
// without a fit, through the recording sink).
void BM_ComparisonRefreshAfterSelection(benchmark::State& state) {
  SelectionRecord record;
  ui::RecordingMessageSink messages;
  ui::CMainFrame frame(record, messages);
  ui::CBrivaneView* view = ShowFirstMove(frame, state);
  view->OnCompare();
  auto* window = frame.findChild<ui::CComparisonWindow*>();
  auto* select = view->findChild<QPushButton*>(QStringLiteral("buttonSelect"));
  if (window == nullptr || select == nullptr) {
    state.SkipWithError("no comparison window");
    return;
  }
  QTableView* table = window->Table();
  table->sortByColumn(4, Qt::DescendingOrder);  // sorted, as a user would have it
  QApplication::processEvents();
  for (auto _ : state) {
    select->click();               // the selection, the form's results, the table's new rows
    table->viewport()->repaint();  // and the table painted with them, now rather than next frame
  }
}
BENCHMARK(BM_ComparisonRefreshAfterSelection)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);

// The same press with no comparison open: what the selection and the form take by themselves.
void BM_SelectionAlone(benchmark::State& state) {
  SelectionRecord record;
  ui::RecordingMessageSink messages;
  ui::CMainFrame frame(record, messages);
  ui::CBrivaneView* view = ShowFirstMove(frame, state);
  auto* select = view->findChild<QPushButton*>(QStringLiteral("buttonSelect"));
  QApplication::processEvents();
  for (auto _ : state) select->click();
}
BENCHMARK(BM_SelectionAlone)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
