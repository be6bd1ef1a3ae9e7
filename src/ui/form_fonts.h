// The faces of the form: section headings and the title in a CJK serif face, everything else
// (sketch letters, labels beside boxes, boxes, buttons, the input box) in a sans-serif face.
// Each face names a list of families, so that a machine without the first one still finds a
// face with Chinese glyphs. Sizes are in pixels, so they scale with the twips geometry.
#pragma once

#include <QFont>

#include "ui/form_table.h"

namespace chainadj::ui {

QFont serifFont(int pixelSize, bool bold = false);
QFont sansFont(int pixelSize);

QFont labelFont(Style style);
QFont boxFont();
QFont buttonFont();
QFont dialogFont();

}  // namespace chainadj::ui
