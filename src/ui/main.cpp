// chainadj: the chain adjustment in its window.
#include <QApplication>

#include "ui/main_form.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Matches the window to its desktop entry (menu name and icon), also under Wayland.
  QGuiApplication::setDesktopFileName("chainadj");
  chainadj::ui::MainWindow window;
  QObject::connect(&window.form(), &chainadj::ui::MainForm::programEnded, &app,
                   &QCoreApplication::quit, Qt::QueuedConnection);
  window.fitToScreen();
  window.show();
  return app.exec();
}
