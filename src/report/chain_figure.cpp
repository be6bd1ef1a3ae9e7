#include "report/chain_figure.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace chainadj {
namespace {

constexpr double kMillimetresPerMetre = 1000.0;
constexpr std::array<double, 4> kRoundScaleSteps = {1.0, 2.0, 2.5, 5.0};
constexpr std::array<double, 3> kRoundLengthSteps = {1.0, 2.0, 5.0};
constexpr double kDecade = 10.0;

void include(FigureExtent& extent, double x, double y) {
  extent.minX = std::min(extent.minX, x);
  extent.maxX = std::max(extent.maxX, x);
  extent.minY = std::min(extent.minY, y);
  extent.maxY = std::max(extent.maxY, y);
}

void widenTo(double& low, double& high, double least) {
  const double missing = least - (high - low);
  if (missing <= 0.0) return;
  low -= missing / 2;
  high += missing / 2;
}

// The smallest of steps times a power of ten that is at least `value` (value > 0).
template <std::size_t N>
double roundUp(double value, const std::array<double, N>& steps) {
  double decade = std::pow(kDecade, std::floor(std::log10(value)));
  for (;; decade *= kDecade) {
    for (double step : steps) {
      if (step * decade >= value) return step * decade;
    }
  }
}

double distance(const RunReport& report, int from, int to) {
  const auto a = static_cast<std::size_t>(from), b = static_cast<std::size_t>(to);
  return std::hypot(report.X[a] - report.X[b], report.Y[a] - report.Y[b]);
}

double meanSideOf(const RunReport& report) {
  double sum = 0.0;
  std::size_t sides = 0;
  const int points = static_cast<int>(std::min(report.X.size(), report.Y.size()));
  for (const ReportTriangle& triangle : report.triangles) {
    for (std::size_t k = 0; k < triangle.vertex.size(); ++k) {
      const int from = triangle.vertex[k], to = triangle.vertex[(k + 1) % triangle.vertex.size()];
      if (from < 0 || to < 0 || from >= points || to >= points) continue;
      sum += distance(report, from, to);
      ++sides;
    }
  }
  return sides > 0 ? sum / static_cast<double>(sides) : 0.0;
}

// The largest of steps times a power of ten that is at most `value` (value >= 1).
double roundDown(double value) {
  double decade = std::pow(kDecade, std::floor(std::log10(value)));
  double best = decade;
  for (double step : kRoundScaleSteps) {
    if (step * decade <= value) best = step * decade;
  }
  return best;
}

bool fitsAt(const FigureExtent& extent, double denominator, double widthMm, double heightMm) {
  return extent.across() * kMillimetresPerMetre / denominator <= widthMm &&
         extent.down() * kMillimetresPerMetre / denominator <= heightMm;
}

FigureExtent pointExtent(const RunReport& report, int point) {
  const auto k = static_cast<std::size_t>(point);
  return {report.X[k], report.X[k], report.Y[k], report.Y[k]};
}

ChainSheet sheetOf(const RunReport& report, int number, int first, int last, double denominator) {
  FigureExtent extent = pointExtent(report, first);
  for (int j = first + 1; j <= last; ++j) include(extent, report.X[static_cast<std::size_t>(j)],
                                                  report.Y[static_cast<std::size_t>(j)]);
  widenTo(extent.minX, extent.maxX, kSmallestFigureExtent);
  widenTo(extent.minY, extent.maxY, kSmallestFigureExtent);
  return {number, first, last, extent, denominator};
}

}  // namespace

double meanSideLength(const RunReport& report) { return meanSideOf(report); }

LargestEllipse largestEllipse(const RunReport& report) {
  LargestEllipse largest;
  for (int j = report.firstListedPoint; j <= report.lastListedPoint; ++j) {
    const PointPrecision* precision = report.newPointPrecision(j);
    if (precision != nullptr && std::isfinite(precision->E) && precision->E > largest.E) {
      largest = {j, precision->E};
    }
  }
  return largest;
}

