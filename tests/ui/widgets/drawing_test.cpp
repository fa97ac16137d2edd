// How the window draws what changes often: the chart's velocity scale, the group boxes' frames and
// the rated-rows tables' cells, each against what Qt itself draws.
#include <QGroupBox>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <cmath>
#include <memory>
#include <random>

#include "engine/NumberText.h"
#include "tests/support/WidgetLookup.h"
#include "ui/app/AppSetup.h"
#include "ui/chart/VelocityChart.h"
#include "ui/widgets/CachedGroupBox.h"
#include "ui/widgets/PlainTextDelegate.h"

using namespace brivane::ui;

namespace {

brivane::ProfileChartData Profile(double peak) {
  brivane::ProfileChartData data;
  data.labels = {"0", "1", "2", "3", ""};
  data.velocities = {0.0, peak, peak, 0.0, 0.0};
  data.pointCount = 4;
  return data;
}

struct AxisScale {
  double low;
  double high;
  int ticks;
};

// What a value axis attached to the profile's area chooses when asked for nice numbers.
AxisScale ValueAxisScale(double peak) {
  QChart chart;
  auto* upper = new QLineSeries;
  upper->append({{0, 0}, {1, peak}, {2, peak}, {3, 0}});
  auto* area = new QAreaSeries(upper);
  chart.addSeries(area);
  auto* axis = new QValueAxis;
  chart.addAxis(axis, Qt::AlignLeft);
  area->attachAxis(axis);
  axis->applyNiceNumbers();
  return {axis->min(), axis->max(), axis->tickCount()};
}

}  // namespace

class DrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    dialogtest::PinEnvironment("brivane-drawing-tests");
    SetUpApplication();
  }

  void velocityScaleIsTheValueAxisScale() {
    std::vector<double> peaks{0.001, 0.05, 0.1, 0.15, 0.2,  0.3, 0.5,  0.7, 1,  1.5, 2,
                              2.5,   3,    5,   7,    9.99, 10,  12.3, 20,  99, 250, 1e6};
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> exponent(-4.0, 4.0);
    for (int i = 0; i < 300; ++i) peaks.push_back(std::pow(10.0, exponent(random)));
    for (const double peak : peaks) {
      const std::unique_ptr<QChart> chart(MakeVelocityChart(Profile(peak), QSizeF(600, 200)));
      auto* y = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Vertical).value(0));
      QVERIFY(y != nullptr);
      const AxisScale expected = ValueAxisScale(peak);
      const QString what = QStringLiteral("peak %1").arg(peak, 0, 'g', 17);
      const QStringList labels = y->categoriesLabels();
      QVERIFY2(y->min() == expected.low && labels.size() == expected.ticks, qPrintable(what));
      QVERIFY2(labels.front() == QString::fromStdString(brivane::FormatGeneral6(expected.low)), qPrintable(what));
      QVERIFY2(labels.back() == QString::fromStdString(brivane::FormatGeneral6(expected.high)), qPrintable(what));
    }
  }

  void groupBoxFramesMatchPlainOnes() {
    // The first drawing of a look goes straight to the box, the second fills the cache, the third
    // copies from it: all three as a plain group box draws itself.
    for (const QString& title : {QStringLiteral("부하 분석 DATA"), QString()}) {
      for (const QSize size : {QSize(140, 260), QSize(301, 97)}) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QGroupBox* plain = new QGroupBox(title);
        QGroupBox* cached = new CachedGroupBox(title);
        for (QGroupBox* box : {plain, cached}) {
          box->setFixedSize(size);
          layout->addWidget(box);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage expected = plain->grab().toImage();
        for (int drawing = 1; drawing <= 3; ++drawing) {
          QVERIFY2(cached->grab().toImage() == expected, qPrintable(QStringLiteral("drawing %1 of \"%2\" %3x%4")
                                                                        .arg(drawing)
                                                                        .arg(title)
                                                                        .arg(size.width())
                                                                        .arg(size.height())));
        }
      }
    }
  }

  void plainCellsMatchTheStylesCells() {
    // Alignments, colours, a row colour, an elided and an empty text, Hangul, a selected row, the
    // current cell with its focus frame, and a check box the plain painter leaves to the style.
    QStandardItemModel model(4, 4);
    const QString texts[] = {QStringLiteral("CL-09"), QStringLiteral("-101.0"), QStringLiteral("전압 부족"),
                             QStringLiteral("a text much wider than its column, elided"), QString()};
    const Qt::Alignment alignments[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
                                        Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignTop};
    for (int r = 0; r < 4; ++r) {
      for (int c = 0; c < 4; ++c) {
        auto* item = new QStandardItem(texts[(r + c) % 5]);
        item->setTextAlignment(alignments[(r * 3 + c) % 4]);
        if ((r + c) % 3 == 0) item->setForeground(QColor(0xd0, 0x10, 0x20));
        if (r == 2) item->setBackground(QColor(0xe4, 0xf2, 0xe0));
        model.setItem(r, c, item);
      }
    }
    model.item(3, 3)->setCheckable(true);
    model.item(3, 3)->setCheckState(Qt::Checked);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QTableView styled;
    QTableView plain;
    plain.setItemDelegate(new CPlainTextDelegate(&plain));
    for (QTableView* view : {&styled, &plain}) {
      view->setModel(&model);
      view->setWordWrap(false);
      view->setSelectionBehavior(QAbstractItemView::SelectRows);
      view->setFixedSize(420, 150);
      view->selectRow(1);
      view->setCurrentIndex(model.index(1, 2));
      layout->addWidget(view);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto drawn = [](QTableView& view) {
      view.setFocus();
      QTest::qWait(0);
      return view.viewport()->grab().toImage();
    };
    const QImage expected = drawn(styled);
    QVERIFY(drawn(plain) == expected);
  }
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
