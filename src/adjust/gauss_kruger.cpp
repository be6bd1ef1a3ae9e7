#include "adjust/gauss_kruger.h"

#include <GeographicLib/Ellipsoid.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <cmath>
#include <numbers>

#include "state/angles.h"
#include "state/constants.h"

namespace chainadj {
namespace {

// The Gauss–Krüger projection is the transverse Mercator projection with a scale of 1 on the
// central meridian.
constexpr double kCentralMeridianScale = 1.0;

// The plane azimuth of the chord from point 1 to point 2, degrees (true π: a reduction is a
// fraction of a second, and the program's π of ten decimals would blur its last digits).
double chordAzimuth(double x1, double y1, double x2, double y2) {
  return std::atan2(y2 - y1, x2 - x1) * 180.0 / std::numbers::pi;
}

}  // namespace

struct GaussKrugerPlane::Geometry {
  explicit Geometry(const Ellipsoid& e)
      : projection(e.equatorialRadius, e.flattening, kCentralMeridianScale),
        geodesic(e.equatorialRadius, e.flattening),
        ellipsoid(e.equatorialRadius, e.flattening) {}
  GeographicLib::TransverseMercator projection;
  GeographicLib::Geodesic geodesic;
  GeographicLib::Ellipsoid ellipsoid;
};

GaussKrugerPlane::GaussKrugerPlane(const PlaneDefinition& definition)
    : definition_(definition), geometry_(std::make_unique<Geometry>(definition.ellipsoid)) {}

GaussKrugerPlane::~GaussKrugerPlane() = default;

Geographic GaussKrugerPlane::toGeographic(double x, double y) const {
  Geographic point;
  geometry_->projection.Reverse(definition_.centralMeridian, y - definition_.falseEasting, x,
                                point.latitude, point.longitude, point.convergence, point.scale);
  return point;
}

void GaussKrugerPlane::toPlane(double latitude, double longitude, double& x, double& y) const {
  double east = 0;
  geometry_->projection.Forward(definition_.centralMeridian, latitude, longitude, east, x);
  y = east + definition_.falseEasting;
}

double GaussKrugerPlane::directionReduction(double x1, double y1, double x2, double y2) const {
  const Geographic p1 = toGeographic(x1, y1), p2 = toGeographic(x2, y2);
  double azimuth1 = 0, azimuth2 = 0;
  geometry_->geodesic.Inverse(p1.latitude, p1.longitude, p2.latitude, p2.longitude, azimuth1,
                              azimuth2);
  // A geodesic azimuth counts from true north, a plane azimuth from grid north.
  const double tangent = azimuth1 - p1.convergence;
  return wrapHalfCircle(chordAzimuth(x1, y1, x2, y2) - tangent) * kSecondsPerDegree;
}

double GaussKrugerPlane::geodesicDistance(double x1, double y1, double x2, double y2) const {
  const Geographic p1 = toGeographic(x1, y1), p2 = toGeographic(x2, y2);
  double distance = 0;
  geometry_->geodesic.Inverse(p1.latitude, p1.longitude, p2.latitude, p2.longitude, distance);
  return distance;
}

double GaussKrugerPlane::radiusOfCurvature(double latitude, double azimuth) const {
  return geometry_->ellipsoid.NormalCurvatureRadius(latitude, azimuth);
}

}  // namespace chainadj
