// The method of the results: the one GB 50026 asks for at each grade, replaced by a setting, and
// the layers of the settings (a grade of a higher layer brings its own method again).
#include "quality/adjustment_method.h"

#include <gtest/gtest.h>

#include "quality/settings_layer.h"

namespace chainadj {
namespace {

struct GradeMethod {
  const char* grade;
  AdjustmentMethod method;
  const char* reason;
};

const GradeMethod kGradeMethods[] = {
    {"二等", AdjustmentMethod::Rigorous, "二等按 GB 50026 采用严密平差"},
    {"三等", AdjustmentMethod::Rigorous, "三等按 GB 50026 采用严密平差"},
    {"四等", AdjustmentMethod::Rigorous, "四等按 GB 50026 采用严密平差"},
    {"一级", AdjustmentMethod::Rigorous, "一级按 GB 50026 采用严密平差"},
    {"二级", AdjustmentMethod::Classical, "二级按 GB 50026 采用条件分组平差"},
};

class ByGrade : public ::testing::TestWithParam<GradeMethod> {};

TEST_P(ByGrade, IsTheStandardsUnlessSet) {
  QualitySettings settings;
  settings.grade = *gradePreset(GetParam().grade);
  EXPECT_EQ(chosenMethod(settings).method, GetParam().method);
  EXPECT_TRUE(chosenMethod(settings).byGrade);
  EXPECT_EQ(methodReason(settings), GetParam().reason);
  for (AdjustmentMethod set : {AdjustmentMethod::Rigorous, AdjustmentMethod::Classical}) {
    settings.method = set;
    EXPECT_EQ(chosenMethod(settings).method, set);
    EXPECT_FALSE(chosenMethod(settings).byGrade);
    EXPECT_EQ(methodReason(settings), "按设置");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryGrade, ByGrade, ::testing::ValuesIn(kGradeMethods));

TEST(AdjustmentMethod, TheDefaultGradeAdjustsRigorously) {
  EXPECT_EQ(QualitySettings{}.grade.name, "四等");
  EXPECT_EQ(chosenMethod(QualitySettings{}).method, AdjustmentMethod::Rigorous);
}

TEST(AdjustmentMethod, IsReadFromItsKeywordOrItsName) {
  EXPECT_EQ(parseAdjustmentMethod("rigorous"), AdjustmentMethod::Rigorous);
  EXPECT_EQ(parseAdjustmentMethod("classical"), AdjustmentMethod::Classical);
  EXPECT_EQ(parseAdjustmentMethod("严密平差"), AdjustmentMethod::Rigorous);
  EXPECT_EQ(parseAdjustmentMethod("条件分组平差"), AdjustmentMethod::Classical);
  for (const char* wrong : {"", "Rigorous", "rigorous ", "strict", "严密"}) {
    EXPECT_EQ(parseAdjustmentMethod(wrong), std::nullopt) << wrong;
  }
  for (AdjustmentMethod method : {AdjustmentMethod::Rigorous, AdjustmentMethod::Classical}) {
    EXPECT_EQ(parseAdjustmentMethod(methodKeyword(method)), method);
    EXPECT_EQ(parseAdjustmentMethod(methodName(method)), method);
  }
}

// The defaults, a data file's lines, the console's options: each layer over the one below.
TEST(AdjustmentMethod, LayersAsTheOtherSettingsDo) {
  QualitySettingsLayer file;
  file.method = AdjustmentMethod::Classical;
  const QualitySettings fromFile = overlaid(QualitySettings{}, file);
  EXPECT_EQ(chosenMethod(fromFile).method, AdjustmentMethod::Classical);

  // An option's grade over the file's method: the grade's own method.
  QualitySettingsLayer options;
  options.grade = gradePreset("二等");
  EXPECT_EQ(overlaid(fromFile, options).method, std::nullopt);
  EXPECT_EQ(chosenMethod(overlaid(fromFile, options)).method, AdjustmentMethod::Rigorous);
  // A grade and a method of the same layer: the method.
  options.grade = gradePreset("四等");
  options.method = AdjustmentMethod::Classical;
  EXPECT_EQ(chosenMethod(overlaid(QualitySettings{}, options)).method, AdjustmentMethod::Classical);
  // A grade 二级 of a lower layer under a method of a higher one.
  QualitySettingsLayer lower, higher;
  lower.grade = gradePreset("二级");
  higher.method = AdjustmentMethod::Rigorous;
  const QualitySettings layered = overlaid(overlaid(QualitySettings{}, lower), higher);
  EXPECT_EQ(layered.grade.name, "二级");
  EXPECT_EQ(chosenMethod(layered).method, AdjustmentMethod::Rigorous);
  EXPECT_FALSE(chosenMethod(layered).byGrade);
}

}  // namespace
}  // namespace chainadj
