#include "adjust/rigorous_equations.h"

#include <cmath>
#include <numbers>

namespace chainadj {
namespace {

constexpr double kFullCircle = 2.0 * std::numbers::pi;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

double wrapRadians(double angle) {
  return angle - kFullCircle * std::floor((angle + std::numbers::pi) / kFullCircle);
}

// The azimuth from p to q and its gradient with respect to q (that with respect to p is its
// negative): X north, Y east, clockwise from +X.
struct Direction {
  double azimuth, dX, dY;
};

Direction direction(const ChainCoordinates& c, int p, int q) {
  const double dx = c.differenceX(p, q), dy = c.differenceY(p, q);
  const double s2 = dx * dx + dy * dy;
  return {std::atan2(dy, dx), -dy / s2, dx / s2};
}

// Adds sign * (gradient of a direction p -> q) into the slots of p and q.
void addDirection(Linearised& l, const Direction& d, int slotP, int slotQ, double sign) {
  l.gradient[at(2 * slotQ)] += sign * d.dX;
  l.gradient[at(2 * slotQ + 1)] += sign * d.dY;
  l.gradient[at(2 * slotP)] -= sign * d.dX;
  l.gradient[at(2 * slotP + 1)] -= sign * d.dY;
}

}  // namespace

ChainCoordinates::ChainCoordinates(const RigorousNetwork& net)
    : X(net.X), Y(net.Y), dX(net.X.size(), 0.0), dY(net.Y.size(), 0.0) {}

double ChainCoordinates::differenceX(int from, int to) const {
  return (X[at(to)] - X[at(from)]) + (dX[at(to)] - dX[at(from)]);
}

double ChainCoordinates::differenceY(int from, int to) const {
  return (Y[at(to)] - Y[at(from)]) + (dY[at(to)] - dY[at(from)]);
}

Linearised triangleAngle(const RigorousNetwork& net, const ChainCoordinates& c, int i, int k) {
  const std::array<int, 3>& v = net.vertices[at(i)];
  const int next = (k + 1) % 3, previous = (k + 2) % 3;
  const double sense = net.sense[at(i)];
  const Direction toNext = direction(c, v[at(k)], v[at(next)]);
  const Direction toPrevious = direction(c, v[at(k)], v[at(previous)]);
  Linearised l;
  l.points = v;
  l.pointCount = 3;
  l.value = sense * wrapRadians(toPrevious.azimuth - toNext.azimuth);
  addDirection(l, toPrevious, k, previous, sense);
  addDirection(l, toNext, k, next, -sense);
  return l;
}

Linearised endEquation(const EndEquation& equation, const ChainCoordinates& c) {
  const int p = equation.points[0], q = equation.points[1];
  Linearised l;
  l.points = {p, q, -1};
  l.pointCount = 2;
  if (equation.measure == Measure::Azimuth) {
    const Direction d = direction(c, p, q);
    l.value = d.azimuth;
    addDirection(l, d, 0, 1, 1.0);
    return l;
  }
  const double dx = c.differenceX(p, q), dy = c.differenceY(p, q);
  l.value = std::hypot(dx, dy);
  l.gradient = {-dx / l.value, -dy / l.value, dx / l.value, dy / l.value, 0.0, 0.0};
  return l;
}

double misclosure(Measure measure, double observed, double computed) {
  const double difference = observed - computed;
  return measure == Measure::Distance ? difference : wrapRadians(difference);
}

}  // namespace chainadj
