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

QStringList RecentFiles() { return Settings::Value<QStringList>(Settings::Key::RecentFiles); }

QStringList ForgetMissingRecentFiles() {
  const QStringList recent = RecentFiles();
  QStringList existing = recent;
  existing.removeIf([](const QString& entry) { return !QFileInfo::exists(entry); });
  if (existing != recent) Settings::Set(Settings::Key::RecentFiles, existing);
  return existing;
}

void RememberRecentFile(const QString& path) {
  Settings::Set(Settings::Key::RecentFiles, WithRecentFile(RecentFiles(), path));
}

}  // namespace brivane::ui
