// Timings of the window: how long after a press of "Linear Motor 선정" the open comparison
// table has been refreshed and painted again, and how long a click on a column's header takes to
// sort the table with 1,000 of the user's motors. Runs on the offscreen platform unless another is
// asked for. A frame at 60 Hz is 16.7 ms.
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <cstdint>
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

// The built-in catalog and `count` motors of the user's, each a copy of a built-in row under a name
// of its own, so that their figures spread as a real catalog's do.
MotorList UserMotors(std::int64_t count) {
  MotorList list;
  const auto rows = MotorCatalog::Instance().Rows();
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    list.AddUserMotor(rows[i % rows.size()], "U-" + std::to_string(1000 + i), "bench");
  }
  return list;
}

// The main window shown with the first move at a load in kg, and `userMotors` of the user's.
ui::CBrivaneView* ShowFirstMove(ui::CMainFrame& frame, std::int64_t loadKg, std::int64_t userMotors) {
  frame.InitialUpdate();
  frame.show();
  auto* view = frame.findChild<ui::CBrivaneView*>(QStringLiteral("brivaneView"));
  FormValues values;
  values.move = examples::FirstMove();
  values.move.loadMass = static_cast<float>(loadKg);
  view->SetValues(values);
  view->SetMotors(UserMotors(userMotors));
  return view;
}

// Range 0: load in kg (1 kg: many rows fit; 200 kg: few do, and the selection reports a series
// without a fit, through the recording sink). Range 1: the user's motors rated with the 69.
void BM_ComparisonRefreshAfterSelection(benchmark::State& state) {
  Session session;
  ui::RecordingMessageSink messages;
  ui::CMainFrame frame(session, messages);
  ui::CBrivaneView* view = ShowFirstMove(frame, state.range(0), state.range(1));
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
BENCHMARK(BM_ComparisonRefreshAfterSelection)
    ->Args({1, 0})
    ->Args({200, 0})
    ->Args({1, 1000})
    ->Unit(benchmark::kMillisecond);

// The same press with no comparison open: what the selection and the form take by themselves.
void BM_SelectionAlone(benchmark::State& state) {
  Session session;
  ui::RecordingMessageSink messages;
  ui::CMainFrame frame(session, messages);
  ui::CBrivaneView* view = ShowFirstMove(frame, state.range(0), 0);
  auto* select = view->findChild<QPushButton*>(QStringLiteral("buttonSelect"));
  QApplication::processEvents();
  for (auto _ : state) select->click();
}
BENCHMARK(BM_SelectionAlone)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);

// Range 0: the column clicked (CandidateColumn). Each iteration sorts all 1,069 rows the other
// way round from the last, as a second click on the header does, and paints the table.
void BM_SortWithThousandUserMotors(benchmark::State& state) {
  Session session;
  ui::RecordingMessageSink messages;
  ui::CMainFrame frame(session, messages);
  ui::CBrivaneView* view = ShowFirstMove(frame, 1, 1000);
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
