#include "independent_adjustment.h"

#include <cmath>
#include <stdexcept>

namespace chainadj::testing {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSecondsPerDegree = 3600.0;
constexpr double kDifferenceStepSeconds = 0.01;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

Point polar(Point from, double azimuthDegrees, double length) {
  return {from.x + length * std::cos(azimuthDegrees * kPi / 180.0),
          from.y + length * std::sin(azimuthDegrees * kPi / 180.0)};
}

double sineOf(double degrees) { return std::sin(degrees * kPi / 180.0); }

double signOf(double value) { return value > 0.0 ? 1.0 : (value < 0.0 ? -1.0 : 0.0); }

double logUnits(double length) { return 1.0e6 * std::log10(length); }

Eigen::MatrixXd numericalJacobian(const ConditionFunction& conditions, const Eigen::VectorXd& x) {
  const Eigen::VectorXd centre = conditions(x);
  Eigen::MatrixXd jacobian(centre.size(), x.size());
  for (Eigen::Index k = 0; k < x.size(); ++k) {
    Eigen::VectorXd up = x, down = x;
    up[k] += kDifferenceStepSeconds;
    down[k] -= kDifferenceStepSeconds;
    jacobian.col(k) = (conditions(up) - conditions(down)) / (2.0 * kDifferenceStepSeconds);
  }
  return jacobian;
}

Eigen::RowVectorXd numericalGradient(const ScalarFunction& function, const Eigen::VectorXd& x) {
  Eigen::RowVectorXd gradient(x.size());
  for (Eigen::Index k = 0; k < x.size(); ++k) {
    Eigen::VectorXd up = x, down = x;
    up[k] += kDifferenceStepSeconds;
    down[k] -= kDifferenceStepSeconds;
    gradient[k] = (function(up) - function(down)) / (2.0 * kDifferenceStepSeconds);
  }
  return gradient;
}

// The start of side S(i): point 0 for triangle 1, else the route point of triangle i-1.
int sideStart(const std::vector<int>& route, int i) { return i == 1 ? 0 : route[at(i - 1)]; }

int distanceAngleVertex(const std::vector<int>& route, int i) {
  return route[at(i)] == i ? sideStart(route, i) : i;
}

// The observations of a problem with corrections applied.
struct CorrectedObservations {
  ChainAngles angles;
  double qa = 0, qb = 0;
};

class ChainModel {
 public:
  explicit ChainModel(const ChainProblem& problem) : problem_(problem), n_(problem.observed.triangles()) {
    const bool observed = problem.orientationObserved;
    if (observed && !problem.C && problem.known.Qa != 0.0) free_.push_back(0);
    for (int k = 1; k <= 3 * n_; ++k) free_.push_back(k);
    if (observed && problem.known.Qb != 0.0 &&
        problem.conditions.azimuth == AzimuthCondition::ThroughQbAtB) {
      free_.push_back(3 * n_ + 1);
    }
    route_ = routeFromSigns(problem.observed);
  }

  int freeObservations() const { return static_cast<int>(free_.size()); }

  CorrectedObservations corrected(const Eigen::VectorXd& v) const {
    Eigen::VectorXd full = Eigen::VectorXd::Zero(3 * n_ + 2);
    for (std::size_t k = 0; k < free_.size(); ++k) full[free_[k]] = v[static_cast<Eigen::Index>(k)];
    const ChainAngles& observed = problem_.observed;
    CorrectedObservations result{observed, 0.0, 0.0};
    for (int i = 1; i <= n_; ++i) {
      result.angles.A[at(i)] += full[3 * i - 2] / kSecondsPerDegree;
      result.angles.B[at(i)] += full[3 * i - 1] / kSecondsPerDegree;
      const double c = observed.C[at(i)];
      result.angles.C[at(i)] = signOf(c) * (std::fabs(c) + full[3 * i] / kSecondsPerDegree);
    }
    const double qa = problem_.known.Qa, qb = problem_.known.Qb;
    result.qa = signOf(qa) * (std::fabs(qa) + full[0] / kSecondsPerDegree);
    result.qb = signOf(qb) * (std::fabs(qb) + full[3 * n_ + 1] / kSecondsPerDegree);
    return result;
  }

  Eigen::VectorXd conditions(const Eigen::VectorXd& v) const {
    const CorrectedObservations o = corrected(v);
    std::vector<double> values;
    for (int i = 1; i <= n_; ++i) {
      const double sum = o.angles.A[at(i)] + o.angles.B[at(i)] + std::fabs(o.angles.C[at(i)]);
      values.push_back((sum - 180.0) * kSecondsPerDegree);
    }
    appendSecondGroup(o, values);
    return Eigen::Map<Eigen::VectorXd>(values.data(), static_cast<Eigen::Index>(values.size()));
  }

