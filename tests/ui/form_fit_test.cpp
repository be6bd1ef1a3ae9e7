// The form on screens of every size: it shrinks uniformly where it does not fit, its boxes show
// the start of long values, long captions stay on one line, and the input box finds a place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/form_fields.h"
#include "ui/caption_label.h"
#include "ui/form_scale.h"
#include "ui/input_box_place.h"
#include "ui/line_shape.h"
#include "ui/main_form.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

constexpr QSize kFullSize(1080, 728);
constexpr QSize kFrame(16, 40);

struct ScreenCase {
  QSize available;
  double scale;
};

class FormScale : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(FormScale, IsTheLargestThatFitsAndNeverAboveFullSize) {
  EXPECT_NEAR(formScaleFor(kFullSize, kFrame, GetParam().available), GetParam().scale, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FormScale,
    ::testing::Values(ScreenCase{{2560, 1600}, 1.0}, ScreenCase{{1280, 800}, 1.0},
                      ScreenCase{{1096, 768}, 1.0},
                      ScreenCase{{1366, 728}, 688.0 / 728},    // 1366x768 with a panel
                      ScreenCase{{1280, 696}, 656.0 / 728},    // 1920x1080 at 150 %
                      ScreenCase{{960, 520}, 480.0 / 728},     // 1920x1080 at 200 %
                      ScreenCase{{700, 2000}, 684.0 / 1080}));  // narrow and tall

// Every control keeps its place and size in proportion; faces shrink with it.
TEST(FormScale, ShrinksEveryControlAndFaceByOneFactorToFitASmallScreen) {
  MainForm full;
  MainForm small;
  small.fitTo(QRect(0, 0, 960, 520));
  const double scale = small.scale();
  ASSERT_NEAR(scale, 480.0 / 728, 1e-9);
  EXPECT_LE(small.width() + kFrame.width(), 960);
  EXPECT_LE(small.height() + kFrame.height(), 520);
  const QList<QWidget*> controls =
      full.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_GT(controls.size(), 190);
  for (QWidget* control : controls) {
    const QWidget* scaled = small.findChild<QWidget*>(control->objectName());
    const QRect a = control->geometry();
    const QRect b = scaled->geometry();
    const std::string name = control->objectName().toStdString();
    EXPECT_NEAR(b.left(), a.left() * scale, 1.5) << name;
    EXPECT_NEAR(b.bottom(), a.bottom() * scale, 2) << name;
    EXPECT_NEAR(b.width(), a.width() * scale, 2) << name;
    if (!qobject_cast<LineShape*>(control)) {
      EXPECT_NEAR(scaled->font().pixelSize(), control->font().pixelSize() * scale, 0.5) << name;
    }
  }
  small.fitTo(QRect(0, 0, 2560, 1600));
  EXPECT_EQ(small.scale(), 1.0);
  EXPECT_EQ(small.size(), full.size());
}

TEST(TextBox, ShowsTheStartOfALongValueAndTheWholeValueAsATooltip) {
  MainForm form;
  form.show();
  const QString longValue = QString::fromUtf8(" 1262792.80 毫米");
  form.platform().setText(box::kPointMeanError, longValue.toStdString());
  TextBox* md = form.box(box::kPointMeanError);
  EXPECT_EQ(md->text(), longValue);
  EXPECT_EQ(md->cursorPosition(), 0);
  EXPECT_FALSE(md->textFits());
  EXPECT_EQ(md->toolTip(), longValue);
  // A value that fits has no tooltip; a box keeps an inner margin on both sides.
  form.platform().setText(box::kPointMeanError, " 9.89 毫米");
  EXPECT_TRUE(md->textFits());
  EXPECT_TRUE(md->toolTip().isEmpty());
  EXPECT_GE(md->textMargins().left(), 2);
  EXPECT_GE(md->textMargins().right(), 2);
}

// Chains have up to 100 000 triangles: the listing's and the angles' captions stay on one line
// within their labels, in a smaller face where needed, with a gap to the box beside them.
TEST(CaptionLabel, NumberedCaptionsOfALongChainStayOnOneLineAndFit) {
  MainForm form;
  const std::vector<std::pair<CaptionLabel*, QString>> captions = {
      {form.label(label::kListedName), " N(100000)"}, {form.label(label::kListedX), "Xp(100)"},
      {form.label(label::kListedX), "Xp(100000)"}, {form.label(label::kListedY), "Yp(100000)"},
      {form.label(label::kAngleA), "求距角 A(100000)"},
      {form.label12(label::kAngleBElement), "前进角 B(100000)"},
      {form.label(label::kTriangleClosure), "三角形闭合差 w(100000)"}};
  for (const auto& [label, caption] : captions) {
    label->setText(caption);
    EXPECT_EQ(label->displayedLines(), QStringList({caption.trimmed()})) << caption.toStdString();
    EXPECT_LE(label->widestLineOf(caption), label->textWidth()) << caption.toStdString();
    EXPECT_LE(label->heightNeededFor(caption), label->height() + 0.5) << caption.toStdString();
  }
  EXPECT_LT(form.label(label::kListedX)->displayedFont().pixelSize(),
            form.label(label::kListedX)->font().pixelSize());
  // "mlogs" and "1/m" end short of their boxes.
  for (const CaptionLabel* label : {form.label(42), form.label(43)}) {
    EXPECT_LE(label->widestLineOf(label->text()) + 2, label->width());
  }
}

// A 1080x728 form at (101, 65) with a 20-pixel title bar; what the run writes lies from 230
// pixels down. A screen with room beside the form takes the box there; else it goes over the
// sketches under the title bar, or higher where a taller box needs it.
TEST(InputBoxPosition, BesideTheFormElseOverTheSketches) {
  const QRect inside(QPoint(101, 65), kFullSize);
  const QRect frame = inside.adjusted(-1, -20, 1, 1);
  const QList<QRect> table = {QRect(inside.topLeft() + QPoint(80, 230), QSize(900, 480))};
  const QSize box(450, 190);
  const QSize tall(450, 260);
  EXPECT_EQ(inputBoxPosition(box, frame, inside, table, QRect(0, 0, 2560, 1600)),
            QPoint(frame.right() + 7, frame.top()));
  const QRect screen(0, 0, 1280, 800);
  EXPECT_EQ(inputBoxPosition(box, frame, inside, table, screen),
            QPoint(frame.right() + 1 - box.width(), inside.top()));
  EXPECT_EQ(inputBoxPosition(tall, frame, inside, table, screen),
            QPoint(frame.right() + 1 - tall.width(), table[0].top() - 6 - tall.height()));
}

}  // namespace
}  // namespace chainadj::ui
