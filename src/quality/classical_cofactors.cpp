#include "quality/classical_cofactors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

#include <Eigen/Dense>

#include "state/constants.h"

namespace chainadj {
namespace {

constexpr int kMaxConditions = 4;
constexpr int kFeatures = 4;  // u, v, Re Pw, Im Pw

using Complex = std::complex<double>;
using Features = std::array<double, kFeatures>;
using Rows = std::array<double, kMaxConditions>;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// One angle of a triangle: w its turn (imaginary) and scale (real) of the chain beyond, per
// second, with the triangle's mean taken out; P the triangle's route point (from A).
struct Column {
  Complex w;
  Complex pw;       // P w
  Complex closing;  // (z_t - P) w: how it moves the point the coordinate conditions close on
  Rows a{};         // the conditions' rows at this angle

  Features features() const { return {w.real(), w.imag(), pw.real(), pw.imag()}; }
};

// Sums over the angles of a run of triangles of g g' and of a_r g, g the features of an angle.
struct FeatureSums {
  std::array<Features, kFeatures> gram{};
  std::array<Features, kMaxConditions> rows{};

  void add(const Column& c, int conditions) {
    const Features g = c.features();
    for (std::size_t r = 0; r < kFeatures; ++r) {
      for (std::size_t k = 0; k < kFeatures; ++k) gram[r][k] += g[r] * g[k];
    }
    for (std::size_t r = 0; r < at(conditions); ++r) {
      for (std::size_t k = 0; k < kFeatures; ++k) rows[r][k] += c.a[r] * g[k];
    }
  }
};

// The same for one complex number h per angle.
struct PairSums {
  double xx = 0, xy = 0, yy = 0;
  std::array<Complex, kMaxConditions> rows{};

  void add(Complex h, const Rows& a, int conditions) {
    xx += h.real() * h.real();
    xy += h.real() * h.imag();
    yy += h.imag() * h.imag();
    for (std::size_t r = 0; r < at(conditions); ++r) rows[r] += a[r] * h;
  }
};

// A gradient whose angle components are f = c w + alpha P w: its X part is x . g and its Y part
// y . g.
struct FeatureWeights {
  Features x, y;
};

FeatureWeights weights(Complex c, Complex alpha) {
  return {{c.real(), -c.imag(), alpha.real(), -alpha.imag()},
          {c.imag(), c.real(), alpha.imag(), alpha.real()}};
}

double form(const std::array<Features, kFeatures>& gram, const Features& a, const Features& b) {
  double sum = 0.0;
  for (std::size_t r = 0; r < kFeatures; ++r) {
    double row = 0.0;
    for (std::size_t k = 0; k < kFeatures; ++k) row += gram[r][k] * b[k];
    sum += a[r] * row;
  }
  return sum;
}

double dot(const Features& a, const Features& b) {
  double sum = 0.0;
  for (std::size_t k = 0; k < kFeatures; ++k) sum += a[k] * b[k];
  return sum;
}

// The sums of the X and Y gradients of a point or a coordinate difference that make its
// cofactors: f'f for X, Y and their product, and A f for each condition.
struct GradientSums {
  double xx = 0, xy = 0, yy = 0;
  Rows ax{}, ay{};

  void addFeatures(const FeatureSums& s, const FeatureWeights& c, int conditions) {
    xx += form(s.gram, c.x, c.x);
    yy += form(s.gram, c.y, c.y);
    xy += form(s.gram, c.x, c.y);
    for (std::size_t r = 0; r < at(conditions); ++r) {
      ax[r] += dot(s.rows[r], c.x);
      ay[r] += dot(s.rows[r], c.y);
    }
  }

  // Angles moving the point by factor * h.
  void addPairs(const PairSums& s, Complex factor, int conditions) {
    const double fr = factor.real(), fi = factor.imag();
    xx += fr * fr * s.xx - 2.0 * fr * fi * s.xy + fi * fi * s.yy;
    yy += fr * fr * s.yy + 2.0 * fr * fi * s.xy + fi * fi * s.xx;
    xy += fr * fr * s.xy + fr * fi * (s.xx - s.yy) - fi * fi * s.xy;
    for (std::size_t r = 0; r < at(conditions); ++r) {
      const Complex moved = factor * s.rows[r];
      ax[r] += moved.real();
      ay[r] += moved.imag();
    }
  }

