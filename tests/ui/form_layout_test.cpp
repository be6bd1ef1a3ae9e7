// The controls of the window against the table of the form as the surveyors' form lays it out:
// every box with its place and the label beside it, the headings, the frame and the sketches.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "ui/caption_label.h"
#include "ui/line_shape.h"
#include "ui/main_form.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

struct Twips {
  int left, top, width, height;
};

// Left, top, width, height in twips; the label beside the box and its caption.
struct ExpectedBox {
  int box;
  Twips at;
  const char* label;
  const char* caption;
};

const std::vector<ExpectedBox> kExpectedBoxes = {
    {1, {2280, 4890, 1335, 285}, "Label2", " 已知点 A  纵座标 Xa"},
    {2, {2280, 5370, 1335, 285}, "Label3", " 已知点 A  横座标 Ya"},
    {3, {2280, 5850, 1335, 285}, "Label4", " 已知点 B  纵座标 Xb"},
    {4, {2280, 6330, 1335, 285}, "Label5", " 已知点 B  横座标 Yb"},
    {29, {4800, 4920, 1335, 285}, "Label49", "已知点 C   纵座标 Xc"},
    {30, {4800, 5400, 1335, 285}, "Label50", " 已知点 C  横座标 Yc"},
    {31, {4800, 5880, 1335, 285}, "Label51", "已知点 D   纵座标 Xd"},
    {32, {4800, 6360, 1335, 285}, "Label52", "已知点 D   横座标 Yd"},
    {33, {2280, 7200, 1335, 270}, "Label110", " 定向点 E     纵座标 Xe"},
    {34, {2280, 7680, 1335, 270}, "Label111", " 定向点 E  横座标 Ye"},
    {35, {4800, 7200, 1335, 270}, "Label112", " 定向点 F      纵座标 Xf"},
    {36, {4800, 7680, 1335, 285}, "Label113", " 定向点 F  横座标 Yf"},
    {11, {3720, 8400, 1215, 285}, "Label15", "始端基线 Sa"},
    {12, {3720, 8880, 1215, 285}, "Label16", "终端基线 Sb"},
    {5, {2400, 9570, 1455, 285}, "Label6", "      A点         外方位角 Ta"},
    {6, {2400, 10050, 1455, 285}, "Label7", "     B 点          外方位角 Tb"},
    {7, {4920, 9570, 1455, 285}, "Label8", "    A 点       定向角 Qa"},
    {8, {4920, 10050, 1455, 285}, "Label9", "    B 点       定向角 Qb"},
    {26, {1320, 3480, 4815, 285}, "Label45", "平差图形说明"},
    {27, {2400, 4200, 2415, 285}, "Label46", "图形个数说明"},
    {9, {6600, 7920, 1455, 285}, "Label44", "求距角 A("},
    {10, {8160, 7920, 1455, 285}, "Label12(1)", nullptr},
    {24, {9720, 7920, 1455, 285}, "Label12(2)", nullptr},
    {25, {11280, 7920, 1455, 285}, "Label13", "三角形闭合差 w("},
    {13, {7800, 3930, 1455, 285}, "Label24", " 闭合差     w(2--1)"},
    {14, {9960, 3930, 1455, 285}, "Label25", " 闭合差     w(2--2)"},
    {15, {7800, 4560, 1455, 285}, "Label26", " 闭合差     w(2--3)"},
    {16, {9960, 4560, 1455, 285}, "Label27", " 闭合差     w(2--4)"},
    {17, {8280, 5880, 1215, 285}, "Label29", " mb     "},
    {28, {9960, 5880, 1215, 285}, "Label48", " md"},
    {18, {7080, 6600, 1335, 285}, "Label41", "1/p"},
    {19, {9000, 6600, 1575, 285}, "Label42", " mlogs"},
    {20, {10920, 6600, 1335, 285}, "Label43", "1/m"},
    {21, {7200, 9240, 1095, 285}, "Label35", "N（"},
    {22, {9000, 9240, 1335, 285}, "Label36", "X（"},
    {23, {11040, 9240, 1335, 285}, "Label38", "Y（"},
};

// Headings above boxes: heading, caption, the box it stands over.
struct ExpectedHeading {
  const char* label;
  const char* caption;
  int box;
};

