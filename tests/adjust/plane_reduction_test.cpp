// Observations reduced onto the Gauss–Krüger plane: the direction reduction against the textbook
// series, the reductions of a triangle against its spherical excess, and whole chains observed on
// the ellipsoid far from the central meridian, which only the reduced adjustment puts back on
// their true plane points.
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/PolygonArea.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "adjust/gauss_kruger.h"
#include "entry/run_driver.h"
#include "scripted_platform.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

constexpr double kCentralMeridian = 117.0;  // degrees
constexpr double kFalseEasting = 500000.0;  // metres
constexpr double kArcSeconds = 180.0 * 3600.0 / std::numbers::pi;

// The ellipsoid of the tests, reached through GeographicLib itself rather than the program's plane.
struct Earth {
  GeographicLib::TransverseMercator projection{kCgcs2000.equatorialRadius, kCgcs2000.flattening, 1.0};
  GeographicLib::Geodesic geodesic{kCgcs2000.equatorialRadius, kCgcs2000.flattening};

  struct Place {
    double lat, lon;
  };
  Place place(Point p) const {
    Place g{};
    projection.Reverse(kCentralMeridian, p.y - kFalseEasting, p.x, g.lat, g.lon);
    return g;
  }
  double azimuth(Point from, Point to) const {
    const Place a = place(from), b = place(to);
    double azi1 = 0, azi2 = 0;
    geodesic.Inverse(a.lat, a.lon, b.lat, b.lon, azi1, azi2);
    return azi1;
  }
  double distance(Point from, Point to) const {
    const Place a = place(from), b = place(to);
    double s = 0;
    geodesic.Inverse(a.lat, a.lon, b.lat, b.lon, s);
    return s;
  }
  // Clockwise at p from the geodesic to q to the geodesic to r, degrees in [-180, 180).
  double angle(Point p, Point q, Point r) const { return wrapDegrees(azimuth(p, r) - azimuth(p, q)); }
};

PlaneDefinition planeOfTheTests() { return {kCgcs2000, kCentralMeridian, kFalseEasting}; }

// The textbook's first-order direction reduction, seconds: ρ″(x1 − x2)(2y1 + y2)/(6R²), y from the
// central meridian, R the mean radius of curvature √(MN) at the mean latitude.
double textbookReduction(Point p1, Point p2) {
  const Earth earth;
  const Earth::Place middle = earth.place({(p1.x + p2.x) / 2, (p1.y + p2.y) / 2});
  const double a = kCgcs2000.equatorialRadius, e2 = kCgcs2000.flattening * (2 - kCgcs2000.flattening);
  const double s = std::sin(middle.lat * std::numbers::pi / 180.0);
  const double w = std::sqrt(1 - e2 * s * s);
  const double meridian = a * (1 - e2) / (w * w * w), normal = a / w;
  const double y1 = p1.y - kFalseEasting, y2 = p2.y - kFalseEasting;
  return kArcSeconds * (p1.x - p2.x) * (2 * y1 + y2) / (6 * meridian * normal);
}

struct ReductionCase {
  Point from, to;
};
const ReductionCase kReductionCases[] = {
    {{3500000, 550000}, {3510000, 553000}},   // 50 km east, a 10 km side to the north-east
    {{3510000, 553000}, {3500000, 550000}},   // the same side the other way
    {{3496000, 600000}, {3490000, 608000}},   // 100 km east
    {{4200000, 420000}, {4207000, 414000}},   // 80 km west, further north
    {{3500000, 650000}, {3510000, 650000}},   // 150 km east, due north
};

TEST(DirectionReduction, AgreesWithTheTextbookSeriesToAThousandthOfASecond) {
  const GaussKrugerPlane plane(planeOfTheTests());
  for (const ReductionCase& c : kReductionCases) {
    const double exact = plane.directionReduction(c.from.x, c.from.y, c.to.x, c.to.y);
    EXPECT_NEAR(exact, textbookReduction(c.from, c.to), 0.001) << c.from.x << " " << c.from.y;
    EXPECT_GT(std::fabs(exact), 0.5);  // large enough for the comparison to mean something
  }
}

