// What an adjustment leaves besides the window: the second group as it was built and solved,
// the corrections, the precision figures and the adjusted points, for a report of the run.
#pragma once

#include <optional>
#include <vector>

#include "adjust/chain_pass.h"
#include "adjust/precision.h"
#include "adjust/second_group.h"

namespace chainadj {

struct AdjustmentResult {
  SecondGroup group{0};               // the conditions and the weight function; none when fitted
  std::vector<double> corrections;    // v(k), seconds, columns 0..3n+1; empty when fitted
  std::optional<double> reciprocalWeight;  // Pinv of the weakest side
  std::optional<PrecisionFigures> precision;  // mb, mlogs, Tr, md
  double meanError = 0;               // mb, seconds (for a fitted chain from the closures alone)
  ChainPass points;                   // the final pass: the adjusted (or fitted) chain points
  // The pass from the angles freed of their triangle closures, before the second group: the one
  // the conditions were formed from (for a fitted chain the fitted pass). Kept as soon as the
  // conditions are set, also when the adjustment then stops.
  ChainPass provisional;
  FirstTurn start = FirstTurn::AtNewPoint;  // from A, or at the known point C
  bool fitted = false;                // scaled and turned onto A-B, without a second group
  int firstListedPoint = 1;
  int lastListedPoint = 0;            // 0 until the adjustment has solved
  // The adjustment has solved: the points, the precision figures and the corrections are final;
  // only the coordinate listing may still wait for its key presses.
  bool solved = false;
};

}  // namespace chainadj
