#include "ui/BrivaneView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtCharts/QChart>

#include <algorithm>
#include <utility>

#include "engine/DataSheet.h"
#include "engine/NumberText.h"
#include "engine/Presentation.h"
#include "ui/AppSetup.h"
#include "ui/ChartViewer.h"
#include "ui/ComparisonWindow.h"
#include "ui/EngineTexts.h"
#include "ui/InputTips.h"
#include "ui/MessageSink.h"
#include "ui/MotorSpecDlg.h"
#include "ui/ResultMarks.h"
#include "ui/SaveDataDlg.h"

namespace brivane::ui {
namespace {

std::string ToUtf8(const QString& s) { return s.toStdString(); }

// setText repaints an edit even when its text stays the same; a command changes only a few of the
// form's texts, and only those should be drawn again.
void ShowText(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

// The position the user picked or typed in a duty-limit list: an item's text, or a percentage the
// list holds typed more loosely ("30", "30%"); any other text is none.
std::optional<int> SelectedPosition(const QComboBox* combo) {
  const int i = combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (i >= 0) return i;
  return PositionFromLimitText(ToUtf8(combo->currentText()));
}

// Shows a position of a duty-limit list; none leaves the typed text as it is.
void ShowPosition(QComboBox* combo, const std::optional<int>& position) {
  if (!position) return;
  combo->setCurrentIndex(*position);
  // An index that did not change leaves typed text in the edit; put the item's text back.
  const QString item = combo->itemText(*position);
  if (combo->currentText() != item) combo->setEditText(item);
}

}  // namespace

CBrivaneView::CBrivaneView(SelectionRecord& record, MessageSink& messages, QWidget* parent)
    : QWidget(parent), m_catalog(MotorCatalog::Instance()), m_record(record), m_messages(messages) {
  setObjectName(QStringLiteral("brivaneView"));
  m_w = FormWidgets::Build(this);
  SetInputTips(m_w);
  ConnectCommands();
  ConnectInputChanges();
}

CBrivaneView::~CBrivaneView() = default;

void CBrivaneView::ConnectCommands() {
  connect(m_w.buttonSelect, &QPushButton::clicked, this, &CBrivaneView::RunSelection);
  connect(m_w.buttonReset, &QPushButton::clicked, this, &CBrivaneView::OnResetData);
  connect(m_w.buttonCheckDuty, &QPushButton::clicked, this, &CBrivaneView::CheckModelDuty);
  connect(m_w.buttonViewSpec, &QPushButton::clicked, this, &CBrivaneView::OnViewSpec);
  connect(m_w.buttonCompare, &QPushButton::clicked, this, &CBrivaneView::OnCompare);
  // After the buttons' own handlers (connected above, so called first).
  connect(m_w.buttonSelect, &QPushButton::clicked, this, &CBrivaneView::RefreshComparison);
  connect(m_w.buttonCheckDuty, &QPushButton::clicked, this, &CBrivaneView::RefreshComparison);
  connect(m_w.buttonSaveResult, &QPushButton::clicked, this, &CBrivaneView::OnSaveResult);
  connect(m_w.radioAccelG, &QRadioButton::clicked, this, &CBrivaneView::OnAccelModeGravity);
  connect(m_w.radioAccelTime, &QRadioButton::clicked, this, &CBrivaneView::OnAccelModeTime);
  for (QLineEdit* edit : {m_w.editLoadMass, m_w.editDistance, m_w.editAccel, m_w.editVelocity, m_w.editDwell,
                          m_w.editFriction, m_w.editSafety, m_w.editAmbient}) {
    connect(edit, &QLineEdit::textChanged, this, &CBrivaneView::InputsChanged);
  }
  for (QComboBox* combo : {m_w.comboRatedLimit, m_w.comboPeakLimit, m_w.comboModel}) {
    connect(combo, &QComboBox::currentTextChanged, this, &CBrivaneView::InputsChanged);
  }
  const std::array<QAbstractButton*, 5> toggles{m_w.radioAccelG, m_w.radioAccelTime, m_w.checkShow[0], m_w.checkShow[1],
                                                m_w.checkShow[2]};
  for (QAbstractButton* button : toggles) {
    connect(button, &QAbstractButton::toggled, this, &CBrivaneView::InputsChanged);
  }
}

void CBrivaneView::ConnectInputChanges() {
  // Only the user's edits count (textEdited, activated): the form showing its own values does not.
  for (QLineEdit* edit : {m_w.editLoadMass, m_w.editDistance, m_w.editAccel, m_w.editVelocity, m_w.editDwell,
                          m_w.editFriction, m_w.editSafety}) {
    connect(edit, &QLineEdit::textEdited, this, [this] { OutdateResults(kAllResults); });
  }
  connect(m_w.editAmbient, &QLineEdit::textEdited, this, [this] { OutdateResults(kCheckResults); });
  for (QComboBox* combo : {m_w.comboRatedLimit, m_w.comboPeakLimit}) {
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this] { OutdateResults(kSelectionResults); });
    connect(combo, &QComboBox::activated, this, [this] { OutdateResults(kSelectionResults); });
  }
  connect(m_w.comboModel, &QComboBox::activated, this, [this] { OutdateResults(kCheckResults); });
}

