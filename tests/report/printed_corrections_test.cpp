// The printed columns of a triangle add up (凑整): worked out by hand for the example's first
// triangle, and checked as sums over many triangles with corrections of every size.
#include "report/printed_corrections.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "report/report_format.h"

namespace chainadj {
namespace {

struct SumCase {
  std::array<double, 3> values;  // hundredths
  Hundredths total;
  HundredthsOf3 expected;
};

// The remainder goes to the value rounded off the most towards what is missing; between equal
// ones, to the first.
const SumCase kSumCases[] = {
    {{-46.667, -46.667, -46.667}, -140, {-46, -47, -47}},  // w = 1.40″: −0.4667 each
    {{46.667, 46.667, 46.667}, 140, {46, 47, 47}},
    {{30.0, 30.0, 30.0}, 90, {30, 30, 30}},                // nothing to share out
    {{10.4, 20.3, -30.7}, 0, {11, 20, -31}},               // 10 + 20 − 31 misses one: to 10.4
    {{10.6, 20.7, -31.3}, 0, {10, 21, -31}},               // 11 + 21 − 31 is one over: off 10.6
    {{0.5, 0.5, -1.0}, 0, {1, 0, -1}},                     // halves to even: 0 + 0 − 1, then one
};

TEST(RoundedToSum, GivesTheRemainderToTheLargestRemainder) {
  for (const SumCase& c : kSumCases) {
    EXPECT_EQ(roundedToSum(c.values, c.total), c.expected)
        << c.values[0] << " " << c.values[1] << " " << c.values[2];
  }
}

TEST(RoundedToSum, SharesOutASumFarFromTheValues) {
  const HundredthsOf3 rounded = roundedToSum({0.0, 0.0, 0.0}, 7);
  EXPECT_EQ(std::accumulate(rounded.begin(), rounded.end(), Hundredths{0}), 7);
  EXPECT_EQ(rounded, (HundredthsOf3{3, 2, 2}));
}

// The example's triangle 1: A 53°52′00.10″, B 62°38′00.90″, C −63°30′00.40″, w = 1.40″.
TEST(PrintedTriangle, AddsUpAsPrinted) {
  ReportTriangle triangle;
  const double a = 53 + 52 / 60.0 + 0.10 / 3600, b = 62 + 38 / 60.0 + 0.90 / 3600;
  const double c = -(63 + 30 / 60.0 + 0.40 / 3600);
  triangle.observed = {a, b, c};
  triangle.closure = 1.40;
  // v′ = −w/3 and v″ of a second group, as the adjustment gives them (sum 0).
  const std::array<double, 3> second = {0.2067, -0.2333, 0.0266};
  triangle.firstGroup = {-1.40 / 3, -1.40 / 3, -1.40 / 3};
  triangle.secondGroup = second;
  for (std::size_t k = 0; k < 3; ++k) {
    const double v = (triangle.firstGroup[k] + second[k]) / 3600;
    triangle.adjusted[k] = k == 2 ? -(std::fabs(c) + v) : triangle.observed[k] + v;
  }
  const PrintedTriangle printed = printedTriangle(triangle);
  EXPECT_EQ(printed.closure, 140);
  EXPECT_EQ(printed.first, (HundredthsOf3{-46, -47, -47}));
  EXPECT_EQ(printed.total, (HundredthsOf3{-26, -70, -44}));
  EXPECT_EQ(printed.second, (HundredthsOf3{20, -23, 3}));
  std::string text;
  appendDmsOfHundredths(printed.adjusted[2], true, text);
  EXPECT_EQ(text, "-63°29′59.96″");
  text.clear();
  appendHundredths(printed.first[0], text);
  appendHundredths(0, text);
  appendHundredths(-5, text);
  EXPECT_EQ(text, "-0.460.00-0.05");
}

// Random triangles of closures up to 30″ and second-group corrections up to 10″: every sum holds
// exactly in hundredths, and no printed column is off its true value by a hundredth or more.
TEST(PrintedTriangle, ColumnsAddUpForEveryTriangle) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<double> closure(-30.0, 30.0), correction(-10.0, 10.0);
  for (int trial = 0; trial < 2000; ++trial) {
    ReportTriangle triangle;
    triangle.closure = std::round(closure(random) * 100) / 100;
    const double share = -triangle.closure / 3;
    const double x = correction(random), y = correction(random);
    const std::array<double, 3> second = {x, y, -x - y};
    const std::array<double, 3> observed = {60.123 + x / 100, 59.877, 60.0 + triangle.closure / 3600};
    for (std::size_t k = 0; k < 3; ++k) {
      triangle.observed[k] = observed[k];
      triangle.firstGroup[k] = share;
      triangle.secondGroup[k] = second[k];
      triangle.adjusted[k] = observed[k] + (share + second[k]) / 3600;
    }
    const PrintedTriangle p = printedTriangle(triangle);
    const auto sum = [](const HundredthsOf3& v) { return v[0] + v[1] + v[2]; };
    ASSERT_EQ(sum(p.total), -p.closure) << trial;
    ASSERT_EQ(sum(p.first), -p.closure) << trial;
    ASSERT_EQ(sum(p.second), 0) << trial;
    for (std::size_t k = 0; k < 3; ++k) {
      ASSERT_EQ(p.first[k] + p.second[k], p.total[k]);
      ASSERT_EQ(p.observed[k] + p.total[k], p.adjusted[k]);
      EXPECT_LT(std::fabs(static_cast<double>(p.total[k]) - (share + second[k]) * 100), 1.0) << trial;
    }
  }
}

TEST(ReportFormat, WritesTypedDecimalsAndDegreesAndMinutes) {
  std::string text;
  appendDms(99 + 15 / 60.0 + 20.8 / 3600, 1, text);
  text += " ";
  appendDms(99 + 15 / 60.0 + 20.8 / 3600, 0, text);
  text += " ";
  appendDegreesMinutes(151.84, text);
  text += " ";
  appendDegreesMinutes(359.995, text);  // carried into the degrees
  EXPECT_EQ(text, "99°15′20.8″ 99°15′21″ 151°50′ 360°00′");
}

}  // namespace
}  // namespace chainadj
