// What one run leaves: the chain as adjusted, the selection row and the procedure's results, the
// data as accepted and the reductions onto the plane. A run's report is made from it once its
// adjustment has solved.
#pragma once

#include <optional>

#include "adjust/adjustment_result.h"
#include "adjust/chain_reductions.h"
#include "entry/chain_data.h"
#include "state/chain_state.h"

namespace chainadj {

struct RunResults {
  ChainState chain;
  RunFlags flags;
  std::optional<int> selection;  // the selection row 1..10 (procedure Cm1..Cm10)
  AdjustmentResult result;
  // The data as accepted after confirmation, once the data entry is complete.
  std::optional<ChainData> data;
  // The plane the run reduced onto and the reductions it applied (both or neither).
  std::optional<ReductionSettings> reduction;
  std::optional<ChainReductions> reductions;

  // The adjustment has solved: the results can be reported, also while the listing waits.
  bool solved() const { return selection.has_value() && result.solved; }
};

}  // namespace chainadj
