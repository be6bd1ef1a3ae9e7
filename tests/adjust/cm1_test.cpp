// Cm1, the chain with bases and azimuths at both ends, run whole through the run driver.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>

#include "adjust/adjustment_messages.h"
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

std::ostream& operator<<(std::ostream& out, const ChainCase& c) { return out << c.name; }

const ChainCase kChains[] = {
    {"OneTriangle", [] { return zigZagChain(1); }, 31.5, -42.25},
    {"TwoTriangles", [] { return zigZagChain(2); }, -12.75, 18.5},
    {"ThreeZigZag", [] { return zigZagChain(3); }, 5.125, 27.0},
    {"TenZigZag", [] { return zigZagChain(10); }, 44.0, -3.5},
    {"FanOfTwo", [] { return fanChain(2); }, 17.25, 12.0},
    {"FanOfFour", [] { return fanChain(4); }, -21.0, 33.75},
    {"MixedEleven", [] { return mixedChain(11); }, 8.5, -16.0},
    {"MixedTwelve", [] { return mixedChain(12); }, -2.25, 61.5},
};

class Cm1KnownTruth : public ::testing::TestWithParam<ChainCase> {};

TEST_P(Cm1KnownTruth, ErrorFreeDataCloseAndListTheTruePoints) {
  const TrueChain truth = GetParam().build();
  const int n = truth.triangles();
  const KnownData known = knownDataFromA(truth, GetParam().qa, GetParam().qb, true);
  const AdjustmentRun run(answersFromA(truth.points, truth.angles, known));

  ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(run.platform.messages());
  ASSERT_EQ(run.driver.lastSelection(), 1);
  EXPECT_EQ(run.platform.text(13), "0.00 秒");
  EXPECT_EQ(run.platform.text(14), "0.00 单位");
  EXPECT_EQ(run.platform.text(15), "0.00 毫米");
  EXPECT_EQ(run.platform.text(16), "0.00 毫米");
  EXPECT_EQ(run.platform.text(17), "0.00 秒");
  EXPECT_EQ(run.platform.text(19), "0.00 单位");
  EXPECT_EQ(run.platform.text(20), "1/∞");
  EXPECT_EQ(run.platform.text(28), "0.00 毫米");

  expectTruePointsListed(run, truth);
  const std::vector<double>& sides = run.chain().S;
  ASSERT_EQ(sides.size(), static_cast<std::size_t>(n + 2));
  EXPECT_NEAR(sides[1], known.Sa, 1e-6);
  for (int j = 2; j <= n + 1; ++j) {
    const double expected = distance(truth.points[static_cast<std::size_t>(truth.route[static_cast<std::size_t>(j - 1)])],
                                     truth.points[static_cast<std::size_t>(j)]);
    EXPECT_NEAR(sides[static_cast<std::size_t>(j)], expected, 1e-6) << "side " << j;
  }
}

TEST_P(Cm1KnownTruth, AgreesWithAnIndependentRigorousAdjustment) {
  const TrueChain truth = GetParam().build();
  const int n = truth.triangles();
  const KnownData known = knownDataFromA(truth, GetParam().qa, GetParam().qb, true);
  const ChainAngles observed = withErrors(truth.angles, 3.0);
  const AdjustmentRun run(answersFromA(truth.points, observed, known));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(run.platform.messages());

  const ChainProblem problem = problemFromA(truth, known, observed);
  const ChainAdjustment rigorous = adjustChain(problem);
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
}

INSTANTIATE_TEST_SUITE_P(Chains, Cm1KnownTruth, ::testing::ValuesIn(kChains),
                         [](const auto& info) { return std::string(info.param.name); });

// A standard chain with errors of a few seconds, for the checks of single effects.
struct NoisyChain {
  TrueChain truth = zigZagChain(4);
  KnownData known;
  ChainAngles observed;
  NoisyChain(double qa, double qb, double errorSeconds = 3.0) {
    known = knownDataFromA(truth, qa, qb, true);
    observed = withErrors(truth.angles, errorSeconds);
  }
  ChainAnswers answers() const { return answersFromA(truth.points, observed, known); }
};

