// The data editor in the window: a file opened, an angle typed into its cell, undone and redone,
// run with F5 to the same boxes as the console's run of the edited file, the file's comments kept;
// a refused value; a spreadsheet block pasted; the question before unsaved data would go; a typed
// run filling the editor with its blunder noted; and a typed run restored after its process was
// killed.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "entry/chain_file_reader.h"
#include "scripted_window.h"
#include "ui/data_editor.h"
#include "ui/editor_document.h"
#include "ui/known_data_form.h"
#include "ui/recovery_store.h"
#include "ui/triangle_table_model.h"

namespace chainadj::ui {
namespace {

// A copy of the example chain in the test's folder, opened (and run as typed) in the window.
struct OpenedExample {
  Folder folder;
  fs::path file = folder / "example.chain";
  ScriptedWindow scripted;
  ChainEditing& editing = scripted.window.editing();

  OpenedExample() {
    scripted.window.show();
    fs::copy_file(kExampleChain, file);
    scripted.choose(FileDialogPurpose::OpenData, file);
    scripted.window.openDataAction()->trigger();
  }
  QString cell(int row, int column) const {
    QTableView& table = *editing.editor().triangleView();
    return table.model()->index(row, column).data().toString();
  }
  // Types `text` into a triangle cell as the user does: the cell's editor, then Enter.
  void type(int row, int column, const QString& text) {
    QTableView& table = *editing.editor().triangleView();
    const QModelIndex index = table.model()->index(row, column);
    table.setCurrentIndex(index);
    table.edit(index);
    QLineEdit* editor = nullptr;  // the cell's editor, not one closed before it
    for (QLineEdit* each : table.viewport()->findChildren<QLineEdit*>()) {
      if (each->isVisible()) editor = each;
    }
    ASSERT_NE(editor, nullptr);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate takes the value after the key
  }
};

TEST(DataEditor, EditsUndoesRedoesAndRunsWithF5AsTheConsoleRunsTheEditedFile) {
  OpenedExample example;
  ASSERT_EQ(example.scripted.window.form().lastOutcome(), RunOutcome::Adjusted);
  EXPECT_EQ(example.editing.document().chain().rowCount(), 5);
  EXPECT_FALSE(example.scripted.window.isWindowModified());
  EXPECT_TRUE(example.scripted.window.windowTitle().startsWith("example.chain[*]"));

  // B(3), 15″ more: its closure, −1.3″, goes over the 9″ of 四等.
  example.type(2, 1, "70.43400");
  EXPECT_EQ(example.cell(2, 1), "70.43400");
  EXPECT_EQ(example.cell(2, TriangleTableModel::kClosureColumn), "13.70 超限");
  EXPECT_TRUE(example.scripted.window.isWindowModified());
  example.type(2, 1, "70.43300");  // the same cell again: one undo takes both back
  example.editing.undoAction()->trigger();
  EXPECT_EQ(example.cell(2, 1), "70.43250");
  EXPECT_FALSE(example.scripted.window.isWindowModified());
  example.editing.redoAction()->trigger();
  EXPECT_EQ(example.cell(2, 1), "70.43300");

  const std::size_t prompts = example.scripted.prompts.size();
  example.editing.editor().runAction()->trigger();
  ASSERT_EQ(example.scripted.window.form().lastOutcome(), RunOutcome::Adjusted);
  EXPECT_EQ(example.scripted.prompts.size(), prompts);  // no prompt, not even the listing's

  example.editing.saveAction()->trigger();
  EXPECT_FALSE(example.scripted.window.isWindowModified());
  std::string expected = contents(kExampleChain);
  expected.replace(expected.find("70.43250"), 8, "70.43300");  // the comment after it stays
  EXPECT_EQ(contents(example.file), expected);
  // Every box as the console leaves it, and every caption the console wrote.
  const FrontEndResult console = dataFileOnConsole(example.file.string());
  std::map<std::string, std::string> shown = finalTextsOf(example.scripted.window.form());
  for (int box = 1; box <= 36; ++box) {
    const std::string name = "Text" + std::to_string(box);
    EXPECT_EQ(shown[name], console.finalTexts.count(name) ? console.finalTexts.at(name) : "") << name;
  }
  for (const auto& [name, text] : console.finalTexts) EXPECT_EQ(shown[name], text) << name;
  EXPECT_TRUE(example.scripted.messages.empty());
}

TEST(DataEditor, SavesAnUnchangedFileToTheByteAndRemembersIt) {
  OpenedExample example;
  example.editing.saveAction()->trigger();
  EXPECT_EQ(contents(example.file), contents(kExampleChain));
  const QStringList recent = example.editing.files().recentFiles();
  ASSERT_FALSE(recent.isEmpty());
  EXPECT_EQ(recent.front().toStdString(), fs::absolute(example.file).string());
  // Gone from the disk, it is told and leaves the list when it is chosen.
  fs::remove(example.file);
  example.editing.recentMenu()->actions().front()->trigger();
  ASSERT_FALSE(example.scripted.messages.empty());
  EXPECT_EQ(example.scripted.messages.back().rfind("不能打开数据文件", 0), 0u);
  EXPECT_FALSE(example.editing.files().recentFiles().contains(recent.front()));
}

// 项目信息 edits the chain's project lines: the report shows them, saving writes them, and the
// editor's undo takes them back.
TEST(DataEditor, KeepsTheProjectWithTheChain) {
  OpenedExample example;
  MainWindow& window = example.scripted.window;
  window.setProjectEditor([](const ProjectInfo& current) -> std::optional<ProjectInfo> {
    ProjectInfo edited = current;
    edited.observer = "张三";
    edited.checker = "李四";
    return edited;
  });
  window.projectInfoAction()->trigger();
  EXPECT_EQ(window.reportOfLastRun().project.observer, "张三");
  EXPECT_TRUE(window.isWindowModified());
  example.editing.saveAction()->trigger();
  const std::string saved = contents(example.file);
  EXPECT_NE(saved.find("\nobserver 张三\nchecker 李四\n"), std::string::npos) << saved;
  EXPECT_EQ(parseChainData(saved).setting("checker"), "李四");
  example.editing.undoAction()->trigger();
  EXPECT_EQ(window.reportOfLastRun().project.observer, "");
}

TEST(DataEditor, RefusesAValueAsTheReaderDoesAndSaysWhy) {
  OpenedExample example;
  example.type(0, 1, "62.6000");
  EXPECT_EQ(example.cell(0, 1), "62.38009");
  EXPECT_EQ(example.editing.editor().messageText().toStdString(),
            "第 1 个三角形的前进角 B 的 “62.6000” 分或秒不小于 60（角度按 度.分分秒秒 书写）");
  EXPECT_FALSE(example.editing.undoAction()->isEnabled());
}

// The known data's form: a value taken on Enter, a refused one put back with the reason, the
// kind of adjustment and the values a run asks following every change.
TEST(DataEditor, TakesKnownDataInItsFormAndFollowsTheKindOfAdjustment) {
  OpenedExample example;
  DataEditor& editor = example.editing.editor();
  const auto enter = [&](InputItem item, const char* text) {
    QLineEdit* field = editor.knownDataForm()->field(item);
    field->setFocus();
    field->setText(QString::fromUtf8(text));
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
    return field;
  };
  EXPECT_EQ(editor.selectionText().toStdString(),
            "平差：第 1 行（Cm1）：由起始边长按边条件、方位角条件和座标条件平差");
  EXPECT_EQ(enter(InputItem::Sa, "-5")->text(), "1297.535");
  EXPECT_EQ(editor.messageText().toStdString(), "Sa 是边长，不能是负数");
  enter(InputItem::Xc, "31000");
  EXPECT_EQ(example.editing.document().chain().value(InputItem::Xc), "31000");
  EXPECT_EQ(editor.selectionText().toStdString(),
            "没有适用的平差：已知点 C 只有一个座标是零：一个点要么两个座标都给出，要么都写 0（没有这个点）");
  EXPECT_FALSE(editor.knownDataForm()->field(InputItem::Xe)->isEnabled());  // not asked now
  example.editing.undoAction()->trigger();
  EXPECT_EQ(editor.knownDataForm()->field(InputItem::Xc)->text(), "0");
  EXPECT_TRUE(editor.knownDataForm()->field(InputItem::Xe)->isEnabled());
  EXPECT_FALSE(example.scripted.window.isWindowModified());
}

TEST(DataEditor, PastesASpreadsheetBlockAsOneEdit) {
  OpenedExample example;
  QTableView& table = *example.editing.editor().triangleView();
  table.setFocus();
  table.setCurrentIndex(table.model()->index(4, 0));
  QApplication::clipboard()->setText("A\tB\tC\r\n57.53540\t60.54054\t-61.11576\r\n50\t60\t-70.0003\r\n");
  example.editing.editor().pasteAction()->trigger();  // Ctrl+V in the table
  EXPECT_EQ(example.editing.document().chain().rowCount(), 6);
  EXPECT_EQ(example.cell(5, 2), "-70.0003");
  EXPECT_EQ(example.cell(5, TriangleTableModel::kClosureColumn), "3.00");
  example.editing.undoAction()->trigger();
  EXPECT_EQ(example.editing.document().chain().rowCount(), 5);
  EXPECT_FALSE(example.scripted.window.isWindowModified());
}

TEST(DataEditor, AsksBeforeUnsavedDataWouldGo) {
  OpenedExample example;
  example.scripted.window.show();
  example.type(0, 0, "53.52002");
  example.scripted.saveAnswer = SaveAnswer::Cancel;
  EXPECT_FALSE(example.scripted.window.close());
  EXPECT_TRUE(example.scripted.window.isVisible());
  example.editing.newAction()->trigger();  // cancelled too
  EXPECT_EQ(example.editing.document().chain().rowCount(), 5);
  EXPECT_EQ(example.scripted.saveQuestions, (std::vector<std::string>{"example.chain", "example.chain"}));

  example.scripted.saveAnswer = SaveAnswer::Save;
  EXPECT_TRUE(example.scripted.window.close());
  EXPECT_NE(contents(example.file).find("53.52002"), std::string::npos);
  EXPECT_TRUE(example.scripted.window.form().platform().ending());
}

// A typed run starts a new chain in the editor, which fills as the answers are confirmed; a
// triangle over its limit is noted in red under the next prompt, and only there.
TEST(DataEditor, ATypedRunFillsTheEditorAndNotesItsBlunder) {
  ScriptedWindow scripted;
  std::map<std::size_t, std::string> notes;
  scripted.duringRun = [&] {
    const QString& note = scripted.window.form().platform().noteForNextPrompt();
    if (!note.isEmpty()) notes[scripted.prompts.size() - 1] = note.toStdString();
  };
  scripted.typed = readLines(CHAINADJ_CONSOLE_GOLDEN_DIR "/example.in");
  scripted.typed.erase(scripted.typed.begin());
  const auto blunder = std::find(scripted.typed.begin(), scripted.typed.end(), "69.45287");
  ASSERT_NE(blunder, scripted.typed.end());
  *blunder = "69.45587";  // triangle 2: 30″ more
  scripted.window.form().Command1_Click();
  ASSERT_EQ(scripted.window.form().lastOutcome(), RunOutcome::Adjusted);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(scripted.prompts[notes.begin()->first], "请输入求距角  A(i)  的数值 :");
  EXPECT_EQ(notes.begin()->second, "第 2 个三角形的闭合差 w(2) = 29.10 秒，超过限差 9.00 秒");
  const ChainDocument& chain = scripted.window.editing().document().chain();
  EXPECT_EQ(chain.data(), *scripted.window.form().driver().lastRunData());
  EXPECT_TRUE(scripted.window.isWindowModified());
  EXPECT_TRUE(scripted.window.windowTitle().startsWith(QString::fromUtf8("未命名[*]")));
}

TEST(DataEditor, OpensAFileDroppedOnTheWindow) {
  const Folder folder;
  fs::copy_file(kExampleChain, folder / "dropped.chain");
  ScriptedWindow scripted;
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString((folder / "dropped.chain").string()))});
  ASSERT_TRUE(scripted.window.editing().accepts(dropped));
  scripted.window.editing().drop(dropped);
  EXPECT_EQ(scripted.window.form().lastOutcome(), RunOutcome::Adjusted);
  EXPECT_TRUE(scripted.window.windowTitle().startsWith("dropped.chain"));
  dropped.setUrls({QUrl::fromLocalFile("/nonexistent.chain")});
  EXPECT_FALSE(scripted.window.editing().accepts(dropped));
}

