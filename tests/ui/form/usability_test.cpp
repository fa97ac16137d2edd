// The form from the keyboard and at a glance: Enter on buttons, limits typed as the lists show
// them, the order of the limits notice, dangerous and out-of-date results marked, tooltips with the
// engine's bounds, and a larger window giving its room to the chart.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QtCharts/QChart>

#include <functional>
#include <optional>

#include "engine/Messages.h"
#include "engine/Presentation.h"
#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "ui/chart/ChartViewer.h"
#include "ui/widgets/ResultMarks.h"

using brivane::ResultAlert;
using brivane::ui::AlertOf;
using brivane::ui::IsStale;
using dialogtest::Child;
using formtest::FormDriver;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const char* const kSelectionResults[] = {"editModelDoubleSided", "editModelSingleSided", "editModelVela",
                                         "editRatedDoubleSided", "editPeakDoubleSided",  "editRatedSingleSided",
                                         "editPeakSingleSided",  "editRatedVela",        "editPeakVela"};
const char* const kCheckResults[] = {"editRmsThrust",     "editPeakThrust",    "editAccelTime",
                                     "editConstTime",     "editTotalTime",     "editAccelDistance",
                                     "editConstDistance", "editTotalDistance", "editCoil"};

// Records each message with what the double-sided result showed at that moment.
class SnapshotSink final : public brivane::ui::MessageSink {
 public:
  void Warn(QWidget*, const QString& text) override { seen.append({text, shownModel ? shownModel() : QString()}); }
  brivane::ui::SaveChoice AskSave(QWidget*, const QString&) override { return brivane::ui::SaveChoice::Cancel; }
  std::function<QString()> shownModel;
  QList<QPair<QString, QString>> seen;
};

// A colour a user sees as different from the normal text.
bool Coloured(const QWidget* w) {
  return w->palette().color(QPalette::Text) != QApplication::palette(w).color(QPalette::Text);
}

}  // namespace

class UsabilityTest : public QObject {
  Q_OBJECT

 private:
  brivane::ui::RecordingMessageSink m_sink;
  std::unique_ptr<FormDriver> m_form;

  // Every result of one part stale or fresh; the status bar says so while any is stale.
  void VerifyStale(bool selection, bool check) const {
    for (const char* name : kSelectionResults) QCOMPARE(IsStale(m_form->Edit(name)), selection);
    for (const char* name : kCheckResults) QCOMPARE(IsStale(m_form->Edit(name)), check);
    auto* chart = Child<brivane::ui::CChartViewer>(m_form->view, "chartViewer");
    QCOMPARE(chart->chart()->opacity() < 1.0, check);
    QCOMPARE(Child<QLabel>(m_form->frame.get(), "labelStaleHint")->isVisible(), selection || check);
  }

 private slots:
  void initTestCase() { dialogtest::PinEnvironment("brivane-usability-test"); }
  void init() {
    m_sink.messages.clear();
    m_form = std::make_unique<FormDriver>(m_sink);
  }
  void cleanup() { m_form.reset(); }

