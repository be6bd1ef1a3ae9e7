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

double meanSide(const RunReport& report) {
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

double largestSemiAxis(const RunReport& report) {
  double largest = 0.0;
  for (int j = report.firstListedPoint; j <= report.lastListedPoint; ++j) {
    const PointPrecision* precision = report.newPointPrecision(j);
    if (precision != nullptr && std::isfinite(precision->E)) largest = std::max(largest, precision->E);
  }
  return largest;
}

}  // namespace

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
  const double largest = largestSemiAxis(report);
  if (!(largest > 0.0) || !(denominator > 0.0)) return 0.0;
  const double paperPerMetre = kMillimetresPerMetre / denominator;  // millimetres on paper
  double longest = kLargestEllipseMm;
  const double side = meanSide(report) * paperPerMetre;
  if (side > 0.0) longest = std::min(longest, kLargestEllipseShareOfSide * side);
  const double exact = longest / (largest * paperPerMetre);
  return exact <= 1.0 ? 1.0 : roundBarLength(exact);
}

}  // namespace chainadj
