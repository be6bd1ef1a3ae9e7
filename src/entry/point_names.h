// The point names a run asks, in their order, and which point of the chain each one names: the
// window's data editor lists them so, and a pasted triangle row that begins with a name gives the
// name of the new point its triangle fixes.
#pragma once

#include <optional>
#include <string>

#include "entry/chain_data.h"

namespace chainadj {

// The point named at place `order` of a run of the known values `known` and `triangles`
// triangles, as the data editor heads it: "起算点 A", "待定点 3", "已知点 C", "闭合点 B" (empty
// for an order the run does not ask).
std::string namedPoint(const ChainData& known, int triangles, int order);

// The order of the name of the point at the forward angle B(triangle), the point the triangle
// fixes (triangle 1..n), or nullopt when the run asks no name for it.
std::optional<int> nameOrderOfTrianglePoint(const ChainData& known, int triangles, int triangle);

}  // namespace chainadj
