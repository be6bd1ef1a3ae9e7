// The dock 网图: the adjusted chain of a run drawn to its round scale with north up, a click on a
// point giving its values, the sketch of the editor's chain moving a point when an angle is
// edited, the note of a chain that cannot be run yet, and the wheel, the drag and 适合窗口.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "entry/chain_preview.h"
#include "report/chain_sketch.h"
#include "scripted_window.h"
#include "ui/chain_view.h"
#include "ui/chain_view_dock.h"
#include "ui/data_editor.h"
#include "ui/editor_document.h"

namespace chainadj::ui {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kPixel = 1.0;
constexpr double kSceneTolerance = 1e-6;

// The example chain opened into the editor and run, with 网图 shown.
struct ShownExample {
  Folder folder;
  fs::path file = folder / "example.chain";
  ScriptedWindow scripted;
  MainWindow& window = scripted.window;
  ChainViewDock& chainView = window.chainView();
  ChainView& view = chainView.view();

  ShownExample() {
    window.show();
    fs::copy_file(kExampleChain, file);
    scripted.choose(FileDialogPurpose::OpenData, file);
    window.openDataAction()->trigger();
    chainView.toggleAction()->trigger();
    QCoreApplication::processEvents();
  }
  void editAngle(int row, int column, const std::string& text) {
    window.editing().document().edit({DocumentEdit::angle(row, column, text)}, "test");
    EXPECT_TRUE(chainView.sketchPending());
    chainView.sketchNow();
  }
  QPoint onViewport(int j) const { return view.mapFromScene(view.scenePosition(j)); }
};

bool isRoundScale(double denominator) {
  const double decade = std::pow(10.0, std::floor(std::log10(denominator)));
  for (double step : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    if (std::fabs(denominator - step * decade) < 1e-9 * denominator) return true;
  }
  return false;
}

TEST(ChainView, IsADockTabbedWithTheEditorAndToggledFromTheViewMenu) {
  ScriptedWindow scripted;
  MainWindow& window = scripted.window;
  window.show();
  QDockWidget& dock = window.chainView().dock();
  EXPECT_EQ(dock.windowTitle(), QString::fromUtf8("网图"));
  EXPECT_TRUE(dock.isHidden());
  EXPECT_TRUE(window.tabifiedDockWidgets(&window.editing().dock()).contains(&dock));
  QMenu* view = window.menuBar()->findChild<QMenu*>("ViewMenu");
  ASSERT_NE(view, nullptr);
  QAction* toggle = window.chainView().toggleAction();
  EXPECT_TRUE(view->actions().contains(toggle));
  EXPECT_EQ(toggle->text(), QString::fromUtf8("网图"));
  EXPECT_TRUE(toggle->isCheckable());
  toggle->trigger();
  EXPECT_FALSE(dock.isHidden());
  toggle->trigger();
  EXPECT_TRUE(dock.isHidden());
}

// Every point where the report puts it: the offsets from A are those in the chain, east to the
// right and north up, at the round scale of the sheet on the screen's millimetres.
TEST(ChainView, ShowsTheAdjustedChainOfTheRunToScale) {
  ShownExample example;
  const RunReport report = example.window.reportOfLastRun();
  ASSERT_TRUE(example.view.report());
  EXPECT_EQ(example.view.report()->X, report.X);
  EXPECT_EQ(example.view.report()->Y, report.Y);
  EXPECT_TRUE(isRoundScale(example.view.denominator())) << example.view.denominator();
  const double magnification = example.view.ellipseMagnification();
  EXPECT_GE(magnification, 1.0);
  EXPECT_EQ(example.chainView.captionText(),
            QString::fromUtf8("平差成果：example.chain（误差椭圆放大 %1 倍）").arg(magnification));
  const double unitsPerMetre =
      example.view.logicalDpiX() / kMillimetresPerInch * 1000.0 / example.view.denominator();
  const QPointF a = example.view.scenePosition(0);
  for (std::size_t j = 0; j < report.X.size(); ++j) {
    SCOPED_TRACE(j);
    const QPointF at = example.view.scenePosition(static_cast<int>(j));
    EXPECT_NEAR(at.x() - a.x(), (report.Y[j] - report.Y[0]) * unitsPerMetre, kSceneTolerance);
    EXPECT_NEAR(at.y() - a.y(), -(report.X[j] - report.X[0]) * unitsPerMetre, kSceneTolerance);
    EXPECT_TRUE(example.view.sheetRect().contains(at));
    EXPECT_TRUE(example.view.viewport()->rect().contains(example.onViewport(static_cast<int>(j))));
  }
}

TEST(ChainView, AClickOnAPointGivesItsValues) {
  ShownExample example;
  const RunReport report = example.window.reportOfLastRun();
  const PointPrecision* p2 = report.newPointPrecision(2);
  ASSERT_NE(p2, nullptr);
  const auto mm = [](double metres) { return QString::number(metres * 1000.0, 'f', 1); };
  QTest::mouseClick(example.view.viewport(), Qt::LeftButton, {}, example.onViewport(2));
  EXPECT_EQ(example.chainView.valuesText(),
            QString::fromUtf8("P2：X = %1 米，Y = %2 米；mx = %3，my = %4，mp = %5，E = %6，F = %7 毫米")
                .arg(QString::number(report.X[2], 'f', 3), QString::number(report.Y[2], 'f', 3),
                     mm(p2->mx), mm(p2->my), mm(p2->mp), mm(p2->E), mm(p2->F)));
  QTest::mouseClick(example.view.viewport(), Qt::LeftButton, {}, example.onViewport(0));
  EXPECT_EQ(example.chainView.valuesText(),
            QString::fromUtf8("龙山：X = 31250.000 米，Y = 48760.000 米（已知点）"));
  // Beside every point: nothing.
  QTest::mouseClick(example.view.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(example.chainView.valuesText(), "");
}

// C(3) typed with the wrong sign: the sketch keeps points 0..3 and swings point 4 and those after
// it to the other side of the chain; 计算 then shows the results again.
TEST(ChainView, AnEditedAngleMovesItsPointInTheSketch) {
  ShownExample example;
  example.editAngle(2, 2, "-50.59590");  // 7″ less: the sketch of the chain nearly as typed
  EXPECT_EQ(example.chainView.captionText(), QString::fromUtf8("概略网图（未平差）"));
  ASSERT_TRUE(example.view.report());
  const RunReport before = *example.view.report();
  example.editAngle(2, 2, "50.59597");
  ASSERT_TRUE(example.view.report());
  const RunReport& after = *example.view.report();
  for (std::size_t j = 0; j <= 3; ++j) {
    EXPECT_NEAR(after.X[j], before.X[j], 1e-6) << j;
    EXPECT_NEAR(after.Y[j], before.Y[j], 1e-6) << j;
  }
  // Triangle 3 no longer fans about point 1 with triangles 1 and 2: it turns at point 3, from where point 4 is placed.
  EXPECT_EQ(before.triangles[2].vertex[kIntervalAngle], 1);
  EXPECT_EQ(after.triangles[2].vertex[kIntervalAngle], 3);
  constexpr double kSwungAtLeastMetres = 100.0;
  EXPECT_GT(std::hypot(after.X[4] - before.X[4], after.Y[4] - before.Y[4]), kSwungAtLeastMetres);

  example.window.editing().editor().runAction()->trigger();
  EXPECT_FALSE(example.chainView.sketchPending());
  EXPECT_TRUE(example.chainView.captionText().startsWith(QString::fromUtf8("平差成果：example.chain")));
}

TEST(ChainView, AChainThatCannotBeRunShowsTheNote) {
  ShownExample example;
  example.editAngle(1, 0, "");
  const ChainData data = example.window.editing().document().chain().data();
  const std::optional<std::string> refusal = runRefusal(data);
  ASSERT_TRUE(refusal);
  const QString note = QString::fromStdString(kSketchRefusedPrefix + *refusal);
  EXPECT_EQ(example.view.note(), note);
  EXPECT_EQ(example.chainView.captionText(), note);
  EXPECT_FALSE(example.view.report());
  QTest::mouseClick(example.view.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(example.chainView.valuesText(), "");

  example.window.editing().newChain();
  example.chainView.sketchNow();
  EXPECT_TRUE(example.view.note().startsWith(QString::fromUtf8("数据不全，还不能画出网图：还没有三角形")))
      << example.view.note().toStdString();
}

void turnWheel(ChainView& view, const QPoint& at, int eighths) {
  QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, eighths),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view.viewport(), &wheel);
}

// The wheel zooms about the point under the cursor, a drag pans, 适合窗口 brings every point back.
TEST(ChainView, ZoomsAboutTheCursorPansAndFitsToTheWindow) {
  ShownExample example;
  ChainView& view = example.view;
  const QPoint p3 = example.onViewport(3);
  const double fitted = view.transform().m11();
  turnWheel(view, p3, 8 * 120);  // eight steps at once
  EXPECT_NEAR(view.transform().m11(), fitted * std::pow(1.25, 8), 1e-9 * fitted);
  EXPECT_NEAR(example.onViewport(3).x(), p3.x(), 2 * kPixel);
  EXPECT_NEAR(example.onViewport(3).y(), p3.y(), 2 * kPixel);
  int outside = 0;
  for (int j = 0; j <= 6; ++j) outside += !view.viewport()->rect().contains(example.onViewport(j));
  EXPECT_GT(outside, 0);

  const QPoint start = view.viewport()->rect().center();
  const QPoint before = example.onViewport(3);
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
  QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(40, 30)),
                   QPointF(view.viewport()->mapToGlobal(start + QPoint(40, 30))), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view.viewport(), &move);
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, start + QPoint(40, 30));
  EXPECT_NEAR(example.onViewport(3).x(), before.x() + 40, 2 * kPixel);
  EXPECT_NEAR(example.onViewport(3).y(), before.y() + 30, 2 * kPixel);
  EXPECT_EQ(example.chainView.valuesText(), "");  // a drag is no click

  view.fitAction()->trigger();
  EXPECT_NEAR(view.transform().m11(), fitted, 1e-9 * fitted);
  for (int j = 0; j <= 6; ++j) {
    EXPECT_TRUE(view.viewport()->rect().contains(example.onViewport(j))) << j;
  }
  EXPECT_EQ(view.fitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
}

}  // namespace
}  // namespace chainadj::ui
