// The check every procedure's known-truth test makes: the listing shows points 1..n+1, named
// "  P1".."  Pn", "  B" under " N(j)", at the true coordinates to the displayed millimetre.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "adjustment_run.h"
#include "true_chain.h"

namespace chainadj::testing {

inline constexpr double kMillimetre = 0.001;

inline void expectTruePointsListed(const AdjustmentRun& run, const TrueChain& truth) {
  const int n = truth.triangles();
  const std::vector<ListedPoint> listed = run.listing();
  ASSERT_EQ(listed.size(), static_cast<std::size_t>(n + 1));
  for (int j = 1; j <= n + 1; ++j) {
    const ListedPoint& point = listed[static_cast<std::size_t>(j - 1)];
    const Point& expected = truth.points[static_cast<std::size_t>(j)];
    EXPECT_EQ(point.label, " N(" + std::to_string(j) + ")");
    EXPECT_EQ(point.name, j <= n ? "  P" + std::to_string(j) : "  B");
    EXPECT_NEAR(point.x, expected.x, 0.5 * kMillimetre + 1e-7) << "point " << j;
    EXPECT_NEAR(point.y, expected.y, 0.5 * kMillimetre + 1e-7) << "point " << j;
  }
}

}  // namespace chainadj::testing
