// The real input box and message box, found while they wait and answered with the keyboard and
// the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "state/form_fields.h"
#include "ui/demo_chain.h"
#include "ui/form_table.h"
#include "ui/input_box.h"
#include "ui/main_form.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

using BoxAction = std::function<void(QDialog& box)>;

// The box waiting for the user: an input box (which does not block the main window) or a modal
// message box.
QDialog* openBox() {
  if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) return modal;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<InputBox*>(window);
    if (box && box->isVisible()) return box;
  }
  return nullptr;
}

// Each action is done to the box that is open when its turn comes; a box that opens when no
// action is left gets `rest`, by default Cancel, so that a faulty run cannot hang the suite.
class ModalBoxDriver {
 public:
  explicit ModalBoxDriver(std::vector<BoxAction> actions, BoxAction rest = nullptr)
      : actions_(std::move(actions)), rest_(std::move(rest)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
    timer_.start();
  }

  std::size_t done() const { return next_; }
  const std::vector<QString>& prompts() const { return prompts_; }

 private:
  void step() {
    QDialog* box = openBox();
    if (!box || box == last_) return;
    last_ = box;
    if (auto* prompt = box->findChild<QLabel*>("prompt")) prompts_.push_back(prompt->text());
    if (next_ < actions_.size()) {
      actions_[next_++](*box);
    } else if (rest_) {
      rest_(*box);
    } else {
      box->reject();
    }
  }

