// Triangle rows pasted from a spreadsheet: whole rows, rows with the name of their point, a
// column of one angle, a heading left out, and bad cells refused with the line they stand in.
#include <gtest/gtest.h>

#include "entry/triangle_paste.h"
#include "state/chain_error.h"

namespace chainadj::testing {
namespace {

ChainDocument pasted(const char* file, const char* text, int row, int column) {
  ChainDocument document = ChainDocument::read(file);
  document.apply(trianglePaste(document, text, row, column));
  return document;
}

TEST(TrianglePaste, SplitsTabsAndBlanksAndDropsEmptyCellsAtTheEnd) {
  EXPECT_EQ(pastedCells("a\t b \t\t\r\n\n  c d  \n"),
            (std::vector<std::vector<std::string>>{{"a", "b"}, {"c", "d"}}));
  EXPECT_EQ(pastedCells("x\t\ty\n"), (std::vector<std::vector<std::string>>{{"x", "", "y"}}));
}

TEST(TrianglePaste, OverwritesFromTheRowAndAddsRowsPastTheEnd) {
  const ChainDocument document =
      pasted("60 60 60\n61 61 -58\n", "A\tB\tC\r\n50\t60\t-70\r\n51\t61\t-68\r\n", 1, 0);
  ASSERT_EQ(document.rowCount(), 3);
  EXPECT_EQ(document.row(0), (TriangleAngles{"60", "60", "60"}));
  EXPECT_EQ(document.row(1), (TriangleAngles{"50", "60", "-70"}));
  EXPECT_EQ(document.row(2), (TriangleAngles{"51", "61", "-68"}));
}

// Without C and D the names are A, points 1..n, B: the triangle i fixes point i + 1.
TEST(TrianglePaste, PutsANameColumnOnThePointEachTriangleFixes) {
  const ChainDocument document = pasted("", "P2\t60\t60\t60\nB\t61\t61\t-58\n", 0, 0);
  EXPECT_EQ(document.nameCount(), 4);
  EXPECT_EQ(document.name(1), "");
  EXPECT_EQ(document.name(2), "P2");
  EXPECT_EQ(document.name(3), "B");
  // From C (point 1): the names start at C, and triangle 1 fixes the name of order 1.
  const ChainDocument fromC = pasted("Xc 1\nYc 2\n", "P2 60 60 60\n", 0, 0);
  EXPECT_EQ(fromC.name(1), "P2");
}

TEST(TrianglePaste, PastesAColumnIntoTheColumnItStartsAt) {
  const ChainDocument document = pasted("60 60 60\n61 61 -58\n", "-59\n-57\n-56\n", 0, 2);
  ASSERT_EQ(document.rowCount(), 3);
  EXPECT_EQ(document.row(1), (TriangleAngles{"61", "61", "-57"}));
  EXPECT_EQ(document.row(2), (TriangleAngles{"", "", "-56"}));
}

TEST(TrianglePaste, RefusesCellsItCannotTake) {
  const ChainDocument document = ChainDocument::read("60 60 60\n");
  const std::pair<const char*, const char*> kBad[] = {
      {"60\t60\t60\n60\t60.6000\t60\n", "粘贴的第 2 行：第 2 个三角形的前进角 B 的 “60.6000” 分或秒不小于 60（角度按 度.分分秒秒 书写）。"},
      {"1\t2\t3\t4\t5\n", "粘贴的第 1 行：有 5 列。每行应当是三个角 A B C，或者点名和三个角。"},
      {"A\tB\n", "粘贴的内容里没有三角形的角。"},
      {"60\t200\t60\n", "粘贴的第 1 行：第 1 个三角形的前进角 B 必须大于 0 度并且小于 180 度。"},
  };
  for (const auto& [text, message] : kBad) {
    try {
      trianglePaste(document, text, 0, 0);
      ADD_FAILURE() << text;
    } catch (const ChainError& error) {
      EXPECT_EQ(std::string(error.what()), message);
    }
  }
  // Names where the data ask none: D without C.
  const ChainDocument noNames = ChainDocument::read("Xd 5\nYd 6\n");
  EXPECT_THROW(trianglePaste(noNames, "P 60 60 60\n", 0, 0), ChainError);
}

}  // namespace
}  // namespace chainadj::testing
