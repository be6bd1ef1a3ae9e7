// The Gauss–Krüger plane in the window: the dialog 投影与归算 showing a chain's plane lines and
// giving them back, refusing what the data file's reader refuses; 设置 → 投影与归算… writing them
// into the editor's chain as one edit that 撤销 takes back; a run of the editor's chain and a typed
// run after it reduced onto their plane, the direction reductions those of the textbook's series;
// the plane switched off again.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <numbers>
#include <sstream>

#include "entry/chain_file_reader.h"
#include "report/run_report.h"
#include "report/text_report.h"
#include "scripted_window.h"
#include "state/chain_error.h"
#include "ui/editor_document.h"
#include "ui/plane_settings_dialog.h"
#include "ui/plane_settings_editing.h"

namespace chainadj::ui {
namespace {

constexpr double kArcSeconds = 180.0 * 3600.0 / std::numbers::pi;
// The example chain's Y of some 49 km, 100 km east of the central meridian 114°.
constexpr double kFalseEasting = 48760.0 - 100000.0;  // metres
constexpr const char* kFalseEastingText = "-51240";

// Every plane line: those given by `given`, the others "".
SettingLines planeLines(const SettingLines& given) {
  SettingLines lines;
  for (const PlaneSettingOption& option : planeSettingOptions()) {
    const auto found = given.find(option.keyword);
    lines[std::string(option.keyword)] = found == given.end() ? "" : found->second;
  }
  return lines;
}

ChainData chainOf(const char* lines) { return parseChainData(std::string(lines) + "60 60 60\n"); }

// The dialog as the user fills it for the example: central meridian 114, 1980西安, the chain put
// 100 km east of it, the bases measured at 350 m.
SettingLines fillForTheExample(const ChainData& current) {
  PlaneSettingsDialog dialog(current);
  dialog.reduceBox()->setChecked(true);
  dialog.box(kCentralMeridianSetting)->setText("114");
  dialog.ellipsoidBox()->setCurrentIndex(1);
  dialog.box(kFalseEastingSetting)->setText(kFalseEastingText);
  dialog.measuredBasesButton()->setChecked(true);
  dialog.box(kBaseHeightSetting)->setText("350");
  EXPECT_TRUE(dialog.okButton()->isEnabled()) << dialog.refusal().toStdString();
  return dialog.lines();
}

const SettingLines kExampleLines = planeLines({{"central_meridian", "114"},
                                               {"ellipsoid", "1980西安"},
                                               {"false_easting", kFalseEastingText},
                                               {"base_distances", "measured"},
                                               {"base_height", "350"}});

TEST(PlaneSettingsDialog, GivesTheLinesAsFilledLeavingDefaultsOut) {
  EXPECT_EQ(fillForTheExample(chainOf("")), kExampleLines);

  PlaneSettingsDialog dialog(chainOf(""));
  EXPECT_EQ(dialog.windowTitle().toStdString(), "投影与归算");
  EXPECT_FALSE(dialog.reduceBox()->isChecked());
  EXPECT_FALSE(dialog.box(kZoneSetting)->isEnabled());
  EXPECT_EQ(dialog.box(kFalseEastingSetting)->text().toStdString(), "500000");
  EXPECT_EQ(dialog.lines(), planeLines({}));
  dialog.reduceBox()->setChecked(true);
  dialog.box(kZoneSetting)->setText("39");
  EXPECT_EQ(dialog.lines(), planeLines({{"zone", "39"}}));
}

// A chain's lines are shown as typed, and given back as typed when nothing changes; switched off,
// every one of them goes.
TEST(PlaneSettingsDialog, ShowsTheChainsLinesAndKeepsThemAsTyped) {
  const ChainData chain = chainOf(
      "zone 39\nellipsoid Xian80\nfalse_easting 500000\nbase_distances measured\nbase_height 12.5\n");
  PlaneSettingsDialog dialog(chain);
  EXPECT_TRUE(dialog.reduceBox()->isChecked());
  EXPECT_EQ(dialog.box(kZoneSetting)->text().toStdString(), "39");
  EXPECT_EQ(dialog.ellipsoidBox()->currentText().toStdString(), "1980西安");
  EXPECT_TRUE(dialog.measuredBasesButton()->isChecked());
  EXPECT_TRUE(dialog.box(kBaseHeightSetting)->isEnabled());
  const SettingLines asTyped = planeLines({{"zone", "39"},
                                           {"ellipsoid", "Xian80"},
                                           {"false_easting", "500000"},
                                           {"base_distances", "measured"},
                                           {"base_height", "12.5"}});
  EXPECT_EQ(dialog.lines(), asTyped);
  dialog.planeBasesButton()->setChecked(true);  // plane bases have no mean height
  EXPECT_FALSE(dialog.box(kBaseHeightSetting)->isEnabled());
  SettingLines planeBases = asTyped;
  planeBases["base_distances"] = "plane";
  planeBases["base_height"] = "";
  EXPECT_EQ(dialog.lines(), planeBases);
  dialog.reduceBox()->setChecked(false);
  EXPECT_EQ(dialog.lines(), planeLines({}));
}

struct RefusedValue {
  std::string_view keyword;
  const char* typed;
  const char* message;
};

const RefusedValue kRefusedValues[] = {
    {kZoneSetting, "99",
     "或 投影带带号：zone 是投影带的带号：13 到 23 是 6° 带，24 到 45 是 3° 带，这里是 “99”。"},
    {kCentralMeridianSetting, "200",
     "中央子午线（度.分分秒秒）：central_meridian 是中央子午线的经度（度.分分秒秒，-180 到 180），"
     "这里是 “200”。"},
    {kCentralMeridianSetting, "117.6000",
     "中央子午线（度.分分秒秒）：central_meridian 是中央子午线的经度（度.分分秒秒，-180 到 180），"
     "这里是 “117.6000”。"},
    {kFalseEastingSetting, "五十万", "横坐标加常数（米）：这里应当是一个以米为单位的数，而不是 “五十万”。"},
    {kProjectionHeightSetting, "1e9", "投影面高程（米）：这里应当是一个以米为单位的数，而不是 “1e9”。"},
    {kBaseHeightSetting, "high", "实测边长的平均高程（米）：这里应当是一个以米为单位的数，而不是 “high”。"},
    {kZoneSetting, "", "归算到投影面要写上中央子午线的经度或投影带的带号。"},
};

// The dialog refuses a value as the data file's reader refuses its line, says why, and keeps 确定
// disabled until the value is put right.
TEST(PlaneSettingsDialog, RefusesAValueAsTheReaderDoesAndSaysWhy) {
  for (const RefusedValue& c : kRefusedValues) {
    SCOPED_TRACE(c.typed);
    PlaneSettingsDialog dialog(chainOf("zone 39\nbase_distances measured\n"));
    ASSERT_TRUE(dialog.okButton()->isEnabled());
    dialog.box(c.keyword)->setText(QString::fromUtf8(c.typed));
    EXPECT_EQ(dialog.refusal().toStdString(), c.message);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    if (*c.typed != '\0') {  // and the reader refuses the line
      EXPECT_THROW(chainOf((std::string(c.keyword) + " " + c.typed + "\n").c_str()), ChainError);
    }
    dialog.reduceBox()->setChecked(false);  // no plane: nothing to refuse
    EXPECT_TRUE(dialog.okButton()->isEnabled());
  }
  PlaneSettingsDialog plane(chainOf("zone 39\n"));
  plane.box(kBaseHeightSetting)->setText("high");  // not asked for plane bases
  EXPECT_TRUE(plane.okButton()->isEnabled());
}

// The example chain opened into the editor (and run as typed from its file).
struct ExampleInEditor {
  Folder folder;
  fs::path file = folder / "example.chain";
  ScriptedWindow scripted;
  MainWindow& window = scripted.window;
  EditorDocument& document = window.editing().document();

