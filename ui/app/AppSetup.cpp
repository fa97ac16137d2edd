#include "ui/app/AppSetup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>

#include "engine/TextFile.h"
#include "engine/Utf8.h"
#include "ui/widgets/HangulFont.h"
#include "ui/widgets/Pictures.h"

namespace brivane::ui {

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

QStringList UnusableSettingsFiles() {
  QStringList unusable;
  const QString org = QApplication::organizationName();
  const QString app = QApplication::applicationName();
  // Where QSettings looks on this platform: the user's config folder, then each of the system's.
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
    for (const QString& name :
         {org + QLatin1Char('/') + app + QStringLiteral(".conf"), org + QStringLiteral(".conf")}) {
      const QString path = QDir(folder).filePath(name);
      if (const std::error_code kind = CheckOutputTarget(QFile::encodeName(path).toStdString()))
        unusable << path + QStringLiteral(": ") + QString::fromLocal8Bit(kind.message());
    }
  }
  return unusable;
}

void AvoidUnusableSettings() {
  const QStringList unusable = UnusableSettingsFiles();
  if (unusable.isEmpty()) return;
  for (const QString& file : unusable) {
    const std::string line = VisibleText(
        QCoreApplication::translate("brivane::ui::AppSetup", "설정 파일을 읽지 않습니다: %1").arg(file).toStdString());
    std::fprintf(stderr, "brivane: %s\n", line.c_str());
  }
  const std::string note =
      QCoreApplication::translate("brivane::ui::AppSetup",
                                  "이번 실행에서는 최근 파일, 창의 크기와 위치, 폴더, 언어를 기억하지 않습니다.")
          .toStdString();
  std::fprintf(stderr, "brivane: %s\n", note.c_str());
  // An empty folder of this run in place of both scopes: the program runs as on a first start.
  static QTemporaryDir empty;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, empty.path());
  QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, empty.path());
}

}  // namespace brivane::ui
