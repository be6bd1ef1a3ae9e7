// Chains with known truth for the adjustment tests: true points, the exact angles measured
// from them, and the answers a surveyor would type for them.
//
// Convention (the one the chain passes follow): chain points 0..n+1, side S(j) ends at point j.
// Triangle i turns at its route point r(i), the vertex of the interval angle C(i); side S(i+1)
// runs from r(i) to point i+1. r(1) = 1. For i >= 2 the route moves on to point i (a zig: the
// sign of C(i) differs from that of C(i-1)) or stays at r(i-1) (a fan: equal signs). Triangle i
// has C(i) at r(i), B(i) at point i+1 (opposite S(i)) and A(i) at the other end of S(i)
// (opposite S(i+1)). C(i) is signed: the turn from the direction r(i) -> A(i)'s vertex to the
// direction r(i) -> point i+1, positive clockwise (azimuths grow clockwise from north, +X).
#pragma once

#include <string>
#include <vector>

#include "chain_answers.h"

namespace chainadj::testing {

struct Point {
  double x = 0;  // north
  double y = 0;  // east
};

double distance(Point from, Point to);
// Azimuth from -> to in decimal degrees, 0 <= T < 360.
double azimuth(Point from, Point to);
// An angle difference in degrees brought into [-180, 180).
double wrapDegrees(double degrees);

// The exact observations of a chain, decimal degrees; index 1..n (element 0 unused).
struct ChainAngles {
  std::vector<double> A, B, C;  // C signed as typed
  int triangles() const { return static_cast<int>(A.size()) - 1; }
};

struct TrueChain {
  std::vector<Point> points;  // 0..n+1
  std::vector<int> route;     // route point of triangle i, 1..n (element 0 unused)
  ChainAngles angles;         // measured from the points

  int triangles() const { return static_cast<int>(route.size()) - 1; }
  Point routePoint(int i) const { return points[static_cast<std::size_t>(route[static_cast<std::size_t>(i)])]; }
  // The other end of side S(i): the vertex of A(i).
  int distanceAngleVertex(int i) const;
};

// Measures the angles of a chain from its points and route; throws std::logic_error when the
// signs of the interval angles do not match the route (a fan must keep its sign, a zig change
// it).
TrueChain measureChain(std::vector<Point> points, std::vector<int> route);

// How a chain is laid out triangle by triangle, for building true points.
enum class Turn { Zig, Fan };
struct TriangleLayout {
  Turn turn;        // ignored for triangle 1
  double interval;  // magnitude of C(i), degrees
  double newSide;   // length of side S(i+1), metres
};

// Points 0 and 1 given, triangle 1 turning with the sign `firstSign` (+1 or -1); each further
// triangle fans (same sign, same route point) or zigs (other sign, route moves on to point i).
TrueChain layOutChain(Point p0, Point p1, int firstSign, const std::vector<TriangleLayout>& layout);

// Ready-made layouts.
TrueChain zigZagChain(int triangles);            // a strip of alternating triangles
TrueChain fanChain(int triangles);               // every triangle turning about point 1
TrueChain mixedChain(int triangles);             // runs of zigs and fans of several lengths

// The known data a run holds for a chain, as far as the chain has them.
struct KnownData {
  double Sa = 0, Sb = 0;  // Sb = 0: no closing base
  double Ta = 0, Tb = 0;  // decimal degrees
  double Qa = 0, Qb = 0;  // signed decimal degrees
};

// A typed angle in degrees.minutesseconds with eight decimals of the second.
std::string typedDms(double degrees);
// A typed length or coordinate with nine decimals.
std::string typedLength(double metres);

// Adds small errors to the angles: triangle i gets (+e, -e/2, ...) style offsets in seconds
// taken from a fixed sequence, so that every triangle misclosure and every condition sees some.
ChainAngles withErrors(const ChainAngles& exact, double scaleSeconds);

}  // namespace chainadj::testing
