// Positions on the form are kept in twips, 1440 to the inch, as surveyors' forms have always
// been drawn. At 96 dots per inch and the form's full size a logical pixel is 15 twips; Qt
// scales logical pixels by the screen's device pixel ratio, so the form stays crisp on any
// screen. A screen too small for the full size shows the whole form at a smaller scale.
#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

namespace chainadj::ui {

inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct TwipsPoint {
  int x;
  int y;
};

// The nearest pixel at the given scale (1 = full size); every position on the form is positive.
inline int pixelsFromTwips(int twips, double scale = 1.0) {
  return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

// Edges are rounded, not sizes, so that neighbours that touch in twips touch in pixels.
inline QRect pixelsFromTwips(const TwipsRect& r, double scale = 1.0) {
  const int left = pixelsFromTwips(r.left, scale);
  const int top = pixelsFromTwips(r.top, scale);
  return QRect(left, top, pixelsFromTwips(r.left + r.width, scale) - left,
               pixelsFromTwips(r.top + r.height, scale) - top);
}

inline QPoint pixelsFromTwips(const TwipsPoint& p, double scale = 1.0) {
  return QPoint(pixelsFromTwips(p.x, scale), pixelsFromTwips(p.y, scale));
}

}  // namespace chainadj::ui
