// MainForm, the program's form: the sketches of the upper band, the framed table of input
// echoes and results, and the two buttons 计 算 (one run of the adjustment) and 结 束 (end of the
// program). It is built from the control tables of form_table.h and reaches the core through
// its WindowPlatform and the run driver. It is drawn at full size where the screen has room for
// it, else uniformly smaller (form_scale.h). The program shows it in its MainWindow, under the
// menu bar; on its own it is a window too.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "entry/chain_data.h"
#include "entry/chain_data_answers.h"
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
  // Every answer the runs accept goes to `listener` too (nullptr: none).
  void setAnswerListener(AnswerListener* listener) { driver_.setAnswerListener(listener); }
  // Asked before 计 算 starts a typed run and before 结 束 ends the program: false keeps things
  // as they are (the user would lose unsaved data and cancelled).
  void setTypedRunGate(std::function<bool()> gate) { typedRunGate_ = std::move(gate); }
  // The Gauss–Krüger plane a typed run reduces onto (nullopt: none); a chain run from its data
  // reduces onto the plane its settings lines give.
  void setTypedRunPlane(std::optional<ReductionSettings> plane) { typedRunPlane_ = std::move(plane); }
  void setEndGate(std::function<bool()> gate) { endGate_ = std::move(gate); }
  bool runInProgress() const { return running_; }
  // The run going on has solved (its listing begins): the form says so with resultsReady.
  void announceResults();
  // Draws these boxes' values in red as over their limits, the others as usual.
  void markOverLimit(const std::vector<int>& boxes);
  std::optional<RunOutcome> lastOutcome() const { return lastOutcome_; }
  // The lines grade and m_beta of the data file that answered the last run: they set the
  // quality check of that run's report, and saving its data keeps them; empty after a typed run.
  const ChainData& reservedLinesOfLastFile() const { return reservedLines_; }
  // The same of the run whose results are there (RunDriver::solvedRun), and whether it was typed
  // (计 算) rather than answered by a chain's data.
  const ChainData& reservedLinesOfSolvedRun() const { return solvedReservedLines_; }
  bool solvedRunTyped() const { return solvedRunTyped_; }

  // The form's scale: 1 at full size.
  double scale() const { return scale_; }
  void setScale(double scale);
  // Chooses the scale for an available screen area (the window's frame included) and for the
  // screen the window is on; the second follows the window to another screen.
  void fitTo(const QRect& available);
  void fitToScreen();
  // What the window holds besides the form (its menu bar), taken into account when fitting.
  void setWindowExtras(const QSize& extras) { windowExtras_ = extras; }

  // Where the run's writing shows, in screen coordinates: every text box and every label whose
  // caption a run rewrites. The input box keeps clear of it.
  QList<QRect> writtenAreas() const;
  // What the window manager adds around the form's window (nothing before it is shown).
  QSize frameExtent() const;

 public slots:
  // 计 算: one run, from the triangle count to the end of the adjustment. While a run waits in
  // an input box, pressing it again starts nothing.
  void Command1_Click();
  // 结 束: ends the program.
  void Command2_Click();
  // One run answered from a chain data file, exactly as typing the same answers. With
  // ListingAnswers::LeftToUser what the file does not answer (the coordinate listing) is asked in
  // the input box; with Answered (a run of the data editor) no input box is shown at all and the
  // listing runs through. Nothing starts while a run waits for an answer.
  void runChainData(const ChainData& data, ListingAnswers listing = ListingAnswers::LeftToUser);

 signals:
  // A run begins; it has ended (however it ended).
  void runStarted();
  void runFinished();
  // The form was drawn at another scale.
  void scaleChanged();
  // The results of the run going on are there, while its listing waits (RunDriver::solvedRun).
  void resultsReady();
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
  void finishRun();
  // What an earlier run wrote goes before a run begins: every box empty and drawn as usual,
  // every caption the run rewrites as the form has it.
  void clearRunWriting();

  std::map<int, TextBox*> boxes_;
  std::map<QString, CaptionLabel*> labels_;
  WindowPlatform platform_;
  RunDriver driver_;
  bool running_ = false;
  std::optional<RunOutcome> lastOutcome_;
  double scale_ = 1.0;
  QSize windowExtras_{0, 0};
  bool followsScreen_ = false;
  ChainData reservedLines_;
  bool typedRun_ = false;
  ChainData solvedReservedLines_;
  bool solvedRunTyped_ = false;
  std::function<bool()> typedRunGate_;
  std::optional<ReductionSettings> typedRunPlane_;
  std::function<bool()> endGate_;
};

}  // namespace chainadj::ui
