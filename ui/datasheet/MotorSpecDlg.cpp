#include "ui/datasheet/MotorSpecDlg.h"

namespace brivane::ui {
namespace {

// The look of each series' sheet.
const MotorSpecSheetStyle kDoubleSidedStyle{MotorSeries::DoubleSided, 132, 135,           1023, 1024,
                                            QPoint(77, -90),          195, QSize(106, 21)};
const MotorSpecSheetStyle kSingleSidedStyle{MotorSeries::SingleSided, 133, 136,          1045, 1046,
                                            QPoint(77, 242),          197, QSize(93, 16)};
const MotorSpecSheetStyle kVelaStyle{MotorSeries::Vela, 138, 146, 1045, 1046, QPoint(257, 242), 193, QSize(93, 16)};

}  // namespace

CMotorSpecSheet* OpenMotorSpecDlg(MotorSeries series, const DataSheetTexts& content, QWidget* owner) {
  CMotorSpecSheet* sheet = nullptr;
  switch (series) {
    case MotorSeries::DoubleSided: sheet = new CMotorSpecDlg(content, owner); break;
    case MotorSeries::SingleSided: sheet = new CMotorSpecDlg2(content, owner); break;
    case MotorSeries::Vela: sheet = new CMotorSpecDlg3(content, owner); break;
  }
  sheet->show();
  sheet->raise();
  sheet->activateWindow();
  return sheet;
}

CMotorSpecDlg::CMotorSpecDlg(const DataSheetTexts& content, QWidget* owner)
    : CMotorSpecSheet(kDoubleSidedStyle, content, owner) {}

CMotorSpecDlg2::CMotorSpecDlg2(const DataSheetTexts& content, QWidget* owner)
    : CMotorSpecSheet(kSingleSidedStyle, content, owner) {}

CMotorSpecDlg3::CMotorSpecDlg3(const DataSheetTexts& content, QWidget* owner)
    : CMotorSpecSheet(kVelaStyle, content, owner) {}

}  // namespace brivane::ui
