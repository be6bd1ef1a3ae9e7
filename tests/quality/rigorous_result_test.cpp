// What the adjustment by coordinates tells of a run: the blunder it names, the points, sides and
// weakest elements it names.
#include "quality/rigorous_result.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "rigorous_runs.h"

namespace chainadj::testing {
namespace {

constexpr int kBlunderedTriangle = 6;
constexpr double kBlunderSeconds = 20.0;
constexpr RigorousSettings kSettings{2.0, 0.0, 0.0};

double orientationOf(KnownKind kind, bool closing) {
  const bool noQb = kind == KnownKind::StartSideOnly || kind == KnownKind::ByEWithD ||
                    kind == KnownKind::FromCWithSide;
  return closing ? (noQb ? 0.0 : -8.25) : 12.5;
}

// Error-free angles but one, of triangle 6 of twelve, 20" too large.
RigorousResult withOneBlunder(KnownKind kind, int angle) {
  const TrueChain truth = mixedChain(12);
  ChainAngles observed = truth.angles;
  const auto i = static_cast<std::size_t>(kBlunderedTriangle);
  double& blundered = angle == 0 ? observed.A[i] : angle == 1 ? observed.B[i] : observed.C[i];
  blundered += (blundered < 0.0 ? -kBlunderSeconds : kBlunderSeconds) / 3600.0;
  const RigorousChainRun run(
      surveyChain(truth, kind, orientationOf(kind, false), orientationOf(kind, true)), observed);
  EXPECT_EQ(run.run.outcome, RunOutcome::Adjusted);
  return run.adjust(kSettings);
}

class BlunderedAngle : public ::testing::TestWithParam<std::tuple<KnownKind, int>> {};

// The largest standardised correction is the blundered angle's, marked 可能粗差: its triangle's
// three angles are told apart by the other conditions, except in an unoriented chain, where only
// the triangle's closure checks them and all three are the same, so that the triangle is named.
TEST_P(BlunderedAngle, IsNamedWithItsTriangle) {
  const auto [kind, angle] = GetParam();
  const RigorousResult r = withOneBlunder(kind, angle);
  ASSERT_TRUE(r.largestW.has_value());
  const RigorousObservation& largest = r.observations[*r.largestW];
  EXPECT_EQ(largest.triangle, kBlunderedTriangle);
  EXPECT_TRUE(r.isSuspected(largest));
  EXPECT_FALSE(r.chi2.passed);
  const auto first = r.observations.begin() + 3 * (kBlunderedTriangle - 1);
  const auto [low, high] = std::minmax_element(first, first + 3, [](const auto& a, const auto& b) {
    return std::fabs(*a.w) < std::fabs(*b.w);
  });
  const bool separated = std::fabs(*high->w) - std::fabs(*low->w) > 0.01 * std::fabs(*high->w);
  EXPECT_EQ(separated, kind != KnownKind::Unoriented);
  if (separated) {
    EXPECT_EQ(largest.kind, static_cast<ObservationKind>(angle)) << observationLabel(largest);
  }
  // The blunder shows in its own triangle; no other observation is marked.
  for (std::size_t k : r.suspected) {
    EXPECT_EQ(r.observations[k].triangle, kBlunderedTriangle) << observationLabel(r.observations[k]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, BlunderedAngle,
    ::testing::Combine(::testing::ValuesIn(kAllKnownKinds), ::testing::Values(0, 1, 2)),
    [](const auto& info) {
      return std::string(nameOf(std::get<0>(info.param))) + "_" +
             "ABC"[std::get<1>(info.param)];
    });

TEST(RigorousResult, NamesItsPointsSidesAndWeakestElements) {
  const TrueChain truth = mixedChain(9);
  std::mt19937 random(5);
  const RigorousChainRun run(surveyChain(truth, KnownKind::FullFromA, 12.5, -8.25),
                             withNormalErrors(truth.angles, 2.0, random));
  const RigorousResult r = run.adjust(kSettings);
  EXPECT_EQ(r.procedure, 1);
  EXPECT_EQ(r.n, 9);
  EXPECT_EQ(r.redundancy, 13);
  EXPECT_TRUE(r.converged);
  EXPECT_NEAR(r.m0, std::sqrt(r.pvv / r.redundancy), 1e-12);
  EXPECT_NEAR(r.chi2.value, r.pvv / (2.0 * 2.0), 1e-9);
  ASSERT_EQ(r.points.size(), 11u);
  EXPECT_TRUE(r.points[0].known && !r.points[0].precision);
  EXPECT_TRUE(r.points[10].known && !r.points[10].precision);
  double largestMp = 0.0;
  for (int j = 1; j <= 9; ++j) {
    const RigorousPoint& p = r.points[static_cast<std::size_t>(j)];
    ASSERT_TRUE(p.precision) << j;
    const PointPrecision& q = *p.precision;
    EXPECT_NEAR(q.E * q.E + q.F * q.F, q.mx * q.mx + q.my * q.my, 1e-12);
    largestMp = std::max(largestMp, q.mp);
  }
  EXPECT_DOUBLE_EQ(r.points[static_cast<std::size_t>(*r.largestPointError)].precision->mp, largestMp);
  // The bases held free of error: point 1 on Sa and the last new point on Sb have flat ellipses
  // (0.00 mm as shown), and the bases no relative error.
  const int lastRoute = run.run.driver.lastResult().points.route[9];
  EXPECT_LT(r.points[1].precision->F, 5e-6);
  EXPECT_LT(r.points[static_cast<std::size_t>(lastRoute)].precision->F, 5e-6);
  const ChainSide sa{0, 1}, sb{lastRoute, 10};
  ASSERT_TRUE(r.weakestSide.has_value());
  for (const SidePrecision& side : r.sides) {
    const bool between = r.points[static_cast<std::size_t>(side.side.from)].known &&
                         r.points[static_cast<std::size_t>(side.side.to)].known;
    if (side.side == sa || side.side == sb || between) {
      EXPECT_FALSE(side.relative) << side.side.from << "-" << side.side.to;
    } else {
      ASSERT_TRUE(side.relative);
      EXPECT_GE(*side.relative, *r.sides[*r.weakestSide].relative);
      EXPECT_NEAR(*side.relative, side.length / *side.lengthMeanError, 1e-6 * *side.relative);
    }
  }
  EXPECT_EQ(observationLabel(r.observations[4]), "B(2)");
  EXPECT_EQ(observationLabel(r.observations[27]), "Qa");
}

// With a base error set, the bases are observations: they have corrections and relative errors.
TEST(RigorousResult, BasesWithAnErrorAreObservations) {
  const TrueChain truth = mixedChain(9);
  const RigorousChainRun run(surveyChain(truth, KnownKind::FullFromA, 12.5, -8.25),
                             withErrors(truth.angles, 2.0));
  const RigorousResult r = run.adjust({2.0, 0.0, 5.0});
  int bases = 0;
  for (const RigorousObservation& o : r.observations) {
    if (o.kind != ObservationKind::Sa && o.kind != ObservationKind::Sb) continue;
    ++bases;
    EXPECT_FALSE(o.constraint);
    EXPECT_DOUBLE_EQ(o.meanError, 0.005);
    EXPECT_GT(o.redundancy, 0.0);
    EXPECT_TRUE(o.w.has_value());
  }
  EXPECT_EQ(bases, 2);
  for (const SidePrecision& side : r.sides) {
    if (side.side == ChainSide{0, 1}) {
      EXPECT_TRUE(side.relative.has_value());
    }
  }
  EXPECT_GT(r.points[1].precision->F, 1e-4);
}

TEST(RigorousResult, TakesItsSettingsFromTheQualityCheck) {
  QualitySettings quality;
  quality.grade = *gradePreset("一级");
  quality.azimuthMeanError = 4.0;
  quality.baseMeanError = 3.0;
  const RigorousSettings s = rigorousSettings(quality);
  EXPECT_DOUBLE_EQ(s.angleMeanError, 5.0);
  EXPECT_DOUBLE_EQ(s.azimuthMeanError, 4.0);
  EXPECT_DOUBLE_EQ(s.baseMeanError, 3.0);
}

}  // namespace
}  // namespace chainadj::testing
