// The input box: the prompt, an empty edit field and the buttons OK, Cancel and 中止计算. Enter
// is OK. No default text; the title is the main window's. A note may stand in red under the
// prompt, within the room the prompt has. OK gives the typed text (empty when
// the field is empty); Cancel and closing the box give empty text; 中止计算 stops the run.
//
// The box waits for its answer in an event loop of its own without blocking the main window:
// the run goes no further until the box is answered, but the main window can still be closed
// (which ends the program) and its boxes can still be read and copied. Every prompt of a run
// gets a box of the same size, so that it stays in one place for the whole run.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QString>

class QLabel;
class QLineEdit;

namespace chainadj::ui {

// The keys of 中止计算 and of 全部列出 in the box; 计 算 on the form has F9.
inline const QKeySequence kStopRunKeys{Qt::SHIFT | Qt::Key_F9};
inline const QKeySequence kListAllKeys{Qt::CTRL | Qt::Key_L};

// What the user did with an input box: the text taken (empty for Cancel), or 中止计算.
struct InputBoxAnswer {
  // Implicit, so that a function that gives the typed text can stand for an input box.
  InputBoxAnswer(QString typed = QString()) : text(std::move(typed)) {}
  static InputBoxAnswer stopRun() {
    InputBoxAnswer answer;
    answer.stopsRun = true;
    return answer;
  }
  static InputBoxAnswer listAll() {
    InputBoxAnswer answer;
    answer.listsAll = true;
    return answer;
  }

  QString text;
  bool stopsRun = false;
  bool listsAll = false;  // 全部列出: this key press and every one left in the listing
};

class InputBox : public QDialog {
  Q_OBJECT

 public:
  // `scale` is the main window's scale (1 = full size); the box's face and width follow it.
  // `note`, when not empty, stands in red under the prompt (a blunder just typed).
  // `listing`: a key press of the coordinate listing, with the button 全部列出.
  InputBox(const QString& prompt, QWidget* parent, double scale = 1.0,
           const QString& note = QString(), bool listing = false);

  // The answer as the program takes it.
  InputBoxAnswer answer() const;

  // Shows the box and waits until it is answered or closed.
  InputBoxAnswer waitForAnswer();

  // Shows a box for the prompt and waits for it.
  static InputBoxAnswer ask(QWidget* parent, const QString& prompt);

 private:
  // A button that closes the box with `result`, pressed with `keys` too; its tooltip says `what`
  // it does and the keys.
  void addResultButton(QDialogButtonBox& buttons, const char* caption, const char* name,
                       const QKeySequence& keys, const char* what, int result,
                       QDialogButtonBox::ButtonRole role);

  QLabel* prompt_;
  QLabel* note_;
  QLineEdit* field_;
};

}  // namespace chainadj::ui
