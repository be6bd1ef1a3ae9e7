// chainadj-console: the chain adjustment driven from a terminal, a script or a data file.
#include <malloc.h>

#include <iostream>
#include <string>
#include <vector>

#include "console/command_line.h"
#include "console/console_program.h"

namespace {

// Exit status for a command line that cannot be understood.
constexpr int kUsageError = 2;

// The output goes out in large blocks: a long chain writes millions of lines.
constexpr std::size_t kOutputBufferBytes = std::size_t{1} << 16;
char outputBuffer[kOutputBufferBytes];

// The arrays of a long chain (some tens of MB) stay in the heap once freed and are reused from
// there: giving them back to the system and taking fresh pages again costs a page fault per 4 KB.
constexpr int kKeepFreedBytes = 1 << 30;

void keepFreedMemoryForReuse() {
  mallopt(M_MMAP_THRESHOLD, kKeepFreedBytes);
  mallopt(M_TRIM_THRESHOLD, kKeepFreedBytes);
}

}  // namespace

int main(int argc, char** argv) {
  keepFreedMemoryForReuse();
  std::ios::sync_with_stdio(false);
  std::cout.rdbuf()->pubsetbuf(outputBuffer, kOutputBufferBytes);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const chainadj::ParsedCommandLine parsed = chainadj::parseCommandLine(arguments);
  if (!parsed.options) {
    std::cerr << "chainadj-console: " << parsed.error << "（--help 列出所有选项）\n";
    return kUsageError;
  }
  return chainadj::runConsoleProgram(*parsed.options, std::cin, std::cout);
}
