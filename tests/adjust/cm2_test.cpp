// Cm2, the chain without a closing base, run whole through the run driver.
#include <gtest/gtest.h>

#include <functional>

#include "adjustment_run.h"
#include "independent_adjustment.h"
#include "listed_points.h"
#include "true_chain.h"

namespace chainadj::testing {
namespace {


struct ChainCase {
  const char* name;
  std::function<TrueChain()> build;
  double qa, qb;
};

const ChainCase kChains[] = {
    {"OneTriangle", [] { return zigZagChain(1); }, 14.5, -22.0},
    {"TwoTriangles", [] { return zigZagChain(2); }, -9.25, 30.5},
    {"ThreeZigZag", [] { return zigZagChain(3); }, 27.0, 4.75},
    {"FanOfFour", [] { return fanChain(4); }, 6.5, -11.0},
    {"MixedTen", [] { return mixedChain(10); }, -33.0, 8.25},
};

class Cm2Chains : public ::testing::TestWithParam<ChainCase> {};

TEST_P(Cm2Chains, ErrorFreeDataCloseAndListTheTruePoints) {
  const TrueChain truth = GetParam().build();
  const KnownData known = knownDataFromA(truth, GetParam().qa, GetParam().qb, false);
  const AdjustmentRun run(answersFromA(truth.points, truth.angles, known));

  ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(run.platform.messages());
  ASSERT_EQ(run.driver.lastSelection(), 2);
  EXPECT_EQ(run.platform.text(13), "0.00 秒");
  EXPECT_EQ(run.platform.text(14), "没有基线条件");
  EXPECT_EQ(run.platform.text(15), "0.00 毫米");
  EXPECT_EQ(run.platform.text(16), "0.00 毫米");
  EXPECT_EQ(run.platform.text(17), "0.00 秒");
  EXPECT_EQ(run.platform.text(20), "1/∞");
  EXPECT_EQ(run.platform.text(28), "0.00 毫米");
  expectTruePointsListed(run, truth);
}

TEST_P(Cm2Chains, AgreesWithAnIndependentRigorousAdjustment) {
  const TrueChain truth = GetParam().build();
  const int n = truth.triangles();
  const KnownData known = knownDataFromA(truth, GetParam().qa, GetParam().qb, false);
  const ChainAngles observed = withErrors(truth.angles, 4.0);
  const AdjustmentRun run(answersFromA(truth.points, observed, known));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(run.platform.messages());

  const ChainProblem problem = problemFromA(truth, known, observed);
  const ChainAdjustment rigorous = adjustChain(problem);
  EXPECT_EQ(rigorous.conditions, n + 3);
  const std::vector<Point> adjusted =
      chainPoints(problem, adjustedAngles(run.chain()), run.chain().Qa);
  const std::vector<ListedPoint> listed = run.listing();
  ASSERT_EQ(listed.size(), static_cast<std::size_t>(n + 1));
  for (int j = 1; j <= n + 1; ++j) {
    const auto k = static_cast<std::size_t>(j);
    EXPECT_NEAR(adjusted[k].x, rigorous.points[k].x, kMillimetre) << "point " << j;
    EXPECT_NEAR(adjusted[k].y, rigorous.points[k].y, kMillimetre) << "point " << j;
    EXPECT_NEAR(listed[k - 1].x, rigorous.points[k].x, kMillimetre) << "listed point " << j;
    EXPECT_NEAR(listed[k - 1].y, rigorous.points[k].y, kMillimetre) << "listed point " << j;
  }
  EXPECT_NEAR(run.number(17), rigorous.mb, 0.01 * rigorous.mb + 0.005);
  EXPECT_NEAR(run.number(18), rigorous.reciprocalWeight, 0.01 * rigorous.reciprocalWeight + 5e-7);
  EXPECT_NEAR(run.chain().Qa, rigorous.qa, 0.01 / 3600.0);
  EXPECT_EQ(run.chain().Qb, known.Qb);
}

INSTANTIATE_TEST_SUITE_P(Chains, Cm2Chains, ::testing::ValuesIn(kChains),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cm2, ClosesLikeCm1WithoutTheSideCondition) {
  const TrueChain truth = mixedChain(8);
  const ChainAngles observed = withErrors(truth.angles, 3.0);
  const KnownData withBase = knownDataFromA(truth, 7.0, 19.0, true);
  KnownData withoutBase = withBase;
  withoutBase.Sb = 0.0;
  const AdjustmentRun cm1(answersFromA(truth.points, observed, withBase));
  const AdjustmentRun cm2(answersFromA(truth.points, observed, withoutBase));
  ASSERT_EQ(cm1.driver.lastSelection(), 1);
  ASSERT_EQ(cm2.driver.lastSelection(), 2);
  for (int box : {13, 15, 16}) EXPECT_EQ(cm2.platform.text(box), cm1.platform.text(box)) << box;
  EXPECT_NE(cm2.platform.text(17), cm1.platform.text(17));
  EXPECT_NE(cm2.platform.text(18), cm1.platform.text(18));
}

TEST(Cm2, SaysThereIsNoBaseAfterTheCoordinateClosures) {
  const TrueChain truth = zigZagChain(4);
  const KnownData known = knownDataFromA(truth, 5.0, 6.0, false);
  const AdjustmentRun run(answersFromA(truth.points, withErrors(truth.angles, 2.0), known));
  std::vector<std::string> boxes;
  for (const std::string& write : run.resultWrites()) boxes.push_back(write.substr(0, write.find(':')));
  EXPECT_EQ(boxes, (std::vector<std::string>{"Text13", "Text15", "Text16", "Text14", "Text18",
                                              "Text17", "Text19", "Text20", "Text28"}));
  EXPECT_EQ(run.platform.text(14), "没有基线条件");
}

TEST(Cm2, AZeroQaTakesNoCorrectionAndCorrectionsKeepTrianglesClosed) {
  const TrueChain truth = fanChain(3);
  const KnownData known = knownDataFromA(truth, 0.0, -4.5, false);
  const AdjustmentRun run(answersFromA(truth.points, withErrors(truth.angles, 5.0), known));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  EXPECT_EQ(run.chain().Qa, 0.0);
  EXPECT_EQ(run.chain().Qb, -4.5);
  for (int i = 1; i <= 3; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const ChainState& chain = run.chain();
    EXPECT_NEAR((chain.A[k] + chain.B[k] + chain.C[k] - 180.0) * 3600.0, 0.0, 1e-6);
  }
}

}  // namespace
}  // namespace chainadj::testing
