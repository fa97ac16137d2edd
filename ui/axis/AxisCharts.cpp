#include "ui/axis/AxisCharts.h"

#include <QGraphicsItem>
#include <QGraphicsLayout>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

const QColor kOutside(0xd0, 0x10, 0x20);
const QColor kRms(0xe0, 0x90, 0x10);

QFont SmallFont(int points) {
  QFont f;
  f.setPointSize(points);
  return f;
}

QChart* NewChart() {
  auto* chart = new QChart;
  chart->setMargins(QMargins(4, 2, 4, 2));
  chart->setBackgroundRoundness(0);
  chart->legend()->hide();
  return chart;
}

QValueAxis* NewAxis(const QString& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setTitleFont(SmallFont(8));
  axis->setLabelsFont(SmallFont(7));
  return axis;
}

// The engine's scale of the data, set only when it is another: a new range lays out the axis's
// labels again, which costs more than the drawing.
void SetScale(QValueAxis* axis, double low, double high) {
  const PlotScale scale = NicePlotScale(low, high);
  if (axis->min() == scale.low && axis->max() == scale.high && axis->tickCount() == scale.ticks) return;
  axis->setRange(scale.low, scale.high);
  axis->setTickCount(scale.ticks);
}

// A new range changes the labels' widths, so the chart lays out its plot area and legend again.
// Qt posts that layout and it comes after the first repaint, which draws the chart a second time;
// laid out now, the one repaint draws the final chart.
void LayOutNow(QChart& chart) {
  if (QGraphicsLayout* layout = chart.layout()) layout->activate();
  if (QGraphicsLayout* layout = chart.legend()->layout()) layout->activate();
}

// A marker painted for each point (no graphics item per point, as a scatter series makes).
QImage Marker(const QColor& color, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
  return image;
}

void Fill(QList<QPointF>& out, const std::vector<PlotPoint>& points) {
  out.resize(static_cast<qsizetype>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) out[static_cast<qsizetype>(i)] = QPointF(points[i].x, points[i].y);
}

}  // namespace

// The grid of a chart and the segments' boundaries, drawn beneath the series without antialiasing:
// the chart's own grid lines are antialiased, and those long lines cost a repaint more than all
// the curves, while a line along a pixel row looks the same without it. An item of the chart's
// scene, so that a PDF of the scene has it too.
class CChartGrid final : public QGraphicsItem {
 public:
  // `acrossTicks`: vertical lines at the horizontal axis' ticks too (a time plot has its
  // segments' boundaries there instead).
  CChartGrid(QChart& chart, QValueAxis* vertical, QValueAxis* horizontal, bool acrossTicks)
      : QGraphicsItem(&chart), m_chart(chart), m_vertical(vertical), m_horizontal(horizontal),
        m_acrossTicks(acrossTicks) {
    // Above the chart's background, below its axes and series.
    setZValue(2.0);
    // The theme's colour for the grid; the chart draws its own grid no more.
    for (QValueAxis* axis : {vertical, horizontal}) {
      m_pen.setColor(axis->gridLinePen().color());
      axis->setGridLineVisible(false);
    }
    m_pen.setCosmetic(true);
    m_pen.setWidth(1);
    m_boundaryPen = QPen(QColor(0x90, 0x90, 0x90), 1, Qt::DashLine);
    m_boundaryPen.setCosmetic(true);
    QObject::connect(&chart, &QChart::plotAreaChanged, &chart, [this](const QRectF&) { Refresh(); });
  }

  // Vertical dashed lines at these values of the horizontal axis.
  void SetBoundaries(const std::vector<double>& boundaries) {
    m_boundaries = boundaries;
    update();
  }

  // After the axes' ranges or the plot area changed.
  void Refresh() {
    const QRectF area = m_chart.plotArea();
    if (area != m_area) {
      prepareGeometryChange();
      m_area = area;
    }
    update();
  }

  QRectF boundingRect() const override { return m_area.adjusted(-1, -1, 1, 1); }

