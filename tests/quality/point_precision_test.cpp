// The precision of every point against a dense reference worked out the slow way: the whole
// Jacobian of the adjusted coordinates by numerical differentiation of the chain computed from
// the angles, the triangle conditions taken out of it, and the Jacobian of the procedure's
// second-group conditions (the closing azimuth, side and point as functions of the same angles,
// differentiated the same way) with its normal matrix inverted whole.
#include "quality/point_precision.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>
#include <complex>

#include "adjust/rigorous_adjustment.h"
#include "adjustment_run.h"
#include "independent_adjustment.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

constexpr double kStepSeconds = 0.01;

// The value of a second-group condition's function at the chain points: the closing azimuth
// (seconds) and the logarithm of the closing side along the last side, the closing point (B, or
// D for a chain between C and D).
double conditionFunction(ConditionKind kind, const std::vector<Point>& p, const SurveyedChain& chain) {
  const int n = chain.truth.triangles();
  const auto last = static_cast<std::size_t>(chain.truth.route[static_cast<std::size_t>(n)]);
  const auto end = static_cast<std::size_t>(n + 1);
  const auto closing = static_cast<std::size_t>(chain.hasC() && chain.hasD() ? n : n + 1);
  switch (kind) {
    case ConditionKind::Azimuth: return azimuth(p[last], p[end]) * 3600.0;
    case ConditionKind::Side: return 1e6 * std::log10(distance(p[last], p[end]));
    case ConditionKind::X: return p[closing].x;
    case ConditionKind::Y: return p[closing].y;
  }
  return 0.0;
}

double conditionDerivative(ConditionKind kind, const std::vector<Point> moved[2],
                           const SurveyedChain& chain) {
  double d = conditionFunction(kind, moved[0], chain) - conditionFunction(kind, moved[1], chain);
  if (kind == ConditionKind::Azimuth) d = wrapDegrees(d / 3600.0) * 3600.0;
  return d / (2.0 * kStepSeconds);
}

struct Case {
  KnownKind kind;
  TrueChain (*build)();
};

const Case kCases[] = {
    {KnownKind::FullFromA, [] { return mixedChain(9); }},
    {KnownKind::NoClosingBase, [] { return zigZagChain(6); }},
    {KnownKind::StartSideOnly, [] { return mixedChain(7); }},
    {KnownKind::AzimuthsOnly, [] { return mixedChain(8); }},
    {KnownKind::Unoriented, [] { return mixedChain(6); }},
    {KnownKind::BetweenCAndD, [] { return mixedChain(8); }},
    {KnownKind::FromCWithSide, [] { return mixedChain(7); }},
};

// The listed points for the angles (decimal degrees, C signed) and the signed Qa.
std::vector<Point> pointsFor(const ChainProblem& problem, const ChainAngles& angles, double qa,
                             bool fitted) {
  std::vector<Point> p = chainPoints(problem, angles, qa);
  if (!fitted) return p;
  const std::complex<double> a(problem.A.x, problem.A.y), b(problem.B.x, problem.B.y);
  const std::complex<double> end(p.back().x, p.back().y);
  for (Point& point : p) {
    const std::complex<double> fitted = a + (b - a) * (std::complex<double>(point.x, point.y) - a) / (end - a);
    point = {fitted.real(), fitted.imag()};
  }
  return p;
}

