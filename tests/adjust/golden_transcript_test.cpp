// The golden console transcripts of one run of every procedure (tests/adjust/golden, compared
// with the program's output by the transcript.* tests) hold numbers worked out by the program.
// Each comes from a known-truth chain named here: its input is the answers a surveyor types for
// that chain, and every result in its output is checked against the independent adjustment.
//
// CHAINADJ_WRITE_GOLDEN_INPUTS=1 writes the .in files afresh; the .out files are then the
// console's output for them (build/src/console/chainadj-console < NAME.in > NAME.out).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "adjustment_run.h"
#include "chain_answers.h"
#include "independent_adjustment.h"
#include "state/form_fields.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

struct GoldenChain {
  const char* name;
  KnownKind kind;
  TrueChain (*build)();
  double qa, qb;
  double errorSeconds;
};

const GoldenChain kGoldens[] = {
    {"cm1", KnownKind::FullFromA, [] { return mixedChain(6); }, 12.5, -8.25, 2.5},
    {"cm2", KnownKind::NoClosingBase, [] { return mixedChain(5); }, -7.75, 14.0, 3.0},
    {"cm3", KnownKind::StartSideOnly, [] { return zigZagChain(4); }, 9.5, 0.0, 2.0},
    {"cm4", KnownKind::AzimuthsOnly, [] { return mixedChain(6); }, 21.25, -11.5, 2.0},
    {"cm5", KnownKind::Unoriented, [] { return fanChain(3); }, 0.0, 0.0, 3.0},
    {"cm6", KnownKind::BetweenCAndD, [] { return mixedChain(8); }, 0.0, 0.0, 2.0},
    {"cm7", KnownKind::ByEAndF, [] { return zigZagChain(5); }, -16.5, 27.0, 2.0},
    {"cm8", KnownKind::ByEWithTb, [] { return mixedChain(7); }, 33.0, 6.25, 2.0},
    {"cm9", KnownKind::FromCWithAzimuth, [] { return mixedChain(6); }, 0.0, -19.75, 2.0},
    {"cm10", KnownKind::FromCWithSide, [] { return mixedChain(7); }, 0.0, 0.0, 2.0},
};

std::ostream& operator<<(std::ostream& out, const GoldenChain& g) { return out << g.name; }

std::string goldenPath(const GoldenChain& golden, const char* suffix) {
  return std::string(CHAINADJ_GOLDEN_DIR) + "/" + golden.name + suffix;
}

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

// The lines typed into the console for one run: "1" presses 计 算, then every answer in turn.
std::vector<std::string> typedLines(const ChainAnswers& answers) {
  ScriptedPlatform platform;
  std::vector<std::string> lines{"1"};
  const ScriptedPlatform::Responder respond = respondWith(answers);
  platform.setResponder([&](const std::string& prompt) {
    std::optional<std::string> answer = respond(prompt);
    if (answer) lines.push_back(*answer);
    return answer;
  });
  RunDriver driver(platform);
  driver.runOnce();
  return lines;
}

// The last text of a box in a transcript, and the texts it took during the listing.
struct Transcript {
  std::vector<std::string> lines;

  std::string box(int number) const {
    const std::string prefix = "Text" + std::to_string(number) + ": ";
    std::string last;
    for (const std::string& line : lines) {
      if (line.rfind(prefix, 0) == 0) last = line.substr(prefix.size());
    }
    return last;
  }
  double boxNumber(int number) const { return std::strtod(box(number).c_str(), nullptr); }
  std::vector<double> listed(int number) const {
    const std::string prefix = "Text" + std::to_string(number) + ": ";
    std::vector<double> values;
    bool listing = false;
    for (const std::string& line : lines) {
      if (line == std::string("? ") + kListingPrompt) listing = true;
      if (listing && line.rfind(prefix, 0) == 0) {
        values.push_back(std::strtod(line.c_str() + prefix.size(), nullptr));
      }
    }
    return values;
  }
};

// A shown value rounded to `decimals` against the independent value.
void expectShown(double shown, double independent, int decimals, double relative,
                 const std::string& what) {
  const double rounding = 0.5 * std::pow(10.0, -decimals);
  EXPECT_NEAR(shown, independent, rounding + relative * std::fabs(independent)) << what;
}

// The program turns azimuths computed from coordinates into degrees with pi typed to ten
// decimals: a start azimuth derived from C is off by some 1e-5", which moves the closures by
// fractions of a micrometre and can tip a rounding.
constexpr double kClosureSlack = 0.002;