  // One column moving the point by f.
  void addColumn(Complex f, const Rows& a, int conditions) {
    xx += f.real() * f.real();
    yy += f.imag() * f.imag();
    xy += f.real() * f.imag();
    for (std::size_t r = 0; r < at(conditions); ++r) {
      ax[r] += a[r] * f.real();
      ay[r] += a[r] * f.imag();
    }
  }
};

double quadraticForm(const Eigen::Matrix4d& inverse, const Rows& left, const Rows& right) {
  double sum = 0.0;
  for (std::size_t i = 0; i < kMaxConditions; ++i) {
    for (std::size_t j = 0; j < kMaxConditions; ++j) {
      sum += left[i] * inverse(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(j)) * right[j];
    }
  }
  return sum;
}

std::array<double, 3> lessMean(std::array<double, 3> t) {
  const double mean = (t[0] + t[1] + t[2]) / 3.0;
  for (double& value : t) value -= mean;
  return t;
}

bool hasColumn(const Condition& condition, int column) {
  return condition.a[at(column)] != 0.0;
}

class CofactorModel {
 public:
  CofactorModel(const ChainState& chain, const AdjustmentResult& result)
      : chain_(chain), result_(result), n_(chain.n), conditions_(result.group.conditions()),
        perSecond_(chain.rho / kSecondsPerDegree) {
    cotangents_.resize(at(n_ + 1));
    for (int i = 1; i <= n_; ++i) {
      cotangents_[at(i)] = {1.0 / std::tan(chain.rho * chain.A[at(i)]),
                            1.0 / std::tan(chain.rho * chain.B[at(i)])};
    }
    findTarget();
    qaObserved_ = result.start == FirstTurn::AtNewPoint && !result.fitted && chain.Sg[0] != 0.0f;
    orientationColumns();
    invertNormalMatrix();
    accumulateFromTheEnd();
  }

  std::vector<PointCofactors> points() const {
    std::vector<PointCofactors> points;
    points.reserve(at(std::max(result_.lastListedPoint, 0)));
    FeatureSums before;  // the triangles before point m
    for (int m = 1; m <= result_.lastListedPoint; ++m) {
      if (m >= 2) addTriangle(before, m - 1);
      points.push_back(project(pointSums(before, m)));
    }
    return points;
  }

  std::vector<std::optional<PointCofactors>> sides(const std::vector<ChainSide>& sides) const {
    const std::vector<PointCofactors> listed = points();
    std::vector<std::optional<PointCofactors>> result(sides.size());
    std::vector<std::vector<std::size_t>> startingAt(at(n_ + 2));
    for (std::size_t s = 0; s < sides.size(); ++s) {
      const ChainSide& side = sides[s];
      if (known(side.from) && known(side.to)) continue;
      if (known(side.from) || known(side.to)) {
        const int other = known(side.from) ? side.to : side.from;
        if (other >= 1 && other <= static_cast<int>(listed.size())) result[s] = listed[at(other - 1)];
        continue;
      }
      startingAt[at(side.from)].push_back(s);
    }
    FeatureSums before;
    for (int m = 1; m <= n_ + 1; ++m) {
      if (m >= 2) addTriangle(before, m - 1);
      for (std::size_t s : startingAt[at(m)]) result[s] = project(differenceSums(before, sides[s]));
    }
    return result;
  }

 private:
  Complex z(int point) const {
    return {result_.points.X[at(point)] - chain_.Xa, result_.points.Y[at(point)] - chain_.Ya};
  }

  bool known(int point) const {
    return point == 0 || point == n_ + 1 || (point == 1 && chain_.hasC()) ||
           (point == n_ && chain_.hasD());
  }

  ConditionKind kind(int r) const { return result_.group.all()[at(r)].kind; }

  // The point the coordinate conditions close on (D, point n, for a chain between C and D; B,
  // point n+1, otherwise) where the chain has them, at its place in the adjusted chain.
  void findTarget() {
    for (int r = 0; r < conditions_; ++r) {
      if (kind(r) == ConditionKind::X) rowX_ = r;
      if (kind(r) == ConditionKind::Y) rowY_ = r;
    }
    if (rowX_ < 0 || rowY_ < 0 || result_.fitted) return;
    target_ = chain_.hasC() && chain_.hasD() ? n_ : n_ + 1;
    zTarget_ = z(target_);
  }

