#include "quality/point_precision.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "adjust/normal_equations.h"
#include "adjust/second_group_solution.h"
#include "state/constants.h"

namespace chainadj {
namespace {

constexpr int kMaxConditions = 4;
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

using Triple = std::array<double, 3>;  // the columns A(i), B(i), C(i) of one triangle

Triple lessMean(Triple t) {
  const double mean = (t[0] + t[1] + t[2]) / 3.0;
  for (double& value : t) value -= mean;
  return t;
}

double dot(const Triple& a, const Triple& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// A real linear function of the route point, c0 + c1 Px + c2 Py.
using Linear = std::array<double, 3>;

// Sums over a run of triangles of their turn-and-scale terms times the monomials of their route
// point P: 1, Px, Py, Px^2, Px Py, Py^2 for the squares uu, uv, vv; 1, Px, Py for each
// condition's products au = a.u and av = a.v.
struct Moments {
  std::array<std::array<double, 6>, 3> square{};
  std::array<Linear, kMaxConditions> au{}, av{};

  Moments& operator-=(const Moments& other) {
    for (std::size_t c = 0; c < 3; ++c) {
      for (std::size_t k = 0; k < 6; ++k) square[c][k] -= other.square[c][k];
    }
    for (std::size_t r = 0; r < kMaxConditions; ++r) {
      for (std::size_t k = 0; k < 3; ++k) {
        au[r][k] -= other.au[r][k];
        av[r][k] -= other.av[r][k];
      }
    }
    return *this;
  }
};

enum Square { kUU = 0, kUV = 1, kVV = 2 };

// Sum of c (lin1 . P)(lin2 . P) over the run.
double product(const Moments& m, Square c, const Linear& a, const Linear& b) {
  const auto& s = m.square[static_cast<std::size_t>(c)];
  return a[0] * b[0] * s[0] + (a[0] * b[1] + a[1] * b[0]) * s[1] +
         (a[0] * b[2] + a[2] * b[0]) * s[2] + a[1] * b[1] * s[3] +
         (a[1] * b[2] + a[2] * b[1]) * s[4] + a[2] * b[2] * s[5];
}

double linear(const Linear& sums, const Linear& a) {
  return a[0] * sums[0] + a[1] * sums[1] + a[2] * sums[2];
}

// The gradient of a point's X (real part) and Y (imaginary part) in the sums that make its
// cofactors: f'f for X, Y and their product, and A f for each condition.
struct GradientSums {
  double xx = 0, yy = 0, xy = 0;
  std::array<double, kMaxConditions> ax{}, ay{};

  // A run of triangles moving the point by d(P) w, d = re + i im linear in the route point P.
  void addRun(const Moments& m, const Linear& re, const Linear& im, int conditions) {
    xx += product(m, kUU, re, re) - 2.0 * product(m, kUV, re, im) + product(m, kVV, im, im);
    yy += product(m, kUU, im, im) + 2.0 * product(m, kUV, re, im) + product(m, kVV, re, re);
    xy += product(m, kUU, re, im) + product(m, kUV, re, re) - product(m, kUV, im, im) -
          product(m, kVV, re, im);
    for (std::size_t r = 0; r < static_cast<std::size_t>(conditions); ++r) {
      ax[r] += linear(m.au[r], re) - linear(m.av[r], im);
      ay[r] += linear(m.au[r], im) + linear(m.av[r], re);
    }
  }

  // One column outside the triangles moving the point by (fx, fy).
  void addColumn(double fx, double fy, const SecondGroup& group, std::size_t column) {
    xx += fx * fx;
    yy += fy * fy;
    xy += fx * fy;
    for (std::size_t r = 0; r < group.all().size(); ++r) {
      ax[r] += group.all()[r].a[column] * fx;
      ay[r] += group.all()[r].a[column] * fy;
    }
  }
};

// The pieces of one chain, in coordinates relative to A so that the sums keep their digits.
class ChainTerms {
 public:
  ChainTerms(const ChainState& chain, const AdjustmentResult& result)
      : chain_(chain), result_(result), perSecond_(chain.rho / kSecondsPerDegree) {}

  double x(int point) const { return result_.points.X[at(point)] - chain_.Xa; }
  double y(int point) const { return result_.points.Y[at(point)] - chain_.Ya; }

  void addTriangle(Moments& m, int i) const {
    const double cotA = 1.0 / std::tan(chain_.rho * chain_.A[at(i)]);
    const double cotB = 1.0 / std::tan(chain_.rho * chain_.B[at(i)]);
    const Triple u = lessMean({perSecond_ * cotA, -perSecond_ * cotB, 0.0});
    const Triple v = lessMean({0.0, 0.0, perSecond_ * chain_.Sg[at(i)]});
    const int route = result_.points.route[at(i)];
    const double px = x(route), py = y(route);
    const std::array<double, 6> monomials{1.0, px, py, px * px, px * py, py * py};
    const double squares[3] = {dot(u, u), dot(u, v), dot(v, v)};
    for (std::size_t c = 0; c < 3; ++c) {
      for (std::size_t k = 0; k < 6; ++k) m.square[c][k] += squares[c] * monomials[k];
    }
    const std::vector<Condition>& conditions = result_.group.all();
    for (std::size_t r = 0; r < conditions.size(); ++r) {
      const CoefficientRow& a = conditions[r].a;
      const Triple row{a[at(3 * i - 2)], a[at(3 * i - 1)], a[at(3 * i)]};
      const double au = dot(row, u), av = dot(row, v);
      for (std::size_t k = 0; k < 3; ++k) {
        m.au[r][k] += au * monomials[k];
        m.av[r][k] += av * monomials[k];
      }
    }
  }

  double perSecond() const { return perSecond_; }

 private:
  const ChainState& chain_;
  const AdjustmentResult& result_;
  double perSecond_;  // radians per second of arc
};

// N^-1 of the second-group conditions, by the reduction and back substitution of the solution.
std::vector<std::vector<double>> inverseNormalMatrix(const SecondGroup& group) {
  const int r = group.conditions();
  const NormalMatrix n = normalMatrix(group);
  std::vector<std::vector<double>> inverse(at(r), std::vector<double>(at(r), 0.0));
  for (int column = 1; column <= r; ++column) {
    NormalMatrix g = n;
    for (int i = 1; i <= r; ++i) g(i, r + 1) = i == column ? -1.0 : 0.0;
    reduceNormalEquations(g, r);
    const std::vector<double> x = backSubstitute(g, r);
    for (int i = 1; i <= r; ++i) inverse[at(i - 1)][at(column - 1)] = x[at(i)];
  }
  return inverse;
}

double quadraticForm(const std::vector<std::vector<double>>& inverse,
                     const std::array<double, kMaxConditions>& left,
                     const std::array<double, kMaxConditions>& right) {
  double sum = 0.0;
  for (std::size_t i = 0; i < inverse.size(); ++i) {
    for (std::size_t j = 0; j < inverse.size(); ++j) sum += left[i] * inverse[i][j] * right[j];
  }
  return sum;
}

}  // namespace

PointPrecision fromCofactors(int point, double qxx, double qyy, double qxy, double meanError) {
  PointPrecision p;
  p.point = point;
  p.qxx = std::max(qxx, 0.0);
  p.qyy = std::max(qyy, 0.0);
  p.qxy = qxy;
  p.mx = meanError * std::sqrt(p.qxx);
  p.my = meanError * std::sqrt(p.qyy);
  p.mp = std::hypot(p.mx, p.my);  // without squaring: finite wherever mx and my are
  const double centre = (p.qxx + p.qyy) / 2.0;
  const double radius = std::hypot((p.qxx - p.qyy) / 2.0, qxy);
  p.E = meanError * std::sqrt(centre + radius);
  p.F = meanError * std::sqrt(std::max(centre - radius, 0.0));
  double phi = 0.5 * std::atan2(2.0 * qxy, p.qxx - p.qyy) * kDegreesPerRadian;
  if (phi < 0.0) phi += 180.0;
  p.azimuthOfE = phi;
  return p;
}

std::vector<PointPrecision> pointPrecisions(const ChainState& chain,
                                            const AdjustmentResult& result) {
  const int n = chain.n;
  const int conditions = result.group.conditions();
  const ChainTerms terms(chain, result);
  const auto inverse = inverseNormalMatrix(result.group);
  const bool qaObserved =
      result.start == FirstTurn::AtNewPoint && !result.fitted && chain.Sg[0] != 0.0f;

  Moments all;
  if (result.fitted) {
    for (int i = 1; i <= n; ++i) terms.addTriangle(all, i);
  }
  const double bx = chain.Xb - chain.Xa, by = chain.Yb - chain.Ya;

  std::vector<PointPrecision> points;
  points.reserve(at(std::max(result.lastListedPoint, 0)));
  Moments before;  // the triangles before point m
  for (int m = 1; m <= result.lastListedPoint; ++m) {
    if (m >= 2) terms.addTriangle(before, m - 1);
    const double xm = terms.x(m), ym = terms.y(m);
    GradientSums sums;
    if (result.fitted) {
      // The fitted point is A + (B - A)(q - A)/(q_end - A): z = (p - A)/(B - A) of the way to B,
      // it moves by (p - P) w - z (B - P) w.
      const double b2 = bx * bx + by * by;
      const double zx = (xm * bx + ym * by) / b2, zy = (ym * bx - xm * by) / b2;
      const double zbx = zx * bx - zy * by, zby = zx * by + zy * bx;
      sums.addRun(before, {xm - zbx, -(1.0 - zx), -zy}, {ym - zby, zy, -(1.0 - zx)}, 0);
      Moments after = all;
      after -= before;
      sums.addRun(after, {-zbx, zx, -zy}, {-zby, zy, zx}, 0);
    } else {
      sums.addRun(before, {xm, -1.0, 0.0}, {ym, 0.0, -1.0}, conditions);
      if (qaObserved) {
        const double turn = terms.perSecond() * chain.Sg[0];
        sums.addColumn(-turn * ym, turn * xm, result.group, kColumnOfQa);
      }
    }
    points.push_back(fromCofactors(m, sums.xx - quadraticForm(inverse, sums.ax, sums.ax),
                                   sums.yy - quadraticForm(inverse, sums.ay, sums.ay),
                                   sums.xy - quadraticForm(inverse, sums.ax, sums.ay),
                                   result.meanError));
  }
  return points;
}

}  // namespace chainadj
