// The report of known-truth chains: the triangles named as the chain runs, the closures and
// corrections worked out from the typed angles, the coordinates at the true points, and the
// coordinate CSV equal to the window's listing, for every kind of known data.
#include "report/run_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "adjust/procedure_descriptions.h"
#include "adjustment_run.h"
#include "report/coordinate_csv.h"
#include "report/report_format.h"
#include "report/report_tables.h"
#include "report/text_report.h"
#include "state/chain_error.h"
#include "state/constants.h"
#include "entry/run_driver.h"
#include "scripted_platform.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

constexpr double kMillimetre = 0.001;
constexpr double kSecondsPerDegree = 3600.0;

const auto& kKinds = kAllKnownKinds;

QualitySettings withMethod(AdjustmentMethod method) {
  QualitySettings settings;
  settings.method = method;
  return settings;
}

const QualitySettings kClassical = withMethod(AdjustmentMethod::Classical);

// A chain of zigs and fans surveyed with errors of a few seconds, and its run.
struct ReportedRun {
  explicit ReportedRun(KnownKind kind)
      : chain(surveyChain(mixedChain(7), kind, 12.5, -21.25)),
        observed(withErrors(chain.truth.angles, 3.0)),
        run(answersFor(chain, observed)) {}

  RunReport report(const QualitySettings& settings = {}) const {
    return makeRunReport(run.driver, settings);
  }

  SurveyedChain chain;
  ChainAngles observed;
  AdjustmentRun run;
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> split;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) split.push_back(line);
  return split;
}

class KnownTruth : public ::testing::TestWithParam<KnownKind> {};

TEST_P(KnownTruth, TrianglesClosuresCorrectionsAndPoints) {
  const ReportedRun reported(GetParam());
  ASSERT_EQ(reported.run.outcome, RunOutcome::Adjusted);
  const RunReport report = reported.report();
  const TrueChain& truth = reported.chain.truth;
  const int n = truth.triangles();
  EXPECT_EQ(report.kind.row, selectionRow(GetParam()));
  // The form's description in the report's terms.
  std::string description = procedureDescription(report.kind.row);
  for (std::size_t at = description.find("座标"); at != std::string::npos; at = description.find("座标")) {
    description.replace(at, std::string("座标").size(), "坐标");
  }
  EXPECT_EQ(report.kind.description, description);
  ASSERT_EQ(report.triangleCount(), n);

  for (int i = 1; i <= n; ++i) {
    const ReportTriangle& triangle = report.triangles[static_cast<std::size_t>(i - 1)];
    const auto k = static_cast<std::size_t>(i);
    // The vertices as the true chain lays the triangle out.
    EXPECT_EQ(triangle.vertex[kIntervalAngle], truth.route[k]) << "triangle " << i;
    EXPECT_EQ(triangle.vertex[kDistanceAngle], truth.distanceAngleVertex(i)) << "triangle " << i;
    EXPECT_EQ(triangle.vertex[kForwardAngle], i + 1) << "triangle " << i;
    // The angles as typed and their closure.
    const std::array<double, 3> typed = {reported.observed.A[k], reported.observed.B[k],
                                         reported.observed.C[k]};
    for (int angle = 0; angle < kAnglesPerTriangle; ++angle) {
      EXPECT_NEAR(triangle.observed[static_cast<std::size_t>(angle)],
                  typed[static_cast<std::size_t>(angle)], 1e-9);
    }
    const double w = (typed[0] + typed[1] + std::fabs(typed[2]) - 180.0) * kSecondsPerDegree;
    EXPECT_NEAR(triangle.closure, w, 1e-6) << "triangle " << i;
    const double corrections = triangle.correction(kDistanceAngle) +
                               triangle.correction(kForwardAngle) +
                               triangle.correction(kIntervalAngle);
    EXPECT_NEAR(corrections, -w, 1e-5) << "triangle " << i;
    // The adjusted interval angle keeps the typed sign.
    EXPECT_EQ(std::signbit(triangle.adjusted[kIntervalAngle]), std::signbit(typed[2]));
  }

  ASSERT_EQ(report.lastListedPoint, reported.chain.lastListedPoint());
  for (int j = report.firstListedPoint; j <= report.lastListedPoint; ++j) {
    const Point& expected = truth.points[static_cast<std::size_t>(j)];
    EXPECT_NEAR(report.X[static_cast<std::size_t>(j)], expected.x, 50 * kMillimetre);
    EXPECT_NEAR(report.Y[static_cast<std::size_t>(j)], expected.y, 50 * kMillimetre);
  }
  const std::vector<Condition>& conditions = reported.run.driver.lastResult().group.all();
  ASSERT_EQ(report.conditions.size(), conditions.size());
  for (std::size_t c = 0; c < conditions.size(); ++c) {
    EXPECT_EQ(report.conditions[c].kind, conditions[c].kind);
    EXPECT_EQ(report.conditions[c].closure, conditions[c].shown);
  }
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> split;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');) split.push_back(field);
  if (!line.empty() && line.back() == ',') split.emplace_back();
  return split;
}

