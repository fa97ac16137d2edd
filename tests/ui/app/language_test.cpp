// The window in both languages: switching finds the English texts on the form, the data sheets, the
// comparison window, the save dialog, the About box and the message boxes, and the Korean source texts back after
// switching again; no Hangul is left in English, no text is clipped in either language; the
// start language and the menu that keeps it for the next start.
#include "ui/app/Language.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/DataSheetFields.h"
#include "catalog/Series.h"
#include "engine/ComparisonTexts.h"
#include "engine/FormValues.h"
#include "engine/Messages.h"
#include "engine/Presentation.h"
#include "engine/Session.h"
#include "report/Report.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/WidgetLookup.h"
#include "tests/support/WorkedExamples.h"
#include "ui/app/Settings.h"
#include "ui/comparison/ComparisonWindow.h"
#include "ui/datasheet/MotorSpecDlg.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/AboutDlg.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/motors/MotorCatalogs.h"
#include "ui/output/SaveDataDlg.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/MessageSink.h"

using namespace brivane::ui;
using brivane::Message;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool HasHangul(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0xAC00 && u <= 0xD7A3) || (u >= 0x1100 && u <= 0x11FF) || (u >= 0x3130 && u <= 0x318F)) return true;
  }
  return false;
}

// The language menu names itself and Korean in Hangul in both interfaces.
bool InBothLanguages(const QString& text) {
  return text == QStringLiteral("언어 / Language") || text == QStringLiteral("한국어");
}

// Every text a window shows or tells a screen reader: titles, labels, buttons, group titles,
// menus, actions with their tips.
QStringList ShownTexts(const QWidget* window) {
  QStringList texts{window->windowTitle()};
  QList<const QWidget*> widgets{window};
  for (const QWidget* w : window->findChildren<QWidget*>()) widgets << w;
  for (const QWidget* w : widgets) {
    texts << w->accessibleName() << w->toolTip() << w->statusTip();
    if (const auto* l = qobject_cast<const QLabel*>(w)) texts << l->text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) texts << b->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) texts << g->title();
    if (const auto* m = qobject_cast<const QMenu*>(w)) texts << m->title();
  }
  for (const QAction* a : window->findChildren<QAction*>()) texts << a->text() << a->statusTip() << a->toolTip();
  texts.removeAll(QString());
  return texts;
}

void VerifyNoHangul(const QWidget* window) {
  for (const QString& text : ShownTexts(window)) {
    QVERIFY2(InBothLanguages(text) || !HasHangul(text),
             qPrintable(QStringLiteral("untranslated in %1: %2").arg(window->objectName(), text)));
  }
}

// The size a widget's text needs: a push button's or a group's text within its frame (a push button's
// own minimum width is the style's, not its text's), a label's or a check box's whole minimum.
QSize TextNeeds(const QWidget* w) {
  const QFontMetrics fm = w->fontMetrics();
  if (const auto* button = qobject_cast<const QPushButton*>(w)) {
    const int margin = 2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    return fm.size(Qt::TextShowMnemonic, button->text()) + QSize(margin, 0);
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
    return {fm.horizontalAdvance(group->title()) + 2 * fm.averageCharWidth(), fm.height()};
  }
  return w->minimumSizeHint();
}

// Labels, buttons and group titles hold their whole text: the data sheets and the save dialog place
// them by hand at fixed sizes, so a longer translation would be cut off there.
void VerifyTextsFit(const QWidget* window) {
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    const auto* label = qobject_cast<const QLabel*>(w);
    const bool text = (label != nullptr && !label->text().isEmpty()) || qobject_cast<const QAbstractButton*>(w) ||
                      qobject_cast<const QGroupBox*>(w);
    if (!text || !w->isVisibleTo(window)) continue;
    const QSize needed = TextNeeds(w);
    QVERIFY2(needed.width() <= w->width() && needed.height() <= w->height(),
             qPrintable(QStringLiteral("%1 in %2 (%7) needs %3x%4, has %5x%6")
                            .arg(w->objectName(), window->objectName())
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(w->width())
                            .arg(w->height())
                            .arg(LanguageCode(InstalledLanguage()))));
  }
}

