// A label of the form. text() is always the caption exactly as set; the label draws it in its
// style's face and alignment, broken into lines where it is too wide (see caption_wrap.h).
#pragma once

#include <QLabel>
#include <QStringList>

#include "ui/form_table.h"

namespace chainadj::ui {

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, Style style, QWidget* parent);

  Style style() const { return style_; }
  // The lines as drawn for the current caption and width.
  QStringList displayedLines() const;
  // The height that the lines of `caption` need in this label's face and width.
  qreal heightNeededFor(const QString& caption) const;
  qreal widestLineOf(const QString& caption) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Alignment alignment() const;

  Style style_;
};

}  // namespace chainadj::ui
