#include "ui/AppSetup.h"

#include <QApplication>
#include <QFont>

#include <clocale>

#include "ui/HangulFont.h"
#include "ui/Pictures.h"

namespace brivane::ui {

QFont FormFont() {
  QFont font;
  const QString family = InstalledHangulFamily();
  // With no Hangul face installed at all, the wish list is all there is to ask for.
  if (family.isEmpty()) {
    font.setFamilies(kPreferredHangulFamilies);
  } else {
    font.setFamily(family);
  }
  font.setPointSize(9);
  return font;
}

void SetUpApplication() {
  // QApplication adopts the user's locale; keep the C library's numbers in the C locale.
  std::setlocale(LC_NUMERIC, "C");
  // The settings (recent files, window geometry, last folder) go to the desktop's usual place,
  // ~/.config/Brivane/Brivane.conf on Linux.
  QApplication::setOrganizationName(QStringLiteral("Brivane"));
  QApplication::setApplicationName(QStringLiteral("Brivane"));
  // Lets the desktop match the window with the installed menu entry and its icon.
  QApplication::setDesktopFileName(QStringLiteral("io.github.brivane.Brivane"));
  QApplication::setApplicationVersion(QStringLiteral(BRIVANE_VERSION));
  QApplication::setWindowIcon(ApplicationIcon());
  QApplication::setFont(FormFont());
}

}  // namespace brivane::ui
