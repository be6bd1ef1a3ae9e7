#include "entry/chain_data.h"

#include "entry/chain_settings.h"
#include "quality/adjustment_method.h"
#include "state/chain_state.h"
#include "state/number_text.h"

namespace chainadj {

std::string ChainData::value(InputItem item) const {
  const auto found = values.find(item);
  return found == values.end() ? std::string() : found->second;
}

double ChainData::number(InputItem item) const { return parseNumber(value(item)).value_or(0.0); }

std::optional<std::string> ChainData::setting(std::string_view keyword) const {
  const auto found = settings.find(keyword);
  if (found == settings.end()) return std::nullopt;
  return found->second;
}

std::optional<InputItem> knownValueNamed(std::string_view name) {
  for (int k = 0; k <= static_cast<int>(kLastKnownValue); ++k) {
    const auto item = static_cast<InputItem>(k);
    if (name == inputItemName(item)) return item;
  }
  return std::nullopt;
}

int pointNamesAsked(const ChainData& data) {
  return pointNamesAsked(data, static_cast<int>(data.triangles.size()));
}

int pointNamesAsked(const ChainData& data, int n) {
  const double xc = data.number(InputItem::Xc), yc = data.number(InputItem::Yc);
  const double xd = data.number(InputItem::Xd), yd = data.number(InputItem::Yd);
  if (pointPresent(xc, yc) && pointPresent(xd, yd)) return n == 1 ? 2 : n;
  if (pointPresent(xc, yc) && pointAbsent(xd, yd)) return n + 1;
  if (pointAbsent(xc, yc) && pointAbsent(xd, yd)) return n + 2;
  return 0;
}

QualitySettingsLayer qualityLayerOf(const ChainData& data) {
  QualitySettingsLayer layer;
  if (const auto grade = data.setting(kGradeSetting)) layer.grade = gradePreset(*grade);
  if (const auto mBeta = data.setting(kMeanErrorSetting)) {
    const std::optional<double> seconds = parseNumber(*mBeta);
    if (seconds && isAngleMeanError(*seconds)) layer.angleMeanError = seconds;
  }
  if (const auto limit = data.setting(kWeakestSideSetting)) {
    layer.weakestSide = parseWeakestSideLimit(*limit);
  }
  if (const auto method = data.setting(kMethodSetting)) layer.method = parseAdjustmentMethod(*method);
  return layer;
}

void keepReservedLines(ChainData& record, const ChainData& loaded) {
  record.settings = loaded.settings;
}

}  // namespace chainadj
