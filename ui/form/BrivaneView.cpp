#include "ui/form/BrivaneView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtCharts/QChart>

#include <utility>

#include "engine/Presentation.h"
#include "ui/chart/ChartViewer.h"
#include "ui/comparison/ComparisonWindow.h"
#include "ui/datasheet/MotorSpecDlg.h"
#include "ui/form/InputTips.h"
#include "ui/output/SaveDataDlg.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/HangulFont.h"
#include "ui/widgets/MessageSink.h"
#include "ui/widgets/ResultMarks.h"

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

// Shows a position of a duty-limit list so that the list reads back as it: an item, or for none
// no item (a text the user typed that names no item stays as typed).
void ShowPosition(QComboBox* combo, const std::optional<int>& position) {
  if (!position) {
    if (!SelectedPosition(combo)) return;
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    return;
  }
  combo->setCurrentIndex(*position);
  // An index that did not change leaves typed text in the edit; put the item's text back.
  const QString item = combo->itemText(*position);
  if (combo->currentText() != item) combo->setEditText(item);
}

}  // namespace

CBrivaneView::CBrivaneView(Session& session, MessageSink& messages, QWidget* parent)
    : QWidget(parent), m_session(session), m_messages(messages) {
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
  const auto edited = [this](FormField field) {
    return [this, field] {
      m_session.Edited(field);
      ShowStaleMarks();
    };
  };
  const std::pair<QLineEdit*, FormField> edits[] = {
      {m_w.editLoadMass, FormField::LoadMass}, {m_w.editDistance, FormField::Distance},
      {m_w.editAccel, FormField::AccelValue},  {m_w.editVelocity, FormField::Velocity},
      {m_w.editDwell, FormField::Dwell},       {m_w.editFriction, FormField::Friction},
      {m_w.editSafety, FormField::Safety},     {m_w.editAmbient, FormField::Ambient}};
  for (const auto& [edit, field] : edits) connect(edit, &QLineEdit::textEdited, this, edited(field));
  for (const auto& [combo, field] : {std::pair{m_w.comboRatedLimit, FormField::RatedLimit},
                                     std::pair{m_w.comboPeakLimit, FormField::PeakLimit}}) {
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, edited(field));
    connect(combo, &QComboBox::activated, this, edited(field));
  }
  connect(m_w.comboModel, &QComboBox::activated, this, edited(FormField::Model));
}

void CBrivaneView::ShowStaleMarks() {
  const bool selection = m_session.IsStale(SessionPart::Selection);
  const bool check = m_session.IsStale(SessionPart::Check);
  for (QLineEdit* edit : m_w.editSeriesModel) MarkStale(edit, selection);
  for (QLineEdit* edit : m_w.editDuty) MarkStale(edit, selection);
  for (QLineEdit* edit : m_w.editAnalysis) MarkStale(edit, check);
  MarkStale(m_w.editCoil, check);
  MarkStale(m_w.chartViewer, check);
  if (QChart* chart = m_w.chartViewer->chart()) chart->setOpacity(check ? 0.35 : 1.0);
  if (m_comparison) m_comparison->MarkStale(m_session.IsStale(SessionPart::Comparison));
  emit resultsStaleChanged(m_session.AnyStale());
}

void CBrivaneView::MarkCheckAlerts(const DutyCheckOutcome& outcome) {
  // The sheet the check has just opened shows the checked ratios.
  CMotorSpecSheet* sheet = m_pSpecDlg[SeriesSlot(outcome.series)];
  if (sheet == nullptr) return;
  const auto limit = [](const std::optional<int>& position) {
    return position ? std::optional<int>(LimitFromPosition(*position)) : std::nullopt;
  };
  sheet->MarkDuties(DutyAlert(outcome.duty.ratedDuty, limit(Values().ratedPosition)),
                    DutyAlert(outcome.duty.peakDuty, limit(Values().peakPosition)));
}

