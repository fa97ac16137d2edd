// Timings of the window: how long after a press of "Linear Motor 선정" the open comparison
// table has been refreshed and painted again, and how long a click on a column's header takes to
// sort the table with 1,000 of the user's motors. Runs on the offscreen platform unless another is
// asked for. A frame at 60 Hz is 16.7 ms.
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <string>

#include "catalog/MotorList.h"
#include "engine/ComparisonTexts.h"
#include "engine/Session.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/WorkedExamples.h"
#include "ui/comparison/ComparisonWindow.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/widgets/MessageSink.h"

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
  Session session;
  ui::RecordingMessageSink messages;
  ui::CMainFrame frame(session, messages);
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
  Session session;
  ui::RecordingMessageSink messages;
  ui::CMainFrame frame(session, messages);
  ui::CBrivaneView* view = ShowFirstMove(frame, state);
  auto* select = view->findChild<QPushButton*>(QStringLiteral("buttonSelect"));
  QApplication::processEvents();
  for (auto _ : state) select->click();
}
BENCHMARK(BM_SelectionAlone)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);

// The built-in catalog and 1,000 motors of the user's, each a copy of a built-in row under a name
// of its own, so that their figures spread as a real catalog's do.
MotorList ThousandUserMotors() {
  MotorList list;
  const auto rows = MotorCatalog::Instance().Rows();
  for (std::size_t i = 0; i < 1000; ++i) {
    list.AddUserMotor(rows[i % rows.size()], "U-" + std::to_string(1000 + i), "bench");
  }
  return list;
}

// Range 0: the column clicked (CandidateColumn). Each iteration sorts all 1,069 rows the other
// way round from the last, as a second click on the header does, and paints the table.
void BM_SortWithThousandUserMotors(benchmark::State& state) {
  Session session;
  ui::RecordingMessageSink messages;
  ui::CMainFrame frame(session, messages);
  frame.InitialUpdate();
  frame.show();
  auto* view = frame.findChild<ui::CBrivaneView*>(QStringLiteral("brivaneView"));
  FormValues values;
  values.move = examples::FirstMove();
  view->SetValues(values);
  view->SetMotors(ThousandUserMotors());
  view->OnCompare();
  auto* window = frame.findChild<ui::CComparisonWindow*>();
  if (window == nullptr || window->Table()->model()->rowCount() != 1069) {
    state.SkipWithError("no comparison of 1,069 rows");
    return;
  }
  QTableView* table = window->Table();
  const int column = static_cast<int>(state.range(0));
  Qt::SortOrder order = Qt::AscendingOrder;
  QApplication::processEvents();
  for (auto _ : state) {
    table->sortByColumn(column, order);
    table->viewport()->repaint();
    order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  }
  state.counters["rows"] = table->model()->rowCount();
}
BENCHMARK(BM_SortWithThousandUserMotors)
    ->Arg(static_cast<int>(CandidateColumn::Name))
    ->Arg(static_cast<int>(CandidateColumn::Verdict))
    ->Arg(static_cast<int>(CandidateColumn::RatedMargin))
    ->Arg(static_cast<int>(CandidateColumn::Headroom))
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
