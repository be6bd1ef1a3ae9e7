#include "quality/settings_layer.h"

#include <cmath>

namespace chainadj {

QualitySettings overlaid(QualitySettings base, const QualitySettingsLayer& layer) {
  if (layer.grade) base.grade = *layer.grade;
  if (layer.angleMeanError) base.grade.angleMeanError = *layer.angleMeanError;
  if (layer.azimuthMeanError) base.azimuthMeanError = *layer.azimuthMeanError;
  if (layer.baseMeanError) base.baseMeanError = *layer.baseMeanError;
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
