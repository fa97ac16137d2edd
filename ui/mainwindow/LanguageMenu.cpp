#include "ui/mainwindow/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "ui/app/Language.h"
#include "ui/widgets/MessageSink.h"

namespace brivane::ui {

QMenu* LanguageMenu::AddTo(QMenuBar* bar, MessageSink& messages, QWidget* window) {
  // The title names itself in both languages, so that it is found whichever one is shown.
  QMenu* menu = bar->addMenu(tr("언어 / Language"));
  menu->setObjectName(QStringLiteral("menuLanguage"));
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);

  struct Entry {
    Language language;
    QString text;  // each language by its own name, the same in both interfaces
    QString statusTip;
    const char* objectName;
  };
  const Entry entries[] = {
      {Language::Korean, QStringLiteral("한국어"), tr("다음 시작부터 창을 한국어로 표시합니다"),
       "actionLanguageKorean"},
      {Language::English, QStringLiteral("English"), tr("다음 시작부터 창을 영어로 표시합니다"),
       "actionLanguageEnglish"},
  };
  const Language next = StoredLanguage().value_or(InstalledLanguage());
  for (const Entry& entry : entries) {
    QAction* action = menu->addAction(entry.text);
    action->setObjectName(QLatin1String(entry.objectName));
    action->setStatusTip(entry.statusTip);
    action->setCheckable(true);
    action->setChecked(entry.language == next);
    group->addAction(action);
    const Language language = entry.language;
    QObject::connect(action, &QAction::triggered, menu, [language, &messages, window] {
      StoreLanguage(language);
      if (language == InstalledLanguage()) return;
      // Said in the language chosen, then in the one shown, for a user who reads only one.
      static const char* const kNotice = QT_TR_NOOP("언어는 Brivane을 다음에 시작할 때 바뀝니다.");
      messages.Inform(window,
                      TextIn(language, "brivane::ui::LanguageMenu", kNotice) + QStringLiteral("\n\n") + tr(kNotice));
    });
  }
  return menu;
}

}  // namespace brivane::ui
