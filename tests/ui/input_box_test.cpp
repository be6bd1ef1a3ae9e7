// The real input box and message box, found while they wait and answered with the keyboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "ui/input_box.h"
#include "ui/main_form.h"

namespace chainadj::ui {
namespace {

using BoxAction = std::function<void(QDialog& box)>;

// Each action is done to the modal box that is open when its turn comes; a box that opens when
// no action is left is cancelled, so that a faulty run cannot hang the suite.
class ModalBoxDriver {
 public:
  explicit ModalBoxDriver(std::vector<BoxAction> actions) : actions_(std::move(actions)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
    timer_.start();
  }

  std::size_t done() const { return next_; }
  const std::vector<QString>& prompts() const { return prompts_; }

 private:
  void step() {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box || box == last_) return;
    last_ = box;
    if (auto* prompt = box->findChild<QLabel*>("prompt")) prompts_.push_back(prompt->text());
    if (next_ < actions_.size()) {
      actions_[next_++](*box);
    } else {
      box->reject();
    }
  }

  std::vector<BoxAction> actions_;
  std::size_t next_ = 0;
  QTimer timer_;
  QPointer<QDialog> last_;  // a box at the same address later is a new box
  std::vector<QString> prompts_;
};

QLineEdit& field(QDialog& box) { return *box.findChild<QLineEdit*>("answer"); }

BoxAction typeAndPressEnter(const QString& typed) {
  return [typed](QDialog& box) {
    QTest::keyClicks(&field(box), typed);
    QTest::keyClick(&field(box), Qt::Key_Return);
  };
}

BoxAction typeAndPress(const QString& typed, QDialogButtonBox::StandardButton which) {
  return [typed, which](QDialog& box) {
    QTest::keyClicks(&field(box), typed);
    box.findChild<QDialogButtonBox*>()->button(which)->click();
  };
}

TEST(InputBox, EnterGivesTheTypedText) {
  ModalBoxDriver driver({typeAndPressEnter("45.3015")});
  EXPECT_EQ(InputBox::ask(nullptr, "请输入求距角  A(i)  的数值 :").toStdString(), "45.3015");
  EXPECT_EQ(driver.done(), 1u);
}

TEST(InputBox, OkGivesTheTypedTextAndOkOnAnEmptyFieldGivesEmptyText) {
  ModalBoxDriver driver({typeAndPress("y", QDialogButtonBox::Ok),
                         typeAndPress("", QDialogButtonBox::Ok), typeAndPressEnter("")});
  EXPECT_EQ(InputBox::ask(nullptr, "a").toStdString(), "y");
  EXPECT_EQ(InputBox::ask(nullptr, "b").toStdString(), "");
  EXPECT_EQ(InputBox::ask(nullptr, "c").toStdString(), "");
}

TEST(InputBox, CancelAndClosingTheBoxGiveEmptyTextWhateverWasTyped) {
  ModalBoxDriver driver({typeAndPress("12.5", QDialogButtonBox::Cancel),
                         [](QDialog& box) {
                           QTest::keyClicks(&field(box), "7");
                           QTest::keyClick(&field(box), Qt::Key_Escape);
                         },
                         [](QDialog& box) {
                           QTest::keyClicks(&field(box), "8");
                           box.close();
                         }});
  EXPECT_EQ(InputBox::ask(nullptr, "a").toStdString(), "");
  EXPECT_EQ(InputBox::ask(nullptr, "b").toStdString(), "");
  EXPECT_EQ(InputBox::ask(nullptr, "c").toStdString(), "");
  EXPECT_EQ(driver.done(), 3u);
}

TEST(InputBox, HasNoTitleAndNoDefaultText) {
  InputBox box("请输入三角形的个数", nullptr);
  EXPECT_TRUE(box.windowTitle().isEmpty());
  EXPECT_TRUE(field(box).text().isEmpty());
  EXPECT_TRUE(box.isModal());
}

TEST(InputBox, LongPromptWrapsWithinAReasonableWidthAndIsShownWhole) {
  const QString prompt = QString::fromUtf8(
      "是否由键盘输入起始外方位角 Ta  的确定符号 : 是由键盘输入( 包括 Ta=0 )则输入 Y ( 即: "
      "Tag=Y ); 無定向线形锁输入 N ( 即: Tag=N )");
  InputBox box(prompt, nullptr);
  box.show();
  QApplication::processEvents();
  auto* label = box.findChild<QLabel*>("prompt");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), prompt);
  EXPECT_TRUE(label->wordWrap());
  EXPECT_LE(box.width(), 600);
  EXPECT_GE(label->height(), label->heightForWidth(label->width()));
  EXPECT_GE(label->height(), 2 * label->fontMetrics().height());  // more than one line
  EXPECT_TRUE(box.rect().contains(label->geometry()));
  box.reject();
}

TEST(InputBox, ARunOnTheWindowTakesWhatIsTypedAndStopsWhenTheWindowCloses) {
  MainForm form;
  form.show();
  ModalBoxDriver driver({typeAndPressEnter("2"), typeAndPressEnter("1234.5"),
                         typeAndPressEnter("0"),  // wrong: asked again
                         typeAndPress("1234.25", QDialogButtonBox::Ok),
                         typeAndPress("", QDialogButtonBox::Cancel),  // confirmed
                         [&form](QDialog&) { form.close(); }});
  form.Command1_Click();
  EXPECT_EQ(driver.done(), 6u);
  EXPECT_EQ(driver.prompts().size(), 6u);
  EXPECT_EQ(form.lastOutcome(), RunOutcome::ProgramEnding);
  EXPECT_EQ(form.box(27)->text().toStdString(), "三角锁共有2个三角形");
  EXPECT_EQ(form.box(1)->text().toStdString(), " 1234.250");
  EXPECT_EQ(driver.prompts().at(5).toStdString(), "请输入起算点 A 点的横座标 Ya :");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(form.isVisible());
}

TEST(MessageBox, ShowsTheMessageModallyUntilOk) {
  MainForm form;
  QString shown;
  ModalBoxDriver driver({[&shown](QDialog& box) {
    auto* message = qobject_cast<QMessageBox*>(&box);
    ASSERT_NE(message, nullptr);
    shown = message->text();
    EXPECT_TRUE(message->windowTitle().isEmpty());
    message->button(QMessageBox::Ok)->click();
  }});
  form.platform().showMessage("已知数据不符合十种平差图形中的任何一种，本锁没有平差。");
  EXPECT_EQ(driver.done(), 1u);
  EXPECT_EQ(shown.toStdString(), "已知数据不符合十种平差图形中的任何一种，本锁没有平差。");
}

}  // namespace
}  // namespace chainadj::ui
