#include "ui/form/FormWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

#include "engine/Presentation.h"
#include "ui/chart/ChartViewer.h"
#include "ui/form/ChartArea.h"
#include "ui/form/FormControls.h"
#include "ui/widgets/CachedGroupBox.h"
#include "ui/widgets/ControlTag.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/EngineTexts.h"
#include "ui/widgets/Pictures.h"

namespace brivane::ui {
namespace {

template <class W>
W* Tag(W* widget, const char* objectName, const QString& accessibleName) {
  const QLatin1String name(objectName);
  return TagControl(widget, name, FormControlId(name), accessibleName);
}

QLabel* Caption(const QString& text, QWidget* buddy = nullptr) {
  auto* label = new QLabel(text);
  if (buddy != nullptr) label->setBuddy(buddy);
  return label;
}

QLineEdit* ResultEdit(const char* objectName, const QString& accessibleName, int width) {
  auto* edit = Tag(new QLineEdit, objectName, accessibleName);
  edit->setReadOnly(true);
  edit->setFixedWidth(width);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

// The items of both duty-limit lists as the form lists them before sorting.
const char* const kLimitItems[] = {" 30%", " 35%", " 40%", " 45%", " 50%", " 55%", " 60%", " 65%",
                                   " 70%", " 75%", " 80%", " 85%", " 90%", " 95%", "100%", " 25%"};

QComboBox* LimitList(const char* objectName, const QString& accessibleName) {
  auto* combo = Tag(new QComboBox, objectName, accessibleName);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);  // typing never adds an item
  combo->setMaxVisibleItems(16);
  for (const char* item : kLimitItems) combo->addItem(QLatin1String(item));
  combo->model()->sort(0);  // the list is sorted: index i shows 25 + 5 i percent
  return combo;
}

// Builds the groups of the form one after the other; the texts are the form's (context
// CBrivaneView).
class FormBuilder {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::CBrivaneView)

 public:
  FormBuilder(QWidget* form, FormWidgets& w) : m_form(form), m_du(form->font()), m_w(w) {}

  void Build();

 private:
  QWidget* ProfileGroup();
  void AddMoveRows(QGridLayout* g);
  void AddLimitColumn(QGridLayout* g);
  QLayout* MotorTypeRow(QWidget* group);
  QWidget* ResultGroup();
  QWidget* AnalysisGroup();
  QWidget* ModelBox();
  QWidget* TemperatureBox();
  QWidget* ChartGroup();
  QWidget* BottomRow();
  void SetTabOrder();

