#include "ui/window_platform.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>

#include "state/chain_error.h"
#include "ui/caption_label.h"
#include "ui/input_box.h"
#include "ui/input_box_place.h"
#include "ui/main_form.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kUnansweredMessage = "数据编辑里的数据不能回答这次计算的全部询问，计算停止。";

void showMessageBox(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Information, parent->windowTitle(), message, QMessageBox::Ok,
                  parent);
  box.exec();
}

// The form's input box at its place beside or above the form's table; its frame is taken to be
// like that of the form's window.
InputBoxAnswer askOnForm(MainForm& form, const QString& prompt, const QString& note,
                         bool listing) {
  InputBox box(prompt, &form, form.scale(), note, listing);
  box.adjustSize();
  const QRect screen = form.screen() ? form.screen()->availableGeometry() : QRect();
  const QRect inside(form.mapToGlobal(QPoint(0, 0)), form.size());
  box.move(inputBoxPosition(box.size() + form.frameExtent(), form.window()->frameGeometry(),
                            inside, form.writtenAreas(), screen));
  return box.waitForAnswer();
}

}  // namespace

WindowPlatform::WindowPlatform(MainForm& form)
    : form_(form),
      inputBox_([this, &form](const QString& prompt) {
        return askOnForm(form, prompt, note_, asksListing_);
      }),
      messageBox_([&form](const QString& message) { showMessageBox(&form, message); }) {}

// A number that names no control of the form is ignored.
void WindowPlatform::setText(int box, const std::string& text) {
  if (TextBox* target = form_.box(box)) target->showText(fromUtf8(text));
}

void WindowPlatform::setLabel(int label, const std::string& caption) {
  if (CaptionLabel* target = form_.label(label)) target->setText(fromUtf8(caption));
}

void WindowPlatform::setLabel12(int element, const std::string& caption) {
  if (CaptionLabel* target = form_.label12(element)) target->setText(fromUtf8(caption));
}

// The box has closed before RunStopped is thrown: the exception never passes through an event
// loop of Qt, only through the core back to the run driver.
std::optional<std::string> WindowPlatform::ask(const std::string& prompt, const PromptKey& key) {
  if (ending_) return std::nullopt;
  asksListing_ = key.kind == PromptKind::Listing;
  if (asksListing_) noteListing();
  if (ending_) return std::nullopt;
  if (source_ != nullptr) {
    if (std::optional<std::string> answered = source_->answer(key)) return answered;
    if (unanswered_ == Unanswered::StopRun) throw ChainError(kUnansweredMessage);
  }
  if (asksListing_ && listingAll_) return std::string();
  const InputBoxAnswer answer = inputBox_(fromUtf8(prompt));
  note_.clear();
  if (ending_) return std::nullopt;
  if (answer.stopsRun) throw RunStopped();
  if (answer.listsAll && asksListing_) {
    listingAll_ = true;
    return std::string();
  }
  return answer.text.toStdString();
}

void WindowPlatform::noteListing() {
  if (listingBegun_) return;
  listingBegun_ = true;
  form_.announceResults();
}

void WindowPlatform::showMessage(const std::string& message) {
  if (ending_) return;
  messageBox_(fromUtf8(message));
}

void WindowPlatform::endProgram() {
  beginEnding();
  form_.window()->close();
}

void WindowPlatform::beginEnding() {
  if (ending_) return;
  ending_ = true;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<InputBox*>(window);
    if (box && box->isVisible()) box->reject();
  }
  if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
    dialog->reject();
  }
}

}  // namespace chainadj::ui
