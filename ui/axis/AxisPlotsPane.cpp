#include "ui/axis/AxisPlotsPane.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolTip>
#include <QtCharts/QLineSeries>

#include "engine/NumberText.h"
#include "ui/axis/AxisCharts.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

QString Fixed(double v, int decimals) { return FromUtf8(FormatFixed(v, decimals)); }

}  // namespace

CAxisPlotsPane::CAxisPlotsPane(const AxisDesign& design, QWidget* parent) : QWidget(parent), m_design(design) {
  setObjectName(QStringLiteral("axisPlots"));
  m_caption = new QLabel;
  m_caption->setObjectName(QStringLiteral("labelPlotsCaption"));
  m_caption->setAccessibleName(tr("그래프의 모델"));
  const auto hover = [this](double time, const QPoint& global) { QToolTip::showText(global, HoverText(time), this); };
  m_position = new CTimeChart(tr("위치"), QStringLiteral("mm"), QColor(0x40, 0x40, 0x40), hover);
  m_position->setObjectName(QStringLiteral("chartPosition"));
  m_velocity = new CTimeChart(tr("속도"), QStringLiteral("m/s"), QColor(0x20, 0x50, 0xb0), hover);
  m_velocity->setObjectName(QStringLiteral("chartVelocity"));
  m_thrust = new CTimeChart(tr("추력"), QStringLiteral("N"), QColor(0xb0, 0x30, 0x20), hover);
  m_thrust->setObjectName(QStringLiteral("chartThrust"));
  m_plane = new CForceSpeedChart;
  m_plane->setObjectName(QStringLiteral("chartForceSpeed"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  grid->addWidget(m_caption, 0, 0);
  grid->addWidget(m_position, 1, 0);
  grid->addWidget(m_velocity, 2, 0);
  grid->addWidget(m_thrust, 3, 0);
  grid->addWidget(m_plane, 4, 0);
  for (const int row : {1, 2, 3}) grid->setRowStretch(row, 3);
  grid->setRowStretch(4, 5);
  Refresh({true, true, true, true, true, true});
}

void CAxisPlotsPane::Refresh(const AxisChanges& changes) {
  if (changes.timePlots) {
    const CycleTimePlots& t = m_design.TimePlots();
    m_position->Show(t.position, t.boundaries);
    m_velocity->Show(t.velocity, t.boundaries);
    m_thrust->Show(t.thrust, t.boundaries);
  }
  if (changes.plane) m_plane->Show(m_design.Plane());
  if (changes.timePlots || changes.plane || changes.ratings) UpdateCaption();
}

void CAxisPlotsPane::UpdateCaption() {
  const auto chosen = m_design.Chosen();
  QString text;
  if (!chosen || m_design.Refusal()) {
    text = tr("그래프: 모델 없음");
  } else {
    const ForceSpeedPlane& p = m_design.Plane();
    const QString name = FromUtf8(m_design.Rows()[*chosen].name);
    text = p.busVoltage
               ? tr("그래프: %1, 버스 전압 %2 V, 권선 온도 %3 ℃")
                     .arg(name, FromUtf8(FormatShortestDouble(*p.busVoltage)), Fixed(p.windingTemp, 1))
               : tr("그래프: %1, 버스 전압 없음(추력 한계만), 권선 온도 %2 ℃").arg(name, Fixed(p.windingTemp, 1));
  }
  if (m_caption->text() != text) m_caption->setText(text);
}

QString CAxisPlotsPane::HoverText(double time) const {
  const auto chosen = m_design.Chosen();
  if (!chosen || m_design.Refusal()) return {};
  const CycleInstant at = CycleAt(m_design.Plan(), m_design.Rows()[*chosen], time);
  return tr("구간 %1, %2 s\n위치 %3 mm\n속도 %4 m/s\n추력 %5 N")
      .arg(at.segment + 1)
      .arg(Fixed(at.time, 3), Fixed(at.positionMm, 1), Fixed(at.velocity, 3), Fixed(at.thrust, 1));
}

}  // namespace brivane::ui
