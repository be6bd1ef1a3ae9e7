// Triangle rows pasted from a spreadsheet into the window's data editor: tab-separated cells, a
// row a line (blank-separated when a line has no tab). A row of three cells is a triangle's
// angles A B C, a row of four the name of the point the triangle fixes (at its forward angle B)
// and its angles; a block of one or two cells a row goes into the angle columns from the one the
// paste starts at. A first line that is no angles is a heading and is left out. Rows past the
// last are added; every angle is checked as the data file's reader checks it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "entry/chain_document.h"

namespace chainadj {

// The cells of a pasted text, a row a line, blank lines left out, empty cells at a row's end
// dropped, each cell without the blanks at its ends.
std::vector<std::vector<std::string>> pastedCells(std::string_view text);

// The edits that put the pasted text into the triangle rows from `row` (0 for the first; the
// row count adds rows at the end) and angle `column` (0 A, 1 B, 2 C) on. Throws ChainError with
// a message that names the pasted line when a cell cannot be taken.
EditBatch trianglePaste(const ChainDocument& document, std::string_view text, int row, int column);

}  // namespace chainadj
