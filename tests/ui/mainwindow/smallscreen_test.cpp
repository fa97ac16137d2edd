// Windows on a 1024 x 768 screen (the offscreen platform's screen set by the test's environment):
// the main window and the data sheets open inside the screen, as near their own places as they can.
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/ScreenFit.h"

using brivane::ui::PositionInside;
using formtest::FormDriver;

class SmallScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    dialogtest::PinEnvironment("brivane-smallscreen-test");
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1024, 768));
  }

  void leastMoveInside_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("expected");
    // Inside an area at 0,0 of 1024 x 768.
    QTest::newRow("inside stays") << QRect(100, 100, 300, 200) << QPoint(100, 100);
    QTest::newRow("above") << QRect(200, -139, 300, 500) << QPoint(200, 0);
    QTest::newRow("below") << QRect(200, 600, 300, 500) << QPoint(200, 268);
    QTest::newRow("right and above") << QRect(900, -5, 300, 100) << QPoint(724, 0);
    QTest::newRow("left") << QRect(-50, 10, 300, 100) << QPoint(0, 10);
    QTest::newRow("taller keeps its top inside") << QRect(10, 100, 300, 900) << QPoint(10, 0);
    QTest::newRow("larger keeps its corner inside") << QRect(-30, 400, 1500, 900) << QPoint(0, 0);
  }
  void leastMoveInside() {
    QFETCH(QRect, frame);
    QFETCH(QPoint, expected);
    QCOMPARE(PositionInside(frame, QRect(0, 0, 1024, 768)), expected);
    // An area that does not start at the origin (a panel on the left and at the top).
    QCOMPARE(PositionInside(frame.translated(40, 30), QRect(40, 30, 1024, 768)), expected + QPoint(40, 30));
  }

  void formAndSheetsStayInsideTheScreen() {
    brivane::ui::RecordingMessageSink sink;
    FormDriver form(sink);
    QVERIFY(QTest::qWaitForWindowExposed(form.frame.get()));
    const QRect screen = form.frame->screen()->availableGeometry();
    QVERIFY2(screen.contains(form.frame->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                          .arg(form.frame->frameGeometry().x())
                                                                          .arg(form.frame->frameGeometry().y())
                                                                          .arg(form.frame->frameGeometry().width())
                                                                          .arg(form.frame->frameGeometry().height())));
    QCOMPARE(form.frame->pos().x(), 100);  // the template's place, where it fits
    // The form is taller than the screen allows, so it scrolls inside the window.
    auto* area = qobject_cast<QScrollArea*>(form.frame->centralWidget());
    QVERIFY(area != nullptr);
    QVERIFY(area->verticalScrollBar()->maximum() > 0);

    form.TypeMove();
    form.Click("buttonViewSpec");
    QCOMPARE(form.Sheets().size(), 3);
    const QPoint origin = brivane::ui::OwnerClientOrigin(form.frame.get());
    for (brivane::ui::CMotorSpecSheet* sheet : form.Sheets()) {
      QVERIFY(QTest::qWaitForWindowExposed(sheet));
      QVERIFY2(screen.contains(sheet->frameGeometry()), qPrintable(sheet->objectName()));
    }
    // Moved only as far as needed: the double-sided sheet keeps its column, the Vela-Series sheet
    // stays beside the single-sided one.
    const brivane::ui::DialogUnits du(form.Sheets().first()->font());
    QCOMPARE(form.Sheets()[0]->pos().x(), origin.x() + du.X(77));
    QCOMPARE(form.Sheets()[0]->frameGeometry().top(), 0);
    QCOMPARE(form.Sheets()[2]->pos().x(), origin.x() + du.X(257));
    QCOMPARE(form.Sheets()[1]->pos().y(), form.Sheets()[2]->pos().y());
  }
};

QTEST_MAIN(SmallScreenTest)
#include "smallscreen_test.moc"