std::string fixed3(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

std::string fixed2(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// Under the classical method the CSV holds the listing: the same points in the same order, each
// name as listed (without the blanks the listing puts before it) and the coordinates in the
// listing's digits; then the precision of each new point as pointPrecisions gives it, in
// millimetres and degrees, and nothing for the known points (C, D, B, and B as the fitted end of
// an unoriented chain).
TEST_P(KnownTruth, ClassicalCsvEqualsTheListingAndThePrecision) {
  const ReportedRun reported(GetParam());
  ASSERT_EQ(reported.run.outcome, RunOutcome::Adjusted);
  std::ostringstream csv;
  writeCoordinateCsv(reported.report(kClassical), csv);
  const std::vector<std::string> rows = lines(csv.str());
  const std::vector<ListedPoint> listed = reported.run.listing();
  ASSERT_EQ(rows.size(), listed.size() + 1);
  EXPECT_EQ(rows[0], "点名,X,Y,mx,my,mp,E,F,φ");
  const RunReport report = reported.report(kClassical);
  const std::vector<PointPrecision> precision =
      pointPrecisions(reported.run.chain(), reported.run.driver.lastResult());
  const SurveyedChain& chain = reported.chain;
  const int n = chain.truth.triangles();
  for (std::size_t k = 0; k < listed.size(); ++k) {
    const int point = report.firstListedPoint + static_cast<int>(k);
    std::string name = listed[k].name;
    name.erase(0, name.find_first_not_of(' '));
    // A point the run asked no name for goes by its letter or number.
    if (name.empty()) name = report.pointLabel(point);
    const std::vector<std::string> row = fields(rows[k + 1]);
    ASSERT_EQ(row.size(), 9u) << rows[k + 1];
    EXPECT_EQ(row[0] + "," + row[1] + "," + row[2], name + "," + listed[k].xText + "," + listed[k].yText);
    const bool known = point == n + 1 || (chain.hasC() && point == 1) || (chain.hasD() && point == n);
    const PointPrecision& p = precision[static_cast<std::size_t>(point - 1)];
    const std::vector<std::string> expected =
        known ? std::vector<std::string>(6)
              : std::vector<std::string>{fixed2(p.mx * 1000), fixed2(p.my * 1000), fixed2(p.mp * 1000),
                                         fixed2(p.E * 1000),  fixed2(p.F * 1000),  fixed2(p.azimuthOfE)};
    EXPECT_EQ(std::vector<std::string>(row.begin() + 3, row.end()), expected) << rows[k + 1];
    if (!known) {
      EXPECT_GT(p.mp, 0.0) << rows[k + 1];
    }
  }
}

// Under the rigorous method the CSV holds the adjustment by coordinates of the same run: its
// coordinates to the millimetre, near the truth, and its precision; the names as listed.
TEST_P(KnownTruth, RigorousCsvIsTheAdjustmentByCoordinates) {
  const ReportedRun reported(GetParam());
  ASSERT_EQ(reported.run.outcome, RunOutcome::Adjusted);
  const RunReport report = reported.report();
  ASSERT_TRUE(report.rigorous) << report.method.fallback;
  std::ostringstream csv;
  writeCoordinateCsv(report, csv);
  const std::vector<std::string> rows = lines(csv.str());
  const RigorousResult r =
      adjustRigorously(reported.run.chain(), report.kind.row, reported.run.driver.lastResult(),
                       rigorousSettings(QualitySettings{}));
  const TrueChain& truth = reported.chain.truth;
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(report.lastListedPoint - report.firstListedPoint + 2));
  for (int point = report.firstListedPoint; point <= report.lastListedPoint; ++point) {
    const std::vector<std::string> row = fields(rows[static_cast<std::size_t>(point - report.firstListedPoint + 1)]);
    ASSERT_EQ(row.size(), 9u);
    const RigorousPoint& p = r.points[static_cast<std::size_t>(point)];
    EXPECT_EQ(row[1] + "," + row[2], fixed3(p.x) + "," + fixed3(p.y)) << point;
    const Point& t = truth.points[static_cast<std::size_t>(point)];
    EXPECT_NEAR(p.x, t.x, 50 * kMillimetre);
    EXPECT_NEAR(p.y, t.y, 50 * kMillimetre);
    const std::vector<std::string> expected =
        !p.precision ? std::vector<std::string>(6)
                     : std::vector<std::string>{fixed2(p.precision->mx * 1000), fixed2(p.precision->my * 1000),
                                                fixed2(p.precision->mp * 1000), fixed2(p.precision->E * 1000),
                                                fixed2(p.precision->F * 1000), fixed2(p.precision->azimuthOfE)};
    EXPECT_EQ(std::vector<std::string>(row.begin() + 3, row.end()), expected) << point;
  }
}

INSTANTIATE_TEST_SUITE_P(EverySelectionRow, KnownTruth, ::testing::ValuesIn(kKinds),
                         [](const auto& info) {
                           return "Row" + std::to_string(selectionRow(info.param)) + "_" +
                                  nameOf(info.param);
                         });

// The words of each line of a text.
std::vector<std::vector<std::string>> wordsOfLines(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : lines(text)) {
    std::istringstream in(line);
    rows.emplace_back();
    for (std::string word; in >> word;) rows.back().push_back(word);
  }
  return rows;
}

