// The files opened or saved last, newest first, as a file menu lists them and the next start finds
// them: the move files (Settings::Key::RecentFiles) and each other document's list of its own.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/app/Settings.h"

namespace brivane::ui {

inline constexpr int kRecentFileCount = 4;

// `recent` with `path` put first, without another entry of the same file, at most four entries.
QStringList WithRecentFile(QStringList recent, const QString& path);

QStringList RecentFiles(Settings::Key list = Settings::Key::RecentFiles);
// Drops the entries whose file is gone (deleted, moved away) from the list and gives the rest.
QStringList ForgetMissingRecentFiles(Settings::Key list = Settings::Key::RecentFiles);
void RememberRecentFile(Settings::Key list, const QString& path);
inline void RememberRecentFile(const QString& path) { RememberRecentFile(Settings::Key::RecentFiles, path); }

}  // namespace brivane::ui