  void appendSecondGroup(const CorrectedObservations& o, std::vector<double>& values) const {
    const std::vector<Point> p = chainPoints(problem_, o.angles, o.qa);
    const Point last = p[at(route_[at(n_)])];
    const Point end = p[at(n_ + 1)];
    const KnownData& known = problem_.known;
    const ChainConditions& conditions = problem_.conditions;
    if (conditions.azimuth != AzimuthCondition::None) {
      const double atB = conditions.azimuth == AzimuthCondition::ThroughQbAtB ? 180.0 + o.qb : 0.0;
      values.push_back(wrapDegrees(azimuth(last, end) + atB - known.Tb) * kSecondsPerDegree);
    }
    if (conditions.side) values.push_back(logUnits(distance(last, end)) - logUnits(known.Sb));
    if (conditions.coordinates) {
      const Point closing = problem_.D ? p[at(n_)] : end;
      const Point target = problem_.D ? *problem_.D : problem_.B;
      values.push_back((closing.x - target.x) * 1000.0);
      values.push_back((closing.y - target.y) * 1000.0);
    }
  }

  // log of the weighted side: the last side, or in the middle of the chain S(mid+1) for n even
  // and the side opposite C(mid) for n odd.
  double weightedSideLog(const Eigen::VectorXd& v) const {
    const CorrectedObservations o = corrected(v);
    const std::vector<Point> p = chainPoints(problem_, o.angles, o.qa);
    if (problem_.weighted == WeightedSide::Last) {
      return logUnits(distance(p[at(route_[at(n_)])], p[at(n_ + 1)]));
    }
    const int mid = n_ % 2 == 0 ? n_ / 2 : (n_ + 1) / 2;
    const int from = n_ % 2 == 0 ? route_[at(mid)] : distanceAngleVertex(route_, mid);
    return logUnits(distance(p[at(from)], p[at(mid + 1)]));
  }

  const std::vector<int>& route() const { return route_; }

 private:
  const ChainProblem& problem_;
  int n_;
  std::vector<int> free_;
  std::vector<int> route_;
};

}  // namespace

double ConditionAdjustment::meanError() const {
  return std::sqrt(sumOfSquares() / static_cast<double>(conditions));
}

ConditionAdjustment adjustByConditions(const ConditionFunction& conditions, int observations) {
  Eigen::VectorXd x = Eigen::VectorXd::Zero(observations);
  for (int iteration = 0; iteration < 30; ++iteration) {
    const Eigen::VectorXd g = conditions(x);
    const Eigen::MatrixXd G = numericalJacobian(conditions, x);
    const Eigen::VectorXd k = (G * G.transpose()).ldlt().solve(G * x - g);
    const Eigen::VectorXd next = G.transpose() * k;
    const double change = (next - x).cwiseAbs().maxCoeff();
    x = next;
    if (change < 1e-7) {
      return {x, numericalJacobian(conditions, x), static_cast<int>(g.size())};
    }
  }
  throw std::runtime_error("the independent adjustment did not converge");
}

double reciprocalWeight(const ConditionAdjustment& adjustment, const ScalarFunction& function) {
  const Eigen::RowVectorXd f = numericalGradient(function, adjustment.corrections);
  const Eigen::MatrixXd& G = adjustment.jacobian;
  const Eigen::VectorXd Gf = G * f.transpose();
  const Eigen::VectorXd solved = (G * G.transpose()).ldlt().solve(Gf);
  return f.squaredNorm() - Gf.dot(solved);
}

ChainProblem problemFor(const SurveyedChain& chain, const ChainAngles& observed) {
  const TrueChain& truth = chain.truth;
  ChainProblem problem;
  problem.A = truth.points[0];
  problem.B = truth.points[at(truth.triangles() + 1)];
  if (chain.hasC()) problem.C = chain.c;
  if (chain.hasC() && chain.hasD()) problem.D = chain.d;
  problem.known = chain.known;
  problem.observed = observed;
  ChainConditions& conditions = problem.conditions;
  if (chain.known.Tb == 0.0) {
    conditions.azimuth = AzimuthCondition::None;
  } else if (chain.closesAlongLastSide()) {
    conditions.azimuth = AzimuthCondition::AlongLastSide;
  }
  conditions.side = chain.known.Sb != 0.0;
  problem.orientationObserved = !chain.hasC();
  if (chain.kind == KnownKind::StartSideOnly) problem.weighted = WeightedSide::Last;
  return problem;
}

std::vector<int> routeFromSigns(const ChainAngles& angles) {
  const int n = angles.triangles();
  std::vector<int> route(at(n + 1), 0);
  route[1] = 1;
  for (int i = 2; i <= n; ++i) {
    const bool sameSign = signOf(angles.C[at(i)]) == signOf(angles.C[at(i - 1)]);
    route[at(i)] = sameSign ? route[at(i - 1)] : i;
  }
  return route;
}

