// The reductions that bring a chain's observations onto the Gauss–Krüger plane: the direction
// reduction of both sides of every angle, hence the reduction of each observed angle (and of the
// orientation angles Qa and Qb), and the reduction of each measured base to a plane distance.
//
// An angle at P from the direction to Q clockwise to the direction to R becomes on the plane the
// angle plus δ(P→R) − δ(P→Q). The three angles of a triangle are its interior angles: their
// reductions sum to minus the triangle's spherical excess, so the reduced angles close on 180°.
// A measured horizontal distance D at the mean height Hm becomes D (R + H0)/(R + Hm) on the
// projection surface of height H0 (R the ellipsoid's radius of curvature in the line's azimuth),
// and then the chord on the plane, longer than the geodesic by the projection's scale.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "adjust/chain_pass.h"
#include "adjust/gauss_kruger.h"
#include "state/chain_state.h"

namespace chainadj {

// How the known bases Sa and Sb were obtained.
enum class BaseKind {
  PlaneDistance,     // computed from plane coordinates: no reduction
  MeasuredDistance,  // measured horizontal distances at a mean height
};

struct ReductionSettings {
  PlaneDefinition plane;
  // The zone the Y coordinates belong to, where it is named (13..45); 0 when it is not.
  int zone = 0;
  double projectionHeight = 0;  // H0, metres above the ellipsoid
  BaseKind bases = BaseKind::PlaneDistance;
  double baseHeight = 0;        // Hm of the measured bases, metres above the ellipsoid
};

// One direction reduced: from chain point `from` to chain point `to` (-1: the orientation point
// E or F), seconds of arc. The direction of a typed azimuth has no far end to reduce it with: its
// reduction is taken as 0.
struct DirectionReductionRow {
  int from = 0, to = 0;
  double seconds = 0;
};

// A measured base and its plane distance, metres.
struct BaseReduction {
  double measured = 0;
  double plane = 0;
};

struct ChainReductions {
  // Of A(i), B(i) and the magnitude of C(i), seconds; triangle i at index i (0 unused).
  std::vector<std::array<double, 3>> angles;
  std::optional<double> Qa, Qb;  // of the signed orientation angles, seconds
  std::optional<BaseReduction> Sa, Sb;  // measured bases
  std::vector<DirectionReductionRow> directions;  // every direction reduced, once each
  // The observations before they were reduced: the triangle angles A, B, C (signed) and the
  // orientation angles, decimal degrees, as ChainState keeps them.
  std::vector<std::array<double, 3>> observed;
  double observedQa = 0, observedQb = 0;

  // The largest difference between two sets of angle reductions, seconds.
  double largestAngleChange(const ChainReductions& other) const;
};

// The reductions of the chain's observations, with the chain's points at X, Y (chain points
// 0..n+1, metres, as near the truth as a provisional adjustment gives them) and the pass's route.
ChainReductions chainReductions(const ChainState& chain, const ChainPass& route,
                                const std::vector<double>& X, const std::vector<double>& Y,
                                const ReductionSettings& settings);

}  // namespace chainadj
