#include "ui/comparison/CandidateFilter.h"

#include <QHeaderView>
#include <QTableView>

#include <cmath>

#include "ui/comparison/CandidateTableModel.h"

namespace brivane::ui {

void SetUpRatedRowsTable(QTableView& table, CCandidateFilter& filter) {
  table.setModel(&filter);
  table.setSelectionBehavior(QAbstractItemView::SelectRows);
  table.setSelectionMode(QAbstractItemView::SingleSelection);
  table.setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The arrows move from row to row; Tab goes on to the next control (a table view would take it
  // from cell to cell and start again at the top, and a keyboard would never leave it).
  table.setTabKeyNavigation(false);
  table.verticalHeader()->hide();
  table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 8);
  table.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table.setSortingEnabled(true);
}

CCandidateFilter::CCandidateFilter(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortRole(CCandidateTableModel::SortRole);
}

void CCandidateFilter::SetSeries(std::optional<MotorSeries> series) {
  m_series = series;
  invalidateFilter();
}

void CCandidateFilter::SetFittingOnly(bool on) {
  m_fittingOnly = on;
  invalidateFilter();
}

bool CCandidateFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
  if (m_fittingOnly && !index.data(CCandidateTableModel::FitsRole).toBool()) return false;
  return !m_series || index.data(CCandidateTableModel::SeriesRole).toInt() == static_cast<int>(*m_series);
}

bool CCandidateFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const bool leftUser = left.data(CCandidateTableModel::UserRole).toBool();
  const bool rightUser = right.data(CCandidateTableModel::UserRole).toBool();
  // A descending sort asks lessThan(right, left): the group is turned round with it, so that the
  // user's motors stay after the built-in models.
  if (leftUser != rightUser) return sortOrder() == Qt::AscendingOrder ? rightUser : leftUser;
  const QVariant a = left.data(sortRole());
  const QVariant b = right.data(sortRole());
  if (a.typeId() == QMetaType::QString) return a.toString() < b.toString();
  const double x = a.toDouble();
  const double y = b.toDouble();
  // No number (no headroom) sorts below every number.
  if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && !std::isnan(y);
  return x < y;
}

}  // namespace brivane::ui
