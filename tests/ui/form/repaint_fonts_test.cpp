// What a command costs on screen, and the faces the window draws its Hangul in: a duty check draws
// again only the chart and the edits whose texts changed; the menus and the status bar use a face
// that has Hangul even where the platform's menu face has none.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QStatusBar>
#include <QtTest>

#include <memory>

#include "engine/FormValues.h"
#include "engine/Selection.h"
#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/WidgetLookup.h"
#include "tests/support/WorkedExamples.h"
#include "ui/chart/ChartViewer.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/widgets/HangulFont.h"
#include "ui/widgets/MessageSink.h"

using namespace brivane::ui;

namespace {

// Paint events per widget, for the widgets of one window.
class PaintLog final : public QObject {
 public:
  explicit PaintLog(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }
  ~PaintLog() override { qApp->removeEventFilter(this); }

  // Delivers what is pending until a pass paints nothing more (a chart repaints from a queued
  // scene update).
  void Flush() {
    int before = 0;
    do {
      before = m_total;
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
    } while (m_total != before);
  }
  void Clear() { m_paints.clear(); }
  bool Painted(const QWidget* w) const { return m_paints.value(w) > 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++m_total;
      if (auto* w = qobject_cast<QWidget*>(watched); w != nullptr && w->window() == m_window) ++m_paints[w];
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* m_window;
  QHash<const QWidget*, int> m_paints;
  int m_total = 0;
};

bool HasHangul(const QFont& font) {
  return QFontDatabase::families(QFontDatabase::Korean).contains(QFontInfo(font).family());
}

}  // namespace

// The texts a widget draws, as it draws them (elided, split where a mnemonic is underlined).
class TextRecorder final : public QPaintEngine {
 public:
  TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
  void drawPath(const QPainterPath&) override {}
  void drawTextItem(const QPointF&, const QTextItem& item) override { texts += item.text(); }
  Type type() const override { return QPaintEngine::User; }
  QString texts;
};

class TextDevice final : public QPaintDevice {
 public:
  explicit TextDevice(QSize size) : m_size(size) {}
  QPaintEngine* paintEngine() const override { return &m_engine; }
  QString Drawn() const { return m_engine.texts; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return m_size.width();
      case PdmHeight: return m_size.height();
      case PdmDepth: return 32;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      default: return 96;
    }
  }

 private:
  QSize m_size;
  mutable TextRecorder m_engine;
};

class RepaintFontsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<RecordingMessageSink> m_sink;
  std::unique_ptr<formtest::FormDriver> m_form;
  CMainFrame* m_frame = nullptr;

  void Open() {
    m_sink = std::make_unique<RecordingMessageSink>();
    m_form = std::make_unique<formtest::FormDriver>(*m_sink);
    m_frame = m_form->frame.get();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
  }

 private slots:
  void initTestCase() { dialogtest::PinEnvironment("brivane-repaint-test"); }
  void cleanup() {
    m_form.reset();
    m_frame = nullptr;
  }

  void hangulFamilyPick_data() {
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("picked");
    const QStringList ours = kPreferredHangulFamilies;
    QTest::newRow("first wish installed")
        << ours << QStringList{"NanumGothic", "NanumBarunGothic"} << "NanumBarunGothic";
    QTest::newRow("later wish") << ours << QStringList{"NanumMyeongjo", "NanumGothic"} << "NanumGothic";
    QTest::newRow("spelt as installed") << QStringList{"nanumgothic"} << QStringList{"NanumGothic"} << "NanumGothic";
    QTest::newRow("no wish installed") << ours << QStringList{"UnDotum", "Baekmuk Gulim"} << "UnDotum";
    QTest::newRow("no Hangul at all") << ours << QStringList{} << QString();
  }
  void hangulFamilyPick() {
    QFETCH(QStringList, preferred);
    QFETCH(QStringList, installed);
    QFETCH(QString, picked);
    QCOMPARE(PickHangulFamily(preferred, installed), picked);
  }

  void dutyCheckRepaintsOnlyWhatChanged() {
    Open();
    CBrivaneView* view = m_form->view;
    QVERIFY(view != nullptr);
    brivane::FormValues values;
    values.move = brivane::examples::FirstMove();
    values.model = "CL-01";
    view->SetValues(values);
    FIND_CHILD(check, QAbstractButton, view, "buttonCheckDuty");
    // Where a click leaves the focus; a focused edit would repaint as the data sheet takes the focus.
    check->setFocus();
    PaintLog log(m_frame);
    log.Flush();
    FIND_CHILD(chart, CChartViewer, view, "chartViewer");
    FIND_CHILD(coil, QLineEdit, view, "editCoil");
    FIND_CHILD(rms, QLineEdit, view, "editRmsThrust");
    // Texts that the check leaves as they are: the move, the empty selection result.
    const char* const kUnchanged[] = {"editLoadMass", "editDistance",         "editAccel",
                                      "editVelocity", "editFriction",         "editSafety",
                                      "editAmbient",  "editModelDoubleSided", "editRatedVela"};

    for (int press = 1; press <= 2; ++press) {
      log.Clear();
      check->click();
      log.Flush();
      QVERIFY2(m_sink->messages.isEmpty(), qPrintable(m_sink->messages.join('|')));
      QCOMPARE(coil->text(), QStringLiteral("31.2"));
      QVERIFY2(log.Painted(chart->viewport()), "the new chart is drawn");
      // The first press fills the analysis; the second shows the same texts again.
      QCOMPARE(log.Painted(coil), press == 1);
      QCOMPARE(log.Painted(rms), press == 1);
      for (const char* name : kUnchanged) {
        FIND_CHILD(edit, QLineEdit, view, name);
        QVERIFY2(!log.Painted(edit), name);
      }
    }
  }

  void menusAndStatusBarDrawHangul() {
    if (InstalledHangulFamily().isEmpty()) QSKIP("no font with Hangul is installed");
    // A platform whose menu and status-bar face has no Hangul.
    const QFont latin(QStringLiteral("DejaVu Sans"));
    for (const char* cls : {"QMenu", "QMenuBar", "QStatusBar"}) QApplication::setFont(latin, cls);
    Open();
    QApplication::setFont(QApplication::font());  // drops the class faces again for later tests

    QList<QWidget*> drawn{m_frame->menuBar(), m_frame->statusBar()};
    QList<QMenu*> menus;
    for (const QAction* entry : m_frame->menuBar()->actions()) {
      if (entry->menu() != nullptr) menus << entry->menu();
    }
    FIND_CHILD(viewMenu, QMenu, m_frame, "menuView");
    FIND_CHILD(infoMenu, QMenu, m_frame, "menuInfo");
    QVERIFY(menus.contains(viewMenu) && menus.contains(infoMenu));
    for (QMenu* menu : menus) drawn << menu;
    for (const QWidget* w : drawn) QVERIFY2(HasHangul(w->font()), w->metaObject()->className());

    // Each item is as wide as its whole text ("상태 표시줄(S)", "Brivane 정보(A)..."), so none is cut off
    // and none drawn elided ("후보 비교…C)...").
    for (QMenu* menu : menus) {
      menu->popup(QPoint(0, 0));
      TextDevice device(menu->size());
      menu->render(&device);
      for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QString text = action->text().remove(QLatin1Char('&'));
        QVERIFY2(menu->fontMetrics().horizontalAdvance(text) < menu->actionGeometry(action).width(), qPrintable(text));
        QVERIFY2(device.Drawn().contains(text), qPrintable(device.Drawn()));
      }
      menu->hide();
    }
  }
};

QTEST_MAIN(RepaintFontsTest)
#include "repaint_fonts_test.moc"
