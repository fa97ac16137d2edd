#include "ui/mainwindow/RecentEntries.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "ui/mainwindow/DocumentFile.h"

namespace brivane::ui {

CRecentEntries::CRecentEntries(QMenu& menu, CDocumentFile& document, const QString& prefix)
    : QObject(&menu), m_document(document) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = menu.addAction(QString());
    action->setObjectName(prefix + QString::number(i));
    // A file that is gone leaves the list.
    connect(action, &QAction::triggered, this, [this, action] {
      if (!m_document.OpenFile(action->data().toString())) Update();
    });
    m_entries[static_cast<std::size_t>(i)] = action;
  }
  connect(&document, &CDocumentFile::RecentFilesChanged, this, &CRecentEntries::Update);
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
