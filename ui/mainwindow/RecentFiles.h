// The move files opened or saved last, newest first, as the file menu lists them and the next
// start finds them (Settings::Key::RecentFiles).
#pragma once

#include <QString>
#include <QStringList>

namespace brivane::ui {

inline constexpr int kRecentFileCount = 4;

// `recent` with `path` put first, without another entry of the same file, at most four entries.
QStringList WithRecentFile(QStringList recent, const QString& path);

QStringList RecentFiles();
// Drops the entries whose file is gone (deleted, moved away) from the list and gives the rest.
QStringList ForgetMissingRecentFiles();
void RememberRecentFile(const QString& path);

}  // namespace brivane::ui
