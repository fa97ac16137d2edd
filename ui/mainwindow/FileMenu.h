// The file menu ("파일(F)"): the commands of the move document, the recent files, the user's motor
// catalogs and the end of the program. The entries are a table (FileMenu.cpp, made as
// FileMenuEntries makes every document's file menu), so a new command is one row.
#pragma once

#include <QObject>

#include <functional>

class QMainWindow;
class QMenu;

namespace brivane::ui {

class CMoveDocument;

class CFileMenu : public QObject {
  Q_OBJECT
 public:
  // Adds the menu to the frame's menu bar, first. "모터 목록…" runs `motorCatalogs`.
  CFileMenu(QMainWindow& frame, CMoveDocument& document, std::function<void()> motorCatalogs);

  QMenu* Menu() const { return m_menu; }

 private:
  QMainWindow& m_frame;
  CMoveDocument& m_document;
  QMenu* m_menu = nullptr;
};

}  // namespace brivane::ui
