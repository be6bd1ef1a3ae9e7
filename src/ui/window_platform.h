// The core's platform on the window: boxes and labels of MainForm, the input box, message boxes
// and the end of the program. When the program ends while a run waits for an answer, the open
// box is closed and every further question is answered with the program's end, so that the run
// stops at once. 中止计算 in the input box stops the run (RunStopped) once the box has closed.
// The first key press of the coordinate listing tells the form that the run's results are
// there (MainForm::resultsReady); after 全部列出 the listing runs to its end without a box.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "state/answer_source.h"
#include "state/platform.h"
#include "ui/input_box.h"

namespace chainadj::ui {

class MainForm;

class WindowPlatform : public Platform {
 public:
  // Asks the user; returns the answer, empty text for Cancel. The form's own input box, placed
  // clear of what the run writes, unless replaced (the screenshot and the tests script their
  // answers).
  using InputBoxFunction = std::function<InputBoxAnswer(const QString& prompt)>;
  using MessageBoxFunction = std::function<void(const QString& message)>;

  explicit WindowPlatform(MainForm& form);

  void setInputBox(InputBoxFunction inputBox) { inputBox_ = std::move(inputBox); }
  void setMessageBox(MessageBoxFunction messageBox) { messageBox_ = std::move(messageBox); }

  // What becomes of a prompt that the answer source leaves unanswered.
  enum class Unanswered {
    AskUser,  // the input box asks it (a data file's coordinate listing)
    StopRun,  // the run stops with a message, and no box is shown (a run of the data editor)
  };
  // Prompts are offered to `source` first, by their keys (nullptr: none), a chain data file for
  // instance.
  void answerFrom(AnswerSource* source, Unanswered unanswered = Unanswered::AskUser) {
    source_ = source;
    unanswered_ = unanswered;
  }

  // A run begins: its listing asks for its key presses again.
  void beginRun() {
    listingAll_ = false;
    listingBegun_ = false;
  }
  // The prompt the input box is asked now is a key press of the coordinate listing.
  bool asksListing() const { return asksListing_; }

  // A note the input box shows in red under its next prompt, once (a blunder just typed).
  void setNoteForNextPrompt(const QString& note) { note_ = note; }
  const QString& noteForNextPrompt() const { return note_; }

  void setText(int box, const std::string& text) override;
  void setLabel(int label, const std::string& caption) override;
  void setLabel12(int element, const std::string& caption) override;
  std::optional<std::string> ask(const std::string& prompt, const PromptKey& key) override;
  void showMessage(const std::string& message) override;
  void endProgram() override;

  // The program is ending: the open box (if any) is closed and no question is asked again.
  void beginEnding();
  bool ending() const { return ending_; }

 private:
  MainForm& form_;
  InputBoxFunction inputBox_;
  MessageBoxFunction messageBox_;
  AnswerSource* source_ = nullptr;
  Unanswered unanswered_ = Unanswered::AskUser;
  // The listing's first prompt tells the form that the run's results are there.
  void noteListing();

  QString note_;
  bool ending_ = false;
  bool asksListing_ = false;
  bool listingBegun_ = false;
  bool listingAll_ = false;  // 全部列出: the key presses left are taken as pressed
};

}  // namespace chainadj::ui