bool hasRow(const std::vector<std::vector<std::string>>& rows,
            const std::vector<std::string>& expected) {
  return std::find(rows.begin(), rows.end(), expected) != rows.end();
}

std::string dms(double degrees) {
  std::string text;
  appendDms(degrees, text);
  return text;
}

// Whether a row of the text begins with `expected`; its words after them into `rest`.
bool hasRowStarting(const std::vector<std::vector<std::string>>& rows,
                    const std::vector<std::string>& expected, std::vector<std::string>& rest) {
  for (const std::vector<std::string>& row : rows) {
    if (row.size() >= expected.size() && std::equal(expected.begin(), expected.end(), row.begin())) {
      rest.assign(row.begin() + static_cast<std::ptrdiff_t>(expected.size()), row.end());
      return true;
    }
  }
  return false;
}

class ErrorFreeChain : public ::testing::TestWithParam<AdjustmentMethod> {};

// The text report of a chain observed without error, by either method: no closure, no
// correction, the true coordinates; every number in its row of its table. Under the rigorous
// method every angle has a redundancy number between 0 and 1 and a standardised correction of 0.
TEST_P(ErrorFreeChain, ItsTextReportShowsItsTruth) {
  const bool rigorous = GetParam() == AdjustmentMethod::Rigorous;
  const SurveyedChain chain = surveyChain(zigZagChain(3), KnownKind::FullFromA, 12.5, -21.25);
  const AdjustmentRun run(answersFor(chain, chain.truth.angles));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  std::ostringstream out;
  const RunReport report = makeRunReport(run.driver, withMethod(GetParam()));
  ASSERT_EQ(report.rigorous.has_value(), rigorous) << report.method.fallback;
  writeTextReport(report, out);
  const std::string text = out.str();
  EXPECT_EQ(lines(text)[0], kReportTitle);
  EXPECT_NE(text.find("平差图形：第 1 种（Cm1），由起始边长按边条件、方位角条件和坐标条件平差\n"
                      "三角形个数：3\n"),
            std::string::npos);
  EXPECT_NE(text.find(rigorous ? "\n平差方法：严密平差（按设置）；窗体显示的是条件分组平差的结果\n"
                               : "\n平差方法：条件分组平差（按设置）\n"),
            std::string::npos);
  const auto rows = wordsOfLines(text);
  EXPECT_TRUE(hasRow(rows, {"方位角条件", "W_α", "0.00", "秒"}));
  EXPECT_TRUE(hasRow(rows, {"纵坐标条件", "W_x", "0.00", "毫米"}));
  EXPECT_TRUE(hasRow(rows, {"边条件", "W_S", "0.00", "对数第六位单位"}));
  const TrueChain& truth = chain.truth;
  for (int j = 1; j <= 4; ++j) {
    const Point& p = truth.points[static_cast<std::size_t>(j)];
    const std::string name = j == 4 ? "B" : "P" + std::to_string(j);
    EXPECT_TRUE(hasRow(rows, {std::to_string(j), name, fixed3(p.x), fixed3(p.y)})) << name;
  }
  const std::array<std::string, 3> letters = {"A", "B", "C"};
  for (int i = 1; i <= 3; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const std::array<double, 3> angles = {truth.angles.A[k], truth.angles.B[k], truth.angles.C[k]};
    const std::array<int, 3> at = {truth.distanceAngleVertex(i), i + 1, truth.route[k]};
    for (std::size_t a = 0; a < 3; ++a) {
      const std::string vertex = at[a] == 0 ? "A" : chain.listedName(at[a]).substr(2);
      // v′, v″ and v are all 0; the rigorous table has v alone.
      std::vector<std::string> row = {vertex, letters[a], dms(angles[a])};
      if (a == 0) row = {std::to_string(i), vertex, letters[a], dms(angles[a]), "0.00", "9.00"};
      row.insert(row.end(), rigorous ? 1 : 3, "0.00");
      row.push_back(dms(angles[a]));
      std::vector<std::string> rest;
      EXPECT_TRUE(hasRowStarting(rows, row, rest)) << "triangle " << i << " angle " << letters[a];
      if (!rigorous) {
        EXPECT_TRUE(rest.empty());
        continue;
      }
      ASSERT_EQ(rest.size(), 2u) << "triangle " << i << " angle " << letters[a];
      EXPECT_GT(std::stod(rest[0]), 0.0);
      EXPECT_LE(std::stod(rest[0]), 1.0);
      EXPECT_EQ(rest[1], "0.00");
    }
  }
  EXPECT_NE(text.find(rigorous ? "\n标准化改正数：最大 |w| = 0.00，" : "\n全局检验"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothMethods, ErrorFreeChain,
                         ::testing::Values(AdjustmentMethod::Rigorous, AdjustmentMethod::Classical),
                         [](const auto& info) {
                           return info.param == AdjustmentMethod::Rigorous ? "Rigorous" : "Classical";
                         });

// The rows of the table titled `title` in a text report, as words, up to its note.
std::vector<std::vector<std::string>> rowsOf(const std::string& text, const std::string& title,
                                             std::size_t count) {
  const std::vector<std::string> split = lines(text);
  const auto heading = std::find(split.begin(), split.end(), title);
  std::vector<std::vector<std::string>> rows;
  if (split.end() - heading < static_cast<std::ptrdiff_t>(4 + count)) return rows;
  for (auto line = heading + 4; line != heading + 4 + static_cast<std::ptrdiff_t>(count); ++line) {
    rows.push_back(wordsOfLines(*line)[0]);  // after the title, its rule, the heads and their rule
  }
  return rows;
}

// A blunder of one minute in triangle 5 of seven: the report names it first, under the title and
// at the head of the closure check, and marks it 超限; the other triangles stay 合格.
TEST(TextReport, AnAngleWrongByAMinuteIsNamedFirstAndOverItsLimit) {
  const SurveyedChain chain = surveyChain(mixedChain(7), KnownKind::FullFromA, 10.0, 20.0);
  ChainAngles observed = withErrors(chain.truth.angles, 1.0);
  observed.B[5] += 1.0 / 60.0;
  const AdjustmentRun run(answersFor(chain, observed));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  QualitySettings settings;
  settings.grade = *gradePreset("三等");
  std::ostringstream out;
  writeTextReport(makeRunReport(run.driver, settings), out);
  const std::string text = out.str();

  const std::vector<std::string> split = lines(text);
  const auto check = std::find_if(split.begin(), split.end(), [](const std::string& line) {
    return line.rfind("质量检核：", 0) == 0;
  });
  ASSERT_LT(check + 2, split.end());
  EXPECT_EQ(check->rfind("质量检核：三等，测角中误差 mβ 1.80 秒，三角形闭合差限差 7.00 秒", 0), 0u);
  EXPECT_EQ(check[1].rfind("超限的三角形 1 个（粗差多半在这些三角形里）：三角形 5（W = ", 0), 0u)
      << check[1];
  EXPECT_EQ(check[2].rfind("测角中误差（菲列罗公式）：", 0), 0u);
  EXPECT_EQ(check[2].substr(check[2].size() - 6), "超限");
  // The conclusion names both reasons.
  EXPECT_NE(text.find("\n结论：本锁检核不合格：1 个三角形闭合差超限；测角中误差超过所选等级的 mβ"),
            std::string::npos);
  const auto rows = rowsOf(text, "三角形闭合差检核", 7);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0][0], "5");
  EXPECT_NEAR(std::stod(rows[0][1]), 60.0, 3.0);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    ASSERT_EQ(rows[k].size(), 4u);
    EXPECT_EQ(rows[k][2], "7.00");
    EXPECT_EQ(rows[k][3], k == 0 ? "超限" : "合格") << rows[k][0];
  }
}

