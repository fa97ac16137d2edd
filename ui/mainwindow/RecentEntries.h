// A document's recent files as numbered entries of its file menu ("&1 name"), each opening its
// file, hidden while unused, and listed again whenever the document opens or saves a file.
#pragma once

#include <QObject>

#include <array>

#include "ui/mainwindow/RecentFiles.h"

class QAction;
class QMenu;

namespace brivane::ui {

class CDocumentFile;

class CRecentEntries final : public QObject {
  Q_OBJECT
 public:
  // The entries are added at the menu's end; their object names are `prefix` and the number.
  CRecentEntries(QMenu& menu, CDocumentFile& document, const QString& prefix);

 private:
  void Update();

  CDocumentFile& m_document;
  std::array<QAction*, kRecentFileCount> m_entries{};
};

}  // namespace brivane::ui
