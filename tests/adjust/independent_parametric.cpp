#include "independent_parametric.h"

#include <cmath>
#include <functional>
#include <stdexcept>

namespace chainadj::testing {
namespace {

constexpr double kSecondsPerDegree = 3600.0;
constexpr double kStepMetres = 1e-3;
constexpr double kConstraintShare = 1e-4;  // a constraint's mean error beside an angle's

std::size_t at(int index) { return static_cast<std::size_t>(index); }

struct Equation {
  std::string kind;
  int triangle = 0;
  std::function<double(const std::vector<Point>&)> compute;  // degrees or metres
  double observed = 0;
  double sigma = 0;      // degrees or metres
  bool angular = true;   // differences wrap at 360
};

// The interior angle at `vertex` between the directions to the two others, degrees.
double angleAt(const std::vector<Point>& p, int vertex, int one, int other) {
  return std::fabs(wrapDegrees(azimuth(p[at(vertex)], p[at(other)]) -
                               azimuth(p[at(vertex)], p[at(one)])));
}

class DenseModel {
 public:
  DenseModel(const SurveyedChain& chain, const ChainAngles& observed, const DenseSettings& s)
      : chain_(chain), s_(s), n_(observed.triangles()) {
    route_ = chain.truth.route;
    addTriangles(observed);
    addEnds();
  }

  const std::vector<Equation>& equations() const { return equations_; }

 private:
  double angleSigma() const { return s_.angleSeconds / kSecondsPerDegree; }

  void addTriangles(const ChainAngles& observed) {
    for (int i = 1; i <= n_; ++i) {
      const int c = route_[at(i)], b = i + 1, a = chain_.truth.distanceAngleVertex(i);
      equations_.push_back({"A", i, [=](const auto& p) { return angleAt(p, a, c, b); },
                            observed.A[at(i)], angleSigma()});
      equations_.push_back({"B", i, [=](const auto& p) { return angleAt(p, b, a, c); },
                            observed.B[at(i)], angleSigma()});
      equations_.push_back({"C", i, [=](const auto& p) { return angleAt(p, c, a, b); },
                            std::fabs(observed.C[at(i)]), angleSigma()});
    }
  }

  // A direction with a typed value of error mα and an orientation angle of error mβ (if not 0);
  // free of both it is held by a constraint.
  double directionSigma(bool typed, double orientation) const {
    const double alpha = typed ? s_.azimuthSeconds / kSecondsPerDegree : 0.0;
    const double beta = orientation != 0.0 ? angleSigma() : 0.0;
    const double sigma = std::hypot(alpha, beta);
    return sigma > 0.0 ? sigma : kConstraintShare * angleSigma();
  }

  double baseSigma(double length) const {
    return s_.baseMillimetres > 0.0 ? s_.baseMillimetres / 1000.0
                                    : kConstraintShare * angleSigma() * 3.14159265358979323846 /
                                          180.0 * length;
  }

  void addEnds() {
    const KnownData& k = chain_.known;
    const Point a = chain_.truth.points[0], b = chain_.truth.points[at(n_ + 1)];
    const int last = route_[at(n_)];
    const bool typedTa = !present(chain_.e), typedTb = !present(chain_.f);
    if (!chain_.hasC() && k.Ta != 0.0) {
      const double ta = typedTa ? k.Ta : azimuth(a, chain_.e);
      equations_.push_back({"Ta+Qa", 0, [](const auto& p) { return azimuth(p[0], p[1]); },
                            ta + k.Qa, directionSigma(typedTa, k.Qa)});
    }
    if (!chain_.hasD() && k.Tb != 0.0) {
      const double tb = typedTb ? k.Tb : azimuth(b, chain_.f);
      const int end = n_ + 1;
      equations_.push_back({"Tb-Qb", 0, [=](const auto& p) { return azimuth(p[at(end)], p[at(last)]); },
                            tb - k.Qb, directionSigma(typedTb, k.Qb)});
    }
    if (!chain_.hasC() && k.Sa != 0.0) {
      equations_.push_back({"Sa", 0, [](const auto& p) { return distance(p[0], p[1]); }, k.Sa,
                            baseSigma(k.Sa), false});
    }
    if (!chain_.hasD() && k.Sb != 0.0) {
      const int end = n_ + 1;
      equations_.push_back({"Sb", 0, [=](const auto& p) { return distance(p[at(last)], p[at(end)]); },
                            k.Sb, baseSigma(k.Sb), false});
    }
  }

