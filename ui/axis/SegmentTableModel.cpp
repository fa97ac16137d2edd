#include "ui/axis/SegmentTableModel.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>

#include <array>

#include "engine/CycleColumns.h"
#include "ui/axis/AxisTexts.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

using Kind = CSegmentTableModel::Kind;

constexpr std::array<CSegmentTableModel::Column, 13> kColumns{{
    {Kind::Type, {}, {}},
    {Kind::Field, SegmentField::Distance, {}},
    {Kind::Field, SegmentField::Velocity, {}},
    {Kind::Field, SegmentField::Accel, {}},
    {Kind::Field, SegmentField::Decel, {}},
    {Kind::Field, SegmentField::Jerk, {}},
    {Kind::Field, SegmentField::TimeMs, {}},
    {Kind::Field, SegmentField::Payload, {}},
    {Kind::Field, SegmentField::Force, {}},
    {Kind::ForceDuring, {}, {}},
    {Kind::Plan, {}, SegmentColumn::Profile},
    {Kind::Plan, {}, SegmentColumn::Duration},
    {Kind::Plan, {}, SegmentColumn::PeakVelocity},
}};

// A marked value stands out; a field the segment's type does not have is greyed.
const QColor kMarkedBackground(0xf8, 0xd0, 0xd0);
const QColor kNotApplicable(0xee, 0xee, 0xee);

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::CAxisWindow)
};

}  // namespace

int CSegmentTableModel::ColumnOf(SegmentField field) {
  for (std::size_t i = 0; i < kColumns.size(); ++i)
    if (kColumns[i].kind == Kind::Field && kColumns[i].field == field) return static_cast<int>(i);
  return -1;
}

const CSegmentTableModel::Column& CSegmentTableModel::ColumnAt(int section) {
  return kColumns[static_cast<std::size_t>(section)];
}

CSegmentTableModel::CSegmentTableModel(AxisDesign& design, ChangeSink changed, QObject* parent)
    : QAbstractTableModel(parent), m_design(design), m_changed(std::move(changed)) {}

void CSegmentTableModel::Reset() {
  beginResetModel();
  endResetModel();
}

void CSegmentTableModel::Refresh(const AxisChanges& changes) {
  if (!changes.editor && !changes.plan) return;
  if (rowCount() == 0) return;
  // Every cell: a mark, the plan's columns and the greyed cells may change anywhere.
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void CSegmentTableModel::UnitChanged(const AxisChanges& changes) {
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  Refresh(changes);
}

void CSegmentTableModel::Tell(const AxisChanges& changes, int edited) {
  // A value's check is its own, so an edit that leaves the plan marks and greys only its row; the
  // rest of the table is not drawn again at every keystroke.
  if (edited >= 0 && !changes.plan && !changes.segments) {
    if (changes.editor) emit dataChanged(index(edited, 0), index(edited, columnCount() - 1));
  } else {
    Refresh(changes);
  }
  if (changes.Any() && m_changed) m_changed(changes);
}

void CSegmentTableModel::InsertSegment(int at, const CycleSegment& segment) {
  if (m_design.Edited().segments.size() >= kMaxCycleSegments) return;
  beginInsertRows({}, at, at);
  const AxisChanges changes = m_design.InsertSegment(static_cast<std::size_t>(at), segment);
  endInsertRows();
  Tell(changes);
}

void CSegmentTableModel::DuplicateSegment(int row) {
  if (row < 0 || row >= rowCount() || m_design.Edited().segments.size() >= kMaxCycleSegments) return;
  beginInsertRows({}, row + 1, row + 1);
  const AxisChanges changes = m_design.DuplicateSegment(static_cast<std::size_t>(row));
  endInsertRows();
  Tell(changes);
}

void CSegmentTableModel::RemoveSegment(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows({}, row, row);
  const AxisChanges changes = m_design.RemoveSegment(static_cast<std::size_t>(row));
  endRemoveRows();
  Tell(changes);
}

void CSegmentTableModel::MoveSegment(int row, int to) {
  if (row < 0 || row >= rowCount() || to < 0 || to >= rowCount() || to == row) return;
  // Qt counts the destination before the move: one further down when moving down.
  beginMoveRows({}, row, row, {}, to > row ? to + 1 : to);
  const AxisChanges changes = m_design.MoveSegment(static_cast<std::size_t>(row), static_cast<std::size_t>(to));
  endMoveRows();
  Tell(changes);
}

int CSegmentTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_design.Edited().segments.size());
}

int CSegmentTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