  void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
    if (m_area.isEmpty()) return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(m_pen);
    for (int i = 0; i < m_vertical->tickCount(); ++i) {
      const double y = m_area.bottom() - m_area.height() * i / (m_vertical->tickCount() - 1);
      painter->drawLine(QPointF(m_area.left(), y), QPointF(m_area.right(), y));
    }
    if (m_acrossTicks) {
      for (int i = 0; i < m_horizontal->tickCount(); ++i) {
        const double x = m_area.left() + m_area.width() * i / (m_horizontal->tickCount() - 1);
        painter->drawLine(QPointF(x, m_area.top()), QPointF(x, m_area.bottom()));
      }
    }
    painter->setPen(m_boundaryPen);
    const double low = m_horizontal->min();
    const double span = m_horizontal->max() - low;
    for (std::size_t i = 0; i < m_boundaries.size() && span > 0; ++i) {
      const double x = m_area.left() + m_area.width() * (m_boundaries[i] - low) / span;
      painter->drawLine(QPointF(x, m_area.top()), QPointF(x, m_area.bottom()));
    }
    painter->restore();
  }

 private:
  QChart& m_chart;
  QValueAxis* m_vertical;
  QValueAxis* m_horizontal;
  bool m_acrossTicks;
  QPen m_pen;
  QPen m_boundaryPen;
  std::vector<double> m_boundaries;
  QRectF m_area;
};

CTimeChart::CTimeChart(const QString& title, const QString& unit, const QColor& color, Hover hover, QWidget* parent)
    : QChartView(parent), m_hover(std::move(hover)) {
  setAccessibleName(title);
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
  QChart* chart = NewChart();
  m_series = new QLineSeries;
  m_series->setName(title);
  m_series->setPen(QPen(color, 1.5));
  chart->addSeries(m_series);
  m_x = NewAxis(tr("시간 (s)"));
  m_y = NewAxis(QStringLiteral("%1 (%2)").arg(title, unit));
  m_segments = new QCategoryAxis;
  m_segments->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
  m_segments->setLabelsFont(SmallFont(7));
  m_segments->setGridLineVisible(false);
  chart->addAxis(m_x, Qt::AlignBottom);
  chart->addAxis(m_y, Qt::AlignLeft);
  chart->addAxis(m_segments, Qt::AlignTop);
  m_series->attachAxis(m_x);
  m_series->attachAxis(m_y);
  m_x->setGridLineVisible(false);
  setChart(chart);
  m_grid = new CChartGrid(*chart, m_y, m_x, false);
}

void CTimeChart::Show(const std::vector<PlotPoint>& points, const std::vector<double>& boundaries) {
  // The same curve (the kinematics when only a force changed) is left as it is drawn.
  const bool samePoints = m_points.size() == static_cast<qsizetype>(points.size()) &&
                          std::equal(points.begin(), points.end(), m_points.begin(),
                                     [](const PlotPoint& a, const QPointF& b) { return a.x == b.x() && a.y == b.y(); });
  if (samePoints && boundaries == m_boundaries) return;
  Fill(m_points, points);
  m_series->replace(m_points);
  double low = 0.0;
  double high = 0.0;
  for (const PlotPoint& p : points) {
    low = std::min(low, p.y);
    high = std::max(high, p.y);
  }
  SetScale(m_y, low, high);
  if (boundaries == m_boundaries) {
    LayOutNow(*chart());
    m_grid->Refresh();
    return;
  }
  m_boundaries = boundaries;
  SetScale(m_x, 0.0, boundaries.empty() ? 1.0 : boundaries.back());
  // The segments' numbers over them, a grid line where each ends.
  for (const QString& label : m_segments->categoriesLabels()) m_segments->remove(label);
  m_segments->setStartValue(0.0);
  for (std::size_t i = 1; i < boundaries.size(); ++i) m_segments->append(QString::number(i), boundaries[i]);
  m_segments->setRange(m_x->min(), m_x->max());
  LayOutNow(*chart());
  m_grid->SetBoundaries(m_boundaries);
  m_grid->Refresh();
}

void CTimeChart::mouseMoveEvent(QMouseEvent* event) {
  QChartView::mouseMoveEvent(event);
  if (!m_hover || m_series->count() == 0) return;
  const QPointF at = chart()->mapToValue(event->position(), m_series);
  if (!chart()->plotArea().contains(event->position())) return;
  m_hover(at.x(), event->globalPosition().toPoint());
}

