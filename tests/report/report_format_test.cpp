// The pieces a report is written with: angles in degrees, minutes and seconds, the widths of
// Chinese text in a column, the round scale and scale bar of the drawing, quoted CSV names.
#include <gtest/gtest.h>

#include <sstream>

#include "report/chain_figure.h"
#include "report/coordinate_csv.h"
#include "report/report_format.h"

namespace chainadj {
namespace {

struct DmsCase {
  double degrees;
  const char* text;
};

class Dms : public ::testing::TestWithParam<DmsCase> {};

TEST_P(Dms, RoundsTheSecondsAndCarries) {
  std::string text = "[";
  appendDms(GetParam().degrees, text);
  EXPECT_EQ(text, std::string("[") + GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, Dms,
    ::testing::Values(DmsCase{53.0 + 52.0 / 60 + 0.1 / 3600, "53°52′00.10″"},
                      DmsCase{-(63.0 + 30.0 / 60 + 0.4 / 3600), "-63°30′00.40″"},
                      DmsCase{59.0 / 60 + 59.996 / 3600, "1°00′00.00″"},   // carried twice
                      DmsCase{359.0 + 59.0 / 60 + 59.994 / 3600, "359°59′59.99″"},
                      DmsCase{-0.001 / 3600, "0°00′00.00″"},               // no minus for 0
                      DmsCase{0.0, "0°00′00.00″"},
                      DmsCase{3.3e15, "3300000000000000°"},               // a typing blunder
                      DmsCase{-1e20, "-100000000000000000000°"}));

TEST(DisplayWidth, ChineseCharactersTakeTwoColumns) {
  EXPECT_EQ(displayWidth("P12"), 3);
  EXPECT_EQ(displayWidth("龙山"), 4);
  EXPECT_EQ(displayWidth("纵座标 X（米）"), 14);
  EXPECT_EQ(displayWidth("53°52′00.10″"), 12);
  EXPECT_EQ(displayWidth("\xB9\xFA"), 2);  // not UTF-8 (GBK): one column a byte
}

struct ScaleCase {
  double across, down;  // metres
  double denominator;
};

class RoundScale : public ::testing::TestWithParam<ScaleCase> {};

// A frame of 150 by 200 millimetres.
TEST_P(RoundScale, IsTheSmallestRoundScaleThatFits) {
  EXPECT_DOUBLE_EQ(roundScaleDenominator(GetParam().across, GetParam().down, 150, 200),
                   GetParam().denominator);
}

INSTANTIATE_TEST_SUITE_P(Extents, RoundScale,
                         ::testing::Values(ScaleCase{1500, 100, 10000}, ScaleCase{1501, 100, 20000},
                                           ScaleCase{3200, 4000, 25000},
                                           ScaleCase{2600, 500, 20000},
                                           ScaleCase{100000, 20000, 1000000},
                                           ScaleCase{0.05, 0.05, 1}));

TEST(ScaleBar, TakesTheLongestRoundLengthThatFits) {
  const struct { double most, length; } kCases[] = {
      {1000, 1000}, {999, 500}, {450, 200}, {199.9, 100}, {7.5, 5}, {0.3, 0.2}, {30000, 20000}};
  for (const auto& c : kCases) EXPECT_DOUBLE_EQ(roundBarLength(c.most), c.length) << c.most;
}

// One triangle A, P1, B with sides of 111.80, 111.80 and 100 m; the largest ellipse of a new
// point sets the magnification, B's does not count.
TEST(EllipseMagnification, KeepsTheLargestEllipseWithinItsSizeOnPaper) {
  RunReport report;
  report.X = {0, 100, 0};
  report.Y = {0, 50, 100};
  ReportTriangle triangle;
  triangle.vertex = {0, 1, 2};
  report.triangles = {triangle};
  report.known.points = {{'A', 0, 0, 0, {}, {}}, {'B', 0, 100, 2, {}, {}}};
  report.firstListedPoint = 1;
  report.lastListedPoint = 2;
  const struct { double semiAxis, denominator, magnification; } kCases[] = {
      {0.003, 1000, 1000},     // 5 mm on paper at most: 1667 times, rounded down
      {0.003, 100000, 10000},  // 0.3 of the mean side of 1.08 mm: 10785 times
      {10.0, 1000, 1},         // already larger than 5 mm: never made smaller
      {0.0, 1000, 0},          // no error: no ellipse
  };
  for (const auto& c : kCases) {
    const double cofactor = c.semiAxis * c.semiAxis;
    report.quality.points = {fromCofactors(1, cofactor, cofactor / 4, 0, 1.0),
                             fromCofactors(2, 100.0, 100.0, 0, 1.0)};
    EXPECT_DOUBLE_EQ(ellipseMagnification(report, c.denominator), c.magnification)
        << c.semiAxis << " m at 1:" << c.denominator;
  }
}

TEST(FigureExtent, HoldsEveryPointAndIsNeverDegenerate) {
  RunReport report;
  report.X = {100, 300, 200};
  report.Y = {50, 50, 50};
  report.known.points = {{'E', 150, 400, -1, {}, {}}};
  const FigureExtent extent = figureExtent(report);
  EXPECT_EQ(extent.minX, 100);
  EXPECT_EQ(extent.maxX, 300);
  EXPECT_EQ(extent.minY, 50);
  EXPECT_EQ(extent.maxY, 400);
  report.known.points.clear();
  report.X = {100};
  report.Y = {50};
  EXPECT_DOUBLE_EQ(figureExtent(report).across(), kSmallestFigureExtent);
  EXPECT_DOUBLE_EQ(figureExtent(report).down(), kSmallestFigureExtent);
}

TEST(CoordinateCsv, QuotesANameWithACommaOrAQuote) {
  RunReport report;
  report.names = {"A", "3#,北", "塔\"尖\"", "B"};
  report.X = {0, 1.0005, -0.0004, 3};
  report.Y = {0, 2, 2.5, 4};
  report.firstListedPoint = 1;
  report.lastListedPoint = 3;
  report.known.points = {{'A', 0, 0, 0, {}, {}}, {'B', 3, 4, 3, {}, {}}};
  // Millimetres and degrees to two decimals; the known B without them.
  report.quality.points = {fromCofactors(1, 4e-6, 1e-6, 0, 1.0), fromCofactors(2, 1e-6, 9e-6, 0, 0.5),
                           fromCofactors(3, 1e-6, 1e-6, 0, 1.0)};
  std::ostringstream csv;
  writeCoordinateCsv(report, csv);
  EXPECT_EQ(csv.str(),
            "点名,X,Y,mx,my,mp,E,F,φ\n"
            "\"3#,北\",1.000,2.000,2.00,1.00,2.24,2.00,1.00,0.00\n"
            "\"塔\"\"尖\"\"\",0.000,2.500,0.50,1.50,1.58,1.50,0.50,90.00\n"
            "B,3.000,4.000,,,,,,\n");
}

}  // namespace
}  // namespace chainadj
