#include "ui/widgets/PlainTextDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <cmath>

namespace brivane::ui {
namespace {

bool IsPlain(const QStyleOptionViewItem& o) {
  constexpr auto kOthers = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration |
                           QStyleOptionViewItem::WrapText;
  return !(o.features & kOthers) && !(o.state & QStyle::State_Editing) && !o.text.contains(QChar::LineFeed) &&
         !o.text.contains(QChar::LineSeparator);
}

// The one line of `text` laid out in `width`; its natural width tells whether it fits.
QTextLine LayOut(QTextLayout& layout, const QString& text, const QTextOption& option, qreal width) {
  layout.setText(text);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(width);
  line.setPosition(QPointF(0, 0));
  layout.endLayout();
  return line;
}

}  // namespace

void CPlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem o = option;
  initStyleOption(&o, index);
  if (!IsPlain(o)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const QWidget* widget = o.widget;
  const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  painter->save();
  painter->setClipRect(o.rect);
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, painter, widget);
  if (!o.text.isEmpty()) {
    QPalette::ColorGroup group = o.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(o.state & QStyle::State_Active)) group = QPalette::Inactive;
    painter->setPen(o.palette.color(group, o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = o.rect.adjusted(margin, 0, -margin, 0);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(o.direction);
    textOption.setAlignment(QStyle::visualAlignment(o.direction, o.displayAlignment));
    QTextLayout layout(QString(), o.font, painter->device());
    QTextLine line = LayOut(layout, o.text, textOption, area.width());
    if (line.naturalTextWidth() > area.width() && o.textElideMode != Qt::ElideNone) {
      const QString elided = QFontMetrics(o.font, painter->device()).elidedText(o.text, o.textElideMode, area.width());
      line = LayOut(layout, elided, textOption, area.width());
    }
    const QSize size(area.width(), static_cast<int>(std::ceil(line.height())));
    const QRect placed = QStyle::alignedRect(o.direction, o.displayAlignment & Qt::AlignVertical_Mask, size, area);
    layout.draw(painter, placed.topLeft());
  }
  if (o.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(o);
    focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &o, widget);
    focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const QPalette::ColorGroup group = o.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    focus.backgroundColor =
        o.palette.color(group, o.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
  painter->restore();
}

}  // namespace brivane::ui
