#include "state/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
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

// A library that writes a file by its name (the DXF and the workbook): `text` into the file named,
// or nothing and false where it fails.
std::function<bool(const std::string&)> library(const std::string& text, bool succeeds = true) {
  return [text, succeeds](const std::string& name) {
    if (!succeeds) return false;
    std::ofstream(name, std::ios::binary) << text;
    return true;
  };
}

TEST_F(WholeFile, ALibraryWritesAPlainFileThatReplacesTheOldOneWhole) {
  const std::string path = at("drawing.dxf");
  writeText(path, "old");
  writeWholeFileByName(path, "不能写入", library("new drawing"));
  EXPECT_EQ(readText(path), "new drawing");
  EXPECT_FALSE(fs::exists(path + ".part"));
  // A library that fails leaves the old file and nothing beside it.
  EXPECT_THROW(writeWholeFileByName(path, "不能写入", library("half", false)), ChainError);
  EXPECT_EQ(readText(path), "new drawing");
  EXPECT_FALSE(fs::exists(path + ".part"));
}

TEST_F(WholeFile, ALibraryWritesIntoANamedPipeByWayOfATemporaryFile) {
  const std::string path = at("pipe");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = readText(path); });
  std::string written;
  writeWholeFileByName(path, "不能写入", [&](const std::string& name) {
    written = name;
    return library("workbook bytes")(name);
  });
  reader.join();
  EXPECT_EQ(received, "workbook bytes");
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(path)));
  EXPECT_NE(written, path);
  EXPECT_FALSE(fs::exists(written));  // the temporary file is gone
}

TEST_F(WholeFile, ALibraryCannotWriteIntoAMissingFolder) {
  const std::string path = at("missing/drawing.dxf");
  EXPECT_THROW(writeWholeFileByName(path, "不能写入", library("drawing")), ChainError);
  EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace chainadj
