// The grades of a survey with their published angle mean errors, triangle closure limits and
// limits of the weakest side's relative mean error, and the settings a quality check of a chain is
// made with, the method of the adjustment among them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace chainadj {

struct SurveyGrade {
  std::string name;
  double angleMeanError = 0;  // mβ, seconds
  double triangleLimit = 0;   // the limit of a triangle closure, seconds
  double weakestSide = 0;     // T of the limit 1/T of the weakest side's relative mean error
};

// 二等, 三等, 四等, 一级, 二级 with their usual values.
const std::vector<SurveyGrade>& gradePresets();
// The preset of that name, if there is one.
std::optional<SurveyGrade> gradePreset(const std::string& name);

// 严密平差 (the adjustment by coordinates) or 条件分组平差 (the selection row's procedure).
enum class AdjustmentMethod { Rigorous, Classical };

struct QualitySettings {
  SurveyGrade grade = gradePresets()[2];  // 四等
  double azimuthMeanError = 0;  // mα of a known azimuth, seconds
  double baseMeanError = 0;     // of a known base, millimetres
  // The method the results are given by; nullopt: the one the grade asks for
  // (adjustment_method.h).
  std::optional<AdjustmentMethod> method;
};

}  // namespace chainadj
