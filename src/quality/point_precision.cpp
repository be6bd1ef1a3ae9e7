#include "quality/point_precision.h"

#include <algorithm>
#include <cmath>

#include "quality/classical_cofactors.h"

namespace chainadj {
namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

}  // namespace

PointPrecision fromCofactors(int point, double qxx, double qyy, double qxy, double meanError) {
  PointPrecision p;
  p.point = point;
  p.qxx = std::max(qxx, 0.0);
  p.qyy = std::max(qyy, 0.0);
  p.qxy = qxy;
  p.mx = meanError * std::sqrt(p.qxx);
  p.my = meanError * std::sqrt(p.qyy);
  p.mp = std::hypot(p.mx, p.my);  // without squaring: finite wherever mx and my are
  const double centre = (p.qxx + p.qyy) / 2.0;
  const double radius = std::hypot((p.qxx - p.qyy) / 2.0, qxy);
  p.E = meanError * std::sqrt(centre + radius);
  p.F = meanError * std::sqrt(std::max(centre - radius, 0.0));
  double phi = 0.5 * std::atan2(2.0 * qxy, p.qxx - p.qyy) * kDegreesPerRadian;
  if (phi < 0.0) phi += 180.0;
  p.azimuthOfE = phi;
  return p;
}

std::vector<PointPrecision> pointPrecisions(const ChainState& chain,
                                            const AdjustmentResult& result) {
  const std::vector<PointCofactors> cofactors = classicalPointCofactors(chain, result);
  std::vector<PointPrecision> points;
  points.reserve(cofactors.size());
  for (std::size_t j = 0; j < cofactors.size(); ++j) {
    const PointCofactors& q = cofactors[j];
    points.push_back(fromCofactors(static_cast<int>(j + 1), q.xx, q.yy, q.xy, result.meanError));
  }
  return points;
}

}  // namespace chainadj
