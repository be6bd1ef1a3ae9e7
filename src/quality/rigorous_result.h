// The adjustment by coordinates (严密平差) of a run with everything a report, the results table
// and the JSON export give of it: the adjusted points with their cofactors, mean errors and
// error ellipses, every observation with its correction, redundancy number and standardised
// correction, the global test, the sides with their precision and the named weakest elements.
//
// Call it after the classical procedure of the run, which gives the approximations:
//   const RigorousResult r = adjustRigorously(driver.chain(), *driver.lastSelection(),
//                                             driver.lastResult(), rigorousSettings(quality));
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "adjust/adjustment_result.h"
#include "adjust/rigorous_adjustment.h"
#include "quality/global_test.h"
#include "quality/point_precision.h"
#include "quality/side_precision.h"
#include "quality/survey_grade.h"
#include "state/chain_state.h"

namespace chainadj {

// Baarda's bound for a standardised correction at α = 0.1 %: above it an observation is marked.
inline constexpr double kBlunderBound = 3.29;
inline constexpr const char* kSuspectedBlunderMark = "可能粗差";

struct RigorousPoint {
  int point = 0;       // chain point 0..n+1
  bool known = false;  // A, B, C, D: held as given
  double x = 0, y = 0;  // metres
  // A new point's cofactors (qxx, qxy, qyy, square metres per square second), mean errors and
  // ellipse with m0 (metres, azimuthOfE in degrees); none for a known point.
  std::optional<PointPrecision> precision;
};

struct RigorousResult {
  int procedure = 0;  // the selection row 1..10
  int n = 0;          // triangles
  double sigma0 = 0;  // a-priori unit-weight mean error mβ, seconds
  double m0 = 0;      // a-posteriori, sqrt([pvv]/r), seconds
  int redundancy = 0;  // r
  double pvv = 0;     // [pvv], square seconds
  GlobalTest chi2;    // r m0²/σ0² against the χ² bounds of 95 %
  int iterations = 0;
  bool converged = false;
  double lastChange = 0;  // largest coordinate change of the last iteration, metres

  std::vector<RigorousPoint> points;  // 0..n+1
  // A(1), B(1), C(1), ..., C(n), then Qa/Ta, Qb/Tb, Sa, Sb as the row has them.
  std::vector<RigorousObservation> observations;
  std::optional<std::size_t> largestW;  // the observation with the largest |w|
  std::vector<std::size_t> suspected;   // every observation with |w| > 3.29, in order
  std::vector<SidePrecision> sides;     // every side of every triangle, as chainSides gives them
  std::optional<std::size_t> weakestSide;  // the side with the smallest T
  std::optional<int> largestPointError;    // the new point with the largest mp

  bool isSuspected(const RigorousObservation& o) const;
};

// The settings of the check for the adjustment: mβ as σ0, mα, the base error.
RigorousSettings rigorousSettings(const QualitySettings& settings);

// Adjusts the chain of the run whose classical procedure (selection row `row`) left `classical`.
// The chain holds the run's typed observations (and the classical procedure's adjusted angles,
// which are not used). Stops with a ChainError on data that cannot be adjusted; an adjustment
// that did not converge has converged = false (rigorousNotConvergedMessage tells it).
RigorousResult adjustRigorously(const ChainState& chain, int row,
                                const AdjustmentResult& classical,
                                const RigorousSettings& settings);

// "A(12)", "B(3)", "C(7)", "Qa", "Sb", ...
std::string observationLabel(const RigorousObservation& observation);

}  // namespace chainadj
