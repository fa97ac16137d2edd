// The motor data sheets: one small modeless window per motor series showing the catalog data of
// the series' model and its duty ratios. Its content is taken once, when it opens; a later
// selection or duty check does not change a sheet that is already open.
#pragma once

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "ui/DialogLayout.h"
#include "catalog/MotorCatalog.h"
#include "engine/Selection.h"

class QKeyEvent;
class QWidget;

// Global position of the top-left corner of the owner window's client area, against which the
// dialogs are placed: below the menu bar, where the frame's client area begins.
QPoint OwnerClientOrigin(const QWidget* owner);

// What tells the three sheets apart.
struct MotorSpecSheetStyle {
  brivane::MotorSeries series;
  int templateId;
  const char* groupCaption;  // UTF-8
  int pictureId;             // also the picture's name in the resources
  int ratedDutyId;
  int peakDutyId;
  QPoint positionDu;  // top-left of the window relative to the owner's client area
  int groupHeightDu;
  QSize pictureDu;    // the picture's cell; the picture keeps its own pixel size
};

class CMotorSpecSheet : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFieldCount = 14;

  // Creates the sheet of `series` (CMotorSpecDlg, CMotorSpecDlg2 or CMotorSpecDlg3), places it and
  // shows it above the sheets opened before. The owner keeps it above itself and destroys it at
  // the latest with itself; the sheet deletes itself once closed.
  static CMotorSpecSheet* Open(brivane::MotorSeries series, brivane::SelectionRecord& record,
                               const brivane::MotorCatalog& catalog, QWidget* owner);

  const MotorSpecSheetStyle& Style() const { return m_style; }
  brivane::MotorSeries Series() const { return m_style.series; }

 protected:
  // Takes the content from the record (and hands the series back to its selected model), builds
  // the widgets and places the window. Not shown yet.
  CMotorSpecSheet(const MotorSpecSheetStyle& style, brivane::SelectionRecord& record,
                  const brivane::MotorCatalog& catalog, QWidget* owner);

  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TakeContent(brivane::SelectionRecord& record, const brivane::MotorCatalog& catalog);
  void BuildWidgets();
  void PlaceAgainst(const QWidget* owner);

  const MotorSpecSheetStyle& m_style;
  QString m_strModel;
  // The data fields in the order of the sheet, top to bottom.
  std::array<float, kFieldCount> m_values{};
  QString m_strRatedDuty;
  QString m_strPeakDuty;
};

// Double-sided coreless series.
class CMotorSpecDlg final : public CMotorSpecSheet {
  Q_OBJECT
 public:
  CMotorSpecDlg(brivane::SelectionRecord& record, const brivane::MotorCatalog& catalog, QWidget* owner);
};

// Single-sided ironcore series.
class CMotorSpecDlg2 final : public CMotorSpecSheet {
  Q_OBJECT
 public:
  CMotorSpecDlg2(brivane::SelectionRecord& record, const brivane::MotorCatalog& catalog, QWidget* owner);
};

// Single-sided ironcore Vela-Series.
class CMotorSpecDlg3 final : public CMotorSpecSheet {
  Q_OBJECT
 public:
  CMotorSpecDlg3(brivane::SelectionRecord& record, const brivane::MotorCatalog& catalog, QWidget* owner);
};
