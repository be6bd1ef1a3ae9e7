#include "adjust/corrections.h"

#include "state/constants.h"

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

}  // namespace

std::vector<double> secondGroupCorrections(const SecondGroup& group,
                                           const std::vector<double>& correlates) {
  std::vector<double> v(at(group.columns()), 0.0);
  for (std::size_t k = 0; k < v.size(); ++k) {
    double sum = 0.0;
    for (int r = 1; r <= group.conditions(); ++r) {
      sum = sum + correlates[at(r)] * group.all()[at(r - 1)].a[k];
    }
    v[k] = sum;
  }
  return v;
}

double applyCorrections(const std::vector<double>& v, ChainState& chain) {
  const double vQa = v[kColumnOfQa];
  const double vQb = v[at(columnOfQb(chain.n))];
  chain.Qa = chain.Qa + chain.Sg[0] * vQa / kSecondsPerDegree;

  double vv = 0.0;
  for (int i = 1; i <= chain.n; ++i) {
    const double vA = v[at(columnOfA(i))], vB = v[at(columnOfB(i))], vC = v[at(columnOfC(i))];
    chain.A[at(i)] = chain.A[at(i)] + vA / kSecondsPerDegree;
    chain.B[at(i)] = chain.B[at(i)] + vB / kSecondsPerDegree;
    chain.C[at(i)] = chain.C[at(i)] + vC / kSecondsPerDegree;
    vv = vv + vA * vA + vB * vB + vC * vC;
  }
  return vv + vQa * vQa + vQb * vQb;
}

}  // namespace chainadj
