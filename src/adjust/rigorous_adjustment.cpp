#include "adjust/rigorous_adjustment.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "adjust/adjustment_messages.h"
#include "adjust/coordinate_normals.h"
#include "adjust/rigorous_equations.h"
#include "adjust/selected_inversion.h"
#include "state/chain_error.h"
#include "state/constants.h"

namespace chainadj {
namespace {

constexpr int kMaxIterations = 20;
constexpr double kConvergedChangeMetres = 1e-5;  // 0.01 mm
// A pivot of the factor at most this share of its diagonal element of N: the unknowns are not
// determined (a constraint's weight of 1e8 leaves the others some 1e-8 of it).
constexpr double kSingularPivotShare = 1e-12;
// A coordinate change within this share of the coordinate's a-priori mean error is rounding.
constexpr double kRoundingShare = 1e-6;
// A redundancy number below this: the observation is not checked by the others.
constexpr double kUncheckedRedundancy = 1e-6;
constexpr double kRadiansPerSecond = std::numbers::pi / 180.0 / kSecondsPerDegree;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// One equation at the solution: its correction (computed minus observed, its unit) and its
// redundancy number.
struct EquationResult {
  double correction = 0, redundancy = 0;
};

class CoordinateAdjustment {
 public:
  CoordinateAdjustment(RigorousNetwork net, double sigma0Seconds)
      : net_(std::move(net)), normals_(net_), coordinates_(net_), sigma0_(sigma0Seconds) {}

  void iterate() {
    if (normals_.unknowns() == 0) {
      converged_ = true;
      return;
    }
    while (iterations_ < kMaxIterations && !converged_) {
      inverse_.reset();
      assemble();
      if (iterations_ == 0) factor_.analyzePattern(normals_.matrix());
      factor_.factorize(normals_.matrix());
      requireDeterminedUnknowns();
      const Eigen::VectorXd dx = factor_.solve(normals_.rightHandSide());
      ++iterations_;
      applyChange(dx);
      converged_ = lastChange_ < kConvergedChangeMetres ||
                   (iterations_ >= 2 && withinTheRoundingOfTheSolution(dx));
    }
    if (!inverse_) inverse_ = std::make_unique<SelectedInverse>(factor_);
  }

  RigorousSolution solution() const {
    RigorousSolution s;
    const int points = net_.points();
    s.X.resize(at(points));
    s.Y.resize(at(points));
    s.known.assign(at(points), false);
    for (int p = 0; p < points; ++p) {
      s.X[at(p)] = coordinates_.x(p);
      s.Y[at(p)] = coordinates_.y(p);
      s.known[at(p)] = net_.unknownOf[at(p)] < 0;
    }
    s.points = pointCofactors();
    s.sides = sideCofactors(s.points);
    describeObservations(s);
    s.redundancy = net_.equations() - normals_.unknowns();
    s.sigma0 = sigma0_;
    s.m0 = s.redundancy > 0 ? std::sqrt(s.pvv / s.redundancy) : 0.0;
    s.iterations = iterations_;
    s.converged = converged_;
    s.lastChange = lastChange_;
    return s;
  }

 private:
  void assemble() {
    normals_.clear();
    const double inverseSigma = 1.0 / net_.angleSigma;
    const double inverseSigmas[3] = {inverseSigma, inverseSigma, inverseSigma};
    for (int i = 1; i <= net_.triangles; ++i) {
      Linearised angles[3];
      double misclosures[3];
      for (int k = 0; k < 3; ++k) {
        angles[k] = triangleAngle(net_, coordinates_, i, k);
        misclosures[k] = misclosure(Measure::Angle, net_.observedAngles[at(i)][at(k)],
                                    angles[k].value);
      }
      normals_.addElement(angles, misclosures, inverseSigmas, 3);
    }
    for (const EndEquation& end : net_.ends) {
      const Linearised equation = endEquation(end, coordinates_);
      const double m = misclosure(end.measure, end.observed, equation.value);
      const double inverse = 1.0 / end.sigma;
      normals_.addElement(&equation, &m, &inverse, 1);
    }
  }

