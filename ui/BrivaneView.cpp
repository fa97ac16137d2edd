#include "ui/BrivaneView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>
#include <iterator>

#include "ui/ChartViewer.h"
#include "ui/DialogLayout.h"
#include "ui/MessageSink.h"
#include "ui/MotorSpecDlg.h"
#include "ui/SaveDataDlg.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "ui/Pictures.h"
#include "engine/Presentation.h"

using brivane::AccelMode;
using brivane::MotorSeries;

namespace {

// What the data exchange says about a text it cannot read.
const QString kNotANumber = QStringLiteral("숫자를 입력하십시오.");
const QString kNotAnInteger = QStringLiteral("정수를 입력하십시오.");

// The items of both duty-limit lists as the form lists them before sorting.
const char* const kLimitItems[] = {" 30%", " 35%", " 40%", " 45%", " 50%", " 55%", " 60%", " 65%",
                                   " 70%", " 75%", " 80%", " 85%", " 90%", " 95%", "100%", " 25%"};

template <class W>
W* Tag(W* widget, const char* objectName, int controlId, const QString& accessibleName) {
  return TagControl(widget, QLatin1String(objectName), controlId, accessibleName);
}

QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }
std::string ToUtf8(const QString& s) { return s.toStdString(); }

QString IntText(std::int32_t v) {
  char buf[16];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  (void)ec;
  return QString::fromLatin1(buf, static_cast<int>(end - buf));
}

QString FloatText(float v) { return FromUtf8(brivane::FormatGeneral6(static_cast<double>(v))); }

// The position the user picked or typed in a duty-limit list; typed text that is no item is none.
std::optional<int> SelectedPosition(const QComboBox* combo) {
  const int i = combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (i < 0) return std::nullopt;
  return i;
}

QLabel* Caption(const QString& text, QWidget* buddy = nullptr) {
  auto* label = new QLabel(text);
  if (buddy != nullptr) label->setBuddy(buddy);
  return label;
}

}  // namespace

CBrivaneView::CBrivaneView(brivane::SelectionRecord& record, MessageSink& messages, QWidget* parent)
    : QWidget(parent), m_catalog(brivane::MotorCatalog::Instance()), m_record(record), m_messages(messages) {
  setObjectName(QStringLiteral("brivaneView"));
  FormatAnalysisTexts();
  FormatDutyTexts();
  BuildWidgets();
  ConnectCommands();
}

CBrivaneView::~CBrivaneView() = default;

// ---------------------------------------------------------------------------------------------
// Widgets

int CBrivaneView::DialogUnitsX(int units) const { return DialogUnits(font()).X(units); }

int CBrivaneView::DialogUnitsY(int units) const { return DialogUnits(font()).Y(units); }

void CBrivaneView::BuildWidgets() {
  auto* grid = new QGridLayout(this);
  grid->addWidget(BuildProfileGroup(), 0, 0);
  grid->addWidget(BuildAnalysisGroup(), 0, 1);
  grid->addWidget(BuildResultGroup(), 1, 0);
  auto* right = new QHBoxLayout;
  right->addWidget(BuildModelBox());
  right->addWidget(BuildTemperatureBox());
  grid->addLayout(right, 1, 1);

  auto* chartGroup = new QGroupBox(QStringLiteral("Motor Profile"));
  chartGroup->setObjectName(QStringLiteral("groupMotorProfile"));
  auto* chartLayout = new QVBoxLayout(chartGroup);
  m_chartArea = new QWidget;
  m_chartArea->setFixedSize(DialogUnitsX(382), DialogUnitsY(131));
  m_chartViewer = Tag(new CChartViewer(m_chartArea), "chartViewer", 1090, QStringLiteral("Motor Profile"));
  m_chartViewer->setGeometry(0, 0, m_chartArea->width(), m_chartArea->height());
  m_chartViewer->setFixedSize(m_chartArea->size());
  const QString phases[] = {QStringLiteral("가속"), QStringLiteral("등속"), QStringLiteral("감속"),
                            QStringLiteral("휴지")};
  const char* const phaseNames[] = {"labelPhaseAccel", "labelPhaseConst", "labelPhaseDecel", "labelPhaseDwell"};
  for (std::size_t i = 0; i < m_phaseCaptions.size(); ++i) {
    auto* label = new QLabel(phases[i], m_chartArea);
    label->setObjectName(QLatin1String(phaseNames[i]));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_phaseCaptions[i] = label;
  }
  PlacePhaseCaptions();
  chartLayout->addWidget(m_chartArea, 0, Qt::AlignCenter);
  grid->addWidget(chartGroup, 2, 0, 1, 2);

  grid->addWidget(BuildBottomRow(), 3, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetMinimumSize);

  // Tab follows the inputs as a user fills them in, the mode buttons right after the acceleration.
  QWidget* const order[] = {m_editLoadMass,     m_editDistance,      m_editAccel,         m_radioAccelG,
                                  m_radioAccelTime,   m_editVelocity,      m_editDwell,         m_editFriction,
                                  m_editSafety,       m_comboRatedLimit,   m_comboPeakLimit,    m_buttonSelect,
                                  m_buttonReset,      m_comboModel,        m_buttonCheckDuty,   m_editAmbient,
                                  m_checkShowDoubleSided, m_checkShowSingleSided, m_checkShowVela, m_buttonViewSpec,
                                  m_buttonSaveResult};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
}

