#include "ui/input_box_place.h"

#include <algorithm>
#include <limits>

namespace chainadj::ui {
namespace {

// Space between the box and the form or the controls it keeps clear of, in pixels.
constexpr int kGap = 6;

qint64 hiddenArea(const QRect& box, const QList<QRect>& keepClear) {
  qint64 area = 0;
  for (const QRect& control : keepClear) {
    const QRect hidden = box.intersected(control);
    if (!hidden.isEmpty()) area += static_cast<qint64>(hidden.width()) * hidden.height();
  }
  return area;
}

// Moved into the screen as far as it goes (a box larger than the screen keeps its top left
// corner on it).
QRect movedInto(QRect box, const QRect& screen) {
  box.moveRight(std::min(box.right(), screen.right()));
  box.moveLeft(std::max(box.left(), screen.left()));
  box.moveBottom(std::min(box.bottom(), screen.bottom()));
  box.moveTop(std::max(box.top(), screen.top()));
  return box;
}

// Over the sketches at the given left edge: at the top of the form's inside, or higher where
// the box would reach down to a control under it that it keeps clear of.
QRect overTheSketches(const QSize& size, int left, const QRect& formInside,
                      const QList<QRect>& keepClear, const QRect& screen) {
  QRect box = movedInto(QRect(QPoint(left, formInside.top()), size), screen);
  int clearTop = formInside.bottom();
  for (const QRect& control : keepClear) {
    if (control.left() <= box.right() && control.right() >= box.left()) {
      clearTop = std::min(clearTop, control.top());
    }
  }
  box.moveTop(std::min(formInside.top(), clearTop - kGap - size.height()));
  return movedInto(box, screen);
}

}  // namespace

QPoint inputBoxPosition(const QSize& boxFrame, const QRect& formFrame, const QRect& formInside,
                        const QList<QRect>& keepClear, const QRect& screen) {
  const int width = boxFrame.width();
  // Beside and below the form only where the screen holds the whole box.
  const QList<QRect> outside = {
      QRect(QPoint(formFrame.right() + 1 + kGap, formFrame.top()), boxFrame),
      QRect(QPoint(formFrame.left() - kGap - width, formFrame.top()), boxFrame),
  };
  const QList<QRect> over = {
      overTheSketches(boxFrame, formFrame.right() + 1 - width, formInside, keepClear, screen),
      overTheSketches(boxFrame, formFrame.center().x() - width / 2, formInside, keepClear, screen),
      overTheSketches(boxFrame, formFrame.left(), formInside, keepClear, screen),
  };
  const QRect below(QPoint(formFrame.center().x() - width / 2, formFrame.bottom() + 1 + kGap),
                    boxFrame);

  QList<QRect> candidates;
  for (const QRect& box : outside) {
    if (screen.contains(box)) candidates << box;
  }
  candidates << over;
  if (screen.contains(below)) candidates << below;

  QRect best = candidates.front();
  qint64 leastHidden = std::numeric_limits<qint64>::max();
  for (const QRect& box : candidates) {
    const qint64 hidden = hiddenArea(box, keepClear);
    if (hidden < leastHidden) {
      best = box;
      leastHidden = hidden;
    }
    if (hidden == 0) break;
  }
  return best.topLeft();
}

}  // namespace chainadj::ui
