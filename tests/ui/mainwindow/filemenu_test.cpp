// The file menu driven as a user drives it: moves saved and reopened, refused files, unsaved
// changes, the recent files, and the PDF report read back with poppler's tools, from the menu and
// from `brivane --export-pdf`. The settings live in a temporary folder of the tests' own.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "engine/Messages.h"
#include "engine/MoveFile.h"
#include "engine/Session.h"
#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/WidgetLookup.h"
#include "ui/chart/ChartViewer.h"
#include "ui/chart/VelocityChart.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/mainwindow/MoveDocument.h"
#include "ui/mainwindow/RecentFiles.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/MessageSink.h"

using namespace brivane::ui;

namespace {

using dialogtest::Execute;
using dialogtest::Run;

const QString kPlainTitle = QStringLiteral("Dalmer Linear Motor 선정 2020 Ver3.3");

// The inputs a move file holds, as the widgets show them.
const char* const kInputNames[] = {
    "editLoadMass",    "editDistance",   "editAccel",   "editVelocity",         "editDwell",
    "editFriction",    "editSafety",     "editAmbient", "radioAccelG",          "radioAccelTime",
    "comboRatedLimit", "comboPeakLimit", "comboModel",  "checkShowDoubleSided", "checkShowSingleSided",
    "checkShowVela"};

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(f.write(bytes), bytes.size());
}

// The PDF's text as poppler reads it, laid out as on the page.
QString PdfText(const QString& pdf) {
  const Run r = Execute(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  return r.status == 0 ? r.out : QString();
}

}  // namespace

class FileMenuTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_settingsHome;
  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<RecordingMessageSink> m_sink;
  std::unique_ptr<ScriptedFileDialogs> m_dialogs;
  std::unique_ptr<formtest::FormDriver> m_form;
  CMainFrame* m_frame = nullptr;
  CBrivaneView* m_view = nullptr;

  QString Path(const QString& name) const { return m_dir->filePath(name); }
  CMoveDocument& Document() const { return m_frame->Document(); }

  void NewFrame() {
    m_form = std::make_unique<formtest::FormDriver>(*m_sink, m_dialogs.get());
    m_frame = m_form->frame.get();
    m_view = m_form->view;
  }
  void CloseFrame() {
    m_form.reset();
    m_frame = nullptr;
    m_view = nullptr;
  }
  void Trigger(const char* action, const QString& path = QString()) {
    if (!path.isNull()) m_dialogs->paths << path;
    dialogtest::Child<QAction>(m_frame, action)->trigger();
  }
  // Writes `values` to the move file `name` in the test's folder.
  void WriteMove(const char* name, const brivane::FormValues& values) {
    WriteAll(Path(QLatin1String(name)), QByteArray::fromStdString(brivane::MoveToJson(values)));
  }
  // The worked example: 1 kg, 500 mm, 1 g, 1 m/s, CL-01 checked.
  void TypeFirstMove() {
    m_form->TypeMove();
    m_form->PickModel(QStringLiteral("CL-01"));
  }
  // What a widget shows: its text, the current text of a list, or the state of a box.
  static QString Shown(const QWidget* w) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->isChecked() ? "on" : "off";
    return QString();
  }
  // Every named widget of the form with what it shows, and the chart's time labels.
  QStringList FormState() const {
    QStringList state;
    for (const QWidget* w : m_view->findChildren<QWidget*>()) {
      if (!w->objectName().isEmpty() && !Shown(w).isNull()) state << w->objectName() + "=" + Shown(w);
    }
    state << VelocityChartLabels(m_view->findChild<CChartViewer*>()->chart()).join(QLatin1Char('|'));
    return state;
  }
  QStringList Inputs() const {
    QStringList out;
    for (const char* name : kInputNames) out << Shown(dialogtest::Child<QWidget>(m_view, name));
    return out;
  }
  QStringList RecentMenu() const {
    QStringList out;
    for (int i = 0; i < kRecentFileCount; ++i) {
      const QAction* a = m_frame->findChild<QAction*>(QStringLiteral("actionRecent%1").arg(i));
      if (a->isVisible()) out << a->data().toString();
    }
    return out;
  }

 private slots:
  void initTestCase() {
    // Never the user's settings: a temporary folder of the tests' own, under names of their own.
    QVERIFY(m_settingsHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settingsHome.path()));
    dialogtest::PinEnvironment("brivane-filemenu-test");
    QVERIFY(QSettings().fileName().startsWith(m_settingsHome.path()));
  }
  void init() {
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_sink = std::make_unique<RecordingMessageSink>();
    m_dialogs = std::make_unique<ScriptedFileDialogs>();
    NewFrame();
  }
  void cleanup() { CloseFrame(); }

  void fileMenuEntries() {
    QStringList entries;
    for (const QAction* a : m_frame->findChild<QMenu*>(QStringLiteral("menuFile"))->actions()) {
      if (a->isVisible() && !a->isSeparator()) entries << a->text() + " " + a->shortcut().toString();
    }
    QCOMPARE(entries, (QStringList{"새 이동 Ctrl+N", "열기… Ctrl+O", "저장 Ctrl+S", "다른 이름으로 저장… Ctrl+Shift+S",
                                   "PDF로 내보내기… ", "모터 목록… ", "끝내기 Ctrl+Q"}));
    QCOMPARE(m_frame->menuBar()->actions().first()->text(), QStringLiteral("파일(&F)"));
    QCOMPARE(m_frame->windowTitle(), kPlainTitle);
    QVERIFY(!Document().IsModified());
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
    QTest::keyClick(m_frame, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!m_frame->isVisible());
  }

  void savedMoveReopensToTheSameFormAndResults() {
    TypeFirstMove();
    m_form->Type("editDwell", QStringLiteral("250"));
    m_form->Type("editFriction", QStringLiteral("0.05"));
    m_form->Type("editSafety", QStringLiteral("1.75"));
    m_form->Type("editAmbient", QStringLiteral("25"));
    m_form->Click("radioAccelTime");
    m_form->Type("editAccel", QStringLiteral("102.5"));
    m_form->Click("checkShowSingleSided");
    m_form->Click("buttonSelect");
    m_form->Click("buttonCheckDuty");
    QVERIFY(m_sink->messages.isEmpty());
    const QStringList results = FormState();
    const QStringList inputs = Inputs();
    QVERIFY(Document().IsModified());
    // Untitled, the form takes the new move's name in the title to carry the mark of its changes.
    QCOMPARE(m_frame->windowTitle(), "새 이동[*] - " + kPlainTitle);
    QVERIFY(m_frame->isWindowModified());

    Trigger("actionSave", Path("axis"));  // untitled: save asks for a name; the extension is added
    QCOMPARE(Document().FilePath(), Path("axis.brivane"));
    QCOMPARE(m_frame->windowTitle(), "axis.brivane[*] - " + kPlainTitle);
    QVERIFY(!m_frame->isWindowModified());

    Trigger("actionNewMove");
    QCOMPARE(m_frame->windowTitle(), kPlainTitle);
    QVERIFY(Inputs() != inputs);
    Trigger("actionOpen", Path("axis.brivane"));
    QCOMPARE(Inputs(), inputs);
    QVERIFY(!m_frame->isWindowModified());                              // showing the opened move is no change
    QCOMPARE(m_form->Edit("editModelDoubleSided")->text(), QString());  // opening runs no selection
    m_form->Click("buttonSelect");
    m_form->Click("buttonCheckDuty");
    QCOMPARE(FormState(), results);
    QVERIFY(m_sink->messages.isEmpty() && m_sink->questions.isEmpty());

    m_form->Type("editDwell", QStringLiteral("300"));
    QVERIFY(m_frame->isWindowModified());
  }

  void unsavedChangesAreAskedAbout() {
    Trigger("actionSaveAs", Path("first.brivane"));
    const QByteArray saved = ReadAll(Path("first.brivane"));
    m_form->Type("editDwell", QStringLiteral("40"));
    QVERIFY(m_frame->isWindowModified());

    m_sink->answer = SaveChoice::Cancel;
    Trigger("actionNewMove");
    QVERIFY(!m_frame->close());
    QCOMPARE(m_sink->questions.size(), 2);
    QVERIFY(m_sink->questions[0].contains("first.brivane"));
    QCOMPARE(m_form->Edit("editDwell")->text(), QStringLiteral("40"));
    QVERIFY(m_frame->isVisible());

    m_sink->answer = SaveChoice::Save;
    Trigger("actionNewMove");
    QCOMPARE(brivane::MoveFromJson(ReadAll(Path("first.brivane")).toStdString()).values->move.dwellMs, 40.0f);
    QCOMPARE(Document().FilePath(), QString());

    WriteAll(Path("first.brivane"), saved);
    m_form->Type("editDwell", QStringLiteral("7"));
    m_sink->answer = SaveChoice::Discard;
    Trigger("actionOpen", Path("first.brivane"));
    QCOMPARE(m_form->Edit("editDwell")->text(), QStringLiteral("0"));
    m_form->Type("editDwell", QStringLiteral("8"));
    QVERIFY(m_frame->close());
    QCOMPARE(ReadAll(Path("first.brivane")), saved);
    QCOMPARE(m_sink->questions.size(), 5);
    QVERIFY(m_sink->messages.isEmpty());
  }

  void refusedFileLeavesTheFormAsItWas_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("field");
    brivane::FormValues values;
    values.move.peakVelocity = 1.5f;
    const QByteArray good = QByteArray::fromStdString(brivane::MoveToJson(values));
    const auto edit = [&](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    QTest::newRow("not JSON") << good.left(good.size() / 2) << QString();
    QTest::newRow("other format") << edit("brivane-move", "brivane-motor") << "format";
    QTest::newRow("newer version") << edit("\"version\": 1", "\"version\": 2") << "version";
    QTest::newRow("missing field") << edit("\"dwellMs\"", "\"dwell\"") << "move.dwellMs";
    QTest::newRow("wrong type") << edit("\"peakVelocity\": 1.5", "\"peakVelocity\": \"1.5\"") << "move.peakVelocity";
    QTest::newRow("not finite") << edit("\"safetyFactor\": 1.3", "\"safetyFactor\": 1e39") << "move.safetyFactor";
  }
  void refusedFileLeavesTheFormAsItWas() {
    QFETCH(QByteArray, content);
    QFETCH(QString, field);
    // A move with results, open from a file and changed since.
    TypeFirstMove();
    Trigger("actionSaveAs", Path("kept.brivane"));
    m_form->Click("buttonSelect");
    m_form->Type("editDwell", QStringLiteral("12"));
    const QStringList before = FormState();
    const QString title = m_frame->windowTitle();

    WriteAll(Path("bad.brivane"), content);
    m_sink->answer = SaveChoice::Discard;
    Trigger("actionOpen", Path("bad.brivane"));
    QCOMPARE(FormState(), before);
    QCOMPARE(m_frame->windowTitle(), title);
    QVERIFY(m_frame->isWindowModified());
    QCOMPARE(Document().FilePath(), Path("kept.brivane"));
    QCOMPARE(m_sink->messages.size(), 1);
    const QString message = m_sink->messages.first();
    QVERIFY2(message.contains(Path("bad.brivane")), qPrintable(message));
    if (!field.isEmpty()) QVERIFY2(message.contains("\"" + field + "\""), qPrintable(message));
    QCOMPARE(RecentMenu(), QStringList{Path("kept.brivane")});
  }

  void failedSaveKeepsTheOldFile() {
    Trigger("actionSaveAs", Path("old.brivane"));
    const QByteArray old = ReadAll(Path("old.brivane"));
    QVERIFY(old.size() > 64);
    m_form->Type("editLoadMass", QStringLiteral("3"));
    // A full disk: no file of this process may grow beyond 16 bytes while the save runs.
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full{16, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    const bool saved = Document().Save();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!saved);
    QCOMPARE(ReadAll(Path("old.brivane")), old);
    QCOMPARE(m_sink->messages.size(), 1);
    QVERIFY(m_sink->messages.first().contains(Path("old.brivane")));
    QVERIFY(m_frame->isWindowModified());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"old.brivane"});  // no leftovers

    Trigger("actionSaveAs", Path("no-such-folder/new.brivane"));
    QCOMPARE(m_sink->messages.size(), 2);
    QCOMPARE(Document().FilePath(), Path("old.brivane"));
  }

  void recentFilesKeepFourNewestFirst() {
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
      paths << Path(QStringLiteral("move%1.brivane").arg(i));
      Trigger("actionSaveAs", paths.last());
    }
    Trigger("actionOpen", paths[2]);
    const QStringList expected{paths[2], paths[4], paths[3], paths[1]};
    QCOMPARE(RecentMenu(), expected);
    QCOMPARE(dialogtest::Child<QAction>(m_frame, "actionRecent0")->text(), QStringLiteral("&1 move3.brivane"));

    // Remembered for the next run, with the last folder; a recent entry opens its file.
    CloseFrame();
    NewFrame();
    QCOMPARE(RecentMenu(), expected);
    Trigger("actionRecent3");
    QCOMPARE(Document().FilePath(), paths[1]);
    QCOMPARE(RecentMenu(), (QStringList{paths[1], paths[2], paths[4], paths[3]}));
    Trigger("actionOpen", QString(""));  // cancelled
    QCOMPARE(m_dialogs->starts.last(), m_dir->path());
    QVERIFY(m_sink->messages.isEmpty());
  }

  void goneFilesLeaveTheRecentList() {
    for (const char* name : {"kept.brivane", "gone.brivane", "late.brivane"}) Trigger("actionSaveAs", Path(name));
    QVERIFY(QFile::remove(Path("gone.brivane")));
    // The menu lists only files that are still there, and so does the next start.
    auto* menu = dialogtest::Child<QMenu>(m_frame, "menuFile");
    emit menu->aboutToShow();
    QCOMPARE(RecentMenu(), (QStringList{Path("late.brivane"), Path("kept.brivane")}));
    CloseFrame();
    NewFrame();
    QCOMPARE(RecentMenu(), (QStringList{Path("late.brivane"), Path("kept.brivane")}));
    // A file deleted while the menu is open: the open says so, and the entry goes.
    QVERIFY(QFile::remove(Path("kept.brivane")));
    Trigger("actionRecent1");
    QCOMPARE(m_sink->messages.size(), 1);
    QVERIFY(m_sink->messages.first().contains(Path("kept.brivane")));
    QCOMPARE(RecentMenu(), QStringList{Path("late.brivane")});
  }

  void pdfOfTheWorkedExample() {
    TypeFirstMove();
    m_form->Click("buttonSelect");
    m_form->Click("buttonCheckDuty");
    Trigger("actionSaveAs", Path("example.brivane"));
    Trigger("actionExportPdf", Path("menu.pdf"));
    QVERIFY(m_sink->messages.isEmpty());
    QCOMPARE(m_dialogs->starts.last(), Path("example.pdf"));
    const QString text = PdfText(Path("menu.pdf"));
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) read nothing");

    const auto holds = [&](const QString& pattern) {
      QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(pattern + " not in:\n" + text));
    };
    holds(QStringLiteral("부하 질량\\s+1\\s+kg"));
    holds(QStringLiteral("이동 거리\\s+500\\s+mm"));
    holds(QStringLiteral("최대 가속도\\s+1\\s+g"));
    holds(QStringLiteral("최대 속도\\s+1\\s+m/sec"));
    // Each series' model with its two ratios, as the form shows them: CL-01 29.3 23.6 first.
    const char* const series[][3] = {{"editModelDoubleSided", "editRatedDoubleSided", "editPeakDoubleSided"},
                                     {"editModelSingleSided", "editRatedSingleSided", "editPeakSingleSided"},
                                     {"editModelVela", "editRatedVela", "editPeakVela"}};
    for (const auto& row : series) {
      holds(QRegularExpression::escape(m_form->Edit(row[0])->text()) + "\\s+" +
            QRegularExpression::escape(m_form->Edit(row[1])->text()) + "\\s+" +
            QRegularExpression::escape(m_form->Edit(row[2])->text()));
    }
    holds(QStringLiteral("CL-01\\s+29\\.3\\s+23\\.6"));
    for (const char* name : {"editRmsThrust", "editPeakThrust", "editAccelTime", "editConstTime", "editTotalTime",
                             "editAccelDistance", "editConstDistance", "editTotalDistance", "editCoil"}) {
      holds(QStringLiteral("\\s") + QRegularExpression::escape(m_form->Edit(name)->text()) + "\\s");
    }
    // The chart's time labels along its axis, and every selected model's data sheet.
    QStringList labels = VelocityChartLabels(m_view->findChild<CChartViewer*>()->chart());
    for (QString& label : labels) label = QRegularExpression::escape(label.remove(QChar(0x200B)));
    holds(labels.join(QStringLiteral("\\s+")));
    holds(QStringLiteral("양측식-Coreless Type\\s+CL-01"));
    holds(QStringLiteral("편측식 \\(Vela-Series\\) -Cored Type\\s+VC-01"));

    // The first page is drawn: at least one pixel in 200 is dark (the worked example gives ~1.8 %).
    const Run render = Execute(QStringLiteral("pdftoppm"), {"-gray", "-r", "40", "-f", "1", "-l", "1", "-singlefile",
                                                            Path("menu.pdf"), Path("page")});
    QCOMPARE(render.status, 0);
    const QImage page(Path("page.pgm"));
    QVERIFY(!page.isNull());
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 160 ? 1 : 0;
    QVERIFY2(dark > page.width() * page.height() / 200, qPrintable(QString::number(dark)));

    // The command line writes the same report from the saved move, without a window.
    const Run cli = Execute(QStringLiteral(BRIVANE_EXE),
                            {QStringLiteral("--export-pdf"), Path("cli.pdf"), Path("example.brivane")});
    QCOMPARE(cli.status, 0);
    QCOMPARE(PdfText(Path("cli.pdf")), text);
  }

  void pdfSectionsWithoutResultsSaySoAndFailedWritesAreShown() {
    Trigger("actionExportPdf", Path("empty.pdf"));
    const QString text = PdfText(Path("empty.pdf"));
    QVERIFY(text.contains(QStringLiteral("선정 결과가 없습니다")));
    QVERIFY(text.contains(QStringLiteral("부하 분석 결과가 없습니다")));
    QVERIFY(text.contains(QStringLiteral("속도 프로파일이 없습니다")));
    QVERIFY(text.contains(QStringLiteral("표시할 데이터 시트가 없습니다")));
    QVERIFY(m_sink->messages.isEmpty());

    Trigger("actionExportPdf", Path("no-such-folder/report.pdf"));
    QCOMPARE(m_sink->messages.size(), 1);
    QVERIFY(m_sink->messages.first().contains(Path("no-such-folder/report.pdf")));
  }

  void filesThatAreNoRegularFilesAreRefused() {
    TypeFirstMove();
    Trigger("actionSaveAs", Path("kept.brivane"));
    const QStringList before = FormState();
    // Opened: refused at once (a named pipe would block open() for ever), naming the file.
    QVERIFY(mkfifo(QFile::encodeName(Path("pipe.brivane")).constData(), 0600) == 0);
    m_sink->answer = SaveChoice::Discard;
    Trigger("actionOpen", Path("pipe.brivane"));
    QCOMPARE(m_sink->messages.size(), 1);
    QVERIFY2(m_sink->messages.last().contains(Path("pipe.brivane")), qPrintable(m_sink->messages.last()));
    QVERIFY2(m_sink->messages.last().contains(QStringLiteral("named pipe")), qPrintable(m_sink->messages.last()));
    QCOMPARE(FormState(), before);
    QCOMPARE(Document().FilePath(), Path("kept.brivane"));
    // Written to: refused, and the pipe (or a device node, where the tests may make one) stays.
    QStringList targets{Path("pipe.brivane")};
    if (mknod(QFile::encodeName(Path("device.pdf")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0)
      targets << Path("device.pdf");
    for (const QString& target : targets) {
      const bool pdf = target.endsWith(QStringLiteral(".pdf"));
      Trigger(pdf ? "actionExportPdf" : "actionSaveAs", target);
      QVERIFY2(m_sink->messages.last().contains(target), qPrintable(m_sink->messages.last()));
      struct stat info {};
      QCOMPARE(stat(QFile::encodeName(target).constData(), &info), 0);
      QVERIFY(pdf ? S_ISCHR(info.st_mode) : S_ISFIFO(info.st_mode));
    }
    QCOMPARE(m_sink->messages.size(), 1 + targets.size());
    QCOMPARE(Document().FilePath(), Path("kept.brivane"));
  }

  void rememberedGeometryOnlyInsideTheScreen() {
    // A size no screen has, as a hand-edited or foreign settings file may hold.
    QWidget huge;
    huge.setGeometry(0, 0, 32767, 32767);
    const QByteArray stored = huge.saveGeometry();
    CloseFrame();
    QSettings().setValue(QStringLiteral("geometry"), stored);
    NewFrame();
    const QRect screen = m_frame->screen()->availableGeometry();
    QVERIFY2(screen.contains(m_frame->frameGeometry()),
             qPrintable(QStringLiteral("%1x%2").arg(m_frame->width()).arg(m_frame->height())));
    QVERIFY(m_frame->close());
    QCOMPARE(QSettings().value(QStringLiteral("geometry")).toByteArray(), stored);  // not saved back

    // One that fits is taken, and kept on closing.
    CloseFrame();
    QSettings().remove(QStringLiteral("geometry"));
    NewFrame();
    m_frame->setGeometry(QRect(QPoint(300, 200), m_frame->size() - QSize(40, 40)));
    QVERIFY(m_frame->close());
    const QRect placed = m_frame->geometry();
    CloseFrame();
    NewFrame();
    QCOMPARE(m_frame->geometry(), placed);
  }

  void strokeTooShortIsSaidWhereverTheMoveIsRated() {
    // 5 kg, 10 mm, 0.1 g, 5 m/s; the model as another program may write it.
    brivane::FormValues values;
    values.move = {5.0f, 10, brivane::AccelMode::Gravity, 0.1f, 5.0f, 0.0f, 0.1f, 1.3f};
    values.model = "cl-01";
    WriteMove("short.brivane", values);
    Trigger("actionOpen", Path("short.brivane"));
    QCOMPARE(m_view->findChild<QComboBox*>(QStringLiteral("comboModel"))->currentText(), QStringLiteral("CL-01"));

    const QString note = MessageText({brivane::MessageCode::ProfileUnreachable});
    m_form->Click("buttonSelect");
    QCOMPARE(m_sink->messages, QStringList{note});
    QCOMPARE(m_form->Edit("editModelDoubleSided")->text(), QStringLiteral("CL-01"));  // the numbers stay
    QCOMPARE(m_form->Edit("editRatedDoubleSided")->text(), QStringLiteral("36.1"));
    m_form->Click("buttonCompare");
    auto* summary = m_frame->findChild<QLabel*>(QStringLiteral("labelComparisonSummary"));
    QVERIFY(summary && summary->text().contains(note));
    m_form->Click("buttonCheckDuty");  // refused: the stroke is too short
    QCOMPARE(m_sink->messages.last(), MessageText({brivane::MessageCode::ProfileTooShort}));

    Trigger("actionExportPdf", Path("menu.pdf"));
    const QString text = PdfText(Path("menu.pdf")).simplified();
    QVERIFY2(text.contains(QStringLiteral("사용률 계산이 거부되었습니다")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("이동 거리가 짧아 최대 속도에 이르지 못합니다")), qPrintable(text));

    // Without a window: the same PDF, and exit status 1 with the check's message.
    const Run cli = Execute(QStringLiteral(BRIVANE_EXE), {"--export-pdf", Path("cli.pdf"), Path("short.brivane")});
    QCOMPARE(cli.status, 1);
    QVERIFY2(cli.err.contains(QString::fromUtf8(brivane::SourceText(brivane::MessageCode::ProfileTooShort).data())),
             qPrintable(cli.err));
    QCOMPARE(PdfText(Path("cli.pdf")).simplified(), text);
  }

  void unusableSettingsFileStopsNothing() {
    // A named pipe where the settings file belongs: the program says so and goes on without
    // settings, instead of waiting for ever.
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Brivane")));
    const QString conf = home.filePath(QStringLiteral("Brivane/Brivane.conf"));
    QVERIFY(mkfifo(QFile::encodeName(conf).constData(), 0600) == 0);
    brivane::FormValues values;
    values.move = {1.0f, 500, brivane::AccelMode::Gravity, 1.0f, 1.0f, 0.0f, 0.1f, 1.3f};
    WriteMove("move.brivane", values);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BRIVANE_EXE), {"--export-pdf", Path("out.pdf"), Path("move.brivane")});
    const bool finished = p.waitForFinished(30000);
    if (!finished) p.kill();
    QVERIFY2(finished, "blocked on the settings file");
    QCOMPARE(p.exitCode(), 0);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(conf) && err.contains(QStringLiteral("named pipe")), qPrintable(err));
    QVERIFY(QFile::exists(Path("out.pdf")));
  }

  void commandLineExportFailures_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    brivane::FormValues values;
    values.move.loadMass = 1.0f;
    values.move.distanceMm = 500;
    values.move.accelValue = 1.0f;
    const QByteArray noVelocity = QByteArray::fromStdString(brivane::MoveToJson(values));
    QTest::newRow("refused") << QByteArray(noVelocity).replace("\"ambient\"", "\"ambiance\"") << 64 << "\"ambient\"";
    QTest::newRow("selection stops") << noVelocity << 1
                                     << QString::fromUtf8(brivane::SourceText(brivane::MessageCode::Velocity).data());
  }
  void commandLineExportFailures() {
    QFETCH(QByteArray, content);
    QFETCH(int, status);
    QFETCH(QString, said);
    WriteAll(Path("move.brivane"), content);
    const Run run = Execute(QStringLiteral(BRIVANE_EXE), {"--export-pdf", Path("out.pdf"), Path("move.brivane")});
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QVERIFY(!QFile::exists(Path("out.pdf")));
  }

  void pdfHoldsTheCheckedModelBesideThePicks() {
    // IC-22 checked for a move whose single-sided pick is another model: its sheet and duty ratios
    // are in the PDF, after the picks', from the menu and from the command line alike.
    brivane::FormValues values;
    values.move = {60.0f, 300, brivane::AccelMode::Gravity, 0.5f, 0.5f, 0.0f, 0.1f, 1.3f};
    values.model = "IC-22";
    WriteMove("ic22.brivane", values);
    Trigger("actionOpen", Path("ic22.brivane"));
    m_form->Click("buttonSelect");
    m_form->Click("buttonCheckDuty");
    QVERIFY(m_sink->messages.isEmpty());
    QVERIFY(m_form->Text("editModelSingleSided") != QStringLiteral("IC-22"));
    const std::optional<brivane::SeriesSheet> checked = m_form->session.CheckedSheet();
    QVERIFY(checked && checked->texts.model == "IC-22");
    Trigger("actionExportPdf", Path("menu.pdf"));
    const QString text = PdfText(Path("menu.pdf")).simplified();
    const QString sheets = text.mid(text.lastIndexOf(QStringLiteral("선정모터 사양")));
    const QString rows =
        QStringLiteral("IC-22 .* 정격 사용률\\(%\\) %1 최대 사용률\\(%\\) %2")
            .arg(QString::fromStdString(checked->texts.ratedDuty), QString::fromStdString(checked->texts.peakDuty));
    QVERIFY2(sheets.contains(QRegularExpression(rows)), qPrintable(sheets));
    const Run run = Execute(QStringLiteral(BRIVANE_EXE), {"--export-pdf", Path("cli.pdf"), Path("ic22.brivane")});
    QCOMPARE(run.status, 0);
    QCOMPARE(PdfText(Path("cli.pdf")).simplified(), text);
  }

  void commandLineHelpAndNoDisplay() {
    // No display at all, and no platform chosen.
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) bare.remove(QLatin1String(name));
    // --help says the options on stdout and opens nothing (no message box about a file "--help").
    const Run help = Execute(QStringLiteral(BRIVANE_EXE), {"--help"}, bare);
    QCOMPARE(help.status, 0);
    QVERIFY2(help.out.startsWith(QStringLiteral("usage: brivane")) && help.out.contains(QStringLiteral("--export-pdf")),
             qPrintable(help.out));
    // The window without a display: said, with what runs without one, rather than an abort.
    const Run window = Execute(QStringLiteral(BRIVANE_EXE), {Path("none.brivane")}, bare);
    QCOMPARE(window.status, 1);
    QVERIFY2(window.err.contains(QStringLiteral("no display")) && window.err.contains(QStringLiteral("--export-pdf")),
             qPrintable(window.err));
    // An option that is none of ours is a usage error, not a file to open.
    const Run unknown = Execute(QStringLiteral(BRIVANE_EXE), {"--hepl"});
    QCOMPARE(unknown.status, 64);
    QVERIFY2(unknown.err.contains(QStringLiteral("unknown option --hepl")), qPrintable(unknown.err));
  }

  void fileValuesAreRatedAndSavedExactly() {
    // Seven digits the form shows as six: the selection rates the file's value, as brivane-cli does.
    brivane::FormValues exact;
    exact.move = {1.6695607f, 500, brivane::AccelMode::Gravity, 1.0f, 1.0f, 0.0f, 0.1f, 1.3f};
    WriteMove("exact.brivane", exact);
    Trigger("actionOpen", Path("exact.brivane"));
    QCOMPARE(m_form->Text("editLoadMass"), QStringLiteral("1.66956"));
    m_form->Click("buttonSelect");
    const brivane::SelectionOutcome cli = brivane::RunSelection({exact.move});
    QCOMPARE(m_form->Text("editModelVela").toStdString(), cli.series[2].model);
    QCOMPARE(m_form->Text("editModelVela"), QStringLiteral("VC-02"));
    QCOMPARE(m_form->Text("editRatedVela"), QStringLiteral("48.8"));
    QVERIFY(!m_frame->isWindowModified());
    // Written back unchanged, the float range's end too.
    exact.move.dwellMs = 3.4028235e+38f;
    exact.move.safetyFactor = 1.2345678f;
    const QByteArray json = QByteArray::fromStdString(brivane::MoveToJson(exact));
    QVERIFY(json.contains("3.4028235e+38") && json.contains("1.2345678"));
    WriteAll(Path("exact.brivane"), json);
    Trigger("actionOpen", Path("exact.brivane"));
    Trigger("actionSaveAs", Path("again.brivane"));
    QCOMPARE(ReadAll(Path("again.brivane")), json);
    // A typed value is read as typed: six digits rate as six digits.
    m_form->Type("editLoadMass", QStringLiteral("1.66956"));
    m_form->Type("editDwell", QStringLiteral("0"));
    m_form->Type("editSafety", QStringLiteral("1.3"));
    m_form->Click("buttonSelect");
    QCOMPARE(m_form->Text("editModelVela"), QStringLiteral("VC-01"));
    QVERIFY(m_sink->messages.isEmpty());
  }

  void fileWithoutLimitsOrAKnownModelIsHeldAsTheFormCan() {
    brivane::FormValues values;
    values.move = {1.0f, 500, brivane::AccelMode::Gravity, 1.0f, 1.0f, 0.0f, 0.1f, 1.3f};
    values.ratedPosition = values.peakPosition = std::nullopt;
    values.model = "XX-99";
    WriteMove("open.brivane", values);
    Trigger("actionOpen", Path("open.brivane"));
    // No item in either list, no model; the title says the form is not the file.
    for (const char* list : {"comboRatedLimit", "comboPeakLimit", "comboModel"}) {
      auto* combo = dialogtest::Child<QComboBox>(m_view, list);
      QVERIFY2(combo->currentIndex() == -1 && combo->currentText().isEmpty(), list);
    }
    QVERIFY(m_frame->isWindowModified());
    // The buttons answer as for no limits and no model.
    m_form->Click("buttonSelect");
    m_form->Click("buttonCheckDuty");
    QCOMPARE(m_sink->messages, (QStringList{MessageText({brivane::MessageCode::NoLimits}),
                                            MessageText({brivane::MessageCode::NoModel})}));
    // Saved as the form holds it.
    Trigger("actionSave");
    values.model.clear();
    QCOMPARE(ReadAll(Path("open.brivane")), QByteArray::fromStdString(brivane::MoveToJson(values)));
    QVERIFY(!m_frame->isWindowModified());
    // Without a window: the selection's refusal, and no success.
    values.model = "XX-99";
    values.ratedPosition = 9;
    values.peakPosition = 11;
    WriteMove("model.brivane", values);
    for (const auto& [file, code] : {std::pair{"open.brivane", brivane::MessageCode::NoLimits},
                                     std::pair{"model.brivane", brivane::MessageCode::NoModel}}) {
      const Run run = Execute(QStringLiteral(BRIVANE_EXE), {"--export-pdf", Path("out.pdf"), Path(file)});
      QCOMPARE(run.status, 1);
      QVERIFY2(run.err.contains(QString::fromUtf8(brivane::SourceText(code).data())), qPrintable(run.err));
    }
  }
};

QTEST_MAIN(FileMenuTest)
#include "filemenu_test.moc"
