// Breaking captions into lines: at blank runs first, then single blanks, then between
// characters; a caption that fits stays on one line.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "ui/caption_wrap.h"
#include "ui/form_fonts.h"

namespace chainadj::ui {
namespace {

class CaptionWrap : public ::testing::Test {
 protected:
  qreal widthOf(const QString& text) const { return metrics.horizontalAdvance(text); }
  QStringList wrap(const QString& caption, qreal width) const {
    return wrapCaption(caption, metrics, width);
  }

  QFontMetricsF metrics{sansFont(12)};
};

TEST_F(CaptionWrap, ACaptionThatFitsStaysOnOneLineWithoutOuterBlanks) {
  EXPECT_EQ(wrap(" mb     ", 200), QStringList({"mb"}));
  EXPECT_EQ(wrap(" 已知点 A  纵座标 Xa", 400), QStringList({"已知点 A  纵座标 Xa"}));
}

TEST_F(CaptionWrap, BreaksAtRunsOfBlanksBeforeSingleBlanks) {
  const qreal width = widthOf("纵座标 Xa") + 1;
  EXPECT_EQ(wrap(" 已知点 A  纵座标 Xa", width), QStringList({"已知点 A", "纵座标 Xa"}));
  EXPECT_EQ(wrap("      如果D不是已知点                 则D=0   输入待定点点号",
                 widthOf("如果D不是已知点") + 1),
            QStringList({"如果D不是已知点", "则D=0", "输入待定点点号"}));
}

TEST_F(CaptionWrap, PartsThatFitTogetherShareALine) {
  const qreal width = widthOf("如果是输入方位角") + 1;
  EXPECT_EQ(wrap("如果是输入方位角       Xe=0  Ye=0", width),
            QStringList({"如果是输入方位角", "Xe=0  Ye=0"}));
}

TEST_F(CaptionWrap, APartTooWideBreaksAtSingleBlanksThenBetweenCharacters) {
  EXPECT_EQ(wrap("纵座标 Xa", widthOf("纵座标") + 1), QStringList({"纵座标", "Xa"}));
  const QStringList lines = wrap("单位权测角中误差", widthOf("单位权") + 1);
  EXPECT_EQ(lines, QStringList({"单位权", "测角中", "误差"}));
}

TEST_F(CaptionWrap, EveryLineFitsAndNothingIsLost) {
  const QString caption = "是否由键盘输入起始外方位角 Ta  的确定符号 : 是由键盘输入";
  for (qreal width : {30.0, 60.0, 90.0, 150.0}) {
    const QStringList lines = wrap(caption, width);
    QString joined;
    for (const QString& line : lines) {
      EXPECT_LE(widthOf(line), width) << line.toStdString();
      joined += line;
    }
    QString compact = caption;
    compact.remove(' ');
    joined.remove(' ');
    EXPECT_EQ(joined, compact);
  }
}

TEST_F(CaptionWrap, AnEmptyCaptionHasNoLines) {
  EXPECT_TRUE(wrap("", 100).isEmpty());
  EXPECT_TRUE(wrap("   ", 100).isEmpty());
}

}  // namespace
}  // namespace chainadj::ui
