#include "ui/chart/ChartViewer.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QtCharts/QChart>

#include "ui/chart/VelocityChart.h"

namespace brivane::ui {

CChartViewer::CChartViewer(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setFrameShape(QFrame::NoFrame);
  // No background of its own: the group box shows through, as the chart has none either.
  viewport()->setAutoFillBackground(false);
  // A picture, not a control: Tab passes it by, and a click on it changes nothing.
  setFocusPolicy(Qt::NoFocus);
  viewport()->setFocusPolicy(Qt::NoFocus);
}

CChartViewer::~CChartViewer() = default;

void CChartViewer::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  // A larger form gives the chart more room; the plot grows with it.
  if (QChart* shown = chart()) shown->setPlotArea(VelocityPlotArea(shown->size()));
}

void CChartViewer::setChart(QChart* chart) {
  // Once the view is shown, a new chart lays itself out through events it posts to itself and to
  // the scene, and each would repaint the view: painting waits until they have run, so the chart is
  // drawn once. Before that, the chart lays itself out when shown, at the size it is shown at.
  const bool hold = isVisible() && updatesEnabled();
  if (hold) setUpdatesEnabled(false);
  QChart* previous = QChartView::chart();
  QChartView::setChart(chart);
  delete previous;
  if (hold) {
    if (chart != nullptr) {
      QCoreApplication::sendPostedEvents(chart);
      QCoreApplication::sendPostedEvents(scene());
    }
    setUpdatesEnabled(true);
  }
}

}  // namespace brivane::ui
