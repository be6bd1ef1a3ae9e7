// The window's 文件 menu: its items, the form kept in its place under it, the report items only
// after a completed run, a data file run as if typed (a refused one writing nothing), and the
// report saved as PDF and printed (the exports: export_menu_test.cpp).
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QPrinter>
#include <QScreen>
#include <QSignalSpy>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>

#include "adjust/coordinate_listing.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "report/run_report.h"
#include "scripted_window.h"
#include "ui/chain_editing.h"
#include "ui/export_menu.h"
#include "ui/main_form.h"
#include "ui/main_window.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

using MenuItems = std::vector<std::pair<std::string, std::string>>;

MenuItems itemsOf(const QMenu& menu) {
  MenuItems items;
  for (const QAction* action : menu.actions()) {
    if (!action->isSeparator()) {
      items.emplace_back(action->text().toStdString(), action->shortcut().toString().toStdString());
    }
  }
  return items;
}

TEST(FileMenu, HasItsItemsWithTheirKeys) {
  MainWindow window;
  std::vector<std::string> titles;
  for (const QAction* menu : window.menuBar()->actions()) titles.push_back(menu->text().toStdString());
  EXPECT_EQ(titles, (std::vector<std::string>{"文件(&F)", "编辑(&E)", "查看(&V)", "设置(&S)", "帮助(&H)"}));
  const QMenu* file = window.menuBar()->actions()[0]->menu();
  ASSERT_NE(file, nullptr);
  const MenuItems expected = {
      {"新建", "Ctrl+N"},          {"打开数据文件…", "Ctrl+O"}, {"最近的文件", ""},
      {"保存", "Ctrl+S"},          {"另存为…", "Ctrl+Shift+S"}, {"保存成果报告 PDF…", ""},
      {"打印成果报告…", "Ctrl+P"}, {"导出", ""},                {"退出", "Ctrl+Q"}};
  EXPECT_EQ(itemsOf(*file), expected);
  EXPECT_TRUE(file->actions().contains(window.exportMenu().menu()->menuAction()));
  const QMenu* edit = window.menuBar()->actions()[1]->menu();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(itemsOf(*edit), (MenuItems{{"撤销", "Ctrl+Z"}, {"重做", "Ctrl+Y"}, {"插入行", "Ins"},
                                       {"删除行", "Ctrl+Del"}, {"粘贴", "Ctrl+V"}, {"计算", "F5"}}));
}

// The form keeps its size and its controls their places; the window adds the menu bar's and the
// status bar's heights and the data editor beside the form.
TEST(FileMenu, StandsAboveTheFormWhichKeepsItsPlaces) {
  MainWindow window;
  window.show();
  MainForm alone;
  const int menuHeight = window.menuBar()->height();
  const int statusHeight = window.statusBar()->height();
  EXPECT_GT(menuHeight, 0);
  EXPECT_EQ(QRect(window.form().mapTo(&window, QPoint(0, 0)), window.form().size()),
            QRect(QPoint(0, menuHeight), alone.size()));
  const QDockWidget& editor = window.editing().dock();
  EXPECT_GE(editor.geometry().left(), alone.width());
  EXPECT_EQ(window.size(),
            alone.size() + QSize(window.width() - alone.width(), menuHeight + statusHeight));
  EXPECT_LE(editor.geometry().bottom(), window.height());
  for (int box = 1; box <= 36; ++box) {
    EXPECT_EQ(window.form().box(box)->geometry(), alone.box(box)->geometry()) << box;
  }
  // On a small screen the form shrinks so that the whole window, menu bar included, fits.
  window.form().fitTo(QRect(0, 0, 960, 520));
  window.layout()->activate();
  EXPECT_LT(window.form().scale(), 1.0);
  EXPECT_LE(window.height() + window.form().frameExtent().height(), 520);
  EXPECT_EQ(window.height(), window.form().height() + menuHeight + statusHeight);
}

void expectReportItems(const MainWindow& window, bool enabled) {
  EXPECT_EQ(window.saveReportPdfAction()->isEnabled(), enabled);
  EXPECT_EQ(window.printReportAction()->isEnabled(), enabled);
  EXPECT_EQ(window.exportMenu().menu()->menuAction()->isEnabled(), enabled);
}

