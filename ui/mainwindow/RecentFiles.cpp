#include "ui/mainwindow/RecentFiles.h"

#include <QFileInfo>

#include "ui/app/Settings.h"

namespace brivane::ui {
namespace {

QString SameFile(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

QStringList WithRecentFile(QStringList recent, const QString& path) {
  const QString file = SameFile(path);
  recent.removeIf([&](const QString& entry) { return SameFile(entry) == file; });
  recent.prepend(file);
  while (recent.size() > kRecentFileCount) recent.removeLast();
  return recent;
}

QStringList RecentFiles(Settings::Key list) { return Settings::Value<QStringList>(list); }

void RememberRecentFile(Settings::Key list, const QString& path) {
  Settings::Set(list, WithRecentFile(RecentFiles(list), path));
}

}  // namespace brivane::ui
