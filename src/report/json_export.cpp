#include "report/json_export.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "report/chain_verdict.h"
#include "state/constants.h"
#include "state/whole_file.h"

namespace chainadj {
namespace {

// Keys in the order they are set.
using Json = nlohmann::ordered_json;

constexpr const char* kAngleKinds[] = {"A", "B", "C"};

std::size_t at(int index) { return static_cast<std::size_t>(index); }

Json orNull(const std::optional<double>& value) { return value ? Json(*value) : Json(nullptr); }

// A typed name need not be UTF-8: what is not is written as U+FFFD.
std::string dumped(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The members of the top-level object, each on a line of its own; an array one element a line.
class ObjectWriter {
 public:
  explicit ObjectWriter(std::ostream& out) : out_(out) { out_ << '{'; }
  ~ObjectWriter() { out_ << "\n}\n"; }
  ObjectWriter(const ObjectWriter&) = delete;
  ObjectWriter& operator=(const ObjectWriter&) = delete;

  void member(const char* key, const Json& value) {
    startMember(key);
    out_ << dumped(value);
  }

  // `fill(k, element)` sets the members of element k. One object is filled again for every
  // element: its keys are made once, not for each of the 300 000 observations of a long chain.
  template <typename Fill>
  void array(const char* key, std::size_t count, const Fill& fill) {
    startMember(key);
    out_ << '[';
    Json element = Json::object();
    for (std::size_t k = 0; k < count; ++k) {
      fill(k, element);
      out_ << (k > 0 ? "," : "") << "\n    " << dumped(element);
    }
    out_ << (count > 0 ? "\n  ]" : "]");
  }

 private:
  void startMember(const char* key) {
    out_ << (first_ ? "" : ",") << "\n  " << dumped(Json(key)) << ": ";
    first_ = false;
  }

  std::ostream& out_;
  bool first_ = true;
};

Json chi2Of(const UnitWeightStatistics& s) {
  if (!s.test) return nullptr;
  return {{"value", s.test->value}, {"lower", s.test->lower}, {"upper", s.test->upper},
          {"passed", s.test->passed}};
}

void writeHead(const RunReport& report, ObjectWriter& json) {
  const UnitWeightStatistics& s = report.statistics.unitWeight;
  json.member("method", methodKeyword(report.methodInUse()));
  json.member("procedure", report.kind.row);
  json.member("n", report.triangleCount());
  json.member("sigma0", s.sigma0);
  json.member("m0", s.redundancy > 0 ? Json(s.m0) : Json(nullptr));
  json.member("redundancy", s.redundancy);
  json.member("pvv", s.pvv);
  json.member("chi2", chi2Of(s));
  json.member("iterations", report.rigorous ? Json(report.rigorous->iterations) : Json(nullptr));
}

void fillPoint(const RunReport& report, int j, Json& point) {
  point["name"] = report.pointLabel(j);
  point["role"] = report.isKnownPoint(j) ? "known" : "new";
  point["x"] = report.X[at(j)];
  point["y"] = report.Y[at(j)];
  const PointPrecision* p = report.newPointPrecision(j);
  const auto figure = [p](double PointPrecision::*f, double scale) {
    return p ? Json(p->*f * scale) : Json(nullptr);
  };
  point["qxx"] = figure(&PointPrecision::qxx, 1.0);
  point["qxy"] = figure(&PointPrecision::qxy, 1.0);
  point["qyy"] = figure(&PointPrecision::qyy, 1.0);
  point["mx"] = figure(&PointPrecision::mx, kMillimetresPerMetre);
  point["my"] = figure(&PointPrecision::my, kMillimetresPerMetre);
  point["mp"] = figure(&PointPrecision::mp, kMillimetresPerMetre);
  point["E"] = figure(&PointPrecision::E, kMillimetresPerMetre);
  point["F"] = figure(&PointPrecision::F, kMillimetresPerMetre);
  point["phi"] = figure(&PointPrecision::azimuthOfE, 1.0);
}

void fillObservation(Json& o, const char* kind, int triangle, double observed, double correction,
                     const Json& redundancy, const Json& w) {
  o["kind"] = kind;
  o["triangle"] = triangle;
  o["observed"] = observed;
  o["correction"] = correction;
  o["redundancy"] = redundancy;
  o["w"] = w;
}

// The orientation angles the classical procedure observed (those with a correction).
std::vector<std::pair<const char*, OrientationAngle>> observedOrientation(const RunReport& report) {
  std::vector<std::pair<const char*, OrientationAngle>> angles;
  if (report.known.Qa && report.known.Qa->correction) angles.emplace_back("Qa", *report.known.Qa);
  if (report.known.Qb && report.known.Qb->correction) angles.emplace_back("Qb", *report.known.Qb);
  return angles;
}

// The classical procedure's observations: every angle, then the orientation angles it observed.
void writeClassicalObservations(const RunReport& report, ObjectWriter& json) {
  const std::size_t angles = report.triangles.size() * kAnglesPerTriangle;
  const auto orientation = observedOrientation(report);
  json.array("observations", angles + orientation.size(), [&](std::size_t k, Json& o) {
    if (k >= angles) {
      const auto& [kind, angle] = orientation[k - angles];
      fillObservation(o, kind, 0, angle.observed, *angle.correction, nullptr, nullptr);
      return;
    }
    const ReportTriangle& triangle = report.triangles[k / kAnglesPerTriangle];
    const int angle = static_cast<int>(k % kAnglesPerTriangle);
    fillObservation(o, kAngleKinds[angle], static_cast<int>(k / kAnglesPerTriangle) + 1,
                    triangle.observed[at(angle)], triangle.correction(angle), nullptr, nullptr);
  });
}

void writeObservations(const RunReport& report, ObjectWriter& json) {
  if (!report.rigorous) {
    writeClassicalObservations(report, json);
    return;
  }
  const std::vector<RigorousObservation>& all = report.rigorous->observations;
  json.array("observations", all.size(), [&](std::size_t k, Json& o) {
    fillObservation(o, observationKindName(all[k].kind), all[k].triangle, all[k].observed,
                    all[k].correction, all[k].redundancy, orNull(all[k].w));
  });
}

void fillSide(const RunReport& report, const SidePrecision& side, Json& json) {
  json["from"] = report.pointLabel(side.side.from);
  json["to"] = report.pointLabel(side.side.to);
  json["length"] = side.length;
  json["azimuth"] = side.azimuth;
  json["relative"] = orNull(side.relative);
  json["m_azimuth"] = orNull(side.azimuthMeanError);
}

Json weakestSideOf(const RunReport& report) {
  const std::optional<WeakestSide> weakest = weakestSide(report);
  if (!weakest) return nullptr;
  return {{"from", report.pointLabel(weakest->side.from)}, {"to", report.pointLabel(weakest->side.to)},
          {"relative", orNull(weakest->relative)}};
}

Json reductionAngle(const char* kind, int triangle, double observed, double seconds, double reduced) {
  return {{"kind", kind}, {"triangle", triangle}, {"observed", observed}, {"reduction", seconds},
          {"reduced", reduced}};
}

Json reductionOf(const RunReport& report) {
  const ReductionSettings& settings = report.reduction->settings;
  const ChainReductions& r = report.reduction->reductions;
  Json reduction = {
      {"ellipsoid", settings.plane.ellipsoid.name},
      {"central_meridian", settings.plane.centralMeridian},
      {"zone", settings.zone > 0 ? Json(settings.zone) : Json(nullptr)},
      {"false_easting", settings.plane.falseEasting},
      {"projection_height", settings.projectionHeight},
      {"base_distances", settings.bases == BaseKind::MeasuredDistance ? "measured" : "plane"},
      {"base_height", settings.baseHeight}};
  Json angles = Json::array();
  for (int i = 1; i <= report.triangleCount() && at(i) < r.angles.size(); ++i) {
    for (int k = 0; k < kAnglesPerTriangle; ++k) {
      angles.push_back(reductionAngle(kAngleKinds[k], i, r.observed[at(i)][at(k)], r.angles[at(i)][at(k)],
                                      report.triangles[at(i - 1)].observed[at(k)]));
    }
  }
  if (r.Qa) angles.push_back(reductionAngle("Qa", 0, r.observedQa, *r.Qa, r.observedQa + *r.Qa / kSecondsPerDegree));
  if (r.Qb) angles.push_back(reductionAngle("Qb", 0, r.observedQb, *r.Qb, r.observedQb + *r.Qb / kSecondsPerDegree));
  reduction["angles"] = std::move(angles);
  Json bases = Json::array();
  if (r.Sa) bases.push_back({{"kind", "Sa"}, {"measured", r.Sa->measured}, {"plane", r.Sa->plane}});
  if (r.Sb) bases.push_back({{"kind", "Sb"}, {"measured", r.Sb->measured}, {"plane", r.Sb->plane}});
  reduction["bases"] = std::move(bases);
  return reduction;
}

}  // namespace

void writeJson(const RunReport& report, std::ostream& out) {
  ObjectWriter json(out);
  writeHead(report, json);
  const std::size_t points = std::min(report.X.size(), report.Y.size());
  json.array("points", points,
             [&](std::size_t j, Json& point) { fillPoint(report, static_cast<int>(j), point); });
  writeObservations(report, json);
  json.array("sides", report.sides.size(),
             [&](std::size_t k, Json& side) { fillSide(report, report.sides[k], side); });
  json.member("weakest_side", weakestSideOf(report));
  if (report.reduction) json.member("reduction", reductionOf(report));
}

void writeJsonFile(const RunReport& report, const std::string& path) {
  writeWholeFile(path, "不能写入 JSON 文件 “" + path + "”。",
                 [&report](std::ostream& file) { writeJson(report, file); });
}

}  // namespace chainadj
