#include "ui/comparison/CandidateTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

CandidateColumn ColumnAt(int section) { return static_cast<CandidateColumn>(section); }

bool IsNumeric(CandidateColumn column) { return CandidateColumns()[static_cast<std::size_t>(column)].numeric; }

// A fitting row stands out from the rest; a figure past what the move allows is shown in red.
const QColor kFittingBackground(0xe3, 0xf2, 0xe1);
const QColor kOverLimitText(0xb0, 0x00, 0x20);

// Says which group a row of the user's stands in, and its family.
QString UserGroupTip(const std::array<QString, kCandidateColumnCount>& texts) {
  return EngineText(kUserMotorsTitle) + QStringLiteral(": ") + texts[static_cast<std::size_t>(CandidateColumn::Series)];
}

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

void CCandidateTableModel::SetStale(bool stale) {
  if (m_stale == stale) return;
  m_stale = stale;
  if (!m_rows.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
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
    case Qt::BackgroundRole: return c.fits && !m_stale ? QVariant(QBrush(kFittingBackground)) : QVariant();
    case Qt::ForegroundRole: return m_stale ? QVariant() : Foreground(row, column);
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
    case UserRole: return c.user;
    case IndexRole: return QVariant::fromValue(static_cast<qulonglong>(c.index));
    case Qt::ToolTipRole: return c.user ? UserGroupTip(row.texts) : QVariant();
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
  return ColumnHeaderData(info.header, info.numeric, role);
}

QVariant ColumnHeaderData(std::string_view header, bool numeric, int role) {
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return EngineText(header);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
  }
}

}  // namespace brivane::ui
