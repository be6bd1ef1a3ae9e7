#include "report/run_report.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "adjust/adjusted_points.h"
#include "adjust/procedure_descriptions.h"
#include "adjust/triangle_vertices.h"
#include "entry/run_driver.h"
#include "quality/classical_statistics.h"
#include "report/rigorous_report.h"
#include "state/chain_error.h"
#include "state/constants.h"
#include "state/number_text.h"

#ifndef CHAINADJ_VERSION
#define CHAINADJ_VERSION "0"
#endif

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A value typed with more decimals than this is printed with this many.
constexpr int kMostTypedDecimals = 6;
// An angle typed as degrees.minutesseconds has four decimals before those of its seconds.
constexpr int kDmsDigitsBeforeSeconds = 4;

// The standard term 坐标 where the form's texts say 座标.
std::string reportTerms(std::string text) {
  constexpr std::string_view kFormTerm = "座标", kStandardTerm = "坐标";
  for (std::size_t at = text.find(kFormTerm); at != std::string::npos; at = text.find(kFormTerm, at)) {
    text.replace(at, kFormTerm.size(), kStandardTerm);
  }
  return text;
}

constexpr const char* kClassicalMethod = "条件分组平差（第一组三角形条件，第二组按所选图形的条件）";

ReportTriangle triangleOf(const ChainState& chain, const AdjustmentResult& result, int i) {
  ReportTriangle triangle;
  triangle.vertex = triangleVertices(result.points, i);
  triangle.observed = chain.typed[at(i)];
  triangle.adjusted = {chain.A[at(i)], chain.B[at(i)],
                       chain.C[at(i)] * static_cast<double>(chain.Sg[at(i)])};
  triangle.closure = chain.w[at(i)];
  const double first = firstGroupCorrection(chain, i);
  triangle.firstGroup = {first, first, first};
  triangle.secondGroup = {secondGroupCorrection(result, columnOfA(i)),
                          secondGroupCorrection(result, columnOfB(i)),
                          secondGroupCorrection(result, columnOfC(i))};
  return triangle;
}

std::vector<ReportTriangle> trianglesOf(const ChainState& chain, const AdjustmentResult& result) {
  std::vector<ReportTriangle> triangles;
  triangles.reserve(at(chain.n));
  for (int i = 1; i <= chain.n; ++i) triangles.push_back(triangleOf(chain, result, i));
  return triangles;
}

// The decimals of a typed number, less `shift` (the digits of degrees.minutes before the
// seconds); nullopt where nothing was typed.
std::optional<int> typedDecimals(const ChainData* typed, InputItem item, int shift = 0) {
  if (typed == nullptr) return std::nullopt;
  const std::optional<NumberParts> parts = splitNumber(typed->value(item));
  if (!parts) return std::nullopt;
  const std::size_t point = parts->mantissa.find('.');
  const long written =
      point == std::string::npos ? 0 : static_cast<long>(parts->mantissa.size() - point - 1);
  const long decimals = written - parts->exponent - shift;
  return static_cast<int>(std::clamp(decimals, 0L, static_cast<long>(kMostTypedDecimals)));
}

KnownPoint knownPoint(char letter, double x, double y, int chainPoint, const ChainData* typed,
                      InputItem xItem, InputItem yItem) {
  return {letter, x, y, chainPoint, typedDecimals(typed, xItem), typedDecimals(typed, yItem)};
}

KnownValue typedSide(double metres, const ChainData* typed, InputItem item) {
  return {metres, typedDecimals(typed, item), nullptr};
}

KnownValue typedAzimuth(double degrees, const ChainData* typed, InputItem item) {
  return {degrees, typedDecimals(typed, item, kDmsDigitsBeforeSeconds), nullptr};
}

// Whether any condition of the group carries the column: the adjustment observed that angle.
bool observedInGroup(const AdjustmentResult& result, int column) {
  for (const Condition& condition : result.group.all()) {
    if (condition.a[at(column)] != 0.0) return true;
  }
  return false;
}

std::optional<OrientationAngle> orientationAngle(double observed, const AdjustmentResult& result,
                                                 int column) {
  if (observed == 0.0) return std::nullopt;
  OrientationAngle angle{observed, std::nullopt};
  if (!result.corrections.empty() && observedInGroup(result, column)) {
    angle.correction = result.corrections[at(column)];
  }
  return angle;
}

