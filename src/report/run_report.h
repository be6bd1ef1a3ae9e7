// The results of a completed run as a report shows them: the known data, the kind of adjustment,
// every triangle with its observed, corrected and adjusted angles, the closures of the second
// group, the precision figures, the adjusted coordinates of the listed points and the adjusted
// chain for a drawing, and the quality check: every closure against its limit and the precision
// of every new point with its error ellipse. It is a copy, so that it outlives the run it was made from.
//
// The adjusted angles, coordinates, the precision of points and sides and the statistics are
// those of the method the settings choose (平差方法): the adjustment by coordinates (严密平差),
// or the classical procedure that the form shows (条件分组平差). The closures, the conditions and
// the form's precision figures are the classical procedure's under either.
//
// Points are numbered as the chain numbers them: point 0 is the start point A, point n+1 the
// closing point B; a chain from the known point C has C as point 1, one that closes at D has D as
// point n. Triangle i has its interval angle C(i) at its route point, its distance angle A(i) at
// the other end of side S(i) and its forward angle B(i) at point i+1.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "adjust/adjustment_result.h"
#include "adjust/chain_reductions.h"
#include "entry/chain_data.h"
#include "entry/project_info.h"
#include "quality/adjustment_method.h"
#include "quality/closure_checks.h"
#include "quality/global_test.h"
#include "quality/point_precision.h"
#include "quality/rigorous_result.h"
#include "quality/side_precision.h"
#include "quality/survey_grade.h"
#include "state/chain_state.h"

namespace chainadj {

class RunDriver;

// Said where a report is asked for and the last run did not complete.
inline constexpr const char* kNoCompletedRunMessage =
    "还没有一次完成的平差计算，没有成果可以输出。请先计算一条三角锁，计算完成后再输出成果。";

// The program and its version, as the head of a report names them.
inline constexpr const char* kProgramName = "chainadj";
const char* programVersion();

// A known point of the chain or an orientation point.
struct KnownPoint {
  char letter = 'A';   // 'A', 'B', 'C', 'D', 'E' or 'F'
  double x = 0, y = 0;  // metres
  int chainPoint = -1;  // the chain point it is (A 0, B n+1, C 1, D n); -1 for E and F
  // The decimals X and Y were typed with; nullopt where the typed text is not known.
  std::optional<int> xDecimals, yDecimals;
};

// A known side or azimuth: typed, with the decimals it was typed with, or derived from known
// points (推算).
struct KnownValue {
  double value = 0;               // metres, or decimal degrees
  std::optional<int> decimals;    // of the metres, or of the seconds; nullopt: the usual
  const char* derivedFrom = nullptr;  // the points it was derived from ("C、A"); nullptr: typed
};

// An orientation angle as typed, with its correction where the adjustment observed it.
struct OrientationAngle {
  double observed = 0;               // signed decimal degrees
  std::optional<double> correction;  // seconds, of its magnitude
};

struct KnownData {
  std::vector<KnownPoint> points;  // A and B, then C, D, E and F where the run had them
  std::optional<KnownValue> Sa, Sb;  // start and closing sides, metres (typed or derived)
  std::optional<KnownValue> Ta, Tb;  // start and closing azimuths, decimal degrees
  std::optional<OrientationAngle> Qa, Qb;
};

struct AdjustmentKind {
  int row = 0;              // the selection row 1..10; the procedure is Cm<row>
  std::string description;  // what kind of chain it adjusts
  bool fitted = false;      // scaled and turned onto A-B, without second-group conditions
};

// The three angles of a triangle, in the order they are typed.
enum TriangleAngle { kDistanceAngle = 0, kForwardAngle = 1, kIntervalAngle = 2 };
inline constexpr int kAnglesPerTriangle = 3;

struct ReportTriangle {
  std::array<int, kAnglesPerTriangle> vertex{};     // the chain point at A(i), B(i), C(i)
  std::array<double, kAnglesPerTriangle> observed{};  // decimal degrees as typed, C(i) signed
  // Decimal degrees, C(i) signed, by the method of the report.
  std::array<double, kAnglesPerTriangle> adjusted{};
  double closure = 0;                               // w(i), seconds
  // The corrections of the classical procedure's two groups, seconds, of the magnitude of C(i):
  // v′ = −w(i)/3 of the triangle closure, v″ of the procedure's second group (0 where it has
  // none).
  std::array<double, kAnglesPerTriangle> firstGroup{}, secondGroup{};

