#include "adjust/chain_fit.h"

#include <cmath>

#include "adjust/adjustment_messages.h"
#include "state/angles.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

struct Direction {
  double dx, dy, length;
};

Direction fromA(const ChainState& chain, double x, double y) {
  const double dx = x - chain.Xa, dy = y - chain.Ya;
  return {dx, dy, std::sqrt(dx * dx + dy * dy)};
}

Direction computedEnd(const ChainState& chain, const ChainPass& pass) {
  const auto end = static_cast<std::size_t>(chain.n + 1);
  return fromA(chain, pass.X[end], pass.Y[end]);
}

double azimuthOf(const Direction& d) { return AzimuthDeg(d.dx, d.dy, d.length); }

}  // namespace

double scaleOntoAB(const ChainState& chain, const ChainPass& pass) {
  const Direction known = fromA(chain, chain.Xb, chain.Yb);
  const Direction computed = computedEnd(chain, pass);
  if (known.length == 0.0) throw ChainError(kCoincidentAAndBMessage);
  if (!(computed.length > 0.0) || !std::isfinite(computed.length)) {
    throw ChainError(kEndOnStartMessage);
  }
  return known.length / computed.length;
}

double rotationOntoAB(const ChainState& chain, const ChainPass& pass) {
  return azimuthOf(fromA(chain, chain.Xb, chain.Yb)) - azimuthOf(computedEnd(chain, pass));
}

void scalePass(ChainPass& pass, double factor, const RouteStart& start, double rho) {
  for (double& side : pass.S) side *= factor;
  placePoints(pass, start, rho);
}

}  // namespace chainadj
