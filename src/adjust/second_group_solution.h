// The solution of the second group: the normal equations with the weight function, the
// reciprocal weight of the weakest side through scd, and the correlates from the closures.
#pragma once

#include <vector>

#include "adjust/normal_equations.h"
#include "adjust/second_group.h"
#include "state/platform.h"

namespace chainadj {

// N(r, c) = sum over the columns 0..3n+1 (ascending) of a(r, k) a(c, k) for the conditions
// 1..r and the weight function as row r+1, both triangles filled: N(1..r, 1..r) the normal
// matrix, N(r, r+1) = [a f], N(r+1, r+1) = [f f].
NormalMatrix normalMatrix(const SecondGroup& group);

// Pinv = [f f] + q. A value within kNegligibleReciprocalWeightShare of [f f] is rounding noise
// and counts as exactly 0 (the weakest side is then fixed by the known data); a clearly
// negative one stops the run.
double reciprocalWeight(double squareSumOfWeightFunction, double quadraticForm);

struct SecondGroupSolution {
  double reciprocalWeight = 0;     // Pinv, unrounded
  std::vector<double> correlates;  // K(1..r), element 0 unused: N K + W = 0
};

// Forms the normal equations, obtains Pinv through scd and shows it in Text18, then puts the
// closures into column r+1 and solves the correlates by the same reduction and back
// substitution. Dependent conditions stop the run before Text18 is written.
SecondGroupSolution solveSecondGroup(const SecondGroup& group, Platform& platform);

// Two conditions solved in closed form, without scd: with Det = N(1,1) N(2,2) - N(1,2)^2,
// Pinv = [f f] + e1 [1 f] + e2 [2 f], e1 = (N12 [2 f] - [1 f] N22)/Det,
// e2 = (N12 [1 f] - N11 [2 f])/Det, shown in Text18; K(1) = (W2 N12 - W1 N22)/Det,
// K(2) = (W1 N12 - W2 N11)/Det. |Det| <= 1e-10 N11 N22 means the two conditions are dependent:
// the run stops before Text18 is written.
SecondGroupSolution solveTwoConditionsInClosedForm(const SecondGroup& group, Platform& platform);

using SecondGroupSolver = SecondGroupSolution (*)(const SecondGroup& group, Platform& platform);

}  // namespace chainadj
