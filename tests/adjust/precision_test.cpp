// The precision figures and the boxes they are shown in.
#include "adjust/precision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "adjust/adjustment_messages.h"
#include "adjust/second_group_solution.h"
#include "scripted_platform.h"
#include "state/chain_error.h"
#include "state/form_fields.h"

namespace chainadj {
namespace {

using testing::ScriptedPlatform;

std::vector<std::string> shown(const ScriptedPlatform& platform) { return platform.events(); }

TEST(Precision, ShowsMeanErrorsRelativeErrorAndPointErrorInOrder) {
  ScriptedPlatform platform;
  // mb = sqrt(10/5) = 1.41421..., mlogs = 2 mb = 2.82843..., 434290/mlogs = 153544.70...
  const PrecisionFigures figures = reportPrecision(platform, {10.0, 0.0, 5, 4.0, 2000.0});
  EXPECT_EQ(shown(platform), (std::vector<std::string>{"Text17: 1.41 秒", "Text19: 2.83 单位",
                                                       "Text20: 1/153544", "Text28: 13.03 毫米"}));
  EXPECT_DOUBLE_EQ(figures.mb, std::sqrt(2.0));
  EXPECT_EQ(figures.Tr, 153544.0);
}

TEST(Precision, TheFirstGroupEntersInSquareSeconds) {
  ScriptedPlatform platform;
  // WW = 3 (1"/3600)^2 is 3 square seconds; (3 + 6)/9 = 1.
  const double ww = 3.0 / (3600.0 * 3600.0);
  EXPECT_NEAR(reportPrecision(platform, {6.0, ww, 9, 1.0, 0.0}).mb, 1.0, 1e-12);
}

TEST(Precision, TheRelativeErrorIsTruncatedNeverRoundedUp) {
  ScriptedPlatform platform;
  reportPrecision(platform, {45.0, 0.0, 5, 1.0, 1000.0});  // mlogs = 3: 144763.33...
  EXPECT_EQ(platform.text(box::kRelativeMeanError), "1/144763");
}

TEST(Precision, AMeanErrorOfRoundingNoiseCountsAsZero) {
  ScriptedPlatform platform;
  const PrecisionFigures figures = reportPrecision(platform, {1e-5, 0.0, 5, 2.5, 3000.0});
  EXPECT_EQ(figures.mb, 0.0);
  EXPECT_EQ(shown(platform), (std::vector<std::string>{"Text17: 0.00 秒", "Text19: 0.00 单位",
                                                       "Text20: 1/∞", "Text28: 0.00 毫米"}));
}

TEST(Precision, AZeroReciprocalWeightGivesAnInfiniteRelativeError) {
  ScriptedPlatform platform;
  reportPrecision(platform, {20.0, 0.0, 5, 0.0, 3000.0});
  EXPECT_EQ(platform.text(box::kMeanError), "2.00 秒");
  EXPECT_EQ(platform.text(box::kRelativeMeanError), "1/∞");
  EXPECT_EQ(platform.text(box::kPointMeanError), "0.00 毫米");
}

TEST(Precision, AHugeRelativeErrorIsWrittenInPlainDigits) {
  ScriptedPlatform platform;
  // mb = 0.01, mlogs = 1e-8: Tr about 4.3429e13.
  reportPrecision(platform, {0.0005, 0.0, 5, 1e-12, 3000.0});
  const std::string text = platform.text(box::kRelativeMeanError);
  EXPECT_EQ(text.substr(0, 7), "1/43429");
  EXPECT_EQ(text.size(), 2u + 14u);
  EXPECT_EQ(text.find_first_not_of("0123456789", 2), std::string::npos);
}

TEST(Precision, AMeanErrorAboveTheNumeratorGivesAnInfinitePointError) {
  ScriptedPlatform platform;
  reportPrecision(platform, {1e12, 0.0, 1, 1.0, 3000.0});  // mlogs = 1e6 > 434290: Tr = 0
  EXPECT_EQ(platform.text(box::kRelativeMeanError), "1/0");
  EXPECT_EQ(platform.text(box::kPointMeanError), "∞ 毫米");
}

TEST(Precision, ANonFiniteMeanErrorStopsTheRunBeforeAnyBox) {
  ScriptedPlatform platform;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(reportPrecision(platform, {nan, 0.0, 5, 1.0, 1.0}), ChainError);
  EXPECT_TRUE(platform.events().empty());
}

TEST(Precision, TheMlogsUnitCanBeLeftOff) {
  ScriptedPlatform platform;
  reportPrecision(platform, {10.0, 0.0, 5, 4.0, 2000.0}, "");
  EXPECT_EQ(platform.text(box::kLogMeanError), "2.83");
}

TEST(ReciprocalWeight, RoundingNoiseCountsAsExactlyZero) {
  EXPECT_EQ(reciprocalWeight(2.0, -2.0 + 1e-12), 0.0);
  EXPECT_EQ(reciprocalWeight(2.0, -2.0 - 1e-12), 0.0);
  EXPECT_EQ(reciprocalWeight(0.0, 0.0), 0.0);
  EXPECT_DOUBLE_EQ(reciprocalWeight(2.0, -0.5), 1.5);
}

TEST(ReciprocalWeight, AClearlyNegativeValueStopsTheRun) {
  try {
    reciprocalWeight(2.0, -2.1);
    FAIL();
  } catch (const ChainError& error) {
    EXPECT_STREQ(error.what(), kNegativeReciprocalWeightMessage);
  }
}

}  // namespace
}  // namespace chainadj
