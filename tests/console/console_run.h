// Running chainadj-console in the test: its program on string streams, and files of a test's own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "console/command_line.h"
#include "console/console_program.h"

namespace chainadj {

// A file of its own for each test (and extension), removed at the end.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& text = "", const std::string& extension = ".chain") {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    for (char& ch : name) {
      if (ch == '/') ch = '_';
    }
    path_ = (std::filesystem::temp_directory_path() / ("chainadj_" + name + extension)).string();
    std::ofstream(path_, std::ios::binary) << text;
  }
  ~TemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct Outcome {
  int status;
  std::string output;
};

// The whole contents of a file.
inline std::string contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline Outcome runProgram(const ConsoleOptions& options, const std::string& typed = "") {
  std::istringstream in(typed);
  std::ostringstream out;
  const int status = runConsoleProgram(options, in, out);
  return {status, out.str()};
}

}  // namespace chainadj
