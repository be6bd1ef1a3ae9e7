// The dock 网图 of the main window, tabbed with the data editor, and 查看 → 网图 that shows and
// hides it. It shows the adjusted chain of a run once its results are there; while the editor's
// chain is edited it shows the sketch of that chain before it is adjusted (report/chain_sketch.h),
// drawn a moment after the last edit, until the next results. A line above the drawing says what
// it shows, with 适合窗口 beside it, and a line below gives the values of the point clicked.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QDockWidget;
class QLabel;
class QTimer;

namespace chainadj::ui {

class ChainView;
class MainWindow;

class ChainViewDock : public QObject {
  Q_OBJECT

 public:
  // The sketch is drawn this long after the last edit, milliseconds.
  static constexpr int kSketchDelayMs = 300;

  explicit ChainViewDock(MainWindow& window);

  QDockWidget& dock() { return *dock_; }
  ChainView& view() { return *view_; }
  // 查看 → 网图.
  QAction* toggleAction() const;
  // The line above the drawing and the values of the point clicked.
  QString captionText() const;
  QString valuesText() const;
  // Draws the sketch waiting for its delay at once (none waits: nothing happens).
  void sketchNow();
  bool sketchPending() const;

 private:
  enum class Shown { Results, Sketch };

  void buildDock();
  void takeResults();
  void chainEdited();
  // Draws what is to be shown, while the dock is open.
  void refresh();
  void drawResults();
  void drawSketch();

  MainWindow& window_;
  QDockWidget* dock_;
  ChainView* view_;
  QLabel* caption_;
  QLabel* values_;
  QTimer* delay_;
  Shown shown_ = Shown::Sketch;
  bool stale_ = true;  // what is drawn is not what is to be shown
};

}  // namespace chainadj::ui