TEST(PointPrecision, AgreesWithTheDenseJacobianAndNormalMatrix) {
  for (const Case& c : kCases) {
    const SurveyedChain chain = surveyChain(c.build(), c.kind, 13.0, -9.0);
    const ChainAngles observed = withErrors(chain.truth.angles, 2.0);
    const AdjustmentRun run(answersFor(chain, observed));
    ASSERT_EQ(run.outcome, RunOutcome::Adjusted) << nameOf(c.kind);
    const AdjustmentResult& result = run.driver.lastResult();
    const ChainState& state = run.chain();
    const int n = state.n;
    const int columns = 3 * n + 2;
    const bool fitted = c.kind == KnownKind::Unoriented;

    ChainProblem problem = problemFor(chain, observed);
    problem.known.Sa = state.S[1];
    if (fitted) problem.known = {1000.0, 0.0, 90.0, 0.0, 0.0, 0.0};
    const ChainAngles adjusted = adjustedAngles(state);
    const bool qaObserved = !chain.hasC() && !fitted && state.Sg[0] != 0.0f;
    const int last = result.lastListedPoint;

    // Jacobian: rows 2(j-1), 2(j-1)+1 are X and Y of point j; columns as the coefficient table.
    // The conditions' Jacobian in the same columns.
    const int r = result.group.conditions();
    Eigen::MatrixXd jacobian = Eigen::MatrixXd::Zero(2 * last, columns);
    Eigen::MatrixXd conditionJacobian = Eigen::MatrixXd::Zero(r, columns);
    for (int k = qaObserved ? 0 : 1; k <= 3 * n; ++k) {
      std::vector<Point> moved[2];
      for (int side = 0; side < 2; ++side) {
        const double step = (side == 0 ? 1.0 : -1.0) * kStepSeconds / 3600.0;
        ChainAngles angles = adjusted;
        double qa = state.Qa;
        const auto i = static_cast<std::size_t>((k + 2) / 3);
        if (k == 0) qa += state.Sg[0] * step;
        else if (k % 3 == 1) angles.A[i] += step;
        else if (k % 3 == 2) angles.B[i] += step;
        else angles.C[i] += state.Sg[i] * step;
        moved[side] = pointsFor(problem, angles, qa, fitted);
      }
      for (int j = 1; j <= last; ++j) {
        const auto p = static_cast<std::size_t>(j);
        jacobian(2 * (j - 1), k) = (moved[0][p].x - moved[1][p].x) / (2.0 * kStepSeconds);
        jacobian(2 * (j - 1) + 1, k) = (moved[0][p].y - moved[1][p].y) / (2.0 * kStepSeconds);
      }
      for (int q = 0; q < r; ++q) {
        conditionJacobian(q, k) = conditionDerivative(result.group.all()[static_cast<std::size_t>(q)].kind, moved, chain);
      }
    }
    // Qb turns the closing direction alone, where the procedure observes it.
    for (int q = 0; q < r; ++q) {
      const Condition& condition = result.group.all()[static_cast<std::size_t>(q)];
      if (condition.a[static_cast<std::size_t>(columns - 1)] != 0.0) conditionJacobian(q, columns - 1) = state.Sg[static_cast<std::size_t>(n + 1)];
    }
    const auto lessTriangleMeans = [n](Eigen::MatrixXd m) {
      for (int i = 1; i <= n; ++i) {
        const Eigen::VectorXd mean = m.middleCols(3 * i - 2, 3).rowwise().mean();
        m.middleCols(3 * i - 2, 3).colwise() -= mean;
      }
      return m;
    };
    const Eigen::MatrixXd transformed = lessTriangleMeans(jacobian);
    const Eigen::MatrixXd rows = lessTriangleMeans(conditionJacobian);
    Eigen::MatrixXd cofactors = transformed * transformed.transpose();
    if (r > 0) {
      const Eigen::MatrixXd af = rows * jacobian.transpose();
      cofactors -= af.transpose() * (rows * rows.transpose()).ldlt().solve(af);
    }

    const std::vector<PointPrecision> precision = pointPrecisions(state, result);
    ASSERT_EQ(precision.size(), static_cast<std::size_t>(last));
    // The new points in the middle are uncertain by millimetres; a known closing point is fixed.
    EXPECT_GT(precision[static_cast<std::size_t>(last / 2)].mp, 1e-4) << nameOf(c.kind);
    if (!chain.hasD()) {
      EXPECT_LT(precision.back().mp, 1e-6) << nameOf(c.kind);
    }
    for (int j = 1; j <= last; ++j) {
      const PointPrecision& p = precision[static_cast<std::size_t>(j - 1)];
      const double scale = 1e-6 * cofactors.block(2 * (j - 1), 2 * (j - 1), 2, 2).norm() + 1e-10;
      EXPECT_EQ(p.point, j);
      EXPECT_NEAR(p.qxx, cofactors(2 * (j - 1), 2 * (j - 1)), scale) << nameOf(c.kind) << " point " << j;
      EXPECT_NEAR(p.qyy, cofactors(2 * j - 1, 2 * j - 1), scale) << nameOf(c.kind) << " point " << j;
      EXPECT_NEAR(p.qxy, cofactors(2 * (j - 1), 2 * j - 1), scale) << nameOf(c.kind) << " point " << j;
    }
  }
}

