// The check every procedure's known-truth test makes: the listing shows points 1..last under
// " N(j)" with the names the run took, at the true coordinates to the displayed millimetre.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "adjustment_run.h"
#include "surveyed_chain.h"

namespace chainadj::testing {

inline constexpr double kMillimetre = 0.001;

inline void expectTruePointsListed(const AdjustmentRun& run, const SurveyedChain& chain) {
  const int last = chain.lastListedPoint();
  const std::vector<ListedPoint> listed = run.listing();
  ASSERT_EQ(listed.size(), static_cast<std::size_t>(last));
  for (int j = 1; j <= last; ++j) {
    const ListedPoint& point = listed[static_cast<std::size_t>(j - 1)];
    const Point& expected = chain.truth.points[static_cast<std::size_t>(j)];
    EXPECT_EQ(point.label, " N(" + std::to_string(j) + ")");
    EXPECT_EQ(point.name, chain.listedName(j));
    EXPECT_NEAR(point.x, expected.x, 0.5 * kMillimetre + 1e-7) << "point " << j;
    EXPECT_NEAR(point.y, expected.y, 0.5 * kMillimetre + 1e-7) << "point " << j;
  }
}

}  // namespace chainadj::testing
