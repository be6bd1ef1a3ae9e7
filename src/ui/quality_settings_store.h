// The settings of the quality check kept from one session to the next, in the user's settings of
// the program: an INI file (~/.config/chainadj/chainadj.ini on Linux). A value that is missing
// or not sound there (an edited file) is the grade's or the default's.
#pragma once

#include <QSettings>
#include <memory>

#include "quality/survey_grade.h"

namespace chainadj::ui {

// The program's store of the user's settings. QSettings::setPath(QSettings::IniFormat,
// QSettings::UserScope, folder) puts it into another folder (the tests use their own).
std::unique_ptr<QSettings> userSettingsStore();

QualitySettings loadQualitySettings(const QSettings& store);
void saveQualitySettings(QSettings& store, const QualitySettings& settings);

}  // namespace chainadj::ui