void CBrivaneView::SetHintFont() {
  // The hint is Hangul: the form's face, a point smaller.
  QFont hint = FormFont();
  hint.setPointSize(8);
  m_w.labelFrictionHint->setFont(hint);
}

// ---------------------------------------------------------------------------------------------
// Data exchange

bool CBrivaneView::ReadFloat(QLineEdit* edit, float& value) { return ReadNumber(edit, value, tr("숫자를 입력하십시오.")); }

bool CBrivaneView::ReadInt(QLineEdit* edit, std::int32_t& value) {
  return ReadNumber(edit, value, tr("정수를 입력하십시오."));
}

template <class T>
bool CBrivaneView::ReadNumber(QLineEdit* edit, T& value, const QString& warning) {
  // An edit still showing what it was shown from gives that value back exactly.
  if (const std::optional<T> read = ReadFormField(ToUtf8(edit->text()), value)) {
    value = *read;
    return true;
  }
  m_messages.Warn(this, warning);
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
  return false;
}

std::optional<FormValues> CBrivaneView::ReadForm() {
  // The edits are read in a fixed order, which decides which of two wrong texts the
  // user hears about. The acceleration mode is not read: the buttons always show the session's.
  FormValues v = m_session.Values();
  MotionInput& m = v.move;
  if (!ReadFloat(m_w.editAccel, m.accelValue) || !ReadFloat(m_w.editFriction, m.frictionCoefficient) ||
      !ReadFloat(m_w.editLoadMass, m.loadMass) || !ReadFloat(m_w.editSafety, m.safetyFactor) ||
      !ReadInt(m_w.editDistance, m.distanceMm) || !ReadFloat(m_w.editVelocity, m.peakVelocity) ||
      !ReadFloat(m_w.editDwell, m.dwellMs)) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < v.show.size(); ++i) v.show[i] = m_w.checkShow[i]->isChecked();
  v.ratedPosition = SelectedPosition(m_w.comboRatedLimit);
  v.peakPosition = SelectedPosition(m_w.comboPeakLimit);
  const int chosen = m_w.comboModel->currentIndex();
  v.model = chosen >= 0 ? ToUtf8(m_w.comboModel->itemText(chosen)) : std::string();
  v.ambient = ToUtf8(m_w.editAmbient->text());
  return v;
}

void CBrivaneView::SetValues(const FormValues& values) { LoadValues(values); }

bool CBrivaneView::LoadValues(const FormValues& values) {
  const bool held = m_session.LoadValues(values);
  ShowForm();
  ShowStaleMarks();
  return held;
}

bool CBrivaneView::UpdateValues() {
  std::optional<FormValues> values = ReadForm();
  if (!values) return false;
  m_session.SetValues(*values);
  // A limit typed loosely ("30%") selects the item it names.
  ShowPosition(m_w.comboRatedLimit, values->ratedPosition);
  ShowPosition(m_w.comboPeakLimit, values->peakPosition);
  ShowStaleMarks();
  return true;
}

bool CBrivaneView::ReadForCommand() {
  if (UpdateValues()) return true;
  // The comparison shows the values a command read, or nothing when it could not read them.
  m_session.FormUnreadable();
  ShowComparison();
  return false;
}

void CBrivaneView::ShowForm() {
  const FormValues& v = m_session.Values();
  const MotionInput& m = v.move;
  ShowText(m_w.editAccel, FloatText(m.accelValue));
  ShowText(m_w.editFriction, FloatText(m.frictionCoefficient));
  ShowText(m_w.editLoadMass, FloatText(m.loadMass));
  ShowText(m_w.editSafety, FloatText(m.safetyFactor));
  ShowText(m_w.editDistance, IntText(m.distanceMm));
  ShowText(m_w.editVelocity, FloatText(m.peakVelocity));
  ShowText(m_w.editDwell, FloatText(m.dwellMs));
  m_w.radioAccelG->setChecked(m.accelMode == AccelMode::Gravity);
  m_w.radioAccelTime->setChecked(m.accelMode == AccelMode::Time);
  for (std::size_t i = 0; i < v.show.size(); ++i) m_w.checkShow[i]->setChecked(v.show[i]);
  const std::array<bool, 6>& types = m_session.MotorTypes();
  for (std::size_t i = 0; i < types.size(); ++i) m_w.checkMotorType[i]->setChecked(types[i]);
  ShowPosition(m_w.comboRatedLimit, v.ratedPosition);
  ShowPosition(m_w.comboPeakLimit, v.peakPosition);
  // The list holds the catalog in its order.
  m_w.comboModel->setCurrentIndex(m_w.comboModel->findText(FromUtf8(v.model)));
  ShowText(m_w.editAmbient, FromUtf8(v.ambient));
}