// What the switch is checked by, in each language.
struct Shown {
  Language language;
  QString title;
  QString selectButton;
  QString sheetGroup;       // the single-sided data sheet's group
  QString sheetRatedForce;  // its first label
  QString includeBox;       // the save dialog's first check box
  QString saveButton;
  QString zeroAccel;        // the form's message for the empty move
  QString nicknameRefusal;  // the save dialog's message for a nickname CP949 cannot hold
};

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");

Shown Korean() {
  return {Language::Korean,
          QStringLiteral("Dalmer Linear Motor 선정 2020 Ver3.3"),
          QStringLiteral("Linear Motor 선정"),
          QStringLiteral("편측식-Cored Type"),
          QStringLiteral("정격 추력[N]"),
          QStringLiteral("양측식 Motor 사양 포함"),
          QStringLiteral("저장"),
          Q(brivane::SourceText(brivane::MessageCode::AccelG)),
          Q(brivane::KoreanText(brivane::NicknameNotEncodableMessage((QStringLiteral("Kim") + kEmoji).toStdString())))};
}

Shown English() {
  return {Language::English,
          QStringLiteral("Dalmer Linear Motor Selection 2020 Ver3.3"),
          QStringLiteral("Select Linear Motor"),
          QStringLiteral("Single-sided - Cored Type"),
          QStringLiteral("Rated force[N]"),
          QStringLiteral("Include Double-sided"),
          QStringLiteral("Save"),
          QStringLiteral("The peak acceleration is set wrong!"),
          QStringLiteral("Nothing was saved: the character \"%1\" of the nickname cannot be written in the Korean "
                         "encoding of the report file (CP949). Please change the nickname.")
              .arg(kEmoji)};
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

  // Builds the window in `expected.language` and walks it: the form, its message, the three data
  // sheets, the save dialog and its message, the About box.
  void VerifyWindow(const Shown& expected);

 private slots:
  void initTestCase() {
    dialogtest::PinEnvironment("brivane-language-test");
    // Never the user's own settings: the menu writes here.
    QVERIFY(m_settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QVERIFY(QSettings().fileName().startsWith(m_settingsDir.path()));
  }
  void cleanupTestCase() { InstallLanguage(Language::Korean); }

  void switchingShowsEveryWindowInTheOtherLanguage() {
    for (const Shown& expected : {Korean(), English(), Korean()}) {
      VerifyWindow(expected);
      if (QTest::currentTestFailed()) return;
    }
  }

  void engineMessagesAreTranslatedByCodeAndKoreanStaysTheEngines() {
    QSet<QString> english;
    for (const brivane::MessageText& row : brivane::kMessageTexts) {
      const Message message{row.code};
      InstallLanguage(Language::Korean);
      QCOMPARE(MessageText(message), Q(row.korean));
      InstallLanguage(Language::English);
      const QString text = MessageText(message);
      QVERIFY2(!text.isEmpty() && !HasHangul(text), qPrintable(text));
      english.insert(text);
    }
    QCOMPARE(english.size(), static_cast<qsizetype>(brivane::kMessageTexts.size()));  // no two codes share one
    InstallLanguage(Language::Korean);
  }

  // The engine's and the catalog's table texts are found by lupdate only through their markers
  // (catalog/Translatable.h): a text written without one leaves Hangul in English.
  void engineTableTextsAreTranslated() {
    std::vector<std::string> texts;
    for (const auto& s : brivane::kSeriesTable)
      texts.insert(texts.end(), {std::string(s.caption), std::string(s.name), std::string(s.sheetCaption)});
    for (const auto& f : brivane::kDataSheetFields) texts.emplace_back(f.sheetLabel);
    for (const auto& r : brivane::kAnalysisRows) texts.emplace_back(r.label);
    for (const auto& r : brivane::kTemperatureRows) texts.emplace_back(r.label);
    for (const auto& c : brivane::CandidateColumns()) texts.emplace_back(c.header);
    for (const std::string_view verdict :
         {brivane::kNoFittingModelText, brivane::kCoilVerdictLabel, brivane::kCoolEnoughText, brivane::kTooHotText})
      texts.emplace_back(verdict);
    brivane::CandidateRating rating;  // the three verdicts: unfit, fitting, the selection's pick
    for (const bool pick : {false, true}) {
      rating.selected = pick;
      for (const bool fits : {false, true}) {
        rating.fits = fits || pick;
        texts.push_back(
            brivane::FormatCandidateTexts(rating)[static_cast<std::size_t>(brivane::CandidateColumn::Verdict)]);
      }
    }
    InstallLanguage(Language::English);
    for (const std::string& text : texts) QVERIFY2(!HasHangul(EngineText(text)), text.c_str());
    InstallLanguage(Language::Korean);
    for (const std::string& text : texts) QCOMPARE(EngineText(text), QString::fromStdString(text));
  }

  // What the save tells the user, as the report module builds it: in Korean its own text, in
  // English no Hangul and every argument (the path, the refused character) in place.
  void saveResultsInKoreanAreTheReportsOwnTexts() {
    using brivane::MessageCode;
    const std::string path = "/tmp/x(Kim).xls";
    const Message messages[] = {
        {MessageCode::ReportSaved, {path}},
        {MessageCode::FileOpenError},
        {MessageCode::FileWriteError},
        brivane::NicknameNotEncodableMessage("Kim" + kEmoji.toStdString()),
        brivane::NicknameNotEncodableMessage("Kim\xff"),
        {MessageCode::NicknameControlCharacter},
    };
    for (const Message& message : messages) {
      InstallLanguage(Language::Korean);
      QCOMPARE(MessageText(message), Q(brivane::KoreanText(message)));
      InstallLanguage(Language::English);
      const QString english = MessageText(message);
      QVERIFY2(!english.isEmpty() && !HasHangul(english), qPrintable(english));
      for (const std::string& argument : message.arguments)
        QVERIFY2(english.contains(Q(argument)), qPrintable(english));
    }
    QVERIFY(MessageText(messages[0]).endsWith(Q("\n" + path)));
    InstallLanguage(Language::Korean);
  }

  void startLanguage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");  // a language code, or "error"
    QTest::addColumn<QStringList>("rest");  // the arguments left for the program
    QTest::newRow("English locale") << QStringList{} << QString() << "en_GB"
                                    << "en" << QStringList{};
    QTest::newRow("Korean locale") << QStringList{} << QString() << "ko_KR"
                                   << "ko" << QStringList{};
    QTest::newRow("another locale is Korean") << QStringList{} << QString() << "de_DE"
                                              << "ko" << QStringList{};
    QTest::newRow("C locale is Korean") << QStringList{} << QString() << "C"
                                        << "ko" << QStringList{};
    QTest::newRow("menu choice over locale") << QStringList{} << "en"
                                             << "ko_KR"
                                             << "en" << QStringList{};
    QTest::newRow("option over menu choice") << QStringList{"--lang", "ko", "axis.brivane"} << "en"
                                             << "en_US"
                                             << "ko" << QStringList{"axis.brivane"};
    QTest::newRow("option with =") << QStringList{"-style", "Fusion", "--lang=en"} << "ko"
                                   << "ko_KR"
                                   << "en" << QStringList{"-style", "Fusion"};
    QTest::newRow("unknown value") << QStringList{"--lang", "de"} << QString() << "en_US"
                                   << "error" << QStringList{};
    QTest::newRow("missing value") << QStringList{"--lang"} << QString() << "en_US"
                                   << "error" << QStringList{};
  }
  void startLanguage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QFETCH(QStringList, rest);
    const LanguageOption option = ParseLanguageOption(arguments);
    if (expected == QLatin1String("error")) {
      QVERIFY(!option.error.isEmpty());
      return;
    }
    QVERIFY2(option.error.isEmpty(), qPrintable(option.error));
    const Language language = StartLanguage(option.language, LanguageFromCode(stored), QLocale(locale));
    QCOMPARE(LanguageCode(language), expected);
    QCOMPARE(option.rest, rest);
  }

  void qtsOwnButtonsSpeakTheWindowsLanguage() {
    // Qt's own texts: Korean from Qt's translation (qt6-translations-l10n), English as Qt's own.
    const std::pair<Language, QStringList> cases[] = {
        {Language::Korean, {QStringLiteral("저장"), QStringLiteral("무시"), QStringLiteral("취소")}},
        {Language::English, {QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")}},
    };
    for (const auto& [language, texts] : cases) {
      InstallLanguage(language);
      QMessageBox box(QMessageBox::Question, QString(), QString(),
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
      QStringList shown;
      for (const QMessageBox::StandardButton b : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
        shown << box.button(b)->text().remove(QLatin1Char('&'));
      QCOMPARE(shown, texts);
    }
    InstallLanguage(Language::Korean);
  }

  void aWiderFormWidensTheRememberedWindow() {
    // Closed in Korean, started again in English: the window keeps the size the user left, widened
    // by as much as the English form is wider, so that the form needs no horizontal scroll bar.
    QSettings().clear();
    brivane::Session session;
    RecordingMessageSink sink;
    InstallLanguage(Language::Korean);
    int korean = 0;
    {
      CMainFrame frame(session, sink);
      frame.InitialUpdate();
      frame.show();
      QVERIFY(QTest::qWaitForWindowExposed(&frame));
      QVERIFY(frame.close());
      korean = frame.width();
    }
    InstallLanguage(Language::English);
    CMainFrame frame(session, sink);
    frame.InitialUpdate();
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    InstallLanguage(Language::Korean);
    auto* scroller = dialogtest::Child<QScrollArea>(&frame, "formScrollArea");
    QVERIFY2(frame.width() > korean, qPrintable(QStringLiteral("%1 <= %2").arg(frame.width()).arg(korean)));
    QVERIFY(frame.screen()->availableGeometry().contains(frame.frameGeometry()));
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
  }

  void languageMenuKeepsTheChoiceForTheNextStart() {
    InstallLanguage(Language::Korean);
    brivane::Session session;
    RecordingMessageSink sink;
    {
      CMainFrame frame(session, sink);
      auto* english = dialogtest::Child<QAction>(&frame, "actionLanguageEnglish");
      auto* korean = dialogtest::Child<QAction>(&frame, "actionLanguageKorean");
      QVERIFY(english && korean);
      QVERIFY(korean->isChecked());  // nothing stored yet: the language shown now
      english->trigger();
      QCOMPARE(StoredLanguage(), std::optional<Language>(Language::English));
      // A notice, not a warning, in the language chosen and then in the one shown.
      QCOMPARE(sink.notices, QStringList{QStringLiteral("The language changes the next time Brivane starts.\n\n"
                                                        "언어는 Brivane을 다음에 시작할 때 바뀝니다.")});
      QVERIFY(sink.messages.isEmpty());
      korean->trigger();  // back to the language shown: nothing to wait for
      QCOMPARE(StoredLanguage(), std::optional<Language>(Language::Korean));
      QCOMPARE(sink.notices.size(), 1);
      english->trigger();
    }
    CMainFrame next(session, sink);
    QVERIFY(dialogtest::Child<QAction>(&next, "actionLanguageEnglish")->isChecked());
    QVERIFY(QFile::exists(QSettings().fileName()));
  }

 private:
  QTemporaryDir m_settingsDir;
};

void LanguageTest::VerifyWindow(const Shown& expected) {
  InstallLanguage(expected.language);
  const bool english = expected.language == Language::English;
  brivane::Session session;
  RecordingMessageSink sink;
  CMainFrame frame(session, sink);
  frame.InitialUpdate();
  frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&frame));
  auto* view = dialogtest::Child<CBrivaneView>(&frame, "brivaneView");
  QVERIFY(view);

  QCOMPARE(frame.windowTitle(), expected.title);
  QCOMPARE(dialogtest::Child<QPushButton>(view, "buttonSelect")->text(), expected.selectButton);
  QTest::mouseClick(dialogtest::Child<QPushButton>(view, "buttonCheckDuty"), Qt::LeftButton);
  QCOMPARE(sink.messages, QStringList{expected.zeroAccel});

  brivane::FormValues values;
  values.move = brivane::examples::FirstMove();
  view->SetValues(values);
  QTest::mouseClick(dialogtest::Child<QPushButton>(view, "buttonSelect"), Qt::LeftButton);
  QTest::mouseClick(dialogtest::Child<QPushButton>(view, "buttonViewSpec"), Qt::LeftButton);
  const QList<CMotorSpecSheet*> sheets = frame.findChildren<CMotorSpecSheet*>();
  QCOMPARE(sheets.size(), 3);
  bool singleSidedSeen = false;
  for (const CMotorSpecSheet* sheet : sheets) {
    const QString group = dialogtest::Child<QGroupBox>(sheet, "groupSeries")->title();
    if (group == expected.sheetGroup) {
      singleSidedSeen = true;
      QCOMPARE(dialogtest::Child<QLabel>(sheet, "labelRatedForce")->text(), expected.sheetRatedForce);
    }
    VerifyTextsFit(sheet);
    if (english) VerifyNoHangul(sheet);
  }
  QVERIFY(singleSidedSeen);

  dialogtest::Child<QAction>(&frame, "actionCompare")->trigger();
  const CComparisonWindow* comparison = frame.findChild<CComparisonWindow*>();
  QVERIFY(comparison != nullptr);
  VerifyTextsFit(comparison);
  if (english) VerifyNoHangul(comparison);

  // The motor catalogs' dialog, and why files were left out as its list and the start's notice say.
  dialogtest::Child<QAction>(&frame, "actionMotorCatalogs")->trigger();
  const QDialog* catalogs = dialogtest::Child<QDialog>(&frame, "motorCatalogsDlg");
  VerifyTextsFit(catalogs);
  QFile noMass(m_settingsDir.filePath(QStringLiteral("no-mass.csv")));
  QVERIFY(noMass.open(QIODevice::WriteOnly) && noMass.write("name\nX\n") == 7);
  noMass.close();
  MotorCatalogs leftOut([](brivane::MotorList) {});
  leftOut.Add(QStringLiteral("/nonexistent/gone.csv"));
  leftOut.Add(noMass.fileName());
  Settings::Remove(Settings::Key::MotorCatalogs);
  if (english) {
    VerifyNoHangul(catalogs);
    QVERIFY2(!HasHangul(leftOut.LeftOutNotice()), qPrintable(leftOut.LeftOutNotice()));
  }

  QTest::mouseClick(dialogtest::Child<QPushButton>(view, "buttonSaveResult"), Qt::LeftButton);
  CSaveDataDlg* save = frame.findChild<CSaveDataDlg*>();
  QVERIFY(save != nullptr);
  QCOMPARE(dialogtest::Child<QCheckBox>(save, "checkIncludeDoubleSided")->text(), expected.includeBox);
  QCOMPARE(dialogtest::Child<QPushButton>(save, "buttonSave")->text(), expected.saveButton);
  VerifyTextsFit(save);
  if (english) VerifyNoHangul(save);
  // Refused before any file is touched, so the test writes nothing.
  dialogtest::Child<QLineEdit>(save, "editNickName")->setText(QStringLiteral("Kim") + kEmoji);
  QTest::mouseClick(dialogtest::Child<QPushButton>(save, "buttonSave"), Qt::LeftButton);
  QCOMPARE(sink.messages.last(), expected.nicknameRefusal);
  save->close();

  VerifyTextsFit(&frame);
  if (english) VerifyNoHangul(&frame);

  bool aboutSeen = false;
  QTimer::singleShot(0, this, [&] {
    auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
    QVERIFY(about != nullptr);
    aboutSeen = true;
    VerifyTextsFit(about);
    if (english) VerifyNoHangul(about);
    about->accept();
  });
  dialogtest::Child<QAction>(&frame, "actionAbout")->trigger();
  QVERIFY(aboutSeen);
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
