// The messages the engine's operations and the report's save give a user: a stable code, the
// arguments its text names, and one table of the Korean texts (UTF-8), from which every front end
// takes its words.
//
// How to add a text that a user reads (Korean once, English once):
// - A message (an outcome a front end shows: a refusal, a warning, a confirmation): a code at the
//   end of MessageCode and its row at the end of kMessageTexts (the compiler checks the order, and
//   the check below names the last code). Arguments are "%1", "%2", ... in the text, filled from
//   Message::arguments in order; front ends show KoreanText(message), the window MessageText(message).
// - Any other text of catalog/, engine/, report/ or cli/ (a caption, a label, a column header):
//   the Korean literal where it is written once, inside
//   QT_TRANSLATE_NOOP("brivane::EngineTexts", "...") from catalog/Translatable.h. The window shows it
//   through ui::EngineText(), brivane-cli through Io::Say(). A text of brivane-cli's own human
//   output (with arguments, like its summaries) is a row of cli/CliTexts.h, said with Io::Say(CliText).
//   lupdate reads the files listed in the sources of brivane_catalog, _engine, _report, _cli and
//   _ui (headers included; ui/CMakeLists.txt names the libraries).
// - Then its English in translations/brivane_en.ts: build the target brivane_ui_lupdate (it adds the
//   new text as unfinished), write the translation into the entry and drop its type="unfinished".
//   The window's .qm and brivane-cli's English table (cli/EnglishFromTs.cmake) are made from it at
//   build time; nothing else holds the English.
// - The test translation_complete fails while the .ts lacks a marked text or holds an unfinished
//   one; the test CliEnglish.EveryPrintedTextIsTranslated fails while a text brivane-cli prints (the
//   messages, the tables it lists, cli/CliTexts.h) has no English. A new table that brivane-cli
//   prints goes into that test's list.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/Translatable.h"

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
  // Not a refusal: said beside the ratios of a move whose stroke is too short for its peak
  // velocity, which the selection and the comparison rate as it stands.
  ProfileUnreachable,
  // The report's save.
  ReportSaved,                    // %1: the full path of the file written, on the second line
  FileOpenError,                  // the file could not be opened or created
  FileWriteError,                 // the file is left as it was before
  NicknameControlCharacter,       // a line feed or a tab would break the report's lines
  NicknameNotEncodable,           // CP949 cannot hold a character of the nickname (not valid UTF-8)
  NicknameCharacterNotEncodable,  // %1: the first character of the nickname CP949 cannot hold
};

struct MessageText {
  MessageCode code;
  std::string_view korean;
};