  bool hasTarget() const { return target_ > 0; }

  // The rows of Qa and Qb where the procedure has them: Qa turns the whole chain about A, Qb only
  // the closing direction.
  void orientationColumns() {
    const int qb = columnOfQb(n_);
    for (int r = 0; r < conditions_; ++r) {
      const Condition& c = result_.group.all()[at(r)];
      if (hasColumn(c, kColumnOfQa)) {
        const Complex moved = qaColumn(zTarget_);
        qaRow_[at(r)] = kind(r) == ConditionKind::Azimuth ? qaTurn()
                        : kind(r) == ConditionKind::X     ? moved.real()
                        : kind(r) == ConditionKind::Y     ? moved.imag()
                                                          : 0.0;
      }
      if (hasColumn(c, qb)) qbRow_[at(r)] = perSecond_ * chain_.Sg[at(n_ + 1)];
    }
  }

  // The conditions' rows are the gradients of the conditions' functions at the adjusted chain,
  // as the points' are: the closing azimuth turns with every interval angle (Im w), the closing
  // side scales with every triangle (Re w), the closing point moves by (z_t - P) w.
  Rows rowsAt(const Column& c, int i) const {
    Rows a{};
    for (int r = 0; r < conditions_; ++r) {
      switch (kind(r)) {
        case ConditionKind::Azimuth: a[at(r)] = c.w.imag(); break;
        case ConditionKind::Side: a[at(r)] = c.w.real(); break;
        case ConditionKind::X: a[at(r)] = i < target_ ? c.closing.real() : 0.0; break;
        case ConditionKind::Y: a[at(r)] = i < target_ ? c.closing.imag() : 0.0; break;
      }
    }
    return a;
  }

  std::array<Column, 3> columns(int i) const {
    const auto [cotA, cotB] = cotangents_[at(i)];
    const std::array<double, 3> u = lessMean({perSecond_ * cotA, -perSecond_ * cotB, 0.0});
    const std::array<double, 3> v = lessMean({0.0, 0.0, perSecond_ * chain_.Sg[at(i)]});
    const Complex p = z(result_.points.route[at(i)]);
    std::array<Column, 3> columns;
    for (std::size_t k = 0; k < 3; ++k) {
      Column& c = columns[k];
      c.w = {u[k], v[k]};
      c.pw = p * c.w;
      if (hasTarget() && i < target_) c.closing = (zTarget_ - p) * c.w;
      c.a = rowsAt(c, i);
    }
    return columns;
  }

  void addTriangle(FeatureSums& sums, int i) const {
    for (const Column& c : columns(i)) sums.add(c, conditions_);
  }

  void invertNormalMatrix() {
    Eigen::Matrix4d n = Eigen::Matrix4d::Zero();
    const auto add = [&](const Rows& a) {
      for (int r = 0; r < conditions_; ++r) {
        for (int c = 0; c < conditions_; ++c) n(r, c) += a[at(r)] * a[at(c)];
      }
    };
    for (int i = 1; i <= n_; ++i) {
      for (const Column& c : columns(i)) add(c.a);
    }
    add(qaRow_);
    add(qbRow_);
    inverse_.setZero();
    if (conditions_ == 0) return;
    const Eigen::MatrixXd block = n.topLeftCorner(conditions_, conditions_);
    inverse_.topLeftCorner(conditions_, conditions_) =
        block.ldlt().solve(Eigen::MatrixXd::Identity(conditions_, conditions_));
  }

  // What the triangles from a point on contribute, summed from the closing end: how they move
  // the closing point (a point taken from there), or for a fitted chain their turn and scale
  // about B.
  void accumulateFromTheEnd() {
    after_.assign(at(n_ + 2), PairSums{});
    if (!hasTarget() && !result_.fitted) return;
    const Complex b = z(n_ + 1);
    for (int i = n_; i >= 1; --i) {
      after_[at(i)] = after_[at(i + 1)];
      for (const Column& c : columns(i)) {
        const Complex h = result_.fitted ? c.pw - b * c.w : c.closing;
        after_[at(i)].add(h, c.a, conditions_);
      }
    }
  }

  double qaTurn() const { return perSecond_ * chain_.Sg[0]; }

