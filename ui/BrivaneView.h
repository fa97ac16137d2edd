// The main form: every input of the move, the duty limits, the selection result of the three
// series, the load analysis of one checked model with its temperatures, and the velocity chart.
//
// The form keeps all values in its members. ReadForm copies the widgets into the members and
// ShowForm copies the members back; the command handlers read, call the engine, and show.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "engine/Motion.h"
#include "catalog/MotorCatalog.h"
#include "engine/Selection.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class CChartViewer;
class CMotorSpecSheet;
class MessageSink;

class CBrivaneView : public QWidget {
  Q_OBJECT
 public:
  // The selection record is the process-wide one (the application owns it); every message box
  // of the form goes through `messages`.
  CBrivaneView(brivane::SelectionRecord& record, MessageSink& messages, QWidget* parent = nullptr);
  ~CBrivaneView() override;

  // Runs when the form is first shown, and again whenever the application re-initialises it.
  void OnInitialUpdate();

  // Button handlers.
  void RunSelection();      // "Linear Motor 선정"
  void CheckModelDuty();    // "사용률 계산"
  void OnViewSpec();        // "선정모터 사양보기"
  void OnResetData();       // "Data초기화"
  void OnSaveResult();      // "결과 저장"
  void OnAccelModeGravity();
  void OnAccelModeTime();

  void DrawEmptyChart();
  void DrawProfileChart();


 private:
  void BuildWidgets();
  QWidget* BuildProfileGroup();
  QWidget* BuildResultGroup();
  QWidget* BuildAnalysisGroup();
  QWidget* BuildModelBox();
  QWidget* BuildTemperatureBox();
  QWidget* BuildBottomRow();
  void ConnectCommands();
  void FillLimitList(QComboBox* combo);
  void SelectDefaultLimits();
  void SetHintFont();
  void PlacePhaseCaptions();
  void SetAccelMode(brivane::AccelMode mode);

  // The data exchange. ReadForm stops at the first edit whose text is not a number, shows why,
  // puts the focus there and returns false; the members read before it keep their new values.
  bool ReadForm();
  void ShowForm();
  bool ReadFloat(QLineEdit* edit, float& member);
  bool ReadInt(QLineEdit* edit, std::int32_t& member);

  bool DoSelection();  // false when it stopped on a message
  void ShowMessage(const std::string& text);
  void FormatDutyTexts();
  void FormatAnalysisTexts();
  void OpenSpecSheet(brivane::MotorSeries s);
  void OpenSaveDialog();
  int DialogUnitsX(int units) const;
  int DialogUnitsY(int units) const;

  const brivane::MotorCatalog& m_catalog;
  brivane::SelectionRecord& m_record;
  MessageSink& m_messages;

  // Members, with the construction defaults; OnResetData returns them here.
  brivane::MotionInput m_motion;  // accelValue, frictionCoefficient, loadMass, safetyFactor,
                                  // distanceMm, peakVelocity, accelMode, dwellMs
  int m_bShowDoubleSided = 1;
  int m_bShowSingleSided = 1;
  int m_bShowVela = 1;
  std::array<brivane::DutyResult, 3> m_seriesDuty{};
  std::array<std::string, 3> m_seriesModel;
  std::array<std::int32_t, 3> m_foundNumber{};
  std::int32_t m_checkedSeries = 0;
  std::array<int, 6> m_motorType{1, 1, 1, 1, 1, 1};
  brivane::LoadAnalysis m_analysis;
  std::array<std::string, 8> m_strAnalysis;
  std::string m_strAmbient;
  std::string m_strCoil;
  std::array<std::string, 6> m_strDuty;

  // The data-sheet window of each series opened last. Only kept, never used to reach the window:
  // a sheet deletes itself once closed, and the pointer then clears itself.
  QPointer<CMotorSpecSheet> m_pSpecDlg;
  QPointer<CMotorSpecSheet> m_pSpecDlg2;
  QPointer<CMotorSpecSheet> m_pSpecDlg3;

  // Widgets.
  QLineEdit* m_editLoadMass = nullptr;       // 1003
  QLineEdit* m_editDistance = nullptr;       // 1011
  QLineEdit* m_editAccel = nullptr;          // 1004
  QRadioButton* m_radioAccelG = nullptr;     // 1116
  QRadioButton* m_radioAccelTime = nullptr;  // 1117
  QLineEdit* m_editVelocity = nullptr;       // 1007
  QLineEdit* m_editDwell = nullptr;          // 1009
  QLabel* m_labelFrictionHint = nullptr;     // 1086
  QLineEdit* m_editFriction = nullptr;       // 1018
  QLineEdit* m_editSafety = nullptr;         // 1027
  QComboBox* m_comboRatedLimit = nullptr;    // 1043
  QComboBox* m_comboPeakLimit = nullptr;     // 1045
  QPushButton* m_buttonSelect = nullptr;     // 1028
  QPushButton* m_buttonReset = nullptr;      // 1041
  std::array<QCheckBox*, 6> m_checkMotorType{};  // 1048 to 1052, 1058
  std::array<QLineEdit*, 3> m_editSeriesModel{};  // 1029, 1030, 1075
  std::array<QLineEdit*, 6> m_editDuty{};         // 1033, 1034, 1037, 1038, 1077, 1078
  QComboBox* m_comboModel = nullptr;         // 1023
  QPushButton* m_buttonCheckDuty = nullptr;  // 1042
  std::array<QLineEdit*, 8> m_editAnalysis{};  // 1059 to 1066
  QLineEdit* m_editAmbient = nullptr;        // 1085
  QLineEdit* m_editCoil = nullptr;           // 1089
  QWidget* m_chartArea = nullptr;            // holds the chart and the phase captions
  CChartViewer* m_chartViewer = nullptr;     // 1090
  std::array<QLabel*, 4> m_phaseCaptions{};  // "가속", "등속", "감속", "휴지"
  QCheckBox* m_checkShowDoubleSided = nullptr;  // 1013
  QCheckBox* m_checkShowSingleSided = nullptr;  // 1019
  QCheckBox* m_checkShowVela = nullptr;         // 1081
  QPushButton* m_buttonViewSpec = nullptr;   // 1020
  QPushButton* m_buttonSaveResult = nullptr;  // 1022
  QLabel* m_labelLogo = nullptr;             // picture 130
};