void CBrivaneView::PlacePhaseCaptions() {
  // Offsets in dialog units from the chart's top-left corner: over the rising edge, the flat top,
  // the falling edge and the dwell.
  const int at[4][2] = {{49, 41}, {140, 10}, {226, 42}, {305, 83}};
  for (std::size_t i = 0; i < m_phaseCaptions.size(); ++i) {
    m_phaseCaptions[i]->adjustSize();
    m_phaseCaptions[i]->move(DialogUnitsX(at[i][0]), DialogUnitsY(at[i][1]));
    m_phaseCaptions[i]->raise();
  }
}

QWidget* CBrivaneView::BuildProfileGroup() {
  auto* group = new QGroupBox(QStringLiteral("모터 선정 ProFile"));
  group->setObjectName(QStringLiteral("groupProfile"));
  auto* g = new QGridLayout(group);
  const int editWidth = DialogUnitsX(44);

  auto makeEdit = [&](const char* name, int id, const QString& label) {
    auto* edit = Tag(new QLineEdit, name, id, label);
    edit->setFixedWidth(editWidth);
    return edit;
  };
  auto addRow = [&](int row, const QString& label, QLineEdit* edit, const QString& unit) {
    g->addWidget(Caption(label, edit), row, 0);
    g->addWidget(edit, row, 1);
    if (!unit.isEmpty()) g->addWidget(new QLabel(unit), row, 2);
  };

  m_editLoadMass = makeEdit("editLoadMass", 1003, QStringLiteral("부하 질량"));
  m_editDistance = makeEdit("editDistance", 1011, QStringLiteral("이동 거리"));
  m_editAccel = makeEdit("editAccel", 1004, QStringLiteral("최대 가속도"));
  m_editVelocity = makeEdit("editVelocity", 1007, QStringLiteral("최대 속도"));
  m_editDwell = makeEdit("editDwell", 1009, QStringLiteral("휴지 시간"));
  m_editFriction = makeEdit("editFriction", 1018, QStringLiteral("마찰 계수"));
  m_editSafety = makeEdit("editSafety", 1027, QStringLiteral("안전율"));

  addRow(0, QStringLiteral("부하 질량"), m_editLoadMass, QStringLiteral("kg"));
  addRow(1, QStringLiteral("이동 거리"), m_editDistance, QStringLiteral("mm"));
  addRow(2, QStringLiteral("최대 가속도"), m_editAccel, QString());
  m_radioAccelG = Tag(new QRadioButton(QStringLiteral("가속도(g)")), "radioAccelG", 1116, QStringLiteral("가속도(g)"));
  m_radioAccelTime = Tag(new QRadioButton(QStringLiteral("가속 시간(msec)")), "radioAccelTime", 1117,
                         QStringLiteral("가속 시간(msec)"));
  g->addWidget(m_radioAccelG, 2, 2);
  g->addWidget(m_radioAccelTime, 3, 2);
  addRow(4, QStringLiteral("최대 속도"), m_editVelocity, QStringLiteral("m/sec"));
  addRow(5, QStringLiteral("휴지 시간"), m_editDwell, QStringLiteral("msec"));
  m_labelFrictionHint = new QLabel(QStringLiteral("수평설치 0.05, 벽면설치 0.1"));
  m_labelFrictionHint->setObjectName(QStringLiteral("labelFrictionHint"));
  m_labelFrictionHint->setProperty("controlId", 1086);
  g->addWidget(m_labelFrictionHint, 6, 0, 1, 3);
  addRow(7, QStringLiteral("마찰 계수"), m_editFriction, QString());
  addRow(8, QStringLiteral("안  전  율"), m_editSafety, QString());

  m_comboRatedLimit = Tag(new QComboBox, "comboRatedLimit", 1043, QStringLiteral("사용률 허용치(정격)"));
  m_comboPeakLimit = Tag(new QComboBox, "comboPeakLimit", 1045, QStringLiteral("사용률 허용치(최대)"));
  FillLimitList(m_comboRatedLimit);
  FillLimitList(m_comboPeakLimit);
  g->setColumnMinimumWidth(3, DialogUnitsX(8));
  g->addWidget(Caption(QStringLiteral("사용률 허용치(정격)"), m_comboRatedLimit), 0, 4);
  g->addWidget(m_comboRatedLimit, 1, 4);
  g->addWidget(Caption(QStringLiteral("사용률 허용치(최대)"), m_comboPeakLimit), 2, 4);
  g->addWidget(m_comboPeakLimit, 3, 4);
  m_buttonSelect = Tag(new QPushButton(QStringLiteral("Linear Motor 선정")), "buttonSelect", 1028,
                       QStringLiteral("Linear Motor 선정"));
  m_buttonReset = Tag(new QPushButton(QStringLiteral("Data초기화")), "buttonReset", 1041, QStringLiteral("Data초기화"));
  g->addWidget(m_buttonSelect, 5, 4, 2, 1);
  g->addWidget(m_buttonReset, 7, 4, 2, 1);

  // The size classes: fixed, shown for information. 1급 gates the single-sided series but is not
  // shown; 5급 and 6급 gate the double-sided and Vela series.
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(new QLabel(QStringLiteral("Motor Type")));
  const int typeIds[6] = {1048, 1049, 1050, 1051, 1052, 1058};
  for (std::size_t i = 0; i < m_checkMotorType.size(); ++i) {
    const QString caption = QStringLiteral("%1급").arg(i + 1);
    const QByteArray name = "checkMotorType" + QByteArray::number(static_cast<int>(i) + 1);
    auto* box = Tag(new QCheckBox, name.constData(), typeIds[i], caption);
    box->setEnabled(false);
    box->setChecked(true);
    m_checkMotorType[i] = box;
    if (i == 0) {
      box->setParent(group);
      box->hide();
      continue;
    }
    typeRow->addWidget(box);
    typeRow->addWidget(Caption(caption, box));
  }
  typeRow->addStretch();
  g->addLayout(typeRow, 9, 0, 1, 5);
  return group;
}

