#include "ui/comparison/CandidateFilter.h"

#include <QHeaderView>
#include <QTableView>

#include <cmath>

#include "ui/comparison/CandidateTableModel.h"
#include "ui/widgets/PlainTextDelegate.h"

namespace brivane::ui {

void SetUpRatedRowsTable(QTableView& table, CCandidateFilter& filter) {
  table.setModel(&filter);
  table.setItemDelegate(new CPlainTextDelegate(&table));
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

void CCandidateFilter::setSourceModel(QAbstractItemModel* source) {
  if (sourceModel() != nullptr) disconnect(sourceModel(), nullptr, this, nullptr);
  // Connected before the base class, so that the values are up to date when it sorts.
  if (source != nullptr) {
    connect(source, &QAbstractItemModel::dataChanged, this, &CCandidateFilter::RememberRows);
    const auto all = [this] { Remember(m_valuesColumn); };
    connect(source, &QAbstractItemModel::modelReset, this, all);
    connect(source, &QAbstractItemModel::layoutChanged, this, all);
    connect(source, &QAbstractItemModel::rowsInserted, this, all);
    connect(source, &QAbstractItemModel::rowsRemoved, this, all);
    connect(source, &QAbstractItemModel::rowsMoved, this, all);
  }
  QSortFilterProxyModel::setSourceModel(source);
  Remember(m_valuesColumn);
}

void CCandidateFilter::sort(int column, Qt::SortOrder order) {
  Remember(column);
  QSortFilterProxyModel::sort(column, order);
}

void CCandidateFilter::Remember(int column) {
  m_valuesColumn = column;
  m_values.clear();
  if (sourceModel() == nullptr || column < 0) return;
  for (int r = 0; r < sourceModel()->rowCount(); ++r)
    m_values.push_back(sourceModel()->index(r, column).data(sortRole()));
}

void CCandidateFilter::RememberRows(const QModelIndex& from, const QModelIndex& to) {
  if (m_valuesColumn < from.column() || m_valuesColumn > to.column()) return;
  for (int r = from.row(); r <= to.row() && r < static_cast<int>(m_values.size()); ++r)
    m_values[static_cast<std::size_t>(r)] = sourceModel()->index(r, m_valuesColumn).data(sortRole());
}

QVariant CCandidateFilter::SortValue(const QModelIndex& source) const {
  const auto row = static_cast<std::size_t>(source.row());
  if (source.column() == m_valuesColumn && row < m_values.size()) return m_values[row];
  return source.data(sortRole());
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
  const QVariant a = SortValue(left);
  const QVariant b = SortValue(right);
  if (a.typeId() == QMetaType::QString) return a.toString() < b.toString();
  const double x = a.toDouble();
  const double y = b.toDouble();
  // No number (no headroom) sorts below every number.
  if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && !std::isnan(y);
  return x < y;
}

}  // namespace brivane::ui
