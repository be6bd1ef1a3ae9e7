#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace chainadj::ui {

QTranslator* installQtTranslations(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  if (!translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace chainadj::ui
