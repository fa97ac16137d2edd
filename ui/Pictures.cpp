#include "ui/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// Q_INIT_RESOURCE must be used outside any namespace; the library is static, so without this call
// the linker would drop the compiled resources.
static void EnsureResources() {
  static const bool once = [] {
    Q_INIT_RESOURCE(brivane);
    return true;
  }();
  (void)once;
}

namespace brivane::ui {
namespace {

QPixmap Render(const QString& path, QSize size) {
  EnsureResources();
  QSvgRenderer renderer(path);
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  return pixmap;
}

}  // namespace

QPixmap LogoPixmap(QSize size) { return Render(QStringLiteral(":/brivane/logo.svg"), size); }

QIcon ApplicationIcon() {
  QIcon icon;
  for (int side : {16, 32, 64, 256}) {
    icon.addPixmap(Render(QStringLiteral(":/brivane/icon.svg"), QSize(side, side)));
  }
  return icon;
}

}  // namespace brivane::ui
