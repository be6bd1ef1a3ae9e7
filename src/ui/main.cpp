// chainadj [FILE.chain]: the chain adjustment in its window. A chain that a window left unsaved
// when it ended without a clean end is offered first; a data file given is then opened and run.
#include <QApplication>
#include <QTimer>

#include "ui/main_form.h"
#include "ui/main_window.h"
#include "ui/qt_translation.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Its data folder (the recovery files) is named after it, whatever the file it runs from.
  QCoreApplication::setApplicationName("chainadj");
  // Matches the window to its desktop entry (menu name and icon), also under Wayland.
  QGuiApplication::setDesktopFileName("chainadj");
  chainadj::ui::installQtTranslations(app);
  chainadj::ui::MainWindow window;
  QObject::connect(&window.form(), &chainadj::ui::MainForm::programEnded, &app,
                   &QCoreApplication::quit, Qt::QueuedConnection);
  window.fitToScreen();
  window.show();
  const QStringList arguments = QApplication::arguments();
  QTimer::singleShot(0, &window, [&window, arguments] {
    window.offerRecovery();
    if (arguments.size() > 1) window.openFile(arguments.at(1));
  });
  return app.exec();
}
