#include "ui/motors/MotorCatalogsDlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/motors/MotorCatalogs.h"
#include "ui/widgets/FileDialogs.h"

namespace brivane::ui {

CMotorCatalogsDlg::CMotorCatalogsDlg(MotorCatalogs& catalogs, FileDialogs& dialogs, QWidget* owner)
    : QDialog(owner), m_catalogs(catalogs), m_dialogs(dialogs) {
  setObjectName(QStringLiteral("motorCatalogsDlg"));
  setWindowTitle(tr("모터 목록"));
  setAccessibleName(tr("모터 목록"));

  auto* note =
      new QLabel(tr("이 파일들의 모터는 후보 비교에서 내장 모델 다음에 따로 묶여 나옵니다. 적용 Model, 선정과 "
                    "보고서는 내장 모델만 씁니다."));
  note->setObjectName(QStringLiteral("labelMotorCatalogsNote"));
  note->setWordWrap(true);

  m_list = new QTreeWidget;
  m_list->setObjectName(QStringLiteral("listMotorCatalogs"));
  m_list->setAccessibleName(tr("모터 목록 파일"));
  m_list->setRootIsDecorated(false);
  m_list->setHeaderLabels({tr("파일"), tr("상태")});
  m_list->header()->setStretchLastSection(true);

  auto* add = new QPushButton(tr("추가…"));
  add->setObjectName(QStringLiteral("buttonAddCatalog"));
  m_remove = new QPushButton(tr("제거"));
  m_remove->setObjectName(QStringLiteral("buttonRemoveCatalog"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  buttons->setObjectName(QStringLiteral("buttonsMotorCatalogs"));
  buttons->addButton(add, QDialogButtonBox::ActionRole);
  buttons->addButton(m_remove, QDialogButtonBox::ActionRole);

  connect(add, &QPushButton::clicked, this, &CMotorCatalogsDlg::AddFile);
  connect(m_remove, &QPushButton::clicked, this, &CMotorCatalogsDlg::RemoveFile);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QTreeWidget::currentItemChanged, this,
          [this](const QTreeWidgetItem* item) { m_remove->setEnabled(item != nullptr); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addWidget(m_list, 1);
  layout->addWidget(buttons);
  resize(720, 320);
  ShowFiles(0);
}

void CMotorCatalogsDlg::ShowFiles(int current) {
  m_list->clear();
  for (const MotorCatalogs::FileState& file : m_catalogs.Files()) {
    const QString state = MotorCatalogs::StateText(file);
    auto* item = new QTreeWidgetItem(m_list, {QFileInfo(file.path).fileName(), state});
    item->setToolTip(0, QDir::toNativeSeparators(file.path));
    item->setToolTip(1, state);
  }
  m_list->resizeColumnToContents(0);
  m_list->setCurrentItem(m_list->topLevelItem(current));
  m_remove->setEnabled(m_list->currentItem() != nullptr);
}

void CMotorCatalogsDlg::AddFile() {
  const std::vector<MotorCatalogs::FileState>& files = m_catalogs.Files();
  const QString start = files.empty() ? QDir::homePath() : QFileInfo(files.back().path).path();
  const QString path =
      m_dialogs.OpenPath(this, tr("모터 목록 추가"), start, tr("모터 목록 (*.brivane-motors *.csv);;모든 파일 (*)"));
  if (path.isEmpty()) return;
  // The file added, or the same file listed before, is the current one: its state is what the
  // user wants to see.
  ShowFiles(m_catalogs.Add(path));
}

void CMotorCatalogsDlg::RemoveFile() {
  const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
  if (row < 0) return;
  m_catalogs.Remove(row);
  ShowFiles(std::min(row, static_cast<int>(m_catalogs.Files().size()) - 1));
}

}  // namespace brivane::ui
