// The axis window driven as a user drives it: a cycle typed into its fields and cells shows, cell
// for cell, what brivane-cli cycle prints as CSV for the same cycle's file; a bad value is marked
// where it was typed and the rest is rated; the plots follow the chosen row.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QXmlStreamReader>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>

#include <optional>
#include <string>

#include "catalog/MotorCatalog.h"
#include "catalog/MotorList.h"
#include "engine/CycleFile.h"
#include "engine/NumberText.h"
#include "engine/TextFile.h"
#include "tests/support/FormDriver.h"
#include "tests/support/Hangul.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/WidgetLookup.h"
#include "tests/support/WorkedExamples.h"
#include "ui/app/Language.h"
#include "ui/axis/AxisCharts.h"
#include "ui/axis/AxisFieldsPanel.h"
#include "ui/axis/AxisPdf.h"
#include "ui/axis/AxisPlotsPane.h"
#include "ui/axis/AxisResultsModel.h"
#include "ui/axis/AxisResultsPane.h"
#include "ui/axis/AxisTexts.h"
#include "ui/axis/AxisWindow.h"
#include "ui/axis/CycleDocument.h"
#include "ui/axis/SegmentEditor.h"
#include "ui/axis/SegmentTableModel.h"
#include "ui/comparison/CandidateTableModel.h"
#include "ui/widgets/EngineTexts.h"

using namespace brivane;
using namespace brivane::ui;
using dialogtest::Child;

namespace {

QString Example(const char* name) { return QStringLiteral(BRIVANE_EXAMPLES_DIR "/") + QLatin1String(name); }

Cycle ReadCycle(const QString& path) {
  const TextFileReading file = ReadTextFile(QFile::encodeName(path).toStdString(), kMaxCycleFileBytes);
  return CycleFromJson(file.text).cycle.value();
}

// RFC 4180 records, CR LF between them.
QList<QStringList> ParseCsv(const QString& text) {
  QList<QStringList> records;
  QStringList fields;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
        field += c;
        ++i;
      } else if (c == u'"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == u'"') {
      quoted = true;
    } else if (c == u',') {
      fields << field;
      field.clear();
    } else if (c == u'\n') {
      fields << field;
      records << fields;
      fields.clear();
      field.clear();
    } else if (c != u'\r') {
      field += c;
    }
  }
  return records;
}

// What the command line prints for the cycle in `path`, as CSV records, the header first.
QList<QStringList> CommandLineRows(const QString& path) {
  QProcess cli;
  cli.start(QStringLiteral(BRIVANE_CLI), {QStringLiteral("cycle"), QStringLiteral("--csv"), path});
  if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
    qFatal("brivane-cli cycle failed: %s", cli.readAllStandardError().constData());
  return ParseCsv(QString::fromUtf8(cli.readAllStandardOutput()));
}

// The results table's header and cells as shown, in the rows' order.
QList<QStringList> WindowRows(const CAxisWindow& window) {
  const QAbstractItemModel* m = window.Results()->Table()->model();
  QList<QStringList> rows;
  QStringList header;
  for (int c = 0; c < m->columnCount(); ++c) header << m->headerData(c, Qt::Horizontal).toString();
  rows << header;
  for (int r = 0; r < m->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < m->columnCount(); ++c) cells << m->index(r, c).data().toString();
    rows << cells;
  }
  return rows;
}

// The window shows, cell for cell, what the command line prints for `cycle` written to a file.
void ExpectAsCommandLine(const CAxisWindow& window, const Cycle& cycle) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("cycle.brivane-cycle"));
  QVERIFY(!WriteWholeFile(QFile::encodeName(path).toStdString(), CycleToJson(cycle)));
  const QList<QStringList> expected = CommandLineRows(path);
  const QList<QStringList> shown = WindowRows(window);
  QCOMPARE(shown.size(), expected.size());
  for (qsizetype r = 0; r < shown.size(); ++r) QCOMPARE(shown[r], expected[r]);
}

QModelIndex Cell(CAxisWindow& window, int row, SegmentField field) {
  return window.Segments()->Model()->index(row, CSegmentTableModel::ColumnOf(field));
}

// Types `text` into a segment's cell as the user does: the cell made current, a key that starts
// the editor, the text, Enter.
void TypeInCell(CAxisWindow& window, int row, SegmentField field, const QString& text) {
  QTableView* table = window.Segments()->Table();
  const QModelIndex cell = Cell(window, row, field);
  table->setCurrentIndex(cell);
  QTest::keyClick(table, Qt::Key_F2);
  auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(cell));
  QVERIFY(editor != nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
}

// A segment's type chosen in its cell's list with the arrow keys.
void ChooseType(CAxisWindow& window, int row, SegmentType type) {
  QTableView* table = window.Segments()->Table();
  const QModelIndex cell = window.Segments()->Model()->index(row, 0);
  table->setCurrentIndex(cell);
  QTest::keyClick(table, Qt::Key_F2);
  auto* combo = qobject_cast<QComboBox*>(table->indexWidget(cell));
  QVERIFY(combo != nullptr);
  QTest::keyClick(combo, type == SegmentType::Dwell ? Qt::Key_Down : Qt::Key_Up);
  QTest::keyClick(combo, Qt::Key_Return);
}