std::vector<Point> chainPoints(const ChainProblem& problem, const ChainAngles& angles, double qa) {
  const int n = angles.triangles();
  const std::vector<int> route = routeFromSigns(angles);
  std::vector<Point> p{problem.A, problem.C ? *problem.C
                                            : polar(problem.A, problem.known.Ta + qa, problem.known.Sa)};
  for (int i = 1; i <= n; ++i) {
    const Point turnPoint = p[at(route[at(i)])];
    const Point aVertex = p[at(distanceAngleVertex(route, i))];
    const double length =
        distance(turnPoint, aVertex) * sineOf(angles.A[at(i)]) / sineOf(angles.B[at(i)]);
    p.push_back(polar(turnPoint, azimuth(turnPoint, aVertex) + angles.C[at(i)], length));
  }
  return p;
}

ChainAngles distributedAngles(const ChainAngles& observed) {
  ChainAngles angles = observed;
  for (int i = 1; i <= observed.triangles(); ++i) {
    const double w = angles.A[at(i)] + angles.B[at(i)] + std::fabs(angles.C[at(i)]) - 180.0;
    angles.A[at(i)] -= w / 3.0;
    angles.B[at(i)] -= w / 3.0;
    angles.C[at(i)] = signOf(angles.C[at(i)]) * (std::fabs(angles.C[at(i)]) - w / 3.0);
  }
  return angles;
}

double triangleSquareSum(const ChainAngles& observed) {
  double sum = 0.0;
  for (int i = 1; i <= observed.triangles(); ++i) {
    const double w = observed.A[at(i)] + observed.B[at(i)] + std::fabs(observed.C[at(i)]) - 180.0;
    sum += std::pow(w * kSecondsPerDegree, 2) / 3.0;
  }
  return sum;
}

ProvisionalChain provisionalChain(const ChainProblem& problem) {
  const int n = problem.observed.triangles();
  ChainProblem distributed = problem;
  distributed.observed = distributedAngles(problem.observed);
  ProvisionalChain result;
  result.triangleSquareSum = triangleSquareSum(problem.observed);
  const ChainModel model(distributed);
  std::vector<double> values;
  model.appendSecondGroup(model.corrected(Eigen::VectorXd::Zero(model.freeObservations())), values);
  std::size_t k = 0;
  const ChainConditions& conditions = problem.conditions;
  if (conditions.azimuth != AzimuthCondition::None) result.azimuthSeconds = values[k++];
  if (conditions.side) result.sideUnits = values[k++];
  if (conditions.coordinates) {
    result.xMillimetres = values[k++];
    result.yMillimetres = values[k++];
  }
  const std::vector<Point> p = chainPoints(distributed, distributed.observed, problem.known.Qa);
  const int mid = n % 2 == 0 ? n / 2 : (n + 1) / 2;
  result.middlePoint = mid + 1 > n ? p[at(n + 1)] : p[at(model.route()[at(mid + 1)])];
  return result;
}

std::vector<Point> fittedPoints(const ChainProblem& problem) {
  ChainProblem assumed = problem;
  assumed.known.Sa = 1000.0;
  assumed.known.Ta = 90.0;
  const std::vector<Point> q = chainPoints(assumed, distributedAngles(problem.observed), 0.0);
  const Point a = problem.A, end = q.back();
  const double scale = distance(a, problem.B) / distance(a, end);
  const double turn = (azimuth(a, problem.B) - azimuth(a, end)) * kPi / 180.0;
  std::vector<Point> fitted;
  for (const Point& p : q) {
    const double dx = p.x - a.x, dy = p.y - a.y;
    fitted.push_back({a.x + scale * (dx * std::cos(turn) - dy * std::sin(turn)),
                      a.y + scale * (dx * std::sin(turn) + dy * std::cos(turn))});
  }
  return fitted;
}

ChainAdjustment adjustChain(const ChainProblem& problem) {
  const ChainModel model(problem);
  const ConditionAdjustment adjustment = adjustByConditions(
      [&](const Eigen::VectorXd& v) { return model.conditions(v); }, model.freeObservations());
  const CorrectedObservations o = model.corrected(adjustment.corrections);
  ChainAdjustment result;
  result.points = chainPoints(problem, o.angles, o.qa);
  result.angles = o.angles;
  result.qa = o.qa;
  result.mb = adjustment.meanError();
  result.conditions = adjustment.conditions;
  result.reciprocalWeight = reciprocalWeight(
      adjustment, [&](const Eigen::VectorXd& v) { return model.weightedSideLog(v); });
  return result;
}

}  // namespace chainadj::testing
