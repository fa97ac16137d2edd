// The bare comparisons: what Qt Charts alone costs for a chart that looks like the form's (an
// unfilled area under four points, five category labels below, a nice-numbered value axis at the
// left, no background, the plot area placed by hand), with none of the tool's code. The look
// matters: a chart with its default background takes about twice as long to paint.
#pragma once

#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

namespace brivane::bench {

inline QChart* MakeBareChart(double peak, QSizeF size) {
  auto* chart = new QChart;
  chart->resize(size);
  chart->setBackgroundVisible(false);
  chart->setMargins(QMargins(0, 0, 0, 0));
  chart->legend()->hide();
  auto* upper = new QLineSeries;
  upper->append(0, 0);
  upper->append(1, peak);
  upper->append(2, peak);
  upper->append(3, 0);
  auto* area = new QAreaSeries(upper);
  area->setBrush(Qt::NoBrush);
  chart->addSeries(area);
  auto* x = new QCategoryAxis;
  x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  x->setRange(0, 4);
  const char* const labels[] = {"0", "102", "500", "602", "602\u200b"};
  for (int i = 0; i < 5; ++i) x->append(QString::fromUtf8(labels[i]), i);
  chart->addAxis(x, Qt::AlignBottom);
  area->attachAxis(x);
  auto* y = new QValueAxis;
  chart->addAxis(y, Qt::AlignLeft);
  area->attachAxis(y);
  y->applyNiceNumbers();
  chart->setPlotArea(QRectF(50, 10, size.width() - 100, size.height() - 70));
  return chart;
}

// Replaces the view's chart and deletes the old one, as the form's chart view does.
inline void ReplaceChart(QChartView& view, QChart* chart) {
  QChart* previous = view.chart();
  view.setChart(chart);
  delete previous;
}

}  // namespace brivane::bench
