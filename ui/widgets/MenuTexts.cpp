#include "ui/widgets/MenuTexts.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include "ui/widgets/HangulFont.h"

namespace brivane::ui {
namespace {

class MenuTextRoom final : public QProxyStyle {
 public:
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                         const QWidget* widget) const override {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type != CT_MenuItem) return size;
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item != nullptr && item->text.contains(QLatin1Char('&')))
      size.rwidth() += item->fontMetrics.horizontalAdvance(QLatin1Char('&'));
    return size;
  }
};

// One for every menu, over the application's style; the application deletes it at the end.
QStyle* SharedMenuStyle() {
  static QPointer<MenuTextRoom> style;
  if (style == nullptr) {
    style = new MenuTextRoom;
    style->setParent(qApp);
  }
  return style;
}

}  // namespace

void SetUpMenu(QMenu* menu) {
  // A menu is a window of its own and inherits no font; the platform's menu face may lack Hangul.
  menu->setFont(FormFont());
  menu->setStyle(SharedMenuStyle());
}

}  // namespace brivane::ui
