// The save dialog: its start state, the keys it swallows, the close box, and what "저장" writes or
// refuses.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "catalog/MotorCatalog.h"
#include "engine/Selection.h"
#include "report/Cp949.h"
#include "report/Report.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/WidgetLookup.h"
#include "tests/support/WorkedExamples.h"
#include "ui/output/SaveDataDlg.h"
#include "ui/widgets/MessageSink.h"

using namespace brivane::ui;
using brivane::MotorCatalog;
using brivane::SelectionRecord;

namespace {

const QString kSaveTime = QStringLiteral("2020-3-5 14시7분9초");

// The record after the first worked selection (CL-01, IC-03, VC-01), as the save button leaves it.
SelectionRecord FirstExampleRecord() { return brivane::examples::FirstSelectionRecord(); }

QStringList FilesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files); }

// A dialog on the worked record that saves into a folder of its own at a fixed time.
struct Fixture {
  SelectionRecord record = FirstExampleRecord();
  RecordingMessageSink messages;
  QTemporaryDir dir;
  CSaveDataDlg dialog{record, MotorCatalog::Instance(), messages, nullptr};
  Fixture() {
    dialog.SetDirectory(dir.path().toStdString());
    dialog.SetClock([] { return brivane::LocalDateTime{2020, 3, 5, 14, 7, 9}; });
  }
  template <typename T>
  T* Child(const char* name) {
    return dialogtest::Child<T>(&dialog, name);
  }
};

}  // namespace

class SaveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { dialogtest::PinEnvironment("brivane-savedialog-test"); }

  void startsEmptyWithTheTemplatesTabOrder();
  void writesTheReportWithTheChosenBlocks();
  void refusedSavesKeepTheDialogAndItsInputs_data();
  void refusedSavesKeepTheDialogAndItsInputs();
  void modalLoopIgnoresEnterAndEscAndEndsByCloseBoxOrSave();
};

void SaveDialogTest::startsEmptyWithTheTemplatesTabOrder() {
  Fixture f;
  QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Dialog"));
  auto* box1 = f.Child<QCheckBox>("checkIncludeDoubleSided");
  auto* box2 = f.Child<QCheckBox>("checkIncludeSingleSided");
  auto* save = f.Child<QPushButton>("buttonSave");
  auto* nick = f.Child<QLineEdit>("editNickName");
  auto* box3 = f.Child<QCheckBox>("checkIncludeVela");
  auto* label = f.Child<QLabel>("labelNickName");
  QVERIFY(box1 && box2 && save && nick && box3 && label);

  QCOMPARE(box1->text(), QStringLiteral("양측식 Motor 사양 포함"));
  QCOMPARE(box2->text(), QStringLiteral("편측식 Motor 사양 포함"));
  QCOMPARE(box3->text(), QStringLiteral("편측식 (Vela-Series) Motor 사양 포함"));
  QCOMPARE(save->text(), QStringLiteral("저장"));
  QCOMPARE(label->text(), QStringLiteral("사용자 닉네임"));
  QVERIFY(!box1->isChecked() && !box2->isChecked() && !box3->isChecked());
  QVERIFY(nick->text().isEmpty());
  QVERIFY(!save->isDefault() && !save->autoDefault());

  QList<QWidget*> widgets = f.dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  widgets.prepend(&f.dialog);
  QCOMPARE(widgets.size(), 7);
  for (const QWidget* w : widgets) {
    QVERIFY2(!w->objectName().isEmpty() && !w->accessibleName().isEmpty(), w->metaObject()->className());
    QVERIFY2(w->property("controlId").canConvert<int>(), qPrintable(w->objectName()));
  }
  QCOMPARE(nick->property("controlId").toInt(), 1023);
  QCOMPARE(box3->property("controlId").toInt(), 1027);

  f.dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
  QCOMPARE(QApplication::focusWidget(), box1);
  const QList<QWidget*> order{box2, save, nick, box3, box1};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), next);
  }
}

void SaveDialogTest::writesTheReportWithTheChosenBlocks() {
  Fixture f;
  f.dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
  auto* nick = f.Child<QLineEdit>("editNickName");
  QVERIFY(nick);
  QTest::mouseClick(f.Child<QCheckBox>("checkIncludeDoubleSided"), Qt::LeftButton);
  QTest::mouseClick(f.Child<QCheckBox>("checkIncludeVela"), Qt::LeftButton);
  nick->setText(QStringLiteral("홍길동"));
  QTest::mouseClick(f.Child<QPushButton>("buttonSave"), Qt::LeftButton);

  // Named after the clock and the nickname, in the chosen folder.
  const QString fileName = kSaveTime + QStringLiteral("(홍길동).xls");
  QCOMPARE(FilesIn(f.dir.path()), QStringList{fileName});
  QFile file(QDir(f.dir.path()).filePath(fileName));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();

  // Blocks of series 1 and 3 in that order (CL-01's pole pitch 24, VC-01's 18), none for IC-03.
  QCOMPARE(bytes.count(" [Specification]\r\n"), 2);
  QVERIFY(bytes.indexOf(" Pole Pitch : 24.00 mm \r\n") >= 0);
  QVERIFY(bytes.indexOf(" Pole Pitch : 24.00 mm ") < bytes.indexOf(" Pole Pitch : 18.00 mm \r\n"));
  // And the whole file is this record's report with those blocks, in CP949.
  const auto expected = brivane::ToCp949(brivane::ComposeSelectionReport(
      f.record, MotorCatalog::Instance(), kSaveTime.toStdString(), "홍길동", {true, false, true}));
  QVERIFY(expected.has_value());
  QCOMPARE(bytes, QByteArray::fromStdString(*expected));

  // One confirmation naming the file, and the dialog has ended with OK.
  QCOMPARE(f.messages.messages.size(), 1);
  QVERIFY(f.messages.messages[0].startsWith(QStringLiteral("설치 폴더에서")));
  QVERIFY(f.messages.messages[0].endsWith(QStringLiteral("/") + fileName));
  QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
  QVERIFY(!f.dialog.isVisible());
}