TEST(Cm1, CorrectionsKeepEveryTriangleClosed) {
  const NoisyChain noisy(12.5, 7.25);
  const AdjustmentRun run(noisy.answers());
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const ChainState& chain = run.chain();
  double largestChange = 0.0;
  for (int i = 1; i <= chain.n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const double sum = chain.A[k] + chain.B[k] + chain.C[k];
    EXPECT_NEAR((sum - 180.0) * 3600.0, 0.0, 1e-6) << "triangle " << i;
    const double typedA = noisy.observed.A[k];
    const double typedB = noisy.observed.B[k];
    const double typedC = std::fabs(noisy.observed.C[k]);
    const double w = typedA + typedB + typedC - 180.0;
    largestChange = std::max(largestChange, std::fabs(chain.A[k] - (typedA - w / 3.0)));
  }
  EXPECT_GT(largestChange * 3600.0, 0.1);  // the second group did correct the angles
}

TEST(Cm1, ANegativeQaKeepsItsSignAndQbNeverChanges) {
  const NoisyChain noisy(-25.5, -14.0);
  const AdjustmentRun run(noisy.answers());
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const ChainProblem problem = problemFromA(noisy.truth, noisy.known, noisy.observed);
  const ChainAdjustment rigorous = adjustChain(problem);
  EXPECT_LT(run.chain().Qa, 0.0);
  EXPECT_NE(run.chain().Qa, noisy.known.Qa);
  EXPECT_NEAR(run.chain().Qa, rigorous.qa, 0.01 / 3600.0);
  EXPECT_EQ(run.chain().Qb, -14.0);
}

TEST(Cm1, AZeroQaTakesNoCorrection) {
  const NoisyChain noisy(0.0, 9.5);
  const AdjustmentRun run(noisy.answers());
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  EXPECT_EQ(run.chain().Sg[0], 0.0f);
  EXPECT_EQ(run.chain().Qa, 0.0);
  EXPECT_EQ(run.chain().Qb, 9.5);
  const ChainAdjustment rigorous = adjustChain(problemFromA(noisy.truth, noisy.known, noisy.observed));
  EXPECT_NEAR(run.number(17), rigorous.mb, 0.01 * rigorous.mb + 0.005);
}

TEST(Cm1, WritesTheResultBoxesInOrderBeforeTheListing) {
  const NoisyChain noisy(3.0, 4.0);
  const AdjustmentRun run(noisy.answers());
  std::vector<std::string> boxes;
  for (const std::string& write : run.resultWrites()) boxes.push_back(write.substr(0, write.find(':')));
  EXPECT_EQ(boxes, (std::vector<std::string>{"Text13", "Text14", "Text15", "Text16", "Text18",
                                              "Text17", "Text19", "Text20", "Text28"}));
  const std::vector<std::string>& events = run.platform.events();
  const auto firstListing = std::find(events.begin(), events.end(),
                                      std::string("? ") + kListingPrompt);
  ASSERT_NE(firstListing, events.end());
  EXPECT_EQ(std::vector<std::string>(firstListing, firstListing + 7),
            (std::vector<std::string>{std::string("? ") + kListingPrompt, "Label35:  N(1)",
                                      "Text21:   P1", "Label36: Xp(1)",
                                      "Text22: " + run.listing()[0].xText, "Label38: Yp(1)",
                                      "Text23: " + run.listing()[0].yText}));
  EXPECT_TRUE(std::regex_match(run.platform.text(20), std::regex("1/[1-9][0-9]*")));
}

// Tb typed just above north while the chain computes just below it.
TEST(Cm1, AnAzimuthClosureNearNorthIsAFewSecondsNotAFullCircle) {
  const TrueChain truth = zigZagChain(3);
  const double trueClosing = azimuth(truth.points[4], truth.routePoint(3));
  const double belowNorth = 360.0 - 2.0 / 3600.0;  // 359°59'58"
  KnownData known = knownDataFromA(truth, 10.0, wrapDegrees(belowNorth - trueClosing), true);
  known.Tb = 1.0 / 3600.0;  // 0°00'01"
  const AdjustmentRun run(answersFromA(truth.points, truth.angles, known));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  EXPECT_EQ(run.platform.text(13), "-3.00 秒");
  EXPECT_EQ(run.platform.text(15), "0.00 毫米");

  known.Tb = belowNorth - 5.0 / 3600.0;  // computed 359°59'58" against known 359°59'53"
  const AdjustmentRun other(answersFromA(truth.points, truth.angles, known));
  EXPECT_EQ(other.platform.text(13), "5.00 秒");
}

