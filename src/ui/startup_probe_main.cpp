// chainadj-startup-probe: starts the window as the program does and quits at its first painted
// frame, writing the milliseconds from the start of main to that frame. Used by scripts/bench.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <cstdio>

#include "ui/main_window.h"

namespace {

// Quits at the first paint event of the watched window.
class FirstFrame : public QObject {
 public:
  explicit FirstFrame(const QElapsedTimer& clock) : clock_(clock) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      std::printf("first frame after %lld ms\n", static_cast<long long>(clock_.elapsed()));
      QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const QElapsedTimer& clock_;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  chainadj::ui::MainWindow window;
  FirstFrame firstFrame(clock);
  window.installEventFilter(&firstFrame);
  window.fitToScreen();
  window.show();
  return app.exec();
}
