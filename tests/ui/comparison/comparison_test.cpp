// The comparison window driven as a user drives it: opened after a selection, sorted, filtered,
// a row picked for the duty check, refreshed by the form's buttons, saved as CSV.
#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "catalog/MotorCatalog.h"
#include "engine/ComparisonTexts.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"
#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/WidgetLookup.h"
#include "tests/support/WorkedExamples.h"
#include "ui/comparison/CandidateTableModel.h"
#include "ui/comparison/ComparisonWindow.h"
#include "ui/datasheet/MotorSpecDlg.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/widgets/MessageSink.h"
#include "ui/widgets/ResultMarks.h"

using namespace brivane::ui;
using brivane::CandidateColumn;

namespace {

int Col(CandidateColumn c) { return static_cast<int>(c); }

QString Cell(const QAbstractItemModel* m, int row, CandidateColumn c) {
  return m->index(row, Col(c)).data().toString();
}

// Clicks a column's header, as the user sorts.
void ClickHeader(QTableView* table, CandidateColumn c) {
  QHeaderView* header = table->horizontalHeader();
  const int x = header->sectionViewportPosition(Col(c)) + header->sectionSize(Col(c)) / 2;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

// The rows' sort numbers of a column, in the order shown.
QList<double> Numbers(const QAbstractItemModel* m, CandidateColumn c) {
  QList<double> out;
  for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, Col(c)).data(CCandidateTableModel::SortRole).toDouble();
  return out;
}

}  // namespace

class ComparisonTest : public QObject {
  Q_OBJECT

  std::unique_ptr<RecordingMessageSink> m_sink;
  std::unique_ptr<formtest::FormDriver> m_form;
  CMainFrame* m_frame = nullptr;
  CBrivaneView* m_view = nullptr;
  QTemporaryDir m_dir;
  ScriptedFileDialogs m_dialogs;

  void Click(const char* name) const { m_form->Click(name); }
  void Type(const char* name, const QString& text) const { m_form->Type(name, text); }
  QList<CComparisonWindow*> Windows() const { return m_frame->findChildren<CComparisonWindow*>(); }
  CComparisonWindow* Window() const { return Windows().size() == 1 ? Windows().front() : nullptr; }
  // The engine's comparison of what the form last read.
  brivane::ComparisonOutcome Expected() const { return CompareFormValues(m_view->Values()); }

 private slots:
  void initTestCase() {
    dialogtest::PinEnvironment("brivane-ui-comparison-test");
    QVERIFY(m_dir.isValid());
  }
  void init() {
    m_sink = std::make_unique<RecordingMessageSink>();
    m_dialogs.paths.clear();
    m_form = std::make_unique<formtest::FormDriver>(*m_sink, &m_dialogs);
    m_frame = m_form->frame.get();
    m_view = m_form->view;
    brivane::FormValues values;
    values.move = brivane::examples::FirstMove();
    m_view->SetValues(values);
  }
  void cleanup() {
    m_form.reset();
    m_frame = nullptr;
    m_view = nullptr;
  }

  void sortsFiltersAndPicksARowForTheDutyCheck() {
    Click("buttonSelect");
    Click("buttonCompare");
    QCOMPARE(m_sink->messages, QStringList());
    CComparisonWindow* window = Window();
    QVERIFY(window != nullptr && window->isVisible());
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }
    QTableView* table = window->Table();
    const QAbstractItemModel* shown = table->model();
    const brivane::ComparisonOutcome expected = Expected();
    QCOMPARE(shown->rowCount(), static_cast<int>(brivane::MotorCatalog::Instance().size()));

    // Catalog order at first, and the selection's picks are the marked rows.
    QStringList picks;
    for (const char* edit : {"editModelDoubleSided", "editModelSingleSided", "editModelVela"})
      picks << m_view->findChild<QLineEdit*>(QLatin1String(edit))->text();
    QStringList marked;
    int fitting = 0;
    int fittingVela = 0;
    for (int r = 0; r < shown->rowCount(); ++r) {
      const brivane::CandidateRating& c = expected.rows[static_cast<std::size_t>(r)];
      QCOMPARE(Cell(shown, r, CandidateColumn::Name), QString::fromUtf8(c.name.data(), qsizetype(c.name.size())));
      if (shown->index(r, 0).data(CCandidateTableModel::SelectedRole).toBool())
        marked << Cell(shown, r, CandidateColumn::Name);
      fitting += c.fits ? 1 : 0;
      fittingVela += c.fits && c.series == brivane::MotorSeries::Vela ? 1 : 0;
    }
    QCOMPARE(marked, picks);
    QVERIFY(fittingVela >= 2 && fitting > fittingVela);

