// The JSON export read back: exactly the keys of the whole result, every value the report's to
// the last bit of its double, for every selection row under both methods; the rigorous
// coordinates those of the adjustment by coordinates itself; the reductions onto the plane.
#include "report/json_export.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "adjustment_run.h"
#include "report/chain_verdict.h"
#include "scripted_platform.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

using Json = nlohmann::json;

Json exported(const RunReport& report) {
  std::ostringstream out;
  writeJson(report, out);
  return Json::parse(out.str());
}

std::set<std::string> keysOf(const Json& object) {
  std::set<std::string> keys;
  for (const auto& [key, value] : object.items()) keys.insert(key);
  return keys;
}

// The double, or null where there is none.
void expectValue(const Json& value, const std::optional<double>& expected, const std::string& what) {
  if (!expected) {
    EXPECT_TRUE(value.is_null()) << what;
  } else {
    EXPECT_EQ(value.get<double>(), *expected) << what;
  }
}

const std::set<std::string> kTopKeys = {"method", "procedure", "n", "sigma0", "m0", "redundancy",
                                        "pvv", "chi2", "iterations", "points", "observations",
                                        "sides", "weakest_side"};
const std::set<std::string> kPointKeys = {"name", "role", "x", "y", "qxx", "qxy", "qyy",
                                          "mx", "my", "mp", "E", "F", "phi"};
const std::set<std::string> kObservationKeys = {"kind", "triangle", "observed", "correction",
                                                "redundancy", "w"};
const std::set<std::string> kSideKeys = {"from", "to", "length", "azimuth", "relative", "m_azimuth"};

void expectHead(const Json& json, const RunReport& report) {
  EXPECT_EQ(keysOf(json), kTopKeys);
  const UnitWeightStatistics& s = report.statistics.unitWeight;
  EXPECT_EQ(json["method"], report.rigorous ? "rigorous" : "classical");
  EXPECT_EQ(json["procedure"], report.kind.row);
  EXPECT_EQ(json["n"], report.triangleCount());
  EXPECT_EQ(json["sigma0"].get<double>(), s.sigma0);
  EXPECT_EQ(json["m0"].get<double>(), s.m0);
  EXPECT_EQ(json["redundancy"], s.redundancy);
  EXPECT_EQ(json["pvv"].get<double>(), s.pvv);
  ASSERT_TRUE(s.test);
  EXPECT_EQ(keysOf(json["chi2"]), (std::set<std::string>{"value", "lower", "upper", "passed"}));
  EXPECT_EQ(json["chi2"]["value"].get<double>(), s.test->value);
  EXPECT_EQ(json["chi2"]["lower"].get<double>(), s.test->lower);
  EXPECT_EQ(json["chi2"]["upper"].get<double>(), s.test->upper);
  EXPECT_EQ(json["chi2"]["passed"], s.test->passed);
  if (report.rigorous) {
    EXPECT_EQ(json["iterations"], report.rigorous->iterations);
  } else {
    EXPECT_TRUE(json["iterations"].is_null());
  }
}

void expectPoints(const Json& points, const RunReport& report) {
  ASSERT_EQ(points.size(), report.X.size());
  for (std::size_t j = 0; j < points.size(); ++j) {
    const Json& point = points[j];
    const int p = static_cast<int>(j);
    EXPECT_EQ(keysOf(point), kPointKeys);
    EXPECT_EQ(point["name"], report.pointLabel(p));
    EXPECT_EQ(point["role"], report.isKnownPoint(p) ? "known" : "new");
    EXPECT_EQ(point["x"].get<double>(), report.X[j]);
    EXPECT_EQ(point["y"].get<double>(), report.Y[j]);
    const PointPrecision* q = report.newPointPrecision(p);
    EXPECT_EQ(q == nullptr, report.isKnownPoint(p)) << j;
    const auto figure = [q](double PointPrecision::*f, double scale) -> std::optional<double> {
      if (q == nullptr) return std::nullopt;
      return q->*f * scale;
    };
    expectValue(point["qxx"], figure(&PointPrecision::qxx, 1), "qxx");
    expectValue(point["qxy"], figure(&PointPrecision::qxy, 1), "qxy");
    expectValue(point["qyy"], figure(&PointPrecision::qyy, 1), "qyy");
    expectValue(point["mx"], figure(&PointPrecision::mx, 1000), "mx");
    expectValue(point["my"], figure(&PointPrecision::my, 1000), "my");
    expectValue(point["mp"], figure(&PointPrecision::mp, 1000), "mp");
    expectValue(point["E"], figure(&PointPrecision::E, 1000), "E");
    expectValue(point["F"], figure(&PointPrecision::F, 1000), "F");
    expectValue(point["phi"], figure(&PointPrecision::azimuthOfE, 1), "phi");
  }
}

