#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace brivane;

namespace {

// Switches the process to a locale with a decimal comma for the test's lifetime, if the machine
// has one; the texts must not change.
class CommaLocale {
 public:
  CommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
      if (std::setlocale(LC_ALL, name)) {
        active_ = true;
        break;
      }
    }
  }
  ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
  bool active() const { return active_; }

 private:
  bool active_ = false;
};

void ExpectLocaleFreeResults() {
  EXPECT_EQ(FormatFixed(29.298000335693359, 1), "29.3");
  EXPECT_EQ(FormatFixed(0.10199999809265137, 3), "0.102");
  EXPECT_EQ(FormatFixed(25.6, 0), "26");
  EXPECT_EQ(FormatFixed(-2.0, 1), "-2.0");
  EXPECT_EQ(FormatGeneral6(static_cast<float>(24.7)), "24.7");
  EXPECT_EQ(FormatGeneral6(static_cast<float>(0.524)), "0.524");
  EXPECT_EQ(FormatGeneral6(1540.0f), "1540");
  EXPECT_EQ(FormatGeneral6(0.0f), "0");
  EXPECT_EQ(FormatGeneral6(1.3f), "1.3");
  EXPECT_EQ(FormatShortest(29.298f), "29.298");
  EXPECT_EQ(FormatShortest(1.0f), "1");
  EXPECT_EQ(ParseLeadingNumber("25.6"), 25.6);
  EXPECT_EQ(ParseFloatField("3.5"), 3.5f);
}

}  // namespace

TEST(NumberText, FormatsAndParsesTheSameUnderAnyLocale) {
  ExpectLocaleFreeResults();
  CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma installed";
  ExpectLocaleFreeResults();
}

TEST(NumberText, FieldParsingRefusesWhatIsNotANumber) {
  EXPECT_EQ(ParseFloatField(" 1.5 "), 1.5f);
  EXPECT_EQ(ParseFloatField("-0.25"), -0.25f);
  EXPECT_EQ(ParseFloatField("1e3"), 1000.0f);
  for (const char* bad : {"", "  ", "abc", "1,5", "1.5x", "nan", "inf", "-inf", "infinity", "1e39", "-1e39"})
    EXPECT_FALSE(ParseFloatField(bad)) << bad;

  EXPECT_EQ(ParseIntField("500"), 500);
  EXPECT_EQ(ParseIntField(" -5 "), -5);
  EXPECT_EQ(ParseIntField("+7"), 7);
  EXPECT_EQ(ParseIntField("2147483647"), 2147483647);
  for (const char* bad : {"", "1.5", "12a", "2147483648", "-2147483649", "+-1", "0x10", "nan"})
    EXPECT_FALSE(ParseIntField(bad)) << bad;
}

TEST(NumberText, FieldParsingKeepsTheWholeFloatRange) {
  // FLT_MAX's shortest text lies just above it and rounds down to it; from halfway to the next
  // power of two a float would be infinite.
  EXPECT_EQ(ParseFloatField("3.4028235e38"), FLT_MAX);
  EXPECT_EQ(ParseFloatField("-3.4028235e+38"), -FLT_MAX);
  EXPECT_EQ(ParseFloatField("3.40282356e38"), FLT_MAX);
  EXPECT_FALSE(ParseFloatField("3.4028236e38"));
  EXPECT_EQ(ParseFloatField("1e-45"), FLT_TRUE_MIN);
}

// Plain decimals take a faster reading than strtod; the value must be strtod's to the bit, also
// for the texts on a rounding edge, beyond the double range and below it.
TEST(NumberText, DoubleFieldIsStrtodsValue) {
  std::vector<std::string> texts{"0.1",
                                 "-0",
                                 "1.",
                                 ".5",
                                 "2.2250738585072011e-308",
                                 "4.9e-324",
                                 "1e-400",
                                 "9007199254740993",
                                 "1.7976931348623157e308",
                                 "1.7976931348623159e308",
                                 "0.30000000000000004441",
                                 "123456789012345678901234567890e-20",
                                 "1e+05",
                                 "+1",
                                 "0x1p3"};
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = random();
    double d = 0.0;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d)) continue;
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", static_cast<int>(random() % 20) + 1, d);
    texts.emplace_back(text);
  }
  for (const std::string& t : texts) {
    char* end = nullptr;
    const double expected = std::strtod(t.c_str(), &end);
    const auto got = ParseDoubleField(t);
    if (!std::isfinite(expected)) {
      EXPECT_FALSE(got) << t;
    } else {
      ASSERT_TRUE(got) << t;
      EXPECT_EQ(std::memcmp(&*got, &expected, sizeof expected), 0) << t;
    }
  }
}

TEST(NumberText, FixedIsPrintfsTextWhateverTheValueAndPrecision) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    int decimals;
  } cases[] = {{DBL_MAX, 3},
               {-DBL_MAX, 100},
               {DBL_MAX, 1100},
               {DBL_TRUE_MIN, 1074},
               {0.5, 0},
               {2.5, 0},
               {-0.0, 2},
               {0.125, 2},
               {kInf, 1},
               {-kInf, 120},
               {std::numeric_limits<double>::quiet_NaN(), 1},
               {1.0 / 3.0, -1}};
  for (const auto& c : cases) {
    std::vector<char> expected(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*f", c.decimals, c.value)) + 1);
    std::snprintf(expected.data(), expected.size(), "%.*f", c.decimals, c.value);
    EXPECT_EQ(FormatFixed(c.value, c.decimals), expected.data()) << c.value << " with " << c.decimals;
  }
}
