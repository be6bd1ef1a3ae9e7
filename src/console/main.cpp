// chainadj-console: the chain adjustment driven from a terminal, a script or a data file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "console/command_line.h"
#include "console/console_program.h"
#include "console/freed_memory.h"

namespace {

// Exit status for a command line that cannot be understood.
constexpr int kUsageError = 2;

// A pipe holds 64 KB by default: a long chain's 128 MB of lines would wait for the reader at
// every 64 KB. The largest pipe an ordinary user may ask for (1 MB unless the system says
// otherwise) lets this side write on while the other reads.
constexpr int kOutputPipeBytes = 1 << 20;

void widenOutputPipe() {
  struct stat output {};
  if (fstat(STDOUT_FILENO, &output) != 0 || !S_ISFIFO(output.st_mode)) return;
  fcntl(STDOUT_FILENO, F_SETPIPE_SZ, kOutputPipeBytes);
}

}  // namespace

int main(int argc, char** argv) {
  chainadj::keepFreedMemoryForReuse();
  std::ios::sync_with_stdio(false);
  widenOutputPipe();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const chainadj::ParsedCommandLine parsed = chainadj::parseCommandLine(arguments);
  if (!parsed.options) {
    std::cerr << "chainadj-console: " << parsed.error << "（--help 列出所有选项）\n";
    return kUsageError;
  }
  return chainadj::runConsoleProgram(*parsed.options, std::cin, std::cout);
}
