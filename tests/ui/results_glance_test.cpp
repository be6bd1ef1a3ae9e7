// The window at a glance: results usable as soon as the adjustment has solved, 全部列出, the
// status line and the closures in red, nothing of an earlier run beside a new one, Qt's texts in
// Chinese, the keys and the help, and a window that can be made smaller.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTranslator>
#include <fstream>

#include "adjust/coordinate_listing.h"
#include "entry/prompt_texts.h"
#include "report/run_report.h"
#include "scripted_window.h"
#include "state/form_fields.h"
#include "ui/caption_label.h"
#include "ui/export_menu.h"
#include "ui/help_menu.h"
#include "ui/input_box.h"
#include "ui/qt_translation.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

constexpr std::size_t kExampleTriangles = 5;

std::string listingPrompt() { return kListingPrompt; }

std::size_t listingPrompts(const std::vector<std::string>& prompts) {
  return static_cast<std::size_t>(std::count(prompts.begin(), prompts.end(), listingPrompt()));
}

// The example chain with 20" added to angle A of its last triangle (57°53′54.0″ typed as
// 57°54′14.0″): its closure w(5) goes over the 9" of 四等.
fs::path exampleWithLastAngleOff(const Folder& folder) {
  std::string chain = contents(kExampleChain);
  const std::string typed = "57.53540 60.54054 -61.11576";
  const auto at = chain.find(typed);
  EXPECT_NE(at, std::string::npos);
  chain.replace(at, typed.size(), "57.54140 60.54054 -61.11576");
  const fs::path path = folder / "off.chain";
  std::ofstream(path) << chain;
  return path;
}

// Where the typed example's listing asks its first key press (1-based), and how many it asks.
struct ExampleListing {
  std::size_t first = 0;
  std::size_t count = 0;
};
ExampleListing exampleListing() {
  ScriptedWindow scripted;
  scripted.typeExample();
  const auto first = std::find(scripted.prompts.begin(), scripted.prompts.end(), listingPrompt());
  return {static_cast<std::size_t>(first - scripted.prompts.begin()) + 1, listingPrompts(scripted.prompts)};
}

TEST(ResultsAtAGlance, UsableWhileTheListingWaitsAndAfterItIsStopped) {
  const std::size_t kFirstListingPrompt = exampleListing().first;
  ScriptedWindow scripted;
  MainWindow& window = scripted.window;
  bool checked = false;
  scripted.duringRun = [&] {
    if (scripted.prompts.size() != kFirstListingPrompt) return;
    ASSERT_EQ(scripted.prompts.back(), listingPrompt());
    checked = true;
    EXPECT_TRUE(window.saveReportPdfAction()->isEnabled());
    EXPECT_TRUE(window.resultsTableAction()->isEnabled());
    EXPECT_EQ(window.reportOfLastRun().triangles.size(), kExampleTriangles);
    EXPECT_EQ(window.titleOfLastRun().toStdString(), "键入的数据");
    EXPECT_EQ(window.statusLine().toStdString().rfind("键入的数据：检核合格（", 0), 0u)
        << window.statusLine().toStdString();
  };
  scripted.stopAtPrompt = kFirstListingPrompt + 1;
  scripted.typeExample();
  ASSERT_TRUE(checked);
  ASSERT_EQ(window.form().lastOutcome(), RunOutcome::StoppedByUser);
  EXPECT_TRUE(window.printReportAction()->isEnabled());
  EXPECT_EQ(window.reportOfLastRun().lastListedPoint, static_cast<int>(kExampleTriangles) + 1);

  // A later run stopped at its third prompt leaves them, and says so.
  scripted.duringRun = nullptr;
  scripted.prompts.clear();
  scripted.stopAtPrompt = 3;
  scripted.typeExample();
  ASSERT_EQ(window.form().lastOutcome(), RunOutcome::StoppedByUser);
  EXPECT_TRUE(window.exportMenu().menu()->menuAction()->isEnabled());
  EXPECT_EQ(window.reportOfLastRun().triangles.size(), kExampleTriangles);
  EXPECT_EQ(window.statusLine().toStdString(), "计算已中止；成果仍是上一次计算（键入的数据）的");
}

TEST(ResultsAtAGlance, ListAllRunsTheListingToItsEnd) {
  const ExampleListing listing = exampleListing();
  ASSERT_EQ(listing.count, kExampleTriangles + 1);
  ScriptedWindow scripted;
  scripted.listAllAtPrompt = listing.first + 1;
  scripted.typeExample();
  ASSERT_EQ(scripted.window.form().lastOutcome(), RunOutcome::Adjusted);
  EXPECT_EQ(listingPrompts(scripted.prompts), 2u);  // the first point, then 全部列出
  const MainForm& form = scripted.window.form();
  const int last = scripted.window.reportOfLastRun().lastListedPoint;
  EXPECT_EQ(form.label(label::kListedName)->text().toStdString(), " N(" + std::to_string(last) + ")");
  EXPECT_EQ(form.box(box::kPointName)->text().toStdString(), "  " + scripted.window.reportOfLastRun().names[last]);

  // The next run asks every key press of its listing again.
  scripted.listAllAtPrompt.reset();
  scripted.prompts.clear();
  scripted.typeExample();
  EXPECT_EQ(listingPrompts(scripted.prompts), listing.count);
}

