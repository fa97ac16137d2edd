#include "ui/EngineTexts.h"

#include <QCoreApplication>

#include <string>

#include "engine/NumberText.h"
#include "engine/Utf8.h"
#include "report/Cp949.h"

namespace brivane::ui {
namespace {

// The translation context of the engine's and the catalog's texts. lupdate reads the markers
// below as they are written, so each names the context itself.
constexpr const char* kContext = "brivane::EngineTexts";

// The messages by their code. The Korean source texts repeat the engine's (a test holds them
// equal): lupdate finds a text only where it is written out as a literal.
struct MessageSource {
  MessageCode code;
  const char* source;
};
constexpr MessageSource kMessageSources[] = {
    {MessageCode::AccelTime, QT_TRANSLATE_NOOP("brivane::EngineTexts", "가속 시간의 설정값이 잘못되었습니다!")},
    {MessageCode::AccelG, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 가속도의 설정값이 잘못되었습니다!")},
    {MessageCode::Velocity, QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 속도의 설정값이 잘못되었습니다!")},
    {MessageCode::Mass, QT_TRANSLATE_NOOP("brivane::EngineTexts", "부하 질량의 설정값이 잘못되었습니다!")},
    {MessageCode::Distance, QT_TRANSLATE_NOOP("brivane::EngineTexts", "이동 거리의 설정값이 잘못되었습니다!")},
    {MessageCode::Friction, QT_TRANSLATE_NOOP("brivane::EngineTexts", "마찰 계수의 설정값이 잘못되었습니다!")},
    {MessageCode::Safety, QT_TRANSLATE_NOOP("brivane::EngineTexts", "안전률의 설정값이 잘못되었습니다!")},
    {MessageCode::Dwell, QT_TRANSLATE_NOOP("brivane::EngineTexts", "휴지 시간의 설정값이 잘못되었습니다!")},
    {MessageCode::NoLimits, QT_TRANSLATE_NOOP("brivane::EngineTexts", "사용률 허용치를 설정하여 주시기 바랍니다!")},
    {MessageCode::NotRecommendedLimits,
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "권장 사용률은 정격70%, 최대 80%입니다.")},
    {MessageCode::NoFitDoubleSided,
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "해당 Motion을 만족하는 양측식 Motor가 없습니다.")},
    {MessageCode::NoFitSingleSided,
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "해당 Motion을 만족하는 편측식 Motor가 없습니다.")},
    {MessageCode::NoFitVela,
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "해당 Motion을 만족하는 편측식 (Vela-Series) Motor가 없습니다.")},
    {MessageCode::NoModel, QT_TRANSLATE_NOOP("brivane::EngineTexts", "Motor가 선택되지 않았습니다.")},
    {MessageCode::ProfileTooShort,
     QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 가속도 혹은 최대 속도 값이 잘못 되었으니 수정 바람.")},
    {MessageCode::SelectionMissing, QT_TRANSLATE_NOOP("brivane::EngineTexts", "Motor 선정이 완료되지 않았습니다.")},
    {MessageCode::ProfileUnreachable,
     QT_TRANSLATE_NOOP("brivane::EngineTexts",
                       "이동 거리가 짧아 최대 속도에 이르지 못합니다: 사용률은 이 축이 낼 수 없는 속도 프로파일(음의 "
                       "등속 시간)로 계산한 값입니다.")},
};

// The texts of the catalog's and the engine's tables that EngineText() is asked for: the series
// captions, the data-sheet labels, the analysis and temperature labels, the comparison's words.
// Only here for lupdate.
[[maybe_unused]] constexpr const char* kTableTexts[] = {
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "양측식 (Coreless)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "양측식"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "양측식-Coreless Type"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식 (Ironcore)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식-Cored Type"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식 (Vela-Series)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "편측식 (Vela-Series) -Cored Type"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 추력[N]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력[N]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 전류[Arms]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류[Arms]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전력[W]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "Pole Pitch[mm]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "토크 상수[N/Arms]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "BEMF 상수[V/(m/sec)]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "모터 정수[N/W^½]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "전기적 시정수[msec]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "선간 저항[Ω]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "선간 인덕턴스[mH]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "가동부 질량[kg]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "흡인력[N]"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "평균 추력"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "가감속 시간"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "등속 시간"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "총 소요 시간"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "가감속 거리"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "등속 거리"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "총 이동거리"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "주위온도"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "코일부온도"),
    // The candidate comparison's column headers, its verdicts and its headroom cap.
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "모델"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "시리즈"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "No."),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "판정"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 사용률(%)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 사용률(%)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 여유(%)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 여유(%)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "코일부온도(℃)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "허용 부하(kg)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류(Arms)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "실효 전류(Arms)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 전류비(%)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "정격 전류비(%)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "역기전력(V)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "동손(W)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "선정"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "적합"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "부적합"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "3000 or more"),
    // The verdicts beside the numbers (command line and PDF).
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "적합한 모델 없음"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "온도 판정"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", " ℃ 이하"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", " ℃ 초과"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "사용자 모터"),
    // The cycle model's messages (engine/CycleMessages.cpp, with their arguments as %1 to %4) and
    // brivane-cli cycle's tables and summary.
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "사이클에 구간이 없습니다."),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "사이클의 구간이 너무 많습니다: %3개 (최대 10000개)."),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "축 설정의 %2 값(%3)이 허용 범위를 벗어났습니다: %4"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "%1번 구간의 %2 값(%3)이 허용 범위를 벗어났습니다: %4"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "축이 시작 위치로 돌아오지 않습니다: 한 사이클에 %3 mm 이동합니다."),
    QT_TRANSLATE_NOOP("brivane::EngineTexts",
                      "%1번 구간에는 등속 구간이 없어, 등속 중에만 작용하는 공정력(force)이 작용하지 않습니다."),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "구간"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "종류"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "프로파일"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "이동 거리(mm)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "시간(s)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최고 속도(m/s)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "평균 추력(N)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "최대 추력(N)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "추가 질량(kg)"),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", "사이클 시간 "),
    QT_TRANSLATE_NOOP("brivane::EngineTexts", " s, 순 이동 "),
};

