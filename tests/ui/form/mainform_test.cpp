// The main window driven as a user drives it: type into the edits, pick list entries, click the
// buttons, then read what the widgets show and which messages appeared, in order.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <clocale>
#include <memory>

#include "engine/FormValues.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "engine/Session.h"
#include "report/Cp949.h"
#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/WidgetLookup.h"
#include "ui/chart/ChartViewer.h"
#include "ui/chart/VelocityChart.h"
#include "ui/datasheet/MotorSpecDlg.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/AboutDlg.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/output/SaveDataDlg.h"
#include "ui/widgets/DialogMessageSink.h"

using namespace brivane::ui;
using brivane::MotorSeries;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

using dialogtest::Child;

// A sheet's series, told by its class.
MotorSeries SeriesOf(const CMotorSpecSheet* sheet) {
  if (qobject_cast<const CMotorSpecDlg2*>(sheet) != nullptr) return MotorSeries::SingleSided;
  if (qobject_cast<const CMotorSpecDlg3*>(sheet) != nullptr) return MotorSeries::Vela;
  return MotorSeries::DoubleSided;
}

const char* const kStartZeroEdits[] = {"editLoadMass", "editAccel", "editVelocity", "editDwell", "editDistance"};
const char* const kModelEdits[] = {"editModelDoubleSided", "editModelSingleSided", "editModelVela"};
const char* const kDutyEdits[] = {"editRatedDoubleSided", "editPeakDoubleSided", "editRatedSingleSided",
                                  "editPeakSingleSided",  "editRatedVela",       "editPeakVela"};