void TypeInField(CAxisWindow& window, AxisField field, const QString& text) {
  QLineEdit* edit = window.Fields()->Field(field);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

// What `brivane-cli cycle --from-move` writes for the move of `options`.
QString CycleOfMoveOptions(const QStringList& options) {
  QProcess cli;
  cli.start(QStringLiteral(BRIVANE_CLI), QStringList{QStringLiteral("cycle"), QStringLiteral("--from-move")} + options);
  if (!cli.waitForFinished(30000) || cli.exitCode() != 0) qFatal("brivane-cli cycle --from-move failed");
  return QString::fromUtf8(cli.readAllStandardOutput());
}

using dialogtest::Execute;
using dialogtest::Run;

// The share of a PDF page's pixels that are dark, as poppler draws it.
double DarkShare(const QString& pdf, int page, const QString& image) {
  const QString n = QString::number(page);
  if (Execute(QStringLiteral("pdftoppm"), {"-gray", "-r", "40", "-f", n, "-l", n, "-singlefile", pdf, image}).status !=
      0)
    return -1;
  const QImage drawn(image + QStringLiteral(".pgm"));
  int dark = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) dark += qGray(drawn.pixel(x, y)) < 160 ? 1 : 0;
  return drawn.isNull() ? -1 : static_cast<double>(dark) / (drawn.width() * drawn.height());
}

QString Number(double v) { return QString::number(v, 'g', 17); }

// The program's texts in a language for as long as it lives, Korean again afterwards (also when a
// check fails and returns early).
struct LanguageFor {
  explicit LanguageFor(Language language) { InstallLanguage(language); }
  ~LanguageFor() { InstallLanguage(Language::Korean); }
  LanguageFor(const LanguageFor&) = delete;
  LanguageFor& operator=(const LanguageFor&) = delete;
};

// The words poppler finds on a PDF's pages, in points from each page's top left.
struct PdfWord {
  int page;
  QRectF box;
  QString text;
};

QList<PdfWord> PdfWords(const QString& pdf) {
  const Run run = Execute(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  QList<PdfWord> words;
  QXmlStreamReader xml(run.out);
  int page = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("page")) ++page;
    if (xml.name() != QLatin1String("word")) continue;
    const auto at = [&](const char* name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
    const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
    words.append({page, box, xml.readElementText()});
  }
  return words;
}

}  // namespace

class AxisWindowTest : public QObject {
  Q_OBJECT
  RecordingMessageSink m_messages;
  ScriptedFileDialogs m_dialogs;

 private slots:
  void initTestCase() { dialogtest::PinEnvironment("brivane-axis-tests"); }
  void init() {
    m_messages = {};
    m_dialogs = {};
  }

  // The pick-and-place example typed into a new window, segment by segment, rates as the command
  // line rates the example's file.
  void ACycleTypedInShowsTheCommandLinesFigures() {
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    const Cycle target = ReadCycle(Example("pick-and-place.brivane-cycle"));
    auto* add = Child<QPushButton>(&window, "buttonAddSegment");
    while (window.Segments()->Model()->rowCount() < static_cast<int>(target.segments.size())) add->click();
    for (std::size_t f = 0; f < kAxisFieldCount; ++f) {
      const auto field = static_cast<AxisField>(f);
      const std::optional<double> v = AxisValue(target, field);
      TypeInField(window, field, v ? Number(*v) : QString());
    }
    for (int row = 0; row < static_cast<int>(target.segments.size()); ++row) {
      const CycleSegment& s = target.segments[static_cast<std::size_t>(row)];
      if (s.type != window.Design().Edited().segments[static_cast<std::size_t>(row)].type)
        ChooseType(window, row, s.type);
      for (std::size_t f = 0; f < kSegmentFieldCount; ++f) {
        const auto field = static_cast<SegmentField>(f);
        if (HasField(s.type, field)) TypeInCell(window, row, field, Number(SegmentValue(s, field)));
      }
    }
    QCOMPARE(window.Design().MarkCount(), std::size_t{0});
    QCOMPARE(QString::fromStdString(CycleToJson(window.Design().Edited())),
             QString::fromStdString(CycleToJson(target)));
    ExpectAsCommandLine(window, target);
    // The plan's columns of the segments' table follow the typing.
    QCOMPARE(Cell(window, 0, SegmentField::Distance).siblingAtColumn(11).data().toString(),
             QString::fromStdString(SegmentColumnText(SegmentColumn::Duration, target, BuildCyclePlan(target), 0)));
  }

