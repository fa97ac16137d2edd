// The data-sheet windows, one per motor series and one for the user's own motors, each a
// CMotorSpecSheet with its look.
#pragma once

#include "catalog/Series.h"
#include "engine/DataSheet.h"
#include "engine/Session.h"
#include "ui/datasheet/MotorSpecSheet.h"

class QWidget;

namespace brivane::ui {

// Double-sided coreless series.
class CMotorSpecDlg final : public CMotorSpecSheet {
  Q_OBJECT
 public:
  CMotorSpecDlg(const DataSheetTexts& content, QWidget* owner);
};

// Single-sided ironcore series.
class CMotorSpecDlg2 final : public CMotorSpecSheet {
  Q_OBJECT
 public:
  CMotorSpecDlg2(const DataSheetTexts& content, QWidget* owner);
};

// Single-sided ironcore Vela-Series.
class CMotorSpecDlg3 final : public CMotorSpecSheet {
  Q_OBJECT
 public:
  CMotorSpecDlg3(const DataSheetTexts& content, QWidget* owner);
};

// One of the user's own motors, opened from the comparison: its family in the group's caption.
class CUserMotorSheet final : public CMotorSpecSheet {
  Q_OBJECT
 public:
  CUserMotorSheet(const UserMotorSheet& sheet, QWidget* owner);
};

// Creates the sheet of `series` (CMotorSpecDlg, CMotorSpecDlg2 or CMotorSpecDlg3) showing
// `content`, places it and shows it above the sheets opened before.
CMotorSpecSheet* OpenMotorSpecDlg(MotorSeries series, const DataSheetTexts& content, QWidget* owner);
// The same for one of the user's motors.
CMotorSpecSheet* OpenUserMotorSheet(const UserMotorSheet& sheet, QWidget* owner);

}  // namespace brivane::ui
