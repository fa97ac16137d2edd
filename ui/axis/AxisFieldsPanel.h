// The axis, the drive, the ambient temperature and the duty limits of the cycle, each in a field
// of its own: what the user types is handed to the design at every keystroke, a refused value is
// marked in its field with the reason in its tooltip.
#pragma once

#include <QWidget>

#include <array>
#include <functional>

#include "engine/AxisDesign.h"

class QComboBox;
class QLineEdit;

namespace brivane::ui {

class CAxisFieldsPanel final : public QWidget {
  Q_OBJECT
 public:
  using ChangeSink = std::function<void(const AxisChanges&)>;
  CAxisFieldsPanel(AxisDesign& design, ChangeSink changed, QWidget* parent = nullptr);

  // The design's texts, marks and limits into the fields (a new document, an edit's marks).
  void Show();
  QLineEdit* Field(AxisField field) const { return m_edits[static_cast<std::size_t>(field)]; }
  QComboBox* RatedLimit() const { return m_rated; }
  QComboBox* PeakLimit() const { return m_peak; }

 private:
  QWidget* Group(const QString& title, const char* name, std::initializer_list<AxisField> fields);
  QWidget* LimitsGroup();
  void ShowMark(AxisField field);
  void OnEdited(AxisField field, const QString& text);
  void OnLimits();

  AxisDesign& m_design;
  ChangeSink m_changed;
  std::array<QLineEdit*, kAxisFieldCount> m_edits{};
  QComboBox* m_rated = nullptr;
  QComboBox* m_peak = nullptr;
};

}  // namespace brivane::ui