QWidget* CBrivaneView::BuildResultGroup() {
  auto* group = new QGroupBox(QStringLiteral("모터 선정 결과"));
  group->setObjectName(QStringLiteral("groupResult"));
  auto* g = new QGridLayout(group);
  g->addWidget(new QLabel(QStringLiteral("정격 사용률(%)")), 0, 2, Qt::AlignCenter);
  g->addWidget(new QLabel(QStringLiteral("최대 사용률(%)")), 0, 3, Qt::AlignCenter);
  const QString captions[3] = {QStringLiteral("양측식\n(Coreless)"), QStringLiteral("편측식\n(Ironcore)"),
                               QStringLiteral("편측식\n(Vela-Series)")};
  const QString series[3] = {QStringLiteral("양측식 (Coreless)"), QStringLiteral("편측식 (Ironcore)"),
                             QStringLiteral("편측식 (Vela-Series)")};
  const char* const modelNames[3] = {"editModelDoubleSided", "editModelSingleSided", "editModelVela"};
  const char* const dutyNames[6] = {"editRatedDoubleSided", "editPeakDoubleSided", "editRatedSingleSided",
                                    "editPeakSingleSided",  "editRatedVela",       "editPeakVela"};
  const int modelIds[3] = {1029, 1030, 1075};
  const int dutyIds[6] = {1033, 1034, 1037, 1038, 1077, 1078};
  for (int s = 0; s < 3; ++s) {
    const auto slot = static_cast<std::size_t>(s);
    auto* model = Tag(new QLineEdit, modelNames[s], modelIds[s], series[s]);
    model->setReadOnly(true);
    model->setFixedWidth(DialogUnitsX(50));
    m_editSeriesModel[slot] = model;
    g->addWidget(Caption(captions[s], model), s + 1, 0);
    g->addWidget(model, s + 1, 1);
    for (int k = 0; k < 2; ++k) {
      const auto d = static_cast<std::size_t>(2 * s + k);
      const QString label = (k == 0 ? QStringLiteral("정격 사용률(%) ") : QStringLiteral("최대 사용률(%) ")) + series[s];
      auto* edit = Tag(new QLineEdit, dutyNames[d], dutyIds[d], label);
      edit->setReadOnly(true);
      edit->setFixedWidth(DialogUnitsX(40));
      edit->setAlignment(Qt::AlignRight);
      m_editDuty[d] = edit;
      g->addWidget(edit, s + 1, 2 + k, Qt::AlignCenter);
    }
  }
  return group;
}

