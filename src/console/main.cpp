// chainadj-console: the chain adjustment driven from a terminal or a script.
#include <iostream>

#include "console/console_platform.h"

int main() {
  std::ios::sync_with_stdio(false);
  return chainadj::runConsole(std::cin, std::cout);
}
