#include "ui/SaveDataDlg.h"

#include "ui/AppSetup.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "ui/MessageSink.h"
#include "ui/MotorSpecDlg.h"

using brivane::MotorCatalog;
using brivane::SelectionRecord;

CSaveDataDlg::CSaveDataDlg(const SelectionRecord& record, const MotorCatalog& catalog, MessageSink& messages,
                           QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_record(record),
      m_catalog(catalog),
      m_messages(messages),
      m_clock(&brivane::CurrentLocalDateTime) {
  setModal(true);
  setWindowTitle(QStringLiteral("Dialog"));
  setFont(brivane::ui::FormFont());
  TagControl(this, QStringLiteral("saveDataDialog"), 137, QStringLiteral("Dialog"));
  BuildWidgets();
}

void CSaveDataDlg::SetClock(Clock clock) { m_clock = std::move(clock); }

void CSaveDataDlg::SetDirectory(std::string directory) { m_directory = std::move(directory); }

void CSaveDataDlg::BuildWidgets() {
  const DialogUnits du(font());
  setFixedSize(du.Size(161, 98));

  // Created in the template's order, which is also the tab order.
  m_includeDoubleSided = new QCheckBox(QStringLiteral("양측식 Motor 사양 포함"), this);
  TagControl(m_includeDoubleSided, QStringLiteral("checkIncludeDoubleSided"), 1024, m_includeDoubleSided->text());
  m_includeDoubleSided->setGeometry(du.Rect(13, 33, 90, 12));

  m_includeSingleSided = new QCheckBox(QStringLiteral("편측식 Motor 사양 포함"), this);
  TagControl(m_includeSingleSided, QStringLiteral("checkIncludeSingleSided"), 1025, m_includeSingleSided->text());
  m_includeSingleSided->setGeometry(du.Rect(13, 48, 92, 12));

  m_save = new QPushButton(QStringLiteral("저장"), this);
  TagControl(m_save, QStringLiteral("buttonSave"), 1026, m_save->text());
  m_save->setGeometry(du.Rect(110, 33, 40, 23));
  // No default button: Enter must not save.
  m_save->setAutoDefault(false);
  m_save->setDefault(false);
  connect(m_save, &QPushButton::clicked, this, &CSaveDataDlg::OnSave);

  m_nickName = new QLineEdit(this);
  TagControl(m_nickName, QStringLiteral("editNickName"), 1023, QStringLiteral("사용자 닉네임"));
  m_nickName->setGeometry(du.Rect(71, 11, 80, 17));

  auto* label = new QLabel(QStringLiteral("사용자 닉네임"), this);
  TagControl(label, QStringLiteral("labelNickName"), -1, label->text());
  label->setGeometry(du.Rect(15, 15, 49, 10));
  label->setBuddy(m_nickName);

  // A check box cannot wrap its text; it takes the free width below the button instead of a
  // second line.
  m_includeVela = new QCheckBox(QStringLiteral("편측식 (Vela-Series) Motor 사양 포함"), this);
  TagControl(m_includeVela, QStringLiteral("checkIncludeVela"), 1027, m_includeVela->text());
  m_includeVela->setGeometry(du.Rect(13, 62, 138, 18));

  setTabOrder(m_includeDoubleSided, m_includeSingleSided);
  setTabOrder(m_includeSingleSided, m_save);
  setTabOrder(m_save, m_nickName);
  setTabOrder(m_nickName, m_includeVela);

  for (QWidget* w : {static_cast<QWidget*>(m_includeDoubleSided), static_cast<QWidget*>(m_includeSingleSided),
                     static_cast<QWidget*>(m_save), static_cast<QWidget*>(m_nickName),
                     static_cast<QWidget*>(m_includeVela)})
    w->installEventFilter(this);

  m_includeDoubleSided->setFocus(Qt::OtherFocusReason);
}

void CSaveDataDlg::ReadControls() {
  m_bIncludeDoubleSided = m_includeDoubleSided->isChecked() ? 1 : 0;
  m_bIncludeSingleSided = m_includeSingleSided->isChecked() ? 1 : 0;
  m_bIncludeVela = m_includeVela->isChecked() ? 1 : 0;
  m_strNickName = m_nickName->text();
}

void CSaveDataDlg::OnSave() {
  ReadControls();
  m_strSaveTime = QString::fromStdString(brivane::MakeSaveTime(m_clock()));

  const brivane::ReportIncludes includes{m_bIncludeDoubleSided != 0, m_bIncludeSingleSided != 0, m_bIncludeVela != 0};
  m_lastResult = brivane::SaveSelectionReport(m_directory, m_record,
                                              m_catalog, m_strSaveTime.toStdString(), m_strNickName.toStdString(),
                                              includes);
  m_hasResult = true;

  m_messages.Warn(this, QString::fromStdString(m_lastResult.message));
  if (m_lastResult.status == brivane::SaveStatus::Saved) accept();
}

bool CSaveDataDlg::IsEnterOrEscape(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

bool CSaveDataDlg::eventFilter(QObject* watched, QEvent* event) {
  // Enter and Esc are swallowed before any control sees them: neither saves nor cancels.
  if (IsEnterOrEscape(event)) return true;
  return QDialog::eventFilter(watched, event);
}

void CSaveDataDlg::keyPressEvent(QKeyEvent* event) {
  if (IsEnterOrEscape(event)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
