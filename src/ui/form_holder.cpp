#include "ui/form_holder.h"

#include <QResizeEvent>
#include <cmath>

#include "ui/form_scale.h"
#include "ui/form_table.h"
#include "ui/main_form.h"
#include "ui/twips.h"

namespace chainadj::ui {

namespace {

QSize fullFormSize() { return QSize(pixelsFromTwips(kFormWidthTwips), pixelsFromTwips(kFormHeightTwips)); }

}  // namespace

FormHolder::FormHolder(MainForm& form, QWidget* parent)
    : QWidget(parent), form_(form), preferred_(form.scale()) {
  setObjectName("FormHolder");
  form_.setParent(this);
  form_.move(0, 0);
  connect(&form_, &MainForm::scaleChanged, this, &FormHolder::followForm);
}

QSize FormHolder::sizeHint() const {
  return QSize(pixelsFromTwips(kFormWidthTwips, preferred_), pixelsFromTwips(kFormHeightTwips, preferred_));
}

QSize FormHolder::minimumSizeHint() const {
  return QSize(pixelsFromTwips(kFormWidthTwips, kSmallestFormScale),
               pixelsFromTwips(kFormHeightTwips, kSmallestFormScale));
}

void FormHolder::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize size = event->size();
  // A pixel to spare, so that rounding never makes the form wider than the area.
  double scale = formScaleFor(fullFormSize(), QSize(1, 1), size);
  // At its hint or larger the form keeps the program's scale at least (no pixel lost to
  // rounding); smaller, it shrinks to fit.
  const QSize hint = sizeHint();
  if (size.width() >= hint.width() && size.height() >= hint.height()) scale = std::max(scale, preferred_);
  scale = std::max(kSmallestFormScale, scale);
  if (std::abs(scale - form_.scale()) < 1e-9) return;
  fitting_ = true;
  form_.setScale(scale);
  fitting_ = false;
}

void FormHolder::followForm() {
  if (fitting_) return;
  preferred_ = form_.scale();
  updateGeometry();
  emit formRescaled();
}

}  // namespace chainadj::ui
