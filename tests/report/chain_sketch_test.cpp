// The sketch of a chain before it is adjusted: an equilateral chain whose points are known, the
// point an interval angle of the wrong sign misplaces, the example chain next to its adjusted
// points, and the note of a chain that cannot be run yet.
#include "report/chain_sketch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "entry/chain_file_reader.h"
#include "entry/chain_preview.h"
#include "entry/variant_selection.h"

namespace chainadj::testing {
namespace {

constexpr double kTenthOfMillimetre = 1e-4;
const double kHeight = 50.0 * std::sqrt(3.0);  // of an equilateral triangle of side 100 m

// Two equilateral triangles of side 100 m from A (1000, 2000) east along Sa to P1, then south
// to P2 and B: the start side and azimuth only (row 3).
constexpr const char* kEquilateralChain =
    "Xa 1000\nYa 2000\nXb 913.39746\nYb 2150\n"
    "Sa 100\nSb 0\nTag y\nTa 90\nTbG n\nQa 0\nQb 0\n"
    "point A\npoint P1\npoint P2\npoint B\n"
    "60 60 -60\n60 60 60\n";

ChainData equilateral() { return parseChainData(kEquilateralChain); }

struct PointAt {
  int point;
  double x, y;
};

void expectPoints(const RunReport& report, std::initializer_list<PointAt> points) {
  for (const PointAt& p : points) {
    const auto k = static_cast<std::size_t>(p.point);
    EXPECT_NEAR(report.X.at(k), p.x, kTenthOfMillimetre) << "point " << p.point;
    EXPECT_NEAR(report.Y.at(k), p.y, kTenthOfMillimetre) << "point " << p.point;
  }
}

TEST(ChainSketch, EquilateralChainHasItsPointsNamesAndTriangles) {
  const ChainSketch sketch = sketchChain(equilateral());
  ASSERT_TRUE(sketch.report) << sketch.note;
  EXPECT_EQ(sketch.note, "");
  const RunReport& report = *sketch.report;
  expectPoints(report, {{0, 1000, 2000}, {1, 1000, 2100}, {2, 1000 - kHeight, 2050},
                        {3, 1000 - kHeight, 2150}});
  EXPECT_EQ(report.names, (std::vector<std::string>{"A", "P1", "P2", "B"}));
  ASSERT_EQ(report.triangleCount(), 2);
  EXPECT_EQ(report.kind.row, 3);
  EXPECT_TRUE(report.isKnownPoint(0));
  EXPECT_TRUE(report.isKnownPoint(3));
  // No precision: a sketch has no ellipses.
  EXPECT_TRUE(report.quality.points.empty());
  EXPECT_EQ(report.newPointPrecision(1), nullptr);
}

// C(1) typed positive turns the chain north of the start side instead of south: the provisional
// pass shows it, although the adjustment cannot close on B.
TEST(ChainSketch, WrongSignOfAnIntervalAngleMisplacesItsPoint) {
  ChainData data = equilateral();
  data.triangles[0][2] = "60";
  const ChainSketch sketch = sketchChain(data);
  ASSERT_TRUE(sketch.report) << sketch.note;
  expectPoints(*sketch.report, {{1, 1000, 2100}, {2, 1000 + kHeight, 2050}, {3, 1000 + kHeight, 2150}});
}

TEST(ChainSketch, SwappedNamesStayWithTheirPoints) {
  ChainData data = equilateral();
  std::swap(data.names[1], data.names[2]);
  const ChainSketch sketch = sketchChain(data);
  ASSERT_TRUE(sketch.report) << sketch.note;
  EXPECT_EQ(sketch.report->pointLabel(1), "P2");
  expectPoints(*sketch.report, {{1, 1000, 2100}});
}

// The example chain's provisional points lie within its closures of the adjusted ones, and are
// not the adjusted ones.
TEST(ChainSketch, ExampleChainLiesNearItsAdjustedPoints) {
  const ChainData data = readChainFile(CHAINADJ_EXAMPLE_CHAIN);
  const ChainSketch sketch = sketchChain(data);
  ASSERT_TRUE(sketch.report) << sketch.note;
  const RunReport& report = *sketch.report;
  ASSERT_EQ(report.X.size(), 7u);
  EXPECT_EQ(report.pointLabel(0), "龙山");
  EXPECT_EQ(report.pointLabel(6), "虎岭");
  EXPECT_NEAR(report.X[0], 31250.000, kTenthOfMillimetre);
  EXPECT_NEAR(report.Y[0], 48760.000, kTenthOfMillimetre);
  constexpr double kClosureMetres = 1.0;
  EXPECT_NEAR(report.X[6], 33246.344, kClosureMetres);
  EXPECT_NEAR(report.Y[6], 51343.082, kClosureMetres);
}

ChainData withoutTriangles() {
  ChainData data = equilateral();
  data.triangles.clear();
  return data;
}

ChainData withAnEmptyAngle() {
  ChainData data = equilateral();
  data.triangles[1][1] = "";
  return data;
}

ChainData withTooLargeAClosure() {
  ChainData data = equilateral();
  data.triangles[0] = {"1", "179", "179"};  // A(1) freed of w/3 would be below zero
  return data;
}

// Sa without a start azimuth fits no row: the run says so.
ChainData fittingNoRow() {
  ChainData data = equilateral();
  data.values[InputItem::Tag] = "n";
  return data;
}

struct RefusedChain {
  const char* what;
  ChainData (*data)();
  const char* reason;  // in the note after the prefix
};

const RefusedChain kRefused[] = {
    {"no triangles", withoutTriangles, "还没有三角形"},
    {"an empty angle", withAnEmptyAngle, "第 2 个三角形的三个角没有输入完整"},
    {"a closure too large", withTooLargeAClosure, "第 1 个三角形"},
    {"no row", fittingNoRow, kNoVariantMessage},
};

TEST(ChainSketch, ChainThatCannotBeRunHasANoteInstead) {
  for (const RefusedChain& refused : kRefused) {
    SCOPED_TRACE(refused.what);
    const ChainData data = refused.data();
    const ChainSketch sketch = sketchChain(data);
    EXPECT_FALSE(sketch.report);
    EXPECT_EQ(sketch.note.rfind(kSketchRefusedPrefix, 0), 0u) << sketch.note;
    EXPECT_NE(sketch.note.find(refused.reason), std::string::npos) << sketch.note;
    if (const std::optional<std::string> refusal = runRefusal(data)) {
      EXPECT_EQ(sketch.note, kSketchRefusedPrefix + *refusal);
    }
  }
}

}  // namespace
}  // namespace chainadj::testing
