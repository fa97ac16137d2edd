// The chart of the "Motor Profile" group with the phase captions over it.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

class QLabel;

namespace brivane::ui {

// The chart with the phase captions over it. It takes the form's extra space; the captions keep
// their places relative to the chart's size, so they stay over their stretches of the profile.
class ChartArea final : public QWidget {
 public:
  explicit ChartArea(QSize base);
  QSize sizeHint() const override { return m_base; }

  // A caption at `at`, a point of the area at its base size.
  void AddPhase(const QString& text, const char* name, QPoint at);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Phase {
    QLabel* label;
    QPoint at;  // at the base size
  };
  QSize m_base;
  std::vector<Phase> m_phases;
};

}  // namespace brivane::ui
