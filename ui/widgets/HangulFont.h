// The Hangul font family of the window, chosen among the installed families. Asking Qt for a face
// that is not installed sends every text through a fallback search at start-up, and a widget whose
// face has no Hangul (the menus, for one) measures its texts with the wrong glyphs and cuts them off.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace brivane::ui {

// The faces the form is drawn in, best first: Gulim where the system has it, otherwise a Nanum face
// (fonts-nanum). NanumBarunGothic comes before NanumGothic: with the usual hinting, NanumGothic at
// 9 points draws the decimal point of "0.1" so low that it reads as a comma.
inline const QStringList kPreferredHangulFamilies{QStringLiteral("Gulim"), QStringLiteral("굴림"),
                                                  QStringLiteral("NanumBarunGothic"), QStringLiteral("NanumGothic")};

// The first of `preferred` that is among `installed` (families that have Hangul), compared as the
// font database compares family names (case-insensitive); otherwise the first installed one;
// empty when nothing installed has Hangul.
QString PickHangulFamily(const QStringList& preferred, const QStringList& installed);

// PickHangulFamily over the families the font database (fontconfig) lists for Korean. Looked up
// once per process.
QString InstalledHangulFamily();

// The 9-point font of the form, its dialogs, menus and status bar: the installed Hangul family
// the window prefers (InstalledHangulFamily), so no text waits for a fallback search.
QFont FormFont();

}  // namespace brivane::ui
