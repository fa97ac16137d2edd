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

QStringList ForgetMissingRecentFiles(Settings::Key list) {
  const QStringList recent = RecentFiles(list);
  QStringList existing = recent;
  existing.removeIf([](const QString& entry) { return !QFileInfo::exists(entry); });
  if (existing != recent) Settings::Set(list, existing);
  return existing;
}

void RememberRecentFile(Settings::Key list, const QString& path) {
  Settings::Set(list, WithRecentFile(RecentFiles(list), path));
}

}  // namespace brivane::ui
