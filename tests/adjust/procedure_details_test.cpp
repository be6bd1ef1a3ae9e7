// Single effects of the procedures, run whole through the run driver: the orientation angles,
// the listing, closures near north, the weakest side of one triangle, and the data that cannot be
// adjusted.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "adjust/adjustment_messages.h"
#include "adjust/procedures.h"
#include "adjust/second_group_solution.h"
#include "adjustment_run.h"
#include "independent_adjustment.h"
#include "listed_points.h"
#include "state/chain_error.h"
#include "state/form_fields.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {


// A standard chain with errors of a few seconds, for the checks of single effects.
struct NoisyChain {
  SurveyedChain chain;
  ChainAngles observed;
  NoisyChain(double qa, double qb, double errorSeconds = 3.0, KnownKind kind = KnownKind::FullFromA)
      : chain(surveyChain(zigZagChain(4), kind, qa, qb)),
        observed(withErrors(chain.truth.angles, errorSeconds)) {}
  ChainAnswers answers() const { return answersFor(chain, observed); }
  ChainAdjustment reference() const { return adjustChain(problemFor(chain, observed)); }
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
  const ChainAdjustment rigorous = noisy.reference();
  EXPECT_LT(run.chain().Qa, 0.0);
  EXPECT_NE(run.chain().Qa, noisy.chain.known.Qa);
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
  const ChainAdjustment rigorous = noisy.reference();
  EXPECT_NEAR(run.number(box::kMeanError), rigorous.mb, 0.01 * rigorous.mb + 0.005);
}

TEST(Cm1, TheListingShowsEachPointInItsLabelsAndBoxes) {
  const NoisyChain noisy(3.0, 4.0);
  const AdjustmentRun run(noisy.answers());
  const std::vector<std::string>& events = run.platform.events();
  const auto firstListing = std::find(events.begin(), events.end(),
                                      std::string("? ") + kListingPrompt);
  ASSERT_NE(firstListing, events.end());
  EXPECT_EQ(std::vector<std::string>(firstListing, firstListing + 7),
            (std::vector<std::string>{std::string("? ") + kListingPrompt, "Label35:  N(1)",
                                      "Text21:   P1", "Label36: Xp(1)",
                                      "Text22: " + run.listing()[0].xText, "Label38: Yp(1)",
                                      "Text23: " + run.listing()[0].yText}));
  EXPECT_TRUE(
      std::regex_match(run.platform.text(box::kRelativeMeanError), std::regex("1/[1-9][0-9]*")));
}

// Tb typed just above north while the chain computes just below it.
TEST(Cm1, AnAzimuthClosureNearNorthIsAFewSecondsNotAFullCircle) {
  const TrueChain truth = zigZagChain(3);
  const double trueClosing = azimuth(truth.points[4], truth.routePoint(3));
  const double belowNorth = 360.0 - 2.0 / 3600.0;  // 359°59'58"
  SurveyedChain chain = surveyChain(truth, KnownKind::FullFromA, 10.0,
                                    wrapDegrees(belowNorth - trueClosing));
  chain.known.Tb = 1.0 / 3600.0;  // 0°00'01"
  const AdjustmentRun run(answersFor(chain, truth.angles));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  EXPECT_EQ(run.platform.text(box::kAzimuthClosure), "-3.00 秒");
  EXPECT_EQ(run.platform.text(box::kXClosure), "0.00 毫米");

  chain.known.Tb = belowNorth - 5.0 / 3600.0;  // computed 359°59'58" against known 359°59'53"
  const AdjustmentRun other(answersFor(chain, truth.angles));
  EXPECT_EQ(other.platform.text(box::kAzimuthClosure), "5.00 秒");
}

// A single triangle: the weakest side is A-B itself, fixed by the known points.
TEST(Cm1, OneTriangleHasAWeakestSideOfZeroWeightReciprocal) {
  const SurveyedChain chain = surveyChain(zigZagChain(1), KnownKind::FullFromA, 20.0, -30.0);
  const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 4.0)));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(run.platform.messages());
  EXPECT_GT(run.number(box::kMeanError), 0.5);
  EXPECT_EQ(run.platform.text(box::kReciprocalWeight), "0.000000");
  EXPECT_EQ(run.platform.text(box::kLogMeanError), "0.00 单位");
  EXPECT_EQ(run.platform.text(box::kRelativeMeanError), "1/∞");
  EXPECT_EQ(run.platform.text(box::kPointMeanError), "0.00 毫米");
}

