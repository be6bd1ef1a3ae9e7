// The reduction of a run's observations onto the Gauss–Krüger plane, between the entry and the
// adjustment: the chain is adjusted once unreduced, out of sight, for the positions its
// reductions are worked out from; its typed angles, orientation angles and measured bases are
// reduced and their triangle closures taken off again; and where the positions of the reduced
// chain change a reduction by more than 0.001″ it is worked out once more from them.
#pragma once

#include "adjust/chain_reductions.h"
#include "adjust/procedures.h"
#include "state/chain_state.h"

namespace chainadj {

// Above this (seconds) a second round of reductions is made from the reduced chain's positions.
inline constexpr double kReductionChangeSeconds = 0.001;

// Reduces the chain in place (its angles as the entry left them, before any adjustment) for the
// procedure that will adjust it, and returns the reductions applied.
ChainReductions reduceObservations(ChainState& chain, AdjustmentProcedure procedure,
                                   const ReductionSettings& settings);

}  // namespace chainadj