// Sa and Ta come from C where it is known, Ta from E; Sb and Tb from D, Tb from F.
void addKnownValues(KnownData& known, const ChainState& chain, const RunFlags& flags,
                    const ChainData* typed) {
  if (chain.hasC()) {
    known.Sa = KnownValue{chain.Sa, std::nullopt, "C、A"};
    known.Ta = KnownValue{chain.Ta, std::nullopt, "C、A"};
  } else {
    if (chain.Sa != 0.0) known.Sa = typedSide(chain.Sa, typed, InputItem::Sa);
    if (chain.hasE()) {
      known.Ta = KnownValue{chain.Ta, std::nullopt, "A、E"};
    } else if (chain.Ta != 0.0 || flags.tagYes()) {
      known.Ta = typedAzimuth(chain.Ta, typed, InputItem::Ta);
    }
  }
  if (chain.hasD()) {
    known.Sb = KnownValue{chain.Sb, std::nullopt, "D、B"};
    known.Tb = KnownValue{chain.Tb, std::nullopt, "D、B"};
  } else {
    if (chain.Sb != 0.0) known.Sb = typedSide(chain.Sb, typed, InputItem::Sb);
    if (chain.hasF()) {
      known.Tb = KnownValue{chain.Tb, std::nullopt, "B、F"};
    } else if (flags.tbgYes()) {
      known.Tb = typedAzimuth(chain.Tb, typed, InputItem::Tb);
    }
  }
}

KnownData knownDataOf(const ChainState& chain, const RunFlags& flags,
                      const AdjustmentResult& result, const ChainData* typed) {
  using enum InputItem;
  const int n = chain.n;
  KnownData known;
  known.points.push_back(knownPoint('A', chain.Xa, chain.Ya, 0, typed, Xa, Ya));
  known.points.push_back(knownPoint('B', chain.Xb, chain.Yb, n + 1, typed, Xb, Yb));
  if (chain.hasC()) known.points.push_back(knownPoint('C', chain.Xc, chain.Yc, 1, typed, Xc, Yc));
  if (chain.hasD()) known.points.push_back(knownPoint('D', chain.Xd, chain.Yd, n, typed, Xd, Yd));
  if (chain.hasE()) known.points.push_back(knownPoint('E', chain.Xe, chain.Ye, -1, typed, Xe, Ye));
  if (chain.hasF()) known.points.push_back(knownPoint('F', chain.Xf, chain.Yf, -1, typed, Xf, Yf));
  addKnownValues(known, chain, flags, typed);
  known.Qa = orientationAngle(chain.typedQa, result, kColumnOfQa);
  known.Qb = orientationAngle(chain.typedQb, result, columnOfQb(n));
  return known;
}

std::vector<ReportCondition> conditionsOf(const AdjustmentResult& result) {
  std::vector<ReportCondition> conditions;
  for (const Condition& condition : result.group.all()) {
    conditions.push_back({condition.kind, condition.shown});
  }
  return conditions;
}

ReportPrecision precisionOf(const AdjustmentResult& result) {
  return {result.meanError, result.reciprocalWeight, result.precision};
}

void appendNumber(int value, std::string& out) { out += std::to_string(value); }

void giveClassicalResults(RunReport& report, const ChainState& chain,
                          const AdjustmentResult& result, const QualitySettings& quality) {
  report.quality.points = pointPrecisions(chain, result);
  report.sides = classicalSidePrecisions(chain, result);
  report.statistics = {kClassicalMethod,
                       classicalStatistics(chain, result, quality.grade.angleMeanError)};
}

// The results of the method the settings choose; the classical ones where the rigorous
// adjustment cannot give its own.
void giveResultsOfTheMethod(RunReport& report, const ChainState& chain, int row,
                            const AdjustmentResult& result, const QualitySettings& quality) {
  const MethodChoice choice = chosenMethod(quality);
  report.method = {choice.method, methodReason(quality), ""};
  if (choice.method == AdjustmentMethod::Rigorous) {
    try {
      giveRigorousResults(report, chain, row, result, quality);
      return;
    } catch (const ChainError& error) {
      report.method.fallback = error.what();
    }
  }
  giveClassicalResults(report, chain, result, quality);
}

}  // namespace

