#include "ui/text_box.h"

#include <QColor>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "ui/form_fonts.h"

namespace chainadj::ui {
namespace {

// Space between the frame and the text on either side, in pixels at the form's full size, as
// a native text box keeps it, so that a leading minus sign stands clear of the border.
constexpr double kInnerMarginPixels = 3.0;
// QLineEdit draws its text this many pixels inside its contents rectangle.
constexpr int kLineEditTextIndent = 2;
// The colour of a value over its limit, as the input box's note and the editor's 超限.
constexpr QRgb kOverLimitColour = 0xc00000;

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setFocusPolicy(Qt::ClickFocus);
  setScale(1.0);
}

void TextBox::showText(const QString& text) {
  setText(text);
  setCursorPosition(0);
  updateToolTip();
}

void TextBox::setScale(double scale) {
  setFont(boxFont(scale));
  const int margin = std::max(1, static_cast<int>(std::lround(kInnerMarginPixels * scale)));
  setTextMargins(margin, 0, margin, 0);
  updateToolTip();
}

bool TextBox::textFits() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const QMargins margins = textMargins();
  const int room = contents.width() - margins.left() - margins.right() - 2 * kLineEditTextIndent;
  return fontMetrics().horizontalAdvance(text()) <= room;
}

void TextBox::setOverLimit(bool over) {
  if (over == overLimit_) return;
  overLimit_ = over;
  QPalette colours = palette();
  if (over) {
    colours.setColor(QPalette::Text, QColor(kOverLimitColour));
  } else {
    colours.setColor(QPalette::Text, parentWidget() ? parentWidget()->palette().color(QPalette::Text)
                                                   : QPalette().color(QPalette::Text));
  }
  setPalette(colours);
}

void TextBox::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  setCursorPosition(0);
  updateToolTip();
}

void TextBox::updateToolTip() { setToolTip(textFits() ? QString() : text()); }

}  // namespace chainadj::ui