QWidget* CBrivaneView::BuildAnalysisGroup() {
  auto* group = new QGroupBox(QStringLiteral("부하 분석 DATA"));
  group->setObjectName(QStringLiteral("groupAnalysis"));
  auto* g = new QGridLayout(group);
  const QString labels[8] = {QStringLiteral("평균 추력"),   QStringLiteral("최대 추력"),
                             QStringLiteral("가감속 시간"), QStringLiteral("등속 시간"),
                             QStringLiteral("총 소요 시간"), QStringLiteral("가감속 거리"),
                             QStringLiteral("등속 거리"),   QStringLiteral("총 이동거리")};
  const char* const units[8] = {"N", "N", "sec", "sec", "sec", "mm", "mm", "mm"};
  const char* const names[8] = {"editRmsThrust",    "editPeakThrust",    "editAccelTime",
                                "editConstTime",    "editTotalTime",     "editAccelDistance",
                                "editConstDistance", "editTotalDistance"};
  for (int i = 0; i < 8; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    auto* edit = Tag(new QLineEdit, names[i], 1059 + i, labels[i]);
    edit->setReadOnly(true);
    edit->setFixedWidth(DialogUnitsX(50));
    edit->setAlignment(Qt::AlignRight);
    m_editAnalysis[slot] = edit;
    g->addWidget(Caption(labels[i], edit), i, 0);
    g->addWidget(edit, i, 1);
    g->addWidget(new QLabel(QLatin1String(units[i])), i, 2);
  }
  return group;
}

QWidget* CBrivaneView::BuildModelBox() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("groupModel"));
  auto* v = new QVBoxLayout(box);
  m_comboModel = Tag(new QComboBox, "comboModel", 1023, QStringLiteral("적용 Model"));
  m_comboModel->setEditable(false);
  m_comboModel->setMaxVisibleItems(20);
  m_buttonCheckDuty = Tag(new QPushButton(QStringLiteral("사용률 계산")), "buttonCheckDuty", 1042,
                          QStringLiteral("사용률 계산"));
  v->addWidget(Caption(QStringLiteral("적용 Model"), m_comboModel), 0, Qt::AlignHCenter);
  v->addWidget(m_comboModel);
  v->addStretch();
  v->addWidget(m_buttonCheckDuty);
  return box;
}

