#include "entry/observation_reduction.h"

#include <cmath>

#include "adjust/adjusted_points.h"
#include "entry/observation_entry.h"
#include "entry/plane_settings.h"
#include "entry/unseen_platform.h"
#include "state/constants.h"

namespace chainadj {
namespace {

struct Adjusted {
  AdjustmentResult result;
  PlanePoints points;
};

Adjusted adjustUnseen(const ChainState& chain, AdjustmentProcedure procedure) {
  ChainState copy = chain;
  UnseenPlatform unseen;
  Adjusted adjusted;
  procedure(copy, unseen, adjusted.result);
  adjusted.points = adjustedPoints(copy, adjusted.result);
  return adjusted;
}

// The reductions of the observations of `unreduced` at the positions that adjusting `chain`
// gives.
ChainReductions reductionsAt(const ChainState& chain, const ChainState& unreduced,
                             AdjustmentProcedure procedure, const ReductionSettings& settings) {
  const Adjusted adjusted = adjustUnseen(chain, procedure);
  return chainReductions(unreduced, adjusted.result.points, adjusted.points.X, adjusted.points.Y,
                         settings);
}

// The chain's angles as typed, plus their reductions, become its observations, with the triangle
// closures taken off again; the orientation angles and measured bases likewise.
void applyReductions(ChainState& chain, const ChainState& unreduced,
                     const ChainReductions& reductions) {
  chain.WW = 0.0;
  for (int i = 1; i <= chain.n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const auto& typed = unreduced.typed[k];
    const auto& reduction = reductions.angles[k];
    const double sign = typed[2] < 0.0 ? -1.0 : 1.0;
    chain.typed[k] = {typed[0] + reduction[0] / kSecondsPerDegree,
                      typed[1] + reduction[1] / kSecondsPerDegree,
                      typed[2] + sign * reduction[2] / kSecondsPerDegree};
    chain.A[k] = chain.typed[k][0];
    chain.B[k] = chain.typed[k][1];
    chain.C[k] = std::abs(chain.typed[k][2]);
    takeOffClosure(chain, i);
  }
  if (reductions.Qa) chain.Qa = chain.typedQa = unreduced.typedQa + *reductions.Qa / kSecondsPerDegree;
  if (reductions.Qb) chain.Qb = chain.typedQb = unreduced.typedQb + *reductions.Qb / kSecondsPerDegree;
  chain.Sa = reductions.Sa ? reductions.Sa->plane : unreduced.Sa;
  chain.Sb = reductions.Sb ? reductions.Sb->plane : unreduced.Sb;
}

}  // namespace

ChainReductions reduceObservations(ChainState& chain, AdjustmentProcedure procedure,
                                   const ReductionSettings& given) {
  const ReductionSettings settings = withZoneOfY(given, chain.Ya);
  const ChainState unreduced = chain;
  ChainReductions reductions = reductionsAt(unreduced, unreduced, procedure, settings);
  applyReductions(chain, unreduced, reductions);
  ChainReductions again = reductionsAt(chain, unreduced, procedure, settings);
  if (again.largestAngleChange(reductions) > kReductionChangeSeconds) {
    applyReductions(chain, unreduced, again);
    reductions = std::move(again);
  }
  reductions.observed = unreduced.typed;
  reductions.observedQa = unreduced.typedQa;
  reductions.observedQb = unreduced.typedQb;
  return reductions;
}

}  // namespace chainadj