CForceSpeedChart::CForceSpeedChart(QWidget* parent) : QChartView(parent) {
  setAccessibleName(tr("추력-속도 평면"));
  setRenderHint(QPainter::Antialiasing);
  QChart* chart = NewChart();
  chart->legend()->show();
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setFont(SmallFont(7));
  m_peak = new QLineSeries;
  m_peak->setName(tr("최대 추력 포락선"));
  m_peak->setPen(QPen(QColor(0x20, 0x40, 0xa0), 2));
  m_continuous = new QLineSeries;
  m_continuous->setName(tr("연속 추력 포락선"));
  m_continuous->setPen(QPen(QColor(0x20, 0x80, 0x40), 2, Qt::DashLine));
  m_inside = Points(tr("운전점"), QColor(0x30, 0x60, 0xc0), 5);
  m_outside = Points(tr("포락선 밖"), kOutside, 7);
  m_rms = Points(tr("RMS 점"), kRms, 11);
  m_rmsMarker = m_rms->lightMarker();
  m_rmsOutsideMarker = Marker(kOutside, 11);
  m_x = NewAxis(tr("속도 (m/s)"));
  m_y = NewAxis(tr("추력 (N)"));
  chart->addAxis(m_x, Qt::AlignBottom);
  chart->addAxis(m_y, Qt::AlignLeft);
  setChart(chart);
  for (QXYSeries* s : std::initializer_list<QXYSeries*>{m_peak, m_continuous, m_inside, m_outside, m_rms}) Attach(s);
  m_grid = new CChartGrid(*chart, m_y, m_x, true);
  connect(m_inside, &QXYSeries::hovered, this,
          [this](const QPointF& p, bool on) { OnHovered(m_inside->name(), p, on); });
  connect(m_outside, &QXYSeries::hovered, this,
          [this](const QPointF& p, bool on) { OnHovered(m_outside->name(), p, on); });
  connect(m_rms, &QXYSeries::hovered, this, [this](const QPointF& p, bool on) { OnHovered(m_rms->name(), p, on); });
}

QScatterSeries* CForceSpeedChart::Points(const QString& name, const QColor& color, int size) {
  auto* s = new QScatterSeries;
  s->setName(name);
  s->setColor(color);
  s->setMarkerSize(size);
  s->setLightMarker(Marker(color, size));
  return s;
}

void CForceSpeedChart::Attach(QXYSeries* series) {
  chart()->addSeries(series);
  series->attachAxis(m_x);
  series->attachAxis(m_y);
}

void CForceSpeedChart::Show(const ForceSpeedPlane& plane) {
  double speed = plane.topSpeed;
  double force = std::max(plane.peakForce, plane.rms.y);
  for (const auto* points : {&plane.inside, &plane.outside}) {
    for (const PlotPoint& p : *points) {
      speed = std::max(speed, p.x);
      force = std::max(force, p.y);
    }
  }
  const std::pair<QXYSeries*, const std::vector<PlotPoint>*> series[] = {{m_peak, &plane.peakEnvelope},
                                                                         {m_continuous, &plane.continuousEnvelope},
                                                                         {m_inside, &plane.inside},
                                                                         {m_outside, &plane.outside}};
  for (const auto& [s, points] : series) {
    Fill(m_points, *points);
    s->replace(m_points);
  }
  const QList<QPointF> rms{QPointF(plane.rms.x, plane.rms.y)};
  if (m_rms->points() != rms) m_rms->replace(rms);
  if (plane.rmsOutside != m_rmsOutside) {
    m_rmsOutside = plane.rmsOutside;
    m_rms->setLightMarker(m_rmsOutside ? m_rmsOutsideMarker : m_rmsMarker);
  }
  SetScale(m_x, 0.0, speed);
  SetScale(m_y, 0.0, force);
  LayOutNow(*chart());
  m_grid->Refresh();
}

void CForceSpeedChart::OnHovered(const QString& what, const QPointF& point, bool state) {
  if (!state) {
    QToolTip::hideText();
    return;
  }
  const QString text = tr("%1\n속도 %2 m/s, 추력 %3 N")
                           .arg(what, FromUtf8(FormatFixed(point.x(), 3)), FromUtf8(FormatFixed(point.y(), 1)));
  QToolTip::showText(QCursor::pos(), text, this);
}

}  // namespace brivane::ui
