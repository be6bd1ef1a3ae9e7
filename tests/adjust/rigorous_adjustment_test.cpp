// The adjustment by coordinates on chains of every selection row.
#include "adjust/rigorous_adjustment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "adjust/adjustment_messages.h"
#include "adjustment_run.h"
#include "state/chain_error.h"
#include "independent_parametric.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

struct RowCase {
  const char* shape;
  KnownKind kind;
  std::function<TrueChain()> build;
  double qa, qb;
};

std::string caseName(const RowCase& c) { return std::string(nameOf(c.kind)) + "_" + c.shape; }
std::ostream& operator<<(std::ostream& out, const RowCase& c) { return out << caseName(c); }

using K = KnownKind;
const RowCase kRows[] = {
    {"MixedNine", K::FullFromA, [] { return mixedChain(9); }, 8.5, -16.0},
    {"ZigZagSix", K::NoClosingBase, [] { return zigZagChain(6); }, -33.0, 8.25},
    {"MixedSeven", K::StartSideOnly, [] { return mixedChain(7); }, 3.5, 0.0},
    {"MixedEight", K::AzimuthsOnly, [] { return mixedChain(8); }, -15.75, -6.0},
    {"FanOfFour", K::Unoriented, [] { return fanChain(4); }, 0.0, 0.0},
    {"MixedSeven", K::BetweenCAndD, [] { return mixedChain(7); }, 0.0, 0.0},
    {"MixedEleven", K::ByEAndF, [] { return mixedChain(11); }, -5.5, -23.0},
    {"MixedTen", K::ByEWithTb, [] { return mixedChain(10); }, 11.25, 37.0},
    {"MixedSeven", K::ByEWithD, [] { return mixedChain(7); }, 7.5, 0.0},
    {"MixedNine", K::FromCWithAzimuth, [] { return mixedChain(9); }, 0.0, 12.75},
    {"MixedSeven", K::FromCWithSide, [] { return mixedChain(7); }, 0.0, 0.0},
};

constexpr RigorousSettings kSettings{2.5, 0.0, 0.0};

struct RigorousRun {
  explicit RigorousRun(const RowCase& c, double errorSeconds)
      : chain(surveyChain(c.build(), c.kind, c.qa, c.qb)),
        run(answersFor(chain, withErrors(chain.truth.angles, errorSeconds))) {}

  RigorousSolution adjust(const RigorousSettings& settings = kSettings) const {
    return adjustByCoordinates(run.chain(), *run.driver.lastSelection(), run.driver.lastResult(),
                               settings);
  }

  SurveyedChain chain;
  AdjustmentRun run;
};

class RigorousRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(RigorousRow, AnErrorFreeChainKeepsItsTruePoints) {
  const RigorousRun r(GetParam(), 0.0);
  ASSERT_EQ(r.run.outcome, RunOutcome::Adjusted);
  ASSERT_EQ(*r.run.driver.lastSelection(), selectionRow(GetParam().kind));
  const RigorousSolution s = r.adjust();
  EXPECT_TRUE(s.converged);
  const std::vector<Point>& truth = r.chain.truth.points;
  for (std::size_t p = 0; p < truth.size(); ++p) {
    EXPECT_NEAR(s.X[p], truth[p].x, 1e-6) << "point " << p;
    EXPECT_NEAR(s.Y[p], truth[p].y, 1e-6) << "point " << p;
  }
  for (const RigorousObservation& o : s.observations) {
    EXPECT_NEAR(o.correction, 0.0, 1e-5) << observationKindName(o.kind) << o.triangle;
  }
  EXPECT_LT(s.m0, 1e-5);
}

// The known data typed with errors of their own, and free of them (bases held as constraints).
constexpr RigorousSettings kSettingsWithKnownErrors{2.0, 3.0, 4.0};

DenseSettings denseSettings(const RigorousSettings& s) {
  return {s.angleMeanError, s.azimuthMeanError, s.baseMeanError};
}

// The correction of an end equation from the shares its parts got (Qb enters Tb - Qb).
double equationCorrection(const std::vector<RigorousObservation>& parts) {
  double sum = 0.0;
  for (const RigorousObservation& o : parts) {
    const double magnitudeSign = o.observed < 0.0 ? -1.0 : 1.0;
    const double partSign = o.kind == ObservationKind::Qb ? -1.0 : 1.0;
    sum += magnitudeSign * partSign * o.correction;
  }
  return sum;
}

// The observations of the solution that belong to the dense adjustment's end equation `kind`.
std::vector<RigorousObservation> partsOf(const RigorousSolution& s, const std::string& kind) {
  std::vector<RigorousObservation> parts;
  for (const RigorousObservation& o : s.observations) {
    const std::string name = observationKindName(o.kind);
    const bool start = name == "Qa" || name == "Ta", closing = name == "Qb" || name == "Tb";
    if ((kind == "Ta+Qa" && start) || (kind == "Tb-Qb" && closing) || kind == name) {
      if (o.triangle == 0) parts.push_back(o);
    }
  }
  return parts;
}

void expectCofactorsNear(const PointCofactors& got, const Eigen::Matrix2d& want,
                         const std::string& what) {
  const double tolerance = 1e-6 * want.norm() + 1e-14;
  EXPECT_NEAR(got.xx, want(0, 0), tolerance) << what;
  EXPECT_NEAR(got.xy, want(0, 1), tolerance) << what;
  EXPECT_NEAR(got.yy, want(1, 1), tolerance) << what;
}

