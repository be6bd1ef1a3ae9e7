#include "state/whole_file.h"

#include <filesystem>
#include <fstream>
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
  if (!writeFile(partial, write)) {
    removeQuietly(partial);
    throw ChainError(cannotWrite);
  }
  std::error_code error;
  std::filesystem::rename(partial, path, error);
  if (error) {
    removeQuietly(partial);
    throw ChainError(cannotWrite);
  }
}

}  // namespace chainadj
