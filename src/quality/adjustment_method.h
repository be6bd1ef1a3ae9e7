// The method a run's results are given by (平差方法): the adjustment by coordinates (严密平差) or
// the classical procedure of the selection row, conditions in two groups (条件分组平差). The
// engineering survey standard GB 50026 asks for the rigorous method from 一级 up and allows the
// simplified one from 二级 down: a grade brings its method, which a setting may replace.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "quality/survey_grade.h"

namespace chainadj {

// "严密平差" or "条件分组平差".
const char* methodName(AdjustmentMethod method);
// The word of a data-file line and of the console option: "rigorous" or "classical".
const char* methodKeyword(AdjustmentMethod method);

// The method of a typed word: its keyword or its Chinese name; nullopt for any other text.
std::optional<AdjustmentMethod> parseAdjustmentMethod(std::string_view typed);

// The method GB 50026 asks for at the grade: 严密平差 for 二等, 三等, 四等 and 一级, 条件分组平差
// for 二级 (and 严密平差 for a grade of another name).
AdjustmentMethod standardMethod(const SurveyGrade& grade);

struct MethodChoice {
  AdjustmentMethod method = AdjustmentMethod::Rigorous;
  bool byGrade = true;  // as the grade asks; false: set (window, data file or option)
};

// The method the settings choose, and whether the grade chose it.
MethodChoice chosenMethod(const QualitySettings& settings);

// Why: "四等按 GB 50026 采用严密平差" or "按设置".
std::string methodReason(const QualitySettings& settings);

}  // namespace chainadj
