#include "ui/comparison/ComparisonWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "engine/ComparisonTexts.h"
#include "engine/TextFile.h"
#include "ui/comparison/CandidateFilter.h"
#include "ui/comparison/CandidateTableModel.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/MessageSink.h"
#include "ui/widgets/NativeFileDialogs.h"
#include "ui/widgets/ResultMarks.h"

namespace brivane::ui {

QString WriteTableCsv(const QAbstractItemModel& table, const QString& path) {
  const int columns = table.columnCount();
  std::vector<std::string> fields(static_cast<std::size_t>(columns));
  std::string csv = "\xEF\xBB\xBF";  // spreadsheet programs read the file as UTF-8 only with it
  for (int c = 0; c < columns; ++c) {
    fields[static_cast<std::size_t>(c)] = table.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
  }
  csv += CsvRecord(fields);
  for (int r = 0; r < table.rowCount(); ++r) {
    for (int c = 0; c < columns; ++c) {
      fields[static_cast<std::size_t>(c)] = table.index(r, c).data(Qt::DisplayRole).toString().toStdString();
    }
    csv += CsvRecord(fields);
  }
  // Written whole or not at all: QSaveFile of Qt 6.4 commits a table cut short by a full disk.
  if (const std::error_code error = WriteWholeFile(QFile::encodeName(path).toStdString(), csv))
    return QString::fromLocal8Bit(error.message());
  return {};
}

CComparisonWindow::CComparisonWindow(MessageSink& messages, FileDialogs* dialogs, QWidget* owner)
    : QWidget(owner, Qt::Window), m_messages(messages), m_dialogs(dialogs) {
  if (m_dialogs == nullptr) {
    m_ownDialogs = std::make_unique<NativeFileDialogs>();
    m_dialogs = m_ownDialogs.get();
  }
  setObjectName(QStringLiteral("comparisonWindow"));
  setWindowTitle(tr("후보 비교"));
  setAccessibleName(tr("후보 비교"));

  m_model = new CCandidateTableModel(this);
  m_filter = new CCandidateFilter(this);
  m_filter->setSourceModel(m_model);
  m_summary = new QLabel;
  m_summary->setObjectName(QStringLiteral("labelComparisonSummary"));
  m_summary->setAccessibleName(tr("비교 조건"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildFilterRow());
  layout->addWidget(m_summary);
  layout->addWidget(BuildTable(), 1);
  resize(1280, 640);
}

QLayout* CComparisonWindow::BuildFilterRow() {
  auto* seriesLabel = new QLabel(tr("시리즈"));
  seriesLabel->setObjectName(QStringLiteral("labelSeriesFilter"));
  seriesLabel->setAccessibleName(tr("시리즈"));
  m_series = new QComboBox;
  m_series->setObjectName(QStringLiteral("comboSeriesFilter"));
  m_series->setAccessibleName(tr("시리즈"));
  m_series->addItem(tr("전체"));
  for (const MotorSeries s : kAllSeries) m_series->addItem(SeriesCaption(s), static_cast<int>(s));
  m_series->addItem(EngineText(kUserMotorsTitle), 0);  // the user's motors have series code 0
  seriesLabel->setBuddy(m_series);

  m_fittingOnly = new QCheckBox(tr("선정 가능 모델만"));
  m_fittingOnly->setObjectName(QStringLiteral("checkFittingOnly"));
  m_fittingOnly->setAccessibleName(tr("선정 가능 모델만"));

  m_save = new QPushButton(tr("CSV로 저장…"));
  m_save->setObjectName(QStringLiteral("buttonSaveCsv"));
  m_save->setAccessibleName(tr("CSV로 저장…"));

  connect(m_series, &QComboBox::currentIndexChanged, this, &CComparisonWindow::OnSeriesFilter);
  connect(m_fittingOnly, &QCheckBox::toggled, m_filter, &CCandidateFilter::SetFittingOnly);
  connect(m_save, &QPushButton::clicked, this, &CComparisonWindow::SaveCsv);

  auto* row = new QHBoxLayout;
  row->addWidget(seriesLabel);
  row->addWidget(m_series);
  row->addSpacing(12);
  row->addWidget(m_fittingOnly);
  row->addStretch();
  row->addWidget(m_save);
  return row;
}

QTableView* CComparisonWindow::BuildTable() {
  m_table = new QTableView;
  m_table->setObjectName(QStringLiteral("tableCandidates"));
  m_table->setAccessibleName(tr("후보 모델"));
  SetUpRatedRowsTable(*m_table, *m_filter);
  m_table->installEventFilter(this);
  connect(m_table, &QTableView::doubleClicked, this, &CComparisonWindow::ChooseRow);
  return m_table;
}

CComparisonWindow::~CComparisonWindow() = default;

void CComparisonWindow::ShowOutcome(const ComparisonOutcome& outcome) {
  // The row the user was on stays current when the same model is still shown.
  const QString current = m_table->currentIndex().data(CCandidateTableModel::ModelRole).toString();
  const bool first = m_model->rowCount() == 0;
  m_model->SetOutcome(outcome);
  // Fitted to the texts when rows first come, then left as the user sizes them: fitting every
  // column on every refresh would measure every cell again.
  if (first) m_table->resizeColumnsToContents();
  if (outcome.refusal) {
    m_summary->setText(MessageText(*outcome.refusal));
    return;
  }
  QString summary = tr("정격 사용률 한계 %1%, 최대 사용률 한계 %2%")
                        .arg(QString::number(outcome.ratedLimit), QString::number(outcome.peakLimit));
  // Every row is rated for a profile the axis cannot run: said over the table, the numbers kept.
  if (!outcome.reachable) summary += QLatin1Char('\n') + MessageText({MessageCode::ProfileUnreachable});
  m_summary->setText(summary);
  if (current.isEmpty()) return;
  const QModelIndexList found =
      m_filter->match(m_filter->index(0, 0), CCandidateTableModel::ModelRole, current, 1, Qt::MatchExactly);
  if (!found.isEmpty()) m_table->setCurrentIndex(found.front());
}

void CComparisonWindow::Clear() {
  m_model->Clear();
  m_summary->clear();
}

void CComparisonWindow::MarkStale(bool stale) {
  m_model->SetStale(stale);
  ui::MarkStale(m_table, stale);
  ui::MarkStale(m_summary, stale);
}

void CComparisonWindow::OnSeriesFilter(int item) {
  const QVariant series = m_series->itemData(item);
  m_filter->SetSeries(series.isValid() ? std::optional(static_cast<MotorSeries>(series.toInt())) : std::nullopt);
}

void CComparisonWindow::ChooseRow(const QModelIndex& index) {
  if (!index.isValid()) return;
  if (index.data(CCandidateTableModel::UserRole).toBool()) {
    emit UserMotorChosen(static_cast<std::size_t>(index.data(CCandidateTableModel::IndexRole).toULongLong()));
    return;
  }
  emit ModelChosen(index.data(CCandidateTableModel::ModelRole).toString());
}

bool CComparisonWindow::eventFilter(QObject* watched, QEvent* event) {
  // Enter on a row chooses it, as a double-click does. The view's own "activated" is not used:
  // some styles activate on a single click.
  if (watched == m_table && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ChooseRow(m_table->currentIndex());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CComparisonWindow::keyPressEvent(QKeyEvent* event) {
  // Esc closes it as it closes the data sheets: the window has nothing to confirm. (A list that is
  // open takes its Esc first.)
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CComparisonWindow::SaveCsv() {
  const QString path = m_dialogs->SavePath(this, tr("CSV로 저장"), tr("후보 비교.csv"), tr("CSV 파일 (*.csv)"));
  if (path.isEmpty()) return;
  const QString why = WriteTableCsv(*m_filter, path);
  if (!why.isEmpty())
    m_messages.Warn(this, tr("CSV 파일을 저장하지 못했습니다: %1\n%2").arg(QDir::toNativeSeparators(path), why));
}

void CComparisonWindow::Present() {
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

}  // namespace brivane::ui