// A child window types the example up to B(3) and is killed there; the next window restores
// every value confirmed before the kill.
TEST(DataEditor, RestoresATypedRunAfterItsProcessWasKilled) {
  const Folder folder;
  const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString((folder / "data").string()));
  constexpr int kAnswered = 1 + 2 * 20 + 7 + 2 * 2 * 3 + 2;  // n, values, names, 2 triangles, A(3)
  QProcess child;
  child.start(CHAINADJ_TYPED_RUN_CHILD,
              {CHAINADJ_CONSOLE_GOLDEN_DIR "/example.in", QString::number(kAnswered)});
  ASSERT_TRUE(child.waitForReadyRead(20000)) << child.readAllStandardError().toStdString();
  EXPECT_EQ(child.readAllStandardOutput().trimmed().toStdString(), "waiting");
  ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
  ASSERT_TRUE(child.waitForFinished(20000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

  ScriptedWindow scripted;
  std::vector<std::string> offered;
  scripted.window.editing().recovery().setRestoreQuestion([&](const QString& description) {
    offered.push_back(description.toStdString());
    return true;
  });
  ASSERT_TRUE(scripted.window.offerRecovery());
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_NE(offered.front().find("一条新的锁还没有保存（3 个三角形"), std::string::npos) << offered.front();
  const ChainData example = readChainFile(kExampleChain);
  const ChainDocument& restored = scripted.window.editing().document().chain();
  EXPECT_EQ(restored.data().values, example.values);
  EXPECT_EQ(restored.data().names, example.names);
  ASSERT_EQ(restored.rowCount(), 3);
  EXPECT_EQ(restored.row(1), example.triangles[1]);
  EXPECT_EQ(restored.row(2), (TriangleAngles{example.triangles[2][0], "", ""}));
  EXPECT_TRUE(scripted.window.isWindowModified());
  // Nothing more to offer: the killed window's file went, this window's holds the chain now.
  EXPECT_FALSE(ScriptedWindow().window.offerRecovery());
  EXPECT_TRUE(fs::exists(scripted.window.editing().recovery().path().toStdString()));
  qputenv("XDG_DATA_HOME", dataHome);
}

}  // namespace
}  // namespace chainadj::ui
