// MainForm, the program's one window: the sketches of the upper band, the framed table of input
// echoes and results, and the two buttons 计 算 (one run of the adjustment) and 结 束 (end of the
// program). It is built from the control tables of form_table.h and reaches the core through
// its WindowPlatform and the run driver. It is drawn at full size where the screen has room for
// it, else uniformly smaller (form_scale.h).
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>
#include <map>
#include <optional>

#include "entry/run_driver.h"
#include "ui/window_platform.h"

class QPushButton;

namespace chainadj::ui {

class CaptionLabel;
class TextBox;

class MainForm : public QWidget {
  Q_OBJECT

 public:
  explicit MainForm(QWidget* parent = nullptr);

  // The controls by number; nullptr for a number the form does not have.
  TextBox* box(int number) const;
  CaptionLabel* label(int number) const;
  CaptionLabel* label12(int element) const;

  WindowPlatform& platform() { return platform_; }
  const RunDriver& driver() const { return driver_; }
  bool runInProgress() const { return running_; }
  std::optional<RunOutcome> lastOutcome() const { return lastOutcome_; }

  // The form's scale: 1 at full size.
  double scale() const { return scale_; }
  void setScale(double scale);
  // Chooses the scale for an available screen area (the window's frame included) and for the
  // screen the window is on; the second follows the window to another screen.
  void fitTo(const QRect& available);
  void fitToScreen();

  // Where the run's writing shows, in screen coordinates: every text box and every label whose
  // caption a run rewrites. The input box keeps clear of it.
  QList<QRect> writtenAreas() const;
  // What the window manager adds around the form (nothing before the window is shown).
  QSize frameExtent() const;

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
  void showEvent(QShowEvent* event) override;

 private:
  void buildLines();
  void buildBoxes();
  void buildLabels();
  void buildButtons();
  CaptionLabel* labelNamed(const QString& name) const;
  void runOnce();

  std::map<int, TextBox*> boxes_;
  std::map<QString, CaptionLabel*> labels_;
  WindowPlatform platform_;
  RunDriver driver_;
  bool running_ = false;
  std::optional<RunOutcome> lastOutcome_;
  double scale_ = 1.0;
  bool followsScreen_ = false;
};

}  // namespace chainadj::ui
