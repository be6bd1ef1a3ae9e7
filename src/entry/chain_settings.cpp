#include "entry/chain_settings.h"

#include <vector>

#include "entry/plane_settings.h"
#include "entry/project_info.h"
#include "quality/adjustment_method.h"
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

std::optional<std::string> weakestSideRefusal(const std::string& typed) {
  if (parseWeakestSideLimit(typed)) return std::nullopt;
  return "weakest_side 是最弱边相对中误差的限差 1/T，应当写 T 或 1/T（T 是 1 到 " +
         formatRoundedPlain(kLargestWeakestSide, 0) + " 的数，例如 40000），这里是 " +
         inQuotes(typed);
}

std::optional<std::string> methodRefusal(const std::string& typed) {
  if (parseAdjustmentMethod(typed)) return std::nullopt;
  return "method 是平差方法，应当是 rigorous（严密平差）或 classical（条件分组平差），这里是 " +
         inQuotes(typed);
}

// A project line holds any text but none.
std::optional<std::string> projectTextRefusal(const std::string& typed) {
  if (!typed.empty()) return std::nullopt;
  return "项目信息的一行在名称后面要写上它的内容（例如 observer 张三）";
}

std::vector<SettingKeyword> allKeywords() {
  std::vector<SettingKeyword> keywords = {
      {kGradeSetting, &gradeRefusal},
      {kMeanErrorSetting, &meanErrorRefusal},
      {kWeakestSideSetting, &weakestSideRefusal},
      {kMethodSetting, &methodRefusal},
      {kEllipsoidSetting, &ellipsoidRefusal},
      {kCentralMeridianSetting, &centralMeridianRefusal},
      {kZoneSetting, &zoneRefusal},
      {kFalseEastingSetting, &metresRefusal},
      {kProjectionHeightSetting, &metresRefusal},
      {kBaseDistancesSetting, &baseDistancesRefusal},
      {kBaseHeightSetting, &metresRefusal},
  };
  for (const ProjectField& field : projectFields()) {
    keywords.push_back({field.keyword, &projectTextRefusal});
  }
  return keywords;
}

const std::vector<SettingKeyword>& keywordTable() {
  static const std::vector<SettingKeyword> keywords = allKeywords();
  return keywords;
}

}  // namespace

std::span<const SettingKeyword> settingKeywords() { return keywordTable(); }

const SettingKeyword* settingKeywordNamed(std::string_view word) {
  for (const SettingKeyword& keyword : keywordTable()) {
    if (keyword.keyword == word) return &keyword;
  }
  return nullptr;
}

}  // namespace chainadj