void CBrivaneView::OutdateResults(unsigned parts) {
  const unsigned stale = m_staleParts | (parts & m_shownParts);
  if (stale == m_staleParts) return;
  m_staleParts = stale;
  ShowStaleMarks();
}

void CBrivaneView::ResultsCurrent(unsigned parts, bool shown) {
  m_shownParts = shown ? (m_shownParts | parts) : (m_shownParts & ~parts);
  m_staleParts &= ~parts;
  ShowStaleMarks();
}

void CBrivaneView::ShowStaleMarks() {
  const bool selection = (m_staleParts & kSelectionResults) != 0;
  const bool check = (m_staleParts & kCheckResults) != 0;
  for (QLineEdit* edit : m_w.editSeriesModel) MarkStale(edit, selection);
  for (QLineEdit* edit : m_w.editDuty) MarkStale(edit, selection);
  for (QLineEdit* edit : m_w.editAnalysis) MarkStale(edit, check);
  MarkStale(m_w.editCoil, check);
  MarkStale(m_w.chartViewer, check);
  if (QChart* chart = m_w.chartViewer->chart()) chart->setOpacity(check ? 0.35 : 1.0);
  emit resultsStaleChanged(m_staleParts != 0);
}

void CBrivaneView::MarkCheckAlerts(const DutyCheckOutcome& outcome) {
  // The sheet the check has just opened shows the checked ratios.
  CMotorSpecSheet* sheet = m_pSpecDlg[SeriesSlot(outcome.series)];
  if (sheet == nullptr) return;
  const auto limit = [](const std::optional<int>& position) {
    return position ? std::optional<int>(LimitFromPosition(*position)) : std::nullopt;
  };
  sheet->MarkDuties(DutyAlert(outcome.duty.ratedDuty, limit(m_values.ratedPosition)),
                    DutyAlert(outcome.duty.peakDuty, limit(m_values.peakPosition)));
}

void CBrivaneView::SetHintFont() {
  // The hint is Hangul: the form's face, a point smaller.
  QFont hint = FormFont();
  hint.setPointSize(8);
  m_w.labelFrictionHint->setFont(hint);
}

// ---------------------------------------------------------------------------------------------
// Data exchange

bool CBrivaneView::ReadFloat(QLineEdit* edit, float& value) {
  return ReadNumber(edit, value, ParseFloatField(ToUtf8(edit->text())), tr("숫자를 입력하십시오."));
}

bool CBrivaneView::ReadInt(QLineEdit* edit, std::int32_t& value) {
  return ReadNumber(edit, value, ParseIntField(ToUtf8(edit->text())), tr("정수를 입력하십시오."));
}

template <class T>
bool CBrivaneView::ReadNumber(QLineEdit* edit, T& value, const std::optional<T>& read, const QString& warning) {
  if (!read) {
    m_messages.Warn(this, warning);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
  }
  value = *read;
  return true;
}

