#include "adjust/rigorous_network.h"

#include <cmath>
#include <numbers>

#include "adjust/adjustment_messages.h"
#include "adjust/triangle_vertices.h"
#include "state/chain_error.h"
#include "state/constants.h"

namespace chainadj {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kRadiansPerSecond = kRadiansPerDegree / kSecondsPerDegree;
// A constraint's mean error as a share of the equivalent angle's: its weight is 1e8 times.
constexpr double kConstraintMeanErrorShare = 1e-4;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// Which end observations each selection row has (before a known C or D takes them away).
struct RowEnds {
  bool startAzimuth, closingAzimuth, startBase, closingBase;
};
constexpr RowEnds kRowEnds[] = {
    {true, true, true, true},    // 1: bases and azimuths at both ends
    {true, true, true, false},   // 2: no closing base
    {true, false, true, false},  // 3: start side and azimuth only
    {true, true, false, false},  // 4: azimuths only
    {false, false, false, false},  // 5: unoriented
    {false, false, false, false},  // 6: between C and D
    {true, true, true, true},    // 7: by E and F
    {true, true, true, true},    // 8: by E, closing azimuth typed or from D
    {false, true, false, true},  // 9: from C, closing azimuth by F
    {false, false, false, true},  // 10: from C, closing side
};

double azimuthRadians(double x0, double y0, double x, double y) {
  return std::atan2(y - y0, x - x0);
}

double wrapRadians(double angle) {
  return angle - 2.0 * std::numbers::pi * std::floor((angle + std::numbers::pi) / (2.0 * std::numbers::pi));
}

void addPart(EndEquation& equation, ObservationKind kind, double value, double sign,
             double variance) {
  equation.parts[at(equation.partCount++)] = {kind, value, sign, variance};
}

// Sums the parts' variances into the equation's mean error; none makes it a constraint.
void settle(EndEquation& equation, double constraintSigma) {
  double variance = 0.0;
  for (int k = 0; k < equation.partCount; ++k) variance += equation.parts[at(k)].variance;
  equation.constraint = !(variance > 0.0);
  equation.sigma = equation.constraint ? constraintSigma : std::sqrt(variance);
}

class NetworkBuilder {
 public:
  NetworkBuilder(const ChainState& chain, const AdjustmentResult& classical,
                 const RigorousSettings& settings)
      : chain_(chain), pass_(classical.points), n_(chain.n),
        angleSigma_(settings.angleMeanError * kRadiansPerSecond),
        azimuthVariance_(std::pow(settings.azimuthMeanError * kRadiansPerSecond, 2)),
        baseSigma_(settings.baseMeanError / kMillimetresPerMetre) {}

  RigorousNetwork build(const RowEnds& row) {
    net_.triangles = n_;
    net_.angleSigma = angleSigma_;
    placePoints();
    addTriangles();
    net_.sides = chainSides(pass_);
    if (row.startAzimuth && chain_.noC()) addStartAzimuth();
    if (row.closingAzimuth && chain_.noD()) addClosingAzimuth();
    if (row.startBase && chain_.noC()) addBase(ObservationKind::Sa, chain_.Sa, 0, 1);
    if (row.closingBase && chain_.noD()) {
      addBase(ObservationKind::Sb, chain_.Sb, pass_.route[at(n_)], n_ + 1);
    }
    return std::move(net_);
  }

 private:
  void placePoints() {
    const auto count = at(n_ + 2);
    net_.X.assign(pass_.X.begin(), pass_.X.begin() + static_cast<std::ptrdiff_t>(count));
    net_.Y.assign(pass_.Y.begin(), pass_.Y.begin() + static_cast<std::ptrdiff_t>(count));
    net_.unknownOf.assign(count, 0);
    fix(0, chain_.Xa, chain_.Ya);
    fix(n_ + 1, chain_.Xb, chain_.Yb);
    if (chain_.hasC()) fix(1, chain_.Xc, chain_.Yc);
    if (chain_.hasD()) fix(n_, chain_.Xd, chain_.Yd);
    for (int& index : net_.unknownOf) index = index < 0 ? -1 : net_.unknownPoints++;
  }

  void fix(int point, double x, double y) {
    net_.X[at(point)] = x;
    net_.Y[at(point)] = y;
    net_.unknownOf[at(point)] = -1;
  }

  void addTriangles() {
    net_.vertices.assign(at(n_ + 1), {0, 0, 0});
    net_.typedAngles.assign(chain_.typed.begin(), chain_.typed.begin() + n_ + 1);
    net_.observedAngles.assign(at(n_ + 1), {0.0, 0.0, 0.0});
    net_.sense.assign(at(n_ + 1), 1.0);
    for (int i = 1; i <= n_; ++i) {
      const std::array<int, 3> v = triangleVertices(pass_, i);
      const std::array<double, 3>& typed = chain_.typed[at(i)];
      net_.vertices[at(i)] = v;
      net_.observedAngles[at(i)] = {typed[0] * kRadiansPerDegree, typed[1] * kRadiansPerDegree,
                                    std::fabs(typed[2]) * kRadiansPerDegree};
      net_.sense[at(i)] = typed[2] < 0.0 ? -1.0 : (typed[2] > 0.0 ? 1.0 : approximateSense(v));
    }
  }

