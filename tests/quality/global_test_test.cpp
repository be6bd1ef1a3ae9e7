// The global test: the χ² bounds against the tables, and the test on simulated surveys whose
// errors have the mean errors the adjustment assumes.
#include "quality/global_test.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rigorous_runs.h"

namespace chainadj::testing {
namespace {

struct Quantiles {
  int degreesOfFreedom;
  double lower, upper;  // 2.5 % and 97.5 %, from the tables
};

TEST(GlobalTest, BoundsAreTheQuantilesOfTheTables) {
  for (const Quantiles& q : {Quantiles{1, 0.000982069, 5.023886}, Quantiles{10, 3.246973, 20.483177},
                             Quantiles{100, 74.221927, 129.561197}}) {
    const ChiSquaredBounds bounds = chiSquaredBounds(q.degreesOfFreedom);
    EXPECT_NEAR(bounds.lower, q.lower, 1e-6 * q.upper) << q.degreesOfFreedom;
    EXPECT_NEAR(bounds.upper, q.upper, 1e-6 * q.upper) << q.degreesOfFreedom;
  }
}

// [pvv] = r m0² tested against σ0.
TEST(GlobalTest, ComparesTheSquareSumWithItsBounds) {
  const std::optional<GlobalTest> fits = globalTest(10 * 2.0 * 2.0, 10, 2.0);
  ASSERT_TRUE(fits.has_value());
  EXPECT_DOUBLE_EQ(fits->value, 10.0);
  EXPECT_EQ(fits->degreesOfFreedom, 10);
  EXPECT_TRUE(fits->passed);
  EXPECT_FALSE(globalTest(10 * 3.0 * 3.0, 10, 2.0)->passed);  // 22.5 > 20.48
  EXPECT_FALSE(globalTest(10 * 1.1 * 1.1, 10, 2.0)->passed);  // 3.025 < 3.247
  EXPECT_FALSE(globalTest(1.0, 0, 2.0));  // no redundancy: nothing to test
  EXPECT_FALSE(globalTest(1.0, 5, 0.0));  // no σ0
  EXPECT_FALSE(globalTest(NAN, 5, 1.0));
}

struct SimulatedSurvey {
  const char* name;
  KnownKind kind;
  TrueChain (*build)();
  RigorousSettings assumed;
};

constexpr int kSurveys = 200;
constexpr double kConfidence = 0.95;

// The share of surveys passing, out of `surveys` with errors `errorScale` times those assumed.
double passingShare(const SimulatedSurvey& s, double errorScale, int surveys, unsigned seed) {
  std::mt19937 random(seed);
  const TrueChain truth = s.build();
  int passed = 0;
  for (int k = 0; k < surveys; ++k) {
    SurveyedChain chain = surveyChain(truth, s.kind, 14.5, -21.25);
    const SurveyErrors errors{errorScale * s.assumed.angleMeanError,
                              errorScale * s.assumed.azimuthMeanError,
                              errorScale * s.assumed.baseMeanError};
    addKnownErrors(chain, errors, random);
    const RigorousChainRun run(chain, withNormalErrors(truth.angles, errors.angleSeconds, random));
    if (run.run.outcome != RunOutcome::Adjusted) continue;
    passed += run.adjust(s.assumed).chi2.passed ? 1 : 0;
  }
  return static_cast<double>(passed) / surveys;
}

const SimulatedSurvey kSimulated[] = {
    {"TypedAzimuthsAndBasesWithErrors", KnownKind::FullFromA, [] { return mixedChain(8); },
     {2.0, 3.0, 5.0}},
    {"OrientationPointsAndExactBases", KnownKind::ByEAndF, [] { return zigZagChain(10); },
     {1.5, 0.0, 0.0}},
};

class SimulatedGlobalTest : public ::testing::TestWithParam<SimulatedSurvey> {};

// Of 200 surveys about 190 pass: within four standard deviations of the binomial count.
TEST_P(SimulatedGlobalTest, PassesAboutNineteenSurveysInTwentyWithTheAssumedErrors) {
  const double share = passingShare(GetParam(), 1.0, kSurveys, 20261231u);
  RecordProperty("passing_share", std::to_string(share));
  const double spread = std::sqrt(kConfidence * (1.0 - kConfidence) / kSurveys);
  EXPECT_NEAR(share, kConfidence, 4.0 * spread);
}

// Errors three times as large as assumed fail it nearly always.
TEST_P(SimulatedGlobalTest, FailsWhenTheErrorsAreThriceTheAssumed) {
  EXPECT_LT(passingShare(GetParam(), 3.0, 40, 7u), 0.1);
}

INSTANTIATE_TEST_SUITE_P(Surveys, SimulatedGlobalTest, ::testing::ValuesIn(kSimulated),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chainadj::testing