// The save's texts (report/Report.h); the nickname refusals name the character with %1.
constexpr const char* kReportSavedSource = QT_TRANSLATE_NOOP(
    "brivane::EngineTexts", "설치 폴더에서 -저장시간(사용자닉네임).xls- 파일을 확인 하시기 바랍니다.");
constexpr const char* kFileOpenErrorSource = QT_TRANSLATE_NOOP("brivane::EngineTexts", "File Open Error!");
constexpr const char* kFileWriteErrorSource = QT_TRANSLATE_NOOP("brivane::EngineTexts", "File Write Error!");
constexpr const char* kNicknameNotEncodableSource =
    QT_TRANSLATE_NOOP("brivane::EngineTexts",
                      "사용자 닉네임에 보고서 파일의 한글 코드(CP949)로 쓸 수 없는 문자가 있어 저장하지 않았습니다. "
                      "닉네임을 바꾸어 주시기 바랍니다.");
constexpr const char* kNicknameCharacterSource =
    QT_TRANSLATE_NOOP("brivane::EngineTexts",
                      "사용자 닉네임의 \"%1\" 문자는 보고서 파일의 한글 코드(CP949)로 쓸 수 없어 저장하지 않았습니다. "
                      "닉네임을 바꾸어 주시기 바랍니다.");

constexpr const char* kNicknameControlSource =
    QT_TRANSLATE_NOOP("brivane::EngineTexts",
                      "사용자 닉네임에 줄바꿈이나 탭 같은 제어 문자가 있어 저장하지 않았습니다. 닉네임을 바꾸어 주시기 "
                      "바랍니다.");

QString Translate(const char* source) { return QCoreApplication::translate(kContext, source); }

}  // namespace

QString MessageText(const Message& message) {
  for (const MessageSource& m : kMessageSources) {
    if (m.code == message.code) return Translate(m.source);
  }
  return EngineText(message.text);
}

QString EngineText(std::string_view text) {
  const std::string source(text);  // translate() takes a terminated string
  return Translate(source.c_str());
}

QString SaveResultText(const SaveResult& result, std::string_view nickname) {
  switch (result.status) {
    case SaveStatus::Saved:
      return Translate(kReportSavedSource) + QLatin1Char('\n') + QString::fromStdString(result.path);
    case SaveStatus::OpenError: return Translate(kFileOpenErrorSource);
    case SaveStatus::WriteError: return Translate(kFileWriteErrorSource);
    case SaveStatus::NicknameHasControlCharacter: return Translate(kNicknameControlSource);
    case SaveStatus::NicknameNotEncodable: break;
  }
  const std::optional<std::size_t> at = FindNonCp949Character(nickname);
  const std::string_view named = at ? Utf8CharacterAt(nickname, *at) : std::string_view();
  if (named.empty()) return Translate(kNicknameNotEncodableSource);
  return Translate(kNicknameCharacterSource).arg(QString::fromUtf8(named.data(), static_cast<qsizetype>(named.size())));
}

QString SeriesCaption(MotorSeries s) { return EngineText(InfoOf(s).caption); }
QString SeriesName(MotorSeries s) { return EngineText(InfoOf(s).name); }
QString SeriesSheetCaption(MotorSeries s) { return EngineText(InfoOf(s).sheetCaption); }

QString TwoLines(const QString& caption) {
  QString text = caption;
  const qsizetype blank = text.indexOf(QLatin1Char(' '));
  if (blank >= 0) text[blank] = QLatin1Char('\n');
  return text;
}

QString IntText(std::int32_t v) { return QString::number(v); }

QString FloatText(float v) { return QString::fromStdString(FormatGeneral6(static_cast<double>(v))); }

}  // namespace brivane::ui
