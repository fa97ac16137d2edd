#include "ui/axis/AxisTexts.h"

#include <QCoreApplication>

#include <string>

#include "engine/Cycle.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::CAxisWindow)
};

}  // namespace

QString TranslatedCycleMessage(const CycleMessage& message) {
  const std::string translated = EngineText(CycleMessageTemplate(message.code)).toStdString();
  return QString::fromStdString(FillCycleMessage(translated, message));
}

QString FieldCaption(const CycleFieldInfo& info, std::string_view unit) {
  if (unit.empty()) return EngineText(info.label);
  return Texts::tr("%1 (%2)").arg(EngineText(info.label), FromUtf8(unit));
}

QString FieldTip(const CycleFieldInfo& info, std::string_view unit) {
  const std::string_view range = CycleFieldRange(info.key);
  QString tip = FieldCaption(info, unit) + QLatin1Char('\n');
  tip += range.empty() ? Texts::tr("모든 수 (%1)").arg(FromUtf8(info.key)) : FromUtf8(range);
  if (info.optional) tip += QLatin1Char('\n') + Texts::tr("비워 두면 확인하지 않습니다.");
  return tip;
}

QString MarkText(const FieldMark& mark) {
  if (mark.refusal) return TranslatedCycleMessage(*mark.refusal);
  return Texts::tr("\"%1\": %2").arg(FromUtf8(mark.text), EngineText(kNotANumberText));
}

}  // namespace brivane::ui
