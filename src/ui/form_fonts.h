// The faces of the form: section headings and the title in a CJK serif face, everything else
// (sketch letters, labels beside boxes, boxes, buttons, the input box) in a sans-serif face.
// Each face names a list of families, so that a machine without the first one still finds a
// face with Chinese glyphs. Sizes are in pixels at the form's full size; `scale` is the form's
// scale (1 = full size), so that text keeps its proportion to the boxes.
#pragma once

#include <QFont>

#include "ui/form_table.h"

namespace chainadj::ui {

QFont serifFont(int pixelSize, bool bold = false);
QFont sansFont(int pixelSize);

QFont labelFont(Style style, double scale = 1.0);
QFont boxFont(double scale = 1.0);
QFont buttonFont(double scale = 1.0);
QFont dialogFont(double scale = 1.0);

// The font at another pixel size, never below one pixel.
QFont resized(const QFont& font, int pixelSize);

}  // namespace chainadj::ui
