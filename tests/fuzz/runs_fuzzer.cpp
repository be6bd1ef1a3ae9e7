// libFuzzer target: whole runs typed from arbitrary answer lines (see checked_runs.h). A fault
// is printed and aborts, so that libFuzzer keeps the input that found it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "checked_runs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (const auto fault = chainadj::testing::faultOfRuns(input)) {
    std::fprintf(stderr, "chainadj fault: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
