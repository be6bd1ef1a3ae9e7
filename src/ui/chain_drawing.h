// The drawing of the adjusted chain to scale, on a report page: every triangle, the new points
// and their names (while there are few enough to be read, each placed where it is clear of the
// lines and the ellipses), the known points marked with the triangulation point's triangle, the
// sight lines to the orientation points, the error ellipse of every new point magnified by a
// round factor, a north arrow and a scale bar of a round length, all inside a frame. A long chain
// is drawn whole on an overview with the outlines and numbers of its sheets, and sheet by sheet
// along the chain at a scale where its names and ellipses can be read (report/chain_figure.h).
#pragma once

#include <QPointF>
#include <QRectF>
#include <vector>

#include "report/chain_figure.h"
#include "report/run_report.h"

class QPainter;

namespace chainadj::ui {

struct ChainDrawingScale {
  double denominator = 0;           // the chain at 1:denominator
  double ellipseMagnification = 0;  // the error ellipses magnified this many times; 0: none drawn
};

// Chain coordinates (X north, Y east, metres) to a drawing: the middle of `extent` at the middle
// of `area`, north up, `unitsPerMetre` device units to the metre of the chain.
class ChainToPage {
 public:
  ChainToPage(const FigureExtent& extent, const QRectF& area, double unitsPerMetre)
      : centreX_(extent.centreX()), centreY_(extent.centreY()), page_(area.center()),
        unitsPerMetre_(unitsPerMetre) {}

  QPointF operator()(double x, double y) const {
    return {page_.x() + (y - centreY_) * unitsPerMetre_, page_.y() - (x - centreX_) * unitsPerMetre_};
  }
  double unitsPerMetre() const { return unitsPerMetre_; }

 private:
  double centreX_, centreY_;
  QPointF page_;
  double unitsPerMetre_;
};

// Where drawChain puts the whole chain on `frame`: at the round scale 1:denominator at which it
// fits inside the frame's margin, in the middle.
struct WholeChainPlacement {
  double denominator = 0;
  ChainToPage toPage;
};
WholeChainPlacement placeWholeChain(const QRectF& frame, double unitsPerMm, const RunReport& report);

// Draws the whole chain into `frame` (device units) on a painter whose device has `unitsPerMm`
// units to the millimetre; returns the scales it drew at. With `sheets`, the chain is too long
// to be read whole: the overview draws the outlines and numbers of the sheets instead of names
// and ellipses.
ChainDrawingScale drawChain(QPainter& painter, const QRectF& frame, double unitsPerMm,
                            const RunReport& report, const std::vector<ChainSheet>& sheets = {});

// Draws one sheet of a long chain: its points and triangles at its scale, clipped to the frame,
// the ellipses magnified `magnification` times (all sheets are at one scale and share it).
ChainDrawingScale drawChainSheet(QPainter& painter, const QRectF& frame, double unitsPerMm,
                                 const RunReport& report, const ChainSheet& sheet,
                                 double magnification);

// The inner margin between a drawing's frame and the chain, millimetres.
inline constexpr double kDrawingInnerMarginMm = 12.0;

}  // namespace chainadj::ui
