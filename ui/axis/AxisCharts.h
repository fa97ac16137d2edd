// The axis window's plots (Qt Charts), built once and updated in place as the design changes: a
// quantity of the chosen row over the cycle, the segments' boundaries as the grid of a second
// axis on top, and the force-speed plane with the row's envelopes at the bus voltage, the cycle's
// operating points (those the drive cannot give in red) and the RMS point. The plots draw what
// the engine computed; they compute nothing themselves.
#pragma once

#include <QImage>
#include <QtCharts/QChartView>

#include <functional>
#include <vector>

#include "engine/AxisPlots.h"

class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

namespace brivane::ui {

class CChartGrid;

class CTimeChart final : public QChartView {
  Q_OBJECT
 public:
  // `hover` hears the time (s) under the mouse, and where the mouse is on the screen.
  using Hover = std::function<void(double time, const QPoint& global)>;
  CTimeChart(const QString& title, const QString& unit, const QColor& color, Hover hover, QWidget* parent = nullptr);

  // The points and the segments' boundaries (each segment's start, then the cycle time).
  void Show(const std::vector<PlotPoint>& points, const std::vector<double>& boundaries);
  QLineSeries* Series() const { return m_series; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QLineSeries* m_series = nullptr;
  QValueAxis* m_x = nullptr;
  QValueAxis* m_y = nullptr;
  QCategoryAxis* m_segments = nullptr;
  CChartGrid* m_grid = nullptr;
  QList<QPointF> m_points;  // as shown; reused, the series takes a copy
  std::vector<double> m_boundaries;
  Hover m_hover;
};

class CForceSpeedChart final : public QChartView {
  Q_OBJECT
 public:
  explicit CForceSpeedChart(QWidget* parent = nullptr);

  void Show(const ForceSpeedPlane& plane);
  QLineSeries* PeakEnvelope() const { return m_peak; }
  QLineSeries* ContinuousEnvelope() const { return m_continuous; }
  QScatterSeries* Inside() const { return m_inside; }
  QScatterSeries* Outside() const { return m_outside; }
  QScatterSeries* RmsPoint() const { return m_rms; }

 private:
  static QScatterSeries* Points(const QString& name, const QColor& color, int size);
  void Attach(QXYSeries* series);
  void OnHovered(const QString& what, const QPointF& point, bool state);

  QLineSeries* m_peak = nullptr;
  QLineSeries* m_continuous = nullptr;
  QScatterSeries* m_inside = nullptr;
  QScatterSeries* m_outside = nullptr;
  QScatterSeries* m_rms = nullptr;
  QValueAxis* m_x = nullptr;
  QValueAxis* m_y = nullptr;
  CChartGrid* m_grid = nullptr;
  QList<QPointF> m_points;
  QImage m_rmsMarker;
  QImage m_rmsOutsideMarker;
  bool m_rmsOutside = false;
};

}  // namespace brivane::ui
