// The golden console transcripts of one Cm1 and one Cm2 run (tests/adjust/golden, compared with
// the program's output by the golden_transcript_* tests) hold numbers worked out by the program.
// Here every result in them is checked against the independent rigorous adjustment of the data
// typed in the answer file, read with a reader of degrees.minutesseconds of its own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "chain_answers.h"
#include "entry/prompt_texts.h"
#include "independent_adjustment.h"

namespace chainadj::testing {
namespace {

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

// "d.mmss[fraction of the second]" to decimal degrees.
double degreesOf(const std::string& typed) {
  const bool negative = typed.front() == '-';
  const std::string text = negative ? typed.substr(1) : typed;
  const std::size_t point = text.find('.');
  std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
  fraction.append(fraction.size() < 4 ? 4 - fraction.size() : 0, '0');
  const double degrees = std::stod(text.substr(0, point));
  const double minutes = std::stod(fraction.substr(0, 2));
  const double seconds = std::stod(fraction.substr(2, 2) + "." + fraction.substr(4) + "0");
  const double value = degrees + minutes / 60.0 + seconds / 3600.0;
  return negative ? -value : value;
}

// A console session: what was typed for each prompt, and every line the program wrote.
struct Session {
  std::map<std::string, std::vector<std::string>> answers;  // by prompt, in order
  std::vector<std::string> output;

  Session(const std::string& name) {
    const std::string dir = CHAINADJ_GOLDEN_DIR;
    output = readLines(dir + "/" + name + ".out");
    const std::vector<std::string> input = readLines(dir + "/" + name + ".in");
    std::size_t next = 1;  // line 0 presses 计 算
    for (const std::string& line : output) {
      if (line.rfind("? ", 0) == 0) answers[line.substr(2)].push_back(input.at(next++));
    }
    EXPECT_EQ(next, input.size()) << "every answer line is read";
  }

  const std::vector<std::string>& typed(InputItem item) const {
    return answers.at(promptTexts(item).enter);
  }
  double number(InputItem item) const { return std::stod(typed(item).front()); }
  double angle(InputItem item) const { return degreesOf(typed(item).front()); }

  // The last text written to a box, and every text written after the listing prompts.
  std::string box(int number) const {
    const std::string prefix = "Text" + std::to_string(number) + ": ";
    std::string last;
    for (const std::string& line : output) {
      if (line.rfind(prefix, 0) == 0) last = line.substr(prefix.size());
    }
    return last;
  }
  double boxNumber(int number) const { return std::strtod(box(number).c_str(), nullptr); }
  std::vector<std::string> listed(int number) const {
    const std::string prefix = "Text" + std::to_string(number) + ": ";
    std::vector<std::string> texts;
    bool listing = false;
    for (const std::string& line : output) {
      if (line == std::string("? ") + kListingPrompt) listing = true;
      if (listing && line.rfind(prefix, 0) == 0) texts.push_back(line.substr(prefix.size()));
    }
    return texts;
  }

  ChainProblem problem() const {
    ChainProblem p;
    p.A = {number(InputItem::Xa), number(InputItem::Ya)};
    p.B = {number(InputItem::Xb), number(InputItem::Yb)};
    p.known.Sa = number(InputItem::Sa);
    p.known.Sb = number(InputItem::Sb);
    p.known.Ta = angle(InputItem::Ta);
    p.known.Tb = angle(InputItem::Tb);
    p.known.Qa = angle(InputItem::Qa);
    p.known.Qb = angle(InputItem::Qb);
    const auto& a = typed(InputItem::A);
    const auto& b = typed(InputItem::B);
    const auto& c = typed(InputItem::C);
    p.observed.A = {0.0};
    p.observed.B = {0.0};
    p.observed.C = {0.0};
    for (std::size_t i = 0; i < a.size(); ++i) {
      p.observed.A.push_back(degreesOf(a[i]));
      p.observed.B.push_back(degreesOf(b[i]));
      p.observed.C.push_back(degreesOf(c[i]));
    }
    p.conditions = {true, p.known.Sb != 0.0, true};
    return p;
  }
};

// A shown value rounded to `decimals` against the independent value.
void expectShown(double shown, double independent, int decimals, double relative,
                 const std::string& what) {
  const double rounding = 0.5 * std::pow(10.0, -decimals);
  EXPECT_NEAR(shown, independent, rounding + relative * std::fabs(independent)) << what;
}

void checkTranscript(const Session& session, bool sideCondition) {
  const ChainProblem problem = session.problem();
  const int n = problem.observed.triangles();
  const ProvisionalChain provisional = provisionalChain(problem);
  const ChainAdjustment rigorous = adjustChain(problem);

  expectShown(session.boxNumber(13), provisional.azimuthSeconds, 2, 1e-6, "azimuth closure");
  if (sideCondition) {
    expectShown(session.boxNumber(14), provisional.sideUnits, 2, 1e-6, "side closure");
  } else {
    EXPECT_EQ(session.box(14), "没有基线条件");
  }
  expectShown(session.boxNumber(15), provisional.xMillimetres, 2, 1e-6, "X closure");
  expectShown(session.boxNumber(16), provisional.yMillimetres, 2, 1e-6, "Y closure");
  expectShown(session.boxNumber(18), rigorous.reciprocalWeight, 6, 1e-4, "1/p");
  expectShown(session.boxNumber(17), rigorous.mb, 2, 1e-3, "mb");
  const double mlogs = rigorous.mb * std::sqrt(rigorous.reciprocalWeight);
  expectShown(session.boxNumber(19), mlogs, 2, 1e-3, "mlogs");
  const double tr = std::trunc(434290.0 / mlogs);
  const std::string relative = session.box(20);
  ASSERT_EQ(relative.substr(0, 2), "1/");
  EXPECT_NEAR(std::stod(relative.substr(2)), tr, 2e-4 * tr) << "1/m";
  const double md = 1000.0 * distance(problem.A, provisional.middlePoint) / tr;
  expectShown(session.boxNumber(28), md, 2, 2e-4, "md");

  const std::vector<std::string> xs = session.listed(22);
  const std::vector<std::string> ys = session.listed(23);
  ASSERT_EQ(xs.size(), static_cast<std::size_t>(n + 1));
  ASSERT_EQ(ys.size(), static_cast<std::size_t>(n + 1));
  for (int j = 1; j <= n + 1; ++j) {
    const auto k = static_cast<std::size_t>(j);
    expectShown(std::stod(xs[k - 1]), rigorous.points[k].x, 3, 1e-9, "X of point " + std::to_string(j));
    expectShown(std::stod(ys[k - 1]), rigorous.points[k].y, 3, 1e-9, "Y of point " + std::to_string(j));
  }
}

TEST(GoldenTranscript, Cm1NumbersAgreeWithTheIndependentAdjustment) {
  const Session session("cm1");
  EXPECT_EQ(session.box(26), "由起始边长按边条件、方位角条件和座标条件平差");
  checkTranscript(session, true);
}

TEST(GoldenTranscript, Cm2NumbersAgreeWithTheIndependentAdjustment) {
  const Session session("cm2");
  EXPECT_EQ(session.box(26), "由起始边长按方位角条件和座标条件平差、没有边条件");
  checkTranscript(session, false);
}

}  // namespace
}  // namespace chainadj::testing