std::optional<FormValues> CBrivaneView::ReadForm() {
  // The edits are read in a fixed order, which decides which of two wrong texts the
  // user hears about. The acceleration mode is not read: the buttons always show m_values's.
  FormValues v = m_values;
  MotionInput& m = v.move;
  if (!ReadFloat(m_w.editAccel, m.accelValue) || !ReadFloat(m_w.editFriction, m.frictionCoefficient) ||
      !ReadFloat(m_w.editLoadMass, m.loadMass) || !ReadFloat(m_w.editSafety, m.safetyFactor) ||
      !ReadInt(m_w.editDistance, m.distanceMm) || !ReadFloat(m_w.editVelocity, m.peakVelocity) ||
      !ReadFloat(m_w.editDwell, m.dwellMs)) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < v.show.size(); ++i) v.show[i] = m_w.checkShow[i]->isChecked();
  for (std::size_t i = 0; i < m_motorType.size(); ++i) m_motorType[i] = m_w.checkMotorType[i]->isChecked();
  v.ratedPosition = SelectedPosition(m_w.comboRatedLimit);
  v.peakPosition = SelectedPosition(m_w.comboPeakLimit);
  const int chosen = m_w.comboModel->currentIndex();
  v.model = chosen >= 0 ? ToUtf8(m_w.comboModel->itemText(chosen)) : std::string();
  v.ambient = ToUtf8(m_w.editAmbient->text());
  return v;
}

void CBrivaneView::SetValues(const FormValues& values) {
  m_values = values;
  ShowForm();
  OutdateResults(kAllResults);
}

bool CBrivaneView::UpdateValues() {
  std::optional<FormValues> values = ReadForm();
  m_formRead = values.has_value();
  if (!values) return false;
  m_values = std::move(*values);
  // A limit typed loosely ("30%") selects the item it names.
  ShowPosition(m_w.comboRatedLimit, m_values.ratedPosition);
  ShowPosition(m_w.comboPeakLimit, m_values.peakPosition);
  return true;
}

void CBrivaneView::ShowForm() {
  const MotionInput& m = m_values.move;
  ShowText(m_w.editAccel, FloatText(m.accelValue));
  ShowText(m_w.editFriction, FloatText(m.frictionCoefficient));
  ShowText(m_w.editLoadMass, FloatText(m.loadMass));
  ShowText(m_w.editSafety, FloatText(m.safetyFactor));
  ShowText(m_w.editDistance, IntText(m.distanceMm));
  ShowText(m_w.editVelocity, FloatText(m.peakVelocity));
  ShowText(m_w.editDwell, FloatText(m.dwellMs));
  m_w.radioAccelG->setChecked(m.accelMode == AccelMode::Gravity);
  m_w.radioAccelTime->setChecked(m.accelMode == AccelMode::Time);
  for (std::size_t i = 0; i < m_values.show.size(); ++i) m_w.checkShow[i]->setChecked(m_values.show[i]);
  for (std::size_t i = 0; i < m_motorType.size(); ++i) m_w.checkMotorType[i]->setChecked(m_motorType[i]);
  ShowPosition(m_w.comboRatedLimit, m_values.ratedPosition);
  ShowPosition(m_w.comboPeakLimit, m_values.peakPosition);
  // The list holds the catalog in its order; a file's "cl-07" picks CL-07.
  const std::optional<std::size_t> model = FindModelIgnoringCase(m_catalog.Rows(), m_values.model);
  m_w.comboModel->setCurrentIndex(model ? static_cast<int>(*model) : -1);
  ShowText(m_w.editAmbient, FromUtf8(m_values.ambient));
}

void CBrivaneView::ShowResults() {
  std::array<DutyResult, 3> duties;
  for (std::size_t s = 0; s < m_found.size(); ++s) {
    ShowText(m_w.editSeriesModel[s], FromUtf8(m_found[s].model));
    duties[s] = m_found[s].duty;
  }
  const std::array<std::string, 6> dutyTexts = FormatDutyTexts(duties);
  for (std::size_t i = 0; i < dutyTexts.size(); ++i) ShowText(m_w.editDuty[i], FromUtf8(dutyTexts[i]));
  const AnalysisTexts texts = FormatAnalysisTexts(m_analysis);
  for (std::size_t i = 0; i < texts.analysis.size(); ++i) ShowText(m_w.editAnalysis[i], FromUtf8(texts.analysis[i]));
  ShowText(m_w.editCoil, FromUtf8(texts.coil));
}

ShownResults CBrivaneView::Results() const {
  return ShownResults{m_selected, m_found, m_analysedModel, m_analysis, m_chart, m_reachable, m_checkRefusal};
}

