// The chain pass: route points, sides, azimuths and points of zig-zag chains, fans and mixtures.
#include "adjust/chain_pass.h"

#include <gtest/gtest.h>

#include "adjust/adjustment_messages.h"
#include "adjust/chain_ends.h"
#include "adjust/triangle_vertices.h"
#include "chain_state_builder.h"
#include "state/angles.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

using testing::chainStateFromA;
using testing::KnownKind;
using testing::surveyChain;
using testing::TrueChain;

void expectTruePoints(const ChainPass& pass, const TrueChain& truth, int firstPoint) {
  for (int j = firstPoint; j <= truth.triangles() + 1; ++j) {
    const auto k = static_cast<std::size_t>(j);
    EXPECT_NEAR(pass.X[k], truth.points[k].x, 1e-6) << "point " << j;
    EXPECT_NEAR(pass.Y[k], truth.points[k].y, 1e-6) << "point " << j;
  }
}

TEST(ChainPass, AFanOfFourHangsEverySideOnItsTurningPoint) {
  const TrueChain truth = testing::fanChain(4);
  const ChainState chain = chainStateFromA(surveyChain(truth, KnownKind::FullFromA, 15.0, 5.0));
  const ChainPass pass = runChainPass(chain, fromAToB(chain).routeStart(chain));
  EXPECT_EQ(pass.route, (std::vector<int>{0, 1, 1, 1, 1}));
  expectTruePoints(pass, truth, 0);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(pass.routeX(i), pass.X[1]) << "triangle " << i;
  EXPECT_EQ(pass.routeX(5), pass.X[5]);  // the far end of the last side
}

TEST(ChainPass, AZigZagStripMovesOnAtEveryTriangle) {
  const TrueChain truth = testing::zigZagChain(5);
  const ChainState chain = chainStateFromA(surveyChain(truth, KnownKind::FullFromA, -8.0, 5.0));
  const ChainPass pass = runChainPass(chain, fromAToB(chain).routeStart(chain));
  EXPECT_EQ(pass.route, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  expectTruePoints(pass, truth, 0);
}

TEST(ChainPass, MixedRunsOfFansAndZigsFollowTheRoute) {
  const TrueChain truth = testing::mixedChain(12);
  const ChainState chain = chainStateFromA(surveyChain(truth, KnownKind::FullFromA, 3.0, 5.0));
  const ChainPass pass = runChainPass(chain, fromAToB(chain).routeStart(chain));
  EXPECT_EQ(pass.route, truth.route);
  expectTruePoints(pass, truth, 0);
  for (int i = 1; i <= 13; ++i) {
    const auto k = static_cast<std::size_t>(i);
    EXPECT_NEAR(pass.T[k], testing::azimuth(truth.points[static_cast<std::size_t>(i == 1 ? 0 : truth.route[k - 1])],
                                            truth.points[k]), 1e-9)
        << "side " << i;
    EXPECT_GE(pass.T[k], 0.0);
    EXPECT_LT(pass.T[k], 360.0);
  }
}

// A strip of n triangles has n + 2 points and 2n + 1 sides; each triangle's vertices are the
// ends of its sides, and the distance angle stands where the previous side started.
TEST(ChainPass, TrianglesOfFansAndZigsHaveTheirVerticesAndEverySideOnce) {
  const TrueChain fan = testing::fanChain(4);
  const ChainState fanned = chainStateFromA(surveyChain(fan, KnownKind::FullFromA, 15.0, 5.0));
  const ChainPass fanPass = runChainPass(fanned, fromAToB(fanned).routeStart(fanned));
  EXPECT_EQ(triangleVertices(fanPass, 1), (std::array<int, 3>{0, 2, 1}));
  EXPECT_EQ(triangleVertices(fanPass, 3), (std::array<int, 3>{3, 4, 1}));
  EXPECT_EQ(chainSides(fanPass).size(), 9u);
  const TrueChain zig = testing::zigZagChain(5);
  const ChainState zigged = chainStateFromA(surveyChain(zig, KnownKind::FullFromA, -8.0, 5.0));
  const ChainPass zigPass = runChainPass(zigged, fromAToB(zigged).routeStart(zigged));
  EXPECT_EQ(triangleVertices(zigPass, 2), (std::array<int, 3>{1, 3, 2}));
  const std::vector<ChainSide> sides = chainSides(zigPass);
  EXPECT_EQ(sides.size(), 11u);
  EXPECT_EQ(sides.front(), (ChainSide{1, 2}));  // opposite A(1): point 1 to point 2
}

TEST(ChainPass, AChainStartingAtAKnownPointTurnsTheFirstTriangleAboutIt) {
  // Point 1 is known; side S(1) runs from it back to point 0.
  const TrueChain truth = testing::mixedChain(6);
  ChainState chain = chainStateFromA(surveyChain(truth, KnownKind::FullFromA, 0.0, 0.0));
  chain.Xc = truth.points[1].x;
  chain.Yc = truth.points[1].y;
  chain.Ta = testing::azimuth(truth.points[1], truth.points[0]);
  const ChainPass pass = runChainPass(chain, fromCToB(chain).routeStart(chain));
  EXPECT_EQ(pass.route, truth.route);
  expectTruePoints(pass, truth, 1);
}

TEST(ChainPass, PlacesPointsAgainAfterAChangeOfScale) {
  const TrueChain truth = testing::zigZagChain(3);
  const ChainState chain = chainStateFromA(surveyChain(truth, KnownKind::FullFromA, 2.0, 5.0));
  const RouteStart start = fromAToB(chain).routeStart(chain);
  ChainPass pass = runChainPass(chain, start);
  for (double& side : pass.S) side *= 2.0;
  placePoints(pass, start, chain.rho);
  const auto end = static_cast<std::size_t>(4);
  EXPECT_NEAR(pass.X[end] - chain.Xa, 2.0 * (truth.points[end].x - chain.Xa), 1e-6);
  EXPECT_NEAR(pass.Y[end] - chain.Ya, 2.0 * (truth.points[end].y - chain.Ya), 1e-6);
}

TEST(ChainPass, AForwardAngleWithoutSineStopsTheRun) {
  const TrueChain truth = testing::zigZagChain(3);
  ChainState chain = chainStateFromA(surveyChain(truth, KnownKind::FullFromA, 2.0, 5.0));
  chain.B[2] = 0.0;
  try {
    runChainPass(chain, fromAToB(chain).routeStart(chain));
    FAIL() << "a side was divided by a zero sine";
  } catch (const ChainError& error) {
    EXPECT_EQ(error.what(), zeroForwardAngleSineMessage(2));
  }
}

}  // namespace
}  // namespace chainadj
