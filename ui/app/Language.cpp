#include "ui/app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include "ui/app/Settings.h"

namespace brivane::ui {
namespace {

struct Installed {
  Language language = Language::Korean;
  std::unique_ptr<QTranslator> translator;  // the program's own texts
  std::unique_ptr<QTranslator> qt;          // Qt's own buttons and dialogs
};

Installed& CurrentInstallation() {
  static Installed installed;
  return installed;
}

}  // namespace

QString LanguageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("ko");
}

std::optional<Language> LanguageFromCode(const QString& code) {
  if (code == QLatin1String("ko")) return Language::Korean;
  if (code == QLatin1String("en")) return Language::English;
  return std::nullopt;
}

Language LanguageForLocale(const QLocale& locale) {
  return locale.language() == QLocale::English ? Language::English : Language::Korean;
}

QLocale SystemLocale() {
  const QStringList languages = QLocale::system().uiLanguages();
  return languages.isEmpty() ? QLocale::system() : QLocale(languages.first());
}

LanguageOption ParseLanguageOption(const QStringList& arguments) {
  LanguageOption option;
  const QString name = QStringLiteral("--lang");
  const QString withValue = name + QLatin1Char('=');
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString value;
    if (arguments[i] == name) {
      if (i + 1 >= arguments.size()) {
        option.error = QStringLiteral("--lang needs a value: ko or en");
        return option;
      }
      value = arguments[++i];
    } else if (arguments[i].startsWith(withValue)) {
      value = arguments[i].mid(withValue.size());
    } else {
      option.rest << arguments[i];
      continue;
    }
    option.language = LanguageFromCode(value);
    if (!option.language) {
      option.error = QStringLiteral("--lang takes ko or en, not \"%1\"").arg(value);
      return option;
    }
  }
  return option;
}

std::optional<Language> StoredLanguage() { return LanguageFromCode(Settings::Value<QString>(Settings::Key::Language)); }

void StoreLanguage(Language language) { Settings::Set(Settings::Key::Language, LanguageCode(language)); }

Language StartLanguage(const std::optional<Language>& option, const std::optional<Language>& stored,
                       const QLocale& system) {
  if (option) return *option;
  if (stored) return *stored;
  return LanguageForLocale(system);
}

// The program's own texts in `language`; none for Korean, the source language, so that its texts
// stay exactly the sources.
std::unique_ptr<QTranslator> ProgramTranslation(Language language) {
  if (language == Language::Korean) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  // Built into the program from translations/brivane_en.ts; a failure here is a broken build.
  const bool loaded = translator->load(QStringLiteral(":/i18n/brivane_en.qm"));
  Q_ASSERT_X(loaded, "InstallLanguage", "the English translation is missing from the resources");
  if (!loaded) return nullptr;
  return translator;
}

// Qt's own texts (Save, Discard, Cancel, the file dialog) in `language`: English is Qt's source
// language; Korean comes from Debian's qt6-translations-l10n, and without it Qt stays English.
std::unique_ptr<QTranslator> QtTranslation(Language language) {
  if (language == Language::English) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_ko"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return nullptr;
  return translator;
}

void InstallLanguage(Language language) {
  Installed& installed = CurrentInstallation();
  for (std::unique_ptr<QTranslator>* old : {&installed.translator, &installed.qt}) {
    if (*old) QCoreApplication::removeTranslator(old->get());
    old->reset();
  }
  installed.language = language;
  installed.translator = ProgramTranslation(language);
  installed.qt = QtTranslation(language);
  for (const std::unique_ptr<QTranslator>* now : {&installed.translator, &installed.qt}) {
    if (*now) QCoreApplication::installTranslator(now->get());
  }
}

QString TextIn(Language language, const char* context, const char* source) {
  const std::unique_ptr<QTranslator> translator = ProgramTranslation(language);
  const QString translated = translator ? translator->translate(context, source) : QString();
  return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

Language InstalledLanguage() { return CurrentInstallation().language; }

}  // namespace brivane::ui