void CBrivaneView::ShowMessage(const Message& message) { m_messages.Warn(this, MessageText(message)); }

// ---------------------------------------------------------------------------------------------
// Commands

void CBrivaneView::OnInitialUpdate() {
  m_checkedSeries = 0;
  m_w.comboModel->clear();
  for (std::string_view name : m_catalog.Names()) {
    m_w.comboModel->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  m_values.ratedPosition = kDefaultRatedPosition;
  m_values.peakPosition = kDefaultPeakPosition;
  m_values.model.clear();
  ShowForm();
  ShowResults();
  SetHintFont();
  DrawEmptyChart();
}

bool CBrivaneView::RunSelection() { return DoSelection(); }

bool CBrivaneView::DoSelection() {
  if (!UpdateValues()) return false;
  SelectionRequest request;
  request.input = m_values.move;
  request.ratedPosition = m_values.ratedPosition;
  request.peakPosition = m_values.peakPosition;
  // 5급 gates the double-sided series, 1급 the single-sided, 6급 the Vela-Series.
  request.gates = {m_motorType[4], m_motorType[0], m_motorType[5]};
  const SelectionOutcome outcome = brivane::RunSelection(request, m_catalog);
  m_record.Apply(outcome);
  if (!outcome.completed) {
    for (const Message& message : outcome.messages) ShowMessage(message);
    return false;
  }
  // The notice about the limits is answered before the results appear, as it comes before the
  // search; the results are on screen before the no-fit messages, so that each sits over the
  // outcome it explains.
  const auto isNotice = [](const Message& m) { return m.code == MessageCode::NotRecommendedLimits; };
  for (const Message& message : outcome.messages)
    if (isNotice(message)) ShowMessage(message);
  m_found = outcome.series;
  m_selected = true;
  m_reachable = outcome.reachable;
  ShowForm();
  ShowResults();
  ResultsCurrent(kSelectionResults);
  for (const Message& message : outcome.messages)
    if (!isNotice(message)) ShowMessage(message);
  // The ratios on show are of a profile the axis cannot run; they stay, with this said over them.
  if (!outcome.reachable) ShowMessage({MessageCode::ProfileUnreachable});
  return true;
}

bool CBrivaneView::CheckModelDuty() {
  if (!UpdateValues()) return false;
  const DutyCheckRequest request{m_values.move, m_values.model, ParseAmbientText(m_values.ambient)};
  const DutyCheckOutcome outcome = brivane::CheckModelDuty(request, m_catalog);
  m_record.Apply(outcome);
  if (outcome.analysis) {
    m_analysis = *outcome.analysis;
    m_analysedModel = outcome.model;
    m_checkRefusal = outcome.message;
    // The ambient edit shows the temperature as the check read it ("26" for "25.6").
    m_values.ambient = FormatAnalysisTexts(m_analysis).ambient;
    ShowForm();
    ShowResults();
    MarkAlert(m_w.editCoil, CoilAlert(m_analysis.coilTemp), tr("90도를 넘습니다"));
  }
  if (outcome.status != DutyCheckStatus::Completed) {
    if (outcome.analysis) ResultsCurrent(kCheckResults);
    if (outcome.message) ShowMessage(*outcome.message);
    return false;
  }
  // No constant-velocity stretch: the chart keeps what it showed.
  // The chart view repaints itself; the edits repainted only where their texts changed.
  if (outcome.chart) {
    m_chart = *outcome.chart;
    m_w.chartViewer->setChart(MakeVelocityChart(m_chart, m_w.chartViewer->size()));
  }
  ResultsCurrent(kCheckResults);
  m_checkedSeries = static_cast<std::int32_t>(outcome.series);
  OnViewSpec();
  MarkCheckAlerts(outcome);
  return true;
}

void CBrivaneView::OnViewSpec() {
  if (!UpdateValues()) return;
  if (m_checkedSeries >= 1 && m_checkedSeries <= 3) {
    // A duty check has just finished: only its series' sheet opens, whatever the show boxes say.
    OpenSpecSheet(static_cast<MotorSeries>(m_checkedSeries));
    m_checkedSeries = 0;
    ShowForm();
    return;
  }
  // A selection that stopped on a message opens nothing, rather than the sheets of an older result.
  if (!DoSelection()) return;
  m_record.CopySelectedToShown();
  for (const MotorSeries s : kAllSeries) {
    const std::size_t slot = SeriesSlot(s);
    if (m_values.show[slot] && m_found[slot].number != 0) OpenSpecSheet(s);
  }
}

void CBrivaneView::OnCompare() {
  const bool read = UpdateValues();
  const ComparisonOutcome outcome = read ? CompareFormValues(m_values) : ComparisonOutcome{};
  // On bad input the selection's message, and nothing compared.
  if (!read || outcome.refusal) {
    if (outcome.refusal) ShowMessage(*outcome.refusal);
    if (m_comparison) m_comparison->Clear();
    return;
  }
  if (!m_comparison) {
    m_comparison = new CComparisonWindow(m_messages, m_fileDialogs, window());
    m_comparison->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_comparison, &CComparisonWindow::ModelChosen, this, &CBrivaneView::CheckChosenModel);
  }
  m_comparison->ShowOutcome(outcome);
  m_comparison->Present();  // pressed again: in front
}

