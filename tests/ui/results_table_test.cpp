// The results table follows its run: its title names the run, it shows each completed run's
// report in place and keeps the last when a run stops before solving; it fits small screens, its
// columns are as wide as their texts, its tabs are reached from the keyboard, 只看超限 leaves the
// rows over their limit and 转到三角形 N selects triangle N.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <set>

#include "scripted_window.h"
#include "ui/copyable_table_view.h"
#include "ui/over_limit_rows.h"
#include "ui/quality_settings_store.h"
#include "ui/results_table_dialog.h"

namespace chainadj::ui {
namespace {

using Tab = ResultsTableDialog::Tab;

// The example chain with `from` replaced by `to` and the `extra` lines added.
void writeVariant(const fs::path& path, const std::string& from, const std::string& to,
                  const std::string& extra = "") {
  std::string text = contents(kExampleChain);
  const std::size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
  std::ofstream(path) << text << extra;
}

// The window, its settings those of a new user, with the results table of `file` open.
class OpenTable {
 public:
  explicit OpenTable(const fs::path& file) {
    userSettingsStore()->clear();
    open(file);
    scripted.window.resultsTableAction()->trigger();
  }
  void open(const fs::path& file) {
    scripted.choose(FileDialogPurpose::OpenData, file);
    scripted.window.openDataAction()->trigger();
  }
  ResultsTableDialog& dialog() const { return *scripted.window.resultsTableDialog(); }
  QString cell(int tab, int row, int column) const {
    const QAbstractItemModel& model = *dialog().view(tab)->model();
    return model.index(row, column).data().toString();
  }

