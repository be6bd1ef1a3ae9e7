#include "ui/caption_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "ui/caption_wrap.h"
#include "ui/form_fonts.h"

namespace chainadj::ui {
namespace {

// Gap between a label and the box it names, in pixels at the form's full size.
constexpr double kGapToBoxPixels = 3.0;
// Captions never shrink below this size (pixels); rounding of the last line may exceed the
// label's height by this much without clipping a glyph.
constexpr int kSmallestPixels = 4;
constexpr qreal kHeightTolerance = 0.5;

}  // namespace

CaptionLabel::CaptionLabel(const QString& caption, Style style, QWidget* parent)
    : QLabel(parent), style_(style) {
  setTextFormat(Qt::PlainText);
  setFont(labelFont(style));
  setText(caption);
}

void CaptionLabel::setScale(double scale) {
  scale_ = scale;
  setFont(labelFont(style_, scale));
}

qreal CaptionLabel::textWidth() const {
  const qreal gap = style_ == Style::FieldLabel ? std::max(1.0, kGapToBoxPixels * scale_) : 0.0;
  return std::max<qreal>(0, width() - gap);
}

CaptionLabel::Layout CaptionLabel::layoutFor(const QString& caption) const {
  const qreal width = textWidth();
  for (int size = font().pixelSize(); size > kSmallestPixels; --size) {
    const QFont font = resized(this->font(), size);
    const QFontMetricsF metrics(font);
    QStringList lines = wrapCaption(caption, metrics, width);
    const bool fitsHeight = lines.size() * metrics.height() <= height() + kHeightTolerance;
    if (fitsHeight && !breaksAWord(lines, caption)) return {font, lines};
  }
  const QFont smallest = resized(font(), kSmallestPixels);
  return {smallest, wrapCaption(caption, QFontMetricsF(smallest), width)};
}

QStringList CaptionLabel::displayedLines() const { return layoutFor(text()).lines; }

QFont CaptionLabel::displayedFont() const { return layoutFor(text()).font; }

qreal CaptionLabel::heightNeededFor(const QString& caption) const {
  const Layout layout = layoutFor(caption);
  return layout.lines.size() * QFontMetricsF(layout.font).height();
}

qreal CaptionLabel::widestLineOf(const QString& caption) const {
  const Layout layout = layoutFor(caption);
  const QFontMetricsF metrics(layout.font);
  qreal widest = 0;
  for (const QString& line : layout.lines) {
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
  const Layout layout = layoutFor(text());
  const qreal lineHeight = QFontMetricsF(layout.font).height();
  const qreal blockHeight = layout.lines.size() * lineHeight;
  // Heads sit on the box below them; everything else is centred in its height.
  qreal y = style_ == Style::BoxHead ? height() - blockHeight : (height() - blockHeight) / 2;

  QPainter painter(this);
  painter.setFont(layout.font);
  painter.setPen(palette().color(QPalette::WindowText));
  for (const QString& line : layout.lines) {
    painter.drawText(QRectF(0, y, textWidth(), lineHeight), alignment() | Qt::AlignVCenter, line);
    y += lineHeight;
  }
}

}  // namespace chainadj::ui
