#include "ui/text_box.h"

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

void TextBox::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  setCursorPosition(0);
  updateToolTip();
}

void TextBox::updateToolTip() { setToolTip(textFits() ? QString() : text()); }

}  // namespace chainadj::ui
