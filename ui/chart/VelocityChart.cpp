#include "ui/chart/VelocityChart.h"

#include <QCoreApplication>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"

namespace brivane::ui {

namespace {

// A category axis drops a label whose text repeats ("602", "602"); a trailing run of zero-width
// spaces keeps the texts distinct without changing what is seen.
constexpr QChar kInvisible(0x200B);

QFont AxisFont(int pointSize) {
  QFont f;
  f.setPointSize(pointSize);
  return f;
}

void AttachTimeAxis(QChart* chart, QAreaSeries* area, const ProfileChartData& data) {
  auto* xAxis = new QCategoryAxis;
  xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  xAxis->setRange(0, 4);
  for (std::size_t i = 0; i < data.labels.size(); ++i) {
    QString text = QString::fromStdString(data.labels[i]);
    while (xAxis->categoriesLabels().contains(text)) text += kInvisible;
    xAxis->append(text, static_cast<qreal>(i));
  }
  xAxis->setStartValue(0);
  xAxis->setGridLineVisible(false);
  xAxis->setTitleText(QCoreApplication::translate("brivane::ui::CChartViewer", "Time (ms)"));
  xAxis->setTitleFont(AxisFont(8));
  chart->addAxis(xAxis, Qt::AlignBottom);
  area->attachAxis(xAxis);
}

// A step of 1, 2 or 5 times a power of ten near `x`: the next one up when `ceiling`, else the
// nearest.
double NiceNumber(double x, bool ceiling) {
  const double power = std::pow(10.0, std::floor(std::log10(x)));
  const double q = x / power;
  double nice = 10;
  if (ceiling) {
    if (q <= 1.0) {
      nice = 1;
    } else if (q <= 2.0) {
      nice = 2;
    } else if (q <= 5.0) {
      nice = 5;
    }
  } else {
    if (q < 1.5) {
      nice = 1;
    } else if (q < 3.0) {
      nice = 2;
    } else if (q < 7.0) {
      nice = 5;
    }
  }
  return nice * power;
}

struct Scale {
  double low;
  double high;
  int ticks;
};

// The scale a value axis with five ticks chooses for data from `low` to `high` when asked for nice
// numbers: whole steps around the data.
Scale NiceScale(double low, double high) {
  constexpr int kTicks = 5;
  // A profile always rises from rest; a flat one is never drawn, but would still get a scale.
  if (!(high > low)) high = low + 1;
  const double step = NiceNumber(NiceNumber(high - low, true) / (kTicks - 1), false);
  const double first = std::floor(low / step);
  const double last = std::ceil(high / step);
  return {first * step, last * step, static_cast<int>(last - first) + 1};
}

void AttachVelocityAxis(QChart* chart, QAreaSeries* area, const ProfileChartData& data) {
  // The y axis is scaled from the data, and its ticks become the values of a label axis, because a
  // value axis hides the label of its top tick when the plot area is set by hand.
  const auto end = data.velocities.begin() + data.pointCount;
  const auto [lowest, highest] = std::minmax_element(data.velocities.begin(), end);
  const auto [low, high, ticks] = NiceScale(*lowest, *highest);

  auto* yAxis = new QCategoryAxis;
  yAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  yAxis->setRange(low, high);
  yAxis->setStartValue(low);
  for (int k = 0; k < ticks; ++k) {
    const double value = low + (high - low) * k / (ticks - 1);
    yAxis->append(QString::fromStdString(brivane::FormatGeneral6(value)), value);
  }
  yAxis->setTitleText(QCoreApplication::translate("brivane::ui::CChartViewer", "Velocity (m/s)"));
  yAxis->setTitleFont(AxisFont(8));
  yAxis->setGridLineColor(QColor(0xc0, 0xc0, 0xc0));
  chart->addAxis(yAxis, Qt::AlignLeft);
  area->attachAxis(yAxis);
}

}  // namespace

QRectF VelocityPlotArea(QSizeF size) { return {50, 10, size.width() - 100, size.height() - 70}; }

QChart* MakeVelocityChart(const ProfileChartData& data, QSizeF size) {
  auto* chart = new QChart;
  chart->resize(size);
  chart->setBackgroundVisible(false);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(0, 0, 0, 0));
  chart->legend()->hide();  // the single series has no name, so there is nothing to list
  chart->setPlotAreaBackgroundVisible(false);

  auto* upper = new QLineSeries;
  for (int i = 0; i < data.pointCount; ++i) {
    upper->append(i, data.velocities[static_cast<std::size_t>(i)]);
  }
  auto* area = new QAreaSeries(upper);  // no lower series: the area reaches down to zero
  area->setBrush(Qt::NoBrush);
  QPen outline(QColor(0x1f, 0x4e, 0x8c));
  outline.setWidthF(1.5);
  area->setPen(outline);
  chart->addSeries(area);

  AttachTimeAxis(chart, area, data);
  AttachVelocityAxis(chart, area, data);

  chart->setPlotArea(VelocityPlotArea(size));
  return chart;
}

QStringList VelocityChartLabels(const QChart* chart) {
  QStringList labels;
  if (chart == nullptr) return labels;
  for (QAbstractAxis* axis : chart->axes(Qt::Horizontal)) {
    if (auto* category = qobject_cast<QCategoryAxis*>(axis)) {
      for (QString text : category->categoriesLabels()) labels.append(text.remove(kInvisible));
    }
  }
  return labels;
}

}  // namespace brivane::ui
