// The checks of a chain's data that the data file's reader makes and the window's data editor
// shows as the data are edited: why a value is refused, and the problems of the chain as a whole
// that would stop its data entry (a known point on its neighbour, more point names than the run
// asks, a triangle closure too large). Their messages name the value, not a line of a file.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "entry/chain_data.h"
#include "entry/prompt_confirm.h"

namespace chainadj {

// What is wrong with a value, said about `what` ("Sa", "第 2 个三角形的间隔角 C"): e.g.
// "Sa 是边长，不能是负数".
std::string valueRefusalText(Refusal refusal, const std::string& what, const std::string& typed);

// The angle kinds and names of a triangle's three angles A, B, C, in that order.
struct TriangleAngleColumn {
  InputItem item;
  const char* name;  // "求距角 A", "前进角 B", "间隔角 C"
  ValueKind kind;
};
const std::array<TriangleAngleColumn, 3>& triangleAngleColumns();

// "第 3 个三角形的间隔角 C".
std::string triangleAngleName(int triangle, int column);

// A problem of the chain as a whole, with the values or the name it lies in.
struct ChainProblem {
  std::string what;                 // without a closing "。"
  std::vector<InputItem> values;    // the values it lies in (none for a name)
  std::optional<int> nameOrder;     // the surplus name it starts at
};

// A present known or orientation point C, D or F (F only without D) on the point it is sighted
// from, or so far from it that their distance is no finite number.
std::optional<ChainProblem> knownPointProblem(const ChainData& data);

// More point names than a run of the data asks.
std::optional<ChainProblem> surplusNameProblem(const ChainData& data);

// Triangle `triangle` (1..n) of these angles (decimal degrees, C signed) cannot be run: its
// closure is so large that a corrected angle leaves 0..180 degrees.
std::optional<std::string> closureProblem(int triangle, const std::array<double, 3>& degrees);

}  // namespace chainadj