  ScriptedWindow scripted;
};

std::set<int> selectedRows(const CopyableTableView& view) {
  std::set<int> rows;
  for (const QModelIndex& index : view.selectionModel()->selectedRows()) rows.insert(index.row());
  return rows;
}

TEST(ResultsTableRun, ItsTitleNamesTheRunAndItFollowsEveryRunThatSolves) {
  const Folder folder;
  writeVariant(folder / "renamed.chain", "point P2\n", "point 青龙山\n");
  OpenTable table(kExampleChain);
  ResultsTableDialog* dialog = &table.dialog();
  EXPECT_EQ(dialog->windowTitle().toStdString(), "成果表 — example.chain");
  EXPECT_EQ(table.cell(Tab::kPoints, 1, 1).toStdString(), "P2");
  dialog->tabs()->setCurrentIndex(Tab::kSides);

  // Another file: the same table shows its run, on the tab it showed.
  table.open(folder / "renamed.chain");
  ASSERT_EQ(table.scripted.window.form().lastOutcome(), RunOutcome::Adjusted);
  ASSERT_EQ(table.scripted.window.resultsTableDialog(), dialog);
  EXPECT_EQ(dialog->windowTitle().toStdString(), "成果表 — renamed.chain");
  EXPECT_EQ(table.cell(Tab::kPoints, 1, 1).toStdString(), "青龙山");
  EXPECT_EQ(dialog->tabs()->currentIndex(), Tab::kSides);

  // A typed run stopped before it solves leaves the table as it is.
  table.scripted.prompts.clear();
  table.scripted.stopAtPrompt = 3;
  table.scripted.typeExample();
  ASSERT_EQ(table.scripted.window.form().lastOutcome(), RunOutcome::StoppedByUser);
  EXPECT_EQ(dialog->windowTitle().toStdString(), "成果表 — renamed.chain");
  EXPECT_EQ(table.cell(Tab::kPoints, 1, 1).toStdString(), "青龙山");

  // A typed run that solves is named so.
  table.scripted.stopAtPrompt.reset();
  table.scripted.prompts.clear();
  table.scripted.typeExample();
  EXPECT_EQ(dialog->windowTitle().toStdString(), "成果表 — 键入的数据");
  EXPECT_EQ(table.cell(Tab::kPoints, 1, 1).toStdString(), "P2");
}

// Screens in logical pixels: 1920×1080 at 200 % with a panel, 1366×768 at 150 %, a tiny one.
class ResultsTableFit : public ::testing::TestWithParam<QRect> {};

TEST_P(ResultsTableFit, StaysInsideTheScreenAndTheTablesScroll) {
  OpenTable table(kExampleChain);
  ResultsTableDialog& dialog = table.dialog();
  const QRect available = GetParam();
  dialog.fitTo(available);
  EXPECT_TRUE(available.contains(dialog.frameGeometry()))
      << dialog.width() << "×" << dialog.height();
  EXPECT_LE(dialog.height(), available.height() * 0.9 + 1);
  EXPECT_LE(dialog.width(), available.width() * 0.9 + 1);
  QApplication::processEvents();  // the layout follows
  const CopyableTableView& triangles = *dialog.view(Tab::kTriangles);
  const int shownHeight = triangles.viewport()->height();
  EXPECT_LT(shownHeight, triangles.model()->rowCount() * triangles.rowHeight(0))
      << "the triangles scroll";
  EXPECT_GE(shownHeight, 2 * triangles.rowHeight(0)) << "the summary leaves the tables room";
}

INSTANTIATE_TEST_SUITE_P(Screens, ResultsTableFit,
                         ::testing::Values(QRect(0, 0, 960, 516), QRect(0, 0, 910, 488),
                                           QRect(100, 50, 640, 400)));

TEST(ResultsTableFit, IsShownInsideItsScreen) {
  OpenTable table(kExampleChain);
  ResultsTableDialog& dialog = table.dialog();
  const QRect available = dialog.screen()->availableGeometry();
  EXPECT_TRUE(available.contains(dialog.frameGeometry()))
      << dialog.width() << "×" << dialog.height() << " on " << available.width() << "×"
      << available.height();
}

// Every column holding the name is as wide as the name; every head is whole.
void expectWholeTexts(const OpenTable& table, const QString& name) {
  const ResultsTableDialog& dialog = table.dialog();
  // Tab and a column with the name in it.
  const struct { int tab, column; } kNamed[] = {
      {Tab::kTriangles, 1}, {Tab::kPoints, 1}, {Tab::kSides, 1}, {Tab::kSides, 2}};
  for (const auto& named : kNamed) {
    const CopyableTableView& view = *dialog.view(named.tab);
    const QAbstractItemModel& model = *view.model();
    ASSERT_FALSE(model.match(model.index(0, named.column), Qt::DisplayRole, name, 1,
                             Qt::MatchExactly).isEmpty())
        << named.tab << " " << named.column;
    EXPECT_EQ(view.textElideMode(), Qt::ElideNone);
    EXPECT_LE(view.fontMetrics().horizontalAdvance(name), view.columnWidth(named.column))
        << named.tab << " " << named.column;
  }
  for (int tab = 0; tab < Tab::kTabCount; ++tab) {
    const CopyableTableView& view = *dialog.view(tab);
    const QHeaderView& header = *view.horizontalHeader();
    EXPECT_EQ(header.textElideMode(), Qt::ElideNone);
    for (int column = 0; column < view.model()->columnCount(); ++column) {
      const QString head = view.model()->headerData(column, Qt::Horizontal).toString();
      EXPECT_LE(header.fontMetrics().horizontalAdvance(head), view.columnWidth(column))
          << tab << " " << head.toStdString();
    }
  }
}

TEST(ResultsTableColumns, AreAsWideAsTheirLongestTextInTheFaceShown) {
  const Folder folder;
  const std::string longName = "西山顶三等三角点北侧偏心观测墩";
  writeVariant(folder / "long.chain", "point P3\n", "point " + longName + "\n");
  OpenTable table(folder / "long.chain");
  expectWholeTexts(table, QString::fromStdString(longName));
  // Shown again in a face twice as large: the columns follow it.
  ResultsTableDialog& dialog = table.dialog();
  dialog.hide();
  QFont larger = dialog.font();
  larger.setPointSizeF(larger.pointSizeF() * 2);
  dialog.setFont(larger);
  dialog.show();
  expectWholeTexts(table, QString::fromStdString(longName));
}

TEST(ResultsTableKeys, CtrlTabAndTheAltKeysReachEveryTab) {
  OpenTable table(kExampleChain);
  ResultsTableDialog& dialog = table.dialog();
  QTabWidget& tabs = *dialog.tabs();
  const char* kNames[] = {"三角形(&1)", "条件(&2)", "点位(&3)", "边长(&4)"};
  for (int tab = 0; tab < Tab::kTabCount; ++tab) {
    EXPECT_EQ(tabs.tabText(tab).toStdString(), kNames[tab]);
  }
  // From the table shown, round the tabs and back.
  const int kForward[] = {1, 2, 3, 0};
  for (int expected : kForward) {
    QTest::keyClick(dialog.view(tabs.currentIndex()), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs.currentIndex(), expected);
  }
  QTest::keyClick(dialog.view(tabs.currentIndex()), Qt::Key_Backtab,
                  Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tabs.currentIndex(), 3);
  // From the check box above the tables.
  QTest::keyClick(dialog.overLimitOnly(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs.currentIndex(), 0);

  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  for (int tab : {2, 1, 3, 0}) {
    QTest::keyClick(&dialog, static_cast<Qt::Key>(Qt::Key_1 + tab), Qt::AltModifier);
    EXPECT_EQ(tabs.currentIndex(), tab);
  }
}

// The example under the classical method, triangle 3's C 30″ smaller: its closure is −31.3″
// against the 四等 limit, the other triangles' within theirs.
void writeOneTriangleOverItsLimit(const fs::path& path) {
  writeVariant(path, "-50.59597", "-50.59297", "method classical\n");
}

TEST(ResultsTableFilter, OnlyOverLimitLeavesTheRowsOverTheirLimitOnEveryTab) {
  const Folder folder;
  writeOneTriangleOverItsLimit(folder / "over.chain");
  OpenTable table(folder / "over.chain");
  ResultsTableDialog& dialog = table.dialog();
  const auto rows = [&](int tab) { return dialog.view(tab)->model()->rowCount(); };
  const int allRows[] = {rows(0), rows(1), rows(2), rows(3)};
  EXPECT_EQ(allRows[Tab::kTriangles], 15);
  EXPECT_EQ(table.cell(Tab::kTriangles, 6, 4).toStdString(), "-31.30");

  dialog.overLimitOnly()->setChecked(true);
  ASSERT_EQ(rows(Tab::kTriangles), 3);
  EXPECT_EQ(table.cell(Tab::kTriangles, 0, 0).toStdString(), "3");
  EXPECT_EQ(table.cell(Tab::kTriangles, 2, 2).toStdString(), "C");
  // The conditions left all say 超限; points and sides have no limit.
  const int last = dialog.view(Tab::kConditions)->model()->columnCount() - 1;
  for (int row = 0; row < rows(Tab::kConditions); ++row) {
    EXPECT_EQ(table.cell(Tab::kConditions, row, last).toStdString(), "超限") << row;
  }
  EXPECT_EQ(rows(Tab::kPoints), 0);
  EXPECT_EQ(rows(Tab::kSides), 0);

  dialog.overLimitOnly()->setChecked(false);
  for (int tab = 0; tab < Tab::kTabCount; ++tab) EXPECT_EQ(rows(tab), allRows[tab]) << tab;
}

TEST(ResultsTableFilter, AVerdictOrMarkInTheLastColumnKeepsTheRowsOfItsGroup) {
  const std::vector<std::string> marks = {"", "", "", "", "可能粗差", "", "合格", "", "", "超限"};
  ReportTable table;
  table.columns = {{"x", 4, Align::Left}, {"备注", 4, Align::Left}};
  table.rows = marks.size();
  table.rowsPerGroup = 3;
  table.cell = [&](std::size_t row, std::size_t column, std::string& out) {
    out += column == 1 ? marks[row] : "0";
  };
  const std::vector<bool> expected = {false, false, false, true, true, true,
                                      false, false, false, true};
  EXPECT_EQ(overLimitRows(table), expected);
}

TEST(ResultsTableGoTo, SelectsTheTrianglesRowsOnItsTab) {
  const Folder folder;
  writeOneTriangleOverItsLimit(folder / "over.chain");
  OpenTable table(folder / "over.chain");
  ResultsTableDialog& dialog = table.dialog();
  QSpinBox& number = *dialog.triangleNumber();
  EXPECT_EQ(number.minimum(), 1);
  EXPECT_EQ(number.maximum(), 5);
  EXPECT_EQ(dialog.goToTriangleButton()->text().toStdString(), "转到三角形");
  dialog.tabs()->setCurrentIndex(Tab::kPoints);

  // Typed and Enter.
  number.setFocus();
  number.selectAll();
  QTest::keyClicks(&number, "4");
  QTest::keyClick(&number, Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible()) << "Enter goes to the triangle, it does not close the table";
  EXPECT_EQ(dialog.tabs()->currentIndex(), Tab::kTriangles);
  EXPECT_EQ(selectedRows(*dialog.view(Tab::kTriangles)), (std::set<int>{9, 10, 11}));

  // Among the rows over their limit; a triangle within its limit shows every row again.
  dialog.overLimitOnly()->setChecked(true);
  number.setValue(3);
  dialog.goToTriangleButton()->click();
  EXPECT_EQ(selectedRows(*dialog.view(Tab::kTriangles)), (std::set<int>{0, 1, 2}));
  number.setValue(1);
  dialog.goToTriangleButton()->click();
  EXPECT_FALSE(dialog.overLimitOnly()->isChecked());
  EXPECT_EQ(selectedRows(*dialog.view(Tab::kTriangles)), (std::set<int>{0, 1, 2}));
  EXPECT_EQ(table.cell(Tab::kTriangles, 0, 0).toStdString(), "1");
}

}  // namespace
}  // namespace chainadj::ui