void expectNoReport(const RunDriver& driver) {
  try {
    makeRunReport(driver, QualitySettings{});
    ADD_FAILURE() << "a report without a completed run";
  } catch (const ChainError& error) {
    EXPECT_STREQ(error.what(), kNoCompletedRunMessage);
  }
}

// Before any run, and after a run stopped in its listing even when an earlier one completed.
// A chain reduced onto a plane whose central meridian lies 100 km west of it: the report states
// the plane, lists every angle with its reduction, and its triangles' observations are those on
// the plane; without the plane, nothing of it.
TEST(RunReport, AReducedChainShowsItsReductions) {
  const SurveyedChain chain = surveyChain(mixedChain(7), KnownKind::FullFromA, 12.5, -21.25);
  ScriptedPlatform platform;
  platform.setResponder(respondWith(answersFor(chain, withErrors(chain.truth.angles, 3.0))));
  RunDriver driver(platform);
  ReductionSettings plane;
  plane.plane.centralMeridian = 114.0;
  plane.plane.falseEasting = 5000.0 - 100000.0;  // the chain's Y near 5000 m
  plane.bases = BaseKind::MeasuredDistance;
  driver.reduceOntoPlane(plane);
  ASSERT_EQ(driver.runOnce(), RunOutcome::Adjusted);
  const RunReport report = makeRunReport(driver, QualitySettings{});
  ASSERT_TRUE(report.reduction.has_value());
  const ChainReductions& reductions = report.reduction->reductions;
  for (int i = 1; i <= report.triangleCount(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    double sum = 0;
    for (std::size_t angle = 0; angle < 3; ++angle) {
      const double observed = std::fabs(reductions.observed[k][angle]);
      EXPECT_NEAR(std::fabs(report.triangles[k - 1].observed[angle]),
                  observed + reductions.angles[k][angle] / kSecondsPerDegree, 1e-12);
      sum += reductions.angles[k][angle];
    }
    EXPECT_LT(sum, 0.0) << "the reductions take off the spherical excess";
  }
  ASSERT_TRUE(reductions.Sa.has_value());
  EXPECT_GT(reductions.Sa->plane, reductions.Sa->measured);  // the plane's scale exceeds 1
  std::ostringstream text;
  writeTextReport(report, text);
  for (const char* expected : {"观测值归算到高斯-克吕格投影面：CGCS2000 椭球，中央子午线 114°00′00″",
                               "方向改化及角度归算", "起算边长归算"}) {
    EXPECT_NE(text.str().find(expected), std::string::npos) << expected;
  }
  const ReportedRun plain(KnownKind::FullFromA);
  std::ostringstream plainText;
  writeTextReport(plain.report(), plainText);
  EXPECT_EQ(plainText.str().find("归算"), std::string::npos);
}

class BlunderedAngle : public ::testing::TestWithParam<int> {};

// One angle of triangle 6 of twelve wrong by 20″, the others without error: the rigorous report
// names that angle with its triangle and point as the largest standardised correction, marks it
// 可能粗差 in the triangle table and nowhere outside its triangle.
TEST_P(BlunderedAngle, IsNamedByTheRigorousReport) {
  constexpr int kTriangle = 6;
  const int angle = GetParam();
  const TrueChain truth = mixedChain(12);
  ChainAngles observed = truth.angles;
  const auto i = static_cast<std::size_t>(kTriangle);
  double& blundered = angle == 0 ? observed.A[i] : angle == 1 ? observed.B[i] : observed.C[i];
  blundered += (blundered < 0.0 ? -20.0 : 20.0) / kSecondsPerDegree;
  const SurveyedChain chain = surveyChain(truth, KnownKind::FullFromA, 12.5, -8.25);
  const AdjustmentRun run(answersFor(chain, observed));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const RunReport report = makeRunReport(run.driver, QualitySettings{});
  ASSERT_TRUE(report.rigorous) << report.method.fallback;
  std::ostringstream out;
  writeTextReport(report, out);
  const std::string text = out.str();
  const std::string letter(1, "ABC"[angle]);
  const int vertex = report.triangles[i - 1].vertex[static_cast<std::size_t>(angle)];
  const std::string named = "三角形 6 的 " + letter + " 角（" + report.pointLabel(vertex) + " 点）";
  const std::size_t line = text.find("\n标准化改正数：最大 |w| = ");
  ASSERT_NE(line, std::string::npos);
  const std::string summary = text.substr(line + 1, text.find('\n', line + 1) - line - 1);
  EXPECT_NE(summary.find("，" + named + "，大于 3.29，可能粗差"), std::string::npos) << summary;
  // In the triangle table: the blundered angle's row ends with the mark, and only rows of its
  // triangle have it.
  const auto rows = rowsOf(text, "三角形观测角和平差角", 36);
  ASSERT_EQ(rows.size(), 36u);
  const std::vector<std::string>& row = rows[3 * (kTriangle - 1) + static_cast<std::size_t>(angle)];
  EXPECT_EQ(row.back(), kSuspectedBlunderMark);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (rows[k].back() == kSuspectedBlunderMark) EXPECT_EQ(k / 3, kTriangle - 1u) << k;
  }
  EXPECT_NE(text.find("\n全局检验（χ² 检验，95 %）："), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EachAngle, BlunderedAngle, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return std::string(1, "ABC"[info.param]); });

