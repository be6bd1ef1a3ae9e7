// The scale of the form on a screen. The form is drawn at full size (15 twips to the logical
// pixel) when its window fits the screen's available area; on a smaller area every control,
// line and face shrinks by one common factor so that the whole window, frame included, fits.
// The form never grows beyond its full size.
#pragma once

#include <QSize>

namespace chainadj::ui {

// `frame` is what the window manager adds around the form (title bar and borders).
double formScaleFor(const QSize& fullSize, const QSize& frame, const QSize& available);

}  // namespace chainadj::ui
