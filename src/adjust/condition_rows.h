// The transformed coefficient rows of the second group. For every triangle a row has raw
// coefficients for A(i), B(i) and C(i); the stored values are the raw values minus their mean,
// so that corrections derived from them keep every triangle closed (each triangle's three
// corrections sum to zero). All coefficients are per second of angle correction.
#pragma once

#include "adjust/chain_pass.h"
#include "adjust/second_group.h"
#include "state/chain_state.h"

namespace chainadj {

// Azimuth row, raw (0, 0, Sg(i)). Its entries are single-precision values: the mean Sg(i)/3 is
// rounded to single precision and so is Sg(i) minus it.
CoefficientRow azimuthRow(const ChainState& chain, const SecondGroup& group);

// Side row, raw (dA(i), dB(i), 0): units of the sixth decimal of log S(n+1).
CoefficientRow sideRow(const ChainState& chain, const SecondGroup& group);

// Where the chain must close and how far its coordinate rows reach.
struct CoordinateTarget {
  double knownX = 0, knownY = 0;        // the known closing point
  double computedX = 0, computedY = 0;  // where the provisional pass put it
  int lastTriangle = 0;                 // triangles 1..lastTriangle have coordinate coefficients
};

struct CoordinateRows {
  CoefficientRow x, y;
};

// X and Y rows: with the lever arm from route point i to the known closing point,
// dx = (Xk - Xp(i))/1000 and dy = (Yk - Yp(i))/1000 in kilometres, raw X (dA dx, dB dx, px) and
// raw Y (dA dy, dB dy, py), px = Sg(i) (dy (-2.1055)), py = Sg(i) (dx 2.1055). Units: a
// coordinate change of 1 m is 434.29.
CoordinateRows coordinateRows(const ChainState& chain, const ChainPass& provisional,
                              const CoordinateTarget& target, const SecondGroup& group);

// The orientation angles as observations of the azimuth and coordinate conditions present. Qa
// turns the whole chain about A: azimuth a(0) = Sg(0), X a(0) = (Yk - Ya)(-2.1055) Sg(0)/1000,
// Y a(0) = (Xk - Xa) 2.1055 Sg(0)/1000 with the lever arm from A to the known closing point
// (Xk, Yk) of `target`; Qb turns only the closing direction: azimuth a(3n+1) = Sg(n+1).
// Not transformed.
void addOrientationColumns(SecondGroup& group, const ChainState& chain,
                           const CoordinateTarget& target);

// The triangle in the middle of the chain: n/2 for n even, (n+1)/2 for n odd.
int middleTriangle(int triangles);

// Weight function of the weakest side, the side in the middle of the chain. n even: log S(mid+1),
// raw (dA(i), dB(i), 0) for triangles 1..mid. n odd: the side of triangle mid opposite C(mid):
// triangles 1..mid-1 as for n even, triangle mid raw (0, dB(mid), 2.1055/tan C(mid)).
CoefficientRow middleSideWeightRow(const ChainState& chain, const SecondGroup& group);

}  // namespace chainadj
