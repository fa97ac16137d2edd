#include "ui/form/BrivaneView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

#include "catalog/MotorCatalog.h"
#include "engine/MoveCycle.h"
#include "engine/Presentation.h"
#include "ui/axis/AxisWindow.h"
#include "ui/axis/CycleDocument.h"
#include "ui/chart/ChartViewer.h"
#include "ui/chart/VelocityChart.h"
#include "ui/comparison/ComparisonWindow.h"
#include "ui/datasheet/MotorSpecDlg.h"
#include "ui/form/InputTips.h"
#include "ui/output/SaveDataDlg.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/HangulFont.h"
#include "ui/widgets/MessageSink.h"

namespace brivane::ui {
CBrivaneView::CBrivaneView(Session& session, MessageSink& messages, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_messages(messages),
      m_w(FormWidgets::Build(this)),
      m_exchange(m_w, messages, this) {
  setObjectName(QStringLiteral("brivaneView"));
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
  connect(m_w.buttonAxisDesign, &QPushButton::clicked, this, &CBrivaneView::OnAxisDesign);
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
  for (const auto& [combo, field] :
       {std::pair{m_w.comboRatedLimit, FormField::RatedLimit}, std::pair{m_w.comboPeakLimit, FormField::PeakLimit}}) {
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, edited(field));
    connect(combo, &QComboBox::activated, this, edited(field));
  }
  connect(m_w.comboModel, &QComboBox::activated, this, edited(FormField::Model));
}

void CBrivaneView::ShowStaleMarks() {
  m_exchange.ShowStale(m_session);
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

void CBrivaneView::SetValues(const FormValues& values) { LoadValues(values); }

bool CBrivaneView::LoadValues(const FormValues& values) {
  const bool held = m_session.LoadValues(values);
  ShowForm();
  ShowStaleMarks();
  return held;
}

bool CBrivaneView::UpdateValues() {
  std::optional<FormValues> values = m_exchange.Read(m_session.Values());
  if (!values) return false;
  m_session.SetValues(*values);
  m_exchange.ShowLimits(*values);
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

void CBrivaneView::ShowForm() { m_exchange.Show(m_session.Values(), m_session.MotorTypes()); }

void CBrivaneView::ShowResults() { m_exchange.ShowResults(m_session); }

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
    connect(m_comparison, &CComparisonWindow::UserMotorChosen, this, &CBrivaneView::OpenUserSheet);
    connect(m_comparison, &QObject::destroyed, this, [this] { m_session.CloseComparison(); });
  }
  ShowComparison();
  m_comparison->Present();  // pressed again: in front
}

void CBrivaneView::OnAxisDesign() {
  if (!ReadForCommand()) return;
  const FormValues& values = Values();
  // The move as the selection takes it: on bad input the selection's message, and no window.
  const MoveCycle cycle = CycleOfMove(values.move, values.ratedPosition, values.peakPosition, values.ambient);
  if (cycle.refusal) {
    ShowMessage(*cycle.refusal);
    return;
  }
  if (!m_axis) {
    m_axis = new CAxisWindow(m_session.Motors().All(), m_messages, m_fileDialogs, window());
    m_axis->setAttribute(Qt::WA_DeleteOnClose);
  }
  // The cycle on show, when it has unsaved changes, is asked about first.
  m_axis->Document().NewFromCycle(cycle.cycle);
  m_axis->Present();
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

void CBrivaneView::OpenUserSheet(std::size_t index) {
  if (const std::optional<UserMotorSheet> sheet = m_session.UserSheet(index)) OpenUserMotorSheet(*sheet, window());
}

void CBrivaneView::SetMotors(MotorList motors) {
  m_session.SetMotors(std::move(motors));
  // The axis window rates the same rows; the ones it held are gone with the old list.
  if (m_axis) m_axis->SetRows(m_session.Motors().All());
  ShowComparison();
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
    m_exchange.ShowAccelMode(Values().move.accelMode);
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
    m_pSpecDlg[SeriesSlot(sheet.series)] = OpenMotorSpecDlg(sheet.series, sheet.texts, window());
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
