// The dialog 平差设置: the grade of the survey from the presets, which brings its mβ, triangle
// closure limit, limit 1/T of the weakest side and method of adjustment (平差方法: 严密平差 or
// 条件分组平差, as GB 50026 asks for the grade), all of which the user may then edit, and the
// mean errors of the known azimuths (mα) and of the known bases. 恢复默认 puts back 四等 with
// error-free known data. A method other than the grade's is kept as set; the grade's own is
// kept as the grade's, so that it follows a grade chosen later.
#pragma once

#include <QDialog>

#include "quality/survey_grade.h"

class QComboBox;
class QDoubleSpinBox;

namespace chainadj::ui {

class QualitySettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit QualitySettingsDialog(const QualitySettings& settings, QWidget* parent = nullptr);

  // The settings as the dialog shows them.
  QualitySettings settings() const;
  void setSettings(const QualitySettings& settings);

  QComboBox* gradeBox() const { return grade_; }
  QDoubleSpinBox* angleMeanErrorBox() const { return angleMeanError_; }
  QDoubleSpinBox* triangleLimitBox() const { return triangleLimit_; }
  QDoubleSpinBox* azimuthMeanErrorBox() const { return azimuthMeanError_; }
  QDoubleSpinBox* baseMeanErrorBox() const { return baseMeanError_; }
  QDoubleSpinBox* weakestSideBox() const { return weakestSide_; }
  // 0 严密平差, 1 条件分组平差.
  QComboBox* methodBox() const { return method_; }

 private:
  void choosePreset(int index);

  QComboBox* grade_;
  QDoubleSpinBox* angleMeanError_;
  QDoubleSpinBox* triangleLimit_;
  QDoubleSpinBox* azimuthMeanError_;
  QDoubleSpinBox* baseMeanError_;
  QDoubleSpinBox* weakestSide_;
  QComboBox* method_;
};

}  // namespace chainadj::ui
