// Each procedure on known-truth chains, run whole through the run driver: error-free data give
// the true points and zero closures; noisy data agree with the independent adjustment of the
// same problem (each procedure but Cm4 and Cm5 is rigorous; Cm4 is rigorous once its start side
// is held at the scaled length; Cm5 only fits the chain computed from the angles onto A-B).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "adjust/coordinate_listing.h"
#include "state/chain_error.h"
#include "adjustment_run.h"
#include "chain_answers.h"
#include "independent_adjustment.h"
#include "listed_points.h"
#include "state/form_fields.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

struct ProcedureCase {
  const char* shape;
  KnownKind kind;
  std::function<TrueChain()> build;
  double qa, qb;
};

std::string caseName(const ProcedureCase& c) {
  return std::string(nameOf(c.kind)) + "_" + c.shape;
}

std::ostream& operator<<(std::ostream& out, const ProcedureCase& c) { return out << caseName(c); }

using K = KnownKind;
const ProcedureCase kCases[] = {
    {"OneTriangle", K::FullFromA, [] { return zigZagChain(1); }, 31.5, -42.25},
    {"TwoTriangles", K::FullFromA, [] { return zigZagChain(2); }, -12.75, 18.5},
    {"TenZigZag", K::FullFromA, [] { return zigZagChain(10); }, 44.0, -3.5},
    {"FanOfFour", K::FullFromA, [] { return fanChain(4); }, -21.0, 33.75},
    {"MixedEleven", K::FullFromA, [] { return mixedChain(11); }, 8.5, -16.0},
    {"MixedTwelve", K::FullFromA, [] { return mixedChain(12); }, -2.25, 61.5},
    {"OneTriangle", K::NoClosingBase, [] { return zigZagChain(1); }, 14.5, -22.0},
    {"ThreeZigZag", K::NoClosingBase, [] { return zigZagChain(3); }, 27.0, 4.75},
    {"FanOfFour", K::NoClosingBase, [] { return fanChain(4); }, 6.5, -11.0},
    {"MixedTen", K::NoClosingBase, [] { return mixedChain(10); }, -33.0, 8.25},
    {"OneTriangle", K::StartSideOnly, [] { return zigZagChain(1); }, 12.0, 0.0},
    {"TwoTriangles", K::StartSideOnly, [] { return zigZagChain(2); }, -7.5, 0.0},
    {"FanOfThree", K::StartSideOnly, [] { return fanChain(3); }, 19.25, 0.0},
    {"MixedNine", K::StartSideOnly, [] { return mixedChain(9); }, 3.5, 0.0},
    {"OneTriangle", K::AzimuthsOnly, [] { return zigZagChain(1); }, 22.0, -17.5},
    {"TwoTriangles", K::AzimuthsOnly, [] { return zigZagChain(2); }, -9.0, 13.25},
    {"FanOfThree", K::AzimuthsOnly, [] { return fanChain(3); }, 4.5, 28.0},
    {"MixedEight", K::AzimuthsOnly, [] { return mixedChain(8); }, -15.75, -6.0},
    {"OneTriangle", K::Unoriented, [] { return zigZagChain(1); }, 0.0, 0.0},
    {"TwoTriangles", K::Unoriented, [] { return zigZagChain(2); }, 0.0, 0.0},
    {"FanOfFour", K::Unoriented, [] { return fanChain(4); }, 0.0, 0.0},
    {"MixedNine", K::Unoriented, [] { return mixedChain(9); }, 0.0, 0.0},
    {"TwoTriangles", K::BetweenCAndD, [] { return zigZagChain(2); }, 0.0, 0.0},
    {"FiveZigZag", K::BetweenCAndD, [] { return zigZagChain(5); }, 0.0, 0.0},
    {"MixedSeven", K::BetweenCAndD, [] { return mixedChain(7); }, 0.0, 0.0},
    {"MixedTwelve", K::BetweenCAndD, [] { return mixedChain(12); }, 0.0, 0.0},
    {"OneTriangle", K::ByEAndF, [] { return zigZagChain(1); }, 26.0, -31.0},
    {"TwoTriangles", K::ByEAndF, [] { return zigZagChain(2); }, -18.25, 9.5},
    {"FanOfThree", K::ByEAndF, [] { return fanChain(3); }, 35.0, 41.75},
    {"MixedEleven", K::ByEAndF, [] { return mixedChain(11); }, -5.5, -23.0},
    {"OneTriangle", K::ByEWithTb, [] { return zigZagChain(1); }, 16.0, 24.5},
    {"TwoTriangles", K::ByEWithTb, [] { return zigZagChain(2); }, -3.25, 14.0},
    {"FanOfFour", K::ByEWithTb, [] { return fanChain(4); }, -29.5, -8.0},
    {"MixedTen", K::ByEWithTb, [] { return mixedChain(10); }, 11.25, 37.0},
    {"TwoTriangles", K::ByEWithD, [] { return zigZagChain(2); }, 21.0, 0.0},
    {"MixedSeven", K::ByEWithD, [] { return mixedChain(7); }, 7.5, 0.0},
    {"MixedEight", K::ByEWithD, [] { return mixedChain(8); }, -13.0, 0.0},
    {"TwoTriangles", K::FromCWithAzimuth, [] { return zigZagChain(2); }, 0.0, 17.0},
    {"MixedEleven", K::FromCWithAzimuth, [] { return mixedChain(11); }, 0.0, -26.5},
    {"MixedNine", K::FromCWithAzimuth, [] { return mixedChain(9); }, 0.0, 12.75},
    {"TwoTriangles", K::FromCWithSide, [] { return zigZagChain(2); }, 0.0, 0.0},
    {"MixedTwelve", K::FromCWithSide, [] { return mixedChain(12); }, 0.0, 0.0},
    {"MixedSeven", K::FromCWithSide, [] { return mixedChain(7); }, 0.0, 0.0},
};

