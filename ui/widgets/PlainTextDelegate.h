// Paints a cell of one-line text as the style does (its panel, selection, focus frame, the text's
// colour, alignment and elision), laying the text out once instead of three times: the style
// measures a cell's text for its layout and again for eliding before it draws it. Tables that
// repaint most of their cells on every keystroke spend most of that time there. A cell with an
// icon, a check box or more than one line is left to the style.
#pragma once

#include <QStyledItemDelegate>

namespace brivane::ui {

class CPlainTextDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace brivane::ui
