#include "adjust/chain_pass.h"

#include <cmath>

#include "adjust/adjustment_messages.h"
#include "state/angles.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

constexpr double kHalfCircle = 180.0;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// S(i+1) = S(i) sin A(i) / sin B(i).
double nextSide(const ChainState& chain, int i, double side) {
  const double sineB = std::sin(chain.rho * chain.B[at(i)]);
  if (sineB == 0.0) throw ChainError(zeroForwardAngleSineMessage(i));
  return side * std::sin(chain.rho * chain.A[at(i)]) / sineB;
}

double turn(const ChainState& chain, int i) {
  return chain.C[at(i)] * static_cast<double>(chain.Sg[at(i)]);
}

// Sides, azimuths and route points with the chain's angles.
void traverse(const ChainState& chain, const RouteStart& start, ChainPass& pass) {
  const int n = chain.n;
  pass.S[1] = start.side;
  pass.T[1] = start.azimuth;
  pass.S[2] = nextSide(chain, 1, pass.S[1]);
  pass.T[2] = start.firstTurn == FirstTurn::AtNewPoint
                  ? rangeRule(pass.T[1] + turn(chain, 1) + kHalfCircle)
                  : rangeRule(pass.T[1] + turn(chain, 1));
  pass.route[1] = 1;
  for (int i = 2; i <= n; ++i) {
    pass.S[at(i + 1)] = nextSide(chain, i, pass.S[at(i)]);
    if (chain.Sg[at(i)] == chain.Sg[at(i - 1)]) {
      pass.T[at(i + 1)] = rangeRule(pass.T[at(i)] + turn(chain, i));
      pass.route[at(i)] = pass.route[at(i - 1)];
    } else {
      pass.T[at(i + 1)] = rangeRuleNegativeFirst(pass.T[at(i)] + turn(chain, i) + kHalfCircle);
      pass.route[at(i)] = i;
    }
  }
}

}  // namespace

double keepAzimuth(double azimuthDegrees) { return azimuthDegrees; }

double ChainPass::routeX(int i) const {
  return i > triangles() ? X[at(i)] : X[at(route[at(i)])];
}

double ChainPass::routeY(int i) const {
  return i > triangles() ? Y[at(i)] : Y[at(route[at(i)])];
}

ChainPass runChainPass(const ChainState& chain, const RouteStart& start) {
  const auto points = at(chain.n + 2);
  ChainPass pass;
  pass.S.assign(points, 0.0);
  pass.T.assign(points, 0.0);
  pass.route.assign(at(chain.n + 1), 0);
  traverse(chain, start, pass);
  placePoints(pass, start, chain.rho);
  return pass;
}

void placePoints(ChainPass& pass, const RouteStart& start, double rho) {
  const int n = pass.triangles();
  pass.X.assign(at(n + 2), 0.0);
  pass.Y.assign(at(n + 2), 0.0);
  if (start.firstTurn == FirstTurn::AtNewPoint) {
    pass.X[0] = start.x;
    pass.Y[0] = start.y;
    pass.X[1] = start.x + pass.S[1] * std::cos(rho * pass.T[1]);
    pass.Y[1] = start.y + pass.S[1] * std::sin(rho * pass.T[1]);
  } else {
    pass.X[1] = start.x;
    pass.Y[1] = start.y;
  }
  for (int i = 1; i <= n; ++i) {
    const auto from = at(pass.route[at(i)]);
    pass.X[at(i + 1)] = pass.X[from] + pass.S[at(i + 1)] * std::cos(rho * pass.T[at(i + 1)]);
    pass.Y[at(i + 1)] = pass.Y[from] + pass.S[at(i + 1)] * std::sin(rho * pass.T[at(i + 1)]);
  }
}

}  // namespace chainadj