TEST(FileMenu, ReportItemsOnceARunHasSolved) {
  ScriptedWindow scripted;
  MainWindow& window = scripted.window;
  expectReportItems(window, false);
  EXPECT_TRUE(window.openDataAction()->isEnabled());
  EXPECT_FALSE(window.saveDataAction()->isEnabled());

  // While the run waits for an answer only 退出 can be chosen.
  bool checked = false;
  scripted.duringRun = [&] {
    if (checked) return;
    checked = true;
    expectReportItems(window, false);
    EXPECT_FALSE(window.openDataAction()->isEnabled());
    EXPECT_FALSE(window.saveDataAction()->isEnabled());
    EXPECT_TRUE(window.quitAction()->isEnabled());
  };
  scripted.typeExample();
  ASSERT_TRUE(checked);
  ASSERT_EQ(window.form().lastOutcome(), RunOutcome::Adjusted);
  expectReportItems(window, true);
  EXPECT_TRUE(window.saveDataAction()->isEnabled());

  // A run stopped in its listing: its data can be saved, its results reported.
  scripted.duringRun = nullptr;
  scripted.prompts.clear();
  scripted.stopAtPrompt = 80;
  scripted.typeExample();
  ASSERT_EQ(window.form().lastOutcome(), RunOutcome::StoppedByUser);
  expectReportItems(window, true);
  EXPECT_TRUE(window.saveDataAction()->isEnabled());
}

TEST(FileMenu, ARefusedFileWritesNothing) {
  const Folder folder;
  std::ofstream(folder / "bad.chain") << "Xa 1\nXa 2\n60 60 60\n";
  ScriptedWindow scripted;
  scripted.choose(FileDialogPurpose::OpenData, folder / "bad.chain");
  scripted.window.openDataAction()->trigger();
  EXPECT_EQ(scripted.messages,
            std::vector<std::string>{"数据文件第 2 行：Xa 已经在第 1 行给出，不能重复。"});
  EXPECT_TRUE(scripted.prompts.empty());
  for (int box = 1; box <= 36; ++box) {
    EXPECT_TRUE(scripted.window.form().box(box)->text().isEmpty()) << box;
  }
  EXPECT_FALSE(scripted.window.form().lastOutcome().has_value());
  expectReportItems(scripted.window, false);
}

// The file answers every prompt but the listing's, which waits for a key per point; the form
// ends as after typing the same chain, and the run's data is saved again.
TEST(FileMenu, ADataFileRunsAsTypedAndIsSavedAgain) {
  const Folder folder;
  ScriptedWindow typed;
  typed.typeExample();

  ScriptedWindow loaded;
  loaded.choose(FileDialogPurpose::OpenData, kExampleChain);
  loaded.window.openDataAction()->trigger();
  ASSERT_EQ(loaded.window.form().lastOutcome(), RunOutcome::Adjusted) << loaded.messages.size();
  EXPECT_EQ(loaded.prompts, std::vector<std::string>(6, kListingPrompt));
  for (int box = 1; box <= 36; ++box) {
    EXPECT_EQ(loaded.window.form().box(box)->text(), typed.window.form().box(box)->text()) << box;
  }
  expectReportItems(loaded.window, true);

  loaded.choose(FileDialogPurpose::SaveData, folder / "again");  // the extension is added
  loaded.window.saveDataAction()->trigger();
  EXPECT_EQ(chainDataText(readChainFile((folder / "again.chain").string())),
            chainDataText(*typed.window.form().driver().lastRunData()));
}

TEST(FileMenu, SavesTheReportAsPdfAndPrintsIt) {
  const Folder folder;
  ScriptedWindow scripted;
  scripted.typeExample();
  MainWindow& window = scripted.window;

  scripted.choose(FileDialogPurpose::SaveReportPdf, folder / "report");
  window.saveReportPdfAction()->trigger();
  EXPECT_TRUE(isPdf(folder / "report.pdf"));

  const fs::path printed = folder / "printed.pdf";
  bool accept = false;
  window.setPrintDialog([&](QPrinter& printer) {
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printed.string()));
    return accept;
  });
  window.printReportAction()->trigger();  // cancelled
  EXPECT_FALSE(fs::exists(printed));
  accept = true;
  window.printReportAction()->trigger();
  EXPECT_TRUE(isPdf(printed));
  EXPECT_TRUE(scripted.messages.empty());
}

TEST(FileMenu, QuitEndsTheProgram) {
  MainWindow window;
  window.show();
  QSignalSpy ended(&window.form(), &MainForm::programEnded);
  window.quitAction()->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(window.form().platform().ending());
  EXPECT_EQ(ended.count(), 1);
}

}  // namespace
}  // namespace chainadj::ui
