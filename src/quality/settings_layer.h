// Where the settings of the quality check come from, in layers: the defaults (or, in the window,
// the settings kept from the last session), then the lines grade and m_beta of a chain data file,
// then the console's options. A layer gives some of the settings; what it leaves out is taken
// from the layers under it. Within a layer the grade comes first and brings its own mβ and
// triangle limit and its method (adjustment_method.h); an mβ or a method the same layer gives
// replaces the grade's. So a grade given by a higher layer replaces an mβ or a method given by a
// lower one.
#pragma once

#include <optional>
#include <string>

#include "quality/survey_grade.h"

namespace chainadj {

struct QualitySettingsLayer {
  std::optional<SurveyGrade> grade;        // a preset, chosen by its name
  std::optional<double> angleMeanError;    // mβ, seconds
  std::optional<double> azimuthMeanError;  // mα of a known azimuth, seconds
  std::optional<double> baseMeanError;     // of a known base, millimetres
  std::optional<double> weakestSide;       // T of the limit 1/T of the weakest side
  std::optional<AdjustmentMethod> method;  // 严密平差 or 条件分组平差
};

// `base` with what `layer` gives.
QualitySettings overlaid(QualitySettings base, const QualitySettingsLayer& layer);

// The names of the presets as a list for a message: "二等、三等、四等、一级、二级".
std::string gradeNameList();

// The largest mean errors and limit the settings take: a value above them is a typing error.
inline constexpr double kLargestAngleSeconds = 600.0;       // mβ, mα and a triangle limit
inline constexpr double kLargestBaseMillimetres = 10000.0;  // the mean error of a base
// The limit 1/T of the weakest side: T from 1 to this.
inline constexpr double kLargestWeakestSide = 10000000.0;

// Whether a typed value is a sound mβ or triangle limit (above 0), or a sound mean error of the
// known data (0 or more); never for a value that is not finite or above the largest.
bool isAngleMeanError(double seconds);
bool isKnownAngleError(double seconds);
bool isKnownBaseError(double millimetres);
bool isWeakestSideLimit(double denominator);

// The T of a limit 1/T typed as "40000" or "1/40000"; nullopt when it is neither or out of range.
std::optional<double> parseWeakestSideLimit(const std::string& typed);

}  // namespace chainadj
