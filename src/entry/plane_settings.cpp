#include "entry/plane_settings.h"

#include <array>
#include <cmath>

#include "state/angles.h"
#include "state/chain_error.h"
#include "state/number_text.h"

namespace chainadj {
namespace {

constexpr double kZoneMultiple = 1000000.0;  // metres: the zone number stands in Y's millions
constexpr int kFirstSixDegreeZone = 13, kLastSixDegreeZone = 23;
constexpr int kFirstThreeDegreeZone = 24, kLastThreeDegreeZone = 45;

struct NamedEllipsoid {
  std::string_view name;
  const Ellipsoid* ellipsoid;
};
constexpr std::array<NamedEllipsoid, 6> kEllipsoidNames = {{
    {"CGCS2000", &kCgcs2000},    {"2000", &kCgcs2000},
    {"1980西安", &kXian1980},    {"Xian80", &kXian1980},
    {"1954北京", &kBeijing1954}, {"Beijing54", &kBeijing1954},
}};

std::string inQuotes(const std::string& text) { return "“" + text + "”"; }

std::optional<int> zoneNumber(const std::string& typed) {
  const std::optional<double> value = parseNumber(typed);
  if (!value || *value != std::trunc(*value)) return std::nullopt;
  const int zone = static_cast<int>(*value);
  if (zone < kFirstSixDegreeZone || zone > kLastThreeDegreeZone) return std::nullopt;
  return zone;
}

double centralMeridianOfZone(int zone) {
  return zone <= kLastSixDegreeZone ? 6.0 * zone - 3.0 : 3.0 * zone;
}

double numberOr(const ChainData& data, std::string_view keyword, double otherwise) {
  const std::optional<std::string> typed = data.setting(keyword);
  return typed ? parseNumber(*typed).value_or(otherwise) : otherwise;
}

constexpr std::array<PlaneSettingOption, 7> kOptions = {{
    {kCentralMeridianSetting, "--central-meridian", "中央子午线的经度（度.分分秒秒）"},
    {kZoneSetting, "--zone", "投影带的带号（13 到 45）"},
    {kEllipsoidSetting, "--ellipsoid", "参考椭球：CGCS2000、1980西安 或 1954北京"},
    {kFalseEastingSetting, "--false-easting", "横坐标的加常数（米）"},
    {kProjectionHeightSetting, "--projection-height", "投影面的高程（米）"},
    {kBaseDistancesSetting, "--base-distances", "起算边长的类别：plane 或 measured"},
    {kBaseHeightSetting, "--base-height", "实测边长的平均高程（米）"},
}};

}  // namespace

std::span<const PlaneSettingOption> planeSettingOptions() { return kOptions; }

const Ellipsoid* ellipsoidNamed(std::string_view name) {
  for (const NamedEllipsoid& named : kEllipsoidNames) {
    if (named.name == name) return named.ellipsoid;
  }
  return nullptr;
}

std::optional<ReductionSettings> reductionSettingsOf(const ChainData& data, const SettingLines& over) {
  ChainData lines;
  lines.settings = data.settings;
  for (const auto& [keyword, typed] : over) lines.settings.insert_or_assign(keyword, typed);
  return reductionSettingsOf(lines);
}

std::optional<std::string> centralMeridianRefusal(const std::string& typed) {
  const std::optional<TypedDms> dms = readDms(typed);
  if (dms && dms->legal() && !typed.empty() && std::fabs(dms->toDecimalDegrees()) <= 180.0) {
    return std::nullopt;
  }
  return "central_meridian 是中央子午线的经度（度.分分秒秒，-180 到 180），这里是 " + inQuotes(typed);
}

std::optional<std::string> zoneRefusal(const std::string& typed) {
  if (zoneNumber(typed)) return std::nullopt;
  return "zone 是投影带的带号：13 到 23 是 6° 带，24 到 45 是 3° 带，这里是 " + inQuotes(typed);
}

std::optional<std::string> ellipsoidRefusal(const std::string& typed) {
  if (ellipsoidNamed(typed)) return std::nullopt;
  return "ellipsoid 是参考椭球：CGCS2000、1980西安 或 1954北京，这里是 " + inQuotes(typed);
}

std::optional<std::string> metresRefusal(const std::string& typed) {
  const std::optional<double> value = parseNumber(typed);
  if (value && !typed.empty() && std::isfinite(*value) && std::fabs(*value) < 1e8) return std::nullopt;
  return "这里应当是一个以米为单位的数，而不是 " + inQuotes(typed);
}

std::optional<std::string> baseDistancesRefusal(const std::string& typed) {
  if (typed == "plane" || typed == "measured") return std::nullopt;
  return "base_distances 是 plane（由平面坐标算得的边长，不改化）或 measured（实测水平距离），这里是 " +
         inQuotes(typed);
}

std::optional<ReductionSettings> reductionSettingsOf(const ChainData& data) {
  const std::optional<std::string> meridian = data.setting(kCentralMeridianSetting);
  const std::optional<std::string> zoneLine = data.setting(kZoneSetting);
  if (!meridian && !zoneLine) return std::nullopt;
  ReductionSettings settings;
  if (const auto name = data.setting(kEllipsoidSetting)) {
    if (const Ellipsoid* ellipsoid = ellipsoidNamed(*name)) settings.plane.ellipsoid = *ellipsoid;
  }
  const int zone = zoneLine ? zoneNumber(*zoneLine).value_or(0) : 0;  // 0: no zone line
  settings.plane.centralMeridian =
      meridian ? readDms(*meridian).value_or(TypedDms{}).toDecimalDegrees()
               : centralMeridianOfZone(zone);
  settings.zone = zone;
  settings.plane.falseEasting = numberOr(data, kFalseEastingSetting, settings.plane.falseEasting);
  settings.projectionHeight = numberOr(data, kProjectionHeightSetting, 0.0);
  if (data.setting(kBaseDistancesSetting) == "measured") settings.bases = BaseKind::MeasuredDistance;
  settings.baseHeight = numberOr(data, kBaseHeightSetting, 0.0);
  return settings;
}

ReductionSettings withZoneOfY(ReductionSettings settings, double ya) {
  const int prefix = static_cast<int>(std::floor(std::fabs(ya) / kZoneMultiple));
  if (prefix == 0) return settings;
  if (settings.zone != 0 && prefix != settings.zone) {
    throw ChainError("起算点 A 的横坐标 Ya 前面的带号是 " + std::to_string(prefix) + "，与投影带 " +
                     std::to_string(settings.zone) + " 不符，本次计算停止。");
  }
  settings.plane.falseEasting += prefix * kZoneMultiple;
  return settings;
}

}  // namespace chainadj
