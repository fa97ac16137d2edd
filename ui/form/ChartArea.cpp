#include "ui/form/ChartArea.h"

#include <QLabel>
#include <QResizeEvent>
#include <QSizePolicy>

#include "ui/chart/ChartViewer.h"

namespace brivane::ui {

ChartArea::ChartArea(QSize base) : m_base(base) {
  setMinimumSize(base);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartArea::AddPhase(const QString& text, const char* name, QPoint at) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QLatin1String(name));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->adjustSize();
  label->move(at);
  label->raise();
  m_phases.push_back({label, at});
}

void ChartArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (QObject* child : children()) {
    if (auto* chart = qobject_cast<CChartViewer*>(child)) chart->setGeometry(rect());
  }
  for (const Phase& phase : m_phases) {
    phase.label->move(phase.at.x() * width() / m_base.width(), phase.at.y() * height() / m_base.height());
  }
}

}  // namespace brivane::ui