    // Sorted as numbers, the shown (rounded) texts too; twice is descending.
    for (const CandidateColumn column : {CandidateColumn::RatedDuty, CandidateColumn::CopperLoss}) {
      ClickHeader(table, column);
      QList<double> numbers = Numbers(shown, column);
      QVERIFY(std::is_sorted(numbers.begin(), numbers.end()));
      QList<double> texts;
      for (int r = 0; r < shown->rowCount(); ++r) texts << Cell(shown, r, column).toDouble();
      QVERIFY(std::is_sorted(texts.begin(), texts.end()));
      ClickHeader(table, column);
      numbers = Numbers(shown, column);
      QVERIFY(std::is_sorted(numbers.rbegin(), numbers.rend()));
    }

    FIND_CHILD(fittingOnly, QCheckBox, window, "checkFittingOnly");
    FIND_CHILD(series, QComboBox, window, "comboSeriesFilter");
    fittingOnly->click();
    QCOMPARE(shown->rowCount(), fitting);
    series->setCurrentIndex(series->findData(static_cast<int>(brivane::MotorSeries::Vela)));
    QCOMPARE(shown->rowCount(), fittingVela);
    for (int r = 0; r < shown->rowCount(); ++r) {
      QVERIFY(shown->index(r, 0).data(CCandidateTableModel::FitsRole).toBool());
      QCOMPARE(shown->index(r, 0).data(CCandidateTableModel::SeriesRole).toInt(), 3);
    }
    const QList<double> numbers = Numbers(shown, CandidateColumn::CopperLoss);
    QVERIFY(std::is_sorted(numbers.rbegin(), numbers.rend()));  // the order holds under the filter