  // Qa turns the whole chain about A.
  Complex qaColumn(Complex lever) const { return Complex(0.0, qaTurn()) * lever; }

  GradientSums pointSums(const FeatureSums& before, int m) const {
    const Complex zm = z(m);
    if (result_.fitted) return fittedPointSums(before, m, zm);
    GradientSums fromA;
    fromA.addFeatures(before, weights(zm, -1.0), conditions_);
    if (qaObserved_) fromA.addColumn(qaColumn(zm), qaRow_, conditions_);
    if (!hasTarget() || m > target_) return fromA;
    // Less the closing point's gradient: the triangles before m move m relative to it as a
    // whole, those from m on move the closing point alone.
    GradientSums fromTarget;
    fromTarget.addFeatures(before, weights(zm - zTarget_, 0.0), conditions_);
    fromTarget.addPairs(after_[at(m)], -1.0, conditions_);
    if (qaObserved_) fromTarget.addColumn(qaColumn(zm - zTarget_), qaRow_, conditions_);
    return fromTarget.xx + fromTarget.yy < fromA.xx + fromA.yy ? fromTarget : fromA;
  }

  // The fitted point is A + (B - A) zeta, zeta = (q - A)/(q_end - A): a triangle before it moves
  // it by ((z - P) - zeta (B - P)) w, one after it by -zeta (B - P) w.
  GradientSums fittedPointSums(const FeatureSums& before, int m, Complex zm) const {
    const Complex b = z(n_ + 1);
    const Complex zeta = zm / b;
    GradientSums sums;
    sums.addFeatures(before, weights(zm - zeta * b, -(1.0 - zeta)), conditions_);
    sums.addPairs(after_[at(m)], zeta, conditions_);
    return sums;
  }

  // The coordinate difference of a side between two new points p < q: the triangles before p
  // turn and scale it as a whole, those from p to q move q alone (and a fitted chain's fit moves
  // it with the whole chain).
  GradientSums differenceSums(const FeatureSums& before, const ChainSide& side) const {
    const int p = side.from, q = side.to;
    const Complex dz = z(q) - z(p), zq = z(q);
    const Complex b = z(n_ + 1);
    const Complex dzeta = result_.fitted ? dz / b : 0.0;
    GradientSums sums;
    sums.addFeatures(before, weights(dz - dzeta * b, dzeta), conditions_);
    for (int i = p; i < q; ++i) {
      const Complex lever = z(result_.points.route[at(i)]);
      for (const Column& c : columns(i)) {
        sums.addColumn(((zq - lever) - dzeta * (b - lever)) * c.w, c.a, conditions_);
      }
    }
    if (result_.fitted) sums.addPairs(after_[at(q)], dzeta, conditions_);
    if (qaObserved_) sums.addColumn(qaColumn(dz), qaRow_, conditions_);
    return sums;
  }

  PointCofactors project(const GradientSums& s) const {
    return {s.xx - quadraticForm(inverse_, s.ax, s.ax), s.xy - quadraticForm(inverse_, s.ax, s.ay),
            s.yy - quadraticForm(inverse_, s.ay, s.ay)};
  }

  const ChainState& chain_;
  const AdjustmentResult& result_;
  int n_;
  int conditions_;
  double perSecond_;  // radians per second of arc
  std::vector<std::array<double, 2>> cotangents_;  // of A(i) and B(i), 1..n
  Eigen::Matrix4d inverse_ = Eigen::Matrix4d::Zero();  // N^-1 of the conditions' rows
  bool qaObserved_ = false;
  Rows qaRow_{}, qbRow_{};  // the rows at the columns of Qa and Qb
  int rowX_ = -1, rowY_ = -1;
  int target_ = 0;   // the chain point the coordinate conditions close on; 0 for none
  Complex zTarget_;  // its place in the adjusted chain, from A
  std::vector<PairSums> after_;  // at point m: the triangles m..n
};

}  // namespace

std::vector<PointCofactors> classicalPointCofactors(const ChainState& chain,
                                                    const AdjustmentResult& result) {
  return CofactorModel(chain, result).points();
}

std::vector<std::optional<PointCofactors>> classicalSideCofactors(
    const ChainState& chain, const AdjustmentResult& result, const std::vector<ChainSide>& sides) {
  return CofactorModel(chain, result).sides(sides);
}

}  // namespace chainadj