void CBrivaneView::RefreshComparison() {
  if (!m_comparison) return;
  if (m_formRead) {
    m_comparison->ShowOutcome(CompareFormValues(m_values));
  } else {
    m_comparison->Clear();
  }
}

void CBrivaneView::CheckChosenModel(const QString& model) {
  // As the user would: pick the model in the list, then press "사용률 계산".
  m_w.comboModel->setCurrentIndex(m_w.comboModel->findText(model));
  m_w.buttonCheckDuty->click();
}

void CBrivaneView::OnResetData() {
  // Nothing read from the widgets survives a reset, so the reset does not read them: a text that
  // is not a number must not stand in the way of clearing the form.
  m_values = FormValues{};
  m_motorType = {true, true, true, true, true, true};
  m_found = {};
  m_analysis = LoadAnalysis{};
  m_selected = false;
  m_reachable = true;
  m_analysedModel.clear();
  m_checkRefusal.reset();
  m_checkedSeries = 0;
  SetHintFont();
  ShowForm();
  ShowResults();
  DrawEmptyChart();
  MarkAlert(m_w.editCoil, ResultAlert::None);
  ResultsCurrent(kAllResults, false);
}

void CBrivaneView::OnSaveResult() {
  if (!UpdateValues()) return;
  if (std::all_of(m_found.begin(), m_found.end(), [](const SeriesChoice& c) { return c.number == 0; })) {
    ShowMessage({MessageCode::SelectionMissing});
    return;
  }
  m_record.CopySelectedToShown();
  OpenSaveDialog();
}

void CBrivaneView::OnAccelModeGravity() { SetAccelMode(AccelMode::Gravity); }
void CBrivaneView::OnAccelModeTime() { SetAccelMode(AccelMode::Time); }

void CBrivaneView::SetAccelMode(AccelMode mode) {
  if (!UpdateValues()) {
    // The mode stays as it was, and so must the buttons.
    m_w.radioAccelG->setChecked(m_values.move.accelMode == AccelMode::Gravity);
    m_w.radioAccelTime->setChecked(m_values.move.accelMode == AccelMode::Time);
    return;
  }
  if (m_values.move.accelMode != mode) OutdateResults(kAllResults);
  m_values.move.accelMode = mode;
  ShowForm();
}

void CBrivaneView::DrawEmptyChart() {
  m_chart = EmptyProfileChart();
  m_w.chartViewer->setChart(MakeVelocityChart(m_chart, m_w.chartViewer->size()));
}

void CBrivaneView::OpenSpecSheet(MotorSeries s) {
  m_pSpecDlg[SeriesSlot(s)] = CMotorSpecSheet::Open(s, MakeDataSheetTexts(m_record, s, m_catalog), window());
  // The sheet has taken what it shows: the series returns to the selection's model.
  m_record.RestoreShown(s);
}

void CBrivaneView::OpenSaveDialog() {
  // Modal to the whole application, like a blocking dialog, but without a nested event loop: the
  // dialog lives for one save and deletes itself when it ends.
  auto* dialog = new CSaveDataDlg(m_record, m_catalog, m_messages, window());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->show();
}

}  // namespace brivane::ui
