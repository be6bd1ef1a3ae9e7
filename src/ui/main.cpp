// chainadj: the chain adjustment in its window.
#include <QApplication>

#include "ui/main_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Matches the window to its desktop entry (menu name and icon), also under Wayland.
  QGuiApplication::setDesktopFileName("chainadj");
  chainadj::ui::MainForm form;
  QObject::connect(&form, &chainadj::ui::MainForm::programEnded, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  form.fitToScreen();
  form.show();
  return app.exec();
}