bool CSegmentTableModel::Applies(int row, const Column& column) const {
  const CycleSegment& s = m_design.Edited().segments[static_cast<std::size_t>(row)];
  switch (column.kind) {
    case Kind::Field: return HasField(s.type, column.field);
    case Kind::ForceDuring: return s.type == SegmentType::Move;
    case Kind::Type:
    case Kind::Plan: break;
  }
  return true;
}

QString CSegmentTableModel::Text(int row, const Column& column) const {
  const auto segment = static_cast<std::size_t>(row);
  const CycleSegment& s = m_design.Edited().segments[segment];
  switch (column.kind) {
    case Kind::Type: return EngineText(kSegmentTypeLabels[static_cast<std::size_t>(s.type)]);
    case Kind::Field: return FromUtf8(m_design.SegmentText(segment, column.field));
    case Kind::ForceDuring:
      return Applies(row, column) ? EngineText(kForceDuringLabels[static_cast<std::size_t>(s.forceDuring)]) : QString();
    case Kind::Plan: break;
  }
  // The plan is of the cycle rated; nothing while no cycle is.
  if (segment >= m_design.Plan().segments.size()) return {};
  return FromUtf8(SegmentColumnText(column.plan, m_design.Rated(), m_design.Plan(), segment));
}

QString CSegmentTableModel::Tip(int row, const Column& column) const {
  switch (column.kind) {
    case Kind::Type: return EngineText(kSegmentTypeLabel);
    case Kind::ForceDuring: return EngineText(kForceDuringLabel);
    case Kind::Plan: return EngineText(SegmentColumns()[static_cast<std::size_t>(column.plan)].header);
    case Kind::Field: break;
  }
  if (const auto mark = m_design.SegmentMark(static_cast<std::size_t>(row), column.field)) return MarkText(*mark);
  return FieldTip(FieldInfo(column.field), UnitOf(column.field, m_design.Unit()));
}

QVariant CSegmentTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const int row = index.row();
  const Column& column = ColumnAt(index.column());
  const CycleSegment& s = m_design.Edited().segments[static_cast<std::size_t>(row)];
  const bool marked = column.kind == Kind::Field && m_design.SegmentMark(static_cast<std::size_t>(row), column.field);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole: return Text(row, column);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: return Tip(row, column);
    case Qt::TextAlignmentRole: {
      const bool numeric =
          column.kind == Kind::Field || (column.kind == Kind::Plan && column.plan != SegmentColumn::Profile);
      return QVariant::fromValue(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::BackgroundRole:
      if (marked) return QBrush(kMarkedBackground);
      return Applies(row, column) ? QVariant() : QVariant(QBrush(kNotApplicable));
    case ChoiceRole:
      if (column.kind == Kind::Type) return static_cast<int>(s.type);
      if (column.kind == Kind::ForceDuring) return static_cast<int>(s.forceDuring);
      return {};
    default: return {};
  }
}

bool CSegmentTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const auto segment = static_cast<std::size_t>(index.row());
  const Column& column = ColumnAt(index.column());
  AxisChanges changes;
  switch (column.kind) {
    case Kind::Type: changes = m_design.SetSegmentType(segment, static_cast<SegmentType>(value.toInt())); break;
    case Kind::ForceDuring: changes = m_design.SetForceDuring(segment, static_cast<ForceDuring>(value.toInt())); break;
    case Kind::Field: changes = m_design.SetSegmentText(segment, column.field, value.toString().toStdString()); break;
    case Kind::Plan: return false;
  }
  Tell(changes, index.row());
  return true;
}

Qt::ItemFlags CSegmentTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const Column& column = ColumnAt(index.column());
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (column.kind != Kind::Plan && Applies(index.row(), column)) f |= Qt::ItemIsEditable;
  return f;
}

QVariant CSegmentTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) return {};
  if (orientation == Qt::Vertical)
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant(Texts::tr("구간 %1").arg(section + 1));
  if (section < 0 || section >= columnCount()) return {};
  const Column& column = ColumnAt(section);
  switch (column.kind) {
    case Kind::Type: return EngineText(kSegmentTypeLabel);
    case Kind::ForceDuring: return EngineText(kForceDuringLabel);
    case Kind::Plan: return EngineText(SegmentColumns()[static_cast<std::size_t>(column.plan)].header);
    case Kind::Field: break;
  }
  const CycleFieldInfo& info = FieldInfo(column.field);
  const std::string_view unit = UnitOf(column.field, m_design.Unit());
  return role == Qt::ToolTipRole ? FieldTip(info, unit) : FieldCaption(info, unit);
}

}  // namespace brivane::ui