const std::vector<ExpectedHeading> kBoxHeadings = {
    {"Label20", " 方位角条件 ", 13}, {"Label21", "边条件 ", 14},
    {"Label22", " 纵座标条件", 15},  {"Label23", " 横座标条件", 16},
    {"Label40", "单位权测角中误差", 17}, {"Label47", "点位中误差", 28},
    {"Label30", "最弱边权倒数", 18},   {"Label31", "最弱边对数中误差", 19},
    {"Label32", "最弱边相对中误差", 20}, {"Label34", "点   名", 21},
    {"Label37", "纵 座 标", 22},       {"Label39", "横 座 标", 23},
    {"Label10", "（起始数据）", 1},     {"Label109", "( 定向点座标 )", 33},
    {"Label14", "（起始基线）", 11},    {"Label17", "(起始方位角)", 5},
    {"Label18", "(定向角)", 7},
};

// Section headings of the right half and the panel each belongs to (top and bottom in twips).
struct ExpectedSection {
  const char* label;
  const char* caption;
  int panelTop, panelBottom;
};

const std::vector<ExpectedSection> kSections = {
    {"Label19", "（第二组条件方程式闭合差）", 3120, 5040},
    {"Label28", "（精 度 评 定）", 5040, 7080},
    {"Label11", "( 观 测 角 )", 7080, 8400},
    {"Label33", "（待定点座标）", 8400, 9720},
};

struct ExpectedLine {
  int x1, y1, x2, y2;
};

const std::vector<ExpectedLine> kFrameLines = {
    {1200, 3120, 13320, 3120}, {1200, 10560, 13320, 10560}, {1200, 3120, 1200, 10560},
    {13320, 3120, 13320, 10560}, {6480, 3120, 6480, 10560}, {6480, 5040, 13320, 5040},
    {6480, 7080, 13320, 7080},  {6480, 8400, 13320, 8400},  {6480, 9720, 13320, 9720},
};

// The letters and notes of the two sketches, each as often as it appears.
const std::multiset<std::string> kSketchCaptions = {
    // Left sketch, oriented by E and F.
    "A", "[ Xa,Ya ]", "1", "2", "3", "4", "B", "[ Xb,Yb ]", "E", "(定向点)",
    "如果是输入方位角       Xe=0  Ye=0", "F", "(定向点)", "如果是输入方位角       Xf=0  Yf=0",
    "a(1)", "b(1)", "c(1)", "a(2)", "b(2)", "c(2)", "a(3)", "b(3)", "c(3)", "a(4)", "b(4)",
    "c(4)", "Sa", "Sb", "Ta", "Tb", "Qa", "Qb",
    // Right sketch, between known points.
    "A", "[ Xa,Ya ]", "C", "[ Xc,Yc ]", "D", "[ Xd,Yd ]", "B", "[ Xb,Yb ]", "1", "2", "a(1)",
    "b(1)", "c(1)", "a(2)", "b(2)", "c(2)", "a(3)", "b(3)", "c(3)", "a(4)", "b(4)", "c(4)",
    "Tb", "Qb", "      如果D不是已知点                 则D=0   输入待定点点号",
    "注:  当D=0 时需输入外方位角和定向角",
};

// A position in twips matches a pixel position when it lies within a pixel of it.
void expectPlacedAt(const QRect& pixels, const Twips& at, const std::string& what) {
  constexpr int kTwipsPerPixel = 15;
  EXPECT_NEAR(pixels.x() * kTwipsPerPixel, at.left, kTwipsPerPixel) << what;
  EXPECT_NEAR(pixels.y() * kTwipsPerPixel, at.top, kTwipsPerPixel) << what;
  EXPECT_NEAR(pixels.width() * kTwipsPerPixel, at.width, kTwipsPerPixel) << what;
  EXPECT_NEAR(pixels.height() * kTwipsPerPixel, at.height, kTwipsPerPixel) << what;
}

std::string str(const QString& text) { return text.toStdString(); }

class FormLayout : public ::testing::Test {
 protected:
  template <typename T>
  T* find(const std::string& name) {
    return form.findChild<T*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly);
  }
  std::vector<CaptionLabel*> labels() {
    const QList<CaptionLabel*> found =
        form.findChildren<CaptionLabel*>(QString(), Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
  }

  MainForm form;
};

