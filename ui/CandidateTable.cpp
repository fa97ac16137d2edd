#include "ui/CandidateTable.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <cmath>

#include "ui/EngineTexts.h"

namespace brivane::ui {
namespace {

CandidateColumn ColumnAt(int section) { return static_cast<CandidateColumn>(section); }

bool IsNumeric(CandidateColumn column) { return CandidateColumns()[static_cast<std::size_t>(column)].numeric; }

// A fitting row stands out from the rest; a figure past what the move allows is shown in red.
const QColor kFittingBackground(0xe3, 0xf2, 0xe1);
const QColor kOverLimitText(0xb0, 0x00, 0x20);

// The verdicts in the order a sort puts them: the picks first, then the other fitting rows.
int VerdictRank(const CandidateRating& c) { return c.selected ? 0 : c.fits ? 1 : 2; }

}  // namespace

CCandidateTableModel::CCandidateTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void CCandidateTableModel::SetOutcome(const ComparisonOutcome& outcome) {
  beginResetModel();
  m_rows.clear();
  m_rows.reserve(outcome.rows.size());
  for (const CandidateRating& c : outcome.rows) {
    Row row{c, {}};
    const CandidateTexts texts = FormatCandidateTexts(c);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const auto column = static_cast<CandidateColumn>(i);
      // The verdicts and the headroom's words ("or more") are fixed engine texts.
      const bool words = column == CandidateColumn::Verdict || column == CandidateColumn::Headroom;
      row.texts[i] = words ? EngineText(texts[i]) : FromUtf8(texts[i]);
    }
    m_rows.push_back(std::move(row));
  }
  endResetModel();
}

void CCandidateTableModel::Clear() {
  beginResetModel();
  m_rows.clear();
  endResetModel();
}

int CCandidateTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CCandidateTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kCandidateColumnCount);
}

QVariant CCandidateTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const Row& row = m_rows[static_cast<std::size_t>(index.row())];
  const CandidateRating& c = row.rating;
  const CandidateColumn column = ColumnAt(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return row.texts[static_cast<std::size_t>(index.column())];
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter | (IsNumeric(column) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole: return c.fits ? QVariant(QBrush(kFittingBackground)) : QVariant();
    case Qt::ForegroundRole: return Foreground(row, column);
    case Qt::FontRole: {
      if (!c.selected) return {};
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    case SortRole: return SortValue(row, column);
    case SeriesRole: return static_cast<int>(c.series);
    case FitsRole: return c.fits;
    case SelectedRole: return c.selected;
    case ModelRole: return row.texts[static_cast<std::size_t>(CandidateColumn::Name)];
    default: return {};
  }
}

QVariant CCandidateTableModel::SortValue(const Row& row, CandidateColumn column) const {
  if (column == CandidateColumn::Verdict) return VerdictRank(row.rating);
  if (!IsNumeric(column)) return row.texts[static_cast<std::size_t>(column)];
  return CandidateValue(row.rating, column);
}

QVariant CCandidateTableModel::Foreground(const Row& row, CandidateColumn column) const {
  const CandidateRating& c = row.rating;
  bool over = false;
  switch (column) {
    // The margins are the limit minus the ratio: none left means the ratio is at or over its limit.
    case CandidateColumn::RatedDuty:
    case CandidateColumn::RatedMargin: over = !(c.ratedMargin > 0.0f); break;
    case CandidateColumn::PeakDuty:
    case CandidateColumn::PeakMargin: over = !(c.peakMargin > 0.0f); break;
    case CandidateColumn::CoilTemp: over = !c.coolEnough; break;
    default: break;
  }
  return over ? QVariant(QBrush(kOverLimitText)) : QVariant();
}

QVariant CCandidateTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const CandidateColumnInfo& info = CandidateColumns()[static_cast<std::size_t>(section)];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return EngineText(info.header);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter | (info.numeric ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
  }
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
