// The Gauss–Krüger plane of a chain far from its central meridian: how an observed direction and a
// measured distance on the ellipsoid become a straight line on the plane.
//
// Plane coordinates are those the surveyor types: X north from the equator, Y east, metres, Y with
// the false easting (and, where typed, the zone number in front of it). On the plane the image of
// a geodesic is a curve; the direction reduction δ is the angle from its tangent to the chord, so
// that a direction observed on the ellipsoid plus δ is the chord's plane direction. To first order
// δ12 = ρ″(x1 − x2)(2y1 + y2) / (6R²), y from the central meridian; here it is computed exactly,
// from the geodesic between the two points and the meridian convergence at the first.
#pragma once

#include <memory>
#include <string>

namespace chainadj {

struct Ellipsoid {
  const char* name;
  double equatorialRadius;  // a, metres
  double flattening;        // f
};

inline constexpr Ellipsoid kCgcs2000{"CGCS2000", 6378137.0, 1.0 / 298.257222101};
inline constexpr Ellipsoid kXian1980{"1980西安", 6378140.0, 1.0 / 298.257};
inline constexpr Ellipsoid kBeijing1954{"1954北京", 6378245.0, 1.0 / 298.3};

struct PlaneDefinition {
  Ellipsoid ellipsoid = kCgcs2000;
  double centralMeridian = 0;       // longitude, decimal degrees
  double falseEasting = 500000.0;   // metres
};

// A plane position as the chain gives it, and the same point on the ellipsoid.
struct Geographic {
  double latitude = 0, longitude = 0;  // decimal degrees
  double convergence = 0;              // meridian convergence: grid north east of true north, degrees
  double scale = 1;                    // point scale of the projection
};

class GaussKrugerPlane {
 public:
  explicit GaussKrugerPlane(const PlaneDefinition& definition);
  ~GaussKrugerPlane();
  GaussKrugerPlane(const GaussKrugerPlane&) = delete;
  GaussKrugerPlane& operator=(const GaussKrugerPlane&) = delete;

  const PlaneDefinition& definition() const { return definition_; }

  // The point (x north, y east with the false easting, metres) on the ellipsoid.
  Geographic toGeographic(double x, double y) const;
  // The plane position (x north, y east with the false easting) of a point on the ellipsoid.
  void toPlane(double latitude, double longitude, double& x, double& y) const;

  // δ of the direction from point 1 to point 2, seconds of arc: the chord's plane azimuth minus
  // the plane azimuth of the geodesic's tangent at point 1.
  double directionReduction(double x1, double y1, double x2, double y2) const;

  // The geodesic between the two points on the ellipsoid, metres.
  double geodesicDistance(double x1, double y1, double x2, double y2) const;

  // The ellipsoid's radius of curvature in the azimuth (from true north, degrees) at a latitude,
  // metres.
  double radiusOfCurvature(double latitude, double azimuth) const;

 private:
  struct Geometry;
  PlaneDefinition definition_;
  std::unique_ptr<Geometry> geometry_;
};

}  // namespace chainadj