  void enterOnAFocusedButtonPressesIt_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");  // what pressing it says on the empty form
    const QString accel = Q(brivane::SourceText(brivane::MessageCode::AccelG));
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
      const char* k = key == Qt::Key_Return ? "Return" : "keypad Enter";
      QTest::addRow("select, %s", k) << "buttonSelect" << key << accel;
      QTest::addRow("duty check, %s", k) << "buttonCheckDuty" << key << accel;
      QTest::addRow("view spec, %s", k) << "buttonViewSpec" << key << accel;
      QTest::addRow("save, %s", k) << "buttonSaveResult" << key
                                   << Q(brivane::SourceText(brivane::MessageCode::SelectionMissing));
    }
  }
  void enterOnAFocusedButtonPressesIt() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, message);
    auto* b = Child<QPushButton>(m_form->view, qPrintable(button));
    b->setFocus();
    QTest::keyClick(b, static_cast<Qt::Key>(key));
    QCOMPARE(m_sink.messages, QStringList{message});
  }

  void enterInAnEditOrOnResetDoesWhatItDid() {
    // Enter in an edit presses nothing; on "Data초기화" it clears the form.
    m_form->Type("editLoadMass", QStringLiteral("5"));
    QTest::keyClick(m_form->Edit("editLoadMass"), Qt::Key_Return);
    QTest::keyClick(m_form->Edit("editLoadMass"), Qt::Key_Enter);
    QVERIFY(m_sink.messages.isEmpty());
    QCOMPARE(m_form->Text("editLoadMass"), QStringLiteral("5"));
    auto* reset = Child<QPushButton>(m_form->view, "buttonReset");
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Return);
    QCOMPARE(m_form->Text("editLoadMass"), QStringLiteral("0"));
  }

  void limitTypedAsTheListShowsIt_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("percent") << "30%";
    QTest::newRow("number") << "30";
    QTest::newRow("blanks") << " 30 % ";
    QTest::newRow("the item") << " 30%";
  }
  void limitTypedAsTheListShowsIt() {
    QFETCH(QString, typed);
    m_form->TypeMove();
    m_form->TypeLimit("comboRatedLimit", typed);
    m_form->Click("buttonSelect");
    // Taken as 30 %: the notice about the limits, no refusal; the list shows its item.
    QCOMPARE(m_sink.messages.value(0), Q(brivane::SourceText(brivane::MessageCode::NotRecommendedLimits)));
    QVERIFY(!m_sink.messages.contains(Q(brivane::SourceText(brivane::MessageCode::NoLimits))));
    auto* rated = Child<QComboBox>(m_form->view, "comboRatedLimit");
    QCOMPARE(rated->currentIndex(), 1);
    QCOMPARE(rated->currentText(), QStringLiteral(" 30%"));
    QCOMPARE(m_form->session.Record().ratedLimit, 30);
  }

  void noticeComesBeforeTheResults() {
    SnapshotSink sink;
    FormDriver form(sink);
    sink.shownModel = [&form] { return form.Text("editModelDoubleSided"); };
    form.TypeMove(QStringLiteral("200"));  // no single-sided motor fits
    form.TypeLimit("comboPeakLimit", QStringLiteral("90%"));
    form.Click("buttonSelect");
    QCOMPARE(sink.seen.size(), 2);
    QCOMPARE(sink.seen[0].first, Q(brivane::SourceText(brivane::MessageCode::NotRecommendedLimits)));
    QCOMPARE(sink.seen[0].second, QString());  // answered before anything is shown
    QCOMPARE(sink.seen[1].first, Q(brivane::SourceText(brivane::MessageCode::NoFitSingleSided)));
    QVERIFY(!sink.seen[1].second.isEmpty());  // the no-fit message sits over the results
  }

  void dutyCheckMarksDangerousResults_data() {
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QStringList>("texts");  // rated, peak in the sheet; the coil on the form
    QTest::addColumn<QList<int>>("alerts");
    const int none = int(ResultAlert::None), limit = int(ResultAlert::AboveLimit), full = int(ResultAlert::AboveFull);
    // CL-01 on the first move with 1, 3 and 5 kg, limits 70 % and 80 %.
    QTest::newRow("all well") << "1" << QStringList{"29.3", "23.6", "31.2"} << QList<int>{none, none, none};
    QTest::newRow("rated over its limit, hot coil")
        << "3" << QStringList{"76.2", "61.5", "95.6"} << QList<int>{limit, none, full};
    QTest::newRow("rated over 100 %, peak over its limit")
        << "5" << QStringList{"123.1", "99.3", "217.2"} << QList<int>{full, limit, full};
  }
  void dutyCheckMarksDangerousResults() {
    QFETCH(QString, mass);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, alerts);
    m_form->TypeMove(mass);
    m_form->PickModel(QStringLiteral("CL-01"));
    m_form->Click("buttonCheckDuty");
    QCOMPARE(m_form->Sheets().size(), 1);
    const brivane::ui::CMotorSpecSheet* sheet = m_form->Sheets().first();
    const QWidget* shown[] = {Child<QLineEdit>(sheet, "editRatedDuty"), Child<QLineEdit>(sheet, "editPeakDuty"),
                              m_form->Edit("editCoil")};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(qobject_cast<const QLineEdit*>(shown[i])->text(), texts[i]);  // the texts stay
      QCOMPARE(int(AlertOf(shown[i])), alerts[i]);
      const bool alerted = alerts[i] != int(ResultAlert::None);
      QCOMPARE(Coloured(shown[i]), alerted);
      QCOMPARE(shown[i]->accessibleDescription().isEmpty(), !alerted);
    }
    // Reset takes the coil's mark away with its value.
    m_form->Click("buttonReset");
    QCOMPARE(AlertOf(m_form->Edit("editCoil")), ResultAlert::None);
    QVERIFY(!Coloured(m_form->Edit("editCoil")));
  }

  void changedInputsMarkTheResultsOutOfDate() {
    VerifyStale(false, false);
    m_form->Type("editLoadMass", QStringLiteral("2"));  // nothing shown yet: nothing to mark
    VerifyStale(false, false);
    m_form->TypeMove();
    m_form->Click("buttonSelect");
    m_form->PickModel(QStringLiteral("CL-01"));
    m_form->Click("buttonCheckDuty");
    VerifyStale(false, false);

    // Each input marks the results it feeds.
    m_form->Type("editAmbient", QStringLiteral("30"));
    VerifyStale(false, true);
    m_form->Click("buttonCheckDuty");
    VerifyStale(false, false);
    m_form->TypeLimit("comboRatedLimit", QStringLiteral(" 75%"));
    VerifyStale(true, false);
    m_form->Click("buttonSelect");
    VerifyStale(false, false);
    m_form->PickModel(QStringLiteral("CL-02"));
    VerifyStale(false, true);
    m_form->Click("buttonCheckDuty");
    QTest::mouseClick(Child<QRadioButton>(m_form->view, "radioAccelTime"), Qt::LeftButton);
    VerifyStale(true, true);
    // Greyed as a disabled text is.
    const QLineEdit* model = m_form->Edit("editModelDoubleSided");
    QCOMPARE(model->palette().color(QPalette::Text), model->palette().color(QPalette::Disabled, QPalette::Text));
    QVERIFY(!model->accessibleDescription().isEmpty());
    // A selection freshens only its own part; reset clears every mark.
    QTest::mouseClick(Child<QRadioButton>(m_form->view, "radioAccelG"), Qt::LeftButton);
    m_form->Click("buttonSelect");
    VerifyStale(false, true);
    m_form->Click("buttonReset");
    VerifyStale(false, false);
    QVERIFY(model->accessibleDescription().isEmpty());
  }

  void inputsTellTheirUnitAndRange() {
    // Every input has a tip; a few show the engine's bounds with their units.
    for (const char* input : {"editLoadMass", "editDistance", "editAccel", "radioAccelG", "radioAccelTime",
                              "editVelocity", "editDwell", "editFriction", "editSafety", "comboRatedLimit",
                              "comboPeakLimit", "comboModel", "editAmbient", "checkShowVela"}) {
      QVERIFY2(!Child<QWidget>(m_form->view, input)->toolTip().isEmpty(), input);
    }
    const QString mass = m_form->Edit("editLoadMass")->toolTip();
    QVERIFY2(mass.contains(QStringLiteral("kg")) && mass.contains(QStringLiteral("3000")), qPrintable(mass));
    const QString dwell = m_form->Edit("editDwell")->toolTip();
    QVERIFY2(dwell.contains(QStringLiteral("msec")) && dwell.contains(QStringLiteral("10000000")), qPrintable(dwell));
  }

  void enlargingGivesTheRoomToTheChart() {
    QVERIFY(QTest::qWaitForWindowExposed(m_form->frame.get()));
    auto* chart = Child<brivane::ui::CChartViewer>(m_form->view, "chartViewer");
    const QWidget* rated = m_form->Edit("editRatedVela");
    const QWidget* group = Child<QGroupBox>(m_form->view, "groupResult");
    const QSize chartBefore = chart->size();
    const QPoint ratedBefore = rated->mapTo(group, QPoint(0, 0));
    const QSize groupBefore = group->size();
    m_form->frame->resize(m_form->frame->size() + QSize(400, 300));
    QTRY_VERIFY(chart->width() >= chartBefore.width() + 400 - 40);
    QVERIFY(chart->height() >= chartBefore.height() + 300 - 40);
    QCOMPARE(group->size(), groupBefore);
    QCOMPARE(rated->mapTo(group, QPoint(0, 0)), ratedBefore);
    // The plot grows with the chart.
    QCOMPARE(chart->chart()->size(), QSizeF(chart->size()));
    QCOMPARE(chart->chart()->plotArea().width(), chart->width() - 100.0);
  }
};

QTEST_MAIN(UsabilityTest)
#include "usability_test.moc"
