// The precision figures of an adjusted chain: the mean error of unit weight of an angle (mb),
// the logarithmic (mlogs) and relative (1/Tr) mean errors of the weakest side and the position
// mean error of the middle point (md), each shown as soon as it is known.
#pragma once

#include <optional>
#include <string_view>

#include "adjust/chain_pass.h"
#include "state/chain_state.h"
#include "state/display_format.h"
#include "state/platform.h"

namespace chainadj {

struct PrecisionInputs {
  double vv = 0;                // second-group sum of squared corrections, square seconds
  double WW = 0;                // first-group sum of w(i)^2/3, square degrees
  int conditions = 0;           // n triangle conditions plus the second-group conditions
  double reciprocalWeight = 0;  // Pinv of the weakest side
  double pointDistance = 0;     // D, from A to the middle point, metres
};

struct PrecisionFigures {
  double mb = 0;                  // seconds; below 0.005 it is rounding noise and counts as 0
  double mlogs = 0;               // units of the sixth decimal
  std::optional<double> Tr;       // whole number; nullopt when mlogs is 0 (shown as ∞)
  std::optional<double> md;       // millimetres; nullopt when Tr is 0 (shown as ∞)
};

// mb = sqrt((vv + WW 3600^2)/conditions) in seconds; below 0.005 it is rounding noise and
// counts as exactly 0. A value that is not finite stops the run.
double unitWeightMeanError(double vv, double WW, int conditions);

// Text17: mb to two decimals followed by " 秒".
void showUnitWeightMeanError(Platform& platform, double mb);

// Each figure shown as soon as it is known: mb -> Text17; mlogs = mb sqrt(Pinv) -> Text19,
// followed by `mlogsUnit`; Tr = Fix(434290/mlogs) -> Text20 "1/Tr", "1/∞" when mlogs is 0;
// md = 1000 D/Tr -> Text28, 0 when mlogs is 0 and "∞ 毫米" when Tr is 0.
PrecisionFigures reportPrecision(Platform& platform, const PrecisionInputs& inputs,
                                 std::string_view mlogsUnit = kUnitLogUnits);

// D: the distance from A to route point `routePoint` of the provisional pass.
double distanceFromA(const ChainState& chain, const ChainPass& provisional, int routePoint);

}  // namespace chainadj
