#include "adjust/orientation_points.h"

#include "adjust/adjustment_messages.h"
#include "state/angles.h"
#include "state/display_format.h"

namespace chainadj {

double orientStartByE(ChainState& chain) {
  const Sight sight = sightBetween(chain.Xa, chain.Ya, chain.Xe, chain.Ye, kEOnAMessage);
  chain.Ta = sight.azimuth;
  return sight.distance;
}

double orientClosingByF(ChainState& chain) {
  const Sight sight = sightBetween(chain.Xb, chain.Yb, chain.Xf, chain.Yf, kFOnBMessage);
  chain.Tb = sight.azimuth;
  return sight.distance;
}

void showDistance(Platform& platform, int box, double metres) {
  platform.setText(box, " " + formatMask(metres, kMaskCoordinate));
}

}  // namespace chainadj