QWidget* CBrivaneView::BuildTemperatureBox() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("groupTemperature"));
  auto* g = new QGridLayout(box);
  m_editAmbient = Tag(new QLineEdit, "editAmbient", 1085, QStringLiteral("주위온도"));
  m_editAmbient->setFixedWidth(DialogUnitsX(26));
  m_editAmbient->setAlignment(Qt::AlignRight);
  m_editCoil = Tag(new QLineEdit, "editCoil", 1089, QStringLiteral("코일부온도"));
  m_editCoil->setReadOnly(true);
  m_editCoil->setFixedWidth(DialogUnitsX(26));
  m_editCoil->setAlignment(Qt::AlignRight);
  g->addWidget(new QLabel(QStringLiteral("온 도")), 0, 0, 1, 3, Qt::AlignHCenter);
  g->addWidget(Caption(QStringLiteral("주위온도"), m_editAmbient), 1, 0);
  g->addWidget(m_editAmbient, 1, 1);
  g->addWidget(new QLabel(QStringLiteral("℃")), 1, 2);
  g->addWidget(Caption(QStringLiteral("코일부온도"), m_editCoil), 2, 0);
  g->addWidget(m_editCoil, 2, 1);
  g->addWidget(new QLabel(QStringLiteral("℃")), 2, 2);
  auto* note = new QLabel(QStringLiteral("90도 이하 사용할 것"));
  note->setObjectName(QStringLiteral("labelCoilNote"));
  note->setProperty("controlId", 1084);
  g->addWidget(note, 3, 0, 1, 3, Qt::AlignHCenter);
  return box;
}

QWidget* CBrivaneView::BuildBottomRow() {
  auto* row = new QWidget;
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  m_checkShowDoubleSided = Tag(new QCheckBox(QStringLiteral("양측식")), "checkShowDoubleSided", 1013,
                               QStringLiteral("양측식"));
  m_checkShowSingleSided = Tag(new QCheckBox(QStringLiteral("편측식")), "checkShowSingleSided", 1019,
                               QStringLiteral("편측식"));
  m_checkShowVela = Tag(new QCheckBox(QStringLiteral("편측식\n(Vela-Series)")), "checkShowVela", 1081,
                        QStringLiteral("편측식 (Vela-Series)"));
  m_buttonViewSpec = Tag(new QPushButton(QStringLiteral("선정모터 사양보기")), "buttonViewSpec", 1020,
                         QStringLiteral("선정모터 사양보기"));
  m_buttonSaveResult = Tag(new QPushButton(QStringLiteral("결과 저장")), "buttonSaveResult", 1022,
                           QStringLiteral("결과 저장"));
  m_labelLogo = new QLabel;
  m_labelLogo->setObjectName(QStringLiteral("labelLogo"));
  m_labelLogo->setProperty("controlId", 130);
  const QSize logoSize(DialogUnitsX(29), DialogUnitsY(25));
  m_labelLogo->setPixmap(brivane::ui::LogoPixmap(logoSize));
  m_labelLogo->setFixedSize(logoSize);
  h->addWidget(m_checkShowDoubleSided);
  h->addWidget(m_checkShowSingleSided);
  h->addWidget(m_checkShowVela);
  h->addSpacing(DialogUnitsX(8));
  h->addWidget(m_buttonViewSpec);
  h->addWidget(m_buttonSaveResult);
  h->addStretch();
  h->addWidget(m_labelLogo);
  return row;
}

void CBrivaneView::FillLimitList(QComboBox* combo) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);  // typing never adds an item
  combo->setMaxVisibleItems(16);
  for (const char* item : kLimitItems) combo->addItem(QLatin1String(item));
  combo->model()->sort(0);  // the list is sorted: index i shows 25 + 5 i percent
}

void CBrivaneView::ConnectCommands() {
  connect(m_buttonSelect, &QPushButton::clicked, this, &CBrivaneView::RunSelection);
  connect(m_buttonReset, &QPushButton::clicked, this, &CBrivaneView::OnResetData);
  connect(m_buttonCheckDuty, &QPushButton::clicked, this, &CBrivaneView::CheckModelDuty);
  connect(m_buttonViewSpec, &QPushButton::clicked, this, &CBrivaneView::OnViewSpec);
  connect(m_buttonSaveResult, &QPushButton::clicked, this, &CBrivaneView::OnSaveResult);
  connect(m_radioAccelG, &QRadioButton::clicked, this, &CBrivaneView::OnAccelModeGravity);
  connect(m_radioAccelTime, &QRadioButton::clicked, this, &CBrivaneView::OnAccelModeTime);
}

