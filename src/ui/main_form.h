// MainForm, the program's one window: the sketches of the upper band, the framed table of input
// echoes and results, and the two buttons 计 算 (one run of the adjustment) and 结 束 (end of the
// program). It is built from the control tables of form_table.h and reaches the core through
// its WindowPlatform and the run driver.
#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <optional>

#include "entry/run_driver.h"
#include "ui/window_platform.h"

class QLineEdit;
class QPushButton;

namespace chainadj::ui {

class CaptionLabel;

class MainForm : public QWidget {
  Q_OBJECT

 public:
  explicit MainForm(QWidget* parent = nullptr);

  // The controls by number; nullptr for a number the form does not have.
  QLineEdit* box(int number) const;
  CaptionLabel* label(int number) const;
  CaptionLabel* label12(int element) const;

  WindowPlatform& platform() { return platform_; }
  const RunDriver& driver() const { return driver_; }
  bool runInProgress() const { return running_; }
  std::optional<RunOutcome> lastOutcome() const { return lastOutcome_; }

 public slots:
  // 计 算: one run, from the triangle count to the end of the adjustment. While a run waits in
  // an input box, pressing it again starts nothing.
  void Command1_Click();
  // 结 束: ends the program.
  void Command2_Click();

 signals:
  // The window is gone and no run is left: the program may end.
  void programEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLines();
  void buildBoxes();
  void buildLabels();
  void buildButtons();
  CaptionLabel* labelNamed(const QString& name) const;
  void runOnce();

  std::map<int, QLineEdit*> boxes_;
  std::map<QString, CaptionLabel*> labels_;
  WindowPlatform platform_;
  RunDriver driver_;
  bool running_ = false;
  std::optional<RunOutcome> lastOutcome_;
};

}  // namespace chainadj::ui
