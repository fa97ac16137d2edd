#include "ui/output/SaveDataDlg.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

#include "ui/widgets/ControlTag.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/HangulFont.h"
#include "ui/widgets/MessageSink.h"

namespace brivane::ui {

CSaveDataDlg::CSaveDataDlg(const SelectionRecord& record, const MotorCatalog& catalog, MessageSink& messages,
                           QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_record(record),
      m_catalog(catalog),
      m_messages(messages),
      m_clock(&CurrentLocalDateTime) {
  setModal(true);
  setWindowTitle(tr("Dialog"));
  setFont(FormFont());
  TagControl(this, QStringLiteral("saveDataDialog"), 137, windowTitle());
  BuildWidgets();
}

void CSaveDataDlg::SetClock(Clock clock) { m_clock = std::move(clock); }

void CSaveDataDlg::SetDirectory(std::string directory) { m_directory = std::move(directory); }

void CSaveDataDlg::BuildWidgets() {
  const DialogUnits du(font());
  setFixedSize(du.Size(161, 98));

  struct IncludeBox {
    const char* name;
    int id;
    QRect geometryDu;
  };
  // A check box cannot wrap its text; the third takes the free width below the button instead of
  // a second line.
  const std::array<IncludeBox, 3> boxes{{{"checkIncludeDoubleSided", 1024, {13, 33, 90, 12}},
                                         {"checkIncludeSingleSided", 1025, {13, 48, 92, 12}},
                                         {"checkIncludeVela", 1027, {13, 62, 138, 18}}}};
  for (const MotorSeries s : kAllSeries) {
    const IncludeBox& b = boxes[SeriesSlot(s)];
    auto* box = new QCheckBox(tr("%1 Motor 사양 포함").arg(SeriesName(s)), this);
    TagControl(box, QLatin1String(b.name), b.id, box->text());
    box->setGeometry(du.Rect(b.geometryDu.x(), b.geometryDu.y(), b.geometryDu.width(), b.geometryDu.height()));
    m_include[SeriesSlot(s)] = box;
  }

  m_save = new QPushButton(tr("저장"), this);
  TagControl(m_save, QStringLiteral("buttonSave"), 1026, m_save->text());
  m_save->setGeometry(du.Rect(110, 33, 40, 23));
  // No default button: Enter must not save.
  m_save->setAutoDefault(false);
  m_save->setDefault(false);
  connect(m_save, &QPushButton::clicked, this, &CSaveDataDlg::OnSave);

  m_nickName = new QLineEdit(this);
  TagControl(m_nickName, QStringLiteral("editNickName"), 1023, tr("사용자 닉네임"));
  m_nickName->setGeometry(du.Rect(71, 11, 80, 17));

  auto* label = new QLabel(tr("사용자 닉네임"), this);
  TagControl(label, QStringLiteral("labelNickName"), -1, label->text());
  label->setGeometry(du.Rect(15, 15, 49, 10));
  label->setBuddy(m_nickName);

  // The template's order, which is also the tab order.
  setTabOrder(m_include[0], m_include[1]);
  setTabOrder(m_include[1], m_save);
  setTabOrder(m_save, m_nickName);
  setTabOrder(m_nickName, m_include[2]);

  m_include[0]->setFocus(Qt::OtherFocusReason);
}

void CSaveDataDlg::ReadControls() {
  for (std::size_t i = 0; i < m_include.size(); ++i) m_bInclude[i] = m_include[i]->isChecked();
  m_strNickName = m_nickName->text();
}

void CSaveDataDlg::OnSave() {
  ReadControls();
  m_strSaveTime = QString::fromStdString(MakeSaveTime(m_clock()));

  const SaveResult result = SaveSelectionReport(m_directory, m_record, m_catalog, m_strSaveTime.toStdString(),
                                                m_strNickName.toStdString(), m_bInclude);
  m_messages.Warn(this, MessageText(result.message));
  if (result.status == SaveStatus::Saved) accept();
}

void CSaveDataDlg::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace brivane::ui