void CBrivaneView::SelectDefaultLimits() {
  m_comboRatedLimit->setCurrentIndex(brivane::kDefaultRatedPosition);
  m_comboPeakLimit->setCurrentIndex(brivane::kDefaultPeakPosition);
  // An index that did not change leaves typed text in the edit; put the item's text back.
  m_comboRatedLimit->setEditText(m_comboRatedLimit->itemText(brivane::kDefaultRatedPosition));
  m_comboPeakLimit->setEditText(m_comboPeakLimit->itemText(brivane::kDefaultPeakPosition));
}

void CBrivaneView::SetHintFont() { m_labelFrictionHint->setFont(QFont(QStringLiteral("Arial"), 8)); }

// ---------------------------------------------------------------------------------------------
// Data exchange

bool CBrivaneView::ReadFloat(QLineEdit* edit, float& member) {
  const auto value = brivane::ParseFloatField(ToUtf8(edit->text()));
  if (!value) {
    m_messages.Warn(this, kNotANumber);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
  }
  member = *value;
  return true;
}

bool CBrivaneView::ReadInt(QLineEdit* edit, std::int32_t& member) {
  const auto value = brivane::ParseIntField(ToUtf8(edit->text()));
  if (!value) {
    m_messages.Warn(this, kNotAnInteger);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
  }
  member = *value;
  return true;
}

bool CBrivaneView::ReadForm() {
  // The lists (model, peak and rated limit) are read where they are used, by their selection.
  // The found numbers, the acceleration mode and the pending duty-check series are kept in the
  // members alone, so no reading can change them.
  if (!ReadFloat(m_editAccel, m_motion.accelValue)) return false;
  if (!ReadFloat(m_editFriction, m_motion.frictionCoefficient)) return false;
  m_bShowDoubleSided = m_checkShowDoubleSided->isChecked() ? 1 : 0;
  m_bShowSingleSided = m_checkShowSingleSided->isChecked() ? 1 : 0;
  m_bShowVela = m_checkShowVela->isChecked() ? 1 : 0;
  if (!ReadFloat(m_editLoadMass, m_motion.loadMass)) return false;
  for (std::size_t i = 0; i < m_editDuty.size(); ++i) m_strDuty[i] = ToUtf8(m_editDuty[i]->text());
  if (!ReadFloat(m_editSafety, m_motion.safetyFactor)) return false;
  for (std::size_t i = 0; i < m_editSeriesModel.size(); ++i) m_seriesModel[i] = ToUtf8(m_editSeriesModel[i]->text());
  if (!ReadInt(m_editDistance, m_motion.distanceMm)) return false;
  if (!ReadFloat(m_editVelocity, m_motion.peakVelocity)) return false;
  if (!ReadFloat(m_editDwell, m_motion.dwellMs)) return false;
  for (std::size_t i = 0; i < m_checkMotorType.size(); ++i) m_motorType[i] = m_checkMotorType[i]->isChecked() ? 1 : 0;
  for (std::size_t i = 0; i < m_editAnalysis.size(); ++i) m_strAnalysis[i] = ToUtf8(m_editAnalysis[i]->text());
  m_strAmbient = ToUtf8(m_editAmbient->text());
  m_strCoil = ToUtf8(m_editCoil->text());
  return true;
}

