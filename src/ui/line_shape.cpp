#include "ui/line_shape.h"

#include <QPainter>

namespace chainadj::ui {
namespace {

// The pen's width on each side of the line, in pixels.
constexpr int kMargin = 1;

}  // namespace

LineShape::LineShape(TwipsPoint from, TwipsPoint to, QWidget* parent)
    : QWidget(parent), from_(from), to_(to) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setScale(1.0);
}

void LineShape::setScale(double scale) {
  scale_ = scale;
  const QRect bounds =
      QRect(pixelsFromTwips(from_, scale), pixelsFromTwips(to_, scale)).normalized();
  setGeometry(bounds.adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

void LineShape::paintEvent(QPaintEvent*) {
  const QPointF origin = geometry().topLeft();
  // Pixel centres, so that a horizontal or vertical line covers exactly one row or column.
  const QPointF half(0.5, 0.5);
  const QPointF a = QPointF(pixelsFromTwips(from_, scale_)) - origin + half;
  const QPointF b = QPointF(pixelsFromTwips(to_, scale_)) - origin + half;

  QPainter painter(this);
  const bool slanted = a.x() != b.x() && a.y() != b.y();
  painter.setRenderHint(QPainter::Antialiasing, slanted);
  QPen pen(palette().color(QPalette::WindowText));
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.drawLine(a, b);
}

}  // namespace chainadj::ui
