// The modal input box: the prompt, an empty edit field, OK and Cancel. Enter is OK. No title and
// no default text. OK gives the typed text (empty when the field is empty); Cancel and closing
// the box give empty text.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace chainadj::ui {

class InputBox : public QDialog {
 public:
  InputBox(const QString& prompt, QWidget* parent);

  // The answer as the program takes it: the field on OK, empty text otherwise.
  QString answer() const;

  // Shows a box and waits for it.
  static QString ask(QWidget* parent, const QString& prompt);

 private:
  QLabel* prompt_;
  QLineEdit* field_;
};

}  // namespace chainadj::ui
