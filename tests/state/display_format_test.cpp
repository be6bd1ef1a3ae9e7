#include "state/display_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "state/chain_error.h"

namespace chainadj {
namespace {

struct MaskCase {
  double value;
  const char* mask;
  const char* shown;
};

void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.value << " as " << c.mask; }

class FormatMaskShows : public ::testing::TestWithParam<MaskCase> {};

TEST_P(FormatMaskShows, RoundsHalfToEvenOnTheExactValueThenWritesTheMask) {
  const MaskCase& c = GetParam();
  EXPECT_EQ(formatMask(c.value, c.mask), c.shown) << c.value << " with " << c.mask;
}

// Ties: only values whose binary form is exactly halfway. 2.675 and 1.0005 are stored just below
// their decimal writing, -0.005 just beyond it, so they are no ties at all.
INSTANTIATE_TEST_SUITE_P(
    Ties, FormatMaskShows,
    ::testing::Values(MaskCase{0.125, "0.00", "0.12"}, MaskCase{0.375, "0.00", "0.38"},
                      MaskCase{-0.125, "0.00", "-0.12"}, MaskCase{2.675, "0.00", "2.67"},
                      MaskCase{-0.005, "0.00", "-0.01"}, MaskCase{0.0625, "0.000", "0.062"},
                      MaskCase{0.1875, "0.000", "0.188"}, MaskCase{1.0005, "0.000", "1.000"},
                      MaskCase{0.03125, "0.0000", "0.0312"},
                      MaskCase{0.09375, "0.0000", "0.0938"},
                      MaskCase{0.015625, "0.00000", "0.01562"},
                      MaskCase{0.046875, "0.00000", "0.04688"},
                      MaskCase{0.015625, ".00000", ".01562"},
                      MaskCase{0.0078125, "0.000000", "0.007812"},
                      MaskCase{0.0234375, "0.000000", "0.023438"},
                      MaskCase{12.3456785, "0.000000", "12.345678"}));

INSTANTIATE_TEST_SUITE_P(
    Masks, FormatMaskShows,
    ::testing::Values(MaskCase{12.5, "0.000", "12.500"}, MaskCase{-12.5, "0.000", "-12.500"},
                      MaskCase{0.0, "0.000", "0.000"}, MaskCase{1234567.891, "0.000", "1234567.891"},
                      MaskCase{1e15, "0.000", "1000000000000000.000"},
                      MaskCase{500.0, "0.0000", "500.0000"},
                      MaskCase{0.00004, "0.0000", "0.0000"},
                      MaskCase{45.3015, "0.00000", "45.30150"},
                      MaskCase{90.0, "0.00000", "90.00000"},
                      MaskCase{359.999999, "0.00000", "360.00000"},
                      MaskCase{3.0, "0.00", "3.00"}, MaskCase{3.0, "0.000000", "3.000000"},
                      MaskCase{0.5, ".00000", ".50000"}, MaskCase{1.5, ".00000", "1.50000"},
                      MaskCase{-0.5, ".00000", "-.50000"}, MaskCase{0.0, ".00000", ".00000"},
                      MaskCase{0.999999, ".00000", "1.00000"},
                      MaskCase{45.3015, ".00000", "45.30150"},
                      MaskCase{0.5, "0.00000", "0.50000"}));

// A value that rounds to zero never shows a minus sign.
INSTANTIATE_TEST_SUITE_P(
    NoMinusZero, FormatMaskShows,
    ::testing::Values(MaskCase{-0.0, "0.000", "0.000"}, MaskCase{-0.0, "0.00", "0.00"},
                      MaskCase{-0.001, "0.00", "0.00"}, MaskCase{-0.0049999, "0.00", "0.00"},
                      MaskCase{-0.0004, "0.000", "0.000"},
                      MaskCase{-0.00004, "0.0000", "0.0000"},
                      MaskCase{-0.000004, "0.00000", "0.00000"},
                      MaskCase{-0.000004, ".00000", ".00000"},
                      MaskCase{-0.0000004, "0.000000", "0.000000"},
                      MaskCase{-0.0, ".00000", ".00000"}));

// The masks round by whole units of their last decimal worked out from the binary value; the
// standard library's fixed notation rounds the exact value too. They agree digit for digit on
// values of every size, on exact ties (k/2^j) and on values a hair either side of a tie.
TEST(FormatMask, AgreesWithTheStandardFixedNotationEverywhere) {
  const char* const masks[] = {"0.00", "0.000", "0.0000", "0.00000", "0.000000"};
  std::mt19937_64 random(8122026);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::uniform_int_distribution<int> power(-12, 17);
  const auto standard = [](double value, int decimals) {
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                   decimals).ptr;
    std::string shown(text, end);
    bool zero = true;
    for (char ch : shown) zero = zero && (ch < '1' || ch > '9');
    if (zero && shown.front() == '-') shown.erase(0, 1);
    return shown;
  };
  int compared = 0;
  for (int k = 0; k < 40000; ++k) {
    double value = unit(random) * std::pow(10.0, power(random));
    if (k % 4 == 1) value = std::ldexp(std::round(value * 1024.0), -10);  // an exact tie or so
    if (k % 4 == 2) value = std::nextafter(std::ldexp(std::round(value * 64.0), -6), 0.0);
    if (k % 2 == 1) value = -value;
    for (const char* mask : masks) {
      const int decimals = static_cast<int>(std::string(mask).size()) - 2;
      ASSERT_EQ(formatMask(value, mask), standard(value, decimals)) << value << " " << mask;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 200000);
  EXPECT_EQ(formatMask(2.675, "0.00"), "2.67");   // 2.67499999... in binary
  EXPECT_EQ(formatMask(0.125, "0.00"), "0.12");   // an exact tie goes to the even digit
  EXPECT_EQ(formatMask(0.375, "0.00"), "0.38");
  EXPECT_EQ(formatMask(1e300, "0.00").size(), 304u);  // beyond the exact range: the library's
  // Either side of 2^53, where the exact range ends, and subnormal values.
  EXPECT_EQ(formatMask(9007199254740991.0, "0.00"), "9007199254740991.00");
  EXPECT_EQ(formatMask(9007199254740992.0, "0.00"), "9007199254740992.00");
  EXPECT_EQ(formatMask(4.9e-324, "0.000000"), "0.000000");
  EXPECT_EQ(formatMask(-2.2e-308, "0.00"), "0.00");
}

TEST(FormatWithUnit, AppendsTheUnitTextAsGiven) {
  EXPECT_EQ(formatWithUnit(3.0, "0.00", " 秒"), "3.00 秒");
  EXPECT_EQ(formatWithUnit(90.0, "0.00000", " 度"), "90.00000 度");
  EXPECT_EQ(formatWithUnit(-0.001, "0.00", " 毫米"), "0.00 毫米");
  EXPECT_EQ(formatWithUnit(2.675, "0.00", " 单位"), "2.67 单位");
}

TEST(FormatWholeNumber, TruncatesTowardZeroInPlainDigits) {
  EXPECT_EQ(formatWholeNumber(12345.9), "12345");
  EXPECT_EQ(formatWholeNumber(-3.7), "-3");
  EXPECT_EQ(formatWholeNumber(-0.5), "0");
  EXPECT_EQ(formatWholeNumber(0.0), "0");
  EXPECT_EQ(formatWholeNumber(-0.0), "0");
  EXPECT_EQ(formatWholeNumber(1e15), "1000000000000000");
  EXPECT_EQ(formatWholeNumber(434290.0 / 3.2), "135715");  // 135715.625
}

TEST(RoundHalfEven, RoundsTheExactBinaryValue) {
  EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
  EXPECT_EQ(roundHalfEven(0.375, 2), 0.38);
  EXPECT_EQ(roundHalfEven(2.675, 2), 2.67);
  EXPECT_EQ(roundHalfEven(-0.125, 2), -0.12);
  EXPECT_EQ(roundHalfEven(2.5, 0), 2.0);
  EXPECT_EQ(roundHalfEven(3.5, 0), 4.0);
  EXPECT_EQ(roundHalfEven(-2.5, 0), -2.0);
  EXPECT_EQ(roundHalfEven(0.0078125, 6), 0.007812);
  EXPECT_EQ(roundHalfEven(1.0005, 3), 1.0);
  EXPECT_EQ(roundHalfEven(12.5, 3), 12.5);
  EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""), 2)));
}

TEST(DisplayFormat, NonFiniteValuesNeverReachABox) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const char* mask : {"0.000", "0.0000", "0.00000", ".00000", "0.00", "0.000000"}) {
    EXPECT_THROW(formatMask(nan, mask), ChainError) << mask;
    EXPECT_THROW(formatMask(inf, mask), ChainError) << mask;
    EXPECT_THROW(formatMask(-inf, mask), ChainError) << mask;
  }
  EXPECT_THROW(formatWithUnit(nan, "0.00", " 秒"), ChainError);
  EXPECT_THROW(formatWholeNumber(inf), ChainError);
  EXPECT_THROW(formatWholeNumber(nan), ChainError);
}

TEST(DisplayFormat, TheMessageForANonFiniteValueIsChinese) {
  try {
    formatMask(std::nan(""), "0.00");
    FAIL() << "no error";
  } catch (const ChainError& error) {
    const std::string message = error.what();
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(message.find("nan"), std::string::npos);
    // Every character of a Chinese text in UTF-8 starts with a byte of 0xE0 or more.
    EXPECT_NE(message.find_first_of("\xE4\xE5\xE6\xE7\xE8\xE9"), std::string::npos);
  }
}

}  // namespace
}  // namespace chainadj
