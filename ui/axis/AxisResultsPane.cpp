#include "ui/axis/AxisResultsPane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "engine/ComparisonTexts.h"
#include "engine/NumberText.h"
#include "ui/axis/AxisResultsModel.h"
#include "ui/axis/AxisTexts.h"
#include "ui/comparison/CandidateFilter.h"
#include "ui/comparison/CandidateTableModel.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

// The series filter's item for the user's motors: they have no series code.
constexpr int kUserSeries = 0;

}  // namespace

CAxisResultsPane::CAxisResultsPane(const AxisDesign& design, QWidget* parent) : QWidget(parent), m_design(design) {
  setObjectName(QStringLiteral("axisResults"));
  m_model = new CAxisResultsModel(design, this);
  m_filter = new CCandidateFilter(this);
  m_filter->setSourceModel(m_model);
  BuildFilters();
  BuildTable();
  Refresh();
}

void CAxisResultsPane::BuildFilters() {
  auto* seriesLabel = new QLabel(tr("시리즈(&S)"));
  seriesLabel->setObjectName(QStringLiteral("labelAxisSeriesFilter"));
  seriesLabel->setAccessibleName(tr("시리즈"));
  m_series = new QComboBox;
  m_series->setObjectName(QStringLiteral("comboAxisSeriesFilter"));
  m_series->setAccessibleName(tr("시리즈"));
  seriesLabel->setBuddy(m_series);
  m_fittingOnly = new QCheckBox(tr("사용률 적합 모델만(&F)"));
  m_fittingOnly->setObjectName(QStringLiteral("checkAxisFittingOnly"));
  m_fittingOnly->setAccessibleName(tr("사용률 적합 모델만"));
  m_summary = new QLabel;
  m_summary->setObjectName(QStringLiteral("labelAxisSummary"));
  m_summary->setAccessibleName(tr("계산 조건"));
  m_summary->setWordWrap(true);
  m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* top = new QHBoxLayout;
  top->addWidget(seriesLabel);
  top->addWidget(m_series);
  top->addSpacing(12);
  top->addWidget(m_fittingOnly);
  top->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addWidget(m_summary);
  connect(m_series, &QComboBox::currentIndexChanged, this, &CAxisResultsPane::OnSeriesFilter);
  connect(m_fittingOnly, &QCheckBox::toggled, m_filter, &CCandidateFilter::SetFittingOnly);
}

void CAxisResultsPane::BuildTable() {
  m_table = new QTableView;
  m_table->setObjectName(QStringLiteral("tableAxisResults"));
  m_table->setAccessibleName(tr("모델별 결과"));
  // One line a cell: a wrapped text is laid out again at every repaint, which typing causes.
  m_table->setWordWrap(false);
  SetUpRatedRowsTable(*m_table, *m_filter);
  static_cast<QVBoxLayout*>(layout())->addWidget(m_table, 1);
  connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &CAxisResultsPane::OnCurrentChanged);
}

void CAxisResultsPane::Refresh() {
  m_model->Refresh();
  UpdateSeriesChoices();
  UpdateSummary();
}

void CAxisResultsPane::FitColumns() { m_table->resizeColumnsToContents(); }

void CAxisResultsPane::UpdateSeriesChoices() {
  bool user = false;
  for (const MotorRecord& r : m_design.Rows()) user |= r.user;
  const int wanted = 1 + static_cast<int>(kAllSeries.size()) + (user ? 1 : 0);
  if (m_series->count() == wanted) return;
  const QSignalBlocker quiet(m_series);
  m_series->clear();
  m_series->addItem(tr("전체"));
  for (const MotorSeries s : kAllSeries) m_series->addItem(SeriesCaption(s), static_cast<int>(s));
  if (user) m_series->addItem(EngineText(kUserMotorsTitle), kUserSeries);
  m_filter->SetSeries(std::nullopt);
}

void CAxisResultsPane::UpdateSummary() {
  const Cycle& c = m_design.Rated();
  QStringList lines;
  if (m_design.Refusal()) {
    lines << TranslatedCycleMessage(*m_design.Refusal());
  } else {
    const AxisSummary s = m_design.Summary();
    lines << tr("사이클 시간 %1 s, 순 이동 %2 mm, 정격 사용률 한계 %3%, 최대 사용률 한계 %4%")
                 .arg(FromUtf8(FormatFixed(m_design.Plan().cycleTime, 3)),
                      FromUtf8(FormatFixed(m_design.Plan().netDisplacementMm, 1)))
                 .arg(c.ratedLimit)
                 .arg(c.peakLimit);
    lines << tr("모델 %1개 중 사용률 적합 %2개, 확인을 모두 통과 %3개").arg(s.rated).arg(s.fitting).arg(s.ok);
  }
  if (const std::size_t marks = m_design.MarkCount())
    lines << tr("받아들이지 않은 값 %1개(빨간 칸): 마지막으로 받아들인 값으로 계산합니다.").arg(marks);
  for (const CycleMessage& w : m_design.Plan().warnings) lines << TranslatedCycleMessage(w);
  const QString text = lines.join(QLatin1Char('\n'));
  if (m_summary->text() != text) m_summary->setText(text);
}

void CAxisResultsPane::SelectPosition(std::optional<std::size_t> position) {
  if (!position) return;
  const QModelIndex source = m_model->index(static_cast<int>(*position), 0);
  const QModelIndex shown = m_filter->mapFromSource(source);
  if (!shown.isValid() || m_table->currentIndex().row() == shown.row()) return;
  m_selecting = true;
  m_table->setCurrentIndex(shown);
  m_selecting = false;
}

void CAxisResultsPane::OnSeriesFilter(int item) {
  const QVariant series = m_series->itemData(item);
  m_filter->SetSeries(series.isValid() ? std::optional(static_cast<MotorSeries>(series.toInt())) : std::nullopt);
}

void CAxisResultsPane::OnCurrentChanged(const QModelIndex& current) {
  if (m_selecting || !current.isValid()) return;
  emit RowChosen(static_cast<std::size_t>(current.data(CAxisResultsModel::PositionRole).toInt()));
}

}  // namespace brivane::ui
