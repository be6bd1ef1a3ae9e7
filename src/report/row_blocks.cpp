#include "report/row_blocks.h"

#include <algorithm>
#include <future>
#include <ostream>

namespace chainadj {
namespace {

// The two blocks are made into buffers a cache line apart: were their strings on one line, every
// character appended on one thread would take the line from the other.
constexpr std::size_t kCacheLineBytes = 64;
struct alignas(kCacheLineBytes) BlockBuffer {
  std::string text;
};

}  // namespace

void writeRowBlocks(std::size_t rows, const RowLines& appendRows, std::ostream& out) {
  BlockBuffer block;
  BlockBuffer nextBlock;
  for (std::size_t first = 0; first < rows; first += 2 * kRowsPerBlock) {
    const std::size_t middle = std::min(first + kRowsPerBlock, rows);
    const std::size_t last = std::min(middle + kRowsPerBlock, rows);
    std::future<void> next;
    if (middle < last) {
      next = std::async(std::launch::async, [&appendRows, &nextBlock, middle, last] {
        nextBlock.text.clear();
        appendRows(middle, last, nextBlock.text);
      });
    }
    block.text.clear();
    appendRows(first, middle, block.text);
    out << block.text;
    if (next.valid()) {
      next.get();
      out << nextBlock.text;
    }
  }
}

}  // namespace chainadj
