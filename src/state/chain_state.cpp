#include "state/chain_state.h"

namespace chainadj {

void ChainState::clear() { *this = ChainState{}; }

void ChainState::createArrays(int triangles) {
  const auto angles = static_cast<std::size_t>(triangles) + 1;  // 0..n
  const auto points = static_cast<std::size_t>(triangles) + 2;  // 0..n+1
  typed.assign(angles, {0.0, 0.0, 0.0});
  A.assign(angles, 0.0);
  B.assign(angles, 0.0);
  C.assign(angles, 0.0);
  dA.assign(angles, 0.0);
  dB.assign(angles, 0.0);
  Sg.assign(points, 0.0f);
  na.assign(points, std::string());
  S.assign(points, 0.0);
  w.assign(angles, 0.0);
}

}  // namespace chainadj