void expectEqualToTheDenseAdjustment(const RowCase& c, const RigorousSettings& settings) {
  const RigorousRun r(c, 3.0);
  ASSERT_EQ(r.run.outcome, RunOutcome::Adjusted);
  const RigorousSolution s = r.adjust(settings);
  const DenseAdjustment dense =
      adjustDensely(r.chain, withErrors(r.chain.truth.angles, 3.0), denseSettings(settings));
  ASSERT_TRUE(s.converged);
  EXPECT_EQ(s.redundancy, dense.redundancy);
  EXPECT_NEAR(s.m0, dense.m0, 1e-6 * dense.m0);
  for (std::size_t p = 0; p < dense.points.size(); ++p) {
    EXPECT_NEAR(s.X[p], dense.points[p].x, 1e-6) << "point " << p;
    EXPECT_NEAR(s.Y[p], dense.points[p].y, 1e-6) << "point " << p;
    expectCofactorsNear(s.points[p], dense.pointCofactors(static_cast<int>(p)),
                        "point " + std::to_string(p));
  }
  for (const SideCofactors& side : s.sides) {
    expectCofactorsNear(side.difference, dense.differenceCofactors(side.side.from, side.side.to),
                        "side " + std::to_string(side.side.from) + "-" +
                            std::to_string(side.side.to));
  }
  const int n = r.chain.truth.triangles();
  for (int k = 0; k < 3 * n; ++k) {
    const RigorousObservation& o = s.observations[static_cast<std::size_t>(k)];
    const DenseObservation& d = dense.observations[static_cast<std::size_t>(k)];
    ASSERT_EQ(observationKindName(o.kind), d.kind);
    ASSERT_EQ(o.triangle, d.triangle);
    EXPECT_NEAR(o.correction, d.correction, 1e-4) << d.kind << d.triangle;
    EXPECT_NEAR(o.redundancy, d.redundancy, 1e-6) << d.kind << d.triangle;
  }
  for (std::size_t k = static_cast<std::size_t>(3 * n); k < dense.observations.size(); ++k) {
    const DenseObservation& d = dense.observations[k];
    const std::vector<RigorousObservation> parts = partsOf(s, d.kind);
    ASSERT_FALSE(parts.empty()) << d.kind;
    const bool base = d.kind == "Sa" || d.kind == "Sb";
    EXPECT_NEAR(equationCorrection(parts), d.correction, base ? 1e-7 : 1e-4) << d.kind;
    if (parts.front().constraint) continue;
    double redundancy = 0.0;
    for (const RigorousObservation& o : parts) redundancy += o.redundancy;
    EXPECT_NEAR(redundancy, d.redundancy, 1e-6) << d.kind;
  }
}

TEST_P(RigorousRow, EqualsTheDenseAdjustmentWithErrorFreeKnownData) {
  expectEqualToTheDenseAdjustment(GetParam(), kSettings);
}

TEST_P(RigorousRow, EqualsTheDenseAdjustmentWithErrorsOfTheKnownData) {
  expectEqualToTheDenseAdjustment(GetParam(), kSettingsWithKnownErrors);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, RigorousRow, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return caseName(info.param); });

TEST(RigorousAdjustment, NeedsTheClassicalResultOfTheRunAndAnAngleMeanError) {
  const RigorousRun r(kRows[0], 2.0);
  const ChainState& chain = r.run.chain();
  EXPECT_THROW(adjustByCoordinates(chain, 1, AdjustmentResult{}, kSettings), ChainError);
  EXPECT_THROW(adjustByCoordinates(chain, 11, r.run.driver.lastResult(), kSettings), ChainError);
  EXPECT_THROW(r.adjust({0.0, 0.0, 0.0}), ChainError);
}

TEST(RigorousAdjustment, SaysHowFarItWasFromConvergingWhenItStops) {
  EXPECT_EQ(rigorousNotConvergedMessage(20, 0.0376),
            "严密平差迭代 20 次后仍未收敛（最后一次坐标改正的最大值为 0.038 毫米），结果不可靠。"
            "请检查观测数据中是否有粗差。");
}

// Between C and D over two triangles every point is known: the angles are only checked.
TEST(RigorousAdjustment, AChainWithoutUnknownPointsChecksItsAngles) {
  const RigorousRun r({"TwoTriangles", K::BetweenCAndD, [] { return zigZagChain(2); }, 0.0, 0.0},
                      2.0);
  ASSERT_EQ(r.run.outcome, RunOutcome::Adjusted);
  const RigorousSolution s = r.adjust();
  EXPECT_TRUE(s.converged);
  EXPECT_EQ(s.iterations, 0);
  EXPECT_EQ(s.redundancy, 6);
  ASSERT_EQ(s.observations.size(), 6u);
  const ChainAngles observed = withErrors(r.chain.truth.angles, 2.0);
  for (const RigorousObservation& o : s.observations) {
    EXPECT_DOUBLE_EQ(o.redundancy, 1.0);
    ASSERT_TRUE(o.w.has_value());
    EXPECT_NEAR(*o.w, o.correction / kSettings.angleMeanError, 1e-12);
    const auto i = static_cast<std::size_t>(o.triangle);
    const double typed = o.kind == ObservationKind::A   ? observed.A[i]
                         : o.kind == ObservationKind::B ? observed.B[i]
                                                        : std::fabs(observed.C[i]);
    const double truth = o.kind == ObservationKind::A   ? r.chain.truth.angles.A[i]
                         : o.kind == ObservationKind::B ? r.chain.truth.angles.B[i]
                                                        : std::fabs(r.chain.truth.angles.C[i]);
    EXPECT_NEAR(o.correction, (truth - typed) * 3600.0, 1e-5);
  }
  for (const PointCofactors& q : s.points) EXPECT_EQ(q.xx, 0.0);
}

}  // namespace
}  // namespace chainadj::testing
