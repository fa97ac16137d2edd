#include "ui/datasheet/MotorSpecSheet.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>

#include <array>

#include "catalog/DataSheetFields.h"
#include "ui/widgets/CachedGroupBox.h"
#include "ui/widgets/ControlTag.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/HangulFont.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/ResultMarks.h"
#include "ui/widgets/ScreenFit.h"

namespace brivane::ui {
namespace {

// Statics without an id of their own carry the platform's "no id".
constexpr int kNoControlId = -1;

// The control ids of the fourteen value edits, in the order of kDataSheetFields.
constexpr std::array<int, kDataSheetFields.size()> kFieldIds{1050, 1057, 1084, 1085, 1086, 1087, 1088,
                                                             1089, 1090, 1091, 1092, 1093, 1094, 1095};
constexpr std::array<int, kDataSheetFields.size()> kFieldRowsDu{24,  36,  48,  60,  72,  84,  96,
                                                                108, 120, 132, 144, 156, 168, 179};

// The field's edit is named after its JSON key: "ratedForce" -> "editRatedForce".
QString FieldName(const DataSheetField& field) {
  QString name = QString::fromLatin1(field.jsonKey.data(), static_cast<qsizetype>(field.jsonKey.size()));
  name[0] = name[0].toUpper();
  return name;
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

CMotorSpecSheet::CMotorSpecSheet(const MotorSpecSheetStyle& style, const QString& caption,
                                 const DataSheetTexts& content, QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_style(style) {
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  const QString title = tr("Motor Specification");
  setWindowTitle(title);
  setFont(FormFont());
  TagControl(this, QStringLiteral("motorSpecSheet%1").arg(style.templateId), style.templateId, title);

  BuildWidgets(caption, content);
  PlaceAgainst(owner);
}

void CMotorSpecSheet::BuildWidgets(const QString& caption, const DataSheetTexts& content) {
  const DialogUnits du(font());
  setFixedSize(du.Size(161, 255));

  auto* group = new CachedGroupBox(caption, this);
  TagControl(group, QStringLiteral("groupSeries"), kNoControlId, group->title());
  group->setGeometry(du.Rect(11, 8, 146, m_style.groupHeightDu));
  // The group box is only a frame: the fields are the dialog's own children, placed in dialog
  // coordinates as the template gives them, and drawn above it.
  group->lower();

  auto* model = ReadOnlyEdit(this, du.Rect(16, 21, 41, 16), Qt::AlignLeft);
  TagControl(model, QStringLiteral("editModel"), 1053, tr("모델명"));
  model->setText(QString::fromStdString(content.model));

  for (std::size_t i = 0; i < kDataSheetFields.size(); ++i) {
    const int y = kFieldRowsDu[i];
    const QString labelText = EngineText(kDataSheetFields[i].sheetLabel);
    const QString name = FieldName(kDataSheetFields[i]);

    // The labels end just left of the column of values; the first two share their rows with the
    // name box and so start right of it.
    const int labelLeft = y < 40 ? 59 : 16;
    auto* label = new QLabel(labelText, this);
    TagControl(label, QStringLiteral("label") + name, kNoControlId, labelText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(du.Rect(labelLeft, y, 108 - labelLeft, 12));

    auto* edit = ReadOnlyEdit(this, du.Rect(110, y, 38, 12), Qt::AlignLeft);
    TagControl(edit, QStringLiteral("edit") + name, kFieldIds[i], labelText);
    edit->setText(QString::fromStdString(content.values[i]));
    label->setBuddy(edit);
  }
  BuildDutyCells(content);
  BuildPicture(caption);
  model->setFocus(Qt::OtherFocusReason);
}

void CMotorSpecSheet::BuildPicture(const QString& caption) {
  if (m_style.pictureId == 0) return;
  const DialogUnits du(font());
  auto* picture = new QLabel(this);
  TagControl(picture, QStringLiteral("pictureSeries"), kNoControlId, caption);
  picture->setProperty("bitmapId", m_style.pictureId);
  const QPixmap pixmap = SeriesPicture(m_style.pictureId, devicePixelRatioF());
  picture->setPixmap(pixmap);
  // Like a bitmap static, the picture keeps its own size at the top-left of its cell.
  const QSize cell = pixmap.isNull() ? du.Size(m_style.pictureDu.width(), m_style.pictureDu.height())
                                     : pixmap.deviceIndependentSize().toSize();
  picture->setGeometry(QRect(du.Point(28, 230), cell));
}

void CMotorSpecSheet::BuildDutyCells(const DataSheetTexts& content) {
  const DialogUnits du(font());
  struct DutyCell {
    QString label;
    const std::string* text;
    int id;
    const char* name;
    int x;
  };
  const std::array<DutyCell, 2> duties{{{tr("정격 사용율"), &content.ratedDuty, m_style.ratedDutyId, "RatedDuty", 12},
                                        {tr("최대 사용율"), &content.peakDuty, m_style.peakDutyId, "PeakDuty", 84}}};
  for (const DutyCell& cell : duties) {
    const QString base = QString::fromLatin1(cell.name);
    auto* label = new QLabel(cell.label, this);
    TagControl(label, QStringLiteral("label") + base, kNoControlId, cell.label);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(du.Rect(cell.x, 210, 35, 12));

    auto* edit = ReadOnlyEdit(this, du.Rect(cell.x + 35, 210, 26, 12), Qt::AlignRight);
    TagControl(edit, QStringLiteral("edit") + base, cell.id, cell.label);
    edit->setText(QString::fromStdString(*cell.text));
    label->setBuddy(edit);

    auto* percent = new QLabel(tr("%"), this);
    TagControl(percent, QStringLiteral("label") + base + QStringLiteral("Percent"), kNoControlId,
               cell.label + QStringLiteral(" %"));
    percent->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    percent->setGeometry(du.Rect(cell.x + 62, 210, 8, 12));
  }
}

void CMotorSpecSheet::PlaceAgainst(const QWidget* owner) {
  const DialogUnits du(font());
  move(OwnerClientOrigin(owner) + du.Point(m_style.positionDu.x(), m_style.positionDu.y()));
  // The template's place can lie off the screen (above it, for the double-sided sheet of a
  // window near the top): move the least needed so that the whole sheet, caption included, shows.
  FitIntoScreen(this, ScreenFit::MoveOnly);
}

void CMotorSpecSheet::MarkDuties(ResultAlert rated, ResultAlert peak) {
  const auto why = [](ResultAlert alert) {
    return alert == ResultAlert::AboveFull ? tr("100%를 넘습니다") : tr("사용률 허용치 이상입니다");
  };
  MarkAlert(findChild<QLineEdit*>(QStringLiteral("editRatedDuty")), rated, why(rated));
  MarkAlert(findChild<QLineEdit*>(QStringLiteral("editPeakDuty")), peak, why(peak));
}

void CMotorSpecSheet::keyPressEvent(QKeyEvent* event) {
  // Enter closes the sheet as Esc does: it has nothing to confirm.
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter: accept(); return;
      case Qt::Key_Escape: reject(); return;
      default: break;
    }
  }
  QDialog::keyPressEvent(event);
}

}  // namespace brivane::ui