  void requireDeterminedUnknowns() const {
    if (factor_.info() != Eigen::Success) throw ChainError(kSingularCoordinateNormalsMessage);
    const Eigen::VectorXd& d = factor_.vectorD();
    const auto& permuted = factor_.permutationP().indices();
    const double* values = normals_.matrix().valuePtr();
    for (int j = 0; j < normals_.unknowns(); ++j) {
      const double pivot = d[permuted.size() == 0 ? j : permuted[j]];
      const double diagonal = values[normals_.position(j, j)];
      if (!std::isfinite(pivot) || !std::isfinite(diagonal)) {
        throw ChainError(kNonFiniteCoordinatesMessage);
      }
      if (!(pivot > kSingularPivotShare * diagonal)) {
        throw ChainError(kSingularCoordinateNormalsMessage);
      }
    }
  }

  void applyChange(const Eigen::VectorXd& dx) {
    lastChange_ = 0.0;
    for (std::size_t p = 0; p < coordinates_.dX.size(); ++p) {
      const int k = net_.unknownOf[p];
      if (k < 0) continue;
      coordinates_.dX[p] += dx[2 * k];
      coordinates_.dY[p] += dx[2 * k + 1];
      lastChange_ = std::max({lastChange_, std::fabs(dx[2 * k]), std::fabs(dx[2 * k + 1])});
      if (!std::isfinite(coordinates_.dX[p]) || !std::isfinite(coordinates_.dY[p])) {
        throw ChainError(kNonFiniteCoordinatesMessage);
      }
    }
  }

  // The normal equations of a very long chain are ill-conditioned (some 1e19 at 100 000
  // triangles): its middle, uncertain by kilometres, is solved only to some 1e-8 of that, and its
  // changes stay there however often the iteration goes on. A change within a millionth of every
  // unknown's own a-priori mean error (or below 0.01 mm) is that rounding.
  bool withinTheRoundingOfTheSolution(const Eigen::VectorXd& dx) {
    inverse_ = std::make_unique<SelectedInverse>(factor_);
    for (Eigen::Index j = 0; j < dx.size(); ++j) {
      const double change = std::fabs(dx[j]);
      const int unknown = static_cast<int>(j);
      if (change >= kConvergedChangeMetres &&
          change > kRoundingShare * std::sqrt((*inverse_)(unknown, unknown))) {
        return false;
      }
    }
    return true;
  }

  // Square metres per square second of unit weight from the selected inverse, which is in
  // square metres for observations of unit variance after their weighting.
  double cofactorScale() const { return 1.0 / (sigma0_ * sigma0_); }

  double inverse(int point, int coordinate, int other, int otherCoordinate) const {
    const int i = normals_.unknownOf(point, coordinate);
    const int j = normals_.unknownOf(other, otherCoordinate);
    return i < 0 || j < 0 ? 0.0 : (*inverse_)(i, j) * cofactorScale();
  }

  std::vector<PointCofactors> pointCofactors() const {
    std::vector<PointCofactors> points(at(net_.points()));
    if (!inverse_) return points;
    for (std::size_t p = 0; p < points.size(); ++p) {
      const int q = static_cast<int>(p);
      points[p] = {inverse(q, 0, q, 0), inverse(q, 0, q, 1), inverse(q, 1, q, 1)};
    }
    return points;
  }

  std::vector<SideCofactors> sideCofactors(const std::vector<PointCofactors>& points) const {
    std::vector<SideCofactors> sides;
    sides.reserve(net_.sides.size());
    for (const ChainSide& side : net_.sides) {
      SideCofactors c;
      c.side = side;
      if (inverse_) {
        c.xx = inverse(side.from, 0, side.to, 0);
        c.xy = inverse(side.from, 0, side.to, 1);
        c.yx = inverse(side.from, 1, side.to, 0);
        c.yy = inverse(side.from, 1, side.to, 1);
      }
      const PointCofactors& f = points[at(side.from)];
      const PointCofactors& t = points[at(side.to)];
      c.difference = {f.xx + t.xx - 2.0 * c.xx, f.xy + t.xy - c.xy - c.yx, f.yy + t.yy - 2.0 * c.yy};
      sides.push_back(c);
    }
    return sides;
  }

  // The leverage a Z a' of an equation whose gradient, divided by its mean error, is a.
  double leverage(const Linearised& l, double inverseSigma) const {
    if (!inverse_) return 0.0;
    int unknown[6];
    double a[6];
    int used = 0;
    for (int s = 0; s < 2 * l.pointCount; ++s) {
      const int u = normals_.unknownOf(l.points[at(s / 2)], s % 2);
      if (u < 0) continue;
      unknown[used] = u;
      a[used++] = l.gradient[at(s)] * inverseSigma;
    }
    double h = 0.0;
    for (int r = 0; r < used; ++r) {
      h += a[r] * a[r] * (*inverse_)(unknown[r], unknown[r]);
      for (int c = 0; c < r; ++c) h += 2.0 * a[r] * a[c] * (*inverse_)(unknown[r], unknown[c]);
    }
    return h;
  }

