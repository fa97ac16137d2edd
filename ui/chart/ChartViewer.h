// The chart display of the "Motor Profile" group: shows one velocity-profile chart at a time.
#pragma once

#include <QtCharts/QChartView>

namespace brivane::ui {

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
