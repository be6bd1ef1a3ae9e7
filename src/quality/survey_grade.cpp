#include "quality/survey_grade.h"

namespace chainadj {

const std::vector<SurveyGrade>& gradePresets() {
  static const std::vector<SurveyGrade> presets = {
      {"二等", 1.0, 3.5, 120000.0}, {"三等", 1.8, 7.0, 70000.0}, {"四等", 2.5, 9.0, 40000.0},
      {"一级", 5.0, 15.0, 20000.0}, {"二级", 10.0, 30.0, 10000.0},
  };
  return presets;
}

std::optional<SurveyGrade> gradePreset(const std::string& name) {
  for (const SurveyGrade& grade : gradePresets()) {
    if (grade.name == name) return grade;
  }
  return std::nullopt;
}

}  // namespace chainadj