TEST(ResultsAtAGlance, TheListingBoxHasListAll) {
  InputBox listing(QString::fromUtf8(kListingPrompt), nullptr, 1.0, QString(), true);
  QPushButton* all = listing.findChild<QPushButton*>("listAll");
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(all->text().toStdString(), "全部列出");
  all->click();
  EXPECT_TRUE(listing.answer().listsAll);
  const InputBox value(QString::fromUtf8("请输入"), nullptr);
  EXPECT_EQ(value.findChild<QPushButton*>("listAll"), nullptr);
}

TEST(ResultsAtAGlance, TheStatusLineNamesTheTriangleOverItsLimitAndTheBoxTurnsRed) {
  const Folder folder;
  ScriptedWindow scripted;
  MainWindow& window = scripted.window;
  window.openFile(QString::fromStdString(exampleWithLastAngleOff(folder).string()));
  ASSERT_TRUE(window.form().driver().solvedRun() != nullptr);
  const std::string status = window.statusLine().toStdString();
  EXPECT_EQ(status.rfind("off.chain：超限：三角形 5 的闭合差", 0), 0u) << status;
  // 20" in 15 angles: the angle mean error from the closures, 5.2", is over the 2.5" of 四等 too.
  EXPECT_NE(status.find("；测角中误差超过所选等级的 mβ"), std::string::npos) << status;
  EXPECT_TRUE(window.form().box(box::kTriangleClosure)->overLimit());
  EXPECT_TRUE(window.form().box(box::kMeanError)->overLimit());
  EXPECT_FALSE(window.form().box(box::kAzimuthClosure)->overLimit());

  // The example as it is passes; its boxes are drawn as usual again.
  window.openFile(QString::fromStdString(kExampleChain));
  EXPECT_EQ(window.statusLine().toStdString().rfind("example.chain：检核合格（四等，", 0), 0u)
      << window.statusLine().toStdString();
  for (int box = 1; box <= 36; ++box) EXPECT_FALSE(window.form().box(box)->overLimit()) << box;
}

TEST(ResultsAtAGlance, NothingOfAnEarlierRunStandsBesideANewOne) {
  ScriptedWindow scripted;
  scripted.typeExample();
  const MainForm& form = scripted.window.form();
  ASSERT_FALSE(form.box(box::kMeanError)->text().isEmpty());
  scripted.stopAtPrompt = 2;
  scripted.prompts.clear();
  scripted.typeExample();
  for (int box = 1; box <= 36; ++box) {
    if (box == box::kTriangleCount) continue;  // the new run's echo of its count
    EXPECT_TRUE(form.box(box)->text().isEmpty()) << box;
  }
  const MainForm fresh;
  EXPECT_EQ(form.label(label::kListedName)->text(), fresh.label(label::kListedName)->text());
}

TEST(ResultsAtAGlance, SaveAndExportAreConfirmedInTheStatusBar) {
  const Folder folder;
  ScriptedWindow scripted;
  scripted.typeExample();
  scripted.choose(FileDialogPurpose::SaveReportPdf, folder / "report.pdf");
  scripted.window.saveReportPdfAction()->trigger();
  EXPECT_TRUE(isPdf(folder / "report.pdf"));
  EXPECT_EQ(scripted.window.lastFileNote().toStdString(),
            "成果报告已保存：" + (folder / "report.pdf").string());
}

TEST(ResultsAtAGlance, F9StartsATypedRun) {
  ScriptedWindow scripted;
  scripted.window.typedRunAction()->trigger();
  ASSERT_FALSE(scripted.prompts.empty());
  EXPECT_EQ(scripted.prompts.front(), kTriangleCountPrompt);
  EXPECT_EQ(scripted.window.typedRunAction()->shortcut(), QKeySequence(Qt::Key_F9));
}

TEST(ResultsAtAGlance, QtSpeaksChinese) {
  QTranslator* translator = installQtTranslations(*QCoreApplication::instance());
  ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is not installed";
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "取消");
  EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().toStdString(), "保存");
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

TEST(ResultsAtAGlance, HelpTellsTheTwoWaysTheAngleFormatAndTheVersion) {
  const std::string guide = userGuideText().toStdString();
  for (const char* part : {"计 算（F9）", "数据编辑", "度.分分秒秒", "间隔角 C(i)", "定向角 Qa", "全部列出"}) {
    EXPECT_NE(guide.find(part), std::string::npos) << part;
  }
  EXPECT_NE(aboutText().toStdString().find(std::string("chainadj ") + programVersion()), std::string::npos);
}

TEST(ResultsAtAGlance, AWindowMadeSmallerDrawsTheFormSmaller) {
  MainWindow window;
  window.show();
  ASSERT_EQ(window.form().scale(), 1.0);
  const QSize opened = window.size();
  window.resize(opened.width() / 2, opened.height() / 2);
  QCoreApplication::processEvents();
  EXPECT_LT(window.form().scale(), 0.75);
  const QWidget* area = window.centralWidget();
  EXPECT_LE(window.form().width(), area->width());
  EXPECT_LE(window.form().height(), area->height());
  window.resize(opened);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.form().scale(), 1.0);
}

}  // namespace
}  // namespace chainadj::ui
