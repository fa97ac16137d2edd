// The chart display of the "Motor Profile" group: shows one velocity-profile chart at a time.
#pragma once

#include <QSizeF>
#include <QStringList>
#include <QtCharts/QChartView>

#include "engine/Presentation.h"

class QChart;

namespace brivane::ui {

// Builds the velocity-over-time chart with the tool's fixed style: five time labels at the equally
// spaced positions 0 to 4 (texts may repeat), data point i at position i, an unfilled area without
// a legend entry, the y axis scaled from the data, a light horizontal grid and no vertical grid.
QChart* MakeVelocityChart(const ProfileChartData& data, QSizeF size);

// The time labels of a chart made by MakeVelocityChart, in position order, as the user reads them.
QStringList VelocityChartLabels(const QChart* chart);

class CChartViewer : public QChartView {
  Q_OBJECT
 public:
  explicit CChartViewer(QWidget* parent = nullptr);
  ~CChartViewer() override;

  // Shows `chart` in place of the previous one, which is deleted (QChartView::setChart keeps it).
  void setChart(QChart* chart);

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace brivane::ui
