#include "ui/form/InputTips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <charconv>

#include "engine/DutyLimits.h"
#include "engine/Motion.h"
#include "ui/form/FormWidgets.h"

namespace brivane::ui {
namespace {

// The tips are the form's texts.
struct Tips {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::CBrivaneView)
};

// A bound as the user would type it: plain digits, no exponent ("10000000", "0.5").
QString Bound(double value) {
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  (void)ec;
  return QString::fromLatin1(buf, static_cast<int>(end - buf));
}

}  // namespace

void SetInputTips(const FormWidgets& w) {
  w.editLoadMass->setToolTip(Tips::tr("부하 질량 [kg]: 0 초과 %1 이하").arg(Bound(kMaxLoadMassKg)));
  w.editDistance->setToolTip(Tips::tr("이동 거리 [mm]: 0 초과 %1 이하의 정수").arg(Bound(kMaxDistanceMm)));
  const QString accel = Tips::tr("가속도(g): 0 초과 %1 이하\n가속 시간(msec): 선정은 %2 이상, 사용률 계산은 0 초과")
                            .arg(Bound(kMaxAccelG), Bound(kMinSelectionAccelTimeMs));
  w.editAccel->setToolTip(accel);
  w.radioAccelG->setToolTip(accel);
  w.radioAccelTime->setToolTip(accel);
  w.editVelocity->setToolTip(Tips::tr("최대 속도 [m/sec]: 0 초과 %1 이하").arg(Bound(kMaxVelocity)));
  w.editDwell->setToolTip(Tips::tr("휴지 시간 [msec]: 0 이상 %1 이하").arg(Bound(kMaxDwellMs)));
  w.editFriction->setToolTip(Tips::tr("마찰 계수 (단위 없음): 0 이상 %1 이하").arg(Bound(kMaxFriction)));
  w.editSafety->setToolTip(Tips::tr("안전율 (단위 없음): %1 이상 %2 이하, 최대 사용률에만 곱합니다")
                               .arg(Bound(kMinSafetyFactor), Bound(kMaxSafetyFactor)));
  const QString limits = Tips::tr("[%]: %1에서 %2까지 5 간격, 목록에서 고르거나 \"30\", \"30%\"처럼 입력")
                             .arg(LimitFromPosition(0))
                             .arg(LimitFromPosition(kLimitPositions - 1));
  w.comboRatedLimit->setToolTip(Tips::tr("정격 사용률 허용치 ") + limits);
  w.comboPeakLimit->setToolTip(Tips::tr("최대 사용률 허용치 ") + limits);
  w.comboModel->setToolTip(Tips::tr("사용률을 계산할 모델"));
  w.editAmbient->setToolTip(Tips::tr("주위온도 [℃]: 숫자, 숫자가 아닌 글은 0으로 읽습니다"));
  for (QCheckBox* box : w.checkShow) box->setToolTip(Tips::tr("선정모터 사양보기가 이 시리즈의 사양서를 엽니다"));
}

}  // namespace brivane::ui
