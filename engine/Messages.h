// The fixed Korean texts the engine's operations report (UTF-8 in the program).
#pragma once

#include <string_view>

namespace brivane::msg {

inline constexpr std::string_view kAccelTime = "가속 시간의 설정값이 잘못되었습니다!";
inline constexpr std::string_view kAccelG = "최대 가속도의 설정값이 잘못되었습니다!";
inline constexpr std::string_view kVelocity = "최대 속도의 설정값이 잘못되었습니다!";
inline constexpr std::string_view kMass = "부하 질량의 설정값이 잘못되었습니다!";
inline constexpr std::string_view kDistance = "이동 거리의 설정값이 잘못되었습니다!";
inline constexpr std::string_view kFriction = "마찰 계수의 설정값이 잘못되었습니다!";
inline constexpr std::string_view kSafety = "안전률의 설정값이 잘못되었습니다!";
inline constexpr std::string_view kDwell = "휴지 시간의 설정값이 잘못되었습니다!";

inline constexpr std::string_view kNoLimits = "사용률 허용치를 설정하여 주시기 바랍니다!";
inline constexpr std::string_view kNotRecommendedLimits = "권장 사용률은 정격70%, 최대 80%입니다.";
inline constexpr std::string_view kNoFitDoubleSided = "해당 Motion을 만족하는 양측식 Motor가 없습니다.";
inline constexpr std::string_view kNoFitSingleSided = "해당 Motion을 만족하는 편측식 Motor가 없습니다.";
inline constexpr std::string_view kNoFitVela = "해당 Motion을 만족하는 편측식 (Vela-Series) Motor가 없습니다.";

inline constexpr std::string_view kNoModel = "Motor가 선택되지 않았습니다.";
inline constexpr std::string_view kProfileTooShort = "최대 가속도 혹은 최대 속도 값이 잘못 되었으니 수정 바람.";

inline constexpr std::string_view kSelectionMissing = "Motor 선정이 완료되지 않았습니다.";

}  // namespace brivane::msg