void expectClosures(const Transcript& t, const ChainProblem& problem) {
  const ProvisionalChain provisional = provisionalChain(problem);
  const ChainConditions& c = problem.conditions;
  const auto expectClosure = [&](int box, double independent, const char* what) {
    EXPECT_NEAR(t.boxNumber(box), independent, 0.005 + kClosureSlack) << what;
  };
  if (c.azimuth != AzimuthCondition::None) {
    expectClosure(box::kAzimuthClosure, provisional.azimuthSeconds, "azimuth closure");
  }
  if (c.side) expectClosure(box::kSideClosure, provisional.sideUnits, "side closure");
  expectClosure(box::kXClosure, provisional.xMillimetres, "X closure");
  expectClosure(box::kYClosure, provisional.yMillimetres, "Y closure");
}

void expectPrecision(const Transcript& t, const ChainProblem& problem,
                     const ChainAdjustment& reference) {
  expectShown(t.boxNumber(box::kReciprocalWeight), reference.reciprocalWeight, 6, 1e-4, "1/p");
  expectShown(t.boxNumber(box::kMeanError), reference.mb, 2, 1e-3, "mb");
  const double mlogs = reference.mb * std::sqrt(reference.reciprocalWeight);
  expectShown(t.boxNumber(box::kLogMeanError), mlogs, 2, 1e-3, "mlogs");
  const double tr = std::trunc(434290.0 / mlogs);
  const std::string relative = t.box(box::kRelativeMeanError);
  ASSERT_EQ(relative.substr(0, 2), "1/");
  EXPECT_NEAR(std::stod(relative.substr(2)), tr, 2e-4 * tr) << "1/m";
  const double md = 1000.0 * distance(problem.A, provisionalChain(problem).middlePoint) / tr;
  expectShown(t.boxNumber(box::kPointMeanError), md, 2, 2e-4, "md");
}

void expectPoints(const Transcript& t, const std::vector<Point>& reference, int last) {
  const std::vector<double> xs = t.listed(box::kListedX), ys = t.listed(box::kListedY);
  ASSERT_EQ(xs.size(), static_cast<std::size_t>(last));
  ASSERT_EQ(ys.size(), static_cast<std::size_t>(last));
  for (std::size_t k = 1; k <= xs.size(); ++k) {
    expectShown(xs[k - 1], reference[k].x, 3, 1e-9, "X of point " + std::to_string(k));
    expectShown(ys[k - 1], reference[k].y, 3, 1e-9, "Y of point " + std::to_string(k));
  }
}

class GoldenTranscript : public ::testing::TestWithParam<GoldenChain> {};

TEST_P(GoldenTranscript, TypesTheAnswersOfItsChain) {
  const GoldenChain& golden = GetParam();
  const SurveyedChain chain = surveyChain(golden.build(), golden.kind, golden.qa, golden.qb);
  const ChainAngles observed = withErrors(chain.truth.angles, golden.errorSeconds);
  const std::vector<std::string> typed = typedLines(answersFor(chain, observed));
  if (std::getenv("CHAINADJ_WRITE_GOLDEN_INPUTS") != nullptr) {
    std::ofstream out(goldenPath(golden, ".in"));
    for (const std::string& line : typed) out << line << '\n';
  }
  EXPECT_EQ(readLines(goldenPath(golden, ".in")), typed);
}

TEST_P(GoldenTranscript, NumbersAgreeWithTheIndependentAdjustment) {
  const GoldenChain& golden = GetParam();
  const SurveyedChain chain = surveyChain(golden.build(), golden.kind, golden.qa, golden.qb);
  const ChainAngles observed = withErrors(chain.truth.angles, golden.errorSeconds);
  const Transcript t{readLines(goldenPath(golden, ".out"))};
  ChainProblem problem = problemFor(chain, observed);

  if (golden.kind == KnownKind::Unoriented) {
    EXPECT_EQ(t.box(box::kXClosure), "没有座标条件");
    const double mb = std::sqrt(triangleSquareSum(observed) / chain.truth.triangles());
    expectShown(t.boxNumber(box::kMeanError), mb, 2, 1e-6, "mb");
    expectPoints(t, fittedPoints(problem), chain.lastListedPoint());
    return;
  }
  if (golden.kind == KnownKind::AzimuthsOnly) {
    problem.known.Sa = AdjustmentRun(answersFor(chain, observed)).chain().S[1];
  }
  const ChainAdjustment reference = adjustChain(problem);
  expectClosures(t, problem);
  expectPrecision(t, problem, reference);
  expectPoints(t, reference.points, chain.lastListedPoint());
}

INSTANTIATE_TEST_SUITE_P(Procedures, GoldenTranscript, ::testing::ValuesIn(kGoldens),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chainadj::testing
