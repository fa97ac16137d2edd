#include "ui/axis/AxisResultsModel.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <cstring>

#include "engine/CycleColumns.h"
#include "ui/comparison/CandidateTableModel.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

// As the comparison: a row the drive can run stands out, a figure past its limit is red.
const QColor kOkBackground(0xe3, 0xf2, 0xe1);
const QColor kFailedText(0xb0, 0x00, 0x20);

CycleColumn ColumnAt(int section) { return static_cast<CycleColumn>(section); }

}  // namespace

CAxisResultsModel::CAxisResultsModel(const AxisDesign& design, QObject* parent)
    : QAbstractTableModel(parent), m_design(design), m_rows(static_cast<int>(design.RatedCount())) {
  Remember();
}

void CAxisResultsModel::Refresh() {
  const int rows = static_cast<int>(m_design.RatedCount());
  if (rows != m_rows) {
    beginResetModel();
    m_rows = rows;
    Remember();
    endResetModel();
    return;
  }
  // The same rows with new values: each row tells the span of its cells that changed, so the view
  // repaints those and not the names and verdicts that stayed (a keystroke changes most figures of
  // every row but few of its other cells, and the drawing of a cell's text is what costs).
  const int columns = columnCount();
  for (int r = 0; r < rows; ++r) {
    const CycleRowView row = m_design.Row(static_cast<std::size_t>(r));
    int first = columns;
    int last = -1;
    for (int c = 0; c < columns; ++c) {
      Shown now = ShownAt(row, ColumnAt(c));
      Shown& before = m_shown[static_cast<std::size_t>(r * columns + c)];
      if (Same(now, before)) continue;
      // The row's colour and its place in the filter are the whole row's.
      if (now.ok != before.ok || now.fits != before.fits) {
        first = 0;
        last = columns - 1;
      }
      first = std::min(first, c);
      last = std::max(last, c);
      before = std::move(now);
    }
    if (first <= last) emit dataChanged(index(r, first), index(r, last));
  }
}

bool CAxisResultsModel::Same(const Shown& a, const Shown& b) {
  // Bit for bit, so that a NaN sort value (no figure) equals itself.
  return a.failed == b.failed && a.ok == b.ok && a.fits == b.fits &&
         std::memcmp(&a.value, &b.value, sizeof a.value) == 0 && a.text == b.text;
}

QString CAxisResultsModel::Text(const CycleRowView& row, CycleColumn column) const {
  const std::string text = CycleColumnText(column, row, true);
  return ColumnInfo(column).words ? EngineText(text) : FromUtf8(text);
}

CAxisResultsModel::Shown CAxisResultsModel::ShownAt(const CycleRowView& row, CycleColumn column) const {
  return {CycleColumnText(column, row, true), column == CycleColumn::Name ? 0.0 : CycleColumnValue(column, row), Failed(row, column),
          row.drive->verdict == DriveVerdict::Ok, row.rating->fits};
}

void CAxisResultsModel::Remember() {
  const int columns = columnCount();
  m_shown.clear();
  m_shown.reserve(static_cast<std::size_t>(m_rows * columns));
  for (int r = 0; r < m_rows; ++r) {
    const CycleRowView row = m_design.Row(static_cast<std::size_t>(r));
    for (int c = 0; c < columns; ++c) m_shown.push_back(ShownAt(row, ColumnAt(c)));
  }
}

int CAxisResultsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int CAxisResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kCycleColumnCount);
}

QVariant CAxisResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_rows || index.column() >= columnCount()) return {};
  const auto position = static_cast<std::size_t>(index.row());
  const CycleRowView row = m_design.Row(position);
  const CycleColumn column = ColumnAt(index.column());
  const CycleColumnInfo& info = ColumnInfo(column);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return Text(row, column);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter | (info.numeric ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
      return row.drive->verdict == DriveVerdict::Ok ? QVariant(QBrush(kOkBackground)) : QVariant();
    case Qt::ForegroundRole: return Failed(row, column) ? QVariant(QBrush(kFailedText)) : QVariant();
    case CCandidateTableModel::SortRole:
      if (column == CycleColumn::Name) return FromUtf8(row.record->name);
      return CycleColumnValue(column, row);
    case CCandidateTableModel::SeriesRole: return row.record->HasSeries() ? row.record->series : 0;
    case CCandidateTableModel::FitsRole: return row.rating->fits;
    case CCandidateTableModel::UserRole: return row.record->user;
    case CCandidateTableModel::SelectedRole: return false;
    case CCandidateTableModel::ModelRole: return FromUtf8(row.record->name);
    case PositionRole: return index.row();
    default: return {};
  }
}

bool CAxisResultsModel::Failed(const CycleRowView& row, CycleColumn column) {
  const CycleRowRating& r = *row.rating;
  const CycleDriveRating& d = *row.drive;
  bool failed = false;
  switch (column) {
    case CycleColumn::Verdict: failed = d.verdict != DriveVerdict::Ok; break;
    // The margins are the limit minus the ratio: none left is at or over the limit.
    case CycleColumn::RatedDuty:
    case CycleColumn::RatedMargin: failed = !(r.ratedMargin > 0.0); break;
    case CycleColumn::PeakDuty:
    case CycleColumn::PeakMargin: failed = !(r.peakMargin > 0.0); break;
    case CycleColumn::CoilTemp: failed = !r.coolEnough; break;
    case CycleColumn::VoltageCheck:
    case CycleColumn::BusVoltageNeeded: failed = d.voltage == DriveCheck::Failed; break;
    case CycleColumn::PeakCurrentCheck:
    case CycleColumn::PeakCurrent: failed = d.peakCurrentCheck == DriveCheck::Failed; break;
    case CycleColumn::ContinuousCurrentCheck:
    case CycleColumn::RmsCurrent: failed = d.continuousCurrentCheck == DriveCheck::Failed; break;
    default: break;
  }
  return failed;
}

QVariant CAxisResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
    return QAbstractTableModel::headerData(section, orientation, role);
  const CycleColumnInfo& info = ColumnInfo(ColumnAt(section));
  return ColumnHeaderData(info.header, info.numeric, role);
}

}  // namespace brivane::ui
