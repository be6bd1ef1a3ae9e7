#include "quality/adjustment_method.h"

namespace chainadj {
namespace {

struct MethodWords {
  AdjustmentMethod method;
  const char* keyword;
  const char* name;
};

constexpr MethodWords kMethods[] = {
    {AdjustmentMethod::Rigorous, "rigorous", "严密平差"},
    {AdjustmentMethod::Classical, "classical", "条件分组平差"},
};

const MethodWords& wordsOf(AdjustmentMethod method) {
  return method == AdjustmentMethod::Rigorous ? kMethods[0] : kMethods[1];
}

// The grade from which down GB 50026 allows the simplified adjustment.
constexpr std::string_view kSimplifiedGrade = "二级";

}  // namespace

const char* methodName(AdjustmentMethod method) { return wordsOf(method).name; }

const char* methodKeyword(AdjustmentMethod method) { return wordsOf(method).keyword; }

std::optional<AdjustmentMethod> parseAdjustmentMethod(std::string_view typed) {
  for (const MethodWords& words : kMethods) {
    if (typed == words.keyword || typed == words.name) return words.method;
  }
  return std::nullopt;
}

AdjustmentMethod standardMethod(const SurveyGrade& grade) {
  return grade.name == kSimplifiedGrade ? AdjustmentMethod::Classical : AdjustmentMethod::Rigorous;
}

MethodChoice chosenMethod(const QualitySettings& settings) {
  if (settings.method) return {*settings.method, false};
  return {standardMethod(settings.grade), true};
}

std::string methodReason(const QualitySettings& settings) {
  const MethodChoice choice = chosenMethod(settings);
  if (!choice.byGrade) return "按设置";
  return settings.grade.name + "按 GB 50026 采用" + methodName(choice.method);
}

}  // namespace chainadj
