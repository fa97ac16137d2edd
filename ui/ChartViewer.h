// The chart display of the "Motor Profile" group: shows one velocity-profile chart at a time.
#pragma once

#include <QPixmap>
#include <QPoint>
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
  void drawBackground(QPainter* painter, const QRectF& rect) override;

 private:
  // What the widgets behind the view draw where it stands: the chart has no background of its own,
  // and the view paints this instead of having them repaint under every change of the chart.
  const QPixmap& Backdrop();

  QPixmap m_backdrop;
  QPoint m_backdropAt;     // the view's place in its window when the backdrop was drawn
  qint64 m_backdropKey{};  // the palette it was drawn with
};

}  // namespace brivane::ui
