// The rows of a long table written in blocks, two blocks made at a time: the second on a thread
// of its own while this thread makes the first. The rows go out in their order, and no more than
// two blocks are held at once.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>

namespace chainadj {

inline constexpr std::size_t kRowsPerBlock = 4096;

// Appends the lines of rows first..last-1 to `text`. It is called from two threads at once, on
// different rows.
using RowLines = std::function<void(std::size_t first, std::size_t last, std::string& text)>;

void writeRowBlocks(std::size_t rows, const RowLines& appendRows, std::ostream& out);

}  // namespace chainadj
