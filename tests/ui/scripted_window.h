// The window driven by a test: its file dialogs, input boxes and messages answered and kept by
// the test, a folder of the test's own, and the contents of the files it writes.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "transcript_replay.h"
#include "ui/chain_editing.h"
#include "ui/data_file_life.h"
#include "ui/main_form.h"
#include "ui/main_window.h"

namespace chainadj::ui {

namespace fs = std::filesystem;

inline const std::string kExampleChain = CHAINADJ_EXAMPLE_CHAIN;

inline std::string contents(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline bool isPdf(const fs::path& path) {
  const std::string document = contents(path);
  return document.rfind("%PDF-", 0) == 0 && document.size() > 10000 &&
         document.find("%%EOF", document.size() - 16) != std::string::npos;
}

// A folder of the test's own, removed at the end.
class Folder {
 public:
  Folder() : path_(fs::temp_directory_path() / ("chainadj_" + testName())) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  static std::string testName() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "_" + test->name();
  }
  fs::path path_;
};

// The window with its dialogs answered by the test: the files it chooses, the typed answers,
// the messages kept, the question whether to save unsaved data (answered `saveAnswer`).
class ScriptedWindow {
 public:
  ScriptedWindow() {
    window.editing().files().setSaveQuestion([this](const QString& name) {
      saveQuestions.push_back(name.toStdString());
      return saveAnswer;
    });
    window.setFileChooser([this](FileDialogPurpose purpose) { return files[purpose]; });
    window.form().platform().setMessageBox(
        [this](const QString& message) { messages.push_back(message.toStdString()); });
    window.form().platform().setInputBox([this](const QString& prompt) -> InputBoxAnswer {
      prompts.push_back(prompt.toStdString());
      if (duringRun) duringRun();
      if (stopAtPrompt && prompts.size() == *stopAtPrompt) return InputBoxAnswer::stopRun();
      if (listAllAtPrompt && prompts.size() == *listAllAtPrompt) return InputBoxAnswer::listAll();
      return next < typed.size() ? QString::fromStdString(typed[next++]) : QString();
    });
  }

  // The typed run of the example chain, as the console's transcript types it.
  void typeExample() {
    typed = readLines(CHAINADJ_CONSOLE_GOLDEN_DIR "/example.in");
    typed.erase(typed.begin());  // the "1" that presses 计 算
    next = 0;
    window.form().Command1_Click();
  }
  void choose(FileDialogPurpose purpose, const fs::path& path) {
    files[purpose] = QString::fromStdString(path.string());
  }

  MainWindow window;
  std::map<FileDialogPurpose, QString> files;
  std::vector<std::string> typed;
  std::size_t next = 0;
  std::vector<std::string> prompts;
  std::vector<std::string> messages;
  std::optional<std::size_t> stopAtPrompt;
  std::optional<std::size_t> listAllAtPrompt;  // 全部列出 at this prompt
  std::function<void()> duringRun;
  SaveAnswer saveAnswer = SaveAnswer::Discard;
  std::vector<std::string> saveQuestions;
};

}  // namespace chainadj::ui
