// The quality check in the window: the dialog 平差设置 and the settings kept for the next start,
// the data file's lines over them for its run, the results table with its four tabs copied into
// a spreadsheet, and the error ellipses drawn into the report offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

#include "report/chain_figure.h"
#include "report/run_report.h"
#include "scripted_window.h"
#include "ui/chain_drawing.h"
#include "ui/copyable_table_view.h"
#include "ui/quality_settings_dialog.h"
#include "ui/quality_settings_store.h"
#include "ui/report_pdf.h"
#include "ui/results_table_dialog.h"

namespace chainadj::ui {
namespace {

QualitySettings settingsOf(const char* grade, double mBeta, double limit, double mAlpha,
                           double mBase, std::optional<AdjustmentMethod> method = std::nullopt) {
  return {{grade, mBeta, limit}, mAlpha, mBase, method};
}

void expectSettings(const QualitySettings& actual, const QualitySettings& expected) {
  EXPECT_EQ(actual.grade.name, expected.grade.name);
  EXPECT_DOUBLE_EQ(actual.grade.angleMeanError, expected.grade.angleMeanError);
  EXPECT_DOUBLE_EQ(actual.grade.triangleLimit, expected.grade.triangleLimit);
  EXPECT_DOUBLE_EQ(actual.azimuthMeanError, expected.azimuthMeanError);
  EXPECT_DOUBLE_EQ(actual.baseMeanError, expected.baseMeanError);
  EXPECT_EQ(actual.method, expected.method);
}

// The user's store starts empty in every test.
void clearStore() { userSettingsStore()->clear(); }

TEST(QualitySettingsDialog, ShowsEditsAndRestoresItsSettings) {
  QualitySettingsDialog dialog(settingsOf("三等", 2.0, 7.0, 1.5, 3.0));
  EXPECT_EQ(dialog.windowTitle().toStdString(), "平差设置");
  EXPECT_EQ(dialog.gradeBox()->count(), 5);
  expectSettings(dialog.settings(), settingsOf("三等", 2.0, 7.0, 1.5, 3.0));

  // A grade chosen brings its mβ and limit; the errors of the known data stay.
  dialog.gradeBox()->setCurrentIndex(3);
  emit dialog.gradeBox()->activated(3);
  expectSettings(dialog.settings(), settingsOf("一级", 5.0, 15.0, 1.5, 3.0));
  dialog.angleMeanErrorBox()->setValue(4.25);
  expectSettings(dialog.settings(), settingsOf("一级", 4.25, 15.0, 1.5, 3.0));

  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::RestoreDefaults)->click();
  expectSettings(dialog.settings(), settingsOf("四等", 2.5, 9.0, 0.0, 0.0));
}

// 平差方法 follows the grade as GB 50026 asks (二级 条件分组平差, the others 严密平差) and is kept as
// set where it is not the grade's.
TEST(QualitySettingsDialog, TheMethodFollowsTheGradeUnlessSet) {
  QualitySettingsDialog dialog(QualitySettings{});
  QComboBox& method = *dialog.methodBox();
  EXPECT_EQ(method.currentText().toStdString(), "严密平差");
  const auto chooseGrade = [&](int index) {
    dialog.gradeBox()->setCurrentIndex(index);
    emit dialog.gradeBox()->activated(index);
  };
  chooseGrade(4);
  EXPECT_EQ(method.currentText().toStdString(), "条件分组平差");
  EXPECT_EQ(dialog.settings().method, std::nullopt);
  method.setCurrentIndex(0);
  EXPECT_EQ(dialog.settings().method, AdjustmentMethod::Rigorous);
  chooseGrade(1);
  EXPECT_EQ(method.currentText().toStdString(), "严密平差");
  EXPECT_EQ(dialog.settings().method, std::nullopt);
  method.setCurrentIndex(1);
  EXPECT_EQ(dialog.settings().method, AdjustmentMethod::Classical);
  // Shown as set.
  QualitySettingsDialog again(dialog.settings());
  EXPECT_EQ(again.methodBox()->currentText().toStdString(), "条件分组平差");
  EXPECT_EQ(again.settings().method, AdjustmentMethod::Classical);
}

// Edited through the dialog, kept in the store, read by the next window; a cancelled dialog
// changes nothing.
TEST(QualitySettingsStore, KeepsTheDialogsSettingsForTheNextStart) {
  clearStore();
  const QualitySettings edited = settingsOf("二等", 1.2, 3.5, 0.7, 2.5, AdjustmentMethod::Classical);
  {
    MainWindow window;
    expectSettings(window.savedQualitySettings(), QualitySettings{});
    window.setSettingsEditor([](const QualitySettings& current) -> std::optional<QualitySettings> {
      QualitySettingsDialog dialog(current);
      dialog.gradeBox()->setCurrentIndex(0);
      emit dialog.gradeBox()->activated(0);
      dialog.angleMeanErrorBox()->setValue(1.2);
      dialog.azimuthMeanErrorBox()->setValue(0.7);
      dialog.baseMeanErrorBox()->setValue(2.5);
      dialog.methodBox()->setCurrentIndex(1);
      return dialog.settings();
    });
    window.qualitySettingsAction()->trigger();
    expectSettings(window.savedQualitySettings(), edited);
    window.setSettingsEditor([](const QualitySettings&) { return std::nullopt; });
    window.qualitySettingsAction()->trigger();
    expectSettings(window.savedQualitySettings(), edited);
  }
  expectSettings(loadQualitySettings(*userSettingsStore()), edited);
  const MainWindow next;
  expectSettings(next.savedQualitySettings(), edited);
}

// A store edited by hand: what is not sound is the grade's or the default's.
TEST(QualitySettingsStore, AnUnsoundStoreFallsBackToSoundValues) {
  clearStore();
  const std::unique_ptr<QSettings> store = userSettingsStore();
  store->setValue("quality/grade", "五等");
  store->setValue("quality/angleMeanError", "abc");
  store->setValue("quality/triangleLimit", -1);
  store->setValue("quality/azimuthMeanError", 1e9);
  store->setValue("quality/baseMeanError", 4);
  store->setValue("quality/method", "approximate");
  expectSettings(loadQualitySettings(*store), settingsOf("四等", 2.5, 9.0, 0.0, 4.0));
  store->setValue("quality/grade", "二级");
  expectSettings(loadQualitySettings(*store), settingsOf("二级", 10.0, 30.0, 0.0, 4.0));
}

// A typed run is checked with the kept settings; a data file's run with its lines over them (its
// grade bringing its own method); the next typed run with the kept settings again.
TEST(QualitySettingsStore, TheDataFilesLinesGoOverTheKeptSettingsForItsRun) {
  clearStore();
  saveQualitySettings(*userSettingsStore(), settingsOf("二级", 8.0, 30.0, 1.0, 2.0));
  const Folder folder;
  std::ofstream(folder / "graded.chain") << contents(kExampleChain) << "grade 三等\nm_beta 1.5\n";

  ScriptedWindow scripted;
  scripted.typeExample();
  expectSettings(scripted.window.qualitySettingsOfLastRun(), settingsOf("二级", 8.0, 30.0, 1.0, 2.0));
  scripted.choose(FileDialogPurpose::OpenData, folder / "graded.chain");
  scripted.window.openDataAction()->trigger();
  ASSERT_EQ(scripted.window.form().lastOutcome(), RunOutcome::Adjusted);
  expectSettings(scripted.window.qualitySettingsOfLastRun(), settingsOf("三等", 1.5, 7.0, 1.0, 2.0));
  scripted.window.resultsTableAction()->trigger();
  const QLabel* summary = scripted.window.resultsTableDialog()->findChild<QLabel*>();
  ASSERT_NE(summary, nullptr);
  const QStringList lines = summary->text().split('\n');
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines[0].toStdString(),
            "平差方法：严密平差（三等按 GB 50026 采用严密平差）；窗体显示的是条件分组平差的结果");
  EXPECT_TRUE(lines[1].startsWith(QString::fromUtf8("严密平差与条件分组平差的坐标之差：最大在 ")));
  EXPECT_TRUE(lines[2].startsWith(QString::fromUtf8("质量检核：三等，测角中误差 mβ 1.50 秒")))
      << summary->text().toStdString();
  scripted.typeExample();
  expectSettings(scripted.window.qualitySettingsOfLastRun(), settingsOf("二级", 8.0, 30.0, 1.0, 2.0));
  scripted.window.resultsTableAction()->trigger();
  EXPECT_TRUE(scripted.window.resultsTableDialog()->findChild<QLabel*>()->text().startsWith(
      QString::fromUtf8("平差方法：条件分组平差（二级按 GB 50026 采用条件分组平差）\n质量检核：二级")));
}