// What the closure boxes show for error-free data: a zero closure, or the words of a missing
// condition.
struct ClosureTexts {
  std::string azimuth, side, x, y;
};

ClosureTexts errorFreeClosures(KnownKind kind) {
  ClosureTexts texts{"0.00 秒", "0.00 单位", "0.00 毫米", "0.00 毫米"};
  if (kind == K::StartSideOnly || kind == K::Unoriented) texts.azimuth = "没有方位条件";
  if (kind == K::FromCWithSide) texts.azimuth = "無方位条件";
  if (kind == K::NoClosingBase || kind == K::StartSideOnly || kind == K::AzimuthsOnly ||
      kind == K::Unoriented) {
    texts.side = "没有基线条件";
  }
  if (kind == K::Unoriented) texts.x = texts.y = "没有座标条件";
  return texts;
}

class EachProcedure : public ::testing::TestWithParam<ProcedureCase> {
 protected:
  SurveyedChain surveyed() const {
    return surveyChain(GetParam().build(), GetParam().kind, GetParam().qa, GetParam().qb);
  }
};

TEST_P(EachProcedure, ErrorFreeDataCloseAndListTheTruePoints) {
  const SurveyedChain chain = surveyed();
  const AdjustmentRun run(answersFor(chain, chain.truth.angles));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(run.platform.messages());
  ASSERT_EQ(run.driver.lastSelection(), selectionRow(chain.kind));

  const ClosureTexts closures = errorFreeClosures(chain.kind);
  EXPECT_EQ(run.platform.text(box::kAzimuthClosure), closures.azimuth);
  EXPECT_EQ(run.platform.text(box::kSideClosure), closures.side);
  EXPECT_EQ(run.platform.text(box::kXClosure), closures.x);
  EXPECT_EQ(run.platform.text(box::kYClosure), closures.y);
  EXPECT_EQ(run.platform.text(box::kMeanError), "0.00 秒");
  if (chain.kind != K::Unoriented) {
    EXPECT_EQ(run.platform.text(box::kRelativeMeanError), "1/∞");
    EXPECT_EQ(run.platform.text(box::kPointMeanError), "0.00 毫米");
  }
  expectTruePointsListed(run, chain);
}

// Every procedure has solved before its listing asks for the first point: the run is reported
// from then on, also when it is stopped there.
TEST_P(EachProcedure, SolvedBeforeTheListingAsksItsFirstPoint) {
  const SurveyedChain chain = surveyed();
  ScriptedPlatform platform;
  RunDriver driver(platform);
  const ScriptedPlatform::Responder typed = respondWith(answersFor(chain, chain.truth.angles));
  std::optional<int> listedWhenAsked;
  platform.setResponder([&](const std::string& prompt) -> std::optional<std::string> {
    if (prompt != kListingPrompt) return typed(prompt);
    if (const RunResults* solved = driver.solvedRun()) listedWhenAsked = solved->result.lastListedPoint;
    throw RunStopped();
  });
  ASSERT_EQ(driver.runOnce(), RunOutcome::StoppedByUser);
  EXPECT_EQ(listedWhenAsked, chain.lastListedPoint());
  EXPECT_EQ(driver.solvedRun(), &driver.currentRun());
}

// The procedure's adjusted points against the reference, and the listing to its millimetre.
void expectPointsAgree(const AdjustmentRun& run, const SurveyedChain& chain,
                       const std::vector<Point>& reference) {
  const std::vector<ListedPoint> listed = run.listing();
  ASSERT_EQ(listed.size(), static_cast<std::size_t>(chain.lastListedPoint()));
  for (std::size_t k = 1; k <= listed.size(); ++k) {
    EXPECT_NEAR(listed[k - 1].x, reference[k].x, kMillimetre) << "listed point " << k;
    EXPECT_NEAR(listed[k - 1].y, reference[k].y, kMillimetre) << "listed point " << k;
  }
}

