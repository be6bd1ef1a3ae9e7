#include "adjust/condition_rows.h"

#include <cmath>

#include "adjust/adjustment_messages.h"
#include "state/chain_error.h"
#include "state/constants.h"

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// Stores the deviations of triangle i's raw coefficients from their mean.
void storeDeviations(CoefficientRow& row, int i, double rawA, double rawB, double rawC,
                     double mean) {
  row[at(columnOfA(i))] = rawA - mean;
  row[at(columnOfB(i))] = rawB - mean;
  row[at(columnOfC(i))] = rawC - mean;
}

void storeSideTriangle(CoefficientRow& row, const ChainState& chain, int i) {
  const double dA = chain.dA[at(i)], dB = chain.dB[at(i)];
  storeDeviations(row, i, dA, dB, 0.0, (dB + dA) / 3.0);
}

// Triangle mid of an odd chain: the side opposite C(mid) instead of the one opposite A(mid).
void storeIntervalSideTriangle(CoefficientRow& row, const ChainState& chain, int i) {
  const double tangent = std::tan(chain.C[at(i)] * chain.rho);
  const double dC = kLogSinePerSecond / tangent;
  if (tangent == 0.0 || !std::isfinite(dC)) throw ChainError(zeroIntervalAngleTangentMessage(i));
  const double dB = chain.dB[at(i)];
  storeDeviations(row, i, 0.0, dB, dC, (dB + dC) / 3.0);
}

}  // namespace

CoefficientRow azimuthRow(const ChainState& chain, const SecondGroup& group) {
  CoefficientRow row = group.emptyRow();
  for (int i = 1; i <= chain.n; ++i) {
    const float sign = chain.Sg[at(i)];
    const float mean = sign / 3.0f;
    const float turnShare = sign - mean;
    row[at(columnOfA(i))] = -mean;
    row[at(columnOfB(i))] = -mean;
    row[at(columnOfC(i))] = turnShare;
  }
  return row;
}

CoefficientRow sideRow(const ChainState& chain, const SecondGroup& group) {
  CoefficientRow row = group.emptyRow();
  for (int i = 1; i <= chain.n; ++i) storeSideTriangle(row, chain, i);
  return row;
}

CoordinateRows coordinateRows(const ChainState& chain, const ChainPass& provisional,
                              const CoordinateTarget& target, const SecondGroup& group) {
  CoordinateRows rows{group.emptyRow(), group.emptyRow()};
  for (int i = 1; i <= target.lastTriangle; ++i) {
    const double dx = (target.knownX - provisional.routeX(i)) / kMetresPerKilometre;
    const double dy = (target.knownY - provisional.routeY(i)) / kMetresPerKilometre;
    const double sign = chain.Sg[at(i)];
    const double dA = chain.dA[at(i)], dB = chain.dB[at(i)];
    const double px = sign * (dy * (-kLogSinePerSecond));
    const double py = sign * (dx * kLogSinePerSecond);
    storeDeviations(rows.x, i, dA * dx, dB * dx, px, ((dB + dA) * dx + px) / 3.0);
    storeDeviations(rows.y, i, dA * dy, dB * dy, py, ((dB + dA) * dy + py) / 3.0);
  }
  return rows;
}

void addOrientationColumns(SecondGroup& group, const ChainState& chain,
                           const CoordinateTarget& target) {
  const double signQa = chain.Sg[0];
  const double signQb = chain.Sg[at(chain.n + 1)];
  if (Condition* azimuth = group.find(ConditionKind::Azimuth)) {
    azimuth->a[kColumnOfQa] = signQa;
    azimuth->a[at(columnOfQb(chain.n))] = signQb;
  }
  if (Condition* x = group.find(ConditionKind::X)) {
    x->a[kColumnOfQa] =
        (target.knownY - chain.Ya) * (-kLogSinePerSecond) * signQa / kMetresPerKilometre;
  }
  if (Condition* y = group.find(ConditionKind::Y)) {
    y->a[kColumnOfQa] =
        (target.knownX - chain.Xa) * kLogSinePerSecond * signQa / kMetresPerKilometre;
  }
}

int middleTriangle(int triangles) {
  return triangles % 2 == 0 ? triangles / 2 : (triangles + 1) / 2;
}

CoefficientRow middleSideWeightRow(const ChainState& chain, const SecondGroup& group) {
  CoefficientRow row = group.emptyRow();
  const int mid = middleTriangle(chain.n);
  const bool odd = chain.n % 2 != 0;
  const int lastSideTriangle = odd ? mid - 1 : mid;
  for (int i = 1; i <= lastSideTriangle; ++i) storeSideTriangle(row, chain, i);
  if (odd) storeIntervalSideTriangle(row, chain, mid);
  return row;
}

}  // namespace chainadj
