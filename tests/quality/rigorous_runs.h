// Runs of known-truth chains for the tests of the adjustment by coordinates: a chain of one
// selection row surveyed with normally distributed errors of given mean errors on every
// observation the row types (angles, orientation angles, typed azimuths, bases), run through
// the run driver's classical procedure and then adjusted by coordinates.
#pragma once

#include <random>

#include "adjustment_run.h"
#include "quality/rigorous_result.h"
#include "surveyed_chain.h"

namespace chainadj::testing {

struct SurveyErrors {
  double angleSeconds = 0;     // on every triangle angle and on Qa and Qb
  double azimuthSeconds = 0;   // on a typed Ta and Tb
  double baseMillimetres = 0;  // on Sa and Sb
};

inline ChainAngles withNormalErrors(const ChainAngles& exact, double seconds, std::mt19937& random) {
  std::normal_distribution<double> error(0.0, seconds / 3600.0);
  ChainAngles noisy = exact;
  for (int i = 1; i <= exact.triangles(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    noisy.A[k] += error(random);
    noisy.B[k] += error(random);
    noisy.C[k] += (exact.C[k] < 0.0 ? -1.0 : 1.0) * error(random);
  }
  return noisy;
}

// The known data of the chain with errors on what the surveyor types.
inline void addKnownErrors(SurveyedChain& chain, const SurveyErrors& e, std::mt19937& random) {
  std::normal_distribution<double> unit(0.0, 1.0);
  KnownData& k = chain.known;
  const bool typedTa = chain.e.x == 0.0 && chain.e.y == 0.0 && !chain.hasC();
  const bool typedTb = chain.f.x == 0.0 && chain.f.y == 0.0 && !chain.hasD();
  if (k.Qa != 0.0) k.Qa += e.angleSeconds * unit(random) / 3600.0;
  if (k.Qb != 0.0) k.Qb += e.angleSeconds * unit(random) / 3600.0;
  if (k.Ta != 0.0 && typedTa) k.Ta += e.azimuthSeconds * unit(random) / 3600.0;
  if (k.Tb != 0.0 && typedTb) k.Tb += e.azimuthSeconds * unit(random) / 3600.0;
  if (k.Sa != 0.0 && !chain.hasC()) k.Sa += e.baseMillimetres * unit(random) / 1000.0;
  if (k.Sb != 0.0 && !chain.hasD()) k.Sb += e.baseMillimetres * unit(random) / 1000.0;
}

struct RigorousChainRun {
  RigorousChainRun(const SurveyedChain& surveyed, const ChainAngles& observed)
      : chain(surveyed), run(answersFor(chain, observed)) {}

  RigorousResult adjust(const RigorousSettings& settings) const {
    return adjustRigorously(run.chain(), *run.driver.lastSelection(), run.driver.lastResult(),
                            settings);
  }

  SurveyedChain chain;
  AdjustmentRun run;
};

}  // namespace chainadj::testing
