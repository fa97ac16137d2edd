// The motor data sheets: what they show, how they hand the series back to its selected model, how
// they open, stack, sit and close.
#include "engine/DataSheet.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QTest>

#include <memory>

#include "catalog/MotorCatalog.h"
#include "engine/NumberText.h"
#include "engine/Selection.h"
#include "tests/support/WidgetLookup.h"
#include "tests/support/WorkedExamples.h"
#include "ui/datasheet/MotorSpecDlg.h"
#include "ui/widgets/DialogUnits.h"

using namespace brivane::ui;
using brivane::MotorCatalog;
using brivane::MotorSeries;
using brivane::SelectionRecord;

namespace {

// The fourteen value edits, top to bottom, with their control ids.
const std::pair<const char*, int> kValueEdits[] = {{"editRatedForce", 1050},     {"editPeakForce", 1057},
                                                   {"editRatedCurrent", 1084},   {"editPeakCurrent", 1085},
                                                   {"editMaxPower", 1086},       {"editPolePitch", 1087},
                                                   {"editForceConstant", 1088},  {"editBemfConstant", 1089},
                                                   {"editMotorConstant", 1090},  {"editElectricalTimeConstant", 1091},
                                                   {"editLineResistance", 1092}, {"editLineInductance", 1093},
                                                   {"editMoverMass", 1094},      {"editAttractionForce", 1095}};

// The record as a selection and the copy before the sheets leave it, for one series.
void Show(SelectionRecord& record, MotorSeries s, std::int32_t number, const char* name, float rated, float peak) {
  brivane::SeriesRecord& r = record.of(s);
  r.selectedNumber = r.shownNumber = number;
  r.selectedName = r.shownName = name;
  r.selectedDuty = r.duty = {rated, peak};
}

std::unique_ptr<CMotorSpecSheet> Make(MotorSeries s, const SelectionRecord& record, QWidget* owner = nullptr) {
  const brivane::DataSheetTexts content = brivane::MakeDataSheetTexts(record, s);
  switch (s) {
    case MotorSeries::DoubleSided: return std::make_unique<CMotorSpecDlg>(content, owner);
    case MotorSeries::SingleSided: return std::make_unique<CMotorSpecDlg2>(content, owner);
    case MotorSeries::Vela: return std::make_unique<CMotorSpecDlg3>(content, owner);
  }
  return nullptr;
}

// What the form does to open a sheet: the sheet takes its content, then the series returns to
// its selected model.
CMotorSpecSheet* OpenAsTheFormDoes(MotorSeries s, SelectionRecord& record, QWidget* owner) {
  CMotorSpecSheet* sheet = OpenMotorSpecDlg(s, brivane::MakeDataSheetTexts(record, s), owner);
  record.RestoreShown(s);
  return sheet;
}

QString Text(const QWidget* sheet, const char* name) { return dialogtest::Child<QLineEdit>(sheet, name)->text(); }

}  // namespace

class DataSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { dialogtest::PinEnvironment("brivane-datasheet-test"); }

  void showsTheRowOfTheShownNumber_data();
  void showsTheRowOfTheShownNumber();
  void dutyTextsAndNumbersOutsideTheSeries();
  void dutyCheckSheetThenTheSelectionAgain();
  void placedAgainstTheOwnersClientArea();
  void everyOpeningIsANewOwnedWindow();
  void closesOnEscEnterAndCloseBox_data();
  void closesOnEscEnterAndCloseBox();
};