    // A double-click on a fitting model that is not the pick checks that model, as the button does;
    // Enter on another row checks that one.
    for (const bool byKey : {false, true}) {
      int row = 0;
      while (shown->index(row, 0).data(CCandidateTableModel::SelectedRole).toBool() ||
             Cell(shown, row, CandidateColumn::Name).toStdString() == m_view->Values().model)
        ++row;
      const QString model = Cell(shown, row, CandidateColumn::Name);
      const QModelIndex index = shown->index(row, Col(CandidateColumn::PeakDuty));
      if (byKey) {
        table->setCurrentIndex(index);
        QTest::keyClick(table, Qt::Key_Return);
      } else {
        const QPoint at = table->visualRect(index).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
      }
      QCOMPARE(m_view->findChild<QComboBox*>(QStringLiteral("comboModel"))->currentText(), model);
      const brivane::FormValues& v = m_view->Values();
      const brivane::DutyCheckOutcome check = brivane::CheckModelDuty(
          {v.move, model.toStdString(), brivane::ParseAmbientText(v.ambient)}, brivane::MotorCatalog::Instance());
      QVERIFY(check.analysis.has_value());
      const brivane::AnalysisTexts texts = brivane::FormatAnalysisTexts(*check.analysis);
      QCOMPARE(m_view->findChild<QLineEdit*>(QStringLiteral("editPeakThrust"))->text(),
               QString::fromStdString(texts.analysis[1]));
      QCOMPARE(m_view->findChild<QLineEdit*>(QStringLiteral("editCoil"))->text(), QString::fromStdString(texts.coil));
      QString sheetModel;  // the data sheet the check opens shows the model
      for (const CMotorSpecSheet* sheet : m_frame->findChildren<CMotorSpecSheet*>())
        sheetModel = sheet->findChild<QLineEdit*>(QStringLiteral("editModel"))->text();
      QCOMPARE(sheetModel, model);
      // The check refreshed the table: filter and order held, the chosen row still current.
      QCOMPARE(shown->rowCount(), fittingVela);
      QCOMPARE(table->currentIndex().data(CCandidateTableModel::ModelRole).toString(), model);
    }
    QCOMPARE(m_sink->messages, QStringList());
  }

  void followsTheFormsButtonsAsOneWindow() {
    Click("buttonCompare");
    QVERIFY(Window() != nullptr);
    const QAbstractItemModel* shown = Window()->Table()->model();

    // A heavier load, then "Linear Motor 선정": the open table shows the new ratings.
    Type("editLoadMass", QStringLiteral("30"));
    Click("buttonSelect");
    const brivane::ComparisonOutcome heavy = Expected();
    QCOMPARE(m_view->Values().move.loadMass, 30.0f);
    QCOMPARE(shown->rowCount(), static_cast<int>(heavy.rows.size()));
    for (int r = 0; r < shown->rowCount(); ++r) {
      const brivane::CandidateTexts texts = brivane::FormatCandidateTexts(heavy.rows[static_cast<std::size_t>(r)]);
      for (const CandidateColumn c :
           {CandidateColumn::RatedDuty, CandidateColumn::PeakMargin, CandidateColumn::Headroom})
        QCOMPARE(Cell(shown, r, c), QString::fromStdString(texts[static_cast<std::size_t>(c)]));
    }

    // Pressed again, and through the menu: still the one window.
    Click("buttonCompare");
    m_frame->findChild<QAction*>(QStringLiteral("actionCompare"))->trigger();
    QCOMPARE(Windows().size(), 1);
    QVERIFY(Window()->isVisible());

    // A form the buttons cannot read: their message, once, and an empty table.
    for (const char* button : {"buttonSelect", "buttonCheckDuty"}) {
      Type("editLoadMass", QStringLiteral("30"));
      Click("buttonCompare");
      QVERIFY(shown->rowCount() > 0);
      Type("editLoadMass", QStringLiteral("x"));
      m_sink->messages.clear();
      Click(button);
      QCOMPARE(m_sink->messages, QStringList{QStringLiteral("숫자를 입력하십시오.")});
      QCOMPARE(shown->rowCount(), 0);
    }

    // Closed, it is gone; the button opens a new one.
    Window()->close();
    QTRY_COMPARE(Windows().size(), 0);
    Type("editLoadMass", QStringLiteral("1"));
    Click("buttonCompare");
    QVERIFY(Window() != nullptr && Window()->Table()->model()->rowCount() > 0);
  }

  void greysWhatTheInputsOutdateAndEmptiesForANewMove() {
    Click("buttonSelect");
    Click("buttonCompare");
    CComparisonWindow* window = Window();
    QVERIFY(window != nullptr);
    QTableView* table = window->Table();
    const QAbstractItemModel* shown = table->model();
    // Bright while the rows follow from the inputs: the fitting rows have their colour.
    const auto coloured = [shown] {
      int rows = 0;
      for (int r = 0; r < shown->rowCount(); ++r) rows += shown->index(r, 0).data(Qt::BackgroundRole).isValid() ? 1 : 0;
      return rows;
    };
    QVERIFY(coloured() > 0 && !IsStale(table));
    // An edit greys them, as it greys the form's results, until a button rates the move again.
    Type("editLoadMass", QStringLiteral("30"));
    QVERIFY(IsStale(table) && coloured() == 0);
    QVERIFY(shown->rowCount() > 0);
    Click("buttonSelect");
    QVERIFY(!IsStale(table) && coloured() > 0);
    // A new move (Ctrl+N) leaves no rows of the old one.
    m_sink->answer = SaveChoice::Discard;
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
    QTest::keyClick(m_frame, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_view->Values().move.loadMass, brivane::FormValues{}.move.loadMass);
    QCOMPARE(shown->rowCount(), 0);
    QVERIFY(!IsStale(table));
    // Esc closes the window, as it closes a data sheet.
    window->Present();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(table, Qt::Key_Escape);
    QTRY_COMPARE(Windows().size(), 0);
  }

  void refusesAsTheSelectionDoes_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::newRow("not a number") << "editVelocity"
                                  << "1..0";
    QTest::newRow("no load") << "editLoadMass"
                             << "0";
    QTest::newRow("no velocity") << "editVelocity"
                                 << "0";
    QTest::newRow("limit not in the list") << "comboRatedLimit"
                                           << "33%";
  }
  void refusesAsTheSelectionDoes() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    if (auto* combo = m_view->findChild<QComboBox*>(edit)) {
      combo->lineEdit()->clear();
      QTest::keyClicks(combo->lineEdit(), text);
    } else {
      Type(edit.toLatin1().constData(), text);
    }
    Click("buttonSelect");
    const QStringList selection = m_sink->messages;
    QVERIFY(!selection.isEmpty());
    m_sink->messages.clear();
    Click("buttonCompare");
    QCOMPARE(m_sink->messages, selection);
    QCOMPARE(Windows().size(), 0);
  }

  void savesWhatTheTableShowsAsCsv() {
    Click("buttonCompare");
    CComparisonWindow* window = Window();
    QVERIFY(window != nullptr);
    QTableView* table = window->Table();
    const QAbstractItemModel* shown = table->model();
    const QString path = m_dir.filePath(QStringLiteral("후보.csv"));
    // A file that cannot be written comes second. (A name whose temporary sibling is too long for
    // the file system fails even for the superuser.)
    const QString unwritable = m_dir.filePath(QString(250, QLatin1Char('a')) + QStringLiteral(".csv"));
    m_dialogs.paths = QStringList{path, unwritable};

    FIND_CHILD(fittingOnly, QCheckBox, window, "checkFittingOnly");
    fittingOnly->click();
    ClickHeader(table, CandidateColumn::Headroom);
    ClickHeader(table, CandidateColumn::Headroom);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    FIND_CHILD(save, QPushButton, window, "buttonSaveCsv");
    save->click();
    QCOMPARE(m_sink->messages, QStringList());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3).chopped(2)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), shown->rowCount() + 1);
    QVERIFY(shown->rowCount() < static_cast<int>(brivane::MotorCatalog::Instance().size()));
    for (int r = -1; r < shown->rowCount(); ++r) {
      const QStringList fields = lines[r + 1].split(QLatin1Char(','));
      QCOMPARE(fields.size(), shown->columnCount());
      for (int c = 0; c < shown->columnCount(); ++c) {
        const QString want =
            r < 0 ? shown->headerData(c, Qt::Horizontal).toString() : shown->index(r, c).data().toString();
        QCOMPARE(fields[c], want);
      }
    }
    file.close();

    // The unwritable one: a message, and the file already there as it was.
    QVERIFY(old.rename(unwritable));
    save->click();
    QCOMPARE(m_sink->messages.size(), 1);
    QVERIFY(m_sink->messages.front().startsWith(QStringLiteral("CSV 파일을 저장하지 못했습니다: ") + unwritable));
    QFile kept(unwritable);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
  }

  void csvOntoAFullDiskKeepsTheOldFileAndSaysSo() {
    Click("buttonCompare");
    CComparisonWindow* window = Window();
    QVERIFY(window != nullptr);
    const QString path = m_dir.filePath(QStringLiteral("old.csv"));
    const QByteArray old(5000, 'o');
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    FIND_CHILD(save, QPushButton, window, "buttonSaveCsv");
    // No file may grow beyond 3000 bytes (the table has about 12 000), and then none at all.
    for (const rlim_t limit : {rlim_t{3000}, rlim_t{0}}) {
      m_sink->messages.clear();
      m_dialogs.paths = QStringList{path};
      rlimit saved{};
      QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
      const auto handler = std::signal(SIGXFSZ, SIG_IGN);
      rlimit full = saved;
      full.rlim_cur = limit;
      QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
      save->click();
      setrlimit(RLIMIT_FSIZE, &saved);
      std::signal(SIGXFSZ, handler);
      QCOMPARE(m_sink->messages.size(), 1);
      QVERIFY2(
          m_sink->messages.front().contains(path) && m_sink->messages.front().contains(QStringLiteral("too large")),
          qPrintable(m_sink->messages.front()));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), old);
      file.close();
      QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*old.csv*")}, QDir::Files | QDir::Hidden),
               QStringList{QStringLiteral("old.csv")});  // nothing left beside it
    }
  }
};

QTEST_MAIN(ComparisonTest)
#include "comparison_test.moc"
