#include "true_chain.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "entry/prompt_texts.h"

namespace chainadj::testing {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

double normalizedAzimuth(double degrees) {
  double t = std::fmod(degrees, 360.0);
  if (t < 0.0) t += 360.0;
  if (t >= 360.0) t -= 360.0;
  return t;
}

Point polar(Point from, double azimuthDegrees, double length) {
  return {from.x + length * std::cos(azimuthDegrees * kDegree),
          from.y + length * std::sin(azimuthDegrees * kDegree)};
}

double interiorAngle(Point vertex, Point toward, Point other) {
  return std::fabs(wrapDegrees(azimuth(vertex, other) - azimuth(vertex, toward)));
}

int signOfAngle(double value) { return value > 0.0 ? 1 : (value < 0.0 ? -1 : 0); }

// The start of side S(i): point 0 for triangle 1, otherwise the route point of triangle i-1.
int sideStart(const std::vector<int>& route, int i) { return i == 1 ? 0 : route[at(i - 1)]; }

}  // namespace

double distance(Point from, Point to) { return std::hypot(to.x - from.x, to.y - from.y); }

double azimuth(Point from, Point to) {
  return normalizedAzimuth(std::atan2(to.y - from.y, to.x - from.x) / kDegree);
}

double wrapDegrees(double degrees) { return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0); }

int TrueChain::distanceAngleVertex(int i) const {
  const int start = sideStart(route, i);
  return route[at(i)] == i ? start : i;
}

TrueChain measureChain(std::vector<Point> points, std::vector<int> route) {
  TrueChain chain{std::move(points), std::move(route), {}};
  const int n = chain.triangles();
  chain.angles.A.assign(at(n + 1), 0.0);
  chain.angles.B.assign(at(n + 1), 0.0);
  chain.angles.C.assign(at(n + 1), 0.0);
  for (int i = 1; i <= n; ++i) {
    const int r = chain.route[at(i)];
    if (r != i && r != sideStart(chain.route, i)) throw std::logic_error("route point off side S(i)");
    const Point turnPoint = chain.points[at(r)];
    const Point aVertex = chain.points[at(chain.distanceAngleVertex(i))];
    const Point newPoint = chain.points[at(i + 1)];
    chain.angles.C[at(i)] = wrapDegrees(azimuth(turnPoint, newPoint) - azimuth(turnPoint, aVertex));
    chain.angles.A[at(i)] = interiorAngle(aVertex, turnPoint, newPoint);
    chain.angles.B[at(i)] = interiorAngle(newPoint, turnPoint, aVertex);
    if (i >= 2) {
      const bool fan = r == chain.route[at(i - 1)];
      const bool sameSign =
          signOfAngle(chain.angles.C[at(i)]) == signOfAngle(chain.angles.C[at(i - 1)]);
      if (fan != sameSign) throw std::logic_error("interval angle signs do not match the route");
    }
  }
  return chain;
}

TrueChain layOutChain(Point p0, Point p1, int firstSign, const std::vector<TriangleLayout>& layout) {
  const int n = static_cast<int>(layout.size());
  std::vector<Point> points{p0, p1};
  std::vector<int> route(at(n + 1), 0);
  int sign = firstSign;
  for (int i = 1; i <= n; ++i) {
    const TriangleLayout& triangle = layout[at(i - 1)];
    int aVertex = 0;
    if (i == 1) {
      route[1] = 1;
    } else if (triangle.turn == Turn::Fan) {
      route[at(i)] = route[at(i - 1)];
      aVertex = i;
    } else {
      route[at(i)] = i;
      aVertex = route[at(i - 1)];
      sign = -sign;
    }
    const Point turnPoint = points[at(route[at(i)])];
    const double direction =
        azimuth(turnPoint, points[at(aVertex)]) + sign * triangle.interval;
    points.push_back(polar(turnPoint, direction, triangle.newSide));
  }
  return measureChain(std::move(points), std::move(route));
}

TrueChain zigZagChain(int triangles) {
  std::vector<TriangleLayout> layout;
  for (int i = 1; i <= triangles; ++i) {
    layout.push_back({Turn::Zig, 52.0 + 7.0 * (i % 3), 900.0 + 85.0 * (i % 4)});
  }
  const Point a{3000.0, 5000.0};
  return layOutChain(a, polar(a, 48.0, 1010.0), -1, layout);
}

TrueChain fanChain(int triangles) {
  std::vector<TriangleLayout> layout;
  const double interval = 280.0 / (triangles + 1);
  for (int i = 1; i <= triangles; ++i) {
    layout.push_back({Turn::Fan, interval + 3.0 * (i % 2), 800.0 + 110.0 * i});
  }
  const Point a{2500.0, 4000.0};
  return layOutChain(a, polar(a, 75.0, 950.0), 1, layout);
}

TrueChain mixedChain(int triangles) {
  // zig runs and fan runs of one, two and three triangles
  const Turn pattern[] = {Turn::Zig, Turn::Zig, Turn::Fan, Turn::Zig, Turn::Fan, Turn::Fan,
                          Turn::Zig, Turn::Zig, Turn::Fan, Turn::Fan, Turn::Fan, Turn::Zig};
  std::vector<TriangleLayout> layout;
  for (int i = 1; i <= triangles; ++i) {
    const Turn turn = pattern[(i - 1) % 12];
    const double interval = turn == Turn::Fan ? 42.0 + 4.0 * (i % 3) : 58.0 + 5.0 * (i % 2);
    layout.push_back({turn, interval, 950.0 + 60.0 * (i % 5)});
  }
  const Point a{4100.0, 6200.0};
  return layOutChain(a, polar(a, 20.0, 1005.0), 1, layout);
}

std::string typedDms(double degrees) {
  constexpr long long kUnitsPerSecond = 100000000;  // eight decimals of the second
  constexpr long long kUnitsPerMinute = 60 * kUnitsPerSecond;
  constexpr long long kUnitsPerDegree = 60 * kUnitsPerMinute;
  const long long total = std::llround(std::fabs(degrees) * 3600.0 * kUnitsPerSecond);
  const long long wholeDegrees = total / kUnitsPerDegree;
  const long long minutes = total % kUnitsPerDegree / kUnitsPerMinute;
  const long long units = total % kUnitsPerMinute;
  char text[64];
  std::snprintf(text, sizeof text, "%s%lld.%02lld%02lld%08lld", degrees < 0.0 ? "-" : "",
                wholeDegrees, minutes, units / kUnitsPerSecond, units % kUnitsPerSecond);
  return text;
}

std::string typedLength(double metres) {
  char text[64];
  std::snprintf(text, sizeof text, "%.9f", metres);
  return text;
}

ChainAngles withErrors(const ChainAngles& exact, double scaleSeconds) {
  // A fixed, irregular sequence in [-1, 1].
  const double sequence[] = {0.83, -0.41, 0.17, -0.96, 0.52, 0.08, -0.67, 0.29, -0.13, 0.74, -0.58};
  ChainAngles noisy = exact;
  std::size_t k = 0;
  const auto next = [&] { return sequence[k++ % 11] * scaleSeconds / 3600.0; };
  for (int i = 1; i <= exact.triangles(); ++i) {
    noisy.A[at(i)] += next();
    noisy.B[at(i)] += next();
    const double c = noisy.C[at(i)];
    noisy.C[at(i)] = c + (c < 0.0 ? -next() : next());
  }
  return noisy;
}

}  // namespace chainadj::testing
