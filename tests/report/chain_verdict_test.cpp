// What the checker reads first: the χ² bounds against the published table, the classical
// method's m0 against the procedure's own mb, the rigorous method's statistics and redundancy
// numbers, the weakest side named and checked against the grade's limit, the largest point error, the conclusion; known values with their typed decimals
// and derived ones marked 推算; a long chain's drawing on sheets that each fit their frame.
#include "report/chain_verdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "adjustment_run.h"
#include "quality/classical_statistics.h"
#include "report/chain_figure.h"
#include "report/text_report.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

QualitySettings withMethod(AdjustmentMethod method) {
  QualitySettings settings;
  settings.method = method;
  return settings;
}

// A chain of zigs and fans with errors of 2″ and a blunder-free run.
struct CheckedRun {
  explicit CheckedRun(KnownKind kind, double error = 2.0)
      : chain(surveyChain(mixedChain(7), kind, 12.5, -21.25)),
        run(answersFor(chain, withErrors(chain.truth.angles, error))) {}
  RunReport report(const QualitySettings& settings = {}) const {
    return makeRunReport(run.driver, settings, {});
  }
  SurveyedChain chain;
  AdjustmentRun run;
};

// [pvv] = Σ(v′ + v″)² over r = n + conditions is the procedure's own mb² · r: two ways to the
// same mean error.
TEST(ClassicalStatistics, GiveTheProcedureSMeanError) {
  for (KnownKind kind : {KnownKind::FullFromA, KnownKind::StartSideOnly, KnownKind::BetweenCAndD}) {
    const CheckedRun checked(kind);
    ASSERT_EQ(checked.run.outcome, RunOutcome::Adjusted);
    const RunReport report = checked.report(withMethod(AdjustmentMethod::Classical));
    EXPECT_FALSE(report.rigorous.has_value());
    const UnitWeightStatistics& s = report.statistics.unitWeight;
    const AdjustmentResult& result = checked.run.driver.lastResult();
    EXPECT_EQ(s.redundancy, report.triangleCount() + result.group.conditions());
    EXPECT_NEAR(s.m0, result.meanError, 1e-9);
    EXPECT_DOUBLE_EQ(s.sigma0, QualitySettings{}.grade.angleMeanError);
    ASSERT_TRUE(s.test);
    EXPECT_NEAR(s.test->value, s.redundancy * s.m0 * s.m0 / (s.sigma0 * s.sigma0), 1e-9);
  }
}

// The statistics of the rigorous method are the adjustment by coordinates' own, and its
// redundancy numbers add up to r (the trace of the redundancy matrix): a check of every r_i.
TEST(RigorousStatistics, AreTheAdjustmentsAndItsRedundancyNumbersSumToR) {
  for (KnownKind kind : kAllKnownKinds) {
    const CheckedRun checked(kind);
    ASSERT_EQ(checked.run.outcome, RunOutcome::Adjusted);
    const RunReport report = checked.report();
    ASSERT_TRUE(report.rigorous) << nameOf(kind) << ": " << report.method.fallback;
    const RigorousResult r = adjustRigorously(checked.run.chain(), report.kind.row,
                                              checked.run.driver.lastResult(),
                                              rigorousSettings(QualitySettings{}));
    const UnitWeightStatistics& s = report.statistics.unitWeight;
    EXPECT_EQ(s.redundancy, r.redundancy) << nameOf(kind);
    EXPECT_DOUBLE_EQ(s.pvv, r.pvv) << nameOf(kind);
    EXPECT_DOUBLE_EQ(s.m0, r.m0) << nameOf(kind);
    ASSERT_TRUE(s.test);
    EXPECT_DOUBLE_EQ(s.test->value, r.chi2.value);
    double sum = 0;
    for (const RigorousObservation& o : report.rigorous->observations) sum += o.redundancy;
    EXPECT_NEAR(sum, s.redundancy, 1e-6) << nameOf(kind);
  }
}

// Under the classical method every side has its precision as a function of the adjusted angles;
// the side of the procedure's weight function has the form's relative error, worked out the
// other way (from mlogs); the weakest of them all is named and checked against the limit.
TEST(WeakestSide, IsTheWeakestOfEverySideAndCheckedAgainstTheLimit) {
  const CheckedRun checked(KnownKind::FullFromA);
  ASSERT_EQ(checked.run.outcome, RunOutcome::Adjusted);
  const QualitySettings classical = withMethod(AdjustmentMethod::Classical);
  RunReport report = checked.report(classical);
  // n = 7 is odd: the side of triangle 4 opposite C(4), from A(4) to B(4).
  const auto& vertex = report.triangles[3].vertex;
  const ChainSide middle{std::min(vertex[0], vertex[1]), std::max(vertex[0], vertex[1])};
  const auto side = std::find_if(report.sides.begin(), report.sides.end(),
                                 [&](const SidePrecision& s) { return s.side == middle; });
  ASSERT_NE(side, report.sides.end());
  ASSERT_TRUE(side->relative && report.precision.figures->Tr);
  EXPECT_NEAR(*side->relative, *report.precision.figures->Tr, 1e-3 * *side->relative);
  const std::optional<WeakestSide> weakest = weakestSide(report);
  ASSERT_TRUE(weakest && weakest->relative);
  EXPECT_TRUE(weakest->fromEverySide);
  for (const SidePrecision& s : report.sides) {
    if (s.relative) EXPECT_GE(*s.relative, *weakest->relative);
  }
  EXPECT_LE(*weakest->relative, *side->relative);

  // A limit above the side's T fails it, and the chain with it.
  QualitySettings strict = classical;
  strict.grade.weakestSide = *weakest->relative + 1;
  RunReport failed = checked.report(strict);
  EXPECT_FALSE(weakestSide(failed)->withinLimit);
  const std::string conclusion = conclusionLine(failed);
  EXPECT_EQ(conclusion.rfind("结论：本锁检核不合格：最弱边相对中误差 1/", 0), 0u) << conclusion;

  // The precision of every side names the weakest of them.
  report.sides[3].relative = 5000.0;
  report.sides[7].relative = 4387.0;
  report.sides[9].relative = 90000.0;
  EXPECT_EQ(weakestSide(report)->side, report.sides[7].side);
  // Where no side has one, the procedure's weakest side stands in, with the form's figure.
  for (SidePrecision& s : report.sides) s.relative.reset();
  const std::optional<WeakestSide> estimated = weakestSide(report);
  ASSERT_TRUE(estimated);
  EXPECT_EQ(estimated->side, middle);
  EXPECT_EQ(estimated->relative, report.precision.figures->Tr);
  EXPECT_FALSE(estimated->fromEverySide);
}

