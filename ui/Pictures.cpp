#include "ui/Pictures.h"

#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include "ui/DialogLayout.h"

// Q_INIT_RESOURCE must be used outside any namespace; the library is static, so without this call
// the linker would drop the compiled resources.
static void EnsureResources() {
  static const bool once = [] {
    Q_INIT_RESOURCE(brivane);
    Q_INIT_RESOURCE(sheets);
    return true;
  }();
  (void)once;
}

namespace brivane::ui {
namespace {

constexpr int kLogoPictureId = 130;

// A transparent pixmap of `pixels` with the drawing in `target` (device-independent pixels).
QPixmap Paint(QSvgRenderer& renderer, QSize pixels, qreal devicePixelRatio, const QRectF& target) {
  QPixmap pixmap(pixels);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, target);
  return pixmap;
}

QPixmap Render(const QString& path, QSize size) {
  EnsureResources();
  QSvgRenderer renderer(path);
  return Paint(renderer, size, 1.0, QRectF(QPointF(0, 0), QSizeF(size)));
}

}  // namespace

QPixmap LogoPixmap(QSize size) { return Render(QStringLiteral(":/brivane/logo.svg"), size); }

QLabel* LogoLabel(const QString& objectName, const DialogUnits& du) {
  auto* logo = new QLabel;
  logo->setObjectName(objectName);
  logo->setProperty("controlId", kLogoPictureId);
  const QSize size = du.Size(29, 25);
  logo->setPixmap(LogoPixmap(size));
  logo->setFixedSize(size);
  return logo;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int side : {16, 32, 64, 256}) {
    icon.addPixmap(Render(QStringLiteral(":/brivane/icon.svg"), QSize(side, side)));
  }
  return icon;
}

QPixmap SeriesPicture(int pictureId, qreal devicePixelRatio) {
  // Every duty check opens a data sheet; drawing its picture from the SVG each time was a good
  // part of the time the check takes.
  const QString key = QStringLiteral("brivane-sheet-%1@%2").arg(pictureId).arg(devicePixelRatio);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  EnsureResources();
  QSvgRenderer renderer(QStringLiteral(":/sheets/%1.svg").arg(pictureId));
  if (!renderer.isValid()) return {};
  pixmap = Paint(renderer, renderer.defaultSize() * devicePixelRatio, devicePixelRatio,
                 QRectF(QPointF(0, 0), QSizeF(renderer.defaultSize())));
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

}  // namespace brivane::ui
