// The precision of the sides: a side worked out by hand; the classical procedures' sides against
// the adjustment by coordinates where the procedure is that adjustment; the weakest side of the
// procedure against the relative error it shows.
#include "quality/side_precision.h"

#include <gtest/gtest.h>

#include <cmath>

#include "adjust/condition_rows.h"
#include "rigorous_runs.h"

namespace chainadj::testing {
namespace {

// A side of 1000 m due north with cofactors 4e-6 along it and 9e-6 across, m0 = 2": its length
// is uncertain by 2 sqrt(4e-6) = 4 mm, 1/250 000; its end across by 6 mm, 6e-6 rad = 1.2376".
TEST(SidePrecision, FromTheCofactorsOfItsCoordinateDifferences) {
  SidePrecision side{{1, 2}, 1000.0, 0.0, std::nullopt, std::nullopt, std::nullopt};
  setSidePrecision(side, {4e-6, 0.0, 9e-6}, 2.0, false);
  ASSERT_TRUE(side.relative);
  EXPECT_NEAR(*side.relative, 250000.0, 1e-6);
  EXPECT_NEAR(*side.lengthMeanError, 0.004, 1e-15);
  EXPECT_NEAR(*side.azimuthMeanError, 6e-6 * 180.0 / 3.14159265358979323846 * 3600.0, 1e-9);
  // Due east the two exchange their parts.
  SidePrecision east{{1, 2}, 1000.0, 90.0, std::nullopt, std::nullopt, std::nullopt};
  setSidePrecision(east, {9e-6, 0.0, 4e-6}, 2.0, false);
  EXPECT_NEAR(*east.relative, 250000.0, 1e-3);
  // A held length has no relative error, its azimuth still has one.
  SidePrecision held{{0, 1}, 1000.0, 0.0, std::nullopt, std::nullopt, std::nullopt};
  setSidePrecision(held, {4e-6, 0.0, 9e-6}, 2.0, true);
  EXPECT_FALSE(held.relative);
  EXPECT_TRUE(held.azimuthMeanError);
}

TEST(SidePrecision, TheWeakestSideHasTheSmallestT) {
  std::vector<SidePrecision> sides(3);
  sides[0].relative = 50000.0;
  sides[2].relative = 40000.0;
  EXPECT_EQ(weakestSide(sides), 2u);
  EXPECT_FALSE(weakestSide(std::vector<SidePrecision>(2)).has_value());
}

struct ClassicalCase {
  KnownKind kind;
  TrueChain (*build)();
};

// The rows whose procedure is the adjustment by coordinates with the known data free of error
// (row 4 scales the chain by the distance A-B, row 9 takes Qb as free of error).
const ClassicalCase kRigorousProcedures[] = {
    {KnownKind::FullFromA, [] { return mixedChain(9); }},
    {KnownKind::NoClosingBase, [] { return zigZagChain(6); }},
    {KnownKind::StartSideOnly, [] { return mixedChain(7); }},
    {KnownKind::Unoriented, [] { return mixedChain(8); }},
    {KnownKind::BetweenCAndD, [] { return mixedChain(7); }},
    {KnownKind::ByEAndF, [] { return mixedChain(11); }},
    {KnownKind::ByEWithTb, [] { return mixedChain(10); }},
    {KnownKind::ByEWithD, [] { return mixedChain(8); }},
    {KnownKind::FromCWithSide, [] { return mixedChain(12); }},
};

class ClassicalSides : public ::testing::TestWithParam<ClassicalCase> {};

TEST_P(ClassicalSides, EqualTheAdjustmentByCoordinatesOfTheSameModel) {
  const ClassicalCase& c = GetParam();
  const TrueChain truth = c.build();
  const double qb = c.kind == KnownKind::ByEWithD ? 0.0 : -8.25;
  const RigorousChainRun run(surveyChain(truth, c.kind, 12.5, qb), withErrors(truth.angles, 2.0));
  ASSERT_EQ(run.run.outcome, RunOutcome::Adjusted);
  const AdjustmentResult& result = run.run.driver.lastResult();
  const std::vector<SidePrecision> classical = classicalSidePrecisions(run.run.chain(), result);
  const RigorousResult rigorous = run.adjust({2.0, 0.0, 0.0});
  ASSERT_EQ(classical.size(), rigorous.sides.size());
  // Per unit weight: the two unit-weight mean errors differ a little where the chain is
  // linearised once.
  const double mb = result.meanError, m0 = rigorous.m0;
  std::size_t compared = 0;
  for (std::size_t k = 0; k < classical.size(); ++k) {
    const SidePrecision& a = classical[k];
    const SidePrecision& b = rigorous.sides[k];
    ASSERT_EQ(a.side, b.side);
    EXPECT_NEAR(a.length, b.length, 1e-3);
    EXPECT_EQ(a.azimuthMeanError.has_value(), b.azimuthMeanError.has_value());
    if (a.azimuthMeanError) {
      EXPECT_NEAR(*a.azimuthMeanError / mb, *b.azimuthMeanError / m0,
                  1e-5 * *b.azimuthMeanError / m0 + 1e-9)
          << a.side.from << "-" << a.side.to;
    }
    EXPECT_EQ(a.relative.has_value(), b.relative.has_value()) << a.side.from << "-" << a.side.to;
    if (a.relative && b.relative) {
      ++compared;
      EXPECT_NEAR(*a.lengthMeanError / mb, *b.lengthMeanError / m0, 1e-5 * *b.lengthMeanError / m0)
          << a.side.from << "-" << a.side.to;
    }
  }
  EXPECT_GT(compared, classical.size() / 2);
}

INSTANTIATE_TEST_SUITE_P(EveryRigorousRow, ClassicalSides, ::testing::ValuesIn(kRigorousProcedures),
                         [](const auto& info) { return std::string(nameOf(info.param.kind)); });

// The procedure's weakest side, in the middle of the chain (n even: S(mid+1) from the route point
// of triangle mid; n odd: the side of triangle mid opposite C(mid)), has the relative error the
// procedure shows, 1/Tr.
TEST(ClassicalSides, TheMiddleSideHasTheProceduresRelativeError) {
  for (int n : {8, 9}) {
    const TrueChain truth = mixedChain(n);
    const RigorousChainRun run(surveyChain(truth, KnownKind::FullFromA, 12.5, -8.25),
                               withErrors(truth.angles, 2.0));
    const AdjustmentResult& result = run.run.driver.lastResult();
    const int mid = middleTriangle(n);
    const std::array<int, 3> v = triangleVertices(result.points, mid);
    const int from = n % 2 == 0 ? v[2] : v[0];
    const ChainSide middle{std::min(from, mid + 1), std::max(from, mid + 1)};
    bool found = false;
    for (const SidePrecision& side : classicalSidePrecisions(run.run.chain(), result)) {
      if (side.side != middle) continue;
      found = true;
      ASSERT_TRUE(side.relative && result.precision && result.precision->Tr);
      EXPECT_NEAR(*side.relative, *result.precision->Tr, 1e-3 * *result.precision->Tr) << n;
    }
    EXPECT_TRUE(found) << n;
  }
}

}  // namespace
}  // namespace chainadj::testing
