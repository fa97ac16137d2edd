// What the window program sets up once, right after creating its QApplication.
#pragma once

#include <QFont>

namespace brivane::ui {

// The 9-point font of the form, its dialogs, menus and status bar: the installed Hangul family
// the window prefers (InstalledHangulFamily), so no text waits for a fallback search.
QFont FormFont();

// Numbers in the C locale for the C library, the application's name, desktop entry, icon and font.
void SetUpApplication();

}  // namespace brivane::ui
