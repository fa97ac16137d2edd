// The comparison's filter and order over its table (CCandidateTableModel).
#pragma once

#include <QSortFilterProxyModel>

#include <optional>

#include "catalog/Series.h"

class QTableView;

namespace brivane::ui {

class CCandidateFilter;

// A table of rated rows shown through `filter`, as the comparison and the axis window show theirs:
// whole rows chosen one at a time, nothing typed into, no row numbers, sorted by a click on a
// header and first in the rows' own order.
void SetUpRatedRowsTable(QTableView& table, CCandidateFilter& filter);

// What the table shows of the model: one series, the user's own motors or all, every row or the
// fitting ones, in the order of a column (numbers as numbers; rows without a number, such as a
// model without headroom, below every number in ascending order). The user's motors are a group
// of their own after the built-in models in either order. Unsorted, it keeps the catalog order.
class CCandidateFilter final : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit CCandidateFilter(QObject* parent = nullptr);

  // None: every row; a series code: its rows, 0 the user's own motors (they have no series).
  void SetSeries(std::optional<MotorSeries> series);
  void SetFittingOnly(bool on);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  std::optional<MotorSeries> m_series;
  bool m_fittingOnly = false;
};

}  // namespace brivane::ui