  // The segment commands and the acceleration's unit change the cycle as the buttons say, and the
  // results follow: duplicated, moved down, moved up, removed; an acceleration typed in g.
  void TheSegmentCommandsEditTheCycle() {
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    Cycle cycle = ReadCycle(Example("pick-and-place.brivane-cycle"));
    window.SetCycle(cycle);
    QTableView* table = window.Segments()->Table();
    const auto click = [&](const char* name) { QTest::mouseClick(Child<QPushButton>(&window, name), Qt::LeftButton); };
    table->setCurrentIndex(Cell(window, 0, SegmentField::Payload));
    click("buttonDuplicateSegment");  // 0 0 1 2 3, the copy current
    click("buttonSegmentDown");       // 0 1 0 2 3
    click("buttonSegmentDown");       // 0 1 2 0 3
    click("buttonSegmentUp");         // 0 1 0 2 3
    table->setCurrentIndex(Cell(window, 3, SegmentField::Payload));
    click("buttonRemoveSegment");  // 0 1 0 3
    cycle.segments = {cycle.segments[0], cycle.segments[1], cycle.segments[0], cycle.segments[3]};
    QCOMPARE(window.Segments()->Model()->rowCount(), 4);
    QCOMPARE(table->currentIndex().row(), 3);

    auto* unit = Child<QComboBox>(&window, "comboAccelUnit");
    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_Down);  // g
    QCOMPARE(Cell(window, 0, SegmentField::Accel).data().toString(), QString::number(20 / kCycleGravity, 'g', 12));
    TypeInCell(window, 2, SegmentField::Accel, QStringLiteral("1.5"));
    cycle.segments[2].accel = 1.5 * kCycleGravity;
    QCOMPARE(QString::fromStdString(CycleToJson(window.Design().Edited())), QString::fromStdString(CycleToJson(cycle)));
    ExpectAsCommandLine(window, cycle);
  }

  // A text that is no number and a value out of range are marked in their cells with the reason;
  // the cycle is rated at their last accepted values, with every other edit.
  void ABadCellIsMarkedAndTheRestRated() {
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    Cycle cycle = ReadCycle(Example("vertical-axis.brivane-cycle"));
    window.SetCycle(cycle);
    const QString plainTip = Cell(window, 0, SegmentField::Payload).data(Qt::ToolTipRole).toString();
    TypeInCell(window, 0, SegmentField::Payload, QStringLiteral("3x"));
    TypeInCell(window, 2, SegmentField::Velocity, QStringLiteral("-2"));
    TypeInField(window, AxisField::SafetyFactor, QStringLiteral("1.5"));
    TypeInCell(window, 1, SegmentField::TimeMs, QStringLiteral("250"));
    cycle.axis.safetyFactor = 1.5;
    cycle.segments[1].timeMs = 250;

    const QModelIndex payload = Cell(window, 0, SegmentField::Payload);
    const QModelIndex velocity = Cell(window, 2, SegmentField::Velocity);
    QCOMPARE(payload.data().toString(), QStringLiteral("3x"));
    QVERIFY(payload.data(Qt::ToolTipRole).toString().contains(QStringLiteral("수가 아닙니다")));
    QVERIFY(velocity.data(Qt::ToolTipRole).toString() != plainTip);
    for (const QModelIndex& marked : {payload, velocity})
      QVERIFY(marked.data(Qt::BackgroundRole).value<QBrush>() !=
              Cell(window, 0, SegmentField::Distance).data(Qt::BackgroundRole).value<QBrush>());
    QVERIFY(!Cell(window, 1, SegmentField::TimeMs).data(Qt::BackgroundRole).isValid());
    QCOMPARE(window.Design().MarkCount(), std::size_t{2});
    ExpectAsCommandLine(window, cycle);
    QVERIFY(Child<QLabel>(&window, "labelAxisSummary")->text().contains(QStringLiteral("받아들이지 않은 값 2개")));

    // Mended, the values are rated as typed and the marks are gone.
    TypeInCell(window, 0, SegmentField::Payload, QStringLiteral("4"));
    TypeInCell(window, 2, SegmentField::Velocity, QStringLiteral("0.8"));
    cycle.segments[0].payload = 4;
    cycle.segments[2].velocity = 0.8;
    QCOMPARE(window.Design().MarkCount(), std::size_t{0});
    QVERIFY(!Cell(window, 0, SegmentField::Payload).data(Qt::BackgroundRole).isValid());
    ExpectAsCommandLine(window, cycle);
  }

  // The plots are the chosen row's: another row chosen in the results redraws them; a bus voltage
  // too low for the row puts operating points outside its envelope.
  void ThePlotsFollowTheChosenRow() {
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    window.SetCycle(ReadCycle(Example("vertical-axis.brivane-cycle")));
    QTableView* results = window.Results()->Table();
    const auto row = static_cast<int>(MotorCatalog::Instance().FindByName("CL-15").value());
    results->setCurrentIndex(results->model()->index(row, 0));
    QCOMPARE(window.Design().Chosen(), std::optional(static_cast<std::size_t>(row)));
    QVERIFY(Child<QLabel>(&window, "labelPlotsCaption")->text().contains(QStringLiteral("CL-15")));
    const CycleTimePlots& times = window.Design().TimePlots();
    CAxisPlotsPane* plots = window.Plots();
    QCOMPARE(plots->ThrustChart()->Series()->count(), static_cast<qsizetype>(times.thrust.size()));
    QCOMPARE(plots->ThrustChart()->Series()->at(5).y(), times.thrust[5].y);
    QCOMPARE(plots->PlaneChart()->Outside()->count(), qsizetype{0});
    QVERIFY(plots->HoverText(0.05).contains(QStringLiteral("구간 1")));

    TypeInField(window, AxisField::BusVoltage, QStringLiteral("12"));
    QCOMPARE(window.Design().Chosen(), std::optional(static_cast<std::size_t>(row)));
    QCOMPARE(plots->PlaneChart()->Outside()->count(), static_cast<qsizetype>(window.Design().Plane().outside.size()));
    QVERIFY(plots->PlaneChart()->Outside()->count() > 0);
    QCOMPARE(plots->PlaneChart()->PeakEnvelope()->count(), static_cast<qsizetype>(kPlotEnvelopePoints));
  }

  // A keystroke tells the results table of the cells it changed and of no others: every cell
  // whose text, colour or row colour changed is inside a range the view heard, and the names of
  // rows whose colour stayed are not drawn again. The segments' table hears of the edited row
  // only: a payload leaves the plan its other rows show.
  void AnEditRepaintsTheResultsCellsItChanged() {
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    window.SetCycle(ReadCycle(Example("vertical-axis.brivane-cycle")));
    const QAbstractItemModel* m = window.Results()->Table()->model();
    const auto shown = [m](int r, int c) {
      const QModelIndex i = m->index(r, c);
      return QStringList{i.data().toString(), i.data(Qt::ForegroundRole).value<QBrush>().color().name(),
                         i.data(Qt::BackgroundRole).value<QBrush>().color().name(),
                         i.data(CCandidateTableModel::FitsRole).toString()};
    };
    QList<QList<QStringList>> before;
    for (int r = 0; r < m->rowCount(); ++r) {
      before.append(QList<QStringList>());
      for (int c = 0; c < m->columnCount(); ++c) before.back().append(shown(r, c));
    }
    // One keystroke: a digit after the first segment's payload.
    QTableView* segments = window.Segments()->Table();
    segments->setCurrentIndex(Cell(window, 0, SegmentField::Payload));
    QTest::keyClick(segments, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(segments->indexWidget(Cell(window, 0, SegmentField::Payload)));
    QVERIFY(editor != nullptr);
    editor->end(false);
    QSignalSpy told(m, &QAbstractItemModel::dataChanged);
    QSignalSpy segmentsTold(segments->model(), &QAbstractItemModel::dataChanged);
    QTest::keyClick(editor, Qt::Key_5);
    QVERIFY(!segmentsTold.isEmpty());
    for (const QList<QVariant>& range : segmentsTold) {
      QCOMPARE(range[0].value<QModelIndex>().row(), 0);
      QCOMPARE(range[1].value<QModelIndex>().row(), 0);
    }
    const auto heard = [&told](int r, int c) {
      for (const QList<QVariant>& range : told) {
        const auto from = range[0].value<QModelIndex>();
        const auto to = range[1].value<QModelIndex>();
        if (from.row() <= r && r <= to.row() && from.column() <= c && c <= to.column()) return true;
      }
      return false;
    };
    int changed = 0;
    int quietNames = 0;
    QCOMPARE(m->rowCount(), before.size());
    for (int r = 0; r < m->rowCount(); ++r) {
      for (int c = 0; c < m->columnCount(); ++c) {
        if (shown(r, c) == before[r][c]) continue;
        ++changed;
        QVERIFY2(heard(r, c), qPrintable(QStringLiteral("row %1, column %2 changed unheard").arg(r).arg(c)));
      }
      if (shown(r, 0) == before[r][0]) {
        ++quietNames;
        QVERIFY2(!heard(r, 0), qPrintable(QStringLiteral("row %1's name drawn again").arg(r)));
      }
    }
    QVERIFY(changed > m->rowCount());
    QVERIFY(quietNames > 0);
  }

  // "축 설계", from the button and from the view menu, opens the form's move as the command line's
  // --from-move writes it; a move the selection refuses opens nothing.
  void TheFormsMoveOpensAsAOneMoveCycle() {
    formtest::FormDriver form(m_messages, &m_dialogs);
    form.TypeMove(QStringLiteral("2.5"), QStringLiteral("300"));
    form.Type("editDwell", QStringLiteral("200"));
    form.Click("buttonAxisDesign");
    auto* window = form.frame->findChild<CAxisWindow*>(QStringLiteral("axisWindow"));
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    const QStringList options = QString::fromLatin1(brivane::examples::kFirstMoveOptions).split(u' ');
    QStringList move = options;
    move[1] = QStringLiteral("2.5");
    move[3] = QStringLiteral("300");
    move << QStringLiteral("--dwell") << QStringLiteral("200");
    QCOMPARE(QString::fromStdString(CycleToJson(window->Design().Edited())), CycleOfMoveOptions(move));
    QVERIFY(!window->isWindowModified());

    // The user's motors, as the main window holds them, are rated after the built-in rows.
    MotorList motors;
    motors.AddUserMotor(MotorCatalog::Instance().Rows()[20], "my-lift", "lifts");
    form.view->SetMotors(std::move(motors));
    const QAbstractItemModel* results = window->Results()->Table()->model();
    QCOMPARE(results->rowCount(), static_cast<int>(MotorCatalog::kSize) + 1);
    QCOMPARE(results->index(results->rowCount() - 1, 0).data().toString(), QStringLiteral("my-lift"));
    QCOMPARE(results->index(results->rowCount() - 1, 1).data().toString(), QStringLiteral("lifts"));

    // Edited, the next move from the form asks first; the same window shows it.
    TypeInCell(*window, 0, SegmentField::Payload, QStringLiteral("1"));
    form.Type("editLoadMass", QStringLiteral("0"));
    Child<QAction>(form.frame.get(), "actionAxisDesign")->trigger();
    QCOMPARE(m_messages.messages.size(), 1);  // the selection's refusal of the mass
    QVERIFY(m_messages.questions.isEmpty());
    form.Type("editLoadMass", QStringLiteral("1"));
    Child<QAction>(form.frame.get(), "actionAxisDesign")->trigger();
    QCOMPARE(m_messages.questions.size(), 1);
    QCOMPARE(form.frame->findChildren<CAxisWindow*>().size(), qsizetype{1});
    move[1] = QStringLiteral("1");
    QCOMPARE(QString::fromStdString(CycleToJson(window->Design().Edited())), CycleOfMoveOptions(move));
  }

  // In either language, Tab reaches every control of the window and comes back round (no table
  // keeps it), every control has a name for a screen reader, and the English window says nothing
  // in Korean: not on a control, in a tooltip or in a table's header.
  void EveryControlIsReachedByTabAndNamed() {
    for (const Language language : {Language::Korean, Language::English}) {
      const LanguageFor shown(language);
      CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
      window.show();
      QApplication::setActiveWindow(&window);
      window.SetCycle(ReadCycle(Example("vertical-axis.brivane-cycle")));
      window.Segments()->Table()->setCurrentIndex(Cell(window, 1, SegmentField::Payload));  // up and down enabled
      QWidget* first = window.Fields()->Field(AxisField::Inclination);
      first->setFocus();
      QList<QWidget*> reached{first};
      for (int presses = 0; presses < 400 && (presses == 0 || QApplication::focusWidget() != first); ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (!reached.contains(QApplication::focusWidget())) reached << QApplication::focusWidget();
      }
      QCOMPARE(QApplication::focusWidget(), first);
      QStringList texts{window.windowTitle()};
      for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget());
        if (!w->isVisibleTo(&window) || (area != nullptr && area->viewport() == w)) continue;
        texts << w->toolTip() << w->accessibleName();
        if (const auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (const auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (const auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()) continue;
        QVERIFY2(reached.contains(w), qPrintable(w->objectName()));
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
      }
      for (const QAction* a : window.findChildren<QAction*>()) texts << a->text() << a->toolTip();
      for (const QTableView* table : window.findChildren<QTableView*>())
        for (int c = 0; c < table->model()->columnCount(); ++c)
          texts << table->model()->headerData(c, Qt::Horizontal).toString()
                << table->model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
      QVERIFY(texts.size() > 100);
      for (const QString& text : texts)
        QVERIFY2(language == Language::Korean || !brivane::testing::HasHangul(text.toStdString()), qPrintable(text));
    }
  }

  // Every key the window shows does what it says, from wherever the focus is: a segment button's
  // command key and its underlined letter edit the segments about the current one; a label's
  // letter goes to its control; the menu's letter opens the menu.
  void TheShownKeysDoWhatTheySay() {
    const Cycle original = ReadCycle(Example("vertical-axis.brivane-cycle"));
    constexpr int kNew = -1;  // a new move segment
    const struct {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      std::vector<int> order;  // the segments after the key, pressed with the second one current
      int current;             // the segment current after it
      const char* goesTo;      // the control or menu a letter goes to; none for a segment command
    } cases[] = {
        {Qt::Key_Insert, Qt::AltModifier, {0, 1, kNew, 2, 3}, 2, nullptr},
        {Qt::Key_A, Qt::AltModifier, {0, 1, kNew, 2, 3}, 2, nullptr},
        {Qt::Key_D, Qt::ControlModifier, {0, 1, 1, 2, 3}, 2, nullptr},
        {Qt::Key_D, Qt::AltModifier, {0, 1, 1, 2, 3}, 2, nullptr},
        {Qt::Key_Up, Qt::AltModifier, {1, 0, 2, 3}, 0, nullptr},
        {Qt::Key_U, Qt::AltModifier, {1, 0, 2, 3}, 0, nullptr},
        {Qt::Key_Down, Qt::AltModifier, {0, 2, 1, 3}, 2, nullptr},
        {Qt::Key_W, Qt::AltModifier, {0, 2, 1, 3}, 2, nullptr},
        {Qt::Key_Delete, Qt::AltModifier, {0, 2, 3}, 1, nullptr},
        {Qt::Key_R, Qt::AltModifier, {0, 2, 3}, 1, nullptr},
        {Qt::Key_G, Qt::AltModifier, {0, 1, 2, 3}, 1, "comboAccelUnit"},
        {Qt::Key_S, Qt::AltModifier, {0, 1, 2, 3}, 1, "comboAxisSeriesFilter"},
        {Qt::Key_F, Qt::AltModifier, {0, 1, 2, 3}, 1, "menuAxisFile"},
    };
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    QApplication::setActiveWindow(&window);
    for (const auto& c : cases) {
      const QString what = QKeySequence(c.modifiers | c.key).toString();
      window.SetCycle(original);
      window.Segments()->Table()->setCurrentIndex(Cell(window, 1, SegmentField::Payload));
      window.Fields()->Field(AxisField::Drag)->setFocus();
      Cycle expected = original;
      expected.segments.clear();
      for (const int i : c.order)
        expected.segments.push_back(i == kNew ? NewSegment(SegmentType::Move)
                                              : original.segments[static_cast<std::size_t>(i)]);
      QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
      const auto edited = [&] { return CycleToJson(window.Design().Edited()) == CycleToJson(expected); };
      if (c.goesTo == nullptr) {
        QTRY_VERIFY2(edited(), qPrintable(what));  // a button pressed by a key is released a moment later
      } else {
        QWidget* shown =
            QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
        // Known: the results' fitting-only box has the same letter, so the first press goes there.
        if (c.key == Qt::Key_F) QEXPECT_FAIL("", "Alt+F is the file menu's and the fitting-only box's", Continue);
        QVERIFY2(shown != nullptr && shown->objectName() == QLatin1String(c.goesTo), qPrintable(what));
        if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
      }
      QVERIFY2(edited(), qPrintable(what));
      QCOMPARE(window.Segments()->Table()->currentIndex().row(), c.current);
    }
  }

  // The results keep the user's order and filter as the typing re-rates them: after each payload,
  // the rows shown are those of the chosen series (and only the fitting ones when asked), ordered
  // by the clicked column's figure, a second click turning the order round.
  void TheResultsStaySortedAndFilteredWhileTyping() {
    const struct {
      int seriesItem;  // 0: every series, then one item a series
      bool fittingOnly;
      CycleColumn column;
      int clicks;
    } cases[] = {
        {0, true, CycleColumn::RatedDuty, 2},
        {2, false, CycleColumn::Headroom, 1},
        {3, true, CycleColumn::PeakCurrent, 1},
    };
    for (const auto& c : cases) {
      CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
      window.show();
      window.SetCycle(ReadCycle(Example("vertical-axis.brivane-cycle")));
      QTableView* table = window.Results()->Table();
      QHeaderView* header = table->horizontalHeader();
      int column = 0;
      while (table->model()->headerData(column, Qt::Horizontal).toString() != EngineText(ColumnInfo(c.column).header))
        ++column;
      for (int i = 0; i < c.clicks; ++i)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
      const bool ascending = c.clicks == 1;
      QCOMPARE(header->sortIndicatorOrder(), ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
      auto* series = Child<QComboBox>(&window, "comboAxisSeriesFilter");
      series->setFocus();
      for (int i = 0; i < c.seriesItem; ++i) QTest::keyClick(series, Qt::Key_Down);
      auto* fitting = Child<QCheckBox>(&window, "checkAxisFittingOnly");
      fitting->setFocus();
      if (c.fittingOnly) QTest::keyClick(fitting, Qt::Key_Space);
      QSet<qsizetype> counts;
      for (const char* payload : {"3", "9", "25"}) {
        TypeInCell(window, 0, SegmentField::Payload, QLatin1String(payload));
        const AxisDesign& d = window.Design();
        std::vector<int> expected;
        for (std::size_t i = 0; i < d.RatedCount(); ++i) {
          if (c.seriesItem != 0 && d.Rows()[i].series != c.seriesItem) continue;
          if (!c.fittingOnly || d.Row(i).rating->fits) expected.push_back(static_cast<int>(i));
        }
        const auto value = [&](int i) { return CycleColumnValue(c.column, d.Row(static_cast<std::size_t>(i))); };
        const auto below = [&](int a, int b) {  // no figure below every figure
          return std::isnan(value(a)) ? !std::isnan(value(b)) : !std::isnan(value(b)) && value(a) < value(b);
        };
        std::vector<int> shown;
        for (int r = 0; r < table->model()->rowCount(); ++r)
          shown.push_back(table->model()->index(r, 0).data(CAxisResultsModel::PositionRole).toInt());
        QVERIFY2(std::is_sorted(shown.begin(), shown.end(),
                                [&](int a, int b) { return ascending ? below(a, b) : below(b, a); }),
                 payload);
        std::sort(shown.begin(), shown.end());
        QVERIFY2(shown == expected, payload);
        counts << static_cast<qsizetype>(shown.size());
      }
      QVERIFY(counts.size() > 1 || !c.fittingOnly);
    }
  }

  // Hovering shows the values under the mouse: over a time plot, the instant's segment and
  // figures; over the force-speed plane's RMS point, its speed and force.
  void HoveringShowsTheValues() {
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    QApplication::setActiveWindow(&window);
    window.SetCycle(ReadCycle(Example("vertical-axis.brivane-cycle")));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const CycleTimePlots& times = window.Design().TimePlots();
    const ForceSpeedPlane& plane = window.Design().Plane();
    CAxisPlotsPane* plots = window.Plots();
    const double middle = (times.boundaries[2] + times.boundaries[3]) / 2;  // of the third segment
    const struct {
      QChartView* chart;
      QXYSeries* series;
      QPointF value;
      QStringList says;
    } cases[] = {
        {plots->ThrustChart(),
         plots->ThrustChart()->Series(),
         QPointF(middle, 0),
         {QStringLiteral("구간 3"), QStringLiteral("추력 ")}},
        {plots->PlaneChart(),
         plots->PlaneChart()->RmsPoint(),
         QPointF(plane.rms.x, plane.rms.y),
         {QStringLiteral("RMS 점"), QString::fromStdString(FormatFixed(plane.rms.x, 3)) + QStringLiteral(" m/s"),
          QString::fromStdString(FormatFixed(plane.rms.y, 1)) + QStringLiteral(" N")}},
    };
    for (const auto& c : cases) {
      QToolTip::hideText();
      const QPoint at = c.chart->mapFromScene(c.chart->chart()->mapToPosition(c.value, c.series));
      QTest::mouseMove(c.chart->viewport(), at);
      QTRY_VERIFY(QToolTip::isVisible());
      for (const QString& part : c.says) QVERIFY2(QToolTip::text().contains(part), qPrintable(QToolTip::text()));
    }
  }

  // The PDF's tables of many columns give each header and cell room: in either language, every
  // word between a table's heading and its first row is a piece of one header on its own (not run
  // into its neighbour's), and no two of them or of the first row's words overlap (at 48 V the
  // verdicts are long: "bus voltage too low").
  void ThePdfsTableHeadersStandApart() {
    QTemporaryDir dir;
    AxisDesign design(MotorCatalog::Instance().Rows());
    Cycle cycle = ReadCycle(Example("vertical-axis.brivane-cycle"));
    cycle.drive.busVoltage = 48.0;
    design.SetCycle(cycle);
    std::size_t fitting = 0;
    while (!design.Row(fitting).rating->fits) ++fitting;
    for (const Language language : {Language::Korean, Language::English}) {
      const LanguageFor written(language);
      const QString pdf = dir.filePath(LanguageCode(language) + QStringLiteral(".pdf"));
      QCOMPARE(WriteAxisPdf(design, QStringLiteral("axis"), pdf), QString());
      const QList<PdfWord> words = PdfWords(pdf);
      QVERIFY(!words.isEmpty());
      const double left = words[0].box.left();
      QStringList segmentHeaders{EngineText(kSegmentTypeLabel)};
      for (std::size_t f = 0; f < kSegmentFieldCount; ++f) {
        const auto field = static_cast<SegmentField>(f);
        segmentHeaders << FieldCaption(FieldInfo(field), UnitOf(field, design.Unit()));
      }
      QStringList ratedHeaders;
      for (const CycleColumnInfo& c : CycleColumns()) ratedHeaders << EngineText(c.header);
      const struct {
        QString heading;
        QString firstCell;
        QStringList headers;
      } tables[] = {
          {QCoreApplication::translate("brivane::ui::AxisPdf", "구간"),
           EngineText(kSegmentTypeLabels[static_cast<std::size_t>(design.Rated().segments[0].type)]), segmentHeaders},
          {QCoreApplication::translate("brivane::ui::AxisPdf", "사용률 적합 모델의 판정").section(u' ', 0, 0),
           FromUtf8(design.Rows()[fitting].name), ratedHeaders},
      };
      for (const auto& table : tables) {
        const auto atLeft = [&](qsizetype i, const QString& text) {
          return words[i].text == text && qAbs(words[i].box.left() - left) < 0.5;
        };
        qsizetype heading = 0;
        while (heading < words.size() && !atLeft(heading, table.heading)) ++heading;
        QVERIFY2(heading < words.size(), qPrintable(table.heading));
        qsizetype row = heading + 1;
        while (row < words.size() && !(atLeft(row, table.firstCell) && words[row].page == words[heading].page &&
                                       words[row].box.top() > words[heading].box.bottom()))
          ++row;
        QVERIFY2(row < words.size(), qPrintable(table.firstCell));
        QList<PdfWord> header;
        QList<PdfWord> cells;  // of the first row
        for (const PdfWord& w : words) {
          if (w.page != words[row].page) continue;
          if (w.box.top() >= words[heading].box.bottom() && w.box.top() < words[row].box.top()) header << w;
          if (qAbs(w.box.top() - words[row].box.top()) < 0.5) cells << w;
        }
        QVERIFY(header.size() >= 8 && cells.size() >= 8);
        for (const PdfWord& w : header) {
          const auto holds = [&w](const QString& h) { return h.contains(w.text); };
          QVERIFY2(std::any_of(table.headers.begin(), table.headers.end(), holds), qPrintable(w.text));
          QVERIFY2(w.box.bottom() <= words[row].box.top(), qPrintable(w.text));
        }
        const QList<PdfWord> all = header + cells;
        for (const PdfWord& w : all) {
          for (const PdfWord& other : all) {
            const QRectF both = w.box.intersected(other.box);
            QVERIFY2(&w == &other || both.width() < 0.5 || both.height() < 0.5,
                     qPrintable(w.text + QStringLiteral(" / ") + other.text));
          }
        }
      }
    }
  }

  // The PDF of the design, from the window's file menu and from the command line without a
  // window, holds the cycle, the verdicts of the fitting models as the results table shows them and
  // the chosen model's plots, each page drawn.
  void ThePdfHoldsTheCycleAndTheVerdicts() {
    QTemporaryDir dir;
    Cycle cycle = ReadCycle(Example("vertical-axis.brivane-cycle"));
    cycle.drive.busVoltage = 48.0;
    const QString cyclePath = dir.filePath(QStringLiteral("lift.brivane-cycle"));
    QVERIFY(!WriteWholeFile(QFile::encodeName(cyclePath).toStdString(), CycleToJson(cycle)));
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    m_dialogs.paths = {cyclePath, dir.filePath(QStringLiteral("window"))};
    Child<QAction>(&window, "actionOpenCycle")->trigger();
    Child<QAction>(&window, "actionExportAxisPdf")->trigger();
    QCOMPARE(m_messages.messages, QStringList());
    const QString windowPdf = dir.filePath(QStringLiteral("window.pdf"));
    const Run text = Execute(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), windowPdf, QStringLiteral("-")});
    QCOMPARE(text.status, 0);
    const auto holds = [&](const QString& pattern) {
      QVERIFY2(QRegularExpression(pattern).match(text.out).hasMatch(), qPrintable(pattern));
    };
    holds(QStringLiteral("버스 전압 \\(V\\)\\s+48\\n"));
    holds(QStringLiteral("1\\s+move\\s+trapezoid\\s+150\\.0\\s+0\\.250\\s+1\\.000"));
    holds(QStringLiteral("4\\s+dwell\\s+dwell\\s+-\\s+0\\.400\\s+-"));
    const QAbstractItemModel* results = window.Results()->Table()->model();
    int fitting = 0;
    for (int r = 0; r < results->rowCount(); ++r) {
      if (!results->index(r, 0).data(CCandidateTableModel::FitsRole).toBool()) continue;
      ++fitting;
      const auto cell = [&](CycleColumn c) {
        return QRegularExpression::escape(results->index(r, static_cast<int>(c)).data().toString());
      };
      holds(QStringLiteral("[\\n\\f]%1\\s+%2\\s+%3\\s+%4\\s")
                .arg(cell(CycleColumn::Name), cell(CycleColumn::Verdict), cell(CycleColumn::RatedDuty),
                     cell(CycleColumn::PeakDuty)));
    }
    QVERIFY(fitting > 10);
    holds(QStringLiteral("선택한 모델: ") +
          QString::fromStdString(std::string(window.Design().Rows()[*window.Design().Chosen()].name)));

    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) bare.remove(QLatin1String(name));
    const QString cliPdf = dir.filePath(QStringLiteral("cli.pdf"));
    QCOMPARE(
        Execute(QStringLiteral(BRIVANE_EXE), {QStringLiteral("--export-axis-pdf"), cliPdf, cyclePath}, bare).status, 0);
    // The same words and figures; the plots' labels are drawn in the program's fonts.
    const auto figures = [](const QString& all) {
      return all.section(QStringLiteral("사이클의 위치, 속도, 추력"), 0, 0);
    };
    const QString cliText =
        Execute(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), cliPdf, QStringLiteral("-")}).out;
    QVERIFY(figures(text.out).size() < text.out.size());
    QCOMPARE(figures(cliText), figures(text.out));
    const Run info = Execute(QStringLiteral("pdfinfo"), {cliPdf});
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.out).captured(1).toInt();
    QVERIFY(pages >= 3);
    for (int page = 1; page <= pages; ++page)
      QVERIFY2(DarkShare(cliPdf, page, dir.filePath(QStringLiteral("page"))) > 0.002,
               qPrintable(QString::number(page)));
    // A file the checks refuse is no PDF.
    cycle.segments[0].velocity = -1;
    QVERIFY(!WriteWholeFile(QFile::encodeName(cyclePath).toStdString(), CycleToJson(cycle)));
    QCOMPARE(
        Execute(QStringLiteral(BRIVANE_EXE), {QStringLiteral("--export-axis-pdf"), cliPdf, cyclePath}, bare).status,
        64);
  }

  // A cycle opened, edited, saved under a new name and opened again from the recent files shows the
  // same results; a cycle with a marked value is not saved; unsaved changes are asked about.
  void SaveAndReopenGiveTheSameResults() {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("lift"));  // the extension is added
    CAxisWindow window(MotorCatalog::Instance().Rows(), m_messages, &m_dialogs, nullptr);
    window.show();
    m_dialogs.paths = {Example("vertical-axis.brivane-cycle")};
    Child<QAction>(&window, "actionOpenCycle")->trigger();
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("vertical-axis.brivane-cycle")));
    TypeInCell(window, 0, SegmentField::Payload, QStringLiteral("4.5"));
    TypeInField(window, AxisField::BusVoltage, QStringLiteral("48"));
    QVERIFY(window.isWindowModified());

    TypeInCell(window, 2, SegmentField::Distance, QStringLiteral("x"));
    m_dialogs.paths = {saved};
    Child<QAction>(&window, "actionSaveCycleAs")->trigger();
    QCOMPARE(m_messages.messages.size(), 1);
    QVERIFY(!QFile::exists(saved + QStringLiteral(".brivane-cycle")));
    TypeInCell(window, 2, SegmentField::Distance, QStringLiteral("-150"));
    Child<QAction>(&window, "actionSaveCycleAs")->trigger();
    QVERIFY(!window.isWindowModified());
    const QList<QStringList> before = WindowRows(window);
    QCOMPARE(before, CommandLineRows(saved + QStringLiteral(".brivane-cycle")));

    Child<QAction>(&window, "actionNewCycle")->trigger();
    QVERIFY(m_messages.questions.isEmpty());
    QCOMPARE(window.Design().Edited().segments.size(), std::size_t{2});
    QAction* recent = Child<QAction>(&window, "actionRecentCycle0");
    QCOMPARE(recent->text(), QStringLiteral("&1 lift.brivane-cycle"));
    recent->trigger();
    QCOMPARE(WindowRows(window), before);

    // A file that is no cycle file is refused with the field that is wrong; the cycle stays.
    const QString broken = dir.filePath(QStringLiteral("broken.brivane-cycle"));
    QString text = QString::fromStdString(CycleToJson(window.Design().Edited()));
    text.replace(QStringLiteral("\"velocity\": 1,"), QStringLiteral("\"velocity\": \"fast\","));
    QVERIFY(!WriteWholeFile(QFile::encodeName(broken).toStdString(), text.toStdString()));
    m_dialogs.paths = {broken};
    m_messages.messages.clear();
    Child<QAction>(&window, "actionOpenCycle")->trigger();
    QCOMPARE(m_messages.messages.size(), 1);
    QVERIFY2(
        m_messages.messages[0].contains(QStringLiteral("필드 \"segments[0].velocity\": 값의 형식이 맞지 않습니다")),
        qPrintable(m_messages.messages[0]));
    QCOMPARE(WindowRows(window), before);
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("lift.brivane-cycle")));

    // Closing with a change asks; cancelled, the window stays.
    TypeInCell(window, 0, SegmentField::Payload, QStringLiteral("6"));
    m_messages.answer = SaveChoice::Cancel;
    QVERIFY(!window.close());
    QCOMPARE(m_messages.questions, QStringList{QStringLiteral("lift.brivane-cycle의 변경 내용을 저장하시겠습니까?")});
    QVERIFY(window.isVisible());
    m_messages.answer = SaveChoice::Discard;
    QVERIFY(window.close());
  }
};

QTEST_MAIN(AxisWindowTest)
#include "axis_window_test.moc"