// A rigorous adjustment that cannot give its results: approximations a kilometre off make it
// run out of its 20 iterations, three kilometres off make its normal equations singular. The
// report says why and gives the classical results, which write whole.
TEST(RunReport, ARigorousAdjustmentThatFailsFallsBackOnTheClassicalResults) {
  const SurveyedChain chain = surveyChain(mixedChain(7), KnownKind::FullFromA, 12.5, -21.25);
  const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 3.0)));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const struct { double metres; const char* message; } kCases[] = {
      {1000.0, "严密平差迭代 20 次后仍未收敛（最后一次坐标改正的最大值为 "},
      {3000.0, "严密平差的法方程奇异"},
  };
  for (const auto& [metres, message] : kCases) {
    AdjustmentResult approximate = run.driver.lastResult();
    for (std::size_t j = 1; j + 1 < approximate.points.X.size(); ++j) {
      approximate.points.X[j] += metres * std::sin(1.7 * static_cast<double>(j));
      approximate.points.Y[j] += metres * std::cos(2.3 * static_cast<double>(j));
    }
    const RunReport report = makeRunReport(run.chain(), run.driver.flags(), *run.driver.lastSelection(),
                                           approximate, {}, nullptr);
    EXPECT_FALSE(report.rigorous);
    EXPECT_EQ(report.methodInUse(), AdjustmentMethod::Classical);
    EXPECT_EQ(report.method.chosen, AdjustmentMethod::Rigorous);
    EXPECT_EQ(report.method.fallback.rfind(message, 0), 0u) << report.method.fallback;
    EXPECT_EQ(report.statistics.method.rfind("条件分组平差", 0), 0u);
    std::ostringstream text, csv;
    writeTextReport(report, text);
    writeCoordinateCsv(report, csv);
    EXPECT_NE(text.str().find("\n平差方法：严密平差（四等按 GB 50026 采用严密平差）未能给出成果：" +
                              report.method.fallback + "本报告给出条件分组平差的成果。\n"),
              std::string::npos);
    EXPECT_EQ(text.str().find("标准化改正数"), std::string::npos);
    EXPECT_EQ(lines(csv.str()).size(), 9u);
  }
}