void CBrivaneView::ShowResults() {
  const std::optional<SelectionOutcome>& selection = m_session.Selection();
  std::array<DutyResult, 3> duties;
  for (const MotorSeries s : kAllSeries) {
    const std::size_t slot = SeriesSlot(s);
    ShowText(m_w.editSeriesModel[slot], selection ? FromUtf8(selection->series[slot].model) : QString());
    if (selection) duties[slot] = selection->series[slot].duty;
  }
  const std::array<std::string, 6> dutyTexts = FormatDutyTexts(duties);
  for (std::size_t i = 0; i < dutyTexts.size(); ++i) ShowText(m_w.editDuty[i], FromUtf8(dutyTexts[i]));
  const std::optional<DutyCheckOutcome>& check = m_session.Check();
  const AnalysisTexts texts = FormatAnalysisTexts(check ? *check->analysis : LoadAnalysis{});
  for (std::size_t i = 0; i < texts.analysis.size(); ++i) ShowText(m_w.editAnalysis[i], FromUtf8(texts.analysis[i]));
  ShowText(m_w.editCoil, FromUtf8(texts.coil));
  if (check) {
    MarkAlert(m_w.editCoil, CoilAlert(check->analysis->coilTemp), tr("90도를 넘습니다"));
  } else {
    MarkAlert(m_w.editCoil, ResultAlert::None);
  }
}

void CBrivaneView::ShowMessage(const Message& message) { m_messages.Warn(this, MessageText(message)); }

// ---------------------------------------------------------------------------------------------
// Commands

void CBrivaneView::OnInitialUpdate() {
  m_session.InitialUpdate();
  m_w.comboModel->clear();
  for (std::string_view name : MotorCatalog::Instance().Names()) m_w.comboModel->addItem(FromUtf8(name));
  ShowForm();
  ShowResults();
  SetHintFont();
  DrawChart();
}

bool CBrivaneView::RunSelection() {
  if (!ReadForCommand()) return false;
  const SelectionOutcome outcome = m_session.RunSelection();
  PresentSelection(outcome);
  ShowComparison();
  return outcome.completed;
}

void CBrivaneView::PresentSelection(const SelectionOutcome& outcome) {
  const SelectionMessages messages = OrderSelectionMessages(outcome);
  for (const Message& message : messages.beforeResults) ShowMessage(message);
  if (!outcome.completed) return;
  ShowForm();
  ShowResults();
  ShowStaleMarks();
  for (const Message& message : messages.afterResults) ShowMessage(message);
}

bool CBrivaneView::CheckModelDuty() {
  if (!ReadForCommand()) return false;
  const DutyCheckOutcome outcome = m_session.CheckModelDuty();
  if (outcome.analysis) {
    ShowForm();
    ShowResults();
  }
  if (outcome.status != DutyCheckStatus::Completed) {
    ShowStaleMarks();
    if (outcome.message) ShowMessage(*outcome.message);
    ShowComparison();
    return false;
  }
  // The chart view repaints itself; the edits repainted only where their texts changed.
  if (outcome.chart) DrawChart();
  ShowStaleMarks();
  OnViewSpec();
  MarkCheckAlerts(outcome);
  ShowComparison();
  return true;
}

