#include "ui/MotorSpecDlg.h"

#include "ui/AppSetup.h"

#include <algorithm>

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStringList>
#include <QSvgRenderer>

#include "engine/NumberText.h"

// Resources of a static library are registered by hand: nothing else references them.
static void InitSheetResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(sheets);
    return true;
  }();
  (void)done;
}

using brivane::MotorCatalog;
using brivane::MotorRecord;
using brivane::MotorSeries;
using brivane::SelectionRecord;

namespace {

// Statics without an id of their own carry the platform's "no id".
constexpr int kNoControlId = -1;

}  // namespace

QPoint OwnerClientOrigin(const QWidget* owner) {
  if (owner == nullptr) return {0, 0};
  const QWidget* top = owner->window();
  int menuHeight = 0;
  if (const auto* main = qobject_cast<const QMainWindow*>(top)) {
    if (const QWidget* menu = main->menuWidget(); menu != nullptr && !menu->isHidden())
      menuHeight = menu->geometry().bottom() + 1;
  }
  return top->mapToGlobal(QPoint(0, menuHeight));
}

namespace {

struct SheetField {
  int id;
  const char* label;       // UTF-8
  const char* objectName;  // of the edit, "edit..."; its label is "label..."
  float (*value)(const MotorRecord&);
};

// Top to bottom; every sheet shows the same fields.
const std::array<SheetField, CMotorSpecSheet::kFieldCount> kFields{{
    {1050, "정격 추력[N]", "editRatedForce", [](const MotorRecord& r) { return r.ratedForce; }},
    {1057, "최대 추력[N]", "editPeakForce", [](const MotorRecord& r) { return r.peakForce; }},
    {1084, "정격 전류[Arms]", "editRatedCurrent", [](const MotorRecord& r) { return r.ratedCurrent; }},
    {1085, "최대 전류[Arms]", "editPeakCurrent", [](const MotorRecord& r) { return r.peakCurrent; }},
    {1086, "최대 전력[W]", "editMaxPower", [](const MotorRecord& r) { return r.maxPower; }},
    {1087, "Pole Pitch[mm]", "editPolePitch", [](const MotorRecord& r) { return r.polePitch; }},
    {1088, "토크 상수[N/Arms]", "editForceConstant", [](const MotorRecord& r) { return r.forceConstant; }},
    {1089, "BEMF 상수[V/(m/sec)]", "editBemfConstant", [](const MotorRecord& r) { return r.bemfConstant; }},
    {1090, "모터 정수[N/W^½]", "editMotorConstant", [](const MotorRecord& r) { return r.motorConstant; }},
    {1091, "전기적 시정수[msec]", "editElectricalTimeConstant",
     [](const MotorRecord& r) { return r.electricalTimeConstant; }},
    {1092, "선간 저항[Ω]", "editLineResistance", [](const MotorRecord& r) { return r.lineResistance; }},
    {1093, "선간 인덕턴스[mH]", "editLineInductance", [](const MotorRecord& r) { return r.lineInductance; }},
    {1094, "가동부 질량[kg]", "editMoverMass", [](const MotorRecord& r) { return r.moverMass; }},
    // Whole newtons in the catalog, shown like the other numbers.
    {1095, "흡인력[N]", "editAttractionForce",
     [](const MotorRecord& r) { return static_cast<float>(r.attractionForce); }},
}};

constexpr std::array<int, CMotorSpecSheet::kFieldCount> kFieldRowsDu{24,  36,  48,  60,  72,  84,  96,
                                                                     108, 120, 132, 144, 156, 168, 179};

const QString kSheetTitle = QStringLiteral("Motor Specification");

const MotorSpecSheetStyle kDoubleSidedStyle{MotorSeries::DoubleSided, 132, "양측식-Coreless Type", 135, 1023, 1024,
                                            QPoint(77, -90), 195, QSize(106, 21)};
const MotorSpecSheetStyle kSingleSidedStyle{MotorSeries::SingleSided, 133, "편측식-Cored Type", 136, 1045, 1046,
                                            QPoint(77, 242), 197, QSize(93, 16)};
const MotorSpecSheetStyle kVelaStyle{MotorSeries::Vela, 138, "편측식 (Vela-Series) -Cored Type", 146, 1045, 1046,
                                     QPoint(257, 242), 193, QSize(93, 16)};

// The series' picture at its drawn size (185 x 30), sharp on high-density screens too.
QPixmap SeriesPicture(int pictureId, qreal devicePixelRatio) {
  QSvgRenderer renderer(QStringLiteral(":/sheets/%1.svg").arg(pictureId));
  if (!renderer.isValid()) return {};
  QPixmap pixmap(renderer.defaultSize() * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(renderer.defaultSize())));
  return pixmap;
}

