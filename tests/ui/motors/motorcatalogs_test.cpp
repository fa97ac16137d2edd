// The user's motor catalogs driven through 파일 → 모터 목록…: a file added joins the comparison as
// a group of its own with the command line's figures, its motors' data sheet opens from there, the
// form's model list stays the catalog's, a removal takes effect at once, the list is remembered,
// and a start with a vanished and a refused file says so once.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <charconv>
#include <iterator>
#include <memory>
#include <string>

#include "catalog/DataSheetFields.h"
#include "catalog/MotorCatalog.h"
#include "engine/ComparisonTexts.h"
#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/WidgetLookup.h"
#include "tests/support/WorkedExamples.h"
#include "ui/app/Settings.h"
#include "ui/comparison/CandidateTableModel.h"
#include "ui/comparison/ComparisonWindow.h"
#include "ui/datasheet/MotorSpecDlg.h"

using namespace brivane::ui;
using brivane::CandidateColumn;

namespace {

std::string Number(float v) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  return std::string(buffer, end);
}

// A motor of a catalog file with the data-sheet values of `row`; a peak force of `peakShare` of
// the rated force refuses it.
std::string MotorJson(const brivane::MotorRecord& row, const std::string& name, float peakShare = 0.0f) {
  std::string out = "{\"name\": \"" + name + "\", \"family\": \"mine\"";
  for (const brivane::DataSheetField& f : brivane::kDataSheetFields) {
    const float v = f.jsonKey == "peakForce" && peakShare > 0.0f ? row.ratedForce * peakShare : f.value(row);
    out += ", \"" + std::string(f.jsonKey) + "\": " + Number(v);
  }
  return out + ", \"thermalCoefficient\": " + Number(row.thermalCoefficient) + "}";
}

QString WriteCatalog(const QDir& dir, const char* name, const std::string& motors) {
  const QString path = dir.filePath(QLatin1String(name));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  f.write(("{\"format\": \"brivane-motors\", \"version\": 1, \"motors\": [" + motors + "]}").c_str());
  return path;
}

// The key brivane-cli rank --json gives each numeric column, from RatedDuty on in column order.
constexpr const char* kRankKeys[] = {"ratedDuty",        "peakDuty",        "ratedMargin", "peakMargin",
                                     "coilTemp",         "headroomKg",      "peakCurrent", "rmsCurrent",
                                     "peakCurrentShare", "rmsCurrentShare", "backEmf",     "copperLoss"};
static_assert(std::size(kRankKeys) == brivane::kCandidateColumnCount - static_cast<int>(CandidateColumn::RatedDuty));

// The user's rows of brivane-cli rank --motors FILE for the first move, by name.
QHash<QString, QJsonObject> RankedUserRows(const QString& file) {
  QStringList args{QStringLiteral("rank"), QStringLiteral("--json"), QStringLiteral("--motors"), file};
  args += QString::fromLatin1(brivane::examples::kFirstMoveOptions).split(QLatin1Char(' '));
  QProcess cli;
  cli.start(QStringLiteral(BRIVANE_CLI), args);
  if (!cli.waitForFinished(60000) || cli.exitCode() != 0) qFatal("brivane-cli rank failed");
  QHash<QString, QJsonObject> rows;
  for (const QJsonValue row :
       QJsonDocument::fromJson(cli.readAllStandardOutput()).object()[QStringLiteral("models")].toArray()) {
    if (row[QStringLiteral("user")].toBool()) rows.insert(row[QStringLiteral("name")].toString(), row.toObject());
  }
  return rows;
}

int Col(CandidateColumn c) { return static_cast<int>(c); }

}  // namespace

