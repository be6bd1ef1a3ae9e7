// The console front end: every write to the window becomes one line on the output, every input
// box a "? " line answered by one line of input.
//
//   Text13: <text>        a text box gets its whole text
//   Label35: <caption>    a label caption; Label12(1): / Label12(2): for the label array
//   ? <prompt>            an input box; the next input line is the answer ("!stop" stops
//                         the run there)
//   ! <message>           a message
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "state/answer_source.h"
#include "state/platform.h"

namespace chainadj {

class RunDriver;

// Written when the input ends while a prompt waits: the run could not be finished.
inline constexpr const char* kInputEndedMessage = "输入已经结束，计算没有完成，程序退出。";

class ConsolePlatform : public Platform {
 public:
  // The input is untied from the output: the console flushes before a read only when the read
  // would wait.
  ConsolePlatform(std::istream& in, std::ostream& out);
  // What is still pending goes to the output stream.
  ~ConsolePlatform() override;
  ConsolePlatform(const ConsolePlatform&) = delete;
  ConsolePlatform& operator=(const ConsolePlatform&) = delete;

  void setText(int box, const std::string& text) override;
  void setLabel(int label, const std::string& caption) override;
  void setLabel12(int element, const std::string& caption) override;
  std::optional<std::string> ask(const std::string& prompt, const PromptKey& key) override;
  void showMessage(const std::string& message) override;
  void endProgram() override { ended_ = true; }

  // Prompts are offered to `source` first, by their keys (nullptr: none); what it leaves
  // unanswered is read from the input. The "? " line is written either way.
  void answerFrom(AnswerSource* source) { source_ = source; }

  // Everything written so far, out to the output and flushed.
  void flush();

  // One line of input without its line ending; nullopt at the end of input.
  std::optional<std::string> readLine();
  bool ended() const { return ended_; }

 private:
  // One output line: its head and text.
  void writeLine(std::string_view head, std::string_view text);
  // One output line whose head is a kind, a number and its close ("Text", 13, ": ").
  void writeLine(std::string_view kind, int number, std::string_view close, std::string_view text);

  // Lines gather here and go to the output stream in blocks of this size.
  static constexpr std::size_t kPendingBytes = std::size_t{1} << 18;
  void writePending();

  std::istream& in_;
  std::ostream& out_;
  std::string pending_;
  bool ended_ = false;
  AnswerSource* source_ = nullptr;
};

// The session loop on a console and a driver; returns the exit status as runConsole does.
// `completed`, when given, is called after every run that ran to the end of its adjustment.
int runSession(ConsolePlatform& console, RunDriver& driver,
               const std::function<void(const RunDriver&)>& completed = {});

// Runs the console session: between runs "1" presses 计 算 and "2" presses 结 束. Returns the
// exit status: 0 when the program is ended or the input ends between runs, 1 when the input
// ends while a prompt waits.
int runConsole(std::istream& in, std::ostream& out);

}  // namespace chainadj