namespace {

// The scale of the whole chain on a frame, and whether it is read there or goes on sheets.
struct WholeDrawing {
  double denominator = 0;
  double meanSide = 0;  // metres
  bool legible = true;
};

WholeDrawing wholeDrawing(const RunReport& report, double widthMm, double heightMm) {
  const FigureExtent whole = figureExtent(report);
  const double overview = roundScaleDenominator(whole.across(), whole.down(), widthMm, heightMm);
  const double side = meanSideOf(report);
  const std::size_t points = std::min(report.X.size(), report.Y.size());
  const bool legible =
      !(side > 0.0) || points < 3 || side * kMillimetresPerMetre / overview >= kLegibleSideMm;
  return {overview, side, legible};
}

// The round scale of the sheets along a chain whose mean side is `side` metres.
double sheetDenominator(double side) {
  return roundDown(std::max(side * kMillimetresPerMetre / kSheetSideMm, 1.0));
}

}  // namespace

double drawingDenominator(const RunReport& report, double widthMm, double heightMm) {
  const WholeDrawing whole = wholeDrawing(report, widthMm, heightMm);
  return whole.legible ? whole.denominator : sheetDenominator(whole.meanSide);
}

std::vector<ChainSheet> chainSheets(const RunReport& report, double widthMm, double heightMm) {
  const WholeDrawing whole = wholeDrawing(report, widthMm, heightMm);
  if (whole.legible) return {};
  const int points = static_cast<int>(std::min(report.X.size(), report.Y.size()));
  const double denominator = sheetDenominator(whole.meanSide);
  std::vector<ChainSheet> sheets;
  int first = 0;
  FigureExtent extent = pointExtent(report, 0);
  for (int j = 1; j < points; ++j) {
    FigureExtent grown = extent;
    include(grown, report.X[static_cast<std::size_t>(j)], report.Y[static_cast<std::size_t>(j)]);
    // A sheet holds at least one triangle (three points), even one too large for the frame.
    if (j - first >= 3 && !fitsAt(grown, denominator, widthMm, heightMm)) {
      sheets.push_back(sheetOf(report, static_cast<int>(sheets.size()) + 1, first, j - 1, denominator));
      first = j - 2;
      extent = pointExtent(report, first);
      include(extent, report.X[static_cast<std::size_t>(j - 1)], report.Y[static_cast<std::size_t>(j - 1)]);
      include(extent, report.X[static_cast<std::size_t>(j)], report.Y[static_cast<std::size_t>(j)]);
      continue;
    }
    extent = grown;
  }
  sheets.push_back(sheetOf(report, static_cast<int>(sheets.size()) + 1, first, points - 1, denominator));
  return sheets;
}

FigureExtent figureExtent(const RunReport& report) {
  FigureExtent extent;
  const std::size_t points = std::min(report.X.size(), report.Y.size());
  if (points > 0) {
    extent = {report.X[0], report.X[0], report.Y[0], report.Y[0]};
  } else if (!report.known.points.empty()) {
    const KnownPoint& first = report.known.points.front();
    extent = {first.x, first.x, first.y, first.y};
  }
  for (std::size_t j = 0; j < points; ++j) include(extent, report.X[j], report.Y[j]);
  for (const KnownPoint& point : report.known.points) include(extent, point.x, point.y);
  widenTo(extent.minX, extent.maxX, kSmallestFigureExtent);
  widenTo(extent.minY, extent.maxY, kSmallestFigureExtent);
  return extent;
}

double roundScaleDenominator(double metresAcross, double metresDown, double widthMm,
                             double heightMm) {
  const double needed = std::max(metresAcross * kMillimetresPerMetre / widthMm,
                                 metresDown * kMillimetresPerMetre / heightMm);
  return roundUp(std::max(needed, 1.0), kRoundScaleSteps);
}

double roundBarLength(double longestMetres) {
  const double decade = std::pow(kDecade, std::floor(std::log10(longestMetres)));
  double best = decade;
  for (double step : kRoundLengthSteps) {
    if (step * decade <= longestMetres) best = step * decade;
  }
  return best;
}

double ellipseMagnification(const RunReport& report, double denominator) {
  const double largest = largestEllipse(report).E;
  if (!(largest > 0.0) || !(denominator > 0.0)) return 0.0;
  const double paperPerMetre = kMillimetresPerMetre / denominator;  // millimetres on paper
  double longest = kLargestEllipseMm;
  const double side = meanSideOf(report) * paperPerMetre;
  if (side > 0.0) longest = std::min(longest, kLargestEllipseShareOfSide * side);
  const double exact = longest / (largest * paperPerMetre);
  return exact <= 1.0 ? 1.0 : roundBarLength(exact);
}

}  // namespace chainadj
