// The window's language: Korean (the source texts) or English (the translation built into the
// program). It is chosen once at start: `--lang ko|en` first, then the choice made in the menu
// "언어 / Language" (remembered in the settings), then the system locale.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace brivane::ui {

enum class Language { Korean, English };

// "ko" and "en".
QString LanguageCode(Language language);
std::optional<Language> LanguageFromCode(const QString& code);

// English for an English locale, Korean for any other.
Language LanguageForLocale(const QLocale& locale);
// The locale of the user's interface language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QLocale SystemLocale();

// The language `--lang ko|en` (or `--lang=ko|en`) asks for among the program's arguments.
struct LanguageOption {
  std::optional<Language> language;  // none: the option is not given
  QString error;                     // not empty: the option is given without a valid value
  QStringList rest;                  // the arguments without the option, in their order
};
LanguageOption ParseLanguageOption(const QStringList& arguments);

// The language kept for the next start (Settings::Key::Language), if one was chosen.
std::optional<Language> StoredLanguage();
void StoreLanguage(Language language);

// The option, else the stored choice, else the locale's language.
Language StartLanguage(const std::optional<Language>& option, const std::optional<Language>& stored,
                       const QLocale& system);

// Installs the translation of `language` in the application, replacing the one installed before;
// call before the windows are built, since they take their texts when they are built.
// Qt's own texts follow: Korean from Qt's Korean translation where it is installed.
void InstallLanguage(Language language);
Language InstalledLanguage();

// One of the program's texts in `language`, whichever language is installed: for a notice
// about the language the user has just chosen.
QString TextIn(Language language, const char* context, const char* source);

}  // namespace brivane::ui
