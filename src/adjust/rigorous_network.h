// The chain as a network for the adjustment by coordinates (严密平差): which chain points are
// known and which are unknowns, and what the selection row observes, with the mean errors.
//
// Chain points 0..n+1: A (0) and B (n+1) are known, and so are C (point 1) and D (point n) where
// the run has them. Every other point is an unknown, X and Y. The observations:
// - the 3n triangle angles as typed, A(i) and B(i) at their vertices and C(i) (its magnitude) at
//   the route point, each with the mean error mβ;
// - at a start from A, the azimuth of the start side A-1: the known direction (Ta typed, or the
//   direction A-E) turned by the orientation angle Qa, Ta + Qa;
// - at a close on B, the azimuth of the last side from B back to its route point: the known
//   direction (Tb typed, or the direction B-F) turned back by Qb, Tb - Qb;
// - the typed bases Sa (A to point 1) and Sb (the last side) where the row has them.
// Qa and Qb carry the mean error mβ, a typed Ta or Tb the azimuth error mα; a direction to a
// known point carries none. An azimuth or a base free of all error is a constraint, taken with
// a weight 1e8 times an angle's.
#pragma once

#include <array>
#include <vector>

#include "adjust/adjustment_result.h"
#include "adjust/triangle_vertices.h"
#include "state/chain_state.h"

namespace chainadj {

struct RigorousSettings {
  double angleMeanError = 0;    // mβ, seconds: the a-priori unit-weight mean error σ0
  double azimuthMeanError = 0;  // mα of a typed Ta or Tb, seconds; 0: free of error
  double baseMeanError = 0;     // of a typed base Sa or Sb, millimetres; 0: a constraint
};

enum class ObservationKind { A, B, C, Qa, Qb, Ta, Tb, Sa, Sb };

// "A", "B", "C", "Qa", "Qb", "Ta", "Tb", "Sa" or "Sb".
const char* observationKindName(ObservationKind kind);

// What an equation measures between chain points.
enum class Measure {
  Angle,     // at points[0], from the direction to points[1] to that to points[2]
  Azimuth,   // of the direction from points[0] to points[1]
  Distance,  // between points[0] and points[1]
};

// A value the run holds that enters an end equation: the equation observes the sum of its
// parts, each taken with its sign.
struct ObservedPart {
  ObservationKind kind = ObservationKind::Qa;
  double value = 0;     // as the run holds it: signed decimal degrees, or metres
  double sign = 1;      // +1 or -1
  double variance = 0;  // a-priori, in the equation's unit (radians or metres) squared
};

// An azimuth or a base at an end of the chain.
struct EndEquation {
  Measure measure = Measure::Azimuth;
  std::array<int, 2> points{};
  double observed = 0;  // radians or metres
  double sigma = 0;     // a-priori mean error, radians or metres (a constraint's is tiny)
  bool constraint = false;
  std::array<ObservedPart, 2> parts{};
  int partCount = 0;
};

struct RigorousNetwork {
  int triangles = 0;
  // Triangle i, 1..n (element 0 unused): the chain points at A(i), B(i) and C(i), the observed
  // magnitudes of its angles in radians, and the sense of its turn: +1 when C(i) turns clockwise
  // from the vertex of A(i) to that of B(i). Each angle is sense * (the turn at its vertex from
  // the next vertex of the triangle to the previous one, in the order A, B, C).
  std::vector<std::array<int, 3>> vertices;
  std::vector<std::array<double, 3>> observedAngles;
  std::vector<std::array<double, 3>> typedAngles;  // as typed, decimal degrees, C signed
  std::vector<double> sense;
  double angleSigma = 0;  // mβ, radians
  std::vector<EndEquation> ends;

  // Chain points 0..n+1: the known coordinates, or the approximations of the unknowns (metres).
  std::vector<double> X, Y;
  // The index of a point's unknowns (its X is unknown 2k, its Y 2k+1), or -1 for a known point.
  std::vector<int> unknownOf;
  int unknownPoints = 0;

  std::vector<ChainSide> sides;  // every side of every triangle once, as chainSides gives them

  int equations() const { return 3 * triangles + static_cast<int>(ends.size()); }
  int points() const { return triangles + 2; }
};

// The network of the chain for its selection row (1..10), the classical procedure's adjusted
// chain giving the approximations. The chain holds the run's typed angles and orientation
// angles; a base the row needs must be positive (ChainError).
RigorousNetwork buildRigorousNetwork(const ChainState& chain, int row,
                                     const AdjustmentResult& classical,
                                     const RigorousSettings& settings);

}  // namespace chainadj
