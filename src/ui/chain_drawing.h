// The drawing of the adjusted chain to scale, on a report page: every triangle, the new points
// and their names (while there are few enough to be read), the known points marked with the
// triangulation point's triangle, the sight lines to the orientation points, the error ellipse of
// every new point magnified by a round factor, a north arrow and a scale bar of a round length,
// all inside a frame; the round scale 1:N and the magnification are written under it.
#pragma once

#include <QRectF>

#include "report/run_report.h"

class QPainter;

namespace chainadj::ui {

struct ChainDrawingScale {
  double denominator = 0;           // the chain at 1:denominator
  double ellipseMagnification = 0;  // the error ellipses magnified this many times; 0: none drawn
};

// Draws into `frame` (device units) on a painter whose device has `unitsPerMm` units to the
// millimetre; returns the scales it drew at.
ChainDrawingScale drawChain(QPainter& painter, const QRectF& frame, double unitsPerMm,
                            const RunReport& report);

}  // namespace chainadj::ui
