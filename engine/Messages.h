// The fixed Korean texts the engine's operations report (UTF-8 in the program), each with a
// stable code so that a front end can show its own translation instead of the text.
#pragma once

#include <string_view>

namespace brivane {

enum class MessageCode {
  AccelTime,
  AccelG,
  Velocity,
  Mass,
  Distance,
  Friction,
  Safety,
  Dwell,
  NoLimits,
  NotRecommendedLimits,
  NoFitDoubleSided,
  NoFitSingleSided,
  NoFitVela,
  NoModel,
  ProfileTooShort,
  SelectionMissing,
  ProfileUnreachable,
};

struct Message {
  MessageCode code;
  std::string_view text;  // Korean, UTF-8; static storage

  friend constexpr bool operator==(const Message& a, const Message& b) { return a.code == b.code && a.text == b.text; }
};

namespace msg {

inline constexpr Message kAccelTime{MessageCode::AccelTime, "가속 시간의 설정값이 잘못되었습니다!"};
inline constexpr Message kAccelG{MessageCode::AccelG, "최대 가속도의 설정값이 잘못되었습니다!"};
inline constexpr Message kVelocity{MessageCode::Velocity, "최대 속도의 설정값이 잘못되었습니다!"};
inline constexpr Message kMass{MessageCode::Mass, "부하 질량의 설정값이 잘못되었습니다!"};
inline constexpr Message kDistance{MessageCode::Distance, "이동 거리의 설정값이 잘못되었습니다!"};
inline constexpr Message kFriction{MessageCode::Friction, "마찰 계수의 설정값이 잘못되었습니다!"};
inline constexpr Message kSafety{MessageCode::Safety, "안전률의 설정값이 잘못되었습니다!"};
inline constexpr Message kDwell{MessageCode::Dwell, "휴지 시간의 설정값이 잘못되었습니다!"};

inline constexpr Message kNoLimits{MessageCode::NoLimits, "사용률 허용치를 설정하여 주시기 바랍니다!"};
inline constexpr Message kNotRecommendedLimits{MessageCode::NotRecommendedLimits,
                                               "권장 사용률은 정격70%, 최대 80%입니다."};
inline constexpr Message kNoFitDoubleSided{MessageCode::NoFitDoubleSided,
                                           "해당 Motion을 만족하는 양측식 Motor가 없습니다."};
inline constexpr Message kNoFitSingleSided{MessageCode::NoFitSingleSided,
                                           "해당 Motion을 만족하는 편측식 Motor가 없습니다."};
inline constexpr Message kNoFitVela{MessageCode::NoFitVela,
                                    "해당 Motion을 만족하는 편측식 (Vela-Series) Motor가 없습니다."};

inline constexpr Message kNoModel{MessageCode::NoModel, "Motor가 선택되지 않았습니다."};
inline constexpr Message kProfileTooShort{MessageCode::ProfileTooShort,
                                          "최대 가속도 혹은 최대 속도 값이 잘못 되었으니 수정 바람."};

inline constexpr Message kSelectionMissing{MessageCode::SelectionMissing, "Motor 선정이 완료되지 않았습니다."};

// Not a refusal: said beside the ratios of a move whose stroke is too short for its peak velocity,
// which the selection and the comparison rate as it stands.
inline constexpr Message kProfileUnreachable{
    MessageCode::ProfileUnreachable,
    "이동 거리가 짧아 최대 속도에 이르지 못합니다: 사용률은 이 축이 낼 수 없는 속도 프로파일(음의 등속 시간)로 계산한 "
    "값입니다."};

}  // namespace msg
}  // namespace brivane
