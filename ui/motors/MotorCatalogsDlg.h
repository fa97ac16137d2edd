// 파일 → 모터 목록…: the user's motor catalog files, each with its state (how many motors, or why
// it was left out), to add and remove. Every change takes effect at once (MotorCatalogs).
#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace brivane::ui {

class FileDialogs;
class MotorCatalogs;

class CMotorCatalogsDlg final : public QDialog {
  Q_OBJECT
 public:
  // "추가…" asks `dialogs` for the file.
  CMotorCatalogsDlg(MotorCatalogs& catalogs, FileDialogs& dialogs, QWidget* owner);

  void AddFile();     // "추가…"
  void RemoveFile();  // "제거": the current file

 private:
  // The list as the catalogs have it, the file at `current` the current one.
  void ShowFiles(int current);

  MotorCatalogs& m_catalogs;
  FileDialogs& m_dialogs;
  QTreeWidget* m_list = nullptr;
  QPushButton* m_remove = nullptr;
};

}  // namespace brivane::ui
