#include "ui/widgets/CachedGroupBox.h"

#include <QPixmap>
#include <QPixmapCache>
#include <QSet>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace brivane::ui {
namespace {

// Everything the style may draw the frame from. The title is part of it because the frame leaves
// room above for it.
QString FrameKey(const QStyleOptionGroupBox& option, const QStyle* style, qreal ratio) {
  return QStringLiteral("brivane-groupframe-%1-%2x%3@%4-%5-%6-%7-%8-%9")
      .arg(style->name())
      .arg(option.rect.width())
      .arg(option.rect.height())
      .arg(ratio)
      .arg(static_cast<int>(option.state))
      .arg(option.palette.cacheKey())
      .arg(option.fontMetrics.height())
      .arg(static_cast<int>(option.features) * 16 + option.lineWidth)
      .arg(option.text);
}

}  // namespace

void CachedGroupBox::paintEvent(QPaintEvent* /*event*/) {
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  QStyleOptionGroupBox frame = option;
  frame.subControls = option.subControls & QStyle::SC_GroupBoxFrame;
  QStyleOptionGroupBox rest = option;
  rest.subControls = option.subControls & ~QStyle::SC_GroupBoxFrame;

  // A style painter, as QGroupBox paints with: it smooths the stretched picture.
  QStylePainter painter(this);
  if (frame.subControls != QStyle::SC_None) {
    // A frame seen once is drawn as it is; only a look that comes back is kept, so that boxes
    // drawn once at start cost no memory.
    static QSet<QString> seen;
    const qreal ratio = devicePixelRatioF();
    const QString key = FrameKey(frame, style(), ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) {
      painter.drawPixmap(0, 0, cached);
    } else if (!seen.contains(key)) {
      seen.insert(key);
      style()->drawComplexControl(QStyle::CC_GroupBox, &frame, &painter, this);
    } else {
      cached = QPixmap(size() * ratio);
      cached.setDevicePixelRatio(ratio);
      cached.fill(Qt::transparent);
      QStylePainter into(&cached, this);
      style()->drawComplexControl(QStyle::CC_GroupBox, &frame, &into, this);
      into.end();
      QPixmapCache::insert(key, cached);
      painter.drawPixmap(0, 0, cached);
    }
  }
  if (rest.subControls != QStyle::SC_None) style()->drawComplexControl(QStyle::CC_GroupBox, &rest, &painter, this);
}

}  // namespace brivane::ui
