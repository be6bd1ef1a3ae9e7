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

  template <typename Element>
  void array(const char* key, std::size_t count, const Element& element) {
    startMember(key);
    out_ << '[';
    for (std::size_t k = 0; k < count; ++k) out_ << (k > 0 ? "," : "") << "\n    " << dumped(element(k));
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

Json pointOf(const RunReport& report, int j) {
  Json point = {{"name", report.pointLabel(j)},
                {"role", report.isKnownPoint(j) ? "known" : "new"},
                {"x", report.X[at(j)]},
                {"y", report.Y[at(j)]}};
  const PointPrecision* p = report.newPointPrecision(j);
  const auto mm = [p](double PointPrecision::*figure) {
    return p ? Json(p->*figure * kMillimetresPerMetre) : Json(nullptr);
  };
  point["qxx"] = p ? Json(p->qxx) : Json(nullptr);
  point["qxy"] = p ? Json(p->qxy) : Json(nullptr);
  point["qyy"] = p ? Json(p->qyy) : Json(nullptr);
  point["mx"] = mm(&PointPrecision::mx);
  point["my"] = mm(&PointPrecision::my);
  point["mp"] = mm(&PointPrecision::mp);
  point["E"] = mm(&PointPrecision::E);
  point["F"] = mm(&PointPrecision::F);
  point["phi"] = p ? Json(p->azimuthOfE) : Json(nullptr);
  return point;
}

Json observation(const char* kind, int triangle, double observed, double correction,
                 const Json& redundancy, const Json& w) {
  return {{"kind", kind},         {"triangle", triangle},     {"observed", observed},
          {"correction", correction}, {"redundancy", redundancy}, {"w", w}};
}

Json rigorousObservation(const RigorousObservation& o) {
  return observation(observationKindName(o.kind), o.triangle, o.observed, o.correction,
                     o.redundancy, orNull(o.w));
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
  json.array("observations", angles + orientation.size(), [&](std::size_t k) {
    if (k >= angles) {
      const auto& [kind, angle] = orientation[k - angles];
      return observation(kind, 0, angle.observed, *angle.correction, nullptr, nullptr);
    }
    const ReportTriangle& triangle = report.triangles[k / kAnglesPerTriangle];
    const int angle = static_cast<int>(k % kAnglesPerTriangle);
    return observation(kAngleKinds[angle], static_cast<int>(k / kAnglesPerTriangle) + 1,
                       triangle.observed[at(angle)], triangle.correction(angle), nullptr, nullptr);
  });
}

void writeObservations(const RunReport& report, ObjectWriter& json) {
  if (!report.rigorous) {
    writeClassicalObservations(report, json);
    return;
  }
  const std::vector<RigorousObservation>& all = report.rigorous->observations;
  json.array("observations", all.size(), [&](std::size_t k) { return rigorousObservation(all[k]); });
}

Json sideOf(const RunReport& report, const SidePrecision& side) {
  return {{"from", report.pointLabel(side.side.from)}, {"to", report.pointLabel(side.side.to)},
          {"length", side.length},  {"azimuth", side.azimuth},
          {"relative", orNull(side.relative)}, {"m_azimuth", orNull(side.azimuthMeanError)}};
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
  json.array("points", points, [&](std::size_t j) { return pointOf(report, static_cast<int>(j)); });
  writeObservations(report, json);
  json.array("sides", report.sides.size(), [&](std::size_t k) { return sideOf(report, report.sides[k]); });
  json.member("weakest_side", weakestSideOf(report));
  if (report.reduction) json.member("reduction", reductionOf(report));
}

void writeJsonFile(const RunReport& report, const std::string& path) {
  writeWholeFile(path, "不能写入 JSON 文件 “" + path + "”。",
                 [&report](std::ostream& file) { writeJson(report, file); });
}

}  // namespace chainadj
