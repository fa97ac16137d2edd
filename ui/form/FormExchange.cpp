#include "ui/form/FormExchange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtCharts/QChart>

#include "engine/Presentation.h"
#include "ui/chart/ChartViewer.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/MessageSink.h"
#include "ui/widgets/ResultMarks.h"

namespace brivane::ui {
namespace {

std::string ToUtf8(const QString& s) { return s.toStdString(); }

// setText repaints an edit even when its text stays the same; a command changes only a few of the
// form's texts, and only those should be drawn again. Either way the edit now shows its value,
// not what the user typed (QLineEdit::isModified, which ReadNumber asks).
void ShowText(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
  edit->setModified(false);
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

FormExchange::FormExchange(const FormWidgets& widgets, MessageSink& messages, QWidget* form)
    : m_w(widgets), m_messages(messages), m_form(form) {}

bool FormExchange::ReadFloat(QLineEdit* edit, float& value) const {
  return ReadNumber(edit, value, tr("숫자를 입력하십시오."));
}

bool FormExchange::ReadInt(QLineEdit* edit, std::int32_t& value) const {
  return ReadNumber(edit, value, tr("정수를 입력하십시오."));
}

template <class T>
bool FormExchange::ReadNumber(QLineEdit* edit, T& value, const QString& warning) const {
  if (const std::optional<T> read = ReadFormField(ToUtf8(edit->text()), value, edit->isModified())) {
    value = *read;
    return true;
  }
  m_messages.Warn(m_form, warning);
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
  return false;
}

std::optional<FormValues> FormExchange::Read(const FormValues& shown) const {
  FormValues v = shown;
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

void FormExchange::Show(const FormValues& v, const std::array<bool, 6>& motorTypes) const {
  const MotionInput& m = v.move;
  ShowText(m_w.editAccel, FloatText(m.accelValue));
  ShowText(m_w.editFriction, FloatText(m.frictionCoefficient));
  ShowText(m_w.editLoadMass, FloatText(m.loadMass));
  ShowText(m_w.editSafety, FloatText(m.safetyFactor));
  ShowText(m_w.editDistance, IntText(m.distanceMm));
  ShowText(m_w.editVelocity, FloatText(m.peakVelocity));
  ShowText(m_w.editDwell, FloatText(m.dwellMs));
  ShowAccelMode(m.accelMode);
  for (std::size_t i = 0; i < v.show.size(); ++i) m_w.checkShow[i]->setChecked(v.show[i]);
  for (std::size_t i = 0; i < motorTypes.size(); ++i) m_w.checkMotorType[i]->setChecked(motorTypes[i]);
  ShowLimits(v);
  // The list holds the catalog in its order. (Setting no entry again tells the list's watchers
  // that its text changed.)
  const int model = m_w.comboModel->findText(FromUtf8(v.model));
  if (m_w.comboModel->currentIndex() != model) m_w.comboModel->setCurrentIndex(model);
  ShowText(m_w.editAmbient, FromUtf8(v.ambient));
}

void FormExchange::ShowLimits(const FormValues& v) const {
  ShowPosition(m_w.comboRatedLimit, v.ratedPosition);
  ShowPosition(m_w.comboPeakLimit, v.peakPosition);
}

void FormExchange::ShowAccelMode(AccelMode mode) const {
  m_w.radioAccelG->setChecked(mode == AccelMode::Gravity);
  m_w.radioAccelTime->setChecked(mode == AccelMode::Time);
}

void FormExchange::ShowResults(const Session& session) const {
  const std::optional<SelectionOutcome>& selection = session.Selection();
  std::array<DutyResult, 3> duties;
  for (const MotorSeries s : kAllSeries) {
    const std::size_t slot = SeriesSlot(s);
    ShowText(m_w.editSeriesModel[slot], selection ? FromUtf8(selection->series[slot].model) : QString());
    if (selection) duties[slot] = selection->series[slot].duty;
  }
  const std::array<std::string, 6> dutyTexts = FormatDutyTexts(duties);
  for (std::size_t i = 0; i < dutyTexts.size(); ++i) ShowText(m_w.editDuty[i], FromUtf8(dutyTexts[i]));
  const std::optional<DutyCheckOutcome>& check = session.Check();
  const AnalysisTexts texts = FormatAnalysisTexts(check ? *check->analysis : LoadAnalysis{});
  for (std::size_t i = 0; i < texts.analysis.size(); ++i) ShowText(m_w.editAnalysis[i], FromUtf8(texts.analysis[i]));
  ShowText(m_w.editCoil, FromUtf8(texts.coil));
  if (check) {
    MarkAlert(m_w.editCoil, CoilAlert(check->analysis->coilTemp), tr("90도를 넘습니다"));
  } else {
    MarkAlert(m_w.editCoil, ResultAlert::None);
  }
}

void FormExchange::ShowStale(const Session& session) const {
  const bool selection = session.IsStale(SessionPart::Selection);
  const bool check = session.IsStale(SessionPart::Check);
  for (QLineEdit* edit : m_w.editSeriesModel) MarkStale(edit, selection);
  for (QLineEdit* edit : m_w.editDuty) MarkStale(edit, selection);
  for (QLineEdit* edit : m_w.editAnalysis) MarkStale(edit, check);
  MarkStale(m_w.editCoil, check);
  MarkStale(m_w.chartViewer, check);
  if (QChart* chart = m_w.chartViewer->chart()) chart->setOpacity(check ? 0.35 : 1.0);
}

}  // namespace brivane::ui