// A single triangle: the weakest side is A-B itself, fixed by the known points.
TEST(Cm1, OneTriangleHasAWeakestSideOfZeroWeightReciprocal) {
  const TrueChain truth = zigZagChain(1);
  const KnownData known = knownDataFromA(truth, 20.0, -30.0, true);
  const AdjustmentRun run(answersFromA(truth.points, withErrors(truth.angles, 4.0), known));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(run.platform.messages());
  EXPECT_GT(run.number(17), 0.5);
  EXPECT_EQ(run.platform.text(18), "0.000000");
  EXPECT_EQ(run.platform.text(19), "0.00 单位");
  EXPECT_EQ(run.platform.text(20), "1/∞");
  EXPECT_EQ(run.platform.text(28), "0.00 毫米");
}

// A single triangle without orientation angles: two angles of freedom against four conditions.
TEST(Cm1, DependentConditionsStopTheRunBeforeTheReciprocalWeight) {
  const TrueChain truth = zigZagChain(1);
  const KnownData known = knownDataFromA(truth, 0.0, 0.0, true);
  const AdjustmentRun run(answersFromA(truth.points, withErrors(truth.angles, 2.0), known));
  EXPECT_EQ(run.outcome, RunOutcome::Stopped);
  EXPECT_EQ(run.platform.messages(), std::vector<std::string>{kDependentConditionsMessage});
  EXPECT_TRUE(run.platform.written(16));
  EXPECT_FALSE(run.platform.written(18));
  EXPECT_FALSE(run.platform.written(17));
  EXPECT_TRUE(run.listing().empty());
}

TEST(Cm1, TheListingIgnoresWhatIsTypedAndASecondRunRepeatsTheFirst) {
  const NoisyChain noisy(4.5, -2.0);
  const AdjustmentRun first(noisy.answers());

  ScriptedPlatform platform;
  const ScriptedPlatform::Responder answers = respondWith(noisy.answers());
  platform.setResponder([&](const std::string& prompt) -> std::optional<std::string> {
    if (prompt == kListingPrompt) return std::string("0");
    return answers(prompt);
  });
  RunDriver driver(platform);
  ASSERT_EQ(driver.Command1_Click(), RunOutcome::Adjusted);
  platform.setResponder(respondWith(noisy.answers()));
  platform.clearEvents();
  ASSERT_EQ(driver.Command1_Click(), RunOutcome::Adjusted);
  for (int box : {13, 14, 15, 16, 17, 18, 19, 20, 28, 21, 22, 23}) {
    EXPECT_EQ(platform.text(box), first.platform.text(box)) << "Text" << box;
  }
  EXPECT_EQ(driver.chain().A, first.chain().A);
  EXPECT_EQ(driver.chain().S, first.chain().S);
}

TEST(Cm1, ClosingTheProgramDuringTheListingEndsTheRunQuietly) {
  const NoisyChain noisy(4.5, -2.0);
  ScriptedPlatform platform;
  const ScriptedPlatform::Responder answers = respondWith(noisy.answers());
  int listed = 0;
  platform.setResponder([&](const std::string& prompt) -> std::optional<std::string> {
    if (prompt == kListingPrompt && ++listed == 3) return std::nullopt;
    return answers(prompt);
  });
  RunDriver driver(platform);
  EXPECT_EQ(driver.Command1_Click(), RunOutcome::ProgramEnding);
  EXPECT_EQ(platform.label(35), " N(2)");
  EXPECT_TRUE(platform.messages().empty());
}

}  // namespace
}  // namespace chainadj::testing
