#include "adjust/precision.h"

#include <cmath>
#include <string>

#include "adjust/adjustment_messages.h"
#include "state/chain_error.h"
#include "state/constants.h"
#include "state/display_format.h"
#include "state/form_fields.h"

namespace chainadj {
namespace {

constexpr const char* kInfinity = "∞";

void showRelativeError(Platform& platform, const std::optional<double>& tr) {
  const std::string denominator = tr ? formatWholeNumber(*tr) : std::string(kInfinity);
  platform.setText(box::kRelativeMeanError, "1/" + denominator);
}

void showPointError(Platform& platform, const std::optional<double>& md) {
  platform.setText(box::kPointMeanError, md ? formatValue(*md, kMillimetresFormat)
                                             : std::string(kInfinity) + kUnitMillimetres);
}

}  // namespace

double unitWeightMeanError(double vv, double WW, int conditions) {
  const double firstGroup = WW * (kSecondsPerDegree * kSecondsPerDegree);
  const double mb = std::sqrt((vv + firstGroup) / conditions);
  if (!std::isfinite(mb)) throw ChainError(kNonFiniteMeanErrorMessage);
  return mb < kNegligibleMeanErrorSeconds ? 0.0 : mb;
}

void showUnitWeightMeanError(Platform& platform, double mb) {
  showValue(platform, box::kMeanError, mb, kSecondsFormat);
}

PrecisionFigures reportPrecision(Platform& platform, const PrecisionInputs& inputs,
                                 std::string_view mlogsUnit) {
  PrecisionFigures figures;
  figures.mb = unitWeightMeanError(inputs.vv, inputs.WW, inputs.conditions);
  showUnitWeightMeanError(platform, figures.mb);

  figures.mlogs = figures.mb * std::sqrt(inputs.reciprocalWeight);
  platform.setText(box::kLogMeanError,
                   formatWithUnit(figures.mlogs, kMaskTwoDecimals, mlogsUnit));

  if (figures.mlogs == 0.0) {
    figures.md = 0.0;
  } else {
    figures.Tr = std::trunc(kRelativeErrorNumerator / figures.mlogs);
    if (*figures.Tr != 0.0) {
      figures.md = kMillimetresPerMetre * inputs.pointDistance / *figures.Tr;
    }
  }
  showRelativeError(platform, figures.Tr);
  showPointError(platform, figures.md);
  return figures;
}

double distanceFromA(const ChainState& chain, const ChainPass& provisional, int routePoint) {
  const double dx = provisional.routeX(routePoint) - chain.Xa;
  const double dy = provisional.routeY(routePoint) - chain.Ya;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace chainadj