  // The sense of a triangle typed with C(i) = 0, from the approximate chain.
  double approximateSense(const std::array<int, 3>& v) const {
    const auto x = [&](int p) { return net_.X[at(p)]; };
    const auto y = [&](int p) { return net_.Y[at(p)]; };
    const double turn = wrapRadians(azimuthRadians(x(v[2]), y(v[2]), x(v[1]), y(v[1])) -
                                    azimuthRadians(x(v[2]), y(v[2]), x(v[0]), y(v[0])));
    return turn < 0.0 ? -1.0 : 1.0;
  }

  // The start side's azimuth A-1: Ta + Qa, Ta typed or the direction A-E.
  void addStartAzimuth() {
    EndEquation equation{Measure::Azimuth, {0, 1}};
    const bool typed = chain_.noE();
    const double ta = typed ? chain_.Ta
                            : azimuthRadians(chain_.Xa, chain_.Ya, chain_.Xe, chain_.Ye) /
                                  kRadiansPerDegree;
    equation.observed = (ta + chain_.typedQa) * kRadiansPerDegree;
    addOrientationParts(equation, ObservationKind::Qa, chain_.typedQa, 1.0);
    addKnownAzimuthPart(equation, ObservationKind::Ta, ta, typed);
    settle(equation, kConstraintMeanErrorShare * angleSigma_);
    net_.ends.push_back(equation);
  }

  // The last side's azimuth from B back to its route point: Tb - Qb, Tb typed or the direction
  // B-F.
  void addClosingAzimuth() {
    EndEquation equation{Measure::Azimuth, {n_ + 1, pass_.route[at(n_)]}};
    const bool typed = chain_.noF();
    const double tb = typed ? chain_.Tb
                            : azimuthRadians(chain_.Xb, chain_.Yb, chain_.Xf, chain_.Yf) /
                                  kRadiansPerDegree;
    equation.observed = (tb - chain_.typedQb) * kRadiansPerDegree;
    addOrientationParts(equation, ObservationKind::Qb, chain_.typedQb, -1.0);
    addKnownAzimuthPart(equation, ObservationKind::Tb, tb, typed);
    settle(equation, kConstraintMeanErrorShare * angleSigma_);
    net_.ends.push_back(equation);
  }

  // An orientation angle typed as 0 is no observation: the side runs along the known direction.
  void addOrientationParts(EndEquation& equation, ObservationKind kind, double typed, double sign) {
    if (typed != 0.0) addPart(equation, kind, typed, sign, angleSigma_ * angleSigma_);
  }

  // A typed azimuth is an observation of the error mα; a direction to a known point has none.
  // Without an orientation angle the azimuth alone defines the equation (a constraint when it
  // has no error).
  void addKnownAzimuthPart(EndEquation& equation, ObservationKind kind, double value, bool typed) {
    const double variance = typed ? azimuthVariance_ : 0.0;
    if (variance > 0.0 || equation.partCount == 0) addPart(equation, kind, value, 1.0, variance);
  }

  void addBase(ObservationKind kind, double length, int from, int to) {
    if (!(length > 0.0) || !std::isfinite(length)) {
      throw ChainError(kind == ObservationKind::Sa ? kStartSideNotPositiveMessage
                                                   : kClosingSideNotPositiveMessage);
    }
    EndEquation equation{Measure::Distance, {from, to}};
    equation.observed = length;
    addPart(equation, kind, length, 1.0, baseSigma_ * baseSigma_);
    settle(equation, kConstraintMeanErrorShare * angleSigma_ * length);
    net_.ends.push_back(equation);
  }

  const ChainState& chain_;
  const ChainPass& pass_;
  int n_;
  double angleSigma_, azimuthVariance_, baseSigma_;
  RigorousNetwork net_;
};

}  // namespace

const char* observationKindName(ObservationKind kind) {
  constexpr const char* kNames[] = {"A", "B", "C", "Qa", "Qb", "Ta", "Tb", "Sa", "Sb"};
  return kNames[static_cast<int>(kind)];
}

RigorousNetwork buildRigorousNetwork(const ChainState& chain, int row,
                                     const AdjustmentResult& classical,
                                     const RigorousSettings& settings) {
  return NetworkBuilder(chain, classical, settings).build(kRowEnds[row - 1]);
}

}  // namespace chainadj
