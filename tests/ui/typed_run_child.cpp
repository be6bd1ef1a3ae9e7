// typed_run_child TYPED.in PROMPTS: the window, typing the lines of TYPED.in (its first line, the
// "1" that presses 计 算, left out) into the input boxes of one run until PROMPTS prompts were
// answered; at the next prompt it writes "waiting" on stdout and waits there until it is killed.
// The recovery test kills it with SIGKILL and restores what it had typed.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <thread>

#include "transcript_replay.h"
#include "ui/main_form.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName("chainadj");
  if (argc != 3) return 2;
  std::vector<std::string> typed = chainadj::ui::readLines(argv[1]);
  typed.erase(typed.begin());
  const std::size_t answered = std::stoul(argv[2]);
  chainadj::ui::MainWindow window;
  std::size_t next = 0;
  window.form().platform().setInputBox([&](const QString&) -> chainadj::ui::InputBoxAnswer {
    if (next == answered) {
      std::printf("waiting\n");
      std::fflush(stdout);
      for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    return QString::fromStdString(typed.at(next++));
  });
  QTimer::singleShot(0, [&window] { window.form().Command1_Click(); });
  return app.exec();
}
