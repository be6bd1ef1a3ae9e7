#include "ui/window_platform.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "ui/caption_label.h"
#include "ui/input_box.h"
#include "ui/main_form.h"

namespace chainadj::ui {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

void showMessageBox(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Information, QString(), message, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

WindowPlatform::WindowPlatform(MainForm& form)
    : form_(form),
      inputBox_([&form](const QString& prompt) { return InputBox::ask(&form, prompt); }),
      messageBox_([&form](const QString& message) { showMessageBox(&form, message); }) {}

// A number that names no control of the form is ignored.
void WindowPlatform::setText(int box, const std::string& text) {
  if (QLineEdit* target = form_.box(box)) target->setText(fromUtf8(text));
}

void WindowPlatform::setLabel(int label, const std::string& caption) {
  if (CaptionLabel* target = form_.label(label)) target->setText(fromUtf8(caption));
}

void WindowPlatform::setLabel12(int element, const std::string& caption) {
  if (CaptionLabel* target = form_.label12(element)) target->setText(fromUtf8(caption));
}

std::optional<std::string> WindowPlatform::ask(const std::string& prompt) {
  if (ending_) return std::nullopt;
  const QString answer = inputBox_(fromUtf8(prompt));
  if (ending_) return std::nullopt;
  return answer.toStdString();
}

void WindowPlatform::showMessage(const std::string& message) {
  if (ending_) return;
  messageBox_(fromUtf8(message));
}

void WindowPlatform::endProgram() {
  beginEnding();
  form_.close();
}

void WindowPlatform::beginEnding() {
  if (ending_) return;
  ending_ = true;
  if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
    dialog->reject();
  }
}

}  // namespace chainadj::ui
