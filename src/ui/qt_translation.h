// Qt's own texts in Chinese: the buttons, file, print and message dialogs read 取消, 打开, 保存 …
// with the translations of Debian's Qt (qt6-translations-l10n, qtbase_zh_CN).
#pragma once

class QCoreApplication;
class QTranslator;

namespace chainadj::ui {

// Loads Qt's Chinese translations into `application`, which owns the translator returned;
// nullptr when they are not installed (Qt's texts then stay English).
QTranslator* installQtTranslations(QCoreApplication& application);

}  // namespace chainadj::ui