void DataSheetTest::showsTheRowOfTheShownNumber_data() {
  QTest::addColumn<int>("series");
  QTest::addColumn<int>("number");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QStringList>("values");  // the name, then the fourteen values
  QTest::addColumn<int>("ratedDutyId");

  // Number 3 of the double-sided series is CL-05 (catalog index 4), not CL-03; double-sided
  // motors have no attraction force, IC-25 has 7000 N.
  QTest::newRow("CL-05") << 1 << 3 << QStringLiteral("양측식-Coreless Type")
                         << QStringList{"CL-05", "45.2", "135.7", "1.96", "5.9",  "370.2", "24", "23.06",
                                        "7.69",  "7.1",  "0.44",  "8.41", "3.74", "0.4",   "0"}
                         << 1023;
  QTest::newRow("IC-25") << 2 << 25 << QStringLiteral("편측식-Cored Type")
                         << QStringList{"IC-25", "1638",  "4915", "11.3", "33.9",  "2134.2", "60",  "145",
                                        "48",    "105.9", "15.5", "3.26", "23.13", "18.9",   "7000"}
                         << 1045;
  QTest::newRow("VC-01") << 3 << 1 << QStringLiteral("편측식 (Vela-Series) -Cored Type")
                         << QStringList{"VC-01", "20",   "55", "1.5", "4.5", "285.8", "18", "15",
                                        "5",     "3.25", "2",  "4.6", "9.2", "0.23",  "70"}
                         << 1045;
}

void DataSheetTest::showsTheRowOfTheShownNumber() {
  QFETCH(int, series);
  QFETCH(int, number);
  QFETCH(QString, caption);
  QFETCH(QStringList, values);
  QFETCH(int, ratedDutyId);

  SelectionRecord record;
  Show(record, static_cast<MotorSeries>(series), number, qPrintable(values[0]), 12.5f, 40.0f);
  const auto sheet = Make(static_cast<MotorSeries>(series), record);

  QCOMPARE(sheet->windowTitle(), QStringLiteral("Motor Specification"));
  FIND_CHILD(group, QGroupBox, sheet.get(), "groupSeries");
  QCOMPARE(group->title(), caption);
  QCOMPARE(Text(sheet.get(), "editModel"), values[0]);
  for (int i = 0; i < 14; ++i) {
    FIND_CHILD(edit, QLineEdit, sheet.get(), kValueEdits[i].first);
    QCOMPARE(edit->property("controlId").toInt(), kValueEdits[i].second);
    QCOMPARE(edit->text(), values[i + 1]);
  }
  FIND_CHILD(rated, QLineEdit, sheet.get(), "editRatedDuty");
  FIND_CHILD(peak, QLineEdit, sheet.get(), "editPeakDuty");
  QCOMPARE(rated->property("controlId").toInt(), ratedDutyId);
  QCOMPARE(peak->property("controlId").toInt(), ratedDutyId + 1);
  QCOMPARE(rated->text(), QStringLiteral("12.5"));
  QCOMPARE(peak->text(), QStringLiteral("40.0"));

  FIND_CHILD(picture, QLabel, sheet.get(), "pictureSeries");
  QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(185, 30));

  // Every widget can be found and read out: a unique name, a control id, an accessible name.
  QList<QWidget*> widgets = sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  widgets.prepend(sheet.get());
  QSet<QString> names;
  for (const QWidget* w : widgets) {
    QVERIFY2(!w->objectName().isEmpty() && !names.contains(w->objectName()), qPrintable(w->objectName()));
    names.insert(w->objectName());
    QVERIFY2(w->property("controlId").canConvert<int>(), qPrintable(w->objectName()));
    QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
  }
}