  static bool present(Point p) { return p.x != 0.0 || p.y != 0.0; }

  const SurveyedChain& chain_;
  DenseSettings s_;
  int n_;
  std::vector<int> route_;
  std::vector<Equation> equations_;
};

double misclosure(const Equation& e, const std::vector<Point>& p) {
  const double d = e.observed - e.compute(p);
  return e.angular ? wrapDegrees(d) : d;
}

}  // namespace

Eigen::Matrix2d DenseAdjustment::differenceCofactors(int from, int to) const {
  Eigen::MatrixXd g = Eigen::MatrixXd::Zero(2, cofactors.rows());
  if (to >= 0 && unknownOf[at(to)] >= 0) g.middleCols(unknownOf[at(to)], 2) += Eigen::Matrix2d::Identity();
  if (from >= 0 && unknownOf[at(from)] >= 0) g.middleCols(unknownOf[at(from)], 2) -= Eigen::Matrix2d::Identity();
  return g * cofactors * g.transpose();
}

DenseAdjustment adjustDensely(const SurveyedChain& chain, const ChainAngles& observed,
                              const DenseSettings& settings) {
  const int n = observed.triangles();
  const DenseModel model(chain, observed, settings);
  const std::vector<Equation>& equations = model.equations();
  DenseAdjustment result;
  result.points = chain.truth.points;
  result.unknownOf.assign(at(n + 2), -1);
  int unknowns = 0;
  for (int j = 1; j <= n; ++j) {
    if ((j == 1 && chain.hasC()) || (j == n && chain.hasD())) continue;
    result.unknownOf[at(j)] = unknowns;
    unknowns += 2;
  }
  const auto m = static_cast<Eigen::Index>(equations.size());
  Eigen::MatrixXd J(m, unknowns);
  Eigen::VectorXd l(m);
  const auto linearise = [&] {
    for (Eigen::Index r = 0; r < m; ++r) {
      const Equation& e = equations[at(static_cast<int>(r))];
      l[r] = misclosure(e, result.points) / e.sigma;
      for (int j = 0; j < n + 2; ++j) {
        const int u = result.unknownOf[at(j)];
        if (u < 0) continue;
        for (int c = 0; c < 2; ++c) {
          std::vector<Point> up = result.points, down = result.points;
          (c == 0 ? up[at(j)].x : up[at(j)].y) += kStepMetres;
          (c == 0 ? down[at(j)].x : down[at(j)].y) -= kStepMetres;
          const double d = e.angular ? wrapDegrees(e.compute(up) - e.compute(down))
                                     : e.compute(up) - e.compute(down);
          J(r, u + c) = d / (2.0 * kStepMetres) / e.sigma;
        }
      }
    }
  };
  for (int iteration = 0;; ++iteration) {
    if (iteration == 30) throw std::runtime_error("the dense adjustment did not converge");
    linearise();
    const Eigen::VectorXd dx = (J.transpose() * J).ldlt().solve(J.transpose() * l);
    for (int j = 0; j < n + 2; ++j) {
      const int u = result.unknownOf[at(j)];
      if (u < 0) continue;
      result.points[at(j)].x += dx[u];
      result.points[at(j)].y += dx[u + 1];
    }
    if (dx.size() == 0 || dx.cwiseAbs().maxCoeff() < 1e-9) break;
  }
  linearise();
  const Eigen::MatrixXd inverse = (J.transpose() * J).inverse();
  const double angleSigmaSeconds = settings.angleSeconds;
  result.cofactors = inverse / (angleSigmaSeconds * angleSigmaSeconds);
  const Eigen::MatrixXd hat = J * inverse * J.transpose();
  double pvv = 0.0;
  for (Eigen::Index r = 0; r < m; ++r) {
    const Equation& e = equations[at(static_cast<int>(r))];
    const double v = -l[r] * e.sigma;  // computed minus observed
    pvv += l[r] * l[r];
    result.observations.push_back({e.kind, e.triangle, e.angular ? v * kSecondsPerDegree : v,
                                   1.0 - hat(r, r)});
  }
  result.redundancy = static_cast<int>(m) - unknowns;
  result.m0 = angleSigmaSeconds * std::sqrt(pvv / result.redundancy);
  return result;
}

}  // namespace chainadj::testing
