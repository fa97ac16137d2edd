#include "ui/datasheet/MotorSpecDlg.h"

#include "engine/ComparisonTexts.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

// The look of each series' sheet.
const MotorSpecSheetStyle kDoubleSidedStyle{132, 135, 1023, 1024, QPoint(77, -90), 195, QSize(106, 21)};
const MotorSpecSheetStyle kSingleSidedStyle{133, 136, 1045, 1046, QPoint(77, 242), 197, QSize(93, 16)};
const MotorSpecSheetStyle kVelaStyle{138, 146, 1045, 1046, QPoint(257, 242), 193, QSize(93, 16)};
// A motor of the user's own has no series and so no picture; its sheet (named
// "motorSpecSheet139") opens right of the double-sided one.
const MotorSpecSheetStyle kUserMotorStyle{139, 0, 1045, 1046, QPoint(257, -90), 193, QSize(0, 0)};

CMotorSpecSheet* Present(CMotorSpecSheet* sheet) {
  sheet->show();
  sheet->raise();
  sheet->activateWindow();
  return sheet;
}

}  // namespace

CMotorSpecSheet* OpenMotorSpecDlg(MotorSeries series, const DataSheetTexts& content, QWidget* owner) {
  switch (series) {
    case MotorSeries::DoubleSided: return Present(new CMotorSpecDlg(content, owner));
    case MotorSeries::SingleSided: return Present(new CMotorSpecDlg2(content, owner));
    case MotorSeries::Vela: break;
  }
  return Present(new CMotorSpecDlg3(content, owner));
}

CMotorSpecSheet* OpenUserMotorSheet(const UserMotorSheet& sheet, QWidget* owner) {
  return Present(new CUserMotorSheet(sheet, owner));
}

CMotorSpecDlg::CMotorSpecDlg(const DataSheetTexts& content, QWidget* owner)
    : CMotorSpecSheet(kDoubleSidedStyle, SeriesSheetCaption(MotorSeries::DoubleSided), content, owner) {}

CMotorSpecDlg2::CMotorSpecDlg2(const DataSheetTexts& content, QWidget* owner)
    : CMotorSpecSheet(kSingleSidedStyle, SeriesSheetCaption(MotorSeries::SingleSided), content, owner) {}

CMotorSpecDlg3::CMotorSpecDlg3(const DataSheetTexts& content, QWidget* owner)
    : CMotorSpecSheet(kVelaStyle, SeriesSheetCaption(MotorSeries::Vela), content, owner) {}

CUserMotorSheet::CUserMotorSheet(const UserMotorSheet& sheet, QWidget* owner)
    : CMotorSpecSheet(kUserMotorStyle,
                      sheet.family.empty()
                          ? EngineText(kUserMotorsTitle)
                          : EngineText(kUserMotorsTitle) + QStringLiteral(": ") + FromUtf8(sheet.family),
                      sheet.texts, owner) {}

}  // namespace brivane::ui
