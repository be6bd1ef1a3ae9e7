// The closures of a chain against their limits, worked out by hand for a strip of equilateral
// triangles, and a blunder of one minute found in its triangle.
#include "quality/closure_checks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "adjustment_run.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Two equilateral triangles of 1000 m: every angle 60°.
TrueChain equilateralStrip() {
  const Point a{2000.0, 3000.0};
  const Point p1{a.x + 1000.0 * std::cos(30.0 * kPi / 180.0), a.y + 1000.0 * std::sin(30.0 * kPi / 180.0)};
  return layOutChain(a, p1, 1, {{Turn::Zig, 60.0, 1000.0}, {Turn::Zig, 60.0, 1000.0}});
}

QualitySettings fourthOrder(double azimuthError, double baseError) {
  QualitySettings settings;
  settings.grade = *gradePreset("四等");
  settings.azimuthMeanError = azimuthError;
  settings.baseMeanError = baseError;
  return settings;
}

TEST(ClosureChecks, LimitsOfAHandWorkedChain) {
  const SurveyedChain chain = surveyChain(equilateralStrip(), KnownKind::FullFromA, 10.0, 20.0);
  const AdjustmentRun run(answersFor(chain, chain.truth.angles));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);

  // Azimuth row: (-1/3, -1/3, 2/3) in each triangle and 1 for Qa and Qb: a'a = 2 (2/3) + 2.
  // Side row: (d, -d, 0), d = 2.1055 cot 60°: a'a = 4 d^2. mβ = 2.5".
  const double d = 2.1055 / std::tan(60.0 * kPi / 180.0);
  const struct { double azimuthError, baseError, azimuthLimit, sideLimit; } kRows[] = {
      {0.0, 0.0, 2.0 * std::sqrt(6.25 * 10.0 / 3.0), 2.0 * std::sqrt(6.25 * 4.0 * d * d)},
      {1.5, 5.0, 2.0 * std::sqrt(6.25 * 10.0 / 3.0 + 2.0 * 2.25),
       2.0 * std::sqrt(6.25 * 4.0 * d * d + 2.0 * std::pow(434290.0 * 0.005 / 1000.0, 2))},
  };
  for (const auto& row : kRows) {
    const ClosureReport report = checkClosures(run.chain(), run.driver.lastResult(),
                                               fourthOrder(row.azimuthError, row.baseError));
    ASSERT_EQ(report.conditions.size(), 4u);
    EXPECT_EQ(report.conditions[0].kind, ConditionKind::Azimuth);
    EXPECT_NEAR(report.conditions[0].check.limit, row.azimuthLimit, 1e-5);
    EXPECT_EQ(report.conditions[1].kind, ConditionKind::Side);
    EXPECT_NEAR(report.conditions[1].check.limit, row.sideLimit, 1e-5);
    for (const ConditionCheck& condition : report.conditions) {
      EXPECT_STREQ(verdict(condition.check), "合格");
    }
    EXPECT_EQ(report.angleMeanError.closure, 0.0);
    EXPECT_EQ(report.angleMeanError.limit, 2.5);
  }
}

TEST(ClosureChecks, AnAngleWrongByAMinuteNamesItsTriangleFirst) {
  const SurveyedChain chain = surveyChain(mixedChain(7), KnownKind::FullFromA, 10.0, 20.0);
  ChainAngles observed = withErrors(chain.truth.angles, 1.0);
  observed.B[5] += 1.0 / 60.0;
  const AdjustmentRun run(answersFor(chain, observed));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const ClosureReport report = checkClosures(run.chain(), run.driver.lastResult(), fourthOrder(0, 0));

  ASSERT_EQ(report.triangles.size(), 7u);
  EXPECT_EQ(report.triangles[0].triangle, 5);
  EXPECT_STREQ(verdict(report.triangles[0].check), "超限");
  EXPECT_NEAR(report.triangles[0].check.closure, 60.0, 2.0);
  for (std::size_t k = 1; k < report.triangles.size(); ++k) {
    EXPECT_STREQ(verdict(report.triangles[k].check), "合格");
    if (k >= 2) {
      EXPECT_LT(report.triangles[k - 1].triangle, report.triangles[k].triangle);
    }
  }
  // Ferrero: sqrt([ww]/3n) is over the grade's 2.5".
  EXPECT_GT(report.angleMeanError.closure, 2.5);
  EXPECT_STREQ(verdict(report.angleMeanError), "超限");
}

}  // namespace
}  // namespace chainadj::testing
