// The common course of an adjustment once its second-group conditions and weight function are
// set: the reciprocal weight and the correlates, the corrections written into the chain, the
// precision figures, the final pass with the adjusted angles and Qa, and the coordinate listing.
#pragma once

#include "adjust/adjustment_result.h"
#include "adjust/chain_ends.h"
#include "adjust/chain_pass.h"
#include "adjust/coordinate_listing.h"
#include "adjust/second_group.h"
#include "adjust/second_group_solution.h"
#include "state/chain_state.h"
#include "state/display_format.h"
#include "state/platform.h"

namespace chainadj {

// Where the procedures' courses differ.
struct CourseOptions {
  SecondGroupSolver solve = solveSecondGroup;  // scd, or two conditions in closed form
  const char* namePrefix = kIndentedName;      // before each name in the listing
  const char* mlogsUnit = kUnitLogUnits;       // after mlogs in Text19
};

// `provisional` is the pass the conditions were formed from: md is measured from A to its route
// point mid+1. The group is kept in the result.
void adjustAndList(SecondGroup group, ChainState& chain, const ChainEnds& ends,
                   ChainPass provisional, Platform& platform, AdjustmentResult& result,
                   const CourseOptions& options = {});

// The listing of a finished pass, points 1..last: the result is solved before the first point
// is asked for, so that it can be reported while the listing waits.
void listAndRecord(const ChainState& chain, ChainPass points, int last, const char* namePrefix,
                   Platform& platform, AdjustmentResult& result);

}  // namespace chainadj
