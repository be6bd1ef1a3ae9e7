#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace chainadj::ui {

bool installQtTranslations(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  if (!translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace chainadj::ui
