#include "quality/settings_layer.h"

#include <cmath>

#include "state/number_text.h"

namespace chainadj {

QualitySettings overlaid(QualitySettings base, const QualitySettingsLayer& layer) {
  if (layer.grade) {
    base.grade = *layer.grade;
    base.method.reset();  // the grade brings its own method
  }
  if (layer.method) base.method = *layer.method;
  if (layer.angleMeanError) base.grade.angleMeanError = *layer.angleMeanError;
  if (layer.azimuthMeanError) base.azimuthMeanError = *layer.azimuthMeanError;
  if (layer.baseMeanError) base.baseMeanError = *layer.baseMeanError;
  if (layer.weakestSide) base.grade.weakestSide = *layer.weakestSide;
  return base;
}

std::string gradeNameList() {
  std::string list;
  for (const SurveyGrade& grade : gradePresets()) {
    if (!list.empty()) list += "、";
    list += grade.name;
  }
  return list;
}

bool isAngleMeanError(double seconds) {
  return std::isfinite(seconds) && seconds > 0.0 && seconds <= kLargestAngleSeconds;
}

bool isKnownAngleError(double seconds) {
  return std::isfinite(seconds) && seconds >= 0.0 && seconds <= kLargestAngleSeconds;
}

bool isKnownBaseError(double millimetres) {
  return std::isfinite(millimetres) && millimetres >= 0.0 &&
         millimetres <= kLargestBaseMillimetres;
}

}  // namespace chainadj

namespace chainadj {

bool isWeakestSideLimit(double denominator) {
  return std::isfinite(denominator) && denominator >= 1.0 && denominator <= kLargestWeakestSide;
}

std::optional<double> parseWeakestSideLimit(const std::string& typed) {
  constexpr std::string_view kOneOver = "1/";
  std::string_view text = typed;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.substr(0, kOneOver.size()) == kOneOver) text.remove_prefix(kOneOver.size());
  if (text.empty()) return std::nullopt;
  const std::optional<double> denominator = parseNumber(text);
  if (!denominator || !isWeakestSideLimit(*denominator)) return std::nullopt;
  return denominator;
}

}  // namespace chainadj
