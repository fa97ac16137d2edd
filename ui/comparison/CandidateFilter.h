// The comparison's filter and order over its table (CCandidateTableModel).
#pragma once

#include <QSortFilterProxyModel>

#include <optional>
#include <vector>

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

  void setSourceModel(QAbstractItemModel* source) override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  void Remember(int column);
  void RememberRows(const QModelIndex& from, const QModelIndex& to);
  QVariant SortValue(const QModelIndex& source) const;

  std::optional<MotorSeries> m_series;
  bool m_fittingOnly = false;
  // The values the rows are in order of, row by row of the source, as the source told of them. A
  // source that changes every row at once and then tells of the rows one by one would otherwise
  // have each row put in its place among rows whose values have changed but whose places have not
  // yet been told: the order would come out wrong.
  int m_valuesColumn = -1;
  std::vector<QVariant> m_values;
};

}  // namespace brivane::ui