  EquationResult result(const Linearised& l, Measure measure, double observed,
                        double sigma) const {
    return {-misclosure(measure, observed, l.value), 1.0 - leverage(l, 1.0 / sigma)};
  }

  void describeObservations(RigorousSolution& s) const {
    s.observations.reserve(at(net_.equations()));
    double sumOfSquares = 0.0;  // of the corrections over their mean errors
    for (int i = 1; i <= net_.triangles; ++i) {
      for (int k = 0; k < 3; ++k) {
        const EquationResult r = result(triangleAngle(net_, coordinates_, i, k), Measure::Angle,
                                        net_.observedAngles[at(i)][at(k)], net_.angleSigma);
        sumOfSquares += std::pow(r.correction / net_.angleSigma, 2);
        RigorousObservation o;
        o.kind = static_cast<ObservationKind>(k);
        o.triangle = i;
        o.observed = net_.typedAngles[at(i)][at(k)];
        o.correction = r.correction / kRadiansPerSecond;
        o.meanError = sigma0_;
        o.redundancy = r.redundancy;
        o.w = standardised(r, net_.angleSigma);
        s.observations.push_back(o);
      }
    }
    for (const EndEquation& end : net_.ends) {
      const EquationResult r = result(endEquation(end, coordinates_), end.measure, end.observed, end.sigma);
      sumOfSquares += std::pow(r.correction / end.sigma, 2);
      describeParts(end, r, s.observations);
    }
    s.pvv = sumOfSquares * sigma0_ * sigma0_;
  }

  static std::optional<double> standardised(const EquationResult& r, double sigma) {
    if (!(r.redundancy > kUncheckedRedundancy)) return std::nullopt;
    return r.correction / (sigma * std::sqrt(r.redundancy));
  }

  // The parts of an end equation share its correction and its redundancy by their variances;
  // their standardised corrections are the equation's.
  static void describeParts(const EndEquation& end, const EquationResult& r,
                            std::vector<RigorousObservation>& out) {
    const double unit = end.measure == Measure::Distance ? 1.0 : kRadiansPerSecond;
    const double variance = end.sigma * end.sigma;
    const std::optional<double> w = end.constraint ? std::nullopt : standardised(r, end.sigma);
    for (int k = 0; k < end.partCount; ++k) {
      const ObservedPart& part = end.parts[at(k)];
      const double share = end.constraint ? 1.0 : part.variance / variance;
      const double magnitudeSign = part.value < 0.0 ? -1.0 : 1.0;
      const double sign = part.sign * magnitudeSign;
      RigorousObservation o;
      o.kind = part.kind;
      o.observed = part.value;
      o.correction = sign * share * r.correction / unit;
      o.constraint = end.constraint;
      o.meanError = std::sqrt(part.variance) / unit;
      o.redundancy = end.constraint ? 0.0 : share * r.redundancy;
      if (w) o.w = sign * *w;
      out.push_back(o);
    }
  }

  RigorousNetwork net_;
  CoordinateNormals normals_;
  ChainCoordinates coordinates_;
  double sigma0_;
  SparseFactor factor_;
  std::unique_ptr<SelectedInverse> inverse_;
  int iterations_ = 0;
  bool converged_ = false;
  double lastChange_ = 0;
};

}  // namespace

RigorousSolution adjustByCoordinates(const ChainState& chain, int row,
                                     const AdjustmentResult& classical,
                                     const RigorousSettings& settings) {
  const bool complete = row >= 1 && row <= 10 && chain.n >= 1 &&
                        classical.points.X.size() >= static_cast<std::size_t>(chain.n + 2) &&
                        classical.points.route.size() == static_cast<std::size_t>(chain.n + 1) &&
                        chain.typed.size() == static_cast<std::size_t>(chain.n + 1);
  if (!complete) throw ChainError(kNoClassicalChainMessage);
  if (!(settings.angleMeanError > 0.0)) throw ChainError(kRigorousAngleMeanErrorMessage);
  CoordinateAdjustment adjustment(buildRigorousNetwork(chain, row, classical, settings),
                                  settings.angleMeanError);
  adjustment.iterate();
  return adjustment.solution();
}

}  // namespace chainadj
