// A chain state filled directly from a chain with known truth, as the run driver would leave it
// for error-free angles (no closures to distribute), for testing the shared steps alone.
#pragma once

#include "state/chain_state.h"
#include "surveyed_chain.h"

namespace chainadj::testing {

// Angles, signs, side-condition coefficients, A, B, Sa, Ta, Qa, Qb, Tb and Sb of a chain run
// from A; C, D, E and F absent.
ChainState chainStateFromA(const SurveyedChain& surveyed);

}  // namespace chainadj::testing
