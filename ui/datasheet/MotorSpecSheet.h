// The motor data sheet: a small modeless window showing the catalog data of one model and its duty
// ratios, the one implementation of the three series' sheets and the user's motors' sheet
// (datasheet/MotorSpecDlg.h). It shows
// what it is given when it opens; a later selection or duty check does not change a sheet that is
// already open.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QSize>

#include "catalog/Series.h"
#include "engine/DataSheet.h"
#include "engine/Presentation.h"

class QKeyEvent;
class QWidget;

namespace brivane::ui {

// Global position of the top-left corner of the owner window's client area, against which the
// dialogs are placed: below the menu bar, where the frame's client area begins.
QPoint OwnerClientOrigin(const QWidget* owner);

// What tells the sheets apart (the three series' and the user's motors'), besides the group's
// caption.
struct MotorSpecSheetStyle {
  int templateId;
  int pictureId;  // also the picture's name in the resources; 0: no picture
  int ratedDutyId;
  int peakDutyId;
  QPoint positionDu;  // top-left of the window relative to the owner's client area
  int groupHeightDu;
  QSize pictureDu;  // the picture's cell; the picture keeps its own pixel size
};

class CMotorSpecSheet : public QDialog {
  Q_OBJECT

 public:
  // Marks the two duty ratios as a duty check judged them (colour and accessible description).
  void MarkDuties(ResultAlert rated, ResultAlert peak);

 protected:
  // Builds the widgets, the group captioned `caption`, and places the window. Not shown yet. The
  // owner keeps it above itself and destroys it at the latest with itself; the sheet deletes itself
  // once closed.
  CMotorSpecSheet(const MotorSpecSheetStyle& style, const QString& caption, const DataSheetTexts& content,
                  QWidget* owner);

  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWidgets(const QString& caption, const DataSheetTexts& content);
  void BuildPicture(const QString& caption);
  void BuildDutyCells(const DataSheetTexts& content);
  void PlaceAgainst(const QWidget* owner);

  const MotorSpecSheetStyle& m_style;
};

}  // namespace brivane::ui
