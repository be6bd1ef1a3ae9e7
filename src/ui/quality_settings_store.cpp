#include "ui/quality_settings_store.h"

#include "quality/adjustment_method.h"
#include "quality/settings_layer.h"

namespace chainadj::ui {
namespace {

constexpr const char* kOrganisation = "chainadj";
constexpr const char* kApplication = "chainadj";

constexpr const char* kGradeKey = "quality/grade";
constexpr const char* kAngleMeanErrorKey = "quality/angleMeanError";
constexpr const char* kTriangleLimitKey = "quality/triangleLimit";
constexpr const char* kWeakestSideKey = "quality/weakestSide";
constexpr const char* kAzimuthMeanErrorKey = "quality/azimuthMeanError";
constexpr const char* kBaseMeanErrorKey = "quality/baseMeanError";
// "rigorous" or "classical" where the method is set; none where it is the grade's.
constexpr const char* kMethodKey = "quality/method";

// The number kept under `key` when it is there and `sound` takes it.
void loadNumber(const QSettings& store, const char* key, bool (*sound)(double), double& target) {
  bool isNumber = false;
  const double value = store.value(key).toDouble(&isNumber);
  if (isNumber && sound(value)) target = value;
}

}  // namespace

std::unique_ptr<QSettings> userSettingsStore() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganisation,
                                     kApplication);
}

QualitySettings loadQualitySettings(const QSettings& store) {
  QualitySettings settings;
  if (const auto preset = gradePreset(store.value(kGradeKey).toString().toStdString())) {
    settings.grade = *preset;
  }
  loadNumber(store, kAngleMeanErrorKey, isAngleMeanError, settings.grade.angleMeanError);
  loadNumber(store, kTriangleLimitKey, isAngleMeanError, settings.grade.triangleLimit);
  loadNumber(store, kWeakestSideKey, isWeakestSideLimit, settings.grade.weakestSide);
  loadNumber(store, kAzimuthMeanErrorKey, isKnownAngleError, settings.azimuthMeanError);
  loadNumber(store, kBaseMeanErrorKey, isKnownBaseError, settings.baseMeanError);
  settings.method = parseAdjustmentMethod(store.value(kMethodKey).toString().toStdString());
  return settings;
}

void saveQualitySettings(QSettings& store, const QualitySettings& settings) {
  store.setValue(kGradeKey, QString::fromStdString(settings.grade.name));
  store.setValue(kAngleMeanErrorKey, settings.grade.angleMeanError);
  store.setValue(kTriangleLimitKey, settings.grade.triangleLimit);
  store.setValue(kWeakestSideKey, settings.grade.weakestSide);
  store.setValue(kAzimuthMeanErrorKey, settings.azimuthMeanError);
  store.setValue(kBaseMeanErrorKey, settings.baseMeanError);
  if (settings.method) {
    store.setValue(kMethodKey, QString::fromUtf8(methodKeyword(*settings.method)));
  } else {
    store.remove(kMethodKey);
  }
  store.sync();
}

}  // namespace chainadj::ui
