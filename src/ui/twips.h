// Positions on the form are kept in twips, 1440 to the inch, as surveyors' forms have always
// been drawn. At 96 dots per inch a logical pixel is 15 twips; Qt scales logical pixels by the
// screen's device pixel ratio, so the form stays crisp and keeps its proportions on any screen.
#pragma once

#include <QPoint>
#include <QRect>

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

inline constexpr int pixelsFromTwips(int twips) {
  // Round to the nearest pixel; every position on the form is positive.
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect pixelsFromTwips(const TwipsRect& r) {
  const int left = pixelsFromTwips(r.left);
  const int top = pixelsFromTwips(r.top);
  return QRect(left, top, pixelsFromTwips(r.left + r.width) - left,
               pixelsFromTwips(r.top + r.height) - top);
}

inline QPoint pixelsFromTwips(const TwipsPoint& p) {
  return QPoint(pixelsFromTwips(p.x), pixelsFromTwips(p.y));
}

}  // namespace chainadj::ui
