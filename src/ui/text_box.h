// A display box of the form (Text1 .. Text36): read-only, its text set whole by the run. It
// always shows the start of its text, so that a long value keeps its leading digits, its sign
// or its "1/"; a text wider than the box shows its whole value as a tooltip. A value over its
// limit is drawn in red, its text as it is.
#pragma once

#include <QLineEdit>

namespace chainadj::ui {

class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget* parent);

  // Sets the whole text, scrolled to its start.
  void showText(const QString& text);
  // The form's scale (1 = full size): the face and the inner margin follow it.
  void setScale(double scale);
  // Whether the whole text is visible in the box.
  bool textFits() const;
  // Draws the value in red (over its limit) or as usual.
  void setOverLimit(bool over);
  bool overLimit() const { return overLimit_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void updateToolTip();

  bool overLimit_ = false;
};

}  // namespace chainadj::ui