  std::vector<BoxAction> actions_;
  BoxAction rest_;
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

BoxAction typeAndStopTheRun(const QString& typed) {
  return [typed](QDialog& box) {
    QTest::keyClicks(&field(box), typed);
    box.findChild<QPushButton*>("stopRun")->click();
  };
}

TEST(InputBox, EnterGivesTheTypedText) {
  ModalBoxDriver driver({typeAndPressEnter("45.3015")});
  const InputBoxAnswer answer = InputBox::ask(nullptr, "请输入求距角  A(i)  的数值 :");
  EXPECT_EQ(answer.text.toStdString(), "45.3015");
  EXPECT_EQ(driver.done(), 1u);
}

TEST(InputBox, OkGivesTheTypedTextAndOkOnAnEmptyFieldGivesEmptyText) {
  ModalBoxDriver driver({typeAndPress("y", QDialogButtonBox::Ok),
                         typeAndPress("", QDialogButtonBox::Ok), typeAndPressEnter("")});
  EXPECT_EQ(InputBox::ask(nullptr, "a").text.toStdString(), "y");
  EXPECT_EQ(InputBox::ask(nullptr, "b").text.toStdString(), "");
  EXPECT_EQ(InputBox::ask(nullptr, "c").text.toStdString(), "");
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
  EXPECT_EQ(InputBox::ask(nullptr, "a").text.toStdString(), "");
  EXPECT_EQ(InputBox::ask(nullptr, "b").text.toStdString(), "");
  EXPECT_EQ(InputBox::ask(nullptr, "c").text.toStdString(), "");
  EXPECT_EQ(driver.done(), 3u);
}

TEST(InputBox, StopTheRunGivesNoTextButAStop) {
  ModalBoxDriver driver({typeAndStopTheRun("12.5")});
  const InputBoxAnswer answer = InputBox::ask(nullptr, "a");
  EXPECT_TRUE(answer.stopsRun);
  EXPECT_TRUE(answer.text.isEmpty());
}

// A blunder just typed stands in red under the next prompt, in the prompt's own room.
TEST(InputBox, ShowsANoteUnderItsPromptWithinItsSize) {
  const QString prompt = QString::fromUtf8("请输入求距角  A(i)  的数值 :");
  const InputBox plain(prompt, nullptr);
  const InputBox noted(prompt, nullptr, 1.0, QString::fromUtf8("第 2 个三角形的闭合差 w(2) = 29.10 秒"));
  EXPECT_EQ(noted.sizeHint(), plain.sizeHint());
  const auto* note = noted.findChild<QLabel*>("note");
  ASSERT_NE(note, nullptr);
  EXPECT_FALSE(note->isHidden());
  EXPECT_EQ(note->styleSheet().toStdString(), "color: #c00000;");
  EXPECT_TRUE(plain.findChild<QLabel*>("note")->isHidden());
}

TEST(InputBox, CarriesTheMainWindowsTitleAndNoDefaultText) {
  MainForm form;
  InputBox box("请输入三角形的个数", &form);
  EXPECT_EQ(box.windowTitle().toStdString(), kWindowCaption);
  EXPECT_TRUE(field(box).text().isEmpty());
  EXPECT_EQ(box.findChild<QPushButton*>("stopRun")->text().toStdString(), "中止计算");
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
  // The longest prompt gets a box of the size the shortest gets: the box never moves.
  EXPECT_EQ(box.size(), InputBox("a", nullptr).sizeHint());
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
  EXPECT_EQ(form.box(box::kTriangleCount)->text().toStdString(), "三角锁共有2个三角形");
  EXPECT_EQ(form.box(box::kXa)->text().toStdString(), " 1234.250");
  EXPECT_EQ(driver.prompts().at(5).toStdString(), "请输入起算点 A 点的横座标 Ya :");
  EXPECT_EQ(openBox(), nullptr);
  EXPECT_FALSE(form.isVisible());
}

// The box does not block the main window: its close button and 结 束 still end the program.
TEST(InputBox, EndButtonPressedWithTheMouseWhileABoxWaitsEndsTheProgram) {
  MainForm form;
  form.show();
  QSignalSpy ended(&form, &MainForm::programEnded);
  ModalBoxDriver driver({typeAndPressEnter("2"), [&form](QDialog&) {
    QTest::mouseClick(form.findChild<QPushButton*>("Command2"), Qt::LeftButton);
  }});
  form.Command1_Click();
  EXPECT_EQ(driver.done(), 2u);
  EXPECT_EQ(form.lastOutcome(), RunOutcome::ProgramEnding);
  EXPECT_EQ(ended.count(), 1);
  EXPECT_EQ(openBox(), nullptr);
}

TEST(InputBox, StopTheRunEndsItAtOnceAndTheNextRunWorks) {
  MainForm form;
  form.show();
  std::vector<QString> messages;
  form.platform().setMessageBox([&](const QString& message) { messages.push_back(message); });
  // Xa typed and confirmed; at the Ya prompt, with something typed, 中止计算.
  ModalBoxDriver driver({typeAndPressEnter("1"), typeAndPressEnter("1000"), typeAndPressEnter(""),
                         typeAndStopTheRun("5"), typeAndPressEnter("")});
  form.Command1_Click();
  EXPECT_EQ(form.lastOutcome(), RunOutcome::StoppedByUser);
  EXPECT_EQ(driver.done(), 4u);
  EXPECT_EQ(openBox(), nullptr);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(form.box(box::kXa)->text().toStdString(), " 1000.000");
  // The next 计 算 starts afresh with the triangle count; left empty, the run ends quietly.
  form.Command1_Click();
  EXPECT_EQ(driver.done(), 5u);
  EXPECT_EQ(form.lastOutcome(), RunOutcome::Abandoned);
}

// The real input box through a whole run, listing included: at every prompt it hides no box and
// no caption that the run writes, and it never moves.
TEST(InputBox, StaysInOnePlaceClearOfEverythingTheRunWrites) {
  MainForm form;
  form.show();
  std::set<std::pair<int, int>> places;
  ModalBoxDriver driver({}, [&, answers = demoChainAnswers()](QDialog& box) {
    const QRect frame = box.frameGeometry();
    places.insert({frame.x(), frame.y()});
    for (const QRect& written : form.writtenAreas()) EXPECT_FALSE(frame.intersects(written));
    typeAndPressEnter(answers(box.findChild<QLabel*>("prompt")->text()))(box);
  });
  form.Command1_Click();
  EXPECT_EQ(form.lastOutcome(), RunOutcome::Adjusted);
  EXPECT_GT(driver.prompts().size(), 60u);
  EXPECT_EQ(places.size(), 1u);
}

TEST(MessageBox, ShowsTheMessageModallyUntilOkUnderTheWindowsTitle) {
  MainForm form;
  QString shown;
  ModalBoxDriver driver({[&shown](QDialog& box) {
    auto* message = qobject_cast<QMessageBox*>(&box);
    ASSERT_NE(message, nullptr);
    shown = message->text();
    EXPECT_EQ(message->windowTitle().toStdString(), kWindowCaption);
    message->button(QMessageBox::Ok)->click();
  }});
  form.platform().showMessage("已知数据不符合十种平差图形中的任何一种，本锁没有平差。");
  EXPECT_EQ(driver.done(), 1u);
  EXPECT_EQ(shown.toStdString(), "已知数据不符合十种平差图形中的任何一种，本锁没有平差。");
}

}  // namespace
}  // namespace chainadj::ui