// On the plane the three angles close on 180°, on the ellipsoid on 180° plus the spherical excess:
// the reductions of a triangle's angles sum to minus the excess, its area over R² in seconds.
TEST(DirectionReduction, TheReductionsOfATriangleSumToMinusItsSphericalExcess) {
  const GaussKrugerPlane plane(planeOfTheTests());
  const Earth earth;
  const Point p[3] = {{3500000, 640000}, {3518000, 652000}, {3501000, 665000}};
  double sum = 0;
  for (int k = 0; k < 3; ++k) {
    const Point at = p[k], q = p[(k + 1) % 3], r = p[(k + 2) % 3];
    const double toQ = plane.directionReduction(at.x, at.y, q.x, q.y);
    const double toR = plane.directionReduction(at.x, at.y, r.x, r.y);
    sum += earth.angle(at, q, r) > 0 ? toR - toQ : toQ - toR;
  }
  GeographicLib::PolygonArea polygon(earth.geodesic);
  for (const Point& corner : p) {
    const Earth::Place g = earth.place(corner);
    polygon.AddPoint(g.lat, g.lon);
  }
  double perimeter = 0, area = 0;
  polygon.Compute(false, true, perimeter, area);
  const Earth::Place middle = earth.place(p[0]);
  const double radius = 6378137.0 * std::sqrt(1 - kCgcs2000.flattening * (2 - kCgcs2000.flattening)) /
                        (1 - kCgcs2000.flattening * (2 - kCgcs2000.flattening) *
                                 std::pow(std::sin(middle.lat * std::numbers::pi / 180), 2));
  EXPECT_NEAR(sum, -std::fabs(area) / (radius * radius) * kArcSeconds, 0.002);
}

// A chain of 10 km triangles far east of the central meridian, observed on the ellipsoid: its
// angles are the geodesics' angles, its bases the geodesics' lengths.
struct EllipsoidalChain {
  SurveyedChain surveyed;
  ChainAnswers answers;
};

TrueChain farEastChain(double eastOfMeridian) {
  std::vector<TriangleLayout> layout;
  for (int i = 1; i <= 8; ++i) layout.push_back({Turn::Zig, 55.0 + 4.0 * (i % 3), 9500.0 + 700.0 * (i % 4)});
  const Point a{3500000.0, kFalseEasting + eastOfMeridian};
  const double toOne = 40.0 * std::numbers::pi / 180.0;
  return layOutChain(a, {a.x + 10000.0 * std::cos(toOne), a.y + 10000.0 * std::sin(toOne)}, -1, layout);
}

EllipsoidalChain observeOnTheEllipsoid(KnownKind kind, double eastOfMeridian) {
  const Earth earth;
  EllipsoidalChain chain{surveyChain(farEastChain(eastOfMeridian), kind, 12.0, -20.0), {}};
  const TrueChain& truth = chain.surveyed.truth;
  const int n = truth.triangles();
  const auto point = [&](int j) { return truth.points[static_cast<std::size_t>(j)]; };
  ChainAngles observed = truth.angles;
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const Point a = point(truth.distanceAngleVertex(i)), b = point(i + 1), c = truth.routePoint(i);
    observed.A[k] = std::fabs(earth.angle(a, b, c));
    observed.B[k] = std::fabs(earth.angle(b, c, a));
    observed.C[k] = std::copysign(std::fabs(earth.angle(c, a, b)), truth.angles.C[k]);
  }
  KnownData& known = chain.surveyed.known;
  if (known.Qa != 0) known.Qa = earth.angle(point(0), chain.surveyed.e, point(1));
  if (known.Qb != 0) known.Qb = earth.angle(point(n + 1), truth.routePoint(n), chain.surveyed.f);
  if (known.Sa != 0) known.Sa = earth.distance(point(0), point(1));
  if (known.Sb != 0) known.Sb = earth.distance(truth.routePoint(n), point(n + 1));
  chain.answers = answersFor(chain.surveyed, observed);
  return chain;
}

// The largest distance of an adjusted new point from its true plane position, metres.
double largestMiss(const EllipsoidalChain& chain, const std::optional<ReductionSettings>& reduction) {
  ScriptedPlatform platform;
  platform.setResponder(respondWith(chain.answers));
  RunDriver driver(platform);
  driver.reduceOntoPlane(reduction);
  EXPECT_EQ(driver.runOnce(), RunOutcome::Adjusted) << ::testing::PrintToString(platform.messages());
  const ChainPass& points = driver.lastResult().points;
  double largest = 0;
  for (int j = 2; j <= chain.surveyed.truth.triangles(); ++j) {
    const Point truth = chain.surveyed.truth.points[static_cast<std::size_t>(j)];
    const auto k = static_cast<std::size_t>(j);
    largest = std::max(largest, std::hypot(points.X[k] - truth.x, points.Y[k] - truth.y));
  }
  return largest;
}

class FarFromTheCentralMeridian : public ::testing::TestWithParam<KnownKind> {};

TEST_P(FarFromTheCentralMeridian, TheReducedChainLiesOnItsTruePlanePoints) {
  const EllipsoidalChain chain = observeOnTheEllipsoid(GetParam(), 150000.0);
  ReductionSettings reduction{planeOfTheTests()};
  reduction.bases = BaseKind::MeasuredDistance;
  EXPECT_LT(largestMiss(chain, reduction), 0.001);
  EXPECT_GT(largestMiss(chain, std::nullopt), 0.05);  // unreduced, the chain misses by far more
}

INSTANTIATE_TEST_SUITE_P(Kinds, FarFromTheCentralMeridian,
                         ::testing::Values(KnownKind::ByEAndF, KnownKind::BetweenCAndD),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

}  // namespace
}  // namespace chainadj::testing