double CoordinateDifference::length() const { return std::hypot(dx, dy); }

const RigorousObservation& ReportRigorous::angle(int i, int angle) const {
  return observations[at(kAnglesPerTriangle * (i - 1) + angle)];
}

bool ReportRigorous::isSuspected(const RigorousObservation& observation) const {
  return observation.w && std::fabs(*observation.w) > kBlunderBound;
}

bool RunReport::isKnownPoint(int j) const {
  return std::any_of(known.points.begin(), known.points.end(),
                     [j](const KnownPoint& point) { return point.chainPoint == j; });
}

double ReportTriangle::correction(int angle) const {
  const auto k = at(angle);
  return (std::fabs(adjusted[k]) - std::fabs(observed[k])) * kSecondsPerDegree;
}

void RunReport::appendPointLabel(int j, std::string& out) const {
  if (j >= 0 && j < static_cast<int>(names.size()) && !names[at(j)].empty()) {
    out += names[at(j)];
    return;
  }
  for (const KnownPoint& point : known.points) {
    if (point.chainPoint == j) {
      out += point.letter;
      return;
    }
  }
  appendNumber(j, out);
}

const PointPrecision* RunReport::newPointPrecision(int j) const {
  if (j < firstListedPoint || j > lastListedPoint || j < 1) return nullptr;
  if (at(j) > quality.points.size() || isKnownPoint(j)) return nullptr;
  return &quality.points[at(j - 1)];
}

std::string RunReport::pointLabel(int j) const {
  std::string label;
  appendPointLabel(j, label);
  return label;
}

const char* programVersion() { return CHAINADJ_VERSION; }

std::string todayText() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

namespace {

// What a drawing of the chain needs: its kind, known data, names, points and triangles.
RunReport chainOf(const ChainState& chain, const RunFlags& flags, int row,
                  const AdjustmentResult& result, const ChainData* typed) {
  RunReport report;
  report.kind = {row, reportTerms(procedureDescription(row)), result.fitted};
  report.known = knownDataOf(chain, flags, result, typed);
  report.names = chain.na;
  PlanePoints points = adjustedPoints(chain, result);
  report.X = std::move(points.X);
  report.Y = std::move(points.Y);
  report.triangles = trianglesOf(chain, result);
  report.lastListedPoint = result.lastListedPoint;
  return report;
}

}  // namespace

RunReport makeRunReport(const ChainState& chain, const RunFlags& flags, int row,
                        const AdjustmentResult& result, const ReportSettings& settings,
                        const ChainData* typed) {
  RunReport report = chainOf(chain, flags, row, result, typed);
  report.project = settings.project;
  if (report.project.computedOn.empty()) report.project.computedOn = todayText();
  report.conditions = conditionsOf(result);
  report.precision = precisionOf(result);
  report.firstListedPoint = result.firstListedPoint;
  const QualitySettings& quality = settings.quality;
  report.quality = {quality, checkClosures(chain, result, quality), {}};
  giveResultsOfTheMethod(report, chain, row, result, quality);
  return report;
}

RunReport makeDrawingReport(const ChainState& chain, const RunFlags& flags, int row,
                            const ChainPass& pass, FirstTurn start, int lastListedPoint,
                            const ChainData* typed) {
  AdjustmentResult unadjusted;
  unadjusted.points = pass;
  unadjusted.start = start;
  unadjusted.lastListedPoint = lastListedPoint;
  return chainOf(chain, flags, row, unadjusted, typed);
}

RunReport makeRunReport(const RunDriver& driver, const QualitySettings& settings,
                        const ProjectInfo& project) {
  const RunResults* run = driver.solvedRun();
  if (run == nullptr) throw ChainError(kNoCompletedRunMessage);
  const std::optional<ChainData>& typed = run->data;
  RunReport report = makeRunReport(run->chain, run->flags, *run->selection, run->result,
                                   {settings, project}, typed ? &*typed : nullptr);
  if (run->reduction && run->reductions) report.reduction = {*run->reduction, *run->reductions};
  return report;
}

}  // namespace chainadj
