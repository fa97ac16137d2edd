// The main form's widgets and their layout: built once for the view, which then only reads and
// shows them. Every widget carries an object name, its numeric control id (from the one table in
// FormWidgets.cpp) and an accessible name, so tests and screen readers find it.
#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace brivane::ui {

class CChartViewer;

struct FormWidgets {
  // The move.
  QLineEdit* editLoadMass = nullptr;
  QLineEdit* editDistance = nullptr;
  QLineEdit* editAccel = nullptr;
  QRadioButton* radioAccelG = nullptr;
  QRadioButton* radioAccelTime = nullptr;
  QLineEdit* editVelocity = nullptr;
  QLineEdit* editDwell = nullptr;
  QLabel* labelFrictionHint = nullptr;
  QLineEdit* editFriction = nullptr;
  QLineEdit* editSafety = nullptr;
  // The limits and the selection.
  QComboBox* comboRatedLimit = nullptr;
  QComboBox* comboPeakLimit = nullptr;
  QPushButton* buttonSelect = nullptr;
  QPushButton* buttonReset = nullptr;
  std::array<QCheckBox*, 6> checkMotorType{};   // 1급 to 6급
  std::array<QLineEdit*, 3> editSeriesModel{};  // in series order
  std::array<QLineEdit*, 6> editDuty{};         // rated then peak, in series order
  // The duty check.
  QComboBox* comboModel = nullptr;
  QPushButton* buttonCheckDuty = nullptr;
  std::array<QLineEdit*, 8> editAnalysis{};  // in the order of kAnalysisRows
  QLineEdit* editAmbient = nullptr;
  QLineEdit* editCoil = nullptr;
  CChartViewer* chartViewer = nullptr;
  // The bottom row.
  std::array<QCheckBox*, 3> checkShow{};  // in series order
  QPushButton* buttonViewSpec = nullptr;
  QPushButton* buttonCompare = nullptr;
  QPushButton* buttonAxisDesign = nullptr;
  QPushButton* buttonSaveResult = nullptr;

  // Creates every widget inside `form` and lays them out in it, sized from the form's font.
  static FormWidgets Build(QWidget* form);
};

}  // namespace brivane::ui
