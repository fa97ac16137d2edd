// brivane-cli's English, made at build time from translations/brivane_en.ts: every text the command
// line can print in English has a finished translation there that keeps the text's arguments, and
// the table made from the .ts reads its XML as lupdate writes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/DataSheetFields.h"
#include "catalog/Series.h"
#include "cli/CliTexts.h"
#include "cli/EnglishTexts.h"
#include "engine/ComparisonTexts.h"
#include "engine/CycleColumns.h"
#include "engine/CycleMessages.h"
#include "engine/DriveTexts.h"
#include "engine/Messages.h"
#include "engine/Presentation.h"
#include "report/Report.h"
#include "tests/support/Hangul.h"

namespace {

using brivane::cli::EnglishOf;
using brivane::cli::Language;
using brivane::cli::Say;
using brivane::testing::HasHangul;

// The argument markers "%1" ... "%9" a text holds, whatever their order (their characters, sorted).
std::string Markers(std::string_view text) {
  std::string markers;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') markers += text.substr(i, 2);
  std::sort(markers.begin(), markers.end());
  return markers;
}

// Every Korean text brivane-cli passes through Say(): the messages, the tables it prints, its own.
// A new table the command line prints in its text output belongs here.
std::vector<std::string_view> PrintedTexts() {
  std::vector<std::string_view> texts;
  for (const brivane::MessageText& m : brivane::kMessageTexts) texts.push_back(m.korean);
  for (const brivane::SeriesInfo& s : brivane::kSeriesTable) texts.push_back(s.caption);
  for (const brivane::AnalysisRow& r : brivane::kAnalysisRows) texts.push_back(r.label);
  for (const brivane::AnalysisRow& r : brivane::kTemperatureRows) texts.push_back(r.label);
  for (const brivane::CandidateColumnInfo& c : brivane::CandidateColumns()) texts.push_back(c.header);
  for (const brivane::CycleColumnInfo& c : brivane::CycleColumns()) texts.push_back(c.header);
  for (const brivane::SegmentColumnInfo& c : brivane::SegmentColumns()) texts.push_back(c.header);
  for (const std::string_view verdict : brivane::kVerdictTexts) texts.push_back(verdict);
  texts.insert(texts.end(), {brivane::kNoFittingModelText, brivane::kCoilVerdictLabel, brivane::kCoolEnoughText,
                             brivane::kTooHotText});
  for (const std::string_view text : brivane::cli::kCliTexts) texts.push_back(text);
  texts.push_back(brivane::kUserMotorsTitle);
  texts.insert(texts.end(), brivane::kDriveCheckTexts.begin(), brivane::kDriveCheckTexts.end());
  texts.insert(texts.end(), brivane::kDriveFailureTexts.begin(), brivane::kDriveFailureTexts.end());
  texts.insert(texts.end(), {brivane::kBusVoltageNeededHeader, brivane::kVoltageCheckHeader, brivane::kTopSpeedHeader});
  for (const brivane::CycleMessageCode code :
       {brivane::CycleMessageCode::NoSegment, brivane::CycleMessageCode::TooManySegments,
        brivane::CycleMessageCode::AxisOutOfRange, brivane::CycleMessageCode::SegmentOutOfRange,
        brivane::CycleMessageCode::DriveOutOfRange, brivane::CycleMessageCode::NotReturning,
        brivane::CycleMessageCode::ForceNeverActs})
    texts.push_back(brivane::CycleMessageTemplate(code));
  return texts;
}

}  // namespace

TEST(CliEnglish, EveryPrintedTextIsTranslated) {
  for (const std::string_view korean : PrintedTexts()) {
    EXPECT_EQ(Say(Language::Korean, korean), korean);
    if (!HasHangul(korean)) continue;  // "No.", "File Open Error!": the same in both
    const auto english = EnglishOf(korean);
    ASSERT_TRUE(english) << "no finished English in translations/brivane_en.ts for: " << korean;
    EXPECT_FALSE(english->empty()) << korean;
    EXPECT_FALSE(HasHangul(*english)) << korean << " -> " << *english;
    EXPECT_EQ(Markers(*english), Markers(korean)) << korean << " -> " << *english;
    EXPECT_EQ(Say(Language::English, korean), *english);
  }
}

// The arguments go into the English text where its markers stand, once; the Korean keeps its own.
TEST(CliEnglish, ArgumentsFillTheTranslatedText) {
  const std::string emoji = "\xF0\x9F\x98\x80";
  const brivane::Message refusal = brivane::NicknameNotEncodableMessage("x" + emoji);
  EXPECT_EQ(Say(Language::English, refusal),
            "Nothing was saved: the character \"" + emoji +
                "\" of the nickname cannot be written in the Korean encoding of the report file (CP949). Please "
                "change the nickname.");
  EXPECT_EQ(Say(Language::Korean, refusal), brivane::KoreanText(refusal));
  EXPECT_NE(brivane::KoreanText(refusal).find("\"" + emoji + "\""), std::string::npos);

  const std::string limits[] = {"%2", "80"};  // an argument's own "%2" is not filled again
  EXPECT_EQ(Say(Language::English, brivane::cli::CliText::AllowedLimits, limits), "Allowed duty rated %2%, peak 80%");
  EXPECT_EQ(Say(Language::Korean, brivane::cli::CliText::AllowedLimits, limits), "허용 사용률 정격 %2%, 최대 80%");
}

// What the .ts escapes or breaks over lines comes through as the text itself.
TEST(CliEnglish, TableReadsTheTranslationsXml) {
  struct Case {
    std::string_view korean;
    std::string_view english;
  };
  const Case cases[] = {
      // &quot; and a "%1" inside quotes
      {brivane::SourceText(brivane::MessageCode::NicknameCharacterNotEncodable),
       "Nothing was saved: the character \"%1\" of the nickname cannot be written in the Korean encoding of the "
       "report file (CP949). Please change the nickname."},
      // a line break
      {brivane::SourceText(brivane::MessageCode::ReportSaved),
       "Please find the file -save time(nickname).xls- in the installation folder.\n%1"},
      // a semicolon, which a CMake list would split at
      {brivane::SourceText(brivane::MessageCode::ProfileTooShort),
       "The peak acceleration or the peak velocity is wrong; please correct it."},
      // brackets, which a CMake list would hold together
      {brivane::kDataSheetFields[0].sheetLabel, "Rated force[N]"},
  };
  for (const Case& c : cases) EXPECT_EQ(EnglishOf(c.korean), c.english) << c.korean;
  EXPECT_FALSE(EnglishOf("없는 글"));
}