void expectObservations(const Json& observations, const RunReport& report) {
  for (const Json& o : observations) EXPECT_EQ(keysOf(o), kObservationKeys);
  if (report.rigorous) {
    const std::vector<RigorousObservation>& all = report.rigorous->observations;
    ASSERT_EQ(observations.size(), all.size());
    for (std::size_t k = 0; k < all.size(); ++k) {
      const Json& o = observations[k];
      EXPECT_EQ(o["kind"], observationKindName(all[k].kind));
      EXPECT_EQ(o["triangle"], all[k].triangle);
      EXPECT_EQ(o["observed"].get<double>(), all[k].observed);
      EXPECT_EQ(o["correction"].get<double>(), all[k].correction);
      EXPECT_EQ(o["redundancy"].get<double>(), all[k].redundancy);
      expectValue(o["w"], all[k].w, "w");
    }
    return;
  }
  const std::size_t angles = 3 * static_cast<std::size_t>(report.triangleCount());
  ASSERT_GE(observations.size(), angles);
  for (std::size_t k = 0; k < angles; ++k) {
    const Json& o = observations[k];
    const ReportTriangle& triangle = report.triangles[k / 3];
    EXPECT_EQ(o["kind"], std::string(1, "ABC"[k % 3]));
    EXPECT_EQ(o["triangle"], k / 3 + 1);
    EXPECT_EQ(o["observed"].get<double>(), triangle.observed[k % 3]);
    EXPECT_EQ(o["correction"].get<double>(), triangle.correction(static_cast<int>(k % 3)));
    EXPECT_TRUE(o["redundancy"].is_null() && o["w"].is_null());
  }
  // Then the orientation angles the procedure corrected.
  std::size_t k = angles;
  for (const auto& [kind, angle] : {std::pair{"Qa", report.known.Qa}, std::pair{"Qb", report.known.Qb}}) {
    if (!angle || !angle->correction) continue;
    ASSERT_LT(k, observations.size());
    EXPECT_EQ(observations[k]["kind"], kind);
    EXPECT_EQ(observations[k]["correction"].get<double>(), *angle->correction);
    ++k;
  }
  EXPECT_EQ(k, observations.size());
}

void expectSides(const Json& json, const RunReport& report) {
  const Json& sides = json["sides"];
  ASSERT_EQ(sides.size(), report.sides.size());
  for (std::size_t k = 0; k < sides.size(); ++k) {
    const SidePrecision& side = report.sides[k];
    EXPECT_EQ(keysOf(sides[k]), kSideKeys);
    EXPECT_EQ(sides[k]["from"], report.pointLabel(side.side.from));
    EXPECT_EQ(sides[k]["to"], report.pointLabel(side.side.to));
    EXPECT_EQ(sides[k]["length"].get<double>(), side.length);
    EXPECT_EQ(sides[k]["azimuth"].get<double>(), side.azimuth);
    expectValue(sides[k]["relative"], side.relative, "relative");
    expectValue(sides[k]["m_azimuth"], side.azimuthMeanError, "m_azimuth");
  }
  const std::optional<WeakestSide> weakest = weakestSide(report);
  ASSERT_TRUE(weakest);
  const Json& named = json["weakest_side"];
  EXPECT_EQ(keysOf(named), (std::set<std::string>{"from", "to", "relative"}));
  EXPECT_EQ(named["from"], report.pointLabel(weakest->side.from));
  EXPECT_EQ(named["to"], report.pointLabel(weakest->side.to));
  expectValue(named["relative"], weakest->relative, "weakest relative");
}

class Exported : public ::testing::TestWithParam<std::tuple<KnownKind, AdjustmentMethod>> {};

