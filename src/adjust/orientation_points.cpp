#include "adjust/orientation_points.h"

#include <cmath>

#include "adjust/adjustment_messages.h"
#include "state/angles.h"
#include "state/chain_error.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

// The azimuth from (x0, y0) to (x, y) into `azimuth`; returns the distance.
double sight(double x0, double y0, double x, double y, double& azimuth, const char* samePoint) {
  const double dx = x - x0, dy = y - y0;
  if (dx == 0.0 && dy == 0.0) throw ChainError(samePoint);
  const double distance = std::sqrt(dx * dx + dy * dy);
  azimuth = AzimuthDeg(dx, dy, distance);
  return distance;
}

}  // namespace

double orientStartByE(ChainState& chain) {
  return sight(chain.Xa, chain.Ya, chain.Xe, chain.Ye, chain.Ta, kEOnAMessage);
}

double orientClosingByF(ChainState& chain) {
  return sight(chain.Xb, chain.Yb, chain.Xf, chain.Yf, chain.Tb, kFOnBMessage);
}

void showDistance(Platform& platform, int box, double metres) {
  platform.setText(box, " " + formatMask(metres, kMaskCoordinate));
}

}  // namespace chainadj
