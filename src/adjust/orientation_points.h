// The azimuths that the orientation points give: E seen from A, F seen from B.
#pragma once

#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

// Ta = the azimuth from A to E; returns the distance A-E, metres. E on A stops the run.
double orientStartByE(ChainState& chain);
// Tb = the azimuth from B to F; returns the distance B-F, metres. F on B stops the run.
double orientClosingByF(ChainState& chain);

// A distance in the box: a space and the metres to the millimetre.
void showDistance(Platform& platform, int box, double metres);

}  // namespace chainadj
