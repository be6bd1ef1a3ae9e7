#include "entry/chain_settings.h"

#include <array>

#include "entry/plane_settings.h"
#include "quality/settings_layer.h"
#include "state/display_format.h"
#include "state/number_text.h"

namespace chainadj {
namespace {

std::string inQuotes(const std::string& text) { return "“" + text + "”"; }

std::optional<std::string> gradeRefusal(const std::string& typed) {
  if (gradePreset(typed)) return std::nullopt;
  return "grade 是平差的等级，应当是 " + gradeNameList() + " 之一，这里是 " + inQuotes(typed);
}

std::optional<std::string> meanErrorRefusal(const std::string& typed) {
  const std::optional<double> seconds = parseNumber(typed);
  if (!seconds || !(*seconds > 0.0)) {
    return "m_beta 是测角中误差（秒），必须是一个大于 0 的数，这里是 " + inQuotes(typed);
  }
  if (!isAngleMeanError(*seconds)) {
    return "m_beta 是测角中误差（秒），不能大于 " + formatRoundedPlain(kLargestAngleSeconds, 0) +
           " 秒，这里是 " + inQuotes(typed);
  }
  return std::nullopt;
}

constexpr std::array<SettingKeyword, 9> kKeywords = {{
    {kGradeSetting, &gradeRefusal},
    {kMeanErrorSetting, &meanErrorRefusal},
    {kEllipsoidSetting, &ellipsoidRefusal},
    {kCentralMeridianSetting, &centralMeridianRefusal},
    {kZoneSetting, &zoneRefusal},
    {kFalseEastingSetting, &metresRefusal},
    {kProjectionHeightSetting, &metresRefusal},
    {kBaseDistancesSetting, &baseDistancesRefusal},
    {kBaseHeightSetting, &metresRefusal},
}};

}  // namespace

std::span<const SettingKeyword> settingKeywords() { return kKeywords; }

const SettingKeyword* settingKeywordNamed(std::string_view word) {
  for (const SettingKeyword& keyword : kKeywords) {
    if (keyword.keyword == word) return &keyword;
  }
  return nullptr;
}

}  // namespace chainadj
