// A straight line of the form, from one point to another (in twips). The widget covers the
// line's bounding box and lets mouse clicks through to what lies below.
#pragma once

#include <QWidget>

#include "ui/twips.h"

namespace chainadj::ui {

class LineShape : public QWidget {
  Q_OBJECT

 public:
  LineShape(TwipsPoint from, TwipsPoint to, QWidget* parent);

  // The form's scale (1 = full size).
  void setScale(double scale);

  TwipsPoint from() const { return from_; }
  TwipsPoint to() const { return to_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TwipsPoint from_;
  TwipsPoint to_;
  double scale_ = 1.0;
};

}  // namespace chainadj::ui
