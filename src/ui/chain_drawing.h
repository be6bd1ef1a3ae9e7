// The drawing of the adjusted chain to scale, on a report page: every triangle, the new points
// and their names (while there are few enough to be read), the known points marked with the
// triangulation point's triangle, the sight lines to the orientation points, a north arrow and a
// scale bar of a round length, all inside a frame; the round scale 1:N is written under it.
#pragma once

#include <QRectF>

#include "report/run_report.h"

class QPainter;

namespace chainadj::ui {

// Draws into `frame` (device units) on a painter whose device has `unitsPerMm` units to the
// millimetre; returns the denominator N of the scale it drew at.
double drawChain(QPainter& painter, const QRectF& frame, double unitsPerMm, const RunReport& report);

}  // namespace chainadj::ui
