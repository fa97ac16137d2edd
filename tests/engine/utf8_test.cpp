// What becomes of bytes that are not UTF-8 where only UTF-8 may go out, and of control characters
// on their way to a terminal; and a model name the user types in another letter case.
#include "engine/Utf8.h"

#include <gtest/gtest.h>

#include "catalog/MotorCatalog.h"

using namespace brivane;

TEST(Utf8, InvalidBytesBecomeReplacementCharactersOneEach) {
  const std::string fffd = "\xEF\xBF\xBD";
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"홍길동 CL-01", "홍길동 CL-01"},             // valid text comes back as it was
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},     // four bytes
      {"d\xFF", "d" + fffd},                        // not a lead byte
      {"\xC0\xAF", fffd + fffd},                    // overlong "/"
      {"\xE0\x80\xAF", fffd + fffd + fffd},         // overlong, three bytes
      {"\xED\xA0\x80", fffd + fffd + fffd},         // a surrogate
      {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},  // beyond U+10FFFF
      {"\xEA\xB0", fffd + fffd},                    // cut short
      {"a\x80" "b", "a" + fffd + "b"},              // a stray continuation byte
  };
  for (const Case& c : cases) {
    bool replaced = true;
    EXPECT_EQ(ReplaceInvalidUtf8(c.in, &replaced), c.out) << c.in;
    EXPECT_EQ(replaced, c.in != c.out) << c.in;
    // Whatever came in, what goes out is well-formed throughout.
    const std::string out = ReplaceInvalidUtf8(c.in);
    for (std::size_t at = 0; at < out.size(); at += Utf8WellFormedLength(out, at))
      ASSERT_NE(Utf8WellFormedLength(out, at), 0u) << c.in;
  }
}

TEST(Utf8, ControlCharactersAreMadeVisible) {
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"CL-01 가 ℃", "CL-01 가 ℃"},
      {"\x1B[31mred", "\\x1B[31mred"},
      {std::string("a\0b", 3), "a\\x00b"},
      {"line\nnext\ttab\r", "line\\nnext\\ttab\\r"},
      {"\x7F", "\\x7F"},
      {"\xC2\x9B" "2J", "\\xC2\\x9B2J"},  // C1 CSI, as UTF-8
      {"\x9B" "2J", "\\x9B2J"},           // the same as a raw byte, which is no UTF-8
      {"\xC2\xA0", "\xC2\xA0"},           // no-break space is printable
  };
  for (const Case& c : cases) EXPECT_EQ(VisibleText(c.in), c.out) << c.out;
}

TEST(MotorCatalog, ModelNamesMatchInAnyLetterCase) {
  const auto rows = MotorCatalog::Instance().Rows();
  ASSERT_EQ(rows.size(), MotorCatalog::kSize);
  EXPECT_EQ(FindModelIgnoringCase(rows, "cl-07"), 6u);
  EXPECT_EQ(FindModelIgnoringCase(rows, "Vc-21"), 68u);
  EXPECT_EQ(FindModelIgnoringCase(rows, "IC-01"), 23u);
  for (const char* other : {"", " CL-07", "CL-07 ", "CL07", "CL-7", "ＣＬ-07"})
    EXPECT_FALSE(FindModelIgnoringCase(rows, other)) << other;
  // The catalog's own lookup stays exact.
  EXPECT_FALSE(MotorCatalog::Instance().FindByName("cl-07"));
}
