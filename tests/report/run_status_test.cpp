// The window's one-line verdict and the boxes it draws in red, from a report's checks.
#include <gtest/gtest.h>

#include "report/run_status.h"
#include "state/form_fields.h"

namespace chainadj::testing {
namespace {

constexpr double kTriangleLimit = 9.0;  // seconds, 四等

// A classical report of `n` triangles of 四等 whose closures `over` are over the limit.
RunReport reportWith(int n, const std::vector<int>& over) {
  RunReport report;
  report.triangles.resize(static_cast<std::size_t>(n));
  ClosureReport& closures = report.quality.closures;
  for (int i = 1; i <= n; ++i) {
    const bool isOver = std::find(over.begin(), over.end(), i) != over.end();
    closures.triangles.push_back({i, {isOver ? 12.0 : 1.0, kTriangleLimit}});
  }
  closures.angleMeanError = {1.0, 2.5};
  closures.conditions = {{ConditionKind::Azimuth, {3.0, 10.0}}, {ConditionKind::Side, {4.0, 20.0}}};
  PrecisionFigures figures;
  figures.Tr = 80000.0;
  report.precision.figures = figures;
  return report;
}

TEST(RunStatus, SaysWhatIsOverItsLimitInOneLine) {
  struct Case {
    const char* what;
    RunReport report;
    std::string line;
  };
  RunReport azimuth = reportWith(4, {});
  azimuth.quality.closures.conditions[0].check.closure = 11.0;
  RunReport weak = reportWith(4, {});
  weak.precision.figures->Tr = 4387.0;
  const Case cases[] = {
      {"passes", reportWith(4, {}), "检核合格（四等，条件分组平差）"},
      {"one triangle", reportWith(4, {3}), "超限：三角形 3 的闭合差（四等，条件分组平差）"},
      {"several in chain order", reportWith(12, {9, 2, 5}),
       "超限：三角形 2、5、9 的闭合差（四等，条件分组平差）"},
      {"more than are named", reportWith(12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
       "超限：三角形 1、2、3、4、5、6、7、8 等 10 个三角形的闭合差（四等，条件分组平差）"},
      {"a condition", azimuth, "超限：方位角条件闭合差超限（四等，条件分组平差）"},
  };
  for (const Case& c : cases) EXPECT_EQ(runStatusLine(c.report), c.line) << c.what;
  EXPECT_EQ(runStatusLine(weak).rfind("超限：最弱边相对中误差 1/4387 低于限差 1/40000", 0), 0u)
      << runStatusLine(weak);
}

TEST(RunStatus, TheBoxesOverTheirLimits) {
  EXPECT_TRUE(formBoxesOverLimit(reportWith(4, {})).empty());
  // w(3) is not what the form shows last: Text25 holds w(4).
  EXPECT_TRUE(formBoxesOverLimit(reportWith(4, {3})).empty());
  EXPECT_EQ(formBoxesOverLimit(reportWith(4, {4})), std::vector<int>{box::kTriangleClosure});
  RunReport all = reportWith(4, {4});
  all.quality.closures.conditions[0].check.closure = -11.0;
  all.quality.closures.conditions[1].check.closure = 25.0;
  all.quality.closures.angleMeanError.closure = 3.0;
  all.precision.figures->Tr = 39999.0;
  EXPECT_EQ(formBoxesOverLimit(all),
            (std::vector<int>{box::kAzimuthClosure, box::kSideClosure, box::kMeanError,
                              box::kRelativeMeanError, box::kTriangleClosure}));
  // 1/∞: no relative error to be over.
  all.precision.figures->Tr.reset();
  EXPECT_EQ(formBoxesOverLimit(all).size(), 4u);
}

}  // namespace
}  // namespace chainadj::testing
