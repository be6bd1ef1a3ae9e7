// The window's central area, which holds the form: when the user makes the window smaller than
// the form, the form is drawn smaller by one common factor to fit the area (as on a small
// screen); when the window grows again, it grows back, never beyond its full size. When the
// program sets the form's scale (to fit the screen), the window follows the form's size: that
// scale is the holder's size hint, which the window opens with.
#pragma once

#include <QWidget>

namespace chainadj::ui {

class MainForm;

class FormHolder : public QWidget {
  Q_OBJECT

 public:
  // Takes `form` as its child; `form` keeps its own scale until the holder is resized.
  explicit FormHolder(MainForm& form, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The program drew the form at another scale: the window should take the form's new size.
  void formRescaled();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The form's scale changed from outside: its size hint follows it.
  void followForm();

  MainForm& form_;
  bool fitting_ = false;    // the holder is scaling the form to its own size
  double preferred_ = 1.0;  // the scale the program chose (for the screen); the size hint's
};

// The smallest scale a window can be made to draw the form at.
inline constexpr double kSmallestFormScale = 0.3;

}  // namespace chainadj::ui
