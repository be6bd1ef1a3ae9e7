// Where the input box goes on the screen. It must leave in sight every text box and every
// caption that a run writes: the echo it asks to confirm, the closures, the listing. It goes
// beside the form where the screen has room, else over the sketches above the form's table
// (below the form's title bar when there is room for it there), else below the form; when no
// place is clear, where it hides the least. Rectangles are screen coordinates: the box's size
// and the form's with their frames, the form's inside without. The place depends only on these
// sizes and places, so a box of the same size lands in the same place at every prompt of a run.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace chainadj::ui {

// The top left corner of the box's frame.
QPoint inputBoxPosition(const QSize& boxFrame, const QRect& formFrame, const QRect& formInside,
                        const QList<QRect>& keepClear, const QRect& screen);

}  // namespace chainadj::ui
