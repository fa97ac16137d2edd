// The segment table of the axis window: one row per segment of the cycle as edited, its type,
// its numbers as typed (a refused one marked with its reason), when its process force acts, and
// what its plan gives (the profile, the duration, the peak velocity reached). Edits and the
// structural changes (add, remove, duplicate, move) go to the design; the window hears what they
// changed. No arithmetic here.
#pragma once

#include <QAbstractTableModel>

#include <functional>

#include "engine/AxisDesign.h"

namespace brivane::ui {

class CSegmentTableModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  // A combo column's choice as an int under this role (the type, when the force acts).
  static constexpr int ChoiceRole = Qt::UserRole + 1;

  enum class Kind { Type, Field, ForceDuring, Plan };
  struct Column {
    Kind kind;
    SegmentField field;  // Field
    SegmentColumn plan;  // Plan
  };
  static int ColumnOf(SegmentField field);
  static const Column& ColumnAt(int section);

  using ChangeSink = std::function<void(const AxisChanges&)>;
  // `changed` hears every change an edit made (the model has shown its own part already).
  CSegmentTableModel(AxisDesign& design, ChangeSink changed, QObject* parent = nullptr);

  // After an edit elsewhere (the unit, a new document): the rows, headers and cells again.
  void Reset();
  // What an edit elsewhere changed that the table shows: the plan's columns, a mark.
  void Refresh(const AxisChanges& changes);
  // The accelerations' unit changed: their headers and texts.
  void UnitChanged(const AxisChanges& changes);

  void InsertSegment(int at, const CycleSegment& segment);
  void DuplicateSegment(int row);
  void RemoveSegment(int row);
  void MoveSegment(int row, int to);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString Text(int row, const Column& column) const;
  QString Tip(int row, const Column& column) const;
  bool Applies(int row, const Column& column) const;
  // `edited`: the row of a cell's edit, which alone changes unless the plan does.
  void Tell(const AxisChanges& changes, int edited = -1);

  AxisDesign& m_design;
  ChangeSink m_changed;
};

}  // namespace brivane::ui
