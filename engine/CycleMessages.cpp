#include "engine/CycleMessages.h"

#include "catalog/Translatable.h"
#include "engine/NumberText.h"

namespace brivane {
namespace {

struct CycleMessageInfo {
  CycleMessageCode code;
  std::string_view name;
  std::string_view korean;
};

constexpr CycleMessageInfo kCycleMessages[] = {
    {CycleMessageCode::NoSegment, "no-segment", QT_TRANSLATE_NOOP("brivane::EngineTexts", "사이클에 구간이 없습니다.")},
    {CycleMessageCode::TooManySegments, "too-many-segments",
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "사이클의 구간이 너무 많습니다: %3개 (최대 10000개).")},
    {CycleMessageCode::AxisOutOfRange, "axis-out-of-range",
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "축 설정의 %2 값(%3)이 허용 범위를 벗어났습니다: %4")},
    {CycleMessageCode::SegmentOutOfRange, "segment-out-of-range",
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "%1번 구간의 %2 값(%3)이 허용 범위를 벗어났습니다: %4")},
    {CycleMessageCode::DriveOutOfRange, "drive-out-of-range",
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "드라이브 설정의 %2 값(%3)이 허용 범위를 벗어났습니다: %4")},
    {CycleMessageCode::NotReturning, "not-returning",
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "축이 시작 위치로 돌아오지 않습니다: 한 사이클에 %3 mm 이동합니다.")},
    {CycleMessageCode::ForceNeverActs, "force-never-acts",
     QT_TRANSLATE_NOOP("brivane::EngineTexts",
                       "%1번 구간에는 등속 구간이 없어, 등속 중에만 작용하는 공정력(force)이 작용하지 않습니다.")},
};

const CycleMessageInfo& InfoOf(CycleMessageCode code) {
  for (const CycleMessageInfo& info : kCycleMessages)
    if (info.code == code) return info;
  return kCycleMessages[0];
}

std::string ValueText(const CycleMessage& m) {
  // A displacement is shown as a length; a refused value exactly as it was read.
  if (m.code == CycleMessageCode::NotReturning) return FormatFixed(m.value, 3);
  return FormatShortestDouble(m.value);
}

}  // namespace

std::string_view CycleMessageTemplate(CycleMessageCode code) { return InfoOf(code).korean; }

std::string_view CycleMessageName(CycleMessageCode code) { return InfoOf(code).name; }

std::string FillCycleMessage(std::string_view templateText, const CycleMessage& message) {
  std::string out;
  out.reserve(templateText.size() + 32);
  for (std::size_t i = 0; i < templateText.size(); ++i) {
    const char c = templateText[i];
    const char next = i + 1 < templateText.size() ? templateText[i + 1] : '\0';
    if (c != '%' || next < '1' || next > '4') {
      out += c;
      continue;
    }
    switch (next) {
      case '1': out += std::to_string(message.segment); break;
      case '2': out += message.field; break;
      case '3': out += ValueText(message); break;
      default: out += message.range; break;
    }
    ++i;
  }
  return out;
}

std::string CycleMessageText(const CycleMessage& message) {
  return FillCycleMessage(CycleMessageTemplate(message.code), message);
}

}  // namespace brivane
