#include "ui/widgets/HangulFont.h"

#include <QFontDatabase>

namespace brivane::ui {

QString PickHangulFamily(const QStringList& preferred, const QStringList& installed) {
  for (const QString& family : preferred) {
    for (const QString& have : installed) {
      if (have.compare(family, Qt::CaseInsensitive) == 0) return have;
    }
  }
  return installed.isEmpty() ? QString() : installed.front();
}

QString InstalledHangulFamily() {
  static const QString family =
      PickHangulFamily(kPreferredHangulFamilies, QFontDatabase::families(QFontDatabase::Korean));
  return family;
}

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

}  // namespace brivane::ui