// A single triangle without orientation angles: two angles of freedom against four conditions.
TEST(Cm1, DependentConditionsStopTheRunBeforeTheReciprocalWeight) {
  const SurveyedChain chain = surveyChain(zigZagChain(1), KnownKind::FullFromA, 0.0, 0.0);
  const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
  EXPECT_EQ(run.outcome, RunOutcome::Stopped);
  EXPECT_EQ(run.platform.messages(), std::vector<std::string>{kDependentConditionsMessage});
  EXPECT_TRUE(run.platform.written(box::kYClosure));
  EXPECT_FALSE(run.platform.written(box::kReciprocalWeight));
  EXPECT_FALSE(run.platform.written(box::kMeanError));
  EXPECT_TRUE(run.listing().empty());
}

// Every triangle turning about C: the closing side's length and azimuth fix B, so the side, the
// azimuth and the two coordinate conditions say the same thing twice.
TEST(ChainsFromC, AFanAboutCStopsWithTheDependentConditionsMessage) {
  for (KnownKind kind : {KnownKind::FromCWithAzimuth, KnownKind::FromCWithSide}) {
    const SurveyedChain chain = surveyChain(fanChain(3), kind, 0.0, 10.0);
    const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
    EXPECT_EQ(run.outcome, RunOutcome::Stopped) << nameOf(kind);
    EXPECT_EQ(run.platform.messages(), std::vector<std::string>{kDependentConditionsMessage});
    EXPECT_FALSE(run.platform.written(box::kReciprocalWeight));
  }
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
  ASSERT_EQ(driver.runOnce(), RunOutcome::Adjusted);
  platform.setResponder(respondWith(noisy.answers()));
  platform.clearEvents();
  ASSERT_EQ(driver.runOnce(), RunOutcome::Adjusted);
  for (int box : {box::kAzimuthClosure, box::kSideClosure, box::kXClosure, box::kYClosure,
                  box::kMeanError, box::kReciprocalWeight, box::kLogMeanError,
                  box::kRelativeMeanError, box::kPointMeanError, box::kPointName,
                  box::kListedX, box::kListedY}) {
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
  EXPECT_EQ(driver.runOnce(), RunOutcome::ProgramEnding);
  EXPECT_EQ(platform.label(label::kListedName), " N(2)");
  EXPECT_TRUE(platform.messages().empty());
}

TEST(Cm2, ClosesLikeCm1WithoutTheSideCondition) {
  const ChainAngles observed = withErrors(mixedChain(8).angles, 3.0);
  const SurveyedChain withBase = surveyChain(mixedChain(8), KnownKind::FullFromA, 7.0, 19.0);
  const SurveyedChain withoutBase = surveyChain(mixedChain(8), KnownKind::NoClosingBase, 7.0, 19.0);
  const AdjustmentRun cm1(answersFor(withBase, observed));
  const AdjustmentRun cm2(answersFor(withoutBase, observed));
  ASSERT_EQ(cm1.driver.lastSelection(), 1);
  ASSERT_EQ(cm2.driver.lastSelection(), 2);
  for (int box : {box::kAzimuthClosure, box::kXClosure, box::kYClosure}) {
    EXPECT_EQ(cm2.platform.text(box), cm1.platform.text(box)) << box;
  }
  EXPECT_NE(cm2.platform.text(box::kMeanError), cm1.platform.text(box::kMeanError));
  EXPECT_NE(cm2.platform.text(box::kReciprocalWeight), cm1.platform.text(box::kReciprocalWeight));
}

// E and F due north, east, south and west of A and B give the azimuths of the axes exactly.
TEST(Cm7, OrientationPointsOnTheAxesGiveTheAxisAzimuths) {
  const TrueChain truth = mixedChain(5);
  const Point a = truth.points[0], b = truth.points[6];
  const struct { double x, y, azimuth; } kAxes[] = {
      {800.0, 0.0, 0.0}, {0.0, 800.0, 90.0}, {-800.0, 0.0, 180.0}, {0.0, -800.0, 270.0}};
  for (const auto& axis : kAxes) {
    const double qa = wrapDegrees(azimuth(a, truth.points[1]) - axis.azimuth);
    const double qb = wrapDegrees(axis.azimuth - azimuth(b, truth.routePoint(5)));
    SurveyedChain chain = surveyChain(truth, KnownKind::ByEAndF, qa, qb);
    chain.e = {a.x + axis.x, a.y + axis.y};
    chain.f = {b.x + axis.x, b.y + axis.y};
    const AdjustmentRun run(answersFor(chain, truth.angles));
    ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << axis.azimuth;
    EXPECT_EQ(run.chain().Ta, axis.azimuth);
    EXPECT_EQ(run.chain().Tb, axis.azimuth);
    EXPECT_EQ(run.platform.text(box::kStartSide), " 800.000");
    EXPECT_EQ(run.platform.text(box::kClosingSide), " 800.000");
    EXPECT_EQ(run.platform.text(box::kAzimuthClosure), "0.00 秒") << axis.azimuth;
    expectTruePointsListed(run, chain);
  }
}

TEST(Cm8, ShowsTheStartSideRoundedInPlainDigits) {
  SurveyedChain chain = surveyChain(fanChain(3), KnownKind::ByEWithTb, 12.0, 5.0);
  chain.known.Sa = 1234.5;
  const AdjustmentRun run(answersFor(chain, chain.truth.angles));
  EXPECT_EQ(run.platform.text(box::kStartSide), " 1234.5");
}

// The chains that start at C do not use Qa: whatever it holds, the results are the same.
TEST(ChainsFromC, QaHasNoEffect) {
  for (KnownKind kind : {KnownKind::BetweenCAndD, KnownKind::FromCWithAzimuth,
                         KnownKind::FromCWithSide}) {
    const SurveyedChain chain = surveyChain(mixedChain(7), kind, 0.0, 6.5);
    ChainState entered;
    ProcedureTable keep{};
    keep.fill([](ChainState&, Platform&, AdjustmentResult&) {});
    static ChainState* capture = nullptr;
    capture = &entered;
    keep[static_cast<std::size_t>(selectionRow(kind) - 1)] =
        [](ChainState& c, Platform&, AdjustmentResult&) { *capture = c; };
    ScriptedPlatform entry;
    entry.setResponder(respondWith(answersFor(chain, withErrors(chain.truth.angles, 2.0))));
    RunDriver(entry, keep).runOnce();

    std::vector<std::string> shown[2];
    for (int k = 0; k < 2; ++k) {
      ChainState copy = entered;
      copy.Qa = k == 0 ? 0.0 : 33.5;
      copy.Sg[0] = k == 0 ? 0.0f : 1.0f;
      ScriptedPlatform platform;
      platform.setResponder([](const std::string&) { return std::string(); });
      AdjustmentResult result;
      selectedProcedures()[static_cast<std::size_t>(selectionRow(kind) - 1)](copy, platform, result);
      shown[k] = platform.events();
    }
    EXPECT_FALSE(shown[0].empty()) << nameOf(kind);
    EXPECT_EQ(shown[0], shown[1]) << nameOf(kind);
  }
}

// Data a procedure cannot adjust: its message, and no result box written.
struct Refusal {
  const char* what;
  KnownKind kind;
  TrueChain (*build)();
  void (*spoil)(SurveyedChain&);
  const char* message;
};

const Refusal kRefusals[] = {
    {"OneTriangleBetweenCAndD", KnownKind::BetweenCAndD, [] { return zigZagChain(1); },
     [](SurveyedChain&) {}, kOneTriangleBetweenCAndDMessage},
    {"LastTriangleFansAboutAnotherPoint", KnownKind::BetweenCAndD, [] { return mixedChain(6); },
     [](SurveyedChain&) {}, kLastTriangleNotAtDMessage},
    {"NoStartBaseForEAndF", KnownKind::ByEAndF, [] { return zigZagChain(3); },
     [](SurveyedChain& c) { c.known.Sa = 0.0; }, kStartSideNotPositiveMessage},
    {"NoClosingBaseForEAndF", KnownKind::ByEAndF, [] { return zigZagChain(3); },
     [](SurveyedChain& c) { c.known.Sb = 0.0; }, kClosingSideNotPositiveMessage},
    {"NoClosingBaseForE", KnownKind::ByEWithTb, [] { return zigZagChain(3); },
     [](SurveyedChain& c) { c.known.Sb = 0.0; }, kClosingSideNotPositiveMessage},
    {"NoClosingBaseFromCWithAzimuth", KnownKind::FromCWithAzimuth, [] { return zigZagChain(3); },
     [](SurveyedChain& c) { c.known.Sb = 0.0; }, kClosingSideNotPositiveMessage},
    {"NoClosingBaseFromCWithSide", KnownKind::FromCWithSide, [] { return zigZagChain(3); },
     [](SurveyedChain& c) { c.known.Sb = 0.0; }, kClosingSideNotPositiveMessage},
    {"EOnA", KnownKind::ByEAndF, [] { return zigZagChain(3); },
     [](SurveyedChain& c) { c.e = c.truth.points[0]; }, kEOnAMessage},
};

TEST(DataThatCannotBeAdjusted, StopsBeforeAnyResultIsWritten) {
  for (const Refusal& refusal : kRefusals) {
    SurveyedChain chain = surveyChain(refusal.build(), refusal.kind, 8.0, 6.0);
    refusal.spoil(chain);
    const AdjustmentRun run(answersFor(chain, chain.truth.angles));
    EXPECT_EQ(run.outcome, RunOutcome::Stopped) << refusal.what;
    EXPECT_EQ(run.platform.messages(), std::vector<std::string>{refusal.message}) << refusal.what;
    EXPECT_TRUE(run.resultWrites().empty()) << refusal.what;
  }
}

TEST(DataThatCannotBeAdjusted, AChainScaledOntoAAndBNeedsBApartFromA) {
  for (KnownKind kind : {KnownKind::AzimuthsOnly, KnownKind::Unoriented}) {
    SurveyedChain chain = surveyChain(zigZagChain(3), kind, 8.0, 6.0);
    ChainAnswers answers = answersFor(chain, chain.truth.angles);
    answers.set(InputItem::Xb, answers.values[InputItem::Xa]);
    answers.set(InputItem::Yb, answers.values[InputItem::Ya]);
    const AdjustmentRun run(answers);
    EXPECT_EQ(run.outcome, RunOutcome::Stopped) << nameOf(kind);
    EXPECT_EQ(run.platform.messages(), std::vector<std::string>{kCoincidentAAndBMessage});
    EXPECT_TRUE(run.listing().empty());
  }
}

// Two coordinate conditions that say the same thing cannot be solved in closed form.
TEST(ClosedFormSolution, DependentConditionsStopBeforeTheReciprocalWeight) {
  SecondGroup group(1);
  CoefficientRow row = group.emptyRow();
  row[1] = 1.0;
  row[2] = -0.5;
  row[3] = -0.5;
  CoefficientRow twice = row;
  for (double& a : twice) a *= 2.0;
  group.add({ConditionKind::X, row, 1.0, 1.0});
  group.add({ConditionKind::Y, twice, 2.0, 2.0});
  group.setWeightFunction(row);
  ScriptedPlatform platform;
  try {
    solveTwoConditionsInClosedForm(group, platform);
    FAIL() << "dependent conditions solved";
  } catch (const ChainError& error) {
    EXPECT_EQ(std::string(error.what()), kDependentConditionsMessage);
  }
  EXPECT_FALSE(platform.written(box::kReciprocalWeight));
}

TEST(Cm4, ShowsMlogsWithoutAUnit) {
  const SurveyedChain chain = surveyChain(mixedChain(6), KnownKind::AzimuthsOnly, 5.0, -7.0);
  const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
  EXPECT_TRUE(
      std::regex_match(run.platform.text(box::kLogMeanError), std::regex("[0-9]+\\.[0-9]{2}")))
      << run.platform.text(box::kLogMeanError);
}

TEST(Cm5, WritesItsMeanErrorAfterTheListingAndLeavesThePrecisionBoxes) {
  const SurveyedChain chain = surveyChain(zigZagChain(3), KnownKind::Unoriented, 0.0, 0.0);
  const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
  const std::vector<std::string>& events = run.platform.events();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().rfind("Text17: ", 0), 0u);
  for (int box : {box::kReciprocalWeight, box::kLogMeanError, box::kRelativeMeanError,
                  box::kPointMeanError}) {
    EXPECT_FALSE(run.platform.written(box)) << box;
  }
}

}  // namespace
}  // namespace chainadj::testing
