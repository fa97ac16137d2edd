// The engine helpers behind the form's usability: limits typed loosely and the judgement of
// checked results.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "engine/DutyLimits.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"

namespace brivane {
namespace {

TEST(LimitText, EveryItemAsTheListsShowItAndTypedLoosely) {
  for (int position = 0; position < kLimitPositions; ++position) {
    const std::string percent = std::to_string(LimitFromPosition(position));
    const std::string item = (percent.size() < 3 ? " " : "") + percent + "%";  // " 30%", "100%"
    for (const std::string& text : {item, percent, percent + "%", " " + percent + " % ", "\t" + percent + "\t"}) {
      EXPECT_EQ(PositionFromLimitText(text), position) << '"' << text << '"';
    }
  }
}

TEST(LimitText, TextThatNamesNoItem) {
  for (const char* text : {"", " ", "%", "72%", "20", "105", "0", "30%%", "3 0", "-30", "+30", "30.0", "30 %x", "x30",
                           "0030", "99999999999"}) {
    EXPECT_EQ(PositionFromLimitText(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ResultAlerts, OverTheLimitExactlyWhereTheSelectionRefusesARow) {
  MotorRecord row{};
  row.offered = 1;
  for (const int limit : {30, 70, 80, 100}) {
    const float l = static_cast<float>(limit);
    for (const float ratio : {l - 0.5f, std::nextafter(l, 0.0f), l, std::nextafter(l, 200.0f)}) {
      const bool fits = RowFits(row, DutyResult{ratio, 0.0f}, l, l);
      EXPECT_EQ(DutyAlert(ratio, limit) == ResultAlert::None, fits) << ratio << " against " << limit;
    }
  }
  // Without a chosen limit only a ratio above 100 % counts; above 100 % outranks the limit.
  EXPECT_EQ(DutyAlert(100.0f, std::nullopt), ResultAlert::None);
  EXPECT_EQ(DutyAlert(std::nextafter(100.0f, 200.0f), std::nullopt), ResultAlert::AboveFull);
  EXPECT_EQ(DutyAlert(150.0f, 70), ResultAlert::AboveFull);
  EXPECT_EQ(CoilAlert(kMaxCoilTempC), ResultAlert::None);
  EXPECT_EQ(CoilAlert(std::nextafter(kMaxCoilTempC, 1000.0f)), ResultAlert::AboveFull);
}

}  // namespace
}  // namespace brivane
