#include "ui/axis/AxisFieldsPanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>

#include "engine/DutyLimits.h"
#include "ui/axis/AxisTexts.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

const QColor kMarkedBackground(0xf8, 0xd0, 0xd0);

// "editInclinationDeg" for "inclinationDeg".
QString EditName(const CycleFieldInfo& info) {
  QString key = FromUtf8(info.key);
  key[0] = key[0].toUpper();
  return QStringLiteral("edit") + key;
}

QComboBox* LimitCombo(const char* name, const QString& accessible) {
  auto* combo = new QComboBox;
  combo->setObjectName(QLatin1String(name));
  combo->setAccessibleName(accessible);
  for (int p = 0; p < kLimitPositions; ++p) combo->addItem(QString::number(LimitFromPosition(p)), LimitFromPosition(p));
  combo->setToolTip(accessible + QStringLiteral(" [%]: ") +
                    QCoreApplication::translate("brivane::ui::CAxisWindow", "%1에서 %2까지 5 간격")
                        .arg(LimitFromPosition(0))
                        .arg(LimitFromPosition(kLimitPositions - 1)));
  return combo;
}

}  // namespace

CAxisFieldsPanel::CAxisFieldsPanel(AxisDesign& design, ChangeSink changed, QWidget* parent)
    : QWidget(parent), m_design(design), m_changed(std::move(changed)) {
  setObjectName(QStringLiteral("axisFields"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Group(tr("축"), "groupAxis",
                          {AxisField::Inclination, AxisField::Friction, AxisField::Drag, AxisField::ExtraMass,
                           AxisField::Counterbalance, AxisField::SafetyFactor}));
  layout->addWidget(Group(tr("드라이브"), "groupDrive",
                          {AxisField::BusVoltage, AxisField::PeakCurrent, AxisField::ContinuousCurrent}));
  layout->addWidget(LimitsGroup());
  layout->addStretch();
  Show();
}

QWidget* CAxisFieldsPanel::Group(const QString& title, const char* name, std::initializer_list<AxisField> fields) {
  auto* group = new QGroupBox(title);
  group->setObjectName(QLatin1String(name));
  group->setAccessibleName(title);
  auto* form = new QFormLayout(group);
  for (const AxisField field : fields) {
    const CycleFieldInfo& info = FieldInfo(field);
    auto* edit = new QLineEdit;
    edit->setObjectName(EditName(info));
    edit->setAccessibleName(EngineText(info.label));
    auto* label = new QLabel(FieldCaption(info, info.unit));
    label->setBuddy(edit);
    form->addRow(label, edit);
    m_edits[static_cast<std::size_t>(field)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { OnEdited(field, text); });
  }
  return group;
}

QWidget* CAxisFieldsPanel::LimitsGroup() {
  auto* group = new QGroupBox(tr("환경과 허용치"));
  group->setObjectName(QStringLiteral("groupLimits"));
  group->setAccessibleName(group->title());
  auto* form = new QFormLayout(group);
  const CycleFieldInfo& ambient = FieldInfo(AxisField::Ambient);
  auto* edit = new QLineEdit;
  edit->setObjectName(EditName(ambient));
  edit->setAccessibleName(EngineText(ambient.label));
  form->addRow(FieldCaption(ambient, ambient.unit), edit);
  m_edits[static_cast<std::size_t>(AxisField::Ambient)] = edit;
  connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { OnEdited(AxisField::Ambient, text); });
  m_rated = LimitCombo("comboRatedLimit", EngineText(kRatedLimitLabel));
  m_peak = LimitCombo("comboPeakLimit", EngineText(kPeakLimitLabel));
  form->addRow(EngineText(kRatedLimitLabel) + QStringLiteral(" (%)"), m_rated);
  form->addRow(EngineText(kPeakLimitLabel) + QStringLiteral(" (%)"), m_peak);
  connect(m_rated, &QComboBox::activated, this, &CAxisFieldsPanel::OnLimits);
  connect(m_peak, &QComboBox::activated, this, &CAxisFieldsPanel::OnLimits);
  return group;
}

void CAxisFieldsPanel::Show() {
  for (std::size_t f = 0; f < kAxisFieldCount; ++f) {
    const auto field = static_cast<AxisField>(f);
    const QString text = FromUtf8(m_design.AxisText(field));
    // Only a text that differs: the cursor stays where the user is typing.
    if (m_edits[f]->text() != text) m_edits[f]->setText(text);
    ShowMark(field);
  }
  m_rated->setCurrentIndex(m_rated->findData(m_design.Edited().ratedLimit));
  m_peak->setCurrentIndex(m_peak->findData(m_design.Edited().peakLimit));
}

void CAxisFieldsPanel::ShowMark(AxisField field) {
  QLineEdit* edit = m_edits[static_cast<std::size_t>(field)];
  const CycleFieldInfo& info = FieldInfo(field);
  const std::optional<FieldMark> mark = m_design.AxisMark(field);
  QPalette palette = edit->style()->standardPalette();
  if (mark) palette.setColor(QPalette::Base, kMarkedBackground);
  edit->setPalette(palette);
  edit->setToolTip(mark ? MarkText(*mark) : FieldTip(info, info.unit));
  edit->setAccessibleDescription(edit->toolTip());
}

void CAxisFieldsPanel::OnEdited(AxisField field, const QString& text) {
  const AxisChanges changes = m_design.SetAxisText(field, text.toStdString());
  if (!changes.Any()) return;
  ShowMark(field);
  if (m_changed) m_changed(changes);
}

void CAxisFieldsPanel::OnLimits() {
  const AxisChanges changes = m_design.SetLimits(m_rated->currentData().toInt(), m_peak->currentData().toInt());
  if (changes.Any() && m_changed) m_changed(changes);
}

}  // namespace brivane::ui