void DataSheetTest::dutyTextsAndNumbersOutsideTheSeries() {
  // Ratios with one decimal, right-aligned; 0 is 0.0.
  SelectionRecord record;
  Show(record, MotorSeries::DoubleSided, 1, "CL-01", 0.0f, 0.0f);
  Show(record, MotorSeries::Vela, 1, "VC-01", 29.298f, 23.64f);
  const auto zero = Make(MotorSeries::DoubleSided, record);
  const auto vela = Make(MotorSeries::Vela, record);
  QCOMPARE(Text(zero.get(), "editRatedDuty"), QStringLiteral("0.0"));
  QCOMPARE(Text(zero.get(), "editPeakDuty"), QStringLiteral("0.0"));
  QCOMPARE(Text(vela.get(), "editRatedDuty"), QStringLiteral("29.3"));
  QCOMPARE(Text(vela.get(), "editPeakDuty"), QStringLiteral("23.6"));
  for (const QLineEdit* edit : zero->findChildren<QLineEdit*>()) {
    QVERIFY2(edit->isReadOnly() && edit->hasFrame(), qPrintable(edit->objectName()));
    const bool duty = edit->objectName().endsWith(QStringLiteral("Duty"));
    QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, duty ? Qt::AlignRight : Qt::AlignLeft);
  }

  // A number no row of the series holds (0, or one past the end): an empty name and zeros, the
  // ratios all the same.
  for (const auto& [s, number] : {std::pair{MotorSeries::DoubleSided, 0}, std::pair{MotorSeries::DoubleSided, 24},
                                  std::pair{MotorSeries::SingleSided, 26}, std::pair{MotorSeries::Vela, 22}}) {
    Show(record, s, number, "XX-99", 31.25f, 8.0f);
    const auto sheet = Make(s, record);
    QVERIFY(Text(sheet.get(), "editModel").isEmpty());
    for (const auto& [name, id] : kValueEdits) QCOMPARE(Text(sheet.get(), name), QStringLiteral("0"));
    QCOMPARE(Text(sheet.get(), "editRatedDuty"), QStringLiteral("31.2"));  // the half goes to even
    QCOMPARE(Text(sheet.get(), "editPeakDuty"), QStringLiteral("8.0"));
  }
}

void DataSheetTest::dutyCheckSheetThenTheSelectionAgain() {
  // The first worked selection (CL-01, IC-03, VC-01), then a duty check of IC-14. The single-sided
  // sheet shows the checked model with the check's ratios once; afterwards the series is back on
  // the selection's model and ratios, and the next sheet shows those.
  const brivane::MotionInput move = brivane::examples::FirstMove();
  SelectionRecord record;
  const auto selected = brivane::RunSelection({move});
  QVERIFY(selected.completed);
  record.Apply(selected);
  record.CopySelectedToShown();
  const auto checked = brivane::CheckModelDuty({move, "IC-14", 20.0f});
  record.Apply(checked);
  QVERIFY(checked.status == brivane::DutyCheckStatus::Completed);
  QCOMPARE(record.lastCheckedSeries, 2);
  const SelectionRecord before = record;

  QWidget owner;
  QPointer<CMotorSpecSheet> first = OpenAsTheFormDoes(MotorSeries::SingleSided, record, &owner);
  QCOMPARE(Text(first, "editModel"), QStringLiteral("IC-14"));
  QCOMPARE(Text(first, "editRatedForce"), QStringLiteral("519.5"));
  QCOMPARE(Text(first, "editRatedDuty").toStdString(), brivane::FormatFixed(checked.duty.ratedDuty, 1));
  QCOMPARE(Text(first, "editPeakDuty").toStdString(), brivane::FormatFixed(checked.duty.peakDuty, 1));

  const brivane::SeriesRecord& single = record.of(MotorSeries::SingleSided);
  QCOMPARE(single.shownNumber, 3);
  QCOMPARE(single.shownName, std::string("IC-03"));
  QCOMPARE(single.duty.ratedDuty, selected.series[1].duty.ratedDuty);
  QCOMPARE(single.duty.peakDuty, selected.series[1].duty.peakDuty);
  QCOMPARE(record.lastCheckedSeries, 0);
  // The other two series are not the sheet's business.
  for (const MotorSeries s : {MotorSeries::DoubleSided, MotorSeries::Vela}) {
    QCOMPARE(record.of(s).shownNumber, before.of(s).shownNumber);
    QCOMPARE(record.of(s).shownName, before.of(s).shownName);
  }

  QPointer<CMotorSpecSheet> second = OpenAsTheFormDoes(MotorSeries::SingleSided, record, &owner);
  QCOMPARE(Text(second, "editModel"), QStringLiteral("IC-03"));
  QCOMPARE(Text(second, "editRatedDuty").toStdString(), brivane::FormatFixed(selected.series[1].duty.ratedDuty, 1));
  // An open sheet keeps what it showed when it opened.
  QCOMPARE(Text(first, "editModel"), QStringLiteral("IC-14"));

  // A sheet of another series leaves a pending check alone.
  record.lastCheckedSeries = 2;
  OpenAsTheFormDoes(MotorSeries::Vela, record, &owner);
  QCOMPARE(record.lastCheckedSeries, 2);
}

