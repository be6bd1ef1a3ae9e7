#include "state/whole_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "state/chain_error.h"

namespace chainadj {
namespace {

// A long chain writes tens of megabytes: the file goes out in blocks of this size.
constexpr std::size_t kFileBufferBytes = std::size_t{1} << 16;

void removeQuietly(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

// Writes `path` through `write`; false when it could not be opened or written.
bool writeFile(const std::string& path, const std::function<void(std::ostream&)>& write) {
  std::vector<char> buffer(kFileBufferBytes);
  std::ofstream file;
  file.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  file.open(path, std::ios::binary | std::ios::trunc);
  if (file) write(file);
  file.close();
  return static_cast<bool>(file);
}

// A file removed when the scope ends, however it ends (a file renamed away is gone already).
class RemovedAtEnd {
 public:
  explicit RemovedAtEnd(std::string path) : path_(std::move(path)) {}
  ~RemovedAtEnd() {
    if (!path_.empty()) removeQuietly(path_);
  }
  RemovedAtEnd(const RemovedAtEnd&) = delete;
  RemovedAtEnd& operator=(const RemovedAtEnd&) = delete;

 private:
  std::string path_;
};

// A new empty file of its own in the temporary folder; "" when none can be made.
std::string newTemporaryFile() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) return {};
  std::string name = (folder / "chainadj-XXXXXX").string();
  const int descriptor = mkstemp(name.data());
  if (descriptor < 0) return {};
  close(descriptor);
  return name;
}

// The bytes of the file `from` written through to `to`.
bool copyInto(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  if (!in) return false;
  return writeFile(to, [&in](std::ostream& out) {
    if (in.peek() != std::ifstream::traits_type::eof()) out << in.rdbuf();
  });
}

// The complete file `partial` put in the place of `path`.
void replaceWith(const std::string& partial, const std::string& path, const std::string& cannotWrite) {
  std::error_code error;
  std::filesystem::rename(partial, path, error);
  if (error) throw ChainError(cannotWrite);
}

}  // namespace

bool isWrittenStraightThrough(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
  return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

void writeWholeFile(const std::string& path, const std::string& cannotWrite,
                    const std::function<void(std::ostream&)>& write) {
  if (isWrittenStraightThrough(path)) {
    if (!writeFile(path, write)) throw ChainError(cannotWrite);
    return;
  }
  const std::string partial = path + ".part";
  const RemovedAtEnd leftOver(partial);
  if (!writeFile(partial, write)) throw ChainError(cannotWrite);
  replaceWith(partial, path, cannotWrite);
}

void writeWholeFileByName(const std::string& path, const std::string& cannotWrite,
                          const std::function<bool(const std::string& name)>& writeNamed) {
  if (isWrittenStraightThrough(path)) {
    const std::string temporary = newTemporaryFile();
    const RemovedAtEnd leftOver(temporary);
    if (temporary.empty() || !writeNamed(temporary) || !copyInto(temporary, path)) {
      throw ChainError(cannotWrite);
    }
    return;
  }
  const std::string partial = path + ".part";
  const RemovedAtEnd leftOver(partial);
  // Made first, so that a folder that cannot be written is told before the library tries it.
  if (!std::ofstream(partial, std::ios::binary) || !writeNamed(partial)) throw ChainError(cannotWrite);
  replaceWith(partial, path, cannotWrite);
}

}  // namespace chainadj