  // Adjusted minus observed, seconds. The correction of C(i) is that of its magnitude, as the
  // closure A + B + |C| - 180 counts it, so the three corrections sum to -w(i).
  double correction(int angle) const;
};

struct ReportCondition {
  ConditionKind kind = ConditionKind::Azimuth;
  double closure = 0;  // as its box shows it: seconds, units of the sixth decimal, millimetres
};

struct ReportPrecision {
  double meanError = 0;                     // mb, seconds
  std::optional<double> reciprocalWeight;   // 1/p of the weakest side
  std::optional<PrecisionFigures> figures;  // mlogs, 1/Tr, md; none for a fitted chain
};

// The quality check of the run, with the settings it was made with.
struct ReportQuality {
  QualitySettings settings;
  ClosureReport closures;
  std::vector<PointPrecision> points;  // points 1..lastListedPoint, point j at index j-1
};

// The adjustment's unit-weight statistics and where they come from.
struct ReportStatistics {
  std::string method;  // the method whose corrections they are from
  UnitWeightStatistics unitWeight;
};

// The method the report's results are from, and why.
struct ReportMethod {
  AdjustmentMethod chosen = AdjustmentMethod::Rigorous;  // as the settings choose it
  std::string reason;  // "四等按 GB 50026 采用严密平差" or "按设置"
  // Why the chosen adjustment by coordinates gave no results (it did not converge, or its data
  // stopped it), "" when it gave them: the report then gives the classical procedure's.
  std::string fallback;
};

// Where the two methods' coordinates differ the most.
struct CoordinateDifference {
  int point = 0;
  double dx = 0, dy = 0;  // the adjustment by coordinates minus the classical procedure, metres
  double length() const;
};

// What the adjustment by coordinates gives besides the fields every method fills: every
// observation with its correction, redundancy number and standardised correction.
struct ReportRigorous {
  // A(1), B(1), C(1), ..., C(n), then the observations at the ends (rigorous_result.h).
  std::vector<RigorousObservation> observations;
  std::optional<std::size_t> largestW;  // the observation with the largest |w|
  std::vector<std::size_t> suspected;   // every observation with |w| > 3.29, in order
  int iterations = 0;
  // Against the classical procedure's coordinates, over the new points; none without any.
  std::optional<CoordinateDifference> largestDifference;

  // The observation of angle `angle` of triangle i (1..n).
  const RigorousObservation& angle(int i, int angle) const;
  bool isSuspected(const RigorousObservation& observation) const;
};

struct RunReport {
  ProjectInfo project;
  AdjustmentKind kind;
  KnownData known;
  std::vector<std::string> names;  // the names typed for points 0..n+1 ("" where none)
  std::vector<double> X, Y;        // the adjusted chain, points 0..n+1, metres
  std::vector<ReportTriangle> triangles;  // triangle i at index i-1
  std::vector<ReportCondition> conditions;  // in the order of the procedure
  ReportPrecision precision;
  int firstListedPoint = 1;  // the coordinate listing: points first..last
  int lastListedPoint = 0;
  ReportQuality quality;
  std::vector<SidePrecision> sides;  // every side of every triangle, in the order they are drawn
  ReportStatistics statistics;
  ReportMethod method;
  // The adjustment by coordinates where its results are the report's; nullopt under the
  // classical method and where the rigorous one fell back on it.
  std::optional<ReportRigorous> rigorous;
  // The reduction onto the Gauss–Krüger plane, where the run made one: the triangles' and the
  // known values' observations above are then those on the plane.
  struct Reduction {
    ReductionSettings settings;
    ChainReductions reductions;
  };
  std::optional<Reduction> reduction;

  int triangleCount() const { return static_cast<int>(triangles.size()); }
  // The method whose results the report gives.
  AdjustmentMethod methodInUse() const {
    return rigorous ? AdjustmentMethod::Rigorous : AdjustmentMethod::Classical;
  }
  // Whether chain point j is a known point of the chain (A, B, C, D).
  bool isKnownPoint(int j) const;
  // The precision of listed point j when it is a new point; nullptr for a known point (A, B, C,
  // D, and so the end of a chain fitted onto B) and for a point that is not listed.
  const PointPrecision* newPointPrecision(int j) const;
  // The name of point j, or where none was typed its letter (A, B, C, D) or its number.
  void appendPointLabel(int j, std::string& out) const;
  std::string pointLabel(int j) const;
};

// What a report is made with besides the run: the settings of the check and the project of its
// head, whose date of computation is today's where it is empty.
struct ReportSettings {
  QualitySettings quality;
  ProjectInfo project;
};

// The report of a run from its parts: the chain as the procedure left it (adjusted angles, the
// observations as typed), the run's flags, its selection row, what the procedure kept, the
// settings and the texts the run's values were typed as (nullptr where they are not known).
// Under the rigorous method the chain is adjusted by coordinates here; where that adjustment
// does not converge or its data stop it, the report says why and gives the classical results.
RunReport makeRunReport(const ChainState& chain, const RunFlags& flags, int row,
                        const AdjustmentResult& result, const ReportSettings& settings,
                        const ChainData* typed);

// The parts of a report that a drawing of a chain needs, for a chain that was not adjusted: its
// kind, known data, names and triangles with the angles as the run left them, and the points of
// `pass` (which started as `start`) for points 1..lastListedPoint; no conditions, precision or
// quality check (the drawing then has no ellipses).
RunReport makeDrawingReport(const ChainState& chain, const RunFlags& flags, int row,
                            const ChainPass& pass, FirstTurn start, int lastListedPoint,
                            const ChainData* typed);

// The report of the driver's last run that solved (RunDriver::solvedRun), checked with
// `settings`, with `project` at its head; throws ChainError (kNoCompletedRunMessage) when no run
// has solved.
RunReport makeRunReport(const RunDriver& driver, const QualitySettings& settings,
                        const ProjectInfo& project = {});

// Today's date as the report writes it: 2026-12-09.
std::string todayText();

}  // namespace chainadj
