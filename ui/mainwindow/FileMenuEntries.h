// A document's file menu as a table: its commands top to bottom, separators, and the document's
// recent files as numbered entries ("&1 name"), each opening its file, hidden while unused, and
// listed again whenever the menu opens or the document opens or saves a file. The main window's
// move files and the axis window's cycle files are both made from it.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <span>

#include "ui/mainwindow/RecentFiles.h"

class QAction;
class QMenu;

namespace brivane::ui {

class CDocumentFile;

struct FileMenuEntry {
  const char* name;  // the action's object name; none: a separator; kRecentEntries: the recent files
  QString text;
  QKeySequence keys;
  std::function<void()> run;
};
inline constexpr char kRecentEntries[] = "recent";

// The entries added to `menu`; the recent files' object names are `recentPrefix` and the number.
void AddFileMenuEntries(QMenu& menu, std::span<const FileMenuEntry> entries, CDocumentFile& document,
                        const QString& recentPrefix);

class CRecentEntries final : public QObject {
  Q_OBJECT
 public:
  // The entries are added at the menu's end.
  CRecentEntries(QMenu& menu, CDocumentFile& document, const QString& prefix);

 private:
  void Update();

  CDocumentFile& m_document;
  std::array<QAction*, kRecentFileCount> m_entries{};
};

}  // namespace brivane::ui