QLineEdit* ReadOnlyEdit(QWidget* parent, const QRect& geometry, Qt::Alignment alignment) {
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(true);
  edit->setFrame(true);
  edit->setAlignment(alignment | Qt::AlignVCenter);
  edit->setGeometry(geometry);
  return edit;
}

}  // namespace

CMotorSpecSheet* CMotorSpecSheet::Open(MotorSeries series, SelectionRecord& record, const MotorCatalog& catalog,
                                       QWidget* owner) {
  CMotorSpecSheet* sheet = nullptr;
  switch (series) {
    case MotorSeries::DoubleSided: sheet = new CMotorSpecDlg(record, catalog, owner); break;
    case MotorSeries::SingleSided: sheet = new CMotorSpecDlg2(record, catalog, owner); break;
    case MotorSeries::Vela: sheet = new CMotorSpecDlg3(record, catalog, owner); break;
  }
  sheet->show();
  sheet->raise();
  sheet->activateWindow();
  return sheet;
}

CMotorSpecSheet::CMotorSpecSheet(const MotorSpecSheetStyle& style, SelectionRecord& record,
                                 const MotorCatalog& catalog, QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_style(style) {
  InitSheetResources();
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle(kSheetTitle);
  setFont(brivane::ui::FormFont());
  TagControl(this, QStringLiteral("motorSpecSheet%1").arg(style.templateId), style.templateId, kSheetTitle);

  TakeContent(record, catalog);
  BuildWidgets();
  PlaceAgainst(owner);
}

void CMotorSpecSheet::TakeContent(SelectionRecord& record, const MotorCatalog& catalog) {
  const MotorSeries series = m_style.series;
  const brivane::SeriesRecord& entry = record.of(series);
  const QString shownName = QString::fromStdString(entry.shownName);

  // A number outside the series leaves the name empty and the fields 0; the ratios are shown
  // regardless.
  const std::int32_t number = entry.shownNumber;
  if (number >= 1 && number <= MotorCatalog::SeriesCount(series)) {
    if (const auto index = catalog.FindBySeriesNumber(series, number)) {
      const MotorRecord& row = catalog.at(*index);
      m_strModel = shownName;
      for (std::size_t i = 0; i < kFields.size(); ++i) m_values[i] = kFields[i].value(row);
    }
  }
  m_strRatedDuty = QString::fromStdString(brivane::FormatFixed(entry.duty.ratedDuty, 1));
  m_strPeakDuty = QString::fromStdString(brivane::FormatFixed(entry.duty.peakDuty, 1));

  // The checked model has had its turn: the series shows its selected model again from here on.
  record.RestoreShown(series);
}

void CMotorSpecSheet::BuildWidgets() {
  const DialogUnits du(font());
  setFixedSize(du.Size(161, 255));

  auto* group = new QGroupBox(QString::fromUtf8(m_style.groupCaption), this);
  TagControl(group, QStringLiteral("groupSeries"), kNoControlId, group->title());
  group->setGeometry(du.Rect(11, 8, 146, m_style.groupHeightDu));
  // The group box is only a frame: the fields are the dialog's own children, placed in dialog
  // coordinates as the template gives them, and drawn above it.
  group->lower();

  auto* model = ReadOnlyEdit(this, du.Rect(16, 21, 41, 16), Qt::AlignLeft);
  TagControl(model, QStringLiteral("editModel"), 1053, QStringLiteral("모델명"));
  model->setText(m_strModel);

  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const SheetField& field = kFields[i];
    const int y = kFieldRowsDu[i];
    const QString labelText = QString::fromUtf8(field.label);
    const QString editName = QString::fromLatin1(field.objectName);

    // The labels end just left of the column of values; the first two share their rows with the
    // name box and so start right of it.
    const int labelLeft = y < 40 ? 59 : 16;
    auto* label = new QLabel(labelText, this);
    TagControl(label, QStringLiteral("label") + editName.mid(4), kNoControlId, labelText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(du.Rect(labelLeft, y, 108 - labelLeft, 12));

    auto* edit = ReadOnlyEdit(this, du.Rect(110, y, 38, 12), Qt::AlignLeft);
    TagControl(edit, editName, field.id, labelText);
    edit->setText(QString::fromStdString(brivane::FormatGeneral6(m_values[i])));
    label->setBuddy(edit);
  }

  struct DutyCell {
    const char* label;
    const QString* text;
    int id;
    const char* name;
    int x;
  };
  const std::array<DutyCell, 2> duties{{{"정격 사용율", &m_strRatedDuty, m_style.ratedDutyId, "RatedDuty", 12},
                                        {"최대 사용율", &m_strPeakDuty, m_style.peakDutyId, "PeakDuty", 84}}};
  for (const DutyCell& cell : duties) {
    const QString labelText = QString::fromUtf8(cell.label);
    const QString base = QString::fromLatin1(cell.name);
    auto* label = new QLabel(labelText, this);
    TagControl(label, QStringLiteral("label") + base, kNoControlId, labelText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(du.Rect(cell.x, 210, 35, 12));

    auto* edit = ReadOnlyEdit(this, du.Rect(cell.x + 35, 210, 26, 12), Qt::AlignRight);
    TagControl(edit, QStringLiteral("edit") + base, cell.id, labelText);
    edit->setText(*cell.text);
    label->setBuddy(edit);

    auto* percent = new QLabel(QStringLiteral("%"), this);
    TagControl(percent, QStringLiteral("label") + base + QStringLiteral("Percent"), kNoControlId,
               labelText + QStringLiteral(" %"));
    percent->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    percent->setGeometry(du.Rect(cell.x + 62, 210, 8, 12));
  }

  auto* picture = new QLabel(this);
  TagControl(picture, QStringLiteral("pictureSeries"), kNoControlId, group->title());
  picture->setProperty("bitmapId", m_style.pictureId);
  const QPixmap pixmap = SeriesPicture(m_style.pictureId, devicePixelRatioF());
  picture->setPixmap(pixmap);
  // Like a bitmap static, the picture keeps its own size at the top-left of its cell.
  const QSize cell = pixmap.isNull() ? du.Size(m_style.pictureDu.width(), m_style.pictureDu.height())
                                     : pixmap.deviceIndependentSize().toSize();
  picture->setGeometry(QRect(du.Point(28, 230), cell));

  model->setFocus(Qt::OtherFocusReason);
}

void CMotorSpecSheet::PlaceAgainst(const QWidget* owner) {
  const DialogUnits du(font());
  move(OwnerClientOrigin(owner) + du.Point(m_style.positionDu.x(), m_style.positionDu.y()));
}

void CMotorSpecSheet::keyPressEvent(QKeyEvent* event) {
  // Enter closes the sheet as Esc does: it has nothing to confirm.
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        accept();
        return;
      case Qt::Key_Escape:
        reject();
        return;
      default:
        break;
    }
  }
  QDialog::keyPressEvent(event);
}

CMotorSpecDlg::CMotorSpecDlg(SelectionRecord& record, const MotorCatalog& catalog, QWidget* owner)
    : CMotorSpecSheet(kDoubleSidedStyle, record, catalog, owner) {}

CMotorSpecDlg2::CMotorSpecDlg2(SelectionRecord& record, const MotorCatalog& catalog, QWidget* owner)
    : CMotorSpecSheet(kSingleSidedStyle, record, catalog, owner) {}

CMotorSpecDlg3::CMotorSpecDlg3(SelectionRecord& record, const MotorCatalog& catalog, QWidget* owner)
    : CMotorSpecSheet(kVelaStyle, record, catalog, owner) {}
