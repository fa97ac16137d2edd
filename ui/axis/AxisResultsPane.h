// The axis window's results: every row rated for the cycle in a table the user sorts and filters
// (a series, the user's motors, only the rows that fit), with what the rating was made against
// above it. The current row is the one the plots show.
#pragma once

#include <QWidget>

#include <cstddef>
#include <optional>

#include "engine/AxisDesign.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;

namespace brivane::ui {

class CAxisResultsModel;
class CCandidateFilter;

class CAxisResultsPane final : public QWidget {
  Q_OBJECT
 public:
  explicit CAxisResultsPane(const AxisDesign& design, QWidget* parent = nullptr);

  // The design's ratings and summary again; the rows' count may have changed.
  void Refresh();
  // The row at that position in the rows rated becomes the current one, when it is shown.
  void SelectPosition(std::optional<std::size_t> position);
  // The columns fitted to their texts (a new document); an edit leaves them as the user sized them.
  void FitColumns();
  QTableView* Table() const { return m_table; }

 signals:
  // The user made another row current: its position in the rows rated.
  void RowChosen(std::size_t position);

 private:
  void BuildFilters();
  void BuildTable();
  void UpdateSeriesChoices();
  void UpdateSummary();
  void OnSeriesFilter(int item);
  void OnCurrentChanged(const QModelIndex& current);

  const AxisDesign& m_design;
  CAxisResultsModel* m_model = nullptr;
  CCandidateFilter* m_filter = nullptr;
  QTableView* m_table = nullptr;
  QComboBox* m_series = nullptr;
  QCheckBox* m_fittingOnly = nullptr;
  QLabel* m_summary = nullptr;
  bool m_selecting = false;  // the pane itself is moving the current row
};

}  // namespace brivane::ui