TEST_F(FormLayout, HasEveryControlOnceByItsName) {
  for (int n = 1; n <= 36; ++n) {
    EXPECT_NE(find<QLineEdit>("Text" + std::to_string(n)), nullptr) << n;
  }
  for (int n = 1; n <= 115; ++n) {
    if (n == 12) continue;
    EXPECT_NE(find<CaptionLabel>("Label" + std::to_string(n)), nullptr) << n;
  }
  EXPECT_NE(find<CaptionLabel>("Label12(1)"), nullptr);
  EXPECT_NE(find<CaptionLabel>("Label12(2)"), nullptr);
  for (int n = 1; n <= 42; ++n) {
    EXPECT_NE(find<LineShape>("Line" + std::to_string(n)), nullptr) << n;
  }
  EXPECT_EQ(form.findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly).size(), 36);
  EXPECT_EQ(labels().size(), 116u);
  EXPECT_EQ(form.findChildren<LineShape*>(QString(), Qt::FindDirectChildrenOnly).size(), 42);
  EXPECT_EQ(form.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
}

TEST_F(FormLayout, ButtonsSitInTheBottomStripOfTheRightHalf) {
  auto* start = find<QPushButton>("Command1");
  auto* end = find<QPushButton>("Command2");
  ASSERT_NE(start, nullptr);
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(str(start->text()), "计 算");
  EXPECT_EQ(str(end->text()), "结 束");
  expectPlacedAt(start->geometry(), {8640, 9960, 855, 375}, "Command1");
  expectPlacedAt(end->geometry(), {9960, 9960, 855, 375}, "Command2");
}

TEST_F(FormLayout, EveryBoxHasItsPlaceAndItsLabelBesideIt) {
  for (const ExpectedBox& expected : kExpectedBoxes) {
    const std::string name = "Text" + std::to_string(expected.box);
    auto* box = find<QLineEdit>(name);
    ASSERT_NE(box, nullptr) << name;
    expectPlacedAt(box->geometry(), expected.at, name);

    auto* label = find<CaptionLabel>(expected.label);
    ASSERT_NE(label, nullptr) << expected.label;
    if (expected.caption) {
      EXPECT_EQ(str(label->text()), expected.caption) << expected.label;
    }
    // Beside: just left of the box on its row, or just above it over its width.
    const QRect b = box->geometry();
    const QRect l = label->geometry();
    const bool leftOfBox = l.right() < b.left() && b.left() - l.right() <= 12 &&
                           l.top() <= b.center().y() && l.bottom() >= b.center().y();
    const bool aboveBox = l.bottom() < b.top() && b.top() - l.bottom() <= 12 &&
                          l.left() <= b.left() + 2 && l.right() >= b.left() + 8;
    EXPECT_TRUE(leftOfBox || aboveBox) << expected.label << " beside " << name;
  }
}

TEST_F(FormLayout, LabelArrayElementsHeadTheForwardAndIntervalAngles) {
  EXPECT_EQ(str(find<CaptionLabel>("Label12(1)")->text()), "前进角 B(");
  EXPECT_EQ(str(find<CaptionLabel>("Label12(2)")->text()), "间隔角 C(");
}

TEST_F(FormLayout, HeadingsStandAboveTheirBoxes) {
  for (const ExpectedHeading& expected : kBoxHeadings) {
    auto* heading = find<CaptionLabel>(expected.label);
    ASSERT_NE(heading, nullptr) << expected.label;
    EXPECT_EQ(str(heading->text()), expected.caption) << expected.label;
    const QRect b = find<QLineEdit>("Text" + std::to_string(expected.box))->geometry();
    const QRect h = heading->geometry();
    EXPECT_LT(h.bottom(), b.top()) << expected.label;
    EXPECT_LE(b.top() - h.bottom(), 40) << expected.label;
    EXPECT_TRUE(h.left() < b.right() && h.right() > b.left()) << expected.label;
  }
}

TEST_F(FormLayout, SectionHeadingsOpenTheirPanels) {
  for (const ExpectedSection& expected : kSections) {
    auto* heading = find<CaptionLabel>(expected.label);
    ASSERT_NE(heading, nullptr) << expected.label;
    EXPECT_EQ(str(heading->text()), expected.caption) << expected.label;
    const int top = heading->geometry().top() * 15;
    EXPECT_GE(top, expected.panelTop) << expected.label;
    EXPECT_LE(top, expected.panelTop + 300) << expected.label;
    EXPECT_GE(heading->geometry().left() * 15, 6480) << expected.label;
  }
}

TEST_F(FormLayout, TitleIsCentredUnderTheSketchesAboveTheFrame) {
  auto* title = find<CaptionLabel>("Label1");
  ASSERT_NE(title, nullptr);
  EXPECT_FALSE(title->text().trimmed().isEmpty());
  EXPECT_FALSE(form.windowTitle().trimmed().isEmpty());
  EXPECT_LT(title->geometry().bottom() * 15, 3120);
  EXPECT_NEAR(title->geometry().center().x() * 15, (1200 + 13320) / 2, 300);
}