void SaveDialogTest::refusedSavesKeepTheDialogAndItsInputs_data() {
  QTest::addColumn<QString>("nickname");
  QTest::addColumn<bool>("missingFolder");
  QTest::addColumn<QString>("message");
  QTest::newRow("folder that does not exist") << QStringLiteral("kim") << true << QStringLiteral("File Open Error!");
  QTest::newRow("nickname naming another folder")
      << QStringLiteral("../kim") << false << QStringLiteral("File Open Error!");
  QTest::newRow("nickname CP949 cannot hold")
      << QStringLiteral("kim\U0001F600") << false
      << QString::fromStdString(brivane::KoreanText(brivane::NicknameNotEncodableMessage("kim\U0001F600")));
}

void SaveDialogTest::refusedSavesKeepTheDialogAndItsInputs() {
  QFETCH(QString, nickname);
  QFETCH(bool, missingFolder);
  QFETCH(QString, message);

  Fixture f;
  if (missingFolder) f.dialog.SetDirectory(f.dir.filePath(QStringLiteral("gone")).toStdString());
  f.dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
  auto* box2 = f.Child<QCheckBox>("checkIncludeSingleSided");
  auto* nick = f.Child<QLineEdit>("editNickName");
  auto* save = f.Child<QPushButton>("buttonSave");
  QVERIFY(box2 && nick && save);
  box2->setChecked(true);
  nick->setText(nickname);
  QTest::mouseClick(save, Qt::LeftButton);

  QCOMPARE(f.messages.messages, QStringList{message});
  QVERIFY(f.dialog.isVisible());
  QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
  QVERIFY(box2->isChecked());
  QCOMPARE(nick->text(), nickname);
  QVERIFY(FilesIn(f.dir.path()).isEmpty());

  // Corrected, the same dialog saves and ends.
  f.dialog.SetDirectory(f.dir.path().toStdString());
  nick->setText(QStringLiteral("kim"));
  QTest::mouseClick(save, Qt::LeftButton);
  QCOMPARE(f.messages.messages.size(), 2);
  QCOMPARE(FilesIn(f.dir.path()), QStringList{kSaveTime + QStringLiteral("(kim).xls")});
  QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
}

void SaveDialogTest::modalLoopIgnoresEnterAndEscAndEndsByCloseBoxOrSave() {
  // Enter and Esc, wherever the focus is, neither save nor cancel; the close box cancels without
  // writing anything.
  {
    Fixture f;
    bool stillOpen = false;
    QTimer::singleShot(0, &f.dialog, [&] {
      f.Child<QLineEdit>("editNickName")->setText(QStringLiteral("kim"));
      f.Child<QCheckBox>("checkIncludeVela")->setChecked(true);
      const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
          {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Escape, Qt::NoModifier}};
      for (const char* name :
           {"checkIncludeDoubleSided", "checkIncludeSingleSided", "buttonSave", "editNickName", "checkIncludeVela"}) {
        QWidget* target = f.Child<QWidget>(name);
        target->setFocus();
        for (const auto& [key, modifiers] : keys) {
          QTest::keyClick(target, key, modifiers);
          stillOpen = f.dialog.isVisible();
          if (!stillOpen) break;
        }
        if (!stillOpen) break;
      }
      // Nothing the keys reached changed what the user entered.
      stillOpen = stillOpen && f.Child<QLineEdit>("editNickName")->text() == QStringLiteral("kim") &&
                  f.Child<QCheckBox>("checkIncludeVela")->isChecked() &&
                  !f.Child<QCheckBox>("checkIncludeSingleSided")->isChecked();
      f.dialog.close();
    });
    QCOMPARE(f.dialog.exec(), int(QDialog::Rejected));
    QVERIFY(stillOpen);
    QVERIFY(f.messages.messages.isEmpty());
    QVERIFY(FilesIn(f.dir.path()).isEmpty());
  }
  // "저장" ends it with OK once the report is written.
  {
    Fixture f;
    QTimer::singleShot(0, &f.dialog, [&] {
      f.Child<QLineEdit>("editNickName")->setText(QStringLiteral("park"));
      QTest::mouseClick(f.Child<QPushButton>("buttonSave"), Qt::LeftButton);
    });
    QCOMPARE(f.dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(FilesIn(f.dir.path()), QStringList{kSaveTime + QStringLiteral("(park).xls")});
  }
}

QTEST_MAIN(SaveDialogTest)
#include "savedialog_test.moc"
