// How the window draws what changes often: the chart's velocity scale and the group boxes' frames,
// each against what Qt itself draws.
#include <QGroupBox>
#include <QImage>
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
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