  QWidget* m_form;
  DialogUnits m_du;
  FormWidgets& m_w;
};

void FormBuilder::Build() {
  auto* grid = new QGridLayout(m_form);
  grid->addWidget(ProfileGroup(), 0, 0);
  grid->addWidget(AnalysisGroup(), 0, 1);
  grid->addWidget(ResultGroup(), 1, 0);
  auto* right = new QHBoxLayout;
  right->addWidget(ModelBox());
  right->addWidget(TemperatureBox());
  grid->addLayout(right, 1, 1);
  grid->addWidget(ChartGroup(), 2, 0, 1, 3);
  grid->addWidget(BottomRow(), 3, 0, 1, 3);
  // A larger window gives its extra room to the chart; the groups above keep their sizes and
  // places, the empty third column takes the extra width beside them.
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(2, 1);
  grid->setSizeConstraint(QLayout::SetMinimumSize);
  SetTabOrder();
  // Enter on a focused button presses it, as Space does. (Qt gives buttons outside a dialog no
  // Enter of their own.) Enter in an edit still does nothing: the form has no default button.
  for (QPushButton* button :
       {m_w.buttonSelect, m_w.buttonReset, m_w.buttonCheckDuty, m_w.buttonViewSpec, m_w.buttonSaveResult}) {
    button->setAutoDefault(true);
  }
}

void FormBuilder::SetTabOrder() {
  // Tab follows the inputs as a user fills them in, the mode buttons right after the acceleration.
  QWidget* const order[] = {m_w.editLoadMass,   m_w.editDistance,     m_w.editAccel,       m_w.radioAccelG,
                            m_w.radioAccelTime, m_w.editVelocity,     m_w.editDwell,       m_w.editFriction,
                            m_w.editSafety,     m_w.comboRatedLimit,  m_w.comboPeakLimit,  m_w.buttonSelect,
                            m_w.buttonReset,    m_w.comboModel,       m_w.buttonCheckDuty, m_w.editAmbient,
                            m_w.checkShow[0],   m_w.checkShow[1],     m_w.checkShow[2],    m_w.buttonViewSpec,
                            m_w.buttonCompare,  m_w.buttonAxisDesign, m_w.buttonSaveResult};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget* FormBuilder::ProfileGroup() {
  auto* group = new CachedGroupBox(tr("모터 선정 ProFile"));
  group->setObjectName(QStringLiteral("groupProfile"));
  auto* g = new QGridLayout(group);
  AddMoveRows(g);
  AddLimitColumn(g);
  g->addLayout(MotorTypeRow(group), 9, 0, 1, 5);
  return group;
}

void FormBuilder::AddMoveRows(QGridLayout* g) {
  auto makeEdit = [&](const char* name, const QString& label) {
    auto* edit = Tag(new QLineEdit, name, label);
    edit->setFixedWidth(m_du.X(44));
    return edit;
  };
  auto addRow = [&](int row, const QString& label, QLineEdit* edit, const QString& unit) {
    g->addWidget(Caption(label, edit), row, 0);
    g->addWidget(edit, row, 1);
    if (!unit.isEmpty()) g->addWidget(new QLabel(unit), row, 2);
  };

  m_w.editLoadMass = makeEdit("editLoadMass", tr("부하 질량"));
  m_w.editDistance = makeEdit("editDistance", tr("이동 거리"));
  m_w.editAccel = makeEdit("editAccel", tr("최대 가속도"));
  m_w.editVelocity = makeEdit("editVelocity", tr("최대 속도"));
  m_w.editDwell = makeEdit("editDwell", tr("휴지 시간"));
  m_w.editFriction = makeEdit("editFriction", tr("마찰 계수"));
  m_w.editSafety = makeEdit("editSafety", tr("안전율"));

  addRow(0, tr("부하 질량"), m_w.editLoadMass, tr("kg"));
  addRow(1, tr("이동 거리"), m_w.editDistance, tr("mm"));
  addRow(2, tr("최대 가속도"), m_w.editAccel, QString());
  m_w.radioAccelG = Tag(new QRadioButton(tr("가속도(g)")), "radioAccelG", tr("가속도(g)"));
  m_w.radioAccelTime = Tag(new QRadioButton(tr("가속 시간(msec)")), "radioAccelTime", tr("가속 시간(msec)"));
  g->addWidget(m_w.radioAccelG, 2, 2);
  g->addWidget(m_w.radioAccelTime, 3, 2);
  addRow(4, tr("최대 속도"), m_w.editVelocity, tr("m/sec"));
  addRow(5, tr("휴지 시간"), m_w.editDwell, tr("msec"));
  m_w.labelFrictionHint = new QLabel(tr("수평설치 0.05, 벽면설치 0.1"));
  m_w.labelFrictionHint->setObjectName(QStringLiteral("labelFrictionHint"));
  m_w.labelFrictionHint->setProperty("controlId", FormControlId(QLatin1String("labelFrictionHint")));
  g->addWidget(m_w.labelFrictionHint, 6, 0, 1, 3);
  addRow(7, tr("마찰 계수"), m_w.editFriction, QString());
  addRow(8, tr("안  전  율"), m_w.editSafety, QString());
}

void FormBuilder::AddLimitColumn(QGridLayout* g) {
  m_w.comboRatedLimit = LimitList("comboRatedLimit", tr("사용률 허용치(정격)"));
  m_w.comboPeakLimit = LimitList("comboPeakLimit", tr("사용률 허용치(최대)"));
  g->setColumnMinimumWidth(3, m_du.X(8));
  g->addWidget(Caption(tr("사용률 허용치(정격)"), m_w.comboRatedLimit), 0, 4);
  g->addWidget(m_w.comboRatedLimit, 1, 4);
  g->addWidget(Caption(tr("사용률 허용치(최대)"), m_w.comboPeakLimit), 2, 4);
  g->addWidget(m_w.comboPeakLimit, 3, 4);
  m_w.buttonSelect = Tag(new QPushButton(tr("Linear Motor 선정")), "buttonSelect", tr("Linear Motor 선정"));
  m_w.buttonReset = Tag(new QPushButton(tr("Data초기화")), "buttonReset", tr("Data초기화"));
  g->addWidget(m_w.buttonSelect, 5, 4, 2, 1);
  g->addWidget(m_w.buttonReset, 7, 4, 2, 1);
}

QLayout* FormBuilder::MotorTypeRow(QWidget* group) {
  // The size classes: fixed, shown for information. 1급 gates the single-sided series but is not
  // shown; 5급 and 6급 gate the double-sided and Vela series.
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(new QLabel(tr("Motor Type")));
  for (std::size_t i = 0; i < m_w.checkMotorType.size(); ++i) {
    const QString caption = tr("%1급").arg(i + 1);
    const QByteArray name = "checkMotorType" + QByteArray::number(static_cast<int>(i) + 1);
    auto* box = Tag(new QCheckBox, name.constData(), caption);
    box->setEnabled(false);
    box->setChecked(true);
    m_w.checkMotorType[i] = box;
    if (i == 0) {
      box->setParent(group);
      box->hide();
      continue;
    }
    typeRow->addWidget(box);
    typeRow->addWidget(Caption(caption, box));
  }
  typeRow->addStretch();
  return typeRow;
}

QWidget* FormBuilder::ResultGroup() {
  auto* group = new CachedGroupBox(tr("모터 선정 결과"));
  group->setObjectName(QStringLiteral("groupResult"));
  auto* g = new QGridLayout(group);
  g->addWidget(new QLabel(tr("정격 사용률(%)")), 0, 2, Qt::AlignCenter);
  g->addWidget(new QLabel(tr("최대 사용률(%)")), 0, 3, Qt::AlignCenter);
  const char* const modelNames[3] = {"editModelDoubleSided", "editModelSingleSided", "editModelVela"};
  const char* const dutyNames[6] = {"editRatedDoubleSided", "editPeakDoubleSided", "editRatedSingleSided",
                                    "editPeakSingleSided",  "editRatedVela",       "editPeakVela"};
  for (const MotorSeries series : kAllSeries) {
    const std::size_t slot = SeriesSlot(series);
    const int row = static_cast<int>(slot) + 1;
    const QString caption = SeriesCaption(series);
    auto* model = Tag(new QLineEdit, modelNames[slot], caption);
    model->setReadOnly(true);
    model->setFixedWidth(m_du.X(50));
    m_w.editSeriesModel[slot] = model;
    g->addWidget(Caption(TwoLines(caption), model), row, 0);
    g->addWidget(model, row, 1);
    for (std::size_t k = 0; k < 2; ++k) {
      const std::size_t d = 2 * slot + k;
      const QString label = (k == 0 ? tr("정격 사용률(%) ") : tr("최대 사용률(%) ")) + caption;
      m_w.editDuty[d] = ResultEdit(dutyNames[d], label, m_du.X(40));
      g->addWidget(m_w.editDuty[d], row, 2 + static_cast<int>(k), Qt::AlignCenter);
    }
  }
  // Extra height goes below the rows, so they stay under their headers.
  g->setRowStretch(static_cast<int>(kAllSeries.size()) + 1, 1);
  return group;
}

QWidget* FormBuilder::AnalysisGroup() {
  auto* group = new CachedGroupBox(tr("부하 분석 DATA"));
  group->setObjectName(QStringLiteral("groupAnalysis"));
  auto* g = new QGridLayout(group);
  const char* const names[8] = {"editRmsThrust", "editPeakThrust",    "editAccelTime",     "editConstTime",
                                "editTotalTime", "editAccelDistance", "editConstDistance", "editTotalDistance"};
  for (std::size_t i = 0; i < kAnalysisRows.size(); ++i) {
    const int row = static_cast<int>(i);
    const QString label = EngineText(kAnalysisRows[i].label);
    m_w.editAnalysis[i] = ResultEdit(names[i], label, m_du.X(50));
    g->addWidget(Caption(label, m_w.editAnalysis[i]), row, 0);
    g->addWidget(m_w.editAnalysis[i], row, 1);
    g->addWidget(new QLabel(EngineText(kAnalysisRows[i].unit)), row, 2);
  }
  g->setRowStretch(static_cast<int>(kAnalysisRows.size()), 1);
  return group;
}

QWidget* FormBuilder::ModelBox() {
  auto* box = new CachedGroupBox;
  box->setObjectName(QStringLiteral("groupModel"));
  auto* v = new QVBoxLayout(box);
  m_w.comboModel = Tag(new QComboBox, "comboModel", tr("적용 Model"));
  m_w.comboModel->setEditable(false);
  m_w.comboModel->setMaxVisibleItems(20);
  m_w.buttonCheckDuty = Tag(new QPushButton(tr("사용률 계산")), "buttonCheckDuty", tr("사용률 계산"));
  v->addWidget(Caption(tr("적용 Model"), m_w.comboModel), 0, Qt::AlignHCenter);
  v->addWidget(m_w.comboModel);
  v->addStretch();
  v->addWidget(m_w.buttonCheckDuty);
  return box;
}

QWidget* FormBuilder::TemperatureBox() {
  auto* box = new CachedGroupBox;
  box->setObjectName(QStringLiteral("groupTemperature"));
  auto* g = new QGridLayout(box);
  const QString ambient = EngineText(kTemperatureRows[0].label);
  const QString coil = EngineText(kTemperatureRows[1].label);
  m_w.editAmbient = Tag(new QLineEdit, "editAmbient", ambient);
  m_w.editAmbient->setFixedWidth(m_du.X(26));
  m_w.editAmbient->setAlignment(Qt::AlignRight);
  m_w.editCoil = ResultEdit("editCoil", coil, m_du.X(26));
  g->addWidget(new QLabel(tr("온 도")), 0, 0, 1, 3, Qt::AlignHCenter);
  g->addWidget(Caption(ambient, m_w.editAmbient), 1, 0);
  g->addWidget(m_w.editAmbient, 1, 1);
  g->addWidget(new QLabel(EngineText(kTemperatureRows[0].unit)), 1, 2);
  g->addWidget(Caption(coil, m_w.editCoil), 2, 0);
  g->addWidget(m_w.editCoil, 2, 1);
  g->addWidget(new QLabel(EngineText(kTemperatureRows[1].unit)), 2, 2);
  auto* note = new QLabel(tr("90도 이하 사용할 것"));
  note->setObjectName(QStringLiteral("labelCoilNote"));
  note->setProperty("controlId", FormControlId(QLatin1String("labelCoilNote")));
  g->addWidget(note, 3, 0, 1, 3, Qt::AlignHCenter);
  return box;
}

QWidget* FormBuilder::ChartGroup() {
  auto* group = new CachedGroupBox(tr("Motor Profile"));
  group->setObjectName(QStringLiteral("groupMotorProfile"));
  auto* layout = new QVBoxLayout(group);
  auto* area = new ChartArea(m_du.Size(382, 131));
  m_w.chartViewer = Tag(new CChartViewer(area), "chartViewer", tr("Motor Profile"));
  // Over the rising edge, the flat top, the falling edge and the dwell.
  area->AddPhase(tr("가속"), "labelPhaseAccel", m_du.Point(49, 41));
  area->AddPhase(tr("등속"), "labelPhaseConst", m_du.Point(140, 10));
  area->AddPhase(tr("감속"), "labelPhaseDecel", m_du.Point(226, 42));
  area->AddPhase(tr("휴지"), "labelPhaseDwell", m_du.Point(305, 83));
  layout->addWidget(area);
  return group;
}

QWidget* FormBuilder::BottomRow() {
  auto* row = new QWidget;
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  const char* const showNames[3] = {"checkShowDoubleSided", "checkShowSingleSided", "checkShowVela"};
  for (const MotorSeries series : kAllSeries) {
    const QString name = SeriesName(series);
    auto* box = Tag(new QCheckBox(TwoLines(name)), showNames[SeriesSlot(series)], name);
    m_w.checkShow[SeriesSlot(series)] = box;
    h->addWidget(box);
  }
  m_w.buttonViewSpec = Tag(new QPushButton(tr("선정모터 사양보기")), "buttonViewSpec", tr("선정모터 사양보기"));
  m_w.buttonCompare = Tag(new QPushButton(tr("후보 비교")), "buttonCompare", tr("후보 비교"));
  m_w.buttonAxisDesign = Tag(new QPushButton(tr("축 설계")), "buttonAxisDesign", tr("축 설계"));
  m_w.buttonSaveResult = Tag(new QPushButton(tr("결과 저장")), "buttonSaveResult", tr("결과 저장"));
  h->addSpacing(m_du.X(8));
  h->addWidget(m_w.buttonViewSpec);
  h->addWidget(m_w.buttonCompare);
  h->addWidget(m_w.buttonAxisDesign);
  h->addWidget(m_w.buttonSaveResult);
  h->addStretch();
  h->addWidget(LogoLabel(QStringLiteral("labelLogo"), m_du));
  return row;
}

}  // namespace

FormWidgets FormWidgets::Build(QWidget* form) {
  FormWidgets w;
  FormBuilder(form, w).Build();
  return w;
}

}  // namespace brivane::ui
