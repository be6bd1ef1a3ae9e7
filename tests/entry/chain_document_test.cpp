// The data editor's document: a file's text kept to the byte where its data did not change, each
// edit undone exactly, new data placed where a saved file has them, unfinished triangles kept.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "entry/chain_document.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "state/chain_error.h"

namespace chainadj::testing {
namespace {

std::string example() {
  std::ifstream file(CHAINADJ_EXAMPLE_CHAIN, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A file with a byte-order mark, Windows line ends, a setting, quotes, comments on the lines
// and no line end at its end.
const std::string kWindowsFile =
    "\xEF\xBB\xBF# 锁\r\nXa 100  # A 点\r\nYa \"200\"\r\ngrade 三等\r\n\r\npoint 3#\r\n"
    "point\r\n60.0001   60.0002  -60.0003 # 一\r\n# 注释\r\n61 62 -57";

TEST(ChainDocument, SavesAnUnchangedFileToTheByte) {
  for (const std::string& text : {example(), kWindowsFile, std::string("60 60 60\r")}) {
    EXPECT_EQ(ChainDocument::read(text).text(), text);
  }
}

TEST(ChainDocument, RewritesOnlyTheChangedPartOfALine) {
  ChainDocument document = ChainDocument::read(kWindowsFile);
  document.apply(DocumentEdit::angle(0, 1, "60.0005"));
  document.apply(DocumentEdit::value(InputItem::Xa, "150.5"));
  document.apply(DocumentEdit::value(InputItem::Ya, " 7"));  // quoted, for its blank
  document.apply(DocumentEdit::name(0, "P 1"));
  EXPECT_EQ(document.text(),
            "\xEF\xBB\xBF# 锁\r\nXa 150.5  # A 点\r\nYa \" 7\"\r\ngrade 三等\r\n\r\npoint P 1\r\n"
            "point\r\n60.0001   60.0005  -60.0003 # 一\r\n# 注释\r\n61 62 -57");
  const ChainData read = parseChainData(document.text(), ChainChecks::Lines);
  EXPECT_EQ(read.values, document.data().values);
  EXPECT_EQ(read.settings, document.data().settings);
  EXPECT_EQ(read.triangles, document.data().triangles);
  EXPECT_EQ(read.names, (std::vector<std::string>{"P 1", ""}));  // the empty name at the end too
}

TEST(ChainDocument, PlacesNewDataWhereASavedFileHasThem) {
  ChainDocument document = ChainDocument::read("# 头\nXa 1\nYb 2\n# 点名\npoint A\n60 60 60\n# 尾\n");
  document.apply(DocumentEdit::value(InputItem::Xb, "3"));   // between Xa and Yb
  document.apply(DocumentEdit::value(InputItem::Qb, "0.3"));  // after the last value
  document.apply(DocumentEdit::name(2, "C"));                 // the names in between are empty
  document.apply(DocumentEdit::insertRows(1, {{"61", "59", "60"}}));
  document.apply(DocumentEdit::insertRows(0, {{"1", "2", "3"}}));
  EXPECT_EQ(document.text(),
            "# 头\nXa 1\nXb 3\nYb 2\nQb 0.3\n# 点名\npoint A\npoint\npoint C\n1 2 3\n60 60 60\n"
            "61 59 60\n# 尾\n");
}

// The settings lines (the project, the grade): changed where they stand, new ones after the
// values and settings, taken away by an empty text; every edit undone to the byte.
TEST(ChainDocument, EditsSettingsLinesInPlace) {
  ChainDocument document = ChainDocument::read(kWindowsFile);
  EditBatch undo = document.apply(DocumentEdit::setting("grade", "二等"));
  const EditBatch observer = document.apply(DocumentEdit::setting("observer", "张 三"));
  undo.insert(undo.begin(), observer.begin(), observer.end());
  EXPECT_EQ(document.setting("observer"), "张 三");
  EXPECT_EQ(document.text(),
            "\xEF\xBB\xBF# 锁\r\nXa 100  # A 点\r\nYa \"200\"\r\ngrade 二等\r\nobserver 张 三\r\n\r\n"
            "point 3#\r\npoint\r\n60.0001   60.0002  -60.0003 # 一\r\n# 注释\r\n61 62 -57");
  EXPECT_EQ(parseChainData(document.text(), ChainChecks::Lines).settings, document.data().settings);
  const EditBatch removal = document.apply(DocumentEdit::setting("grade", ""));
  EXPECT_EQ(document.text().find("grade"), std::string::npos);
  EXPECT_FALSE(document.data().setting("grade").has_value());
  document.apply(removal);
  document.apply(undo);
  EXPECT_EQ(document.text(), kWindowsFile);
  EXPECT_TRUE(document.apply(DocumentEdit::setting("no_such_line", "x")).empty());
}

TEST(ChainDocument, FillsANewChainAsASavedRunWouldBe) {
  ChainDocument document;
  document.apply(DocumentEdit::value(InputItem::Ya, "2"));
  document.apply(DocumentEdit::value(InputItem::Xa, "1"));
  document.apply(DocumentEdit::insertRows(0, {{"60", "60", "60"}}));
  document.apply(DocumentEdit::name(0, "A"));
  const ChainData data = document.data();
  EXPECT_EQ(document.text(), chainDataText(data));
}

TEST(ChainDocument, KeepsAnUnfinishedTriangleAsACommentThatARunIgnores) {
  ChainDocument document = ChainDocument::read("60 60 60\n");
  document.apply(DocumentEdit::insertRows(1, {{"53.52001", "", ""}}));
  const std::string text = document.text();
  EXPECT_EQ(text, "60 60 60\n# 未完成的三角形：53.52001 ? ?\n");
  EXPECT_EQ(parseChainData(text).triangles.size(), 1u);
  const ChainDocument again = ChainDocument::read(text);
  ASSERT_EQ(again.rowCount(), 2);
  EXPECT_EQ(again.row(1), (TriangleAngles{"53.52001", "", ""}));
  EXPECT_EQ(again.text(), text);
}

TEST(ChainDocument, RefusesALineTheReaderRefusesButOpensAChainItCannotRunYet) {
  EXPECT_THROW(ChainDocument::read("Xa 1\nXa 2\n"), ChainError);
  EXPECT_THROW(ChainDocument::read("60 60\n"), ChainError);
  EXPECT_EQ(ChainDocument::read("Xa 1\n").rowCount(), 0);                 // no triangles
  EXPECT_EQ(ChainDocument::read("100 100 100\n").rowCount(), 1);          // closure too large
  EXPECT_EQ(ChainDocument::read("point a\npoint b\npoint c\npoint d\n60 60 60\n").nameCount(), 4);
}

TEST(ChainDocument, IgnoresEditsThatPointAtNothing) {
  ChainDocument document = ChainDocument::read("60 60 60\n");
  EXPECT_TRUE(document.apply(DocumentEdit::angle(1, 0, "1")).empty());
  EXPECT_TRUE(document.apply(DocumentEdit::angle(0, 0, "60")).empty());  // no change
  EXPECT_TRUE(document.apply(DocumentEdit::removeRows(0, 2)).empty());
  EXPECT_TRUE(document.apply(DocumentEdit::insertRows(2, {{"1", "2", "3"}})).empty());
  EXPECT_TRUE(document.apply(DocumentEdit::value(InputItem::Xe, "")).empty());
  EXPECT_EQ(document.text(), "60 60 60\n");
}

// Random edits of every kind, then their undos in reverse: the file is back to the byte, and
// redoing them all gives the edited text again; so across a save in between.
TEST(ChainDocument, UndoesAnyRunOfEditsToTheByte) {
  std::mt19937 random(20261224);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int round = 0; round < 20; ++round) {
    ChainDocument document = ChainDocument::read(example());
    const std::string original = document.text();
    std::vector<EditBatch> undos;
    for (int step = 0; step < 30; ++step) {
      const int rows = document.rowCount();
      DocumentEdit edit;
      switch (pick(5)) {
        case 0: edit = DocumentEdit::angle(pick(rows + 1), pick(3), std::to_string(pick(90) + 1)); break;
        case 1: edit = DocumentEdit::value(static_cast<InputItem>(pick(20)), pick(3) ? "12.5" : ""); break;
        case 2: edit = DocumentEdit::name(pick(9), pick(2) ? "P" + std::to_string(step) : ""); break;
        case 3: edit = DocumentEdit::insertRows(pick(rows + 1), {{"50", "", "-70"}, {"1", "2", "3"}}); break;
        default: edit = DocumentEdit::removeRows(pick(rows + 1), 1 + pick(2));
      }
      undos.push_back(document.apply(edit));
      if (round % 2 == 1 && step == 15) document.markWritten();
    }
    const std::string edited = document.text();
    std::vector<EditBatch> redos;
    for (auto undo = undos.rbegin(); undo != undos.rend(); ++undo) redos.push_back(document.apply(*undo));
    if (round % 2 == 0) {
      EXPECT_EQ(document.text(), original) << round;
    }
    for (auto redo = redos.rbegin(); redo != redos.rend(); ++redo) document.apply(*redo);
    EXPECT_EQ(document.text(), edited) << round;
    EXPECT_EQ(ChainDocument::read(edited).text(), edited) << round;
  }
}

}  // namespace
}  // namespace chainadj::testing