  ExampleInEditor() {
    fs::copy_file(kExampleChain, file);
    scripted.choose(FileDialogPurpose::OpenData, file);
    window.openDataAction()->trigger();
    window.planeSettings().setEditor(&fillForTheExample);
  }
  RunReport runEditorChain() {
    window.editing().runEditorChain();
    EXPECT_EQ(window.form().lastOutcome(), RunOutcome::Adjusted);
    return window.reportOfLastRun();
  }
  std::string line(std::string_view keyword) const { return document.chain().setting(keyword); }
};

// R² = MN of 1980西安 at the latitude of the plane's x (near the equator: some 32 km north).
double squaredRadiusAt(double x) {
  const double a = kXian1980.equatorialRadius, e2 = kXian1980.flattening * (2 - kXian1980.flattening);
  const double latitude = x / 110574.0 * std::numbers::pi / 180.0;
  const double w2 = 1 - e2 * std::pow(std::sin(latitude), 2);
  return a * (1 - e2) / std::pow(w2, 1.5) * a / std::sqrt(w2);
}

// ρ″(x1 − x2)(2y1 + y2)/(6R²) of the direction from point `from` to point `to`, y from the central
// meridian.
double textbookReduction(const RunReport& report, int from, int to) {
  const auto f = static_cast<std::size_t>(from), t = static_cast<std::size_t>(to);
  const double y1 = report.Y[f] - kFalseEasting, y2 = report.Y[t] - kFalseEasting;
  return kArcSeconds * (report.X[f] - report.X[t]) * (2 * y1 + y2) / (6 * squaredRadiusAt(report.X[f]));
}

// The base Sa (A to point 1) measured at the height `height` on the plane of projection height 0:
// D R/(R + Hm), then the scale of the line, 1 + ym²/(2R²) + Δy²/(24R²).
double textbookPlaneBase(const RunReport& report, double measured, double height) {
  const double r2 = squaredRadiusAt(report.X[0]), r = std::sqrt(r2);
  const double y0 = report.Y[0] - kFalseEasting, y1 = report.Y[1] - kFalseEasting;
  const double mean = (y0 + y1) / 2, across = y1 - y0;
  return measured * r / (r + height) * (1 + mean * mean / (2 * r2) + across * across / (24 * r2));
}

TEST(PlaneWindow, TheDialogsLinesReduceTheEditorsChainAndUndoTakesThemBack) {
  ExampleInEditor example;
  const std::string before = example.document.chain().text();
  example.window.planeSettings().action()->trigger();
  for (const auto& [keyword, text] : kExampleLines) EXPECT_EQ(example.line(keyword), text) << keyword;
  EXPECT_TRUE(example.window.isWindowModified());
  EXPECT_EQ(example.window.editing().undoAction()->text().toStdString(), "撤销 投影与归算");

  const RunReport report = example.runEditorChain();
  ASSERT_TRUE(report.reduction.has_value());
  EXPECT_STREQ(report.reduction->settings.plane.ellipsoid.name, "1980西安");
  EXPECT_EQ(report.reduction->settings.plane.centralMeridian, 114.0);
  EXPECT_EQ(report.reduction->settings.plane.falseEasting, kFalseEasting);
  EXPECT_EQ(report.reduction->settings.baseHeight, 350.0);
  int compared = 0;
  for (const DirectionReductionRow& row : report.reduction->reductions.directions) {
    if (row.to < 0) continue;  // towards an orientation point
    EXPECT_NEAR(row.seconds, textbookReduction(report, row.from, row.to), 0.001) << row.from << "→" << row.to;
    EXPECT_GT(std::fabs(row.seconds), 0.01);
    ++compared;
  }
  EXPECT_GE(compared, 10);
  ASSERT_TRUE(report.reduction->reductions.Sa.has_value());
  // 350 m up, 71 mm less; 100 km from the meridian, 160 mm more.
  const BaseReduction& sa = *report.reduction->reductions.Sa;
  EXPECT_NEAR(sa.plane, textbookPlaneBase(report, sa.measured, 350.0), 0.002);
  EXPECT_NEAR(sa.plane - sa.measured, 0.089, 0.005);
  std::ostringstream text;
  writeTextReport(report, text);
  for (const char* expected : {"观测值归算到高斯-克吕格投影面：1980西安 椭球，中央子午线 114°00′00″",
                               "方向改化及角度归算", "起算边长归算"}) {
    EXPECT_NE(text.str().find(expected), std::string::npos) << expected;
  }

  example.window.editing().undoAction()->trigger();
  EXPECT_EQ(example.document.chain().text(), before);
  EXPECT_FALSE(example.window.isWindowModified());
  EXPECT_FALSE(example.runEditorChain().reduction.has_value());
  example.window.editing().redoAction()->trigger();
  EXPECT_EQ(example.line(kCentralMeridianSetting), "114");
  example.window.editing().save();
  EXPECT_EQ(parseChainData(contents(example.file)).setting(kBaseHeightSetting), "350");
}

// 计 算 after the lines are set: the new typed chain keeps them, and the typed run is reduced onto
// their plane exactly as the run of the same chain from the editor.
TEST(PlaneWindow, ATypedRunKeepsTheLinesAndIsReducedOntoTheirPlane) {
  ExampleInEditor example;
  example.window.planeSettings().action()->trigger();
  const RunReport fromEditor = example.runEditorChain();
  ASSERT_TRUE(fromEditor.reduction.has_value());

  example.scripted.typeExample();  // the unsaved lines are dropped with the chain: kept all the same
  ASSERT_EQ(example.window.form().lastOutcome(), RunOutcome::Adjusted);
  EXPECT_TRUE(example.window.form().solvedRunTyped());
  for (const auto& [keyword, text] : kExampleLines) EXPECT_EQ(example.line(keyword), text) << keyword;
  EXPECT_TRUE(example.document.filePath().isEmpty());
  const RunReport typed = example.window.reportOfLastRun();
  ASSERT_TRUE(typed.reduction.has_value());
  const ChainReductions& expected = fromEditor.reduction->reductions;
  EXPECT_LT(typed.reduction->reductions.largestAngleChange(expected), 1e-9);
  ASSERT_EQ(typed.X.size(), fromEditor.X.size());
  for (std::size_t j = 0; j < typed.X.size(); ++j) {
    EXPECT_NEAR(typed.X[j], fromEditor.X[j], 1e-6);
    EXPECT_NEAR(typed.Y[j], fromEditor.Y[j], 1e-6);
  }
}

// Switched off, the lines go (one edit again) and neither run is reduced; a cancelled dialog and
// one that changes nothing leave nothing to undo.
TEST(PlaneWindow, SwitchedOffTheLinesGoAndNoRunIsReduced) {
  ExampleInEditor example;
  example.window.planeSettings().action()->trigger();
  const int edits = example.document.undoStack().count();
  example.window.planeSettings().setEditor([](const ChainData&) { return std::nullopt; });
  example.window.planeSettings().action()->trigger();
  example.window.planeSettings().setEditor(
      [](const ChainData& current) { return PlaneSettingsDialog(current).lines(); });
  example.window.planeSettings().action()->trigger();
  EXPECT_EQ(example.document.undoStack().count(), edits);

  example.window.planeSettings().setEditor([](const ChainData& current) {
    PlaneSettingsDialog dialog(current);
    dialog.reduceBox()->setChecked(false);
    return dialog.lines();
  });
  example.window.planeSettings().action()->trigger();
  EXPECT_EQ(example.document.undoStack().count(), edits + 1);
  for (const PlaneSettingOption& option : planeSettingOptions()) {
    EXPECT_EQ(example.line(option.keyword), "") << option.keyword;
  }
  EXPECT_FALSE(example.runEditorChain().reduction.has_value());
  example.scripted.typeExample();
  ASSERT_EQ(example.window.form().lastOutcome(), RunOutcome::Adjusted);
  EXPECT_FALSE(example.window.reportOfLastRun().reduction.has_value());
}

}  // namespace
}  // namespace chainadj::ui
