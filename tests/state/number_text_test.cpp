#include "state/number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace chainadj {
namespace {

// Full-width forms as a Chinese input method types them.
#define FW_0 "\xEF\xBC\x90"
#define FW_1 "\xEF\xBC\x91"
#define FW_2 "\xEF\xBC\x92"
#define FW_5 "\xEF\xBC\x95"
#define FW_POINT "\xEF\xBC\x8E"
#define FW_MINUS "\xEF\xBC\x8D"
#define FW_PLUS "\xEF\xBC\x8B"
#define IDEOGRAPHIC_SPACE "\xE3\x80\x80"

struct NumberCase {
  const char* answer;
  double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.answer << '"'; }

class ParseNumberTakes : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTakes, ReadsTheValue) {
  const std::optional<double> value = parseNumber(GetParam().answer);
  ASSERT_TRUE(value) << "[" << GetParam().answer << "]";
  EXPECT_EQ(*value, GetParam().value) << "[" << GetParam().answer << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ParseNumberTakes,
    ::testing::Values(NumberCase{"12", 12}, NumberCase{" 12 ", 12}, NumberCase{"\t12.5\r\n", 12.5},
                      NumberCase{"", 0}, NumberCase{"   ", 0}, NumberCase{"-0.5", -0.5},
                      NumberCase{"+3", 3}, NumberCase{".25", 0.25}, NumberCase{"5.", 5},
                      NumberCase{"1e3", 1000}, NumberCase{"1E-2", 0.01},
                      NumberCase{"-1.5e+2", -150}, NumberCase{"0045.3020", 45.302},
                      NumberCase{"3512345.678", 3512345.678},
                      NumberCase{FW_1 FW_2 FW_POINT FW_5, 12.5},
                      NumberCase{FW_MINUS FW_1 FW_2, -12}, NumberCase{FW_PLUS FW_1, 1},
                      NumberCase{IDEOGRAPHIC_SPACE "12" IDEOGRAPHIC_SPACE, 12},
                      NumberCase{"1" FW_2, 12},  // half- and full-width mixed
                      NumberCase{"1e-400", 0}));

class ParseNumberRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseNumberRefuses, TextThatIsNoNumber) {
  EXPECT_FALSE(parseNumber(GetParam())) << "[" << GetParam() << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ParseNumberRefuses,
    ::testing::Values("12a", "a12", "1,5", "1 2", "--1", "+-1", "e5", "1e", "1e+", ".", "-",
                      "+", "inf", "-inf", "nan", "infinity", "0x10", "abc", "y", "N",
                      "１２ａ", "１，５", "1e400", "-1e400", "四十五", "45°30'"));

// A written number too large for a double is refused, not taken as 0, however it is written.
TEST(ParseNumber, AHugeNumberIsNeverTakenAsZero) {
  // Known fault, left in place until parseNumber is mended: an out-of-range reading is judged
  // tiny or huge by whether the text holds "e-", so 1e399 written with e-1 reads as 0.
  const std::string huge = "1" + std::string(400, '0');
  EXPECT_FALSE(parseNumber(huge));
  EXPECT_EQ(parseNumber(huge + "e-1"), std::nullopt) << "1e399 written out with e-1";
}

// A written number too small for a double is as good as 0, however it is written.
TEST(ParseNumber, AVanishingNumberReadsAsZero) {
  // Known fault, as above: 1e-401 written without "e-" is refused as no number.
  const std::string tiny = "0." + std::string(400, '0') + "1";
  EXPECT_EQ(parseNumber(tiny), std::optional<double>(0.0)) << "1e-401 written out";
  EXPECT_EQ(parseNumber(tiny + "e5"), std::optional<double>(0.0)) << "1e-396 written with e5";
  EXPECT_EQ(parseNumber("1e-400"), std::optional<double>(0.0));
}

TEST(NormalizedNumberText, GivesPlainAsciiWithoutTheBlanks) {
  EXPECT_EQ(normalizedNumberText(" " FW_MINUS FW_1 FW_2 FW_POINT FW_5 IDEOGRAPHIC_SPACE),
            std::optional<std::string>("-12.5"));
  EXPECT_EQ(normalizedNumberText(""), std::optional<std::string>(""));
  EXPECT_EQ(normalizedNumberText(" \t "), std::optional<std::string>(""));
  EXPECT_FALSE(normalizedNumberText("12 a"));
}

// ---- The confirmation answer ----

class MeansWrong : public ::testing::TestWithParam<const char*> {};

TEST_P(MeansWrong, AnAnswerThatReadsAsZero) { EXPECT_TRUE(meansWrong(GetParam())) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(Confirmations, MeansWrong,
                         ::testing::Values("0", "00", "0.0", " 0 ", "0.", ".0", "-0", "+0", "0e5",
                                           "000.000", FW_0, FW_0 FW_POINT FW_0,
                                           IDEOGRAPHIC_SPACE FW_0 IDEOGRAPHIC_SPACE, "\t0\n"));

class MeansCorrect : public ::testing::TestWithParam<const char*> {};

TEST_P(MeansCorrect, EveryOtherAnswer) { EXPECT_FALSE(meansWrong(GetParam())) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(Confirmations, MeansCorrect,
                         ::testing::Values("", " ", "1", "0.1", "-1", "1e-3", "00 1", "0a", "o",
                                           "O", "abc", "y", "n", "否", "错", FW_1, "0,0"));

}  // namespace
}  // namespace chainadj
