// The cycle's segments in a table the user types into, with the commands to add, duplicate,
// remove and move segments, and the unit the accelerations are shown and typed in.
#pragma once

#include <QWidget>

#include "ui/axis/SegmentTableModel.h"

class QComboBox;
class QPushButton;
class QTableView;

namespace brivane::ui {

class CSegmentEditor final : public QWidget {
  Q_OBJECT
 public:
  CSegmentEditor(AxisDesign& design, CSegmentTableModel::ChangeSink changed, QWidget* parent = nullptr);

  CSegmentTableModel* Model() const { return m_model; }
  QTableView* Table() const { return m_table; }
  // A new document: every row again.
  void Reset();
  void Refresh(const AxisChanges& changes) { m_model->Refresh(changes); }

  // The commands, on the current segment.
  void AddSegment();
  void DuplicateSegment();
  void RemoveSegment();
  void MoveUp();
  void MoveDown();

 private:
  QPushButton* Button(const char* name, const QString& text, const QString& tip, const QKeySequence& keys);
  int CurrentRow() const;
  void SetCurrentRow(int row);
  void UpdateButtons();
  void OnUnit(int item);

  AxisDesign& m_design;
  CSegmentTableModel* m_model = nullptr;
  QTableView* m_table = nullptr;
  QComboBox* m_unit = nullptr;
  QPushButton* m_add = nullptr;
  QPushButton* m_duplicate = nullptr;
  QPushButton* m_remove = nullptr;
  QPushButton* m_up = nullptr;
  QPushButton* m_down = nullptr;
};

}  // namespace brivane::ui