const char* const kAnalysisEdits[] = {"editRmsThrust", "editPeakThrust",    "editAccelTime",     "editConstTime",
                                      "editTotalTime", "editAccelDistance", "editConstDistance", "editTotalDistance"};

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<RecordingMessageSink> m_sink;
  std::unique_ptr<formtest::FormDriver> m_form;
  CMainFrame* m_frame = nullptr;
  CBrivaneView* m_view = nullptr;

  const brivane::SelectionRecord& Record() const { return m_form->session.Record(); }
  QStringList Texts(const char* const* names, int count) const {
    QStringList out;
    for (int i = 0; i < count; ++i) out << m_form->Text(names[i]);
    return out;
  }
  QStringList ChartLabels() const { return VelocityChartLabels(Child<CChartViewer>(m_view, "chartViewer")->chart()); }
  // Data-sheet windows open beside the form, per series.
  QList<int> SheetRequests() const {
    QList<int> open{0, 0, 0};
    for (const CMotorSpecSheet* sheet : m_frame->findChildren<CMotorSpecSheet*>())
      if (sheet->isVisible()) ++open[static_cast<int>(brivane::SeriesSlot(SeriesOf(sheet)))];
    return open;
  }
  // The model name shown by the newest data sheet of a series.
  QString NewestSheetModel(MotorSeries series) const {
    QString model;
    for (const CMotorSpecSheet* sheet : m_frame->findChildren<CMotorSpecSheet*>())
      if (SeriesOf(sheet) == series) model = Child<QLineEdit>(sheet, "editModel")->text();
    return model;
  }
  QList<CSaveDataDlg*> SaveDialogs() const {
    QList<CSaveDataDlg*> open;
    for (CSaveDataDlg* dialog : m_frame->findChildren<CSaveDataDlg*>())
      if (dialog->isVisible()) open << dialog;
    return open;
  }
  void VerifyStartState() const;

 private slots:
  void initTestCase() {
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    QCoreApplication::setApplicationName(QStringLiteral("brivane-ui-test"));
  }
  void init() {
    m_sink = std::make_unique<RecordingMessageSink>();
    m_form = std::make_unique<formtest::FormDriver>(*m_sink);
    m_frame = m_form->frame.get();
    m_view = m_form->view;
  }
  void cleanup() {
    m_form.reset();
    m_frame = nullptr;
    m_view = nullptr;
  }

  void startState() { VerifyStartState(); }

  void formValuesShownAndReadBackUnchanged() {
    brivane::FormValues v;
    v.move.loadMass = 2.5f;
    v.move.distanceMm = 750;
    v.move.accelMode = brivane::AccelMode::Time;
    v.move.accelValue = 120.0f;
    v.move.peakVelocity = 1.5f;
    v.move.dwellMs = 300.0f;
    v.move.frictionCoefficient = 0.05f;
    v.move.safetyFactor = 1.75f;
    v.ratedPosition = 7;
    v.peakPosition = 12;
    v.ambient = "25.6";
    v.model = "IC-14";
    v.show = {true, false, true};
    m_view->SetValues(v);
    QCOMPARE(m_form->Text("editSafety"), QStringLiteral("1.75"));
    QVERIFY(Child<QRadioButton>(m_view, "radioAccelTime")->isChecked());
    QCOMPARE(Child<QComboBox>(m_view, "comboRatedLimit")->currentText(), QStringLiteral(" 60%"));
    QCOMPARE(Child<QComboBox>(m_view, "comboModel")->currentText(), QStringLiteral("IC-14"));
    QVERIFY(!Child<QCheckBox>(m_view, "checkShowSingleSided")->isChecked());

    m_form->Click("buttonSelect");  // reads the form back
    const brivane::FormValues& back = m_view->Values();
    const brivane::MotionInput& m = back.move;
    QVERIFY(m.loadMass == 2.5f && m.distanceMm == 750 && m.accelMode == brivane::AccelMode::Time &&
            m.accelValue == 120.0f && m.peakVelocity == 1.5f && m.dwellMs == 300.0f && m.frictionCoefficient == 0.05f &&
            m.safetyFactor == 1.75f);
    QCOMPARE(back.ratedPosition, v.ratedPosition);
    QCOMPARE(back.peakPosition, v.peakPosition);
    QCOMPARE(back.ambient, v.ambient);
    QCOMPARE(back.model, v.model);
    QCOMPARE(back.show, v.show);
  }

  // Every control can be found and read out: a name, an accessible name and an id of its own from
  // the form's table (a name missing from the table gets no id, two entries sharing one collide).
  void everyControlIsTaggedForTestsAndScreenReaders() {
    QHash<int, QString> owners;
    for (const QWidget* w : m_view->findChildren<QWidget*>()) {
      const QVariant id = w->property("controlId");
      if (!id.isValid() || qobject_cast<const QLabel*>(w) != nullptr) continue;
      QVERIFY2(!w->objectName().isEmpty(), qPrintable(QString::number(id.toInt())));
      QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
      QVERIFY2(id.toInt() > 0, qPrintable(w->objectName()));
      QVERIFY2(!owners.contains(id.toInt()), qPrintable(w->objectName() + QLatin1Char(' ') + owners.value(id.toInt())));
      owners.insert(id.toInt(), w->objectName());
    }
    QCOMPARE(m_form->Edit("editRatedVela")->accessibleName(), QStringLiteral("정격 사용률(%) 편측식 (Vela-Series)"));
  }

  void tabPassesTheChartBy() {
    // Tab from the first input all the way round: every stop is a control of the form, never the
    // chart or what holds the form.
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
    QLineEdit* first = m_form->Edit("editLoadMass");
    first->setFocus();
    const auto* chart = Child<CChartViewer>(m_view, "chartViewer");
    QStringList stops;
    for (int i = 0; i < 100 && (i == 0 || QApplication::focusWidget() != first); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* now = QApplication::focusWidget();
      QVERIFY(now != nullptr);
      stops << (now->objectName().isEmpty() ? QLatin1String(now->metaObject()->className()) : now->objectName());
      QVERIFY2(m_view->isAncestorOf(now) && now != chart && !chart->isAncestorOf(now),
               qPrintable(stops.join(QLatin1Char(' '))));
    }
    QCOMPARE(QApplication::focusWidget(), first);  // the round closes
    QVERIFY2(stops.contains(QStringLiteral("buttonSaveResult")), qPrintable(stops.join(QLatin1Char(' '))));
  }

  void selection_data() {
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("rated");
    QTest::addColumn<QString>("peak");
    QTest::addColumn<QStringList>("models");
    QTest::addColumn<QStringList>("duties");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("1 kg") << "1"
                          << " 70%"
                          << " 80%" << QStringList{"CL-01", "IC-03", "VC-01"}
                          << QStringList{"29.3", "23.6", "60.1", "40.1", "54.0", "47.9"} << QStringList{};
    QTest::newRow("200 kg") << "200"
                            << " 70%"
                            << " 80%" << QStringList{"CL-23", "", "VC-21"}
                            << QStringList{"61.1", "49.3", "0.0", "0.0", "51.5", "41.5"}
                            << QStringList{Q(brivane::SourceText(brivane::MessageCode::NoFitSingleSided))};
    QTest::newRow("limits 25/25") << "1"
                                  << " 25%"
                                  << " 25%" << QStringList{"CL-02", "IC-16", "VC-21"}
                                  << QStringList{"21.1", "17.0", "24.1", "14.6", "7.7", "6.2"}
                                  << QStringList{Q(brivane::SourceText(brivane::MessageCode::NotRecommendedLimits))};
  }
  void selection() {
    QFETCH(QString, mass);
    QFETCH(QString, rated);
    QFETCH(QString, peak);
    m_form->TypeMove(mass);
    // Typed text that names an item selects that item.
    m_form->TypeLimit("comboRatedLimit", rated);
    m_form->TypeLimit("comboPeakLimit", peak);
    m_form->Click("buttonSelect");
    QTEST(m_sink->messages, "messages");
    QTEST(Texts(kModelEdits, 3), "models");
    QTEST(Texts(kDutyEdits, 6), "duties");
    // The load analysis, the temperatures and the chart are the duty check's, not the selection's.
    QCOMPARE(m_form->Text("editRmsThrust"), QStringLiteral("0.0"));
    QCOMPARE(m_form->Text("editCoil"), QStringLiteral("0.0"));
    QCOMPARE(ChartLabels(), (QStringList{"0", "1000", "2000", "3000", "4000"}));
    QCOMPARE(m_form->Text("editLoadMass"), mass);
  }

  void selectionWhereNothingFits() {
    m_form->Type("editLoadMass", QStringLiteral("3000"));
    m_form->Type("editDistance", QStringLiteral("100000"));
    m_form->Type("editAccel", QStringLiteral("50"));
    m_form->Type("editVelocity", QStringLiteral("30"));
    m_form->Type("editFriction", QStringLiteral("10"));
    m_form->Type("editSafety", QStringLiteral("20"));
    m_form->Click("buttonSelect");
    QCOMPARE(m_sink->messages, (QStringList{Q(brivane::SourceText(brivane::MessageCode::NoFitDoubleSided)),
                                            Q(brivane::SourceText(brivane::MessageCode::NoFitSingleSided)),
                                            Q(brivane::SourceText(brivane::MessageCode::NoFitVela))}));
    QCOMPARE(Texts(kModelEdits, 3), (QStringList{"", "", ""}));
    QCOMPARE(Texts(kDutyEdits, 6), QStringList(6, QStringLiteral("0.0")));
    // Without any model the save button has nothing to save.
    m_sink->messages.clear();
    m_form->Click("buttonSaveResult");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::SelectionMissing))});
    QCOMPARE(SaveDialogs().size(), 0);
  }

  void timeModeKeepsTheTypedMilliseconds() {
    m_form->TypeMove();
    m_form->Click("radioAccelTime");
    m_form->Type("editAccel", QStringLiteral("100"));
    m_form->Click("buttonSelect");
    QVERIFY(m_sink->messages.isEmpty());
    QCOMPARE(m_form->Text("editAccel"), QStringLiteral("100"));
    QVERIFY(Child<QRadioButton>(m_view, "radioAccelTime")->isChecked());
    QCOMPARE(Record().accelTimeMs, 100.0f);
    QVERIFY(!m_form->Text("editModelDoubleSided").isEmpty());
    // Under 10 msec the selection refuses the time.
    m_form->Type("editAccel", QStringLiteral("5"));
    m_form->Click("buttonSelect");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::AccelTime))});
  }

  void limitsThatAreNoItem() {
    m_form->TypeMove();
    m_form->TypeLimit("comboRatedLimit", QStringLiteral("72%"));
    m_form->Click("buttonSelect");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::NoLimits))});
    QCOMPARE(m_form->Text("editModelDoubleSided"), QString());
    // An input check comes before the limits.
    m_sink->messages.clear();
    m_form->Type("editVelocity", QStringLiteral("0"));
    m_form->Click("buttonSelect");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::Velocity))});
  }

  void dutyCheckOfCL01() {
    m_form->TypeMove();
    m_form->PickModel(QStringLiteral("CL-01"));
    m_form->Click("buttonCheckDuty");
    QVERIFY2(m_sink->messages.isEmpty(), qPrintable(m_sink->messages.join('|')));
    QCOMPARE(Texts(kAnalysisEdits, 8),
             (QStringList{"7.2", "13.5", "0.102", "0.398", "0.602", "51.0", "398.0", "500.0"}));
    QCOMPARE(m_form->Text("editAmbient"), QStringLiteral("20"));
    QCOMPARE(m_form->Text("editCoil"), QStringLiteral("31.2"));
    QCOMPARE(ChartLabels(), (QStringList{"0", "102", "500", "602", "602"}));
    QCOMPARE(m_form->Text("editAccel"), QStringLiteral("1"));
    // Its series' sheet opens, and only that one; the selection result stays as it was.
    QCOMPARE(SheetRequests(), (QList<int>{1, 0, 0}));
    QCOMPARE(NewestSheetModel(MotorSeries::DoubleSided), QStringLiteral("CL-01"));
    QCOMPARE(m_form->Text("editModelDoubleSided"), QString());
    // The sheet took the checked model and handed the series back to the selection (none yet).
    const brivane::SeriesRecord& s1 = Record().of(MotorSeries::DoubleSided);
    QCOMPARE(s1.shownName, std::string());
    QCOMPARE(s1.shownNumber, 0);
    QCOMPARE(Record().lastCheckedSeries, 0);
    // The pending sheet was opened, so the next press runs the selection and opens all three.
    m_form->Click("buttonViewSpec");
    QCOMPARE(SheetRequests(), (QList<int>{2, 1, 1}));
    QCOMPARE(m_form->Text("editModelDoubleSided"), QStringLiteral("CL-01"));
    // A later selection leaves the analysis and the chart alone.
    QCOMPARE(m_form->Text("editCoil"), QStringLiteral("31.2"));
    QCOMPARE(ChartLabels(), (QStringList{"0", "102", "500", "602", "602"}));
  }

  void profileChartStyle() {
    auto* viewer = Child<CChartViewer>(m_view, "chartViewer");
    QChart* empty = viewer->chart();
    m_form->TypeMove();
    m_form->PickModel(QStringLiteral("CL-01"));
    m_form->Click("buttonCheckDuty");
    QChart* chart = viewer->chart();
    QVERIFY(chart != empty);  // a new chart at every drawing
    QCOMPARE(chart->size(), QSizeF(viewer->size()));
    QCOMPARE(chart->plotArea(), QRectF(50, 10, viewer->width() - 100, viewer->height() - 70));
    QVERIFY(!chart->legend()->isVisible());
    QCOMPARE(chart->series().size(), 1);
    auto* area = qobject_cast<QAreaSeries*>(chart->series().first());
    QVERIFY(area != nullptr);
    QCOMPARE(area->brush().style(), Qt::NoBrush);
    QCOMPARE(area->upperSeries()->points(), (QList<QPointF>{{0, 0}, {1, 1}, {2, 1}, {3, 0}}));
    const QList<QAbstractAxis*> x = chart->axes(Qt::Horizontal);
    const QList<QAbstractAxis*> y = chart->axes(Qt::Vertical);
    QCOMPARE(x.size(), 1);
    QCOMPARE(y.size(), 1);
    QCOMPARE(x.first()->titleText(), QStringLiteral("Time (ms)"));
    QCOMPARE(y.first()->titleText(), QStringLiteral("Velocity (m/s)"));
    QVERIFY(!x.first()->isGridLineVisible());
    QVERIFY(y.first()->isGridLineVisible());
    // The y axis follows the data: from 0 to the peak velocity of 1 m/s.
    auto* yAxis = qobject_cast<QCategoryAxis*>(y.first());
    QVERIFY(yAxis != nullptr);
    QCOMPARE(yAxis->min(), 0.0);
    QCOMPARE(yAxis->max(), 1.0);
    QCOMPARE(yAxis->categoriesLabels().first(), QStringLiteral("0"));
    QCOMPARE(yAxis->categoriesLabels().last(), QStringLiteral("1"));
    // The empty chart's five points include one at the last label.
    m_form->Click("buttonReset");
    area = qobject_cast<QAreaSeries*>(viewer->chart()->series().first());
    QCOMPARE(area->upperSeries()->points(), (QList<QPointF>{{0, 0}, {1, 1}, {2, 1}, {3, 0}, {4, 0}}));
  }

  void dutyCheckReformatsTheAmbientText() {
    m_form->TypeMove();
    m_form->Type("editAmbient", QStringLiteral("25.6"));
    m_form->PickModel(QStringLiteral("CL-01"));
    m_form->Click("buttonCheckDuty");
    QCOMPARE(m_form->Text("editAmbient"), QStringLiteral("26"));
    QCOMPARE(m_form->Text("editCoil"), QStringLiteral("36.8"));
  }

  void dutyCheckOfTooShortAStroke() {
    m_form->TypeMove(QStringLiteral("1"), QStringLiteral("100"));
    m_form->PickModel(QStringLiteral("CL-01"));
    m_form->Click("buttonCheckDuty");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::ProfileTooShort))});
    QCOMPARE(m_form->Text("editConstDistance"), QStringLiteral("-2.0"));
    QCOMPARE(ChartLabels(), (QStringList{"0", "1000", "2000", "3000", "4000"}));
    QCOMPARE(SheetRequests(), (QList<int>{0, 0, 0}));
    QCOMPARE(Record().lastCheckedSeries, 0);
  }

  void dutyCheckWithoutAModel() {
    m_form->TypeMove();
    m_form->Click("buttonCheckDuty");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::NoModel))});
    // The input checks come first.
    m_sink->messages.clear();
    m_form->Type("editVelocity", QStringLiteral("0"));
    m_form->Click("buttonCheckDuty");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::Velocity))});
    QCOMPARE(m_form->Text("editRmsThrust"), QStringLiteral("0.0"));
    QCOMPARE(SheetRequests(), (QList<int>{0, 0, 0}));
  }

  void dutyCheckOpensItsSeriesWhateverTheShowBoxes() {
    m_form->TypeMove();
    m_form->Click("checkShowSingleSided");
    m_form->PickModel(QStringLiteral("IC-01"));
    m_form->Click("buttonCheckDuty");
    QCOMPARE(SheetRequests(), (QList<int>{0, 1, 0}));
    QCOMPARE(NewestSheetModel(MotorSeries::SingleSided), QStringLiteral("IC-01"));
    QCOMPARE(Record().of(MotorSeries::DoubleSided).shownNumber, 0);
  }

  void viewSpecFollowsTheShowBoxesAndTheResults() {
    m_form->TypeMove();
    m_form->Click("checkShowSingleSided");
    m_form->Click("buttonViewSpec");
    QCOMPARE(m_form->Text("editModelSingleSided"), QStringLiteral("IC-03"));  // selected, not shown
    QCOMPARE(SheetRequests(), (QList<int>{1, 0, 1}));
    m_form->Click("buttonViewSpec");
    QCOMPARE(SheetRequests(), (QList<int>{2, 0, 2}));
    QCOMPARE(Record().of(MotorSeries::Vela).shownNumber, Record().of(MotorSeries::Vela).selectedNumber);
    // A series without a fit gets no sheet.
    m_form->Click("checkShowSingleSided");
    m_form->Type("editLoadMass", QStringLiteral("200"));
    m_form->Click("buttonViewSpec");
    QCOMPARE(SheetRequests(), (QList<int>{3, 0, 3}));
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::NoFitSingleSided))});
    // A selection that stops opens nothing, not the sheets of the result before it.
    m_sink->messages.clear();
    m_form->Type("editVelocity", QStringLiteral("0"));
    m_form->Click("buttonViewSpec");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::Velocity))});
    QCOMPARE(SheetRequests(), (QList<int>{3, 0, 3}));
    QCOMPARE(m_form->Text("editModelDoubleSided"), QStringLiteral("CL-23"));
  }

  void saveNeedsASelection() {
    m_form->Click("buttonSaveResult");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::SelectionMissing))});
    QCOMPARE(SaveDialogs().size(), 0);
    m_sink->messages.clear();
    m_form->TypeMove();
    m_form->Click("buttonSelect");
    m_form->PickModel(QStringLiteral("CL-05"));
    m_form->Click("buttonCheckDuty");
    QCOMPARE(NewestSheetModel(MotorSeries::DoubleSided), QStringLiteral("CL-05"));
    m_form->Click("buttonSaveResult");
    QCOMPARE(SaveDialogs().size(), 1);
    QCOMPARE(Record().of(MotorSeries::DoubleSided).shownNumber, 1);
    QVERIFY(m_sink->messages.isEmpty());

    // The dialog writes the selection's model with the selection's own ratios, although a duty
    // check of another model of that series came in between.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    CSaveDataDlg* dialog = SaveDialogs().front();
    QVERIFY(dialog->isModal());
    QTest::keyClicks(Child<QLineEdit>(dialog, "editNickName"), QStringLiteral("kim"));
    QTest::mouseClick(Child<QAbstractButton>(dialog, "buttonSave"), Qt::LeftButton);
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(SaveDialogs().size(), 0);
    QTRY_VERIFY(m_frame->findChildren<CSaveDataDlg*>().isEmpty());  // deleted once ended
    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*(kim).xls")});
    QCOMPARE(files.size(), 1);
    QFile file(dir.filePath(files.front()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray report = file.readAll();
    const auto line =
        brivane::ToCp949(" >> 양측식 선정 모터 : CL-01 [사용률 정격 : 29.3퍼센트, 최대 : 23.6퍼센트]\r\n");
    QVERIFY(line);
    QVERIFY(report.contains(QByteArray::fromStdString(*line)));
    QCOMPARE(m_sink->messages.size(), 1);  // the confirmation
  }

  void reset() {
    m_form->TypeMove();
    m_form->Type("editAmbient", QStringLiteral("30"));
    m_form->TypeLimit("comboPeakLimit", QStringLiteral(" 90%"));
    m_form->Click("buttonSelect");
    m_form->PickModel(QStringLiteral("CL-01"));
    m_form->Click("buttonCheckDuty");
    m_form->Click("checkShowVela");
    m_form->Click("radioAccelTime");
    m_form->Type("editLoadMass", QStringLiteral("abc"));
    m_sink->messages.clear();
    m_form->Click("buttonReset");
    QVERIFY(m_sink->messages.isEmpty());
    VerifyStartState();
    // The reset leaves the record alone.
    QCOMPARE(Record().of(MotorSeries::DoubleSided).selectedName, std::string("CL-01"));
    m_form->Click("buttonSaveResult");
    QCOMPARE(m_sink->messages, QStringList{Q(brivane::SourceText(brivane::MessageCode::SelectionMissing))});
  }

  void modeSwitchKeepsTheNumber() {
    m_form->Type("editAccel", QStringLiteral("100"));
    m_form->Click("radioAccelTime");
    QCOMPARE(m_form->Text("editAccel"), QStringLiteral("100"));
    QVERIFY(Child<QRadioButton>(m_view, "radioAccelTime")->isChecked());
    m_form->Click("radioAccelG");
    QCOMPARE(m_form->Text("editAccel"), QStringLiteral("100"));
    QVERIFY(Child<QRadioButton>(m_view, "radioAccelG")->isChecked());
    // A switch that cannot read the form keeps the mode, and the buttons show it.
    m_form->Type("editVelocity", QStringLiteral("fast"));
    m_form->Click("radioAccelTime");
    QCOMPARE(m_sink->messages, QStringList{QStringLiteral("숫자를 입력하십시오.")});
    QVERIFY(Child<QRadioButton>(m_view, "radioAccelG")->isChecked());
    QVERIFY(!Child<QRadioButton>(m_view, "radioAccelTime")->isChecked());
  }

  void repeatedInitialUpdate() {
    m_form->Click("radioAccelTime");
    m_form->PickModel(QStringLiteral("VC-21"));
    m_view->OnInitialUpdate();
    auto* combo = Child<QComboBox>(m_view, "comboModel");
    QCOMPARE(combo->count(), 69);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(Child<QRadioButton>(m_view, "radioAccelTime")->isChecked());
    QVERIFY(!Child<QRadioButton>(m_view, "radioAccelG")->isChecked());
  }

  void textThatIsNotANumber_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString number = QStringLiteral("숫자를 입력하십시오.");
    const QString integer = QStringLiteral("정수를 입력하십시오.");
    QTest::newRow("letters") << QByteArray("editLoadMass") << "abc" << number;
    QTest::newRow("empty") << QByteArray("editLoadMass") << "" << number;
    QTest::newRow("decimal comma") << QByteArray("editAccel") << "1,5" << number;
    QTest::newRow("nan") << QByteArray("editVelocity") << "nan" << number;
    QTest::newRow("inf") << QByteArray("editDwell") << "inf" << number;
    QTest::newRow("beyond float") << QByteArray("editSafety") << "1e39" << number;
    QTest::newRow("fraction in the integer") << QByteArray("editDistance") << "500.5" << integer;
    QTest::newRow("beyond int") << QByteArray("editDistance") << "3000000000" << integer;
  }
  void textThatIsNotANumber() {
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    m_form->TypeMove();
    m_form->Type(field.constData(), text);
    for (const char* button : {"buttonSelect", "buttonCheckDuty", "buttonViewSpec", "buttonSaveResult"}) {
      m_sink->messages.clear();
      m_form->PickModel(QStringLiteral("CL-01"));
      Child<QLineEdit>(m_view, "editAmbient")->setFocus();
      m_form->Click(button);
      // One message, the focus on the edit, the text as typed, and nothing computed.
      QCOMPARE(m_sink->messages, QStringList{message});
      QCOMPARE(m_frame->focusWidget(), m_form->Edit(field.constData()));
      QCOMPARE(m_form->Text(field.constData()), text);
      QCOMPARE(m_form->Text("editModelDoubleSided"), QString());
      QCOMPARE(m_form->Text("editRmsThrust"), QStringLiteral("0.0"));
      QCOMPARE(SheetRequests(), (QList<int>{0, 0, 0}));
      QCOMPARE(SaveDialogs().size(), 0);
      QCOMPARE(Record().move.loadMass, 0.0f);
    }
  }

  void readingStopsAtTheFirstUnreadableEdit() {
    // The acceleration is read before the mass, the mass before the dwell.
    m_form->TypeMove();
    m_form->Type("editDwell", QStringLiteral("x"));
    m_form->Type("editLoadMass", QStringLiteral("y"));
    m_form->Click("buttonSelect");
    QCOMPARE(m_sink->messages, QStringList{QStringLiteral("숫자를 입력하십시오.")});
    QCOMPARE(m_frame->focusWidget(), m_form->Edit("editLoadMass"));
  }

  void mainFrame() {
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Dalmer Linear Motor 선정 2020 Ver3.3"));
    QVERIFY(m_frame->width() <= 1500 && m_frame->height() <= 1300);
    QCOMPARE(m_frame->pos(), QPoint(100, 100));
    QVERIFY(m_frame->width() >= m_view->minimumSizeHint().width());
    QStringList menus;
    for (QAction* a : m_frame->menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, (QStringList{"파일(&F)", "보기(&V)", "언어 / Language", "프로그램 정보"}));
    auto* toggle = Child<QAction>(m_frame, "actionStatusBar");
    QCOMPARE(toggle->text(), QStringLiteral("상태 표시줄(&S)"));
    QCOMPARE(toggle->statusTip(), QStringLiteral("상태 표시줄을 표시하거나 감춥니다"));
    auto* about = Child<QAction>(m_frame, "actionAbout");
    QCOMPARE(about->text(), QStringLiteral("Brivane 정보(&A)..."));
    QCOMPARE(about->statusTip(), QStringLiteral("프로그램 정보와 버전 정보, 저작권 정보를 표시합니다"));
    QCOMPARE(Child<QLabel>(m_frame, "labelIdle")->text(), QStringLiteral("감사합니다."));
    toggle->trigger();
    QVERIFY(!m_frame->statusBar()->isVisible());
    toggle->trigger();
    QVERIFY(m_frame->statusBar()->isVisible());
    QVERIFY(Child<QLabel>(m_frame, "labelIdle")->isVisible());
  }

  void smallWindowScrollsTheForm() {
    // Fitted, the window shows the whole form without scrolling.
    auto* area = qobject_cast<QScrollArea*>(m_frame->centralWidget());
    QVERIFY(area != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QVERIFY(area->viewport()->width() >= m_view->minimumSizeHint().width());
    QVERIFY(area->viewport()->height() >= m_view->minimumSizeHint().height());
    // On a screen smaller than the form the window can be made smaller, and the form scrolls so
    // that its last controls stay within reach: tabbing to one brings it into view.
    m_frame->resize(480, 360);
    QCOMPARE(m_frame->size(), QSize(480, 360));
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
    auto* save = Child<QPushButton>(m_view, "buttonSaveResult");
    m_form->Edit("editLoadMass")->setFocus();
    for (int i = 0; i < 40 && QApplication::focusWidget() != save; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), save);
    const QRect shown(save->mapTo(area->viewport(), QPoint(0, 0)), save->size());
    QVERIFY(area->viewport()->rect().contains(shown));
  }

  void aboutBoxRunsModally() {
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* dlg = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
      QVERIFY(dlg != nullptr);
      seen = true;
      QCOMPARE(dlg->windowTitle(), QStringLiteral("Brivane 정보"));
      QCOMPARE(Child<QLabel>(dlg, "labelVersion")->text(), QStringLiteral("Brivane 버전 3.0"));
      QVERIFY(!Child<QLabel>(dlg, "labelAboutLogo")->pixmap().isNull());
      QTest::mouseClick(Child<QPushButton>(dlg, "buttonOk"), Qt::LeftButton);
    });
    Child<QAction>(m_frame, "actionAbout")->trigger();  // returns when the box has closed
    QVERIFY(seen);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void messageBoxIsAModalWarning() {
    DialogMessageSink sink;
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      seen = true;
      QCOMPARE(box->windowTitle(), QStringLiteral("Brivane"));
      QCOMPARE(box->text(), Q(brivane::SourceText(brivane::MessageCode::NoModel)));
      QCOMPARE(box->icon(), QMessageBox::Warning);
      QCOMPARE(box->buttons().size(), 1);
      QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
      box->buttons().first()->click();
    });
    sink.Warn(m_view, Q(brivane::SourceText(brivane::MessageCode::NoModel)));
    QVERIFY(seen);
  }
};