class MotorCatalogsTest : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  std::unique_ptr<RecordingMessageSink> m_sink;
  ScriptedFileDialogs m_dialogs;
  std::unique_ptr<formtest::FormDriver> m_form;

  void Start() {
    m_sink = std::make_unique<RecordingMessageSink>();
    m_form.reset();
    m_form = std::make_unique<formtest::FormDriver>(*m_sink, &m_dialogs);
    m_form->TypeMove();
  }
  QDialog* OpenDialog() const {
    dialogtest::Child<QAction>(m_form->frame.get(), "actionMotorCatalogs")->trigger();
    return dialogtest::Child<QDialog>(m_form->frame.get(), "motorCatalogsDlg");
  }
  static QStringList States(const QDialog* dialog) {
    QStringList states;
    const auto* list = dialogtest::Child<QTreeWidget>(dialog, "listMotorCatalogs");
    for (int i = 0; i < list->topLevelItemCount(); ++i) states << list->topLevelItem(i)->text(1);
    return states;
  }
  QAbstractItemModel* Comparison() const {
    m_form->Click("buttonCompare");
    return dialogtest::Child<CComparisonWindow>(m_form->frame.get(), "comparisonWindow")->Table()->model();
  }

 private slots:
  void initTestCase() {
    dialogtest::PinEnvironment("brivane-ui-motorcatalogs-test");
    QVERIFY(m_dir.isValid());
  }
  void init() { Settings::Remove(Settings::Key::MotorCatalogs); }
  void cleanup() { m_form.reset(); }

  void addedFileIsRatedAsTheCommandLineRatesItThenRemoved() {
    const auto& catalog = brivane::MotorCatalog::Instance();
    const QString file = WriteCatalog(QDir(m_dir.path()), "mine.brivane-motors",
                                      MotorJson(catalog.at(0), "MY-01") + "," + MotorJson(catalog.at(30), "MY-31"));
    Start();
    QDialog* dialog = OpenDialog();
    m_dialogs.paths = {file};
    QTest::mouseClick(dialogtest::Child<QPushButton>(dialog, "buttonAddCatalog"), Qt::LeftButton);
    QCOMPARE(States(dialog), QStringList{QStringLiteral("모터 2개")});
    QCOMPARE(Settings::Value<QStringList>(Settings::Key::MotorCatalogs), QStringList{file});

    // The user's group after the 69 built-in rows, with the command line's figures to the bit.
    QAbstractItemModel* shown = Comparison();
    QCOMPARE(shown->rowCount(), 71);
    const QHash<QString, QJsonObject> ranked = RankedUserRows(file);
    QCOMPARE(ranked.size(), 2);
    for (int r = 69; r < 71; ++r) {
      const QModelIndex name = shown->index(r, Col(CandidateColumn::Name));
      QVERIFY(name.data(CCandidateTableModel::UserRole).toBool());
      const QJsonObject expected = ranked.value(name.data().toString());
      QVERIFY2(!expected.isEmpty(), qPrintable(name.data().toString()));
      QCOMPARE(shown->index(r, Col(CandidateColumn::Series)).data().toString(), QStringLiteral("mine"));
      QCOMPARE(name.data(CCandidateTableModel::FitsRole).toBool(), expected[QStringLiteral("fits")].toBool());
      for (int c = Col(CandidateColumn::RatedDuty); c < shown->columnCount(); ++c) {
        const QString key = QLatin1String(kRankKeys[c - Col(CandidateColumn::RatedDuty)]);
        QCOMPARE(static_cast<float>(shown->index(r, c).data(CCandidateTableModel::SortRole).toDouble()),
                 static_cast<float>(expected[key].toDouble()));
      }
    }
    // In either order of a column the group stays after the built-in models.
    auto* table = dialogtest::Child<QTableView>(m_form->frame.get(), "tableCandidates");
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
      table->sortByColumn(Col(CandidateColumn::RatedMargin), order);
      for (int r = 0; r < 71; ++r)
        QCOMPARE(table->model()->index(r, 0).data(CCandidateTableModel::UserRole).toBool(), r >= 69);
    }
    auto* group = dialogtest::Child<QComboBox>(m_form->frame.get(), "comboSeriesFilter");
    group->setCurrentIndex(group->findData(0));
    QCOMPARE(table->model()->rowCount(), 2);

    // Its data sheet, in the sheets' style, from a double-click; no duty check, no message.
    const QModelIndex mine = table->model()->index(0, Col(CandidateColumn::RatedDuty));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(mine).center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(mine).center());
    auto* sheet = dialogtest::Child<CUserMotorSheet>(m_form->frame.get(), "motorSpecSheet139");
    QCOMPARE(dialogtest::Child<QLineEdit>(sheet, "editModel")->text(), table->model()->index(0, 0).data().toString());
    QCOMPARE(dialogtest::Child<QLineEdit>(sheet, "editRatedDuty")->text(), mine.data().toString());
    QVERIFY(m_sink->messages.isEmpty());

    // Not in the form's model list.
    auto* models = dialogtest::Child<QComboBox>(m_form->view, "comboModel");
    QCOMPARE(models->count(), static_cast<int>(brivane::MotorCatalog::kSize));
    QCOMPARE(models->findText(QStringLiteral("MY-01")), -1);

    // Removed: gone from the open comparison and from the settings at once.
    QTest::mouseClick(dialogtest::Child<QPushButton>(dialog, "buttonRemoveCatalog"), Qt::LeftButton);
    QVERIFY(States(dialog).isEmpty());
    group->setCurrentIndex(0);
    QCOMPARE(table->model()->rowCount(), 69);
    QVERIFY(Settings::Value<QStringList>(Settings::Key::MotorCatalogs).isEmpty());
  }

  void startWithAVanishedAndARefusedFileSaysSoOnce() {
    const QDir dir(m_dir.path());
    const auto& catalog = brivane::MotorCatalog::Instance();
    const QString good = WriteCatalog(dir, "good.brivane-motors", MotorJson(catalog.at(0), "GOOD-01"));
    const QString refused = WriteCatalog(dir, "refused.brivane-motors", MotorJson(catalog.at(0), "BAD-01", 0.5f));
    const QString vanished = dir.filePath(QStringLiteral("vanished.csv"));
    Settings::Set(Settings::Key::MotorCatalogs, QStringList{vanished, good, refused});

    Start();
    QTRY_COMPARE(m_sink->messages.size(), 1);
    const QString notice = m_sink->messages.front();
    QVERIFY2(notice.contains(vanished) && notice.contains(QStringLiteral("파일이 없습니다")), qPrintable(notice));
    QVERIFY2(notice.contains(refused) && notice.contains(QStringLiteral("모터 1 (BAD-01)")) &&
                 notice.contains(QStringLiteral("필드 \"peakForce\"")) &&
                 notice.contains(QStringLiteral("정격값보다 작습니다")),
             qPrintable(notice));
    QVERIFY(!notice.contains(good));

    // The file that was read is rated; the others stay listed with why, and in the settings.
    QAbstractItemModel* shown = Comparison();
    QCOMPARE(shown->rowCount(), 70);
    QCOMPARE(shown->index(69, 0).data().toString(), QStringLiteral("GOOD-01"));
    const QStringList states = States(OpenDialog());
    QCOMPARE(states.size(), 3);
    QCOMPARE(states[0], QStringLiteral("읽지 않음: 파일이 없습니다"));
    QCOMPARE(states[1], QStringLiteral("모터 1개"));
    QVERIFY2(states[2].startsWith(QStringLiteral("읽지 않음: 모터 1 (BAD-01)")), qPrintable(states[2]));
    QCOMPARE(Settings::Value<QStringList>(Settings::Key::MotorCatalogs), (QStringList{vanished, good, refused}));
    QCOMPARE(m_sink->messages.size(), 1);
  }
};

QTEST_MAIN(MotorCatalogsTest)
#include "motorcatalogs_test.moc"
