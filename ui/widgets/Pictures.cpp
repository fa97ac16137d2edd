#include "ui/widgets/Pictures.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>
#include <utility>

#include "ui/widgets/DialogUnits.h"

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

QIcon DrawApplicationIcon() {
  QIcon icon;
  for (int side : {16, 32, 64, 256}) {
    icon.addPixmap(Render(QStringLiteral(":/brivane/icon.svg"), QSize(side, side)));
  }
  return icon;
}

namespace {

// The window icon, drawn the first time something asks for it. On X11 that is the making of the
// first window; where nothing asks (offscreen, or a platform that shows no window icon) the four
// drawings, a few milliseconds before the first paint, are saved. Every answer comes from the icon as
// DrawApplicationIcon draws it: four pixmaps of scale 1, for which Qt's pixmap engine gives the same
// pixmap for a size at every scale, so the pixmap for the size is all that is asked of it here.
class CDrawnOnDemandIconEngine final : public QIconEngine {
 public:
  explicit CDrawnOnDemandIconEngine(std::shared_ptr<QIcon> drawn) : m_drawn(std::move(drawn)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const QPaintDevice* device = painter->device();
    const qreal ratio = device != nullptr ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Drawn().pixmap(size, 1.0, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
    return pixmap(size, mode, state);
  }
  // The pixmap for a size is scaled to exactly the size the pixmap engine reports.
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return pixmap(size, mode, state).size();
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Drawn().availableSizes(mode, state);
  }
  bool isNull() override { return false; }
  QIconEngine* clone() const override { return new CDrawnOnDemandIconEngine(m_drawn); }
  // A copy that gains pixmaps stops sharing the drawing.
  void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override {
    Own().addPixmap(pixmap, mode, state);
  }
  void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    Own().addFile(fileName, size, mode, state);
  }

 private:
  QIcon& Drawn() {
    if (m_drawn->isNull()) *m_drawn = DrawApplicationIcon();
    return *m_drawn;
  }
  QIcon& Own() {
    m_drawn = std::make_shared<QIcon>(Drawn());
    return *m_drawn;
  }

  std::shared_ptr<QIcon> m_drawn;  // shared by the copies of one icon; null until first asked for
};

}  // namespace

QIcon ApplicationIcon() { return QIcon(new CDrawnOnDemandIconEngine(std::make_shared<QIcon>())); }

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