TEST_P(Exported, ReadsBackAsTheReport) {
  const auto [kind, method] = GetParam();
  const SurveyedChain chain = surveyChain(mixedChain(7), kind, 12.5, -21.25);
  const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  QualitySettings settings;
  settings.method = method;
  const RunReport report = makeRunReport(run.driver, settings);
  ASSERT_EQ(report.methodInUse(), method) << report.method.fallback;
  const Json json = exported(report);
  expectHead(json, report);
  expectPoints(json["points"], report);
  expectObservations(json["observations"], report);
  expectSides(json, report);
  if (method != AdjustmentMethod::Rigorous) return;
  // The coordinates and cofactors of the adjustment by coordinates, not the classical ones.
  const RigorousResult r = adjustRigorously(run.chain(), report.kind.row, run.driver.lastResult(),
                                            rigorousSettings(settings));
  for (const RigorousPoint& p : r.points) {
    const Json& point = json["points"][static_cast<std::size_t>(p.point)];
    EXPECT_EQ(point["x"].get<double>(), p.x);
    EXPECT_EQ(point["y"].get<double>(), p.y);
    if (p.precision) EXPECT_EQ(point["qxx"].get<double>(), p.precision->qxx);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRowBothMethods, Exported,
    ::testing::Combine(::testing::ValuesIn(kAllKnownKinds),
                       ::testing::Values(AdjustmentMethod::Rigorous, AdjustmentMethod::Classical)),
    [](const auto& info) {
      return std::string(nameOf(std::get<0>(info.param))) +
             (std::get<1>(info.param) == AdjustmentMethod::Rigorous ? "_Rigorous" : "_Classical");
    });

// A chain reduced onto the plane: the settings, every angle's reduction and the bases; the
// reduced angles are the report's observations.
TEST(JsonExport, HoldsTheReductionsOntoThePlane) {
  const SurveyedChain chain = surveyChain(mixedChain(5), KnownKind::FullFromA, 12.5, -21.25);
  ScriptedPlatform platform;
  platform.setResponder(respondWith(answersFor(chain, withErrors(chain.truth.angles, 3.0))));
  RunDriver driver(platform);
  ReductionSettings plane;
  plane.plane.centralMeridian = 114.0;
  plane.plane.falseEasting = 5000.0 - 100000.0;
  plane.bases = BaseKind::MeasuredDistance;
  plane.baseHeight = 250.0;
  driver.reduceOntoPlane(plane);
  ASSERT_EQ(driver.runOnce(), RunOutcome::Adjusted);
  const RunReport report = makeRunReport(driver, QualitySettings{});
  ASSERT_TRUE(report.reduction);
  const Json json = exported(report);
  std::set<std::string> keys = kTopKeys;
  keys.insert("reduction");
  EXPECT_EQ(keysOf(json), keys);
  const Json& reduction = json["reduction"];
  EXPECT_EQ(reduction["ellipsoid"], "CGCS2000");
  EXPECT_EQ(reduction["central_meridian"].get<double>(), 114.0);
  EXPECT_TRUE(reduction["zone"].is_null());
  EXPECT_EQ(reduction["false_easting"].get<double>(), -95000.0);
  EXPECT_EQ(reduction["base_distances"], "measured");
  EXPECT_EQ(reduction["base_height"].get<double>(), 250.0);
  const ChainReductions& r = report.reduction->reductions;
  const Json& angles = reduction["angles"];
  ASSERT_EQ(angles.size(), 3u * 5 + (r.Qa ? 1 : 0) + (r.Qb ? 1 : 0));
  for (std::size_t k = 0; k < 15; ++k) {
    const std::size_t i = k / 3 + 1, a = k % 3;
    EXPECT_EQ(angles[k]["triangle"], i);
    EXPECT_EQ(angles[k]["observed"].get<double>(), r.observed[i][a]);
    EXPECT_EQ(angles[k]["reduction"].get<double>(), r.angles[i][a]);
    EXPECT_EQ(angles[k]["reduced"].get<double>(), report.triangles[i - 1].observed[a]);
  }
  ASSERT_TRUE(r.Sa && r.Sb);
  ASSERT_EQ(reduction["bases"].size(), 2u);
  EXPECT_EQ(reduction["bases"][0]["kind"], "Sa");
  EXPECT_EQ(reduction["bases"][0]["measured"].get<double>(), r.Sa->measured);
  EXPECT_EQ(reduction["bases"][1]["plane"].get<double>(), r.Sb->plane);
}

// A name typed in another encoding than UTF-8 does not stop the export.
TEST(JsonExport, WritesANameThatIsNoUtf8) {
  const SurveyedChain chain = surveyChain(mixedChain(3), KnownKind::FullFromA, 12.5, -21.25);
  const AdjustmentRun run(answersFor(chain, chain.truth.angles));
  RunReport report = makeRunReport(run.driver, QualitySettings{});
  report.names[1] = "P\xB9\xFA";  // P国 in GBK
  const Json json = exported(report);
  const std::string name = json["points"][1]["name"];
  EXPECT_EQ(name.rfind("P\xEF\xBF\xBD", 0), 0u) << name;  // U+FFFD for what is not UTF-8
}

}  // namespace
}  // namespace chainadj::testing
