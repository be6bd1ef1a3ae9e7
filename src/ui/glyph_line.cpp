#include "ui/glyph_line.h"

#include <QPainter>

namespace chainadj::ui {
namespace {

// Characters below this need no shaping in the report's faces: Latin, Greek, the degree sign,
// the prime and double prime, dashes and CJK ideographs and punctuation are drawn glyph by glyph.
bool plain(char16_t code) {
  const bool combining = code >= 0x0300 && code <= 0x036F;
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  const bool rightToLeft = code >= 0x0590 && code <= 0x08FF;
  return code >= 0x20 && !combining && !surrogate && !rightToLeft;
}

}  // namespace

GlyphLine::GlyphLine(const QFont& font, double pixelSize)
    : font_(QRawFont::fromFont(font)) {
  font_.setPixelSize(pixelSize);
}

const GlyphLine::Glyph& GlyphLine::glyph(char16_t code) {
  const auto found = glyphs_.constFind(code);
  if (found != glyphs_.constEnd()) return *found;
  Glyph glyph;
  const QChar character(code);
  QVector<quint32> index = font_.glyphIndexesForString(QString(character));
  if (index.size() == 1 && index[0] != 0 && plain(code)) {
    glyph.index = index[0];
    glyph.advance = font_.advancesForGlyphIndexes(index).value(0).x();
  }
  return *glyphs_.insert(code, glyph);
}

bool GlyphLine::add(const QString& text, double left, double right, bool alignRight) {
  if (!font_.isValid()) return false;
  double width = 0;
  for (const QChar character : text) {
    const Glyph& found = glyph(character.unicode());
    if (found.index == 0) return false;
    width += found.advance;
  }
  double x = alignRight ? right - width : left;
  for (const QChar character : text) {
    const Glyph& found = glyph(character.unicode());
    indexes_.push_back(found.index);
    positions_.push_back(QPointF(x, 0));
    x += found.advance;
  }
  return true;
}

void GlyphLine::draw(QPainter& painter, double baseline) {
  if (!indexes_.isEmpty()) {
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes(indexes_);
    run.setPositions(positions_);
    painter.drawGlyphRun(QPointF(0, baseline), run);
  }
  indexes_.clear();
  positions_.clear();
}

}  // namespace chainadj::ui