void MainFormTest::VerifyStartState() const {
  for (const char* name : kStartZeroEdits) QCOMPARE(m_form->Text(name), QStringLiteral("0"));
  QCOMPARE(m_form->Text("editFriction"), QStringLiteral("0.1"));
  QCOMPARE(m_form->Text("editSafety"), QStringLiteral("1.3"));
  QCOMPARE(Texts(kModelEdits, 3), (QStringList{"", "", ""}));
  QCOMPARE(Texts(kDutyEdits, 6), QStringList(6, QStringLiteral("0.0")));
  QCOMPARE(Texts(kAnalysisEdits, 8), (QStringList{"0.0", "0.0", "0.000", "0.000", "0.000", "0.0", "0.0", "0.0"}));
  QCOMPARE(m_form->Text("editAmbient"), QStringLiteral("20"));
  QCOMPARE(m_form->Text("editCoil"), QStringLiteral("0.0"));
  auto* rated = Child<QComboBox>(m_view, "comboRatedLimit");
  auto* peak = Child<QComboBox>(m_view, "comboPeakLimit");
  QCOMPARE(rated->currentText(), QStringLiteral(" 70%"));
  QCOMPARE(peak->currentText(), QStringLiteral(" 80%"));
  QCOMPARE(rated->count(), 16);
  QCOMPARE(rated->itemText(0), QStringLiteral(" 25%"));
  QCOMPARE(rated->itemText(15), QStringLiteral("100%"));
  auto* model = Child<QComboBox>(m_view, "comboModel");
  QCOMPARE(model->count(), 69);
  QCOMPARE(model->itemText(0), QStringLiteral("CL-01"));
  QCOMPARE(model->itemText(68), QStringLiteral("VC-21"));
  QCOMPARE(model->currentIndex(), -1);
  QVERIFY(Child<QRadioButton>(m_view, "radioAccelG")->isChecked());
  QVERIFY(!Child<QRadioButton>(m_view, "radioAccelTime")->isChecked());
  for (const char* box : {"checkShowDoubleSided", "checkShowSingleSided", "checkShowVela"}) {
    QVERIFY(Child<QCheckBox>(m_view, box)->isChecked());
  }
  for (int i = 1; i <= 6; ++i) {
    auto* type = Child<QCheckBox>(m_view, ("checkMotorType" + QByteArray::number(i)).constData());
    QVERIFY(type->isChecked());
    QVERIFY(!type->isEnabled());
    QCOMPARE(type->isVisible(), i != 1);
  }
  QCOMPARE(ChartLabels(), (QStringList{"0", "1000", "2000", "3000", "4000"}));
}

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
