// The save dialog: asks for a nickname and the series whose data sheets go into the report, and
// appends the report of the last selection to "<save time>(<nickname>).xls". It lives for one save.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "catalog/MotorCatalog.h"
#include "report/Report.h"
#include "engine/Selection.h"

class MessageSink;
class QCheckBox;
class QEvent;
class QKeyEvent;
class QLineEdit;
class QObject;
class QPushButton;

class CSaveDataDlg : public QDialog {
  Q_OBJECT

 public:
  using Clock = std::function<brivane::LocalDateTime()>;

  // Three boxes clear and the nickname empty; the focus starts on the first box.
  CSaveDataDlg(const brivane::SelectionRecord& record, const brivane::MotorCatalog& catalog, MessageSink& messages,
               QWidget* owner);

  // Where the time of a save comes from; the machine's local time unless a test fixes it.
  void SetClock(Clock clock);
  // The folder the report goes to; empty (the default) is the process's current directory at the
  // time of the save.
  void SetDirectory(std::string directory);

  // "저장": writes the report, shows the outcome and ends the dialog; after an error the dialog
  // stays open with its inputs so that the user can correct the nickname and try again.
  void OnSave();

  // The outcome of the last press of "저장", if any.
  const brivane::SaveResult* LastResult() const { return m_hasResult ? &m_lastResult : nullptr; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWidgets();
  void ReadControls();
  static bool IsEnterOrEscape(const QEvent* event);

  const brivane::SelectionRecord& m_record;
  const brivane::MotorCatalog& m_catalog;
  MessageSink& m_messages;
  Clock m_clock;
  std::string m_directory;

  QString m_strSaveTime;
  std::int32_t m_bIncludeDoubleSided = 0;
  std::int32_t m_bIncludeSingleSided = 0;
  std::int32_t m_bIncludeVela = 0;
  QString m_strNickName;

  QCheckBox* m_includeDoubleSided = nullptr;
  QCheckBox* m_includeSingleSided = nullptr;
  QCheckBox* m_includeVela = nullptr;
  QLineEdit* m_nickName = nullptr;
  QPushButton* m_save = nullptr;

  bool m_hasResult = false;
  brivane::SaveResult m_lastResult;
};
