// What the window program sets up once, right after creating its QApplication.
#pragma once

#include <QFont>

namespace brivane::ui {

// The 9-point font of the form and its dialogs: Gulim where the system has it, otherwise a Nanum
// face with Hangul and Latin glyphs. NanumBarunGothic comes before NanumGothic: with the usual
// hinting, NanumGothic at 9 points draws the decimal point of "0.1" so low that it reads as a comma.
QFont FormFont();

// Numbers in the C locale for the C library, the application's name, desktop entry, icon and font.
void SetUpApplication();

}  // namespace brivane::ui
