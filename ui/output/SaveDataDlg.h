// The save dialog: asks for a nickname and the series whose data sheets go into the report, and
// appends the report of the last selection to "<save time>(<nickname>).xls". It lives for one save.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>

#include "catalog/MotorCatalog.h"
#include "engine/Selection.h"
#include "report/Report.h"

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace brivane::ui {

class MessageSink;

class CSaveDataDlg : public QDialog {
  Q_OBJECT

 public:
  using Clock = std::function<LocalDateTime()>;

  // Three boxes clear and the nickname empty; the focus starts on the first box.
  CSaveDataDlg(const SelectionRecord& record, const MotorCatalog& catalog, MessageSink& messages, QWidget* owner);

  // Where the time of a save comes from; the machine's local time unless a test fixes it.
  void SetClock(Clock clock);
  // The folder the report goes to; empty (the default) is the process's current directory at the
  // time of the save.
  void SetDirectory(std::string directory);

  // "저장": writes the report, shows the outcome and ends the dialog; after an error the dialog
  // stays open with its inputs so that the user can correct the nickname and try again.
  void OnSave();

 protected:
  // Enter and Esc neither save nor cancel, wherever the focus is: no control of the dialog takes
  // them (the button is no default button), so they all arrive here.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWidgets();
  void ReadControls();

  const SelectionRecord& m_record;
  const MotorCatalog& m_catalog;
  MessageSink& m_messages;
  Clock m_clock;
  std::string m_directory;

  QString m_strSaveTime;
  std::array<bool, 3> m_bInclude{};  // in series order
  QString m_strNickName;

  std::array<QCheckBox*, 3> m_include{};
  QLineEdit* m_nickName = nullptr;
  QPushButton* m_save = nullptr;
};

}  // namespace brivane::ui
