#include "AppSetup.h"

#include <QApplication>
#include <QFont>
#include <clocale>

#include "Pictures.h"

namespace brivane::ui {

void SetUpApplication() {
  // QApplication adopts the user's locale; keep the C library's numbers in the C locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Brivane"));
  QApplication::setWindowIcon(ApplicationIcon());
  // A font with Hangul and Latin glyphs. NanumBarunGothic first: with the usual hinting, NanumGothic
  // at 9 points draws the decimal point of "0.1" so low that it reads as a comma.
  QFont font;
  font.setFamilies({QStringLiteral("NanumBarunGothic"), QStringLiteral("NanumGothic")});
  font.setPointSize(9);
  QApplication::setFont(font);
}

}  // namespace brivane::ui
