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

}  // namespace brivane::ui
