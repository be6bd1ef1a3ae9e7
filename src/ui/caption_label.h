// A label of the form. text() is always the caption exactly as set; the label draws it in its
// style's face and alignment, broken into lines at its blanks where it is too wide (see
// caption_wrap.h). A caption that still does not fit its label, such as "Xp(100)" in the
// listing of a long chain, is drawn in a smaller size of the face rather than split or clipped.
#pragma once

#include <QFont>
#include <QLabel>
#include <QStringList>

#include "ui/form_table.h"

namespace chainadj::ui {

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, Style style, QWidget* parent);

  Style style() const { return style_; }
  // The form's scale (1 = full size): the face's size follows it.
  void setScale(double scale);

  // The lines and the font as drawn for the current caption and size.
  QStringList displayedLines() const;
  QFont displayedFont() const;
  // The height that the lines of `caption` need, and its widest line, as this label would draw
  // it.
  qreal heightNeededFor(const QString& caption) const;
  qreal widestLineOf(const QString& caption) const;
  // The width the text may take: a label beside a box keeps a gap to the box.
  qreal textWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Layout {
    QFont font;
    QStringList lines;
  };

  Layout layoutFor(const QString& caption) const;
  Qt::Alignment alignment() const;

  Style style_;
  double scale_ = 1.0;
};

}  // namespace chainadj::ui
