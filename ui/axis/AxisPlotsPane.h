// The plots of the row the results table has current: its position, velocity and thrust over the
// cycle, stacked on one time axis, beside its force-speed plane; hovering a time plot shows the
// row's values at that instant.
#pragma once

#include <QWidget>

#include "engine/AxisDesign.h"

class QLabel;

namespace brivane::ui {

class CForceSpeedChart;
class CTimeChart;

class CAxisPlotsPane final : public QWidget {
  Q_OBJECT
 public:
  explicit CAxisPlotsPane(const AxisDesign& design, QWidget* parent = nullptr);

  // What an edit changed of the plots.
  void Refresh(const AxisChanges& changes);

  CTimeChart* PositionChart() const { return m_position; }
  CTimeChart* VelocityChart() const { return m_velocity; }
  CTimeChart* ThrustChart() const { return m_thrust; }
  CForceSpeedChart* PlaneChart() const { return m_plane; }
  // The text the hover at `time` shows (tests read it; the tooltip shows it).
  QString HoverText(double time) const;

 private:
  void UpdateCaption();

  const AxisDesign& m_design;
  QLabel* m_caption = nullptr;
  CTimeChart* m_position = nullptr;
  CTimeChart* m_velocity = nullptr;
  CTimeChart* m_thrust = nullptr;
  CForceSpeedChart* m_plane = nullptr;
};

}  // namespace brivane::ui