void CBrivaneView::OnViewSpec() {
  if (!ReadForCommand()) return;
  const ViewSpecOutcome outcome = m_session.ViewSpec();
  if (outcome.selection) {
    PresentSelection(*outcome.selection);
    ShowComparison();
  } else {
    ShowForm();
  }
  OpenSheets(outcome.sheets);
}

void CBrivaneView::OnCompare() {
  if (!ReadForCommand()) return;
  const ComparisonOutcome& outcome = m_session.Compare();
  // On bad input the selection's message, and no new window.
  if (outcome.refusal) {
    ShowMessage(*outcome.refusal);
    if (!m_comparison) m_session.CloseComparison();
    ShowComparison();
    return;
  }
  if (!m_comparison) {
    m_comparison = new CComparisonWindow(m_messages, m_fileDialogs, window());
    m_comparison->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_comparison, &CComparisonWindow::ModelChosen, this, &CBrivaneView::CheckChosenModel);
    connect(m_comparison, &QObject::destroyed, this, [this] { m_session.CloseComparison(); });
  }
  ShowComparison();
  m_comparison->Present();  // pressed again: in front
}

void CBrivaneView::ShowComparison() {
  if (!m_comparison) return;
  if (const std::optional<ComparisonOutcome>& outcome = m_session.Comparison()) {
    m_comparison->ShowOutcome(*outcome);
  } else {
    m_comparison->Clear();
  }
  m_comparison->MarkStale(m_session.IsStale(SessionPart::Comparison));
}

void CBrivaneView::CheckChosenModel(const QString& model) {
  // As the user would: pick the model in the list, then press "사용률 계산".
  m_w.comboModel->setCurrentIndex(m_w.comboModel->findText(model));
  m_w.buttonCheckDuty->click();
}

void CBrivaneView::OnResetData() {
  // Nothing read from the widgets survives a reset, so the reset does not read them: a text that
  // is not a number must not stand in the way of clearing the form.
  m_session.Reset();
  SetHintFont();
  ShowForm();
  ShowResults();
  DrawChart();
  ShowStaleMarks();
  ShowComparison();
}

void CBrivaneView::OnSaveResult() {
  if (!UpdateValues()) return;
  if (const std::optional<Message> refusal = m_session.StartSave()) {
    ShowMessage(*refusal);
    return;
  }
  OpenSaveDialog();
}

void CBrivaneView::OnAccelModeGravity() { SetAccelMode(AccelMode::Gravity); }
void CBrivaneView::OnAccelModeTime() { SetAccelMode(AccelMode::Time); }

void CBrivaneView::SetAccelMode(AccelMode mode) {
  if (!UpdateValues()) {
    // The mode stays as it was, and so must the buttons.
    const AccelMode kept = Values().move.accelMode;
    m_w.radioAccelG->setChecked(kept == AccelMode::Gravity);
    m_w.radioAccelTime->setChecked(kept == AccelMode::Time);
    return;
  }
  FormValues values = Values();
  values.move.accelMode = mode;
  m_session.SetValues(values);
  ShowForm();
  ShowStaleMarks();
}

void CBrivaneView::DrawChart() {
  m_w.chartViewer->setChart(MakeVelocityChart(m_session.Chart(), m_w.chartViewer->size()));
}

void CBrivaneView::OpenSheets(const std::vector<SeriesSheet>& sheets) {
  for (const SeriesSheet& sheet : sheets) {
    m_pSpecDlg[SeriesSlot(sheet.series)] = CMotorSpecSheet::Open(sheet.series, sheet.texts, window());
  }
}

void CBrivaneView::OpenSaveDialog() {
  // Modal to the whole application, like a blocking dialog, but without a nested event loop: the
  // dialog lives for one save and deletes itself when it ends.
  auto* dialog = new CSaveDataDlg(m_session.Record(), MotorCatalog::Instance(), m_messages, window());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->show();
}

}  // namespace brivane::ui