TEST_P(EachProcedure, NoisyDataAgreeWithTheIndependentAdjustment) {
  const SurveyedChain chain = surveyed();
  if (chain.kind == K::Unoriented) GTEST_SKIP() << "no second group: see the fitted chain below";
  const ChainAngles observed = withErrors(chain.truth.angles, 2.0);
  const AdjustmentRun run(answersFor(chain, observed));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(run.platform.messages());

  ChainProblem problem = problemFor(chain, observed);
  if (chain.kind == K::AzimuthsOnly) problem.known.Sa = run.chain().S[1];  // held as scaled
  const ChainAdjustment reference = adjustChain(problem);
  expectPointsAgree(run, chain, reference.points);
  EXPECT_NEAR(run.number(box::kMeanError), reference.mb, 0.01 * reference.mb + 0.005);
  EXPECT_NEAR(run.number(box::kReciprocalWeight), reference.reciprocalWeight,
              0.01 * reference.reciprocalWeight + 5e-7);
  EXPECT_NEAR(run.chain().Qa, reference.qa, 0.01 / 3600.0);
  EXPECT_EQ(run.chain().Qb, chain.known.Qb);
}

INSTANTIATE_TEST_SUITE_P(Chains, EachProcedure, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return caseName(info.param); });

// The unoriented chain is the chain of the pre-corrected angles, from A with the assumed side and
// azimuth, scaled and turned about A until its end lies on B; its mean error comes from the
// triangle closures alone.
TEST(Cm5, FitsTheChainOfTheCorrectedAnglesOntoAAndB) {
  for (const TrueChain& truth : {zigZagChain(1), fanChain(4), mixedChain(9)}) {
    const SurveyedChain chain = surveyChain(truth, K::Unoriented, 0.0, 0.0);
    const ChainAngles observed = withErrors(truth.angles, 3.0);
    const AdjustmentRun run(answersFor(chain, observed));
    ASSERT_EQ(run.outcome, RunOutcome::Adjusted);

    const ChainProblem problem = problemFor(chain, observed);
    const std::vector<Point> fitted = fittedPoints(problem);
    const Point b = problem.B;
    expectPointsAgree(run, chain, fitted);
    const std::vector<ListedPoint> listed = run.listing();
    EXPECT_NEAR(listed.back().x, b.x, 0.5 * kMillimetre + 1e-7);
    EXPECT_NEAR(listed.back().y, b.y, 0.5 * kMillimetre + 1e-7);
    const double mb = std::sqrt(triangleSquareSum(observed) / truth.triangles());
    EXPECT_NEAR(run.number(box::kMeanError), mb, 0.005 + 1e-6 * mb);
  }
}

// The order in which each procedure writes its result boxes before the listing.
struct WriteOrder {
  KnownKind kind;
  std::vector<std::string> boxes;
};

const WriteOrder kWriteOrders[] = {
    {K::FullFromA, {"Text13", "Text14", "Text15", "Text16", "Text18", "Text17", "Text19", "Text20", "Text28"}},
    {K::NoClosingBase, {"Text13", "Text15", "Text16", "Text14", "Text18", "Text17", "Text19", "Text20", "Text28"}},
    {K::StartSideOnly, {"Text13", "Text14", "Text15", "Text16", "Text18", "Text17", "Text19", "Text20", "Text28"}},
    {K::AzimuthsOnly, {"Text13", "Text14", "Text15", "Text16", "Text18", "Text17", "Text19", "Text20", "Text28"}},
    {K::Unoriented, {"Text13", "Text14", "Text15", "Text16", "Text17"}},
    {K::BetweenCAndD, {"Text13", "Text14", "Text15", "Text16", "Text18", "Text17", "Text19", "Text20", "Text28"}},
    {K::ByEAndF, {"Text13", "Text14", "Text15", "Text16", "Text18", "Text17", "Text19", "Text20", "Text28"}},
    {K::FromCWithSide, {"Text13", "Text14", "Text15", "Text16", "Text18", "Text17", "Text19", "Text20", "Text28"}},
};

TEST(EachProcedureWrites, ItsResultBoxesInItsOwnOrder) {
  for (const WriteOrder& order : kWriteOrders) {
    const SurveyedChain chain = surveyChain(mixedChain(8), order.kind, 9.0, -4.0);
    const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
    std::vector<std::string> boxes;
    for (const std::string& write : run.resultWrites()) boxes.push_back(write.substr(0, write.find(':')));
    EXPECT_EQ(boxes, order.boxes) << nameOf(order.kind);
  }
}

}  // namespace
}  // namespace chainadj::testing
