#include "ui/caption_label.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/caption_wrap.h"
#include "ui/form_fonts.h"

namespace chainadj::ui {

CaptionLabel::CaptionLabel(const QString& caption, Style style, QWidget* parent)
    : QLabel(parent), style_(style) {
  setTextFormat(Qt::PlainText);
  setFont(labelFont(style));
  setText(caption);
}

QStringList CaptionLabel::displayedLines() const {
  return wrapCaption(text(), QFontMetricsF(font()), width());
}

qreal CaptionLabel::heightNeededFor(const QString& caption) const {
  const QFontMetricsF metrics(font());
  return wrapCaption(caption, metrics, width()).size() * metrics.height();
}

qreal CaptionLabel::widestLineOf(const QString& caption) const {
  const QFontMetricsF metrics(font());
  qreal widest = 0;
  for (const QString& line : wrapCaption(caption, metrics, width())) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return widest;
}

Qt::Alignment CaptionLabel::alignment() const {
  switch (style_) {
    case Style::FieldLabel:
      return Qt::AlignRight;
    case Style::BoxHead:
    case Style::SketchNote:
      return Qt::AlignLeft;
    case Style::Heading:
    case Style::Title:
    case Style::SketchLabel:
      break;
  }
  return Qt::AlignHCenter;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  const QFontMetricsF metrics(font());
  const QStringList lines = displayedLines();
  const qreal lineHeight = metrics.height();
  const qreal blockHeight = lines.size() * lineHeight;
  // Heads sit on the box below them; everything else is centred in its height.
  qreal y = style_ == Style::BoxHead ? height() - blockHeight : (height() - blockHeight) / 2;

  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  for (const QString& line : lines) {
    painter.drawText(QRectF(0, y, width(), lineHeight), alignment() | Qt::AlignVCenter, line);
    y += lineHeight;
  }
}

}  // namespace chainadj::ui
