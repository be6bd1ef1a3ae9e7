#include "state/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <thread>

#include "state/chain_error.h"

namespace chainadj {
namespace {

namespace fs = std::filesystem;

class WholeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() / ("chainadj_whole_file_" + std::to_string(getpid()));
    fs::create_directories(directory_);
  }
  void TearDown() override { fs::remove_all(directory_); }

  std::string at(const char* name) const { return (directory_ / name).string(); }

  static void writeText(const std::string& path, const std::string& text) {
    writeWholeFile(path, "不能写入", [&text](std::ostream& out) { out << text; });
  }
  static std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  fs::path directory_;
};

TEST_F(WholeFile, APlainFileIsReplacedWholeAndNothingIsLeftBeside) {
  const std::string path = at("report.txt");
  writeText(path, "old");
  writeText(path, "new text");
  EXPECT_EQ(readText(path), "new text");
  EXPECT_FALSE(fs::exists(path + ".part"));
}

// Writing into /dev/stdout or a named pipe is how a script takes a report without a file: the
// pipe must stay a pipe and get the text.
TEST_F(WholeFile, ANamedPipeIsWrittenIntoAndStaysAPipe) {
  const std::string path = at("pipe");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = readText(path); });
  writeText(path, "through the pipe\n");
  reader.join();
  EXPECT_EQ(received, "through the pipe\n");
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(path)));
  EXPECT_FALSE(fs::exists(path + ".part"));
}

TEST_F(WholeFile, ASymbolicLinkIsWrittenThroughAndStaysALink) {
  const std::string target = at("target.txt");
  const std::string link = at("link.txt");
  writeText(target, "old");
  fs::create_symlink(target, link);
  writeText(link, "new text");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_EQ(readText(target), "new text");
}

TEST_F(WholeFile, ADirectoryCannotBeWrittenAndIsKept) {
  const std::string path = at("folder");
  fs::create_directory(path);
  EXPECT_THROW(writeText(path, "text"), ChainError);
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_FALSE(fs::exists(path + ".part"));
}

}  // namespace
}  // namespace chainadj
