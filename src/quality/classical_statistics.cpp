#include "quality/classical_statistics.h"

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

constexpr int kAnglesPerTriangle = 3;

}  // namespace

double firstGroupCorrection(const ChainState& chain, int i) {
  return -chain.w[at(i)] / kAnglesPerTriangle;
}

double secondGroupCorrection(const AdjustmentResult& result, int column) {
  if (column < 0 || at(column) >= result.corrections.size()) return 0.0;
  return result.corrections[at(column)];
}

UnitWeightStatistics classicalStatistics(const ChainState& chain, const AdjustmentResult& result,
                                         double sigma0) {
  double pvv = 0.0;
  for (int i = 1; i <= chain.n; ++i) {
    const double first = firstGroupCorrection(chain, i);
    for (int column = columnOfA(i); column <= columnOfC(i); ++column) {
      const double v = first + secondGroupCorrection(result, column);
      pvv += v * v;
    }
  }
  for (int column : {kColumnOfQa, columnOfQb(chain.n)}) {
    const double v = secondGroupCorrection(result, column);
    pvv += v * v;
  }
  const int redundancy = chain.n + result.group.conditions();
  return unitWeightStatistics(pvv, redundancy, sigma0);
}

}  // namespace chainadj
