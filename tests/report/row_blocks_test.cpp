#include "report/row_blocks.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace chainadj {
namespace {

std::string rowLine(std::size_t row) { return "row " + std::to_string(row) + "\n"; }

// Tables of no rows, of less than one block, of exactly two, and of an odd number of blocks with
// a short last one: every row once, in order.
TEST(RowBlocks, EveryRowGoesOutOnceInItsOrder) {
  for (std::size_t rows : {std::size_t{0}, std::size_t{1}, kRowsPerBlock - 1, 2 * kRowsPerBlock,
                           5 * kRowsPerBlock + 17}) {
    std::ostringstream written;
    writeRowBlocks(
        rows,
        [](std::size_t first, std::size_t last, std::string& text) {
          for (std::size_t row = first; row < last; ++row) text += rowLine(row);
        },
        written);
    std::string expected;
    for (std::size_t row = 0; row < rows; ++row) expected += rowLine(row);
    EXPECT_EQ(written.str(), expected) << rows << " rows";
  }
}

}  // namespace
}  // namespace chainadj
