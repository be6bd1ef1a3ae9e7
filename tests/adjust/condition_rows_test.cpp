// The transformed coefficient rows of the second group.
#include "adjust/condition_rows.h"

#include <gtest/gtest.h>

#include <cmath>

#include "adjust/chain_ends.h"
#include "adjust/adjustment_messages.h"
#include "chain_state_builder.h"
#include "independent_adjustment.h"
#include "state/angles.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

using testing::ChainAngles;
using testing::Point;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

struct Rows {
  testing::TrueChain truth = testing::mixedChain(7);
  testing::SurveyedChain surveyed = testing::surveyChain(truth, testing::KnownKind::FullFromA, 11.0, -6.0);
  testing::KnownData known = surveyed.known;
  ChainState chain = testing::chainStateFromA(surveyed);
  SecondGroup group{chain.n};
  ChainPass pass = runChainPass(chain, fromAToB(chain).routeStart(chain));
  CoordinateTarget target = fromAToB(chain).coordinateTarget(chain, pass);
};

double triangleSum(const CoefficientRow& row, int i) {
  return row[at(columnOfA(i))] + row[at(columnOfB(i))] + row[at(columnOfC(i))];
}

TEST(ConditionRows, TheAzimuthRowHoldsSinglePrecisionThirds) {
  Rows rows;
  rows.chain.Sg[3] = 0.0f;
  const CoefficientRow row = azimuthRow(rows.chain, rows.group);
  const double third = static_cast<double>(1.0f / 3.0f);          // 0.3333333432674408
  const double twoThirds = static_cast<double>(1.0f - 1.0f / 3.0f);  // 0.6666666269302368
  EXPECT_EQ(third, 0.3333333432674408);
  EXPECT_EQ(twoThirds, 0.66666662693023682);
  for (int i = 1; i <= rows.chain.n; ++i) {
    const double sign = rows.chain.Sg[at(i)];
    EXPECT_EQ(row[at(columnOfA(i))], -sign * third) << "triangle " << i;
    EXPECT_EQ(row[at(columnOfB(i))], -sign * third) << "triangle " << i;
    EXPECT_EQ(row[at(columnOfC(i))], sign * twoThirds) << "triangle " << i;
  }
  EXPECT_EQ(row[0], 0.0);
  EXPECT_EQ(row[at(columnOfQb(rows.chain.n))], 0.0);
}

TEST(ConditionRows, EveryTriangleOfEveryRowSumsToZero) {
  Rows rows;
  const CoordinateRows coordinates =
      coordinateRows(rows.chain, rows.pass, rows.target, rows.group);
  for (const CoefficientRow& row : {sideRow(rows.chain, rows.group), coordinates.x, coordinates.y,
                                    middleSideWeightRow(rows.chain, rows.group)}) {
    for (int i = 1; i <= rows.chain.n; ++i) EXPECT_NEAR(triangleSum(row, i), 0.0, 1e-12);
  }
}

// Moving one second from B(i) to A(i) (or to C(i)) keeps triangle i closed; the transformed
// coefficients must predict what that does to the closing point.
TEST(ConditionRows, CoordinateRowsPredictTheMoveOfTheClosingPoint) {
  Rows rows;
  const CoordinateRows coordinates =
      coordinateRows(rows.chain, rows.pass, rows.target, rows.group);
  testing::ChainProblem problem;
  problem.A = rows.truth.points[0];
  problem.B = rows.truth.points[at(8)];
  problem.known = rows.known;
  problem.observed = rows.truth.angles;
  const double step = 0.5 / 3600.0;
  for (int i = 1; i <= rows.chain.n; ++i) {
    for (bool towardC : {false, true}) {
      ChainAngles up = rows.truth.angles, down = rows.truth.angles;
      const double sign = rows.chain.Sg[at(i)];
      if (towardC) {
        up.C[at(i)] += sign * step;
        down.C[at(i)] -= sign * step;
      } else {
        up.A[at(i)] += step;
        down.A[at(i)] -= step;
      }
      up.B[at(i)] -= step;
      down.B[at(i)] += step;
      const Point high = testing::chainPoints(problem, up, rows.known.Qa)[8];
      const Point low = testing::chainPoints(problem, down, rows.known.Qa)[8];
      const int column = towardC ? columnOfC(i) : columnOfA(i);
      const double predictedX = coordinates.x[at(column)] - coordinates.x[at(columnOfB(i))];
      const double predictedY = coordinates.y[at(column)] - coordinates.y[at(columnOfB(i))];
      EXPECT_NEAR((high.x - low.x) * 434.29, predictedX, 1e-4 * std::fabs(predictedX) + 1e-4)
          << "triangle " << i << (towardC ? " C" : " A");
      EXPECT_NEAR((high.y - low.y) * 434.29, predictedY, 1e-4 * std::fabs(predictedY) + 1e-4)
          << "triangle " << i << (towardC ? " C" : " A");
    }
  }
}

