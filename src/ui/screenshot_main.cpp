// chainadj-screenshot PATH.png: shows the window, lets the demonstration chain fill it through
// one run of 计 算, and writes a picture of the window. Used by scripts/screenshot only.
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "ui/demo_chain.h"
#include "ui/main_form.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() != 2) {
    std::fprintf(stderr, "usage: chainadj-screenshot PATH.png\n");
    return 2;
  }
  const QString path = arguments.at(1);

  chainadj::ui::MainWindow window;
  chainadj::ui::MainForm& form = window.form();
  form.platform().setInputBox(chainadj::ui::demoChainAnswers());
  form.platform().setMessageBox([](const QString& message) {
    std::fprintf(stderr, "message: %s\n", message.toUtf8().constData());
  });
  window.fitToScreen();
  window.show();

  int status = 1;
  QTimer::singleShot(200, [&] {
    form.Command1_Click();
    if (window.grab().save(path, "PNG")) status = 0;
    app.quit();
  });
  app.exec();
  if (status != 0) std::fprintf(stderr, "could not write %s\n", path.toUtf8().constData());
  return status;
}
