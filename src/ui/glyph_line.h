// A line of table cells drawn as one run of glyphs. The cells of a long report are short texts
// of digits, signs and names; laying each out through Qt's text engine (itemizing, shaping, a
// layout per cell) took most of the time of a PDF of 100 000 triangles. Here each character is
// looked up once in the face's glyph table, with its advance, and a whole row goes to the device
// as one glyph run: one text object per row in the PDF instead of one per cell. A text with a
// character the face has no glyph for (or that needs shaping) is left to the caller.
#pragma once

#include <QGlyphRun>
#include <QHash>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QVector>

class QPainter;

namespace chainadj::ui {

class GlyphLine {
 public:
  // The face at `pixelSize` pixels of the device it is drawn on.
  GlyphLine(const QFont& font, double pixelSize);

  // Adds `text` with its left edge at `left` (or its right edge at `right` when `alignRight`),
  // on the line's baseline. False, and nothing added, when the face cannot draw it plainly.
  bool add(const QString& text, double left, double right, bool alignRight);
  // Draws what was added with the baseline at `baseline`, and starts a new line.
  void draw(QPainter& painter, double baseline);

  // The height of the face's ascent, for placing the baseline in a row.
  double ascent() const { return font_.ascent(); }
  double descent() const { return font_.descent(); }

 private:
  struct Glyph {
    quint32 index = 0;
    double advance = 0;
  };
  // The glyph of `code`; index 0 where the face has none.
  const Glyph& glyph(char16_t code);

  QRawFont font_;
  QHash<char16_t, Glyph> glyphs_;
  QVector<quint32> indexes_;
  QVector<QPointF> positions_;
};

}  // namespace chainadj::ui
