// Which chain point each angle of a triangle stands at, and the sides the triangles make.
//
// Triangle i has its interval angle C(i) at its route point, its forward angle B(i) at point
// i+1 and its distance angle A(i) at the other end of side S(i) from the route point. A triangle
// that moves the route on turns at point i, and S(i) started at the previous route point (A for
// triangle 1); a triangle of a fan turns where S(i) started, so A(i) is at point i.
#pragma once

#include <array>
#include <vector>

#include "adjust/chain_pass.h"

namespace chainadj {

// The chain points at A(i), B(i) and C(i), i = 1..n.
std::array<int, 3> triangleVertices(const ChainPass& pass, int i);

// A side of the chain between two of its points, from the lower point number to the higher.
struct ChainSide {
  int from = 0, to = 0;
  bool operator==(const ChainSide&) const = default;
};

// Every side of every triangle once, in the order the triangles first draw them (a triangle's
// sides in the order B-C, C-A, A-B of its angles' vertices: opposite A, B and C).
std::vector<ChainSide> chainSides(const ChainPass& pass);

}  // namespace chainadj