void CBrivaneView::ShowForm() {
  m_editAccel->setText(FloatText(m_motion.accelValue));
  m_editFriction->setText(FloatText(m_motion.frictionCoefficient));
  m_checkShowDoubleSided->setChecked(m_bShowDoubleSided != 0);
  m_checkShowSingleSided->setChecked(m_bShowSingleSided != 0);
  m_checkShowVela->setChecked(m_bShowVela != 0);
  m_editLoadMass->setText(FloatText(m_motion.loadMass));
  for (std::size_t i = 0; i < m_editDuty.size(); ++i) m_editDuty[i]->setText(FromUtf8(m_strDuty[i]));
  m_editSafety->setText(FloatText(m_motion.safetyFactor));
  for (std::size_t i = 0; i < m_editSeriesModel.size(); ++i) m_editSeriesModel[i]->setText(FromUtf8(m_seriesModel[i]));
  m_editDistance->setText(IntText(m_motion.distanceMm));
  m_editVelocity->setText(FloatText(m_motion.peakVelocity));
  // The radio buttons always show the mode the member holds.
  m_radioAccelG->setChecked(m_motion.accelMode == AccelMode::Gravity);
  m_radioAccelTime->setChecked(m_motion.accelMode == AccelMode::Time);
  m_editDwell->setText(FloatText(m_motion.dwellMs));
  for (std::size_t i = 0; i < m_checkMotorType.size(); ++i) m_checkMotorType[i]->setChecked(m_motorType[i] != 0);
  for (std::size_t i = 0; i < m_editAnalysis.size(); ++i) m_editAnalysis[i]->setText(FromUtf8(m_strAnalysis[i]));
  m_editAmbient->setText(FromUtf8(m_strAmbient));
  m_editCoil->setText(FromUtf8(m_strCoil));
}

void CBrivaneView::FormatDutyTexts() { m_strDuty = brivane::FormatDutyTexts(m_seriesDuty); }

void CBrivaneView::FormatAnalysisTexts() {
  const brivane::AnalysisTexts texts = brivane::FormatAnalysisTexts(m_analysis);
  m_strAnalysis = texts.analysis;
  m_strAmbient = texts.ambient;
  m_strCoil = texts.coil;
}

void CBrivaneView::ShowMessage(const std::string& text) { m_messages.Warn(this, FromUtf8(text)); }

// ---------------------------------------------------------------------------------------------
// Commands