// A run is reported once its adjustment has solved, also when it is stopped in its listing; a
// later run that stops before it solves leaves the report of the last one that did.
TEST(RunReport, ReportOfTheLastRunThatSolved) {
  const SurveyedChain three = surveyChain(zigZagChain(3), KnownKind::FullFromA, 12.5, -21.25);
  const SurveyedChain five = surveyChain(zigZagChain(5), KnownKind::FullFromA, 12.5, -21.25);
  ScriptedPlatform platform;
  RunDriver driver(platform);
  expectNoReport(driver);

  const ScriptedPlatform::Responder typed = respondWith(answersFor(three, three.truth.angles));
  platform.setResponder(typed);
  ASSERT_EQ(driver.runOnce(), RunOutcome::Adjusted);
  EXPECT_EQ(makeRunReport(driver, QualitySettings{}).triangles.size(), 3u);

  const ScriptedPlatform::Responder again = respondWith(answersFor(five, five.truth.angles));
  bool reportedInListing = false;
  platform.setResponder([&](const std::string& prompt) -> std::optional<std::string> {
    if (prompt != kListingPrompt) return again(prompt);
    reportedInListing = makeRunReport(driver, QualitySettings{}).triangles.size() == 5u;
    throw RunStopped();
  });
  ASSERT_EQ(driver.runOnce(), RunOutcome::StoppedByUser);
  EXPECT_TRUE(reportedInListing);
  const RunReport stopped = makeRunReport(driver, QualitySettings{});
  EXPECT_EQ(stopped.triangles.size(), 5u);
  EXPECT_EQ(stopped.lastListedPoint, driver.lastResult().lastListedPoint);

  // Stopped at its first angle, and left without a triangle count: the five triangles stay.
  int asked = 0;
  platform.setResponder([&](const std::string& prompt) -> std::optional<std::string> {
    if (++asked == 30) throw RunStopped();
    return again(prompt);
  });
  ASSERT_EQ(driver.runOnce(), RunOutcome::StoppedByUser);
  platform.setResponder([](const std::string&) -> std::optional<std::string> { return ""; });
  ASSERT_EQ(driver.runOnce(), RunOutcome::Abandoned);
  EXPECT_EQ(makeRunReport(driver, QualitySettings{}).triangles.size(), 5u);
  EXPECT_EQ(driver.solvedRun()->chain.n, 5);
}

}  // namespace
}  // namespace chainadj::testing
