// An independent rigorous adjustment of a chain, for checking the procedures against a method
// that shares none of their steps: every condition (triangle closures and the second group) in
// one group, each an exact nonlinear function of the observations evaluated on coordinates,
// linearised by numerical differentiation and iterated to convergence (Eigen for the algebra).
//
// The observations are indexed like the columns of the procedures' coefficient table:
// 0 = |Qa|, 3i-2, 3i-1, 3i = A(i), B(i), |C(i)|, 3n+1 = |Qb|; corrections are in seconds and
// every observation has unit weight.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <Eigen/Dense>

#include "surveyed_chain.h"
#include "true_chain.h"

namespace chainadj::testing {

// --- The general adjustment by conditions ---------------------------------------------------

// The condition values for given corrections (seconds) of the free observations; 0 when met.
using ConditionFunction = std::function<Eigen::VectorXd(const Eigen::VectorXd& corrections)>;
using ScalarFunction = std::function<double(const Eigen::VectorXd& corrections)>;

struct ConditionAdjustment {
  Eigen::VectorXd corrections;  // v, seconds
  Eigen::MatrixXd jacobian;     // G at the solution, per second
  int conditions = 0;

  double sumOfSquares() const { return corrections.squaredNorm(); }
  // sqrt(v'v / number of conditions), seconds.
  double meanError() const;
};

// Minimises v'v subject to g(v) = 0 by Gauss-Newton iteration on the linearised conditions.
ConditionAdjustment adjustByConditions(const ConditionFunction& conditions, int observations);

// Reciprocal weight of a function F of the observations after the adjustment:
// f'f - f'G'(GG')^-1 G f, f the gradient of F per second.
double reciprocalWeight(const ConditionAdjustment& adjustment, const ScalarFunction& function);

// --- A chain and its conditions -------------------------------------------------------------

enum class AzimuthCondition {
  None,
  ThroughQbAtB,   // the direction at B, back along the last side and through Qb, against Tb
  AlongLastSide,  // the azimuth of the last side itself (from D to B) against Tb
};

struct ChainConditions {
  AzimuthCondition azimuth = AzimuthCondition::ThroughQbAtB;
  bool side = true;         // the last side against the closing base Sb
  bool coordinates = true;  // the closing point (B, or D when given) on its known place
};

// Which side's logarithm the weight function is: the side in the middle of the chain (as the
// procedures choose it: S(mid+1) for n even, the side opposite C(mid) for n odd) or the last.
enum class WeightedSide { Middle, Last };

struct ChainProblem {
  Point A, B;
  std::optional<Point> C;   // the chain starts at C, point 1, along S(1) = Sa towards A
  std::optional<Point> D;   // the coordinates close at D, point n
  KnownData known;          // Sa, Sb, Ta, Tb and the observed Qa, Qb
  ChainAngles observed;     // as typed, C signed
  ChainConditions conditions;
  bool orientationObserved = true;  // Qa and Qb (when not 0) are observations
  WeightedSide weighted = WeightedSide::Middle;
};

// The problem that the procedure of the chain's selection row solves.
ChainProblem problemFor(const SurveyedChain& chain, const ChainAngles& observed);

// Route points from the signs of the interval angles: r(1) = 1; a changed sign moves the route
// to point i, an equal sign keeps it.
std::vector<int> routeFromSigns(const ChainAngles& angles);

// The chain points 0..n+1 for the given angles and signed Qa: point 1 is C, or from A along Sa
// with the azimuth Ta + Qa; every further point from its triangle's two known vertices by the
// sine rule on their coordinate distance and the azimuth between them.
std::vector<Point> chainPoints(const ChainProblem& problem, const ChainAngles& angles, double qa);

// The closures of the second group after the triangle closures are distributed equally over
// each triangle's angles: azimuth in seconds, side in units of the sixth decimal, X and Y in
// millimetres (0 for a condition the problem does not have). `middlePoint` is route point mid+1
// of that chain.
// The first group: every triangle's closure spread equally over its three angles.
ChainAngles distributedAngles(const ChainAngles& observed);
// Sum over the triangles of w(i)^2/3, square seconds.
double triangleSquareSum(const ChainAngles& observed);

struct ProvisionalChain {
  double azimuthSeconds = 0, sideUnits = 0, xMillimetres = 0, yMillimetres = 0;
  double triangleSquareSum = 0;  // sum of w(i)^2/3, square seconds
  Point middlePoint;
};
ProvisionalChain provisionalChain(const ChainProblem& problem);

// The unoriented chain fitted between A and B: the chain of the distributed angles from A with a
// start side of 1000 and the azimuth 90, scaled and turned about A until its end lies on B.
std::vector<Point> fittedPoints(const ChainProblem& problem);

struct ChainAdjustment {
  std::vector<Point> points;  // adjusted chain points 0..n+1
  ChainAngles angles;         // adjusted, C signed
  double qa = 0;              // adjusted, signed
  double mb = 0;              // seconds
  double reciprocalWeight = 0;  // of the middle side, as the procedures choose it
  int conditions = 0;
};
ChainAdjustment adjustChain(const ChainProblem& problem);

}  // namespace chainadj::testing