void CBrivaneView::OnInitialUpdate() {
  ShowForm();
  m_checkedSeries = 0;
  SelectDefaultLimits();
  m_comboModel->clear();
  for (std::string_view name : m_catalog.Names()) {
    m_comboModel->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  m_comboModel->setCurrentIndex(-1);
  SetHintFont();
  DrawEmptyChart();
  update();
}

void CBrivaneView::RunSelection() { DoSelection(); }

bool CBrivaneView::DoSelection() {
  if (!ReadForm()) return false;
  brivane::SelectionRequest request;
  request.input = m_motion;
  request.ratedPosition = SelectedPosition(m_comboRatedLimit);
  request.peakPosition = SelectedPosition(m_comboPeakLimit);
  // 5급 gates the double-sided series, 1급 the single-sided, 6급 the Vela-Series.
  request.gates = {m_motorType[4] != 0, m_motorType[0] != 0, m_motorType[5] != 0};
  const brivane::SelectionOutcome outcome = brivane::RunSelection(request, m_record, m_catalog);
  if (outcome.completed) {
    // The results are on screen before the messages, so a no-fit message sits over the outcome it
    // explains.
    for (std::size_t s = 0; s < outcome.series.size(); ++s) {
      m_seriesModel[s] = outcome.series[s].model;
      m_seriesDuty[s] = outcome.series[s].duty;
      m_foundNumber[s] = outcome.series[s].number;
    }
    FormatDutyTexts();
    ShowForm();
  }
  for (const std::string& message : outcome.messages) ShowMessage(message);
  return outcome.completed;
}

void CBrivaneView::CheckModelDuty() {
  if (!ReadForm()) return;
  const int chosen = m_comboModel->currentIndex();
  const std::string model = chosen >= 0 ? ToUtf8(m_comboModel->itemText(chosen)) : std::string();
  const std::string ambient = m_strAmbient;
  brivane::DutyCheckRequest request;
  request.input = m_motion;
  request.model = model;
  request.ambientText = ambient;
  const brivane::DutyCheckOutcome outcome = brivane::CheckModelDuty(request, m_record, m_catalog);
  if (outcome.analysis) {
    m_analysis = *outcome.analysis;
    FormatAnalysisTexts();
    ShowForm();
  }
  if (outcome.status != brivane::DutyCheckStatus::Completed) {
    if (!outcome.message.empty()) ShowMessage(outcome.message);
    return;
  }
  DrawProfileChart();
  update();
  m_checkedSeries = static_cast<std::int32_t>(outcome.series);
  ShowForm();
  OnViewSpec();
}

void CBrivaneView::OnViewSpec() {
  if (!ReadForm()) return;
  if (m_checkedSeries >= 1 && m_checkedSeries <= 3) {
    // A duty check has just finished: only its series' sheet opens, whatever the show boxes say.
    OpenSpecSheet(static_cast<MotorSeries>(m_checkedSeries));
    m_checkedSeries = 0;
    ShowForm();
    return;
  }
  // A selection that stopped on a message opens nothing, rather than the sheets of an older result.
  if (!DoSelection()) return;
  m_record.CopySelectedToShown();
  const int show[3] = {m_bShowDoubleSided, m_bShowSingleSided, m_bShowVela};
  for (MotorSeries s : brivane::kAllSeries) {
    const std::size_t slot = brivane::SeriesSlot(s);
    if (show[slot] != 0 && m_foundNumber[slot] != 0) OpenSpecSheet(s);
  }
}

void CBrivaneView::OnResetData() {
  // Nothing read from the widgets survives a reset, so the reset does not read them: a text that
  // is not a number must not stand in the way of clearing the form.
  m_motion = brivane::MotionInput{};
  m_bShowDoubleSided = m_bShowSingleSided = m_bShowVela = 1;
  m_seriesDuty = {};
  m_seriesModel = {};
  m_foundNumber = {};
  m_checkedSeries = 0;
  m_motorType = {1, 1, 1, 1, 1, 1};
  m_analysis = brivane::LoadAnalysis{};
  FormatAnalysisTexts();
  FormatDutyTexts();
  SelectDefaultLimits();
  m_comboModel->setCurrentIndex(-1);
  SetHintFont();
  ShowForm();
  DrawEmptyChart();
  update();
}

void CBrivaneView::OnSaveResult() {
  if (!ReadForm()) return;
  if (std::all_of(m_foundNumber.begin(), m_foundNumber.end(), [](std::int32_t n) { return n == 0; })) {
    ShowMessage(std::string(brivane::msg::kSelectionMissing));
    return;
  }
  m_record.CopySelectedToShown();
  OpenSaveDialog();
}

void CBrivaneView::OnAccelModeGravity() { SetAccelMode(AccelMode::Gravity); }
void CBrivaneView::OnAccelModeTime() { SetAccelMode(AccelMode::Time); }

void CBrivaneView::SetAccelMode(AccelMode mode) {
  if (!ReadForm()) {
    // The mode stays as it was, and so must the buttons.
    m_radioAccelG->setChecked(m_motion.accelMode == AccelMode::Gravity);
    m_radioAccelTime->setChecked(m_motion.accelMode == AccelMode::Time);
    return;
  }
  m_motion.accelMode = mode;
  ShowForm();
}

void CBrivaneView::DrawEmptyChart() {
  m_chartViewer->setChart(MakeVelocityChart(brivane::EmptyProfileChart(), m_chartViewer->size()));
}

void CBrivaneView::DrawProfileChart() {
  const auto profile = brivane::MakeProfileChart(m_analysis, m_motion.peakVelocity);
  if (!profile) return;  // no constant-velocity stretch: the chart keeps what it showed
  m_chartViewer->setChart(MakeVelocityChart(*profile, m_chartViewer->size()));
}

// Every data-sheet window and save dialog the form asks for goes through these two. For now they
// count the requests; the windows themselves are wired in here.
void CBrivaneView::OpenSpecSheet(MotorSeries s) {
  CMotorSpecSheet* sheet = CMotorSpecSheet::Open(s, m_record, m_catalog, window());
  switch (s) {
    case MotorSeries::DoubleSided: m_pSpecDlg = sheet; break;
    case MotorSeries::SingleSided: m_pSpecDlg2 = sheet; break;
    case MotorSeries::Vela: m_pSpecDlg3 = sheet; break;
  }
}

void CBrivaneView::OpenSaveDialog() {
  // Modal to the whole application, like a blocking dialog, but without a nested event loop: the
  // dialog lives for one save and deletes itself when it ends.
  auto* dialog = new CSaveDataDlg(m_record, m_catalog, m_messages, window());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->show();
}
