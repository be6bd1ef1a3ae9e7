#include "chain_state_builder.h"

#include <cmath>

#include "state/angles.h"
#include "state/constants.h"

namespace chainadj::testing {

ChainState chainStateFromA(const SurveyedChain& surveyed) {
  const TrueChain& truth = surveyed.truth;
  const KnownData& known = surveyed.known;
  const int n = truth.triangles();
  ChainState chain;
  chain.n = n;
  chain.createArrays(n);
  chain.rho = kRhoRadiansPerDegree;
  const Point a = truth.points[0];
  const Point b = truth.points[static_cast<std::size_t>(n + 1)];
  chain.Xa = a.x; chain.Ya = a.y; chain.Xb = b.x; chain.Yb = b.y;
  chain.Sa = known.Sa; chain.Sb = known.Sb;
  chain.Ta = known.Ta; chain.Tb = known.Tb;
  chain.Qa = known.Qa; chain.Qb = known.Qb;
  chain.Sg[0] = signOf(known.Qa);
  chain.Sg[static_cast<std::size_t>(n + 1)] = signOf(known.Qb);
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    chain.A[k] = truth.angles.A[k];
    chain.B[k] = truth.angles.B[k];
    chain.C[k] = std::fabs(truth.angles.C[k]);
    chain.Sg[k] = signOf(truth.angles.C[k]);
    chain.dA[k] = kLogSinePerSecond / std::tan(chain.rho * chain.A[k]);
    chain.dB[k] = -kLogSinePerSecond / std::tan(chain.rho * chain.B[k]);
  }
  return chain;
}

}  // namespace chainadj::testing
