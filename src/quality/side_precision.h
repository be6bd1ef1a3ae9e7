// Every side of an adjusted chain with its length, azimuth and precision: the relative mean
// error 1/T of its length and the mean error of its azimuth, from the cofactors of its
// coordinate differences (those of the adjustment by coordinates, or for the classical
// procedures the same functions of the adjusted angles as the points').
#pragma once

#include <optional>
#include <vector>

#include "adjust/adjustment_result.h"
#include "adjust/point_cofactors.h"
#include "adjust/triangle_vertices.h"
#include "state/chain_state.h"

namespace chainadj {

struct SidePrecision {
  ChainSide side;                          // from the lower chain point to the higher
  double length = 0;                       // metres
  double azimuth = 0;                      // decimal degrees, from `side.from` to `side.to`
  // T of 1/T = m_s / s; nullopt for a side between known points and for a length held free of
  // error (a base taken as such).
  std::optional<double> relative;
  std::optional<double> lengthMeanError;   // m_s, metres, where `relative` is given
  std::optional<double> azimuthMeanError;  // seconds; nullopt for a side between known points
};

// The sides of the chain with their lengths and azimuths from the points X, Y (metres, chain
// points 0..n+1, as a report holds them); the precision is left open.
std::vector<SidePrecision> sideGeometry(const ChainPass& pass, const std::vector<double>& X,
                                        const std::vector<double>& Y);

// The precision of a side from the cofactors of `to` minus `from` and the unit-weight mean
// error (seconds). `lengthHeld`: the adjustment holds the length free of error.
void setSidePrecision(SidePrecision& side, const PointCofactors& difference, double meanError,
                      bool lengthHeld);

// The side with the largest relative error (the smallest T), if any side has one.
std::optional<std::size_t> weakestSide(const std::vector<SidePrecision>& sides);

// The classical procedure's sides: the cofactors of the sides as functions of the adjusted
// angles, with the second-group rows as the procedure built them, and its unit-weight mean
// error; in time linear in n. The chain holds the adjusted angles.
std::vector<SidePrecision> classicalSidePrecisions(const ChainState& chain,
                                                   const AdjustmentResult& result);

}  // namespace chainadj
