// The core's platform on the window: boxes and labels of MainForm, the input box, message boxes
// and the end of the program. When the program ends while a run waits for an answer, the open
// box is closed and every further question is answered with the program's end, so that the run
// stops at once. 中止计算 in the input box stops the run (RunStopped) once the box has closed.
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

  // Prompts are offered to `source` first, by their keys (nullptr: none), a chain data file for
  // instance; what it leaves unanswered goes to the input box.
  void answerFrom(AnswerSource* source) { source_ = source; }

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
  bool ending_ = false;
};

}  // namespace chainadj::ui
