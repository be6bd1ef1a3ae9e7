// libFuzzer target: arbitrary text read as a chain data file (see checked_files.h). A fault is
// printed and aborts, so that libFuzzer keeps the input that found it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "checked_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto fault = chainadj::testing::faultOfDataFile(text)) {
    std::fprintf(stderr, "chainadj fault: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
