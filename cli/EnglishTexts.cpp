#include "cli/EnglishTexts.h"

#include <utility>

namespace brivane::cli {
namespace {

// The English the window shows for the engine's messages (found by their stable codes).
constexpr std::pair<Message, std::string_view> kMessages[] = {
    {msg::kAccelTime, "The acceleration time is set wrong!"},
    {msg::kAccelG, "The peak acceleration is set wrong!"},
    {msg::kVelocity, "The peak velocity is set wrong!"},
    {msg::kMass, "The load mass is set wrong!"},
    {msg::kDistance, "The stroke is set wrong!"},
    {msg::kFriction, "The friction coefficient is set wrong!"},
    {msg::kSafety, "The safety factor is set wrong!"},
    {msg::kDwell, "The dwell time is set wrong!"},
    {msg::kNoLimits, "Please set the allowed duty ratios!"},
    {msg::kNotRecommendedLimits, "The recommended duty ratios are 70% rated and 80% peak."},
    {msg::kNoFitDoubleSided, "No double-sided motor satisfies this motion."},
    {msg::kNoFitSingleSided, "No single-sided motor satisfies this motion."},
    {msg::kNoFitVela, "No single-sided (Vela-Series) motor satisfies this motion."},
    {msg::kNoModel, "No motor is chosen."},
    {msg::kProfileTooShort, "The peak acceleration or the peak velocity is wrong; please correct it."},
    {msg::kSelectionMissing, "The motor selection is not complete."},
    {msg::kProfileUnreachable,
     "The stroke is too short to reach the peak velocity: the duty ratios are rated for a profile the axis cannot "
     "run (a negative constant-velocity time)."},
};

// The window's English for the engine's and the report's other texts, and the command line's own
// pieces of its select and rank summaries.
constexpr std::pair<std::string_view, std::string_view> kTexts[] = {
    // Series captions.
    {"양측식 (Coreless)", "Double-sided (Coreless)"},
    {"편측식 (Ironcore)", "Single-sided (Ironcore)"},
    {"편측식 (Vela-Series)", "Single-sided (Vela-Series)"},
    // Load analysis and temperatures.
    {"평균 추력", "RMS thrust"},
    {"최대 추력", "Peak thrust"},
    {"가감속 시간", "Ramp time"},
    {"등속 시간", "Constant-speed time"},
    {"총 소요 시간", "Total time"},
    {"가감속 거리", "Ramp distance"},
    {"등속 거리", "Constant-speed distance"},
    {"총 이동거리", "Total distance"},
    {"주위온도", "Ambient"},
    {"코일부온도", "Coil"},
    // Duty and the comparison's columns and verdicts.
    {"정격 사용률", "Rated duty"},
    {"최대 사용률", "Peak duty"},
    {"모델", "Model"},
    {"시리즈", "Series"},
    {"판정", "Verdict"},
    {"정격 사용률(%)", "Rated duty(%)"},
    {"최대 사용률(%)", "Peak duty(%)"},
    {"정격 여유(%)", "Rated margin(%)"},
    {"최대 여유(%)", "Peak margin(%)"},
    {"코일부온도(℃)", "Coil temp.(℃)"},
    {"허용 부하(kg)", "Load headroom(kg)"},
    {"최대 전류(Arms)", "Peak current(Arms)"},
    {"실효 전류(Arms)", "RMS current(Arms)"},
    {"최대 전류비(%)", "Peak current ratio(%)"},
    {"정격 전류비(%)", "Rated current ratio(%)"},
    {"역기전력(V)", "Back EMF(V)"},
    {"동손(W)", "Copper loss(W)"},
    {"사용자 모터", "Your own motors"},
    {"선정", "selected"},
    {"적합", "fits"},
    {"부적합", "does not fit"},
    {"적합한 모델 없음", "no model fits"},
    {"온도 판정", "Coil temp. verdict"},
    {" ℃ 이하", " ℃ or below"},
    {" ℃ 초과", " ℃ exceeded"},
    // The summaries: "가속도 1.0 g, 가속 시간 102.0 msec, 허용 사용률 정격 70%, 최대 80%".
    {"가속도 ", "Accel. "},
    {" g, 가속 시간 ", " g, accel. time "},
    {" msec, 허용 사용률 정격 ", " msec, allowed duty rated "},
    {"허용 사용률 정격 ", "Allowed duty rated "},
    {"%, 최대 ", "%, peak "},
    // The cycle model's messages (templates, filled in after the translation) and cycle's tables.
    {"사이클에 구간이 없습니다.", "The cycle has no segment."},
    {"사이클의 구간이 너무 많습니다: %3개 (최대 10000개).", "The cycle has too many segments: %3 (at most 10000)."},
    {"축 설정의 %2 값(%3)이 허용 범위를 벗어났습니다: %4", "Axis: %2 %3 is out of range: %4"},
    {"%1번 구간의 %2 값(%3)이 허용 범위를 벗어났습니다: %4", "Segment %1: %2 %3 is out of range: %4"},
    {"축이 시작 위치로 돌아오지 않습니다: 한 사이클에 %3 mm 이동합니다.",
     "The axis does not return to its start: one cycle moves it %3 mm."},
    {"%1번 구간에는 등속 구간이 없어, 등속 중에만 작용하는 공정력(force)이 작용하지 않습니다.",
     "Segment %1 has no constant-velocity phase: its process force, which acts only at constant velocity, never acts."},
    {"구간", "Segment"},
    {"종류", "Type"},
    {"프로파일", "Profile"},
    {"이동 거리(mm)", "Distance(mm)"},
    {"시간(s)", "Time(s)"},
    {"최고 속도(m/s)", "Peak velocity(m/s)"},
    {"평균 추력(N)", "RMS thrust(N)"},
    {"최대 추력(N)", "Peak thrust(N)"},
    {"추가 질량(kg)", "Payload headroom(kg)"},
    // The drive's figures, checks and verdicts (cycle, rank) and the envelope.
    {"드라이브 설정의 %2 값(%3)이 허용 범위를 벗어났습니다: %4", "Drive: %2 %3 is out of range: %4"},
    {"필요 전압(V)", "Bus voltage needed(V)"},
    {"전압 확인", "Voltage check"},
    {"최대 전류 확인", "Peak current check"},
    {"연속 전류 확인", "Continuous current check"},
    {"무부하 최고 속도(m/s)", "Top speed(m/s)"},
    {"공급 에너지(J)", "Energy in(J)"},
    {"회생 에너지(J)", "Energy returned(J)"},
    {"최대 회생 전력(W)", "Peak returned power(W)"},
    {"통과", "passed"},
    {"실패", "failed"},
    {"미확인", "not checked"},
    {"전압 부족", "bus voltage too low"},
    {"최대 전류 초과", "peak current too high"},
    {"연속 전류 초과", "continuous current too high"},
    {"코일 온도 초과", "coil too hot"},
    {"드라이브: 버스 전압 %1, 최대 전류 %2, 연속 전류 %3",
     "Drive: bus voltage %1, peak current %2, continuous current %3"},
    {"모델 %1, 버스 전압 %2 V, 권선 온도 %3 ℃", "Model %1, bus voltage %2 V, winding at %3 ℃"},
    {"무부하 최고 속도 %1 m/s", "Top speed without load %1 m/s"},
    {"%1 %2 N: %3 m/s까지", "%1 %2 N: up to %3 m/s"},
    {"%1 %2 N: 이 버스 전압으로는 정지 상태에서도 낼 수 없음", "%1 %2 N: not even at standstill on this bus"},
    {"정격 추력", "Rated thrust"},
    {"속도(m/s)", "Speed(m/s)"},
    {"연속 추력(N)", "Continuous thrust(N)"},
    {"사이클 시간 ", "Cycle time "},
    {" s, 순 이동 ", " s, net displacement "},
    // The report's save.
    {"사용자 닉네임에 줄바꿈이나 탭 같은 제어 문자가 있어 저장하지 않았습니다. 닉네임을 바꾸어 주시기 바랍니다.",
     "Nothing was saved: the nickname holds a control character such as a line feed or a tab. Please change the "
     "nickname."},
    {"사용자 닉네임에 보고서 파일의 한글 코드(CP949)로 쓸 수 없는 문자가 있어 저장하지 않았습니다. 닉네임을 바꾸어 "
     "주시기 바랍니다.",
     "Nothing was saved: the nickname holds a character that the Korean encoding of the report file (CP949) cannot "
     "hold. Please change the nickname."},
};

// The refusal that names the nickname's character: "사용자 닉네임의 "X" 문자는 ...".
constexpr std::string_view kCharacterBefore = "사용자 닉네임의 \"";
constexpr std::string_view kCharacterAfter =
    "\" 문자는 보고서 파일의 한글 코드(CP949)로 쓸 수 없어 저장하지 않았습니다. 닉네임을 바꾸어 주시기 바랍니다.";

}  // namespace

std::optional<Language> ParseLanguage(std::string_view text) {
  if (text == "ko") return Language::Korean;
  if (text == "en") return Language::English;
  return std::nullopt;
}

std::string Say(Language language, std::string_view korean) {
  if (language == Language::Korean) return std::string(korean);
  for (const auto& [ko, en] : kTexts)
    if (ko == korean) return std::string(en);
  for (const auto& [message, en] : kMessages)
    if (message.text == korean) return std::string(en);
  if (korean.starts_with(kCharacterBefore) && korean.ends_with(kCharacterAfter) &&
      korean.size() > kCharacterBefore.size() + kCharacterAfter.size()) {
    const std::string_view character =
        korean.substr(kCharacterBefore.size(), korean.size() - kCharacterBefore.size() - kCharacterAfter.size());
    return "Nothing was saved: the character \"" + std::string(character) +
           "\" of the nickname cannot be written in the Korean encoding of the report file (CP949). Please change "
           "the nickname.";
  }
  return std::string(korean);
}

std::string Say(Language language, const Message& message) {
  if (language == Language::English)
    for (const auto& [known, en] : kMessages)
      if (known.code == message.code) return std::string(en);
  return std::string(message.text);
}

}  // namespace brivane::cli