void DataSheetTest::placedAgainstTheOwnersClientArea() {
  QMainWindow owner;
  owner.menuBar()->addMenu(QStringLiteral("파일"));
  owner.setCentralWidget(new QWidget);
  owner.setGeometry(300, 400, 800, 700);
  owner.show();
  QVERIFY(QTest::qWaitForWindowExposed(&owner));
  // The client area begins below the menu bar, whichever widget of the window is the owner.
  QVERIFY(owner.menuBar()->height() > 0);
  QCOMPARE(OwnerClientOrigin(&owner), owner.mapToGlobal(QPoint(0, owner.menuBar()->height())));
  QCOMPARE(OwnerClientOrigin(owner.centralWidget()), OwnerClientOrigin(&owner));

  // Double-sided 90 units above the area, single-sided below it, Vela beside the single-sided.
  const std::pair<MotorSeries, QPoint> places[] = {
      {MotorSeries::DoubleSided, {77, -90}}, {MotorSeries::SingleSided, {77, 242}}, {MotorSeries::Vela, {257, 242}}};
  SelectionRecord record;
  for (const auto& [s, du] : places) {
    const auto sheet = Make(s, record, owner.centralWidget());
    const DialogUnits units(sheet->font());
    QVERIFY(units.X(4) > 1 && units.Y(8) > 1);
    QCOMPARE(sheet->pos() - OwnerClientOrigin(&owner), units.Point(du.x(), du.y()));
    QCOMPARE(sheet->size(), units.Size(161, 255));
    for (const QWidget* w : sheet->findChildren<QWidget*>())
      QVERIFY2(sheet->rect().contains(w->geometry()), qPrintable(w->objectName()));
  }
}

void DataSheetTest::everyOpeningIsANewOwnedWindow() {
  SelectionRecord record;
  Show(record, MotorSeries::DoubleSided, 1, "CL-01", 1.0f, 2.0f);
  auto owner = std::make_unique<QMainWindow>();
  owner->show();
  QVERIFY(QTest::qWaitForWindowExposed(owner.get()));

  QPointer<CMotorSpecSheet> older = OpenAsTheFormDoes(MotorSeries::DoubleSided, record, owner.get());
  QPointer<CMotorSpecSheet> newer = OpenAsTheFormDoes(MotorSeries::DoubleSided, record, owner.get());
  QVERIFY(older && newer && older != newer);
  for (const CMotorSpecSheet* sheet : {older.data(), newer.data()}) {
    QVERIFY(sheet->isVisible() && sheet->isWindow() && !sheet->isModal());
    QCOMPARE(sheet->parentWidget(), owner.get());
  }
  QCOMPARE(newer->pos(), older->pos());  // the newer covers the older
  QVERIFY(QApplication::activeModalWidget() == nullptr);

  // Sheets still open go with the main window.
  owner.reset();
  QVERIFY(older.isNull() && newer.isNull());
}

void DataSheetTest::closesOnEscEnterAndCloseBox_data() {
  QTest::addColumn<int>("key");  // 0: the close box
  QTest::newRow("Esc") << int(Qt::Key_Escape);
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
  QTest::newRow("close box") << 0;
}

void DataSheetTest::closesOnEscEnterAndCloseBox() {
  QFETCH(int, key);
  SelectionRecord record;
  QWidget owner;
  QPointer<CMotorSpecSheet> sheet = OpenAsTheFormDoes(MotorSeries::Vela, record, &owner);
  QVERIFY(QTest::qWaitForWindowExposed(sheet.data()));
  FIND_CHILD(value, QLineEdit, sheet.data(), "editPolePitch");
  if (key == 0) {
    QVERIFY(sheet->close());
  } else {
    // The key reaches a read-only value first, as when the user has clicked into it.
    QTest::keyClick(value, static_cast<Qt::Key>(key));
  }
  // Closed means deleted.
  QTRY_VERIFY(sheet.isNull());
}

QTEST_MAIN(DataSheetTest)
#include "datasheet_test.moc"
