#include "report/printed_corrections.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "state/constants.h"

namespace chainadj {
namespace {

constexpr double kHundredthsPerSecond = 100.0;
constexpr Hundredths kHundredthsPerWhole = 100;

// Far beyond any angle or correction of a chain (180° is 64 800 000 hundredths), and within a
// long long.
constexpr double kLargestHundredths = 1e15;

Hundredths whole(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<Hundredths>(std::nearbyint(std::clamp(value, -kLargestHundredths, kLargestHundredths)));
}

Hundredths hundredths(double seconds) { return whole(seconds * kHundredthsPerSecond); }

std::array<double, kAnglesPerTriangle> inHundredths(const std::array<double, kAnglesPerTriangle>& s) {
  return {s[0] * kHundredthsPerSecond, s[1] * kHundredthsPerSecond, s[2] * kHundredthsPerSecond};
}

}  // namespace

HundredthsOf3 roundedToSum(const std::array<double, kAnglesPerTriangle>& values, Hundredths total) {
  HundredthsOf3 rounded{};
  std::array<double, kAnglesPerTriangle> remainder{};  // what rounding took off each value
  for (std::size_t k = 0; k < values.size(); ++k) {
    rounded[k] = whole(values[k]);
    remainder[k] = std::isfinite(values[k]) ? values[k] - static_cast<double>(rounded[k]) : 0.0;
  }
  Hundredths missing = total - std::accumulate(rounded.begin(), rounded.end(), Hundredths{0});
  // Values that do not sum to the total (they do to a hundredth or two): whole hundredths to
  // each first, so that the rest is less than one to each.
  const auto angles = static_cast<Hundredths>(rounded.size());
  for (Hundredths& value : rounded) value += missing / angles;
  missing -= missing / angles * angles;
  std::array<std::size_t, kAnglesPerTriangle> order = {0, 1, 2};
  // Those rounded down the most first when a hundredth is missing, up the most when one is over;
  // between equal remainders, in the order of the angles.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return missing > 0 ? remainder[a] > remainder[b] : remainder[a] < remainder[b];
  });
  for (std::size_t k = 0; missing != 0; k = (k + 1) % order.size()) {
    const Hundredths step = missing > 0 ? 1 : -1;
    rounded[order[k]] += step;
    missing -= step;
  }
  return rounded;
}

PrintedTriangle printedTriangle(const ReportTriangle& triangle) {
  PrintedTriangle printed;
  printed.closure = hundredths(triangle.closure);
  std::array<double, kAnglesPerTriangle> corrections{};
  for (std::size_t k = 0; k < corrections.size(); ++k) {
    printed.observed[k] = hundredths(std::fabs(triangle.observed[k]) * kSecondsPerDegree);
    corrections[k] = triangle.correction(static_cast<int>(k));
  }
  printed.total = roundedToSum(inHundredths(corrections), -printed.closure);
  printed.first = roundedToSum(inHundredths(triangle.firstGroup), -printed.closure);
  for (std::size_t k = 0; k < corrections.size(); ++k) {
    printed.second[k] = printed.total[k] - printed.first[k];
    printed.adjusted[k] = printed.observed[k] + printed.total[k];
  }
  return printed;
}

void appendHundredths(Hundredths value, std::string& out) {
  if (value < 0) out += '-';
  const Hundredths magnitude = value < 0 ? -value : value;
  out += std::to_string(magnitude / kHundredthsPerWhole);
  out += '.';
  const Hundredths part = magnitude % kHundredthsPerWhole;
  out += static_cast<char>('0' + part / 10);
  out += static_cast<char>('0' + part % 10);
}

}  // namespace chainadj