// The selection of a view as the clipboard gets it, copied with Ctrl+C.
QString copiedWithCtrlC(CopyableTableView& view) {
  QApplication::clipboard()->clear();
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  return QApplication::clipboard()->text();
}

TEST(ResultsTable, ShowsFourTabsAndCopiesASelectionAsTabSeparatedText) {
  clearStore();
  ScriptedWindow scripted;
  EXPECT_FALSE(scripted.window.resultsTableAction()->isEnabled());
  scripted.typeExample();
  ASSERT_TRUE(scripted.window.resultsTableAction()->isEnabled());
  scripted.window.resultsTableAction()->trigger();
  ResultsTableDialog* dialog = scripted.window.resultsTableDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle().toStdString(), "成果表 — 键入的数据");
  ASSERT_EQ(dialog->tabs()->count(), 4);
  // Tab, rows, columns, a column head: 5 triangles of three angles (by default 四等, adjusted
  // rigorously: with r, w and the mark); mβ and four conditions; five new points and B.
  const struct { const char* name; int rows, columns, column; const char* head; } kTabs[] = {
      {"三角形(&1)", 15, 11, 8, "r"},
      {"条件(&2)", 5, 4, 3, "结论"},
      {"点位(&3)", 6, 10, 9, "φ"},
      {"边长(&4)", 11, 7, 5, "相对中误差"},
  };
  for (int tab = 0; tab < 4; ++tab) {
    EXPECT_EQ(dialog->tabs()->tabText(tab).toStdString(), kTabs[tab].name);
    const QAbstractItemModel* model = dialog->view(tab)->model();
    EXPECT_EQ(model->rowCount(), kTabs[tab].rows) << kTabs[tab].name;
    EXPECT_EQ(model->columnCount(), kTabs[tab].columns) << kTabs[tab].name;
    EXPECT_EQ(model->headerData(kTabs[tab].column, Qt::Horizontal).toString().toStdString(),
              kTabs[tab].head);
  }

  // The summary names the largest standardised correction, the global test and the weakest side.
  const QString summary = dialog->findChild<QLabel*>()->text();
  for (const char* named : {"\n标准化改正数：最大 |w| = 1.00，三角形 5 的 C 角（P5 点）",
                            "\n全局检验（χ² 检验，95 %）：", "\n最弱边 P2–P3：相对中误差 1/174726"}) {
    EXPECT_TRUE(summary.contains(QString::fromUtf8(named))) << named;
  }

  CopyableTableView& points = *dialog->view(2);
  const QAbstractItemModel& model = *points.model();
  points.selectionModel()->select(QItemSelection(model.index(0, 1), model.index(1, 4)),
                                  QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(copiedWithCtrlC(points).toStdString(),
            "P1\t31862.435\t49903.906\t3.74\nP2\t30682.920\t49938.174\t5.96\n");
  // Two ranges: the cells between them stay empty; the known B has no precision.
  points.selectionModel()->select(QItemSelection(model.index(5, 1), model.index(5, 1)),
                                  QItemSelectionModel::ClearAndSelect);
  points.selectionModel()->select(QItemSelection(model.index(3, 3), model.index(3, 4)),
                                  QItemSelectionModel::Select);
  EXPECT_EQ(copiedWithCtrlC(points).toStdString(), "\t\t51013.464\t4.14\n虎岭\t\t\t\n");
  // Everything: the heads first, then every row.
  points.selectAll();
  const QStringList rows = copiedWithCtrlC(points).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 7);
  EXPECT_EQ(rows[0].toStdString(),
            "点号\t点名\t纵坐标 X（米）\t横坐标 Y（米）\tmx（毫米）\tmy（毫米）\tmp（毫米）\t"
            "E（毫米）\tF（毫米）\tφ");
  EXPECT_EQ(rows[6].toStdString(), "6\t虎岭\t33246.344\t51343.082\t\t\t\t\t\t");
}

int redPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.red() > 150 && pixel.green() < 100 && pixel.blue() < 100) ++count;
    }
  }
  return count;
}

// The drawing of a report, on an image of 160 by 160 millimetres at 4 pixels to the millimetre.
QImage drawn(const RunReport& report, ChainDrawingScale& scale) {
  constexpr double kUnitsPerMm = 4.0;
  QImage image(640, 640, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  scale = drawChain(painter, QRectF(0, 0, 640, 640), kUnitsPerMm, report);
  return image;
}

TEST(ReportDrawing, ShowsTheErrorEllipsesMagnifiedAndWritesThePdfOffscreen) {
  clearStore();
  ScriptedWindow scripted;
  scripted.typeExample();
  RunReport report = makeRunReport(scripted.window.form().driver(), QualitySettings{});

  ChainDrawingScale scale;
  const QImage withEllipses = drawn(report, scale);
  EXPECT_GT(scale.ellipseMagnification, 1.0);
  EXPECT_EQ(scale.ellipseMagnification, ellipseMagnification(report, scale.denominator));
  EXPECT_GT(redPixels(withEllipses), 50);

  const Folder folder;
  writeReportPdf(report, (folder / "ellipses.pdf").string());
  EXPECT_TRUE(isPdf(folder / "ellipses.pdf"));

  // Without any precision there is no ellipse, and nothing red.
  report.quality.points.clear();
  const QImage without = drawn(report, scale);
  EXPECT_EQ(scale.ellipseMagnification, 0.0);
  EXPECT_EQ(redPixels(without), 0);
}

}  // namespace
}  // namespace chainadj::ui
