#include "ui/axis/SegmentDelegate.h"

#include <QComboBox>
#include <QLineEdit>

#include "engine/CycleFields.h"
#include "ui/axis/SegmentTableModel.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

using Kind = CSegmentTableModel::Kind;

}  // namespace

QWidget* CSegmentDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
  const CSegmentTableModel::Column& column = CSegmentTableModel::ColumnAt(index.column());
  // The editor's signals reach the view through the delegate's own, which Qt declares non-const.
  auto* self = const_cast<CSegmentDelegate*>(this);
  const QString name = index.model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
  if (column.kind == Kind::Field) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("editSegmentCell"));
    edit->setAccessibleName(name);
    edit->setFrame(false);
    // Every keystroke is rated: the model takes the text as it stands.
    connect(edit, &QLineEdit::textEdited, self, [self, edit] { emit self->commitData(edit); });
    return edit;
  }
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QStringLiteral("comboSegmentCell"));
  combo->setAccessibleName(name);
  const auto& labels = column.kind == Kind::Type ? kSegmentTypeLabels : kForceDuringLabels;
  for (const std::string_view label : labels) combo->addItem(EngineText(label));
  connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
  return combo;
}

void CSegmentDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    // Every keystroke re-rates the cycle and the model reports its cells changed, which hands the
    // open editor the value's text again: "1." would read back as "1" and the point be lost. The
    // text being typed stays as typed.
    if (!edit->isModified()) edit->setText(index.data(Qt::EditRole).toString());
    return;
  }
  if (auto* combo = qobject_cast<QComboBox*>(editor))
    combo->setCurrentIndex(index.data(CSegmentTableModel::ChoiceRole).toInt());
}

void CSegmentDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    model->setData(index, edit->text(), Qt::EditRole);
    return;
  }
  if (auto* combo = qobject_cast<QComboBox*>(editor)) model->setData(index, combo->currentIndex(), Qt::EditRole);
}

}  // namespace brivane::ui