// At the closing end of a long chain the last points have the precision the adjustment by
// coordinates gives them (the procedure of row 1 is that adjustment): the last new point lies on
// the error-free base Sb and its ellipse is flat, as the first point's on Sa is, and the
// computed closing point keeps no variance at all.
TEST(PointPrecision, StaysStableAtTheClosingEndOfALongChain) {
  constexpr int kTriangles = 3000;
  const SurveyedChain chain = surveyChain(zigZagChain(kTriangles), KnownKind::FullFromA, 12.5, -8.25);
  const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const AdjustmentResult& result = run.driver.lastResult();
  const std::vector<PointPrecision> classical = pointPrecisions(run.chain(), result);
  const RigorousSolution rigorous =
      adjustByCoordinates(run.chain(), 1, result, {2.5, 0.0, 0.0});
  EXPECT_LT(classical.front().F, 5e-6);
  EXPECT_LT(classical[kTriangles - 1].F, 5e-6);
  EXPECT_LT(classical[kTriangles].mp, 1e-9);
  for (int j : {1, 2, kTriangles / 2, kTriangles - 4, kTriangles - 3, kTriangles - 2,
                kTriangles - 1, kTriangles}) {
    const PointPrecision& c = classical[static_cast<std::size_t>(j - 1)];
    const PointCofactors& q = rigorous.points[static_cast<std::size_t>(j)];
    const double scale = 1e-5 * (q.xx + q.yy);
    EXPECT_NEAR(c.qxx, q.xx, scale) << "point " << j;
    EXPECT_NEAR(c.qyy, q.yy, scale) << "point " << j;
    EXPECT_NEAR(c.qxy, q.xy, scale) << "point " << j;
    EXPECT_NEAR(c.E * c.E + c.F * c.F, c.mx * c.mx + c.my * c.my, 1e-9 * c.mp * c.mp);
  }
}

// A circle of cofactors has no direction; a long one along X lies at 0°, along Y at 90°, and the
// diagonal one at 45°.
TEST(PointPrecision, TheEllipseFollowsItsCofactors) {
  const PointPrecision round = fromCofactors(1, 4.0, 4.0, 0.0, 0.5);
  EXPECT_DOUBLE_EQ(round.E, 1.0);
  EXPECT_DOUBLE_EQ(round.F, 1.0);
  EXPECT_DOUBLE_EQ(round.mp, std::sqrt(2.0));
  EXPECT_DOUBLE_EQ(fromCofactors(1, 9.0, 1.0, 0.0, 1.0).azimuthOfE, 0.0);
  const PointPrecision alongY = fromCofactors(1, 1.0, 9.0, 0.0, 1.0);
  EXPECT_DOUBLE_EQ(alongY.azimuthOfE, 90.0);
  EXPECT_DOUBLE_EQ(alongY.E, 3.0);
  EXPECT_DOUBLE_EQ(alongY.F, 1.0);
  const PointPrecision diagonal = fromCofactors(1, 2.0, 2.0, 1.0, 1.0);
  EXPECT_NEAR(diagonal.azimuthOfE, 45.0, 1e-12);
  EXPECT_NEAR(diagonal.E, std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(diagonal.F, 1.0, 1e-12);
  EXPECT_NEAR(fromCofactors(1, 2.0, 2.0, -1.0, 1.0).azimuthOfE, 135.0, 1e-12);
}

// A point of a chain that runs away: mx and my are finite but their squares are not; mp is finite.
TEST(PointPrecision, ThePointErrorOfHugeMeanErrorsIsFinite) {
  const PointPrecision far = fromCofactors(1, 9e300, 16e300, 0.0, 1e10);
  EXPECT_DOUBLE_EQ(far.mx, 3e160);
  EXPECT_DOUBLE_EQ(far.mp, 5e160);
  EXPECT_DOUBLE_EQ(far.E, 4e160);
}

}  // namespace
}  // namespace chainadj::testing
