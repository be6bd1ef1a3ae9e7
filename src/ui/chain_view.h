// The chain drawn in the window (网图): the adjusted chain of a run's report, or the sketch of the
// editor's chain before it is adjusted, drawn as the PDF draws it (chain_drawing.h) on a sheet
// shaped like the chain. The wheel zooms about the cursor, a drag pans, 适合窗口 (Ctrl+0) fits
// the whole sheet into the window, and a click on a point tells its values. A chain that cannot
// be drawn shows a note in its place.
#pragma once

#include <QGraphicsView>
#include <QString>
#include <optional>
#include <vector>

#include "report/run_report.h"

class QAction;
class QGraphicsScene;

namespace chainadj::ui {

class ChainView : public QGraphicsView {
  Q_OBJECT

 public:
  explicit ChainView(QWidget* parent = nullptr);

  // The adjusted chain of a run from `title` (the data file's name).
  void showResults(RunReport report, const QString& title);
  // The chain of the editor before it is adjusted.
  void showSketch(RunReport report);
  // No drawing: the note says why.
  void showNote(const QString& note);

  // What the view shows: "平差成果：<title>" with the magnification of the ellipses, or
  // "概略网图（未平差）"; "" with a note.
  const QString& caption() const { return caption_; }
  // The note shown instead of a drawing, "" while a chain is drawn.
  const QString& note() const { return note_; }
  // The chain drawn, nullopt with a note.
  const std::optional<RunReport>& report() const { return report_; }
  // The round scale 1:N of the sheet and the magnification of its ellipses (0: none).
  double denominator() const { return denominator_; }
  double ellipseMagnification() const { return magnification_; }

  // Where chain point j (0..n+1) is drawn, in scene coordinates.
  QPointF scenePosition(int j) const;
  // The whole sheet, in scene coordinates.
  QRectF sheetRect() const;
  // The chain point drawn at `viewportPosition` (within a few pixels), or -1.
  int pointAt(const QPoint& viewportPosition) const;
  // The values of point j as a line: its name, X and Y in metres, and its mean errors and
  // ellipse in millimetres where the report has them.
  QString pointValues(int j) const;

  QAction* fitAction() const { return fit_; }

 public slots:
  // The whole sheet in the window.
  void fitToWindow();

 signals:
  // A point was clicked: its values (pointValues), or "" for a click beside every point.
  void pointPicked(const QString& values);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void draw(RunReport report);
  void zoomBy(double factor);

  QGraphicsScene* scene_;
  QAction* fit_;
  std::optional<RunReport> report_;
  std::vector<QPointF> points_;  // in scene coordinates, point j at index j
  QRectF sheet_;
  double denominator_ = 0;
  double magnification_ = 0;
  QString caption_;
  QString note_;
  QPoint pressedAt_;
  bool fitted_ = true;  // the sheet follows the window's size until the user zooms
};

}  // namespace chainadj::ui