TEST_F(FormLayout, FrameRectangleWithItsSplitAndPanelLines) {
  std::vector<ExpectedLine> lines;
  for (LineShape* line : form.findChildren<LineShape*>()) {
    lines.push_back({line->from().x, line->from().y, line->to().x, line->to().y});
  }
  for (const ExpectedLine& expected : kFrameLines) {
    const bool found = std::any_of(lines.begin(), lines.end(), [&](const ExpectedLine& line) {
      const bool same = line.x1 == expected.x1 && line.y1 == expected.y1 &&
                        line.x2 == expected.x2 && line.y2 == expected.y2;
      const bool reversed = line.x1 == expected.x2 && line.y1 == expected.y2 &&
                            line.x2 == expected.x1 && line.y2 == expected.y1;
      return same || reversed;
    });
    EXPECT_TRUE(found) << expected.x1 << "," << expected.y1 << " - " << expected.x2 << ","
                       << expected.y2;
  }
}

TEST_F(FormLayout, SketchesCarryTheirLettersAndNotesInTheUpperBand) {
  std::multiset<std::string> captions;
  for (CaptionLabel* label : labels()) {
    if (label->geometry().bottom() * 15 < 3120 && label->objectName() != "Label1") {
      captions.insert(str(label->text()));
    }
  }
  EXPECT_EQ(captions, kSketchCaptions);
  int sketchLines = 0;
  for (LineShape* line : form.findChildren<LineShape*>()) {
    if (std::max(line->from().y, line->to().y) < 3120) ++sketchLines;
  }
  EXPECT_EQ(sketchLines, 42 - 9);
}

TEST_F(FormLayout, WindowHoldsEverythingUpToTheRightmostLabel) {
  const QRect window = form.rect();
  EXPECT_GE(window.width() * 15, 14760 + 600);
  for (QWidget* child : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(window.contains(child->geometry())) << str(child->objectName());
  }
}

TEST_F(FormLayout, NoTwoBoxesLabelsOrButtonsOverlap) {
  std::vector<QWidget*> controls;
  for (QWidget* child : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!qobject_cast<LineShape*>(child)) controls.push_back(child);
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
          << str(controls[i]->objectName()) << " and " << str(controls[j]->objectName());
    }
  }
}

// The captions that runs write into labels, with the widest numbers a chain reasonably has.
const std::map<std::string, std::vector<std::string>> kRunCaptions = {
    {"Label44", {"求距角 A(99)"}},        {"Label12(1)", {"前进角 B(99)"}},
    {"Label12(2)", {"间隔角 C(99)"}},     {"Label13", {"三角形闭合差 w(99)"}},
    {"Label35", {" N(99)"}},             {"Label36", {"Xp(99)"}},
    {"Label38", {"Yp(99)"}},
};

TEST_F(FormLayout, EveryCaptionFitsItsLabel) {
  for (CaptionLabel* label : labels()) {
    std::vector<std::string> captions = {str(label->text())};
    const auto more = kRunCaptions.find(str(label->objectName()));
    if (more != kRunCaptions.end()) {
      captions.insert(captions.end(), more->second.begin(), more->second.end());
    }
    for (const std::string& caption : captions) {
      const QString text = QString::fromStdString(caption);
      EXPECT_LE(label->widestLineOf(text), label->width()) << caption;
      EXPECT_LE(label->heightNeededFor(text), label->height() + 0.5) << caption;
    }
  }
}

TEST_F(FormLayout, SpacedCaptionsBreakAtTheirBlankRuns) {
  EXPECT_EQ(find<CaptionLabel>("Label2")->displayedLines(),
            QStringList({"已知点 A", "纵座标 Xa"}));
  EXPECT_EQ(find<CaptionLabel>("Label6")->displayedLines(), QStringList({"A点", "外方位角 Ta"}));
  EXPECT_EQ(find<CaptionLabel>("Label24")->displayedLines(), QStringList({"闭合差", "w(2--1)"}));
}

TEST_F(FormLayout, BeforeTheFirstRunEveryBoxIsEmptyAndReadOnly) {
  for (QLineEdit* box : form.findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(box->text().isEmpty()) << str(box->objectName());
    EXPECT_TRUE(box->isReadOnly()) << str(box->objectName());
  }
  for (CaptionLabel* label : labels()) {
    EXPECT_FALSE(label->text().trimmed().isEmpty()) << str(label->objectName());
  }
}

}  // namespace
}  // namespace chainadj::ui
