// The window icon, drawn only when something asks for it, answers every question as the icon drawn
// at once does: the same pixmaps for every size, scale, mode and state, the same sizes, the same
// painting, and copies that gain pixmaps of their own without changing the original.
#include "ui/widgets/Pictures.h"

#include <QPainter>
#include <QtTest>

namespace {

using brivane::ui::ApplicationIcon;
using brivane::ui::DrawApplicationIcon;

const QSize kSizes[] = {{8, 8}, {20, 20}, {48, 48}, {100, 60}, {300, 300}};

// What painting the icon into `rect` of an image of scale `ratio` shows.
QImage Painted(const QIcon& icon, const QRect& rect, qreal ratio, QIcon::Mode mode, QIcon::State state) {
  QImage image(QSize(320, 320) * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  icon.paint(&painter, rect, Qt::AlignCenter, mode, state);
  painter.end();
  return image;
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void iconAnswersAsTheIconDrawnAtOnce_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("state");
    const std::pair<const char*, QIcon::Mode> modes[] = {{"normal", QIcon::Normal},
                                                         {"disabled", QIcon::Disabled},
                                                         {"active", QIcon::Active},
                                                         {"selected", QIcon::Selected}};
    for (const auto& [name, mode] : modes) {
      QTest::addRow("%s, off", name) << int(mode) << int(QIcon::Off);
      QTest::addRow("%s, on", name) << int(mode) << int(QIcon::On);
    }
  }
  void iconAnswersAsTheIconDrawnAtOnce() {
    QFETCH(int, mode);
    QFETCH(int, state);
    const auto m = static_cast<QIcon::Mode>(mode);
    const auto s = static_cast<QIcon::State>(state);
    const QIcon onDemand = ApplicationIcon();
    const QIcon atOnce = DrawApplicationIcon();
    QVERIFY(!onDemand.isNull());
    QCOMPARE(onDemand.availableSizes(m, s), atOnce.availableSizes(m, s));
    for (const QSize& size : kSizes) {
      QCOMPARE(onDemand.actualSize(size, m, s), atOnce.actualSize(size, m, s));
      for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QPixmap ours = onDemand.pixmap(size, ratio, m, s);
        const QPixmap theirs = atOnce.pixmap(size, ratio, m, s);
        QCOMPARE(ours.devicePixelRatio(), theirs.devicePixelRatio());
        QCOMPARE(ours.toImage(), theirs.toImage());
        const QRect rect(QPoint(5, 7), size);
        QCOMPARE(Painted(onDemand, rect, ratio, m, s), Painted(atOnce, rect, ratio, m, s));
      }
    }
  }

  void aCopyThatGainsAPixmapLeavesTheOriginal() {
    const QIcon original = ApplicationIcon();
    QIcon copy = original;
    QPixmap red(24, 24);
    red.fill(Qt::red);
    copy.addPixmap(red);
    QCOMPARE(copy.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {256, 256}, {24, 24}}));
    QCOMPARE(copy.pixmap(QSize(24, 24)).toImage(), red.toImage());
    QCOMPARE(original.availableSizes(), DrawApplicationIcon().availableSizes());
    QCOMPARE(original.pixmap(QSize(24, 24)).toImage(), DrawApplicationIcon().pixmap(QSize(24, 24)).toImage());
  }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