TEST(ConditionRows, OrientationColumnsGoToTheConditionsPresent) {
  Rows rows;
  rows.group.add({ConditionKind::Azimuth, azimuthRow(rows.chain, rows.group), 0.0, 0.0});
  CoordinateRows coordinates = coordinateRows(rows.chain, rows.pass, rows.target, rows.group);
  rows.group.add({ConditionKind::X, coordinates.x, 0.0, 0.0});
  rows.group.add({ConditionKind::Y, coordinates.y, 0.0, 0.0});
  addOrientationColumns(rows.group, rows.chain, rows.target);
  const ChainState& c = rows.chain;
  const std::size_t qb = at(columnOfQb(c.n));
  EXPECT_EQ(rows.group.find(ConditionKind::Azimuth)->a[0], 1.0);
  EXPECT_EQ(rows.group.find(ConditionKind::Azimuth)->a[qb], -1.0);
  EXPECT_DOUBLE_EQ(rows.group.find(ConditionKind::X)->a[0], (c.Yb - c.Ya) * -2.1055 / 1000.0);
  EXPECT_DOUBLE_EQ(rows.group.find(ConditionKind::Y)->a[0], (c.Xb - c.Xa) * 2.1055 / 1000.0);
  EXPECT_EQ(rows.group.find(ConditionKind::X)->a[qb], 0.0);
  EXPECT_EQ(rows.group.find(ConditionKind::Side), nullptr);
}

TEST(ConditionRows, TheWeightFunctionIsTheMiddleSide) {
  EXPECT_EQ(middleTriangle(1), 1);
  EXPECT_EQ(middleTriangle(2), 1);
  EXPECT_EQ(middleTriangle(7), 4);
  EXPECT_EQ(middleTriangle(10), 5);

  Rows rows;  // n = 7: triangles 1..3 by their sides, triangle 4 by its interval angle
  const CoefficientRow row = middleSideWeightRow(rows.chain, rows.group);
  const CoefficientRow side = sideRow(rows.chain, rows.group);
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(row[at(k)], side[at(k)]) << "column " << k;
  const double dC = 2.1055 / std::tan(rows.chain.C[4] * rows.chain.rho);
  const double mean = (rows.chain.dB[4] + dC) / 3.0;
  EXPECT_EQ(row[at(columnOfA(4))], -mean);
  EXPECT_EQ(row[at(columnOfB(4))], rows.chain.dB[4] - mean);
  EXPECT_EQ(row[at(columnOfC(4))], dC - mean);
  for (int k = 13; k < rows.group.columns(); ++k) EXPECT_EQ(row[at(k)], 0.0) << "column " << k;
}

TEST(ConditionRows, AMiddleIntervalAngleWithoutTangentStopsTheRun) {
  Rows rows;
  rows.chain.C[4] = 0.0;
  try {
    middleSideWeightRow(rows.chain, rows.group);
    FAIL();
  } catch (const ChainError& error) {
    EXPECT_EQ(error.what(), zeroIntervalAngleTangentMessage(4));
  }
}

}  // namespace
}  // namespace chainadj
