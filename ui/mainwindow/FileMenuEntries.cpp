#include "ui/mainwindow/FileMenuEntries.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "ui/mainwindow/DocumentFile.h"

namespace brivane::ui {

void AddFileMenuEntries(QMenu& menu, std::span<const FileMenuEntry> entries, CDocumentFile& document,
                        const QString& recentPrefix) {
  for (const FileMenuEntry& entry : entries) {
    if (entry.name == nullptr) {
      menu.addSeparator();
    } else if (entry.name == kRecentEntries) {
      new CRecentEntries(menu, document, recentPrefix);
    } else {
      QAction* action = menu.addAction(entry.text);
      action->setObjectName(QLatin1String(entry.name));
      action->setShortcut(entry.keys);
      QObject::connect(action, &QAction::triggered, &menu, entry.run);
    }
  }
}

CRecentEntries::CRecentEntries(QMenu& menu, CDocumentFile& document, const QString& prefix)
    : QObject(&menu), m_document(document) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = menu.addAction(QString());
    action->setObjectName(prefix + QString::number(i));
    connect(action, &QAction::triggered, this, [this, action] {
      // A file deleted since the menu opened goes from the list once the open has said so.
      if (!m_document.OpenFile(action->data().toString())) Update();
    });
    m_entries[static_cast<std::size_t>(i)] = action;
  }
  connect(&document, &CDocumentFile::RecentFilesChanged, this, &CRecentEntries::Update);
  // Each time it opens, the menu lists only files that are still there.
  connect(&menu, &QMenu::aboutToShow, this, &CRecentEntries::Update);
  Update();
}

void CRecentEntries::Update() {
  const QStringList recent = ForgetMissingRecentFiles(m_document.RecentList());
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = m_entries[static_cast<std::size_t>(i)];
    const bool used = i < recent.size();
    action->setVisible(used);
    if (!used) continue;
    action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(recent[i]).fileName()));
    action->setData(recent[i]);
    action->setStatusTip(QDir::toNativeSeparators(recent[i]));
  }
}

}  // namespace brivane::ui
