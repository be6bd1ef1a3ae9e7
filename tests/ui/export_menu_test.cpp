// The window's 文件 → 导出: its items only after a completed run, each format written through its
// dialog with the message that names the file, the last choice offered again, a file that cannot
// be written said; and the export dialog with its encoding and its 带 BOM tick.
#include "ui/export_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <sstream>

#include "report/cass_coordinates.h"
#include "report/coordinate_csv.h"
#include "scripted_window.h"
#include "ui/export_dialog.h"

namespace chainadj::ui {
namespace {

// The window with its exports' dialogs answered: each chosen file kept with its format.
struct ExportingWindow : ScriptedWindow {
  ExportingWindow() {
    window.exportMenu().setChooser([this](ExportFormat format, const ExportChoice& last) {
      offered.push_back(last.file.toStdString());
      if (!answer) return std::optional<ExportChoice>();
      ExportChoice choice = *answer;
      choice.file = QString::fromStdString(answerFile.string());
      chosen.push_back(format);
      return std::optional<ExportChoice>(choice);
    });
  }
  RunReport report() {
    return makeRunReport(window.form().driver(), window.qualitySettingsOfLastRun());
  }

  std::optional<ExportChoice> answer = ExportChoice{};
  fs::path answerFile;
  std::vector<std::string> offered;
  std::vector<ExportFormat> chosen;
};

TEST(ExportMenu, OffersItsFormatsOnlyAfterACompletedRun) {
  ExportingWindow scripted;
  ExportMenu& exports = scripted.window.exportMenu();
  std::vector<std::string> items;
  for (const QAction* action : exports.menu()->actions())
    items.push_back(action->text().toStdString());
  EXPECT_EQ(items, (std::vector<std::string>{"DXF 图形（CAD）…", "CASS 坐标文件…", "Excel 成果表…",
                                             "座标 CSV…", "JSON 成果…"}));
  EXPECT_EQ(exports.menu()->title().toStdString(), "导出");
  EXPECT_FALSE(exports.menu()->menuAction()->isEnabled());
  // Triggered while disabled it asks nothing.
  exports.action(ExportFormat::Dxf)->trigger();
  EXPECT_TRUE(scripted.offered.empty());
  scripted.typeExample();
  EXPECT_TRUE(exports.menu()->menuAction()->isEnabled());
}

struct ExportCase {
  const char* what;
  ExportFormat format;
  ExportChoice choice;
  const char* file;     // as chosen, without its extension
  const char* written;  // the file the extension makes of it
  const char* message;  // before the file's path
  // What the file must hold, from the report of the run.
  std::function<bool(const std::string& contents, const RunReport& report)> holds;
};

std::string csvOf(const RunReport& report, ByteOrderMark mark) {
  std::ostringstream out;
  writeCoordinateCsv(report, out, mark);
  return out.str();
}

const ExportCase kExportCases[] = {
    {"Dxf",
     ExportFormat::Dxf,
     {},
     "drawing",
     "drawing.dxf",
     "DXF 图形文件已导出：",
     [](const std::string& file, const RunReport&) { return file.rfind("999\ndxflib ", 0) == 0; }},
    {"CassInGbk",
     ExportFormat::Cass,
     {},
     "points",
     "points.dat",
     "CASS 坐标文件（GBK）已导出：",
     [](const std::string& file, const RunReport& report) {
       return file == cassCoordinateText(report, TextEncoding::Gbk) &&
              file.rfind("\xC1\xFA\xC9\xBD,,", 0) == 0;  // 龙山 in GBK
     }},
    {"CassInUtf8",
     ExportFormat::Cass,
     {{}, TextEncoding::Utf8},
     "points",
     "points.dat",
     "CASS 坐标文件（UTF-8）已导出：",
     [](const std::string& file, const RunReport&) {
       return file.rfind("龙山,,48760.000,", 0) == 0;
     }},
    {"Workbook",
     ExportFormat::Workbook,
     {},
     "results",
     "results.xlsx",
     "Excel 成果表已导出：",
     [](const std::string& file, const RunReport&) { return file.rfind("PK\x03\x04", 0) == 0; }},
    {"CsvWithItsMark",
     ExportFormat::Csv,
     {},
     "points",
     "points.csv",
     "座标 CSV 文件（带 BOM）已导出：",
     [](const std::string& file, const RunReport& report) {
       return file == csvOf(report, ByteOrderMark::With);
     }},
    {"Json",
     ExportFormat::Json,
     {},
     "results",
     "results.json",
     "JSON 成果文件已导出：",
     [](const std::string& file, const RunReport&) {
       return file.rfind("{", 0) == 0 && file.find("\"method\"") != std::string::npos;
     }},
    {"CsvWithoutAMark",
     ExportFormat::Csv,
     {{}, TextEncoding::Gbk, ByteOrderMark::Without},
     "points.csv",
     "points.csv",
     "座标 CSV 文件已导出：",
     [](const std::string& file, const RunReport& report) {
       return file == csvOf(report, ByteOrderMark::Without);
     }},
};

class Exports : public ::testing::TestWithParam<ExportCase> {};

TEST_P(Exports, WriteTheirFileAndNameIt) {
  const ExportCase& c = GetParam();
  const Folder folder;
  ExportingWindow scripted;
  scripted.typeExample();
  scripted.answer = c.choice;
  scripted.answerFile = folder / c.file;
  scripted.window.exportMenu().action(c.format)->trigger();
  const fs::path written = folder / c.written;
  ASSERT_EQ(scripted.messages, std::vector<std::string>{c.message + written.string()});
  EXPECT_TRUE(c.holds(contents(written), scripted.report())) << contents(written).substr(0, 60);
}

INSTANTIATE_TEST_SUITE_P(Table, Exports, ::testing::ValuesIn(kExportCases),
                         [](const auto& info) { return std::string(info.param.what); });

// The next export offers the last file with its own extension; a cancelled one writes nothing.
TEST(ExportMenu, OffersTheLastFileAgainAndACancelWritesNothing) {
  const Folder folder;
  ExportingWindow scripted;
  scripted.typeExample();
  scripted.answerFile = folder / "chain.dxf";
  scripted.window.exportMenu().action(ExportFormat::Dxf)->trigger();
  scripted.answer.reset();
  scripted.window.exportMenu().action(ExportFormat::Cass)->trigger();
  EXPECT_EQ(scripted.offered, (std::vector<std::string>{"", (folder / "chain.dat").string()}));
  EXPECT_FALSE(fs::exists(folder / "chain.dat"));
  EXPECT_EQ(scripted.messages.size(), 1u);
}

TEST(ExportMenu, SaysWhenAFileCannotBeWritten) {
  ExportingWindow scripted;
  scripted.typeExample();
  scripted.answerFile = "/nonexistent/chain.xlsx";
  scripted.window.exportMenu().action(ExportFormat::Workbook)->trigger();
  EXPECT_EQ(scripted.messages,
            std::vector<std::string>{"不能写入 Excel 成果表 “/nonexistent/chain.xlsx”。"});
}

TEST(ExportDialog, AsksTheEncodingOfACassFile) {
  ExportDialog dialog(ExportFormat::Cass, ExportChoice{});
  EXPECT_EQ(dialog.byteOrderMarkBox(), nullptr);
  ASSERT_NE(dialog.encodingBox(), nullptr);
  EXPECT_EQ(dialog.choice().encoding, TextEncoding::Gbk);
  EXPECT_FALSE(dialog.okButton()->isEnabled());  // no file yet
  dialog.fileBox()->setText("/tmp/points");
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  dialog.encodingBox()->setCurrentIndex(1);
  const ExportChoice choice = dialog.choice();
  EXPECT_EQ(choice.encoding, TextEncoding::Utf8);
  EXPECT_EQ(choice.file.toStdString(), "/tmp/points.dat");
}

TEST(ExportDialog, TicksTheByteOrderMarkOfACsvAtFirst) {
  ExportDialog dialog(ExportFormat::Csv, ExportChoice{});
  EXPECT_EQ(dialog.encodingBox(), nullptr);
  ASSERT_NE(dialog.byteOrderMarkBox(), nullptr);
  EXPECT_TRUE(dialog.byteOrderMarkBox()->isChecked());
  dialog.byteOrderMarkBox()->setChecked(false);
  EXPECT_EQ(dialog.choice().mark, ByteOrderMark::Without);
  // The other formats ask for the file alone.
  const ExportDialog drawing(ExportFormat::Dxf, ExportChoice{QString::fromUtf8("/tmp/a.b/chain")});
  EXPECT_EQ(drawing.encodingBox(), nullptr);
  EXPECT_EQ(drawing.byteOrderMarkBox(), nullptr);
  EXPECT_EQ(drawing.choice().file.toStdString(), "/tmp/a.b/chain.dxf");
}

}  // namespace
}  // namespace chainadj::ui