inline constexpr std::array kMessageTexts{
    MessageText{MessageCode::AccelTime,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "가속 시간의 설정값이 잘못되었습니다!")},
    MessageText{MessageCode::AccelG,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 가속도의 설정값이 잘못되었습니다!")},
    MessageText{MessageCode::Velocity,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 속도의 설정값이 잘못되었습니다!")},
    MessageText{MessageCode::Mass, QT_TRANSLATE_NOOP("brivane::EngineTexts", "부하 질량의 설정값이 잘못되었습니다!")},
    MessageText{MessageCode::Distance,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "이동 거리의 설정값이 잘못되었습니다!")},
    MessageText{MessageCode::Friction,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "마찰 계수의 설정값이 잘못되었습니다!")},
    MessageText{MessageCode::Safety, QT_TRANSLATE_NOOP("brivane::EngineTexts", "안전률의 설정값이 잘못되었습니다!")},
    MessageText{MessageCode::Dwell, QT_TRANSLATE_NOOP("brivane::EngineTexts", "휴지 시간의 설정값이 잘못되었습니다!")},
    MessageText{MessageCode::NoLimits,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "사용률 허용치를 설정하여 주시기 바랍니다!")},
    MessageText{MessageCode::NotRecommendedLimits,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "권장 사용률은 정격70%, 최대 80%입니다.")},
    MessageText{MessageCode::NoFitDoubleSided,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "해당 Motion을 만족하는 양측식 Motor가 없습니다.")},
    MessageText{MessageCode::NoFitSingleSided,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "해당 Motion을 만족하는 편측식 Motor가 없습니다.")},
    MessageText{
        MessageCode::NoFitVela,
        QT_TRANSLATE_NOOP("brivane::EngineTexts", "해당 Motion을 만족하는 편측식 (Vela-Series) Motor가 없습니다.")},
    MessageText{MessageCode::NoModel, QT_TRANSLATE_NOOP("brivane::EngineTexts", "Motor가 선택되지 않았습니다.")},
    MessageText{MessageCode::ProfileTooShort,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 가속도 혹은 최대 속도 값이 잘못 되었으니 수정 바람.")},
    MessageText{MessageCode::SelectionMissing,
                QT_TRANSLATE_NOOP("brivane::EngineTexts", "Motor 선정이 완료되지 않았습니다.")},
    MessageText{MessageCode::ProfileUnreachable,
                QT_TRANSLATE_NOOP("brivane::EngineTexts",
                                  "이동 거리가 짧아 최대 속도에 이르지 못합니다: 사용률은 이 축이 낼 수 없는 속도 "
                                  "프로파일(음의 등속 시간)로 계산한 값입니다.")},
    MessageText{MessageCode::ReportSaved,
                QT_TRANSLATE_NOOP("brivane::EngineTexts",
                                  "설치 폴더에서 -저장시간(사용자닉네임).xls- 파일을 확인 하시기 바랍니다.\n%1")},
    MessageText{MessageCode::FileOpenError, QT_TRANSLATE_NOOP("brivane::EngineTexts", "File Open Error!")},
    MessageText{MessageCode::FileWriteError, QT_TRANSLATE_NOOP("brivane::EngineTexts", "File Write Error!")},
    MessageText{MessageCode::NicknameControlCharacter,
                QT_TRANSLATE_NOOP("brivane::EngineTexts",
                                  "사용자 닉네임에 줄바꿈이나 탭 같은 제어 문자가 있어 저장하지 않았습니다. "
                                  "닉네임을 바꾸어 주시기 바랍니다.")},
    MessageText{MessageCode::NicknameNotEncodable,
                QT_TRANSLATE_NOOP("brivane::EngineTexts",
                                  "사용자 닉네임에 보고서 파일의 한글 코드(CP949)로 쓸 수 없는 문자가 있어 "
                                  "저장하지 않았습니다. 닉네임을 바꾸어 주시기 바랍니다.")},
    MessageText{MessageCode::NicknameCharacterNotEncodable,
                QT_TRANSLATE_NOOP("brivane::EngineTexts",
                                  "사용자 닉네임의 \"%1\" 문자는 보고서 파일의 한글 코드(CP949)로 쓸 수 없어 "
                                  "저장하지 않았습니다. 닉네임을 바꾸어 주시기 바랍니다.")},
};

constexpr bool InCodeOrder() {
  for (std::size_t i = 0; i < kMessageTexts.size(); ++i)
    if (static_cast<std::size_t>(kMessageTexts[i].code) != i) return false;
  return true;
}
static_assert(InCodeOrder(), "kMessageTexts holds one row per MessageCode, in code order");
static_assert(kMessageTexts.size() == static_cast<std::size_t>(MessageCode::NicknameCharacterNotEncodable) + 1,
              "every MessageCode has its row in kMessageTexts, and this check names the last code");

// The Korean text of a code, with its "%1" ... where the arguments go; static storage.
constexpr std::string_view SourceText(MessageCode code) { return kMessageTexts[static_cast<std::size_t>(code)].korean; }

struct Message {
  MessageCode code;
  std::vector<std::string> arguments = {};  // "%1", "%2", ... of the code's text, in order

  friend bool operator==(const Message&, const Message&) = default;
};

// `text` with each "%1" ... "%9" replaced by arguments[0] ... [8] in one pass (what an argument
// holds is not read again); a marker without its argument and every other "%" stay as they are.
std::string FillArguments(std::string_view text, std::span<const std::string> arguments);

// The message in Korean, its arguments in place.
std::string KoreanText(const Message& message);

}  // namespace brivane
