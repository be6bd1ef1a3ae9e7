// The settings lines that put a chain on the Gauss–Krüger plane, and the reduction they ask for.
//
//   central_meridian 117      the central meridian's longitude, degrees.minutesseconds
//   zone 39                   or the zone: 13..23 are 6° zones (central meridian 6n − 3),
//                             24..45 are 3° zones (central meridian 3n)
//   ellipsoid CGCS2000        CGCS2000 (the default), 1980西安 (Xian80) or 1954北京 (Beijing54)
//   false_easting 500000      metres added to Y east of the central meridian (the default)
//   projection_height 0       the projection surface's height above the ellipsoid, metres
//   base_distances measured   the bases Sa, Sb are measured horizontal distances (default: plane,
//                             worked out from plane coordinates, not reduced)
//   base_height 350           their mean height above the ellipsoid, metres
//
// A chain is reduced only when its file gives central_meridian or zone. Y may be typed with the
// zone number in front of it (39 512 345.678): a Y of A of a million metres or more carries the
// zone as its millions, which must agree with the zone where one is named; the false easting
// then stands behind the zone number.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "adjust/chain_reductions.h"
#include "entry/chain_data.h"

namespace chainadj {

inline constexpr std::string_view kCentralMeridianSetting = "central_meridian";
inline constexpr std::string_view kZoneSetting = "zone";
inline constexpr std::string_view kEllipsoidSetting = "ellipsoid";
inline constexpr std::string_view kFalseEastingSetting = "false_easting";
inline constexpr std::string_view kProjectionHeightSetting = "projection_height";
inline constexpr std::string_view kBaseDistancesSetting = "base_distances";
inline constexpr std::string_view kBaseHeightSetting = "base_height";

// A plane settings line as a console option gives it: --central-meridian for central_meridian.
struct PlaneSettingOption {
  std::string_view keyword;
  std::string_view option;
  const char* wants;  // what the option wants after it, in Chinese
};
std::span<const PlaneSettingOption> planeSettingOptions();

// Settings lines by keyword, as typed.
using SettingLines = std::map<std::string, std::string, std::less<>>;

// The reduction the data's settings lines ask for with `over` given over them (console options).
std::optional<ReductionSettings> reductionSettingsOf(const ChainData& data, const SettingLines& over);

// The ellipsoid an ellipsoid line names (CGCS2000 or 2000, 1980西安 or Xian80, 1954北京 or
// Beijing54); nullptr for any other name.
const Ellipsoid* ellipsoidNamed(std::string_view name);

// Why a typed value of one of these lines cannot be taken (nullopt: it is taken).
std::optional<std::string> centralMeridianRefusal(const std::string& typed);
std::optional<std::string> zoneRefusal(const std::string& typed);
std::optional<std::string> ellipsoidRefusal(const std::string& typed);
std::optional<std::string> metresRefusal(const std::string& typed);
std::optional<std::string> baseDistancesRefusal(const std::string& typed);

// The reduction the data's settings lines ask for, nullopt when they put the chain on no plane.
std::optional<ReductionSettings> reductionSettingsOf(const ChainData& data);

// The settings for a chain whose start point A has the typed Y `ya` (metres): a zone number
// typed in front of Y moves the false easting behind it. ChainError when that zone number
// disagrees with the zone the settings name.
ReductionSettings withZoneOfY(ReductionSettings settings, double ya);

}  // namespace chainadj