TEST(LargestPointError, IsTheNewPointOfTheLargestMp) {
  const CheckedRun checked(KnownKind::BetweenCAndD);
  ASSERT_EQ(checked.run.outcome, RunOutcome::Adjusted);
  const RunReport report = checked.report();
  const std::optional<LargestPointError> largest = largestPointError(report);
  ASSERT_TRUE(largest);
  for (int j = report.firstListedPoint; j <= report.lastListedPoint; ++j) {
    if (const PointPrecision* p = report.newPointPrecision(j)) {
      EXPECT_LE(p->mp, largest->mp);
    }
  }
  EXPECT_EQ(report.newPointPrecision(largest->point)->mp, largest->mp);
  EXPECT_NE(report.newPointPrecision(largest->point), nullptr);
}

std::string textOf(const RunReport& report) {
  std::ostringstream out;
  writeTextReport(report, out);
  return out.str();
}

// Typed to a tenth of a millimetre, printed so; derived from C and D, marked 推算.
TEST(KnownValues, KeepTheirTypedDecimalsAndDerivedOnesAreMarked) {
  const SurveyedChain chain = surveyChain(mixedChain(7), KnownKind::BetweenCAndD, 12.5, -21.25);
  ChainAnswers answers = answersFor(chain, chain.truth.angles);
  char typed[32];
  std::snprintf(typed, sizeof typed, "%.4f", std::stod(answers.values[InputItem::Xa]) + 0.0001);
  answers.values[InputItem::Xa] = typed;
  const AdjustmentRun run(answers);
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const std::string text = textOf(makeRunReport(run.driver, {}, {}));
  EXPECT_NE(text.find(std::string(" ") + typed + "  "), std::string::npos) << typed;
  EXPECT_NE(text.find("推算（由 C、A 的坐标）"), std::string::npos);
  EXPECT_NE(text.find("推算（由 D、B 的坐标）"), std::string::npos);
}

TEST(ProjectHead, NamesTheProjectTheProgramAndToday) {
  const CheckedRun checked(KnownKind::FullFromA);
  ProjectInfo project;
  project.observer = "张三";
  project.computedOn = "2026-12-01";
  const std::string text = textOf(makeRunReport(checked.run.driver, {}, project));
  EXPECT_NE(text.find("\n观测者        张三\n"), std::string::npos);
  EXPECT_NE(text.find("\n计算日期      2026-12-01\n"), std::string::npos);
  EXPECT_NE(text.find(std::string("\n计算程序      chainadj ") + programVersion() + "\n"),
            std::string::npos);
  EXPECT_NE(text.find("计算者（签名）："), std::string::npos);
  EXPECT_EQ(makeRunReport(checked.run.driver, {}, {}).project.computedOn, todayText());
}

// 300 triangles: too long for one page; each sheet fits its frame at its scale and begins where
// the sheet before it ends, so that every point is on a sheet.
TEST(ChainSheets, CoverALongChainAndFitTheirFrame) {
  const SurveyedChain chain = surveyChain(zigZagChain(300), KnownKind::FullFromA, 12.5, -8.25);
  const AdjustmentRun run(answersFor(chain, chain.truth.angles));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const RunReport report = makeRunReport(run.driver, {}, {});
  constexpr double kWidthMm = 150, kHeightMm = 200;
  const std::vector<ChainSheet> sheets = chainSheets(report, kWidthMm, kHeightMm);
  ASSERT_GT(sheets.size(), 2u);
  EXPECT_EQ(sheets.front().firstPoint, 0);
  EXPECT_EQ(sheets.back().lastPoint, 301);
  for (std::size_t k = 0; k < sheets.size(); ++k) {
    const ChainSheet& sheet = sheets[k];
    EXPECT_EQ(sheet.number, static_cast<int>(k) + 1);
    EXPECT_LE(sheet.extent.across() * 1000 / sheet.denominator, kWidthMm);
    EXPECT_LE(sheet.extent.down() * 1000 / sheet.denominator, kHeightMm);
    // The mean side is legible on every sheet.
    EXPECT_GE(meanSideLength(report) * 1000 / sheet.denominator, kLegibleSideMm);
    if (k > 0) {
      EXPECT_EQ(sheet.firstPoint, sheets[k - 1].lastPoint - 1);
    }
  }
  // A short chain needs none.
  const CheckedRun shortChain(KnownKind::FullFromA);
  EXPECT_TRUE(chainSheets(shortChain.report(), kWidthMm, kHeightMm).empty());
}

}  // namespace
}  // namespace chainadj::testing
