#include "adjust/chain_requirements.h"

#include "adjust/adjustment_messages.h"
#include "state/chain_error.h"

namespace chainadj {

void requireStartBase(const ChainState& chain) {
  if (!(chain.Sa > 0.0)) throw ChainError(kStartSideNotPositiveMessage);
}

void requireClosingBase(const ChainState& chain) {
  if (!(chain.Sb > 0.0)) throw ChainError(kClosingSideNotPositiveMessage);
}

void requireChainBetweenCAndD(const ChainState& chain) {
  if (chain.n < 2) throw ChainError(kOneTriangleBetweenCAndDMessage);
  const auto last = static_cast<std::size_t>(chain.n);
  if (chain.Sg[last] == chain.Sg[last - 1]) throw ChainError(kLastTriangleNotAtDMessage);
}

}  // namespace chainadj
