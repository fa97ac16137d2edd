#include "ui/mainwindow/FileMenu.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <utility>

#include "ui/mainwindow/FileMenuEntries.h"
#include "ui/mainwindow/MoveDocument.h"

namespace brivane::ui {

CFileMenu::CFileMenu(QMainWindow& frame, CMoveDocument& document, std::function<void()> motorCatalogs)
    : QObject(&frame), m_frame(frame), m_document(document) {
  m_menu = new QMenu(tr("파일(&F)"), &frame);
  m_menu->setObjectName(QStringLiteral("menuFile"));
  m_menu->setAccessibleName(tr("파일"));
  QMenuBar* bar = frame.menuBar();
  bar->insertMenu(bar->actions().isEmpty() ? nullptr : bar->actions().first(), m_menu);

  const FileMenuEntry entries[] = {
      {"actionNewMove", tr("새 이동"), QKeySequence::New, [this] { m_document.NewMove(); }},
      {"actionOpen", tr("열기…"), QKeySequence::Open, [this] { m_document.Open(); }},
      {"actionSave", tr("저장"), QKeySequence::Save, [this] { m_document.Save(); }},
      {"actionSaveAs", tr("다른 이름으로 저장…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
       [this] { m_document.SaveAs(); }},
      {nullptr, {}, {}, {}},
      {kRecentEntries, {}, {}, {}},
      {nullptr, {}, {}, {}},
      {"actionExportPdf", tr("PDF로 내보내기…"), QKeySequence(), [this] { m_document.ExportPdf(); }},
      {nullptr, {}, {}, {}},
      {"actionMotorCatalogs", tr("모터 목록…"), QKeySequence(), std::move(motorCatalogs)},
      {nullptr, {}, {}, {}},
      {"actionExit", tr("끝내기"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { m_frame.close(); }},
  };
  AddFileMenuEntries(*m_menu, entries, document, QStringLiteral("actionRecent"));
}

}  // namespace brivane::ui
