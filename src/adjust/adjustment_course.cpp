#include "adjust/adjustment_course.h"

#include "adjust/condition_rows.h"
#include "adjust/corrections.h"
#include "adjust/precision.h"

namespace chainadj {

void adjustAndList(SecondGroup group, ChainState& chain, const ChainEnds& ends,
                   ChainPass provisional, Platform& platform, AdjustmentResult& result,
                   const CourseOptions& options) {
  result.provisional = std::move(provisional);
  result.start = ends.start;
  result.group = std::move(group);
  const SecondGroup& conditions = result.group;
  const SecondGroupSolution solution = options.solve(conditions, platform);
  result.reciprocalWeight = solution.reciprocalWeight;
  result.corrections = secondGroupCorrections(conditions, solution.correlates);
  const double vv = applyCorrections(result.corrections, chain);
  const PrecisionInputs inputs{vv, chain.WW, chain.n + conditions.conditions(),
                               solution.reciprocalWeight,
                               distanceFromA(chain, result.provisional, middleTriangle(chain.n) + 1)};
  result.precision = reportPrecision(platform, inputs, options.mlogsUnit);
  result.meanError = result.precision->mb;

  ChainPass adjusted = runChainPass(chain, ends.routeStart(chain));
  chain.S = adjusted.S;
  listAndRecord(chain, std::move(adjusted), ends.lastListedPoint(chain.n), options.namePrefix,
                platform, result);
}

void listAndRecord(const ChainState& chain, ChainPass points, int last, const char* namePrefix,
                   Platform& platform, AdjustmentResult& result) {
  result.points = std::move(points);
  result.lastListedPoint = last;
  result.solved = true;
  listCoordinates(platform, chain.na, result.points, 1, last, namePrefix);
}

}  // namespace chainadj
