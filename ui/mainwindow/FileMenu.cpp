#include "ui/mainwindow/FileMenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <utility>

#include "ui/mainwindow/MoveDocument.h"

namespace brivane::ui {

CFileMenu::CFileMenu(QMainWindow& frame, CMoveDocument& document, std::function<void()> motorCatalogs)
    : QObject(&frame), m_frame(frame), m_document(document) {
  m_menu = new QMenu(tr("파일(&F)"), &frame);
  m_menu->setObjectName(QStringLiteral("menuFile"));
  m_menu->setAccessibleName(tr("파일"));
  QMenuBar* bar = frame.menuBar();
  bar->insertMenu(bar->actions().isEmpty() ? nullptr : bar->actions().first(), m_menu);

  // Top to bottom; a row without a name is a separator, the row kRecentRow the recent files.
  struct Entry {
    const char* name;
    QString text;
    QKeySequence keys;
    std::function<void()> run;
  };
  static constexpr char kRecentRow[] = "recent";
  const Entry entries[] = {
      {"actionNewMove", tr("새 이동"), QKeySequence::New, [this] { m_document.NewMove(); }},
      {"actionOpen", tr("열기…"), QKeySequence::Open, [this] { m_document.Open(); }},
      {"actionSave", tr("저장"), QKeySequence::Save, [this] { m_document.Save(); }},
      {"actionSaveAs", tr("다른 이름으로 저장…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
       [this] { m_document.SaveAs(); }},
      {nullptr, {}, {}, {}},
      {kRecentRow, {}, {}, {}},
      {nullptr, {}, {}, {}},
      {"actionExportPdf", tr("PDF로 내보내기…"), QKeySequence(), [this] { m_document.ExportPdf(); }},
      {nullptr, {}, {}, {}},
      {"actionMotorCatalogs", tr("모터 목록…"), QKeySequence(), std::move(motorCatalogs)},
      {nullptr, {}, {}, {}},
      {"actionExit", tr("끝내기"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { m_frame.close(); }},
  };
  for (const Entry& entry : entries) {
    if (entry.name == nullptr) {
      m_menu->addSeparator();
    } else if (entry.name == kRecentRow) {
      AddRecentEntries();
    } else {
      QAction* action = m_menu->addAction(entry.text);
      action->setObjectName(QLatin1String(entry.name));
      action->setShortcut(entry.keys);
      connect(action, &QAction::triggered, this, entry.run);
    }
  }

  connect(&document, &CMoveDocument::RecentFilesChanged, this, &CFileMenu::UpdateRecent);
  // Each time it opens, the menu lists only files that are still there.
  connect(m_menu, &QMenu::aboutToShow, this, &CFileMenu::UpdateRecent);
  UpdateRecent();
}

void CFileMenu::AddRecentEntries() {
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = m_menu->addAction(QString());
    action->setObjectName(QStringLiteral("actionRecent%1").arg(i));
    connect(action, &QAction::triggered, this, [this, action] {
      // A file deleted since the menu opened goes from the list once the open has said so.
      if (!m_document.OpenFile(action->data().toString())) UpdateRecent();
    });
    m_recent[static_cast<std::size_t>(i)] = action;
  }
}

void CFileMenu::UpdateRecent() {
  const QStringList recent = ForgetMissingRecentFiles();
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = m_recent[static_cast<std::size_t>(i)];
    const bool used = i < recent.size();
    action->setVisible(used);
    if (!used) continue;
    action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(recent[i]).fileName()));
    action->setData(recent[i]);
    action->setStatusTip(QDir::toNativeSeparators(recent[i]));
  }
}

}  // namespace brivane::ui
