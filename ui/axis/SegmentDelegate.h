// The segment table's editors: a line edit for a number that hands every keystroke to the model,
// so that the results follow the typing, and a list for the type and for when the force acts.
#pragma once

#include <QStyledItemDelegate>

namespace brivane::ui {

class CSegmentDelegate final : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace brivane::ui
