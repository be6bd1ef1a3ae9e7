// Every side of an adjusted chain with its length, azimuth and precision: the relative mean
// error 1/T of its length and the mean error of its azimuth.
#pragma once

#include <optional>
#include <vector>

#include "adjust/chain_pass.h"
#include "adjust/triangle_vertices.h"

namespace chainadj {

struct SidePrecision {
  ChainSide side;                          // from the lower chain point to the higher
  double length = 0;                       // metres
  double azimuth = 0;                      // decimal degrees, from `side.from` to `side.to`
  std::optional<double> relative;          // T of 1/T; nullopt for a side between known points
  std::optional<double> azimuthMeanError;  // seconds; nullopt for a side between known points
};

// The sides of the chain with their lengths and azimuths from the points X, Y (metres, chain
// points 0..n+1, as a report holds them); the precision is left open.
std::vector<SidePrecision> sideGeometry(const ChainPass& pass, const std::vector<double>& X,
                                        const std::vector<double>& Y);

}  // namespace chainadj
