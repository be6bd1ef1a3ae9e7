// What a procedure needs of the data before it writes anything. Each check stops the run with a
// message that says what is missing; the boxes already written keep their text.
#pragma once

#include "state/chain_state.h"

namespace chainadj {

// Sa > 0: the side condition takes its logarithm.
void requireStartBase(const ChainState& chain);
// Sb > 0: the side condition takes its logarithm.
void requireClosingBase(const ChainState& chain);
// A chain from C to D: C and D are different chain points (n >= 2), and the last side runs from
// D, so the last triangle turns at D (its interval angle has the other sign than the one before).
void requireChainBetweenCAndD(const ChainState& chain);

}  // namespace chainadj
