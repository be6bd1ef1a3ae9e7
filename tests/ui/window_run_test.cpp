// Runs through the window with scripted answers: the boxes end as the console front end shows
// them for the same answers, the buttons start and end runs, and a run that waits for an answer
// stops cleanly when the window closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "adjust/adjustment_messages.h"
#include "adjust/conditions.h"
#include "chain_answers.h"
#include "entry/prompt_texts.h"
#include "scripted_platform.h"
#include "state/form_fields.h"
#include "transcript_replay.h"
#include "ui/caption_label.h"
#include "ui/main_form.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

using chainadj::testing::ChainAnswers;
using chainadj::testing::ScriptedPlatform;

// The typed lines of a console session that runs the chain once: "1", then every answer the
// run asks for, in order (found by running the chain against the scripted platform).
std::vector<std::string> sessionFor(const ChainAnswers& chain) {
  ScriptedPlatform recorder;
  std::vector<std::string> answers;
  auto respond = chainadj::testing::respondWith(chain);
  recorder.setResponder([&](const std::string& prompt) {
    std::optional<std::string> answer = respond(prompt);
    if (answer) answers.push_back(*answer);
    return answer;
  });
  RunDriver(recorder).runOnce();
  answers.insert(answers.begin(), "1");
  return answers;
}

// Four triangles east from A to B with bases, azimuths and orientation angles at both ends.
ChainAnswers fullyControlledChain() {
  ChainAnswers chain;
  chain.n = 4;
  chain.set(InputItem::Xa, "3000").set(InputItem::Ya, "1000");
  chain.set(InputItem::Xb, "3850").set(InputItem::Yb, "4600");
  chain.set(InputItem::Sa, "1040.4326").set(InputItem::Sb, "1133.5784");
  chain.set(InputItem::Tag, "y").set(InputItem::Ta, "300").set(InputItem::Qa, "95.13033");
  chain.set(InputItem::TbG, "y").set(InputItem::Tb, "185.55252").set(InputItem::Qb, "-35.3");
  chain.names = {"A", "I1", "I2", "I3", "I4", "B"};
  chain.triangles = {{"56.54147", "48.04225", "-75.01264"},
                     {"52.06105", "49.48037", "78.05466"},
                     {"49.48043", "52.06098", "-78.05441"},
                     {"48.17060", "50.29100", "81.13472"}};
  return chain;
}

// The same chain with nothing to orient it: fitted between A and B.
ChainAnswers unorientedChain() {
  ChainAnswers chain = fullyControlledChain();
  chain.values.erase(InputItem::Sa);
  chain.values.erase(InputItem::Sb);
  chain.set(InputItem::Tag, "n").set(InputItem::TbG, "n");
  return chain;
}

// Known points C and D next to A and B (chain points 1 and 4 of the same chain).
ChainAnswers chainBetweenKnownPoints() {
  ChainAnswers chain = fullyControlledChain();
  chain.set(InputItem::Xc, "3850").set(InputItem::Yc, "1600");
  chain.set(InputItem::Xd, "3000").set(InputItem::Yd, "3850");
  chain.names = {"C", "I2", "I3", "D"};
  return chain;
}

void expectSameFinalWindow(const FrontEndResult& console, const FrontEndResult& window) {
  EXPECT_EQ(window.prompts, console.prompts);
  for (int box = 1; box <= 36; ++box) {
    const std::string name = "Text" + std::to_string(box);
    const auto written = console.finalTexts.find(name);
    const std::string expected = written == console.finalTexts.end() ? "" : written->second;
    const auto shown = window.finalTexts.find(name);
    EXPECT_EQ(shown == window.finalTexts.end() ? "" : shown->second, expected) << name;
  }
  for (const auto& [name, caption] : console.finalTexts) {
    if (name.rfind("Label", 0) != 0) continue;
    const auto shown = window.finalTexts.find(name);
    ASSERT_NE(shown, window.finalTexts.end()) << name;
    EXPECT_EQ(shown->second, caption) << name;
  }
  // The console alone says that its input ended.
  std::vector<std::string> consoleMessages;
  for (const std::string& message : console.messages) {
    if (message != "输入已经结束，计算没有完成，程序退出。") consoleMessages.push_back(message);
  }
  EXPECT_EQ(window.messages, consoleMessages);
}

struct NamedChain {
  const char* name;
  ChainAnswers (*make)();
};

void PrintTo(const NamedChain& chain, std::ostream* out) { *out << chain.name; }

class SameAnswersAsConsole : public ::testing::TestWithParam<NamedChain> {};

TEST_P(SameAnswersAsConsole, BoxesAndLabelsEndTheSame) {
  const std::vector<std::string> session = sessionFor(GetParam().make());
  MainForm form;
  const FrontEndResult window = replayOnWindow(form, session);
  const FrontEndResult console = replayOnConsole(session);
  ASSERT_GT(console.prompts.size(), 20u);
  expectSameFinalWindow(console, window);
  EXPECT_EQ(form.lastOutcome(), RunOutcome::Adjusted);
  EXPECT_FALSE(form.platform().ending());
}

INSTANTIATE_TEST_SUITE_P(
    Chains, SameAnswersAsConsole,
    ::testing::Values(NamedChain{"FullyControlled", &fullyControlledChain},
                      NamedChain{"Unoriented", &unorientedChain},
                      NamedChain{"BetweenKnownPoints", &chainBetweenKnownPoints}),
    [](const ::testing::TestParamInfo<NamedChain>& info) { return std::string(info.param.name); });

// Every typed session of the console suite (re-entries, bad input and ended input included) and
// the whole run of every adjustment procedure.
TEST(SameTranscriptsAsConsole, EveryConsoleSessionEndsTheSameOnTheWindow) {
  int sessions = 0;
  for (const char* directory : {CHAINADJ_CONSOLE_GOLDEN_DIR, CHAINADJ_ADJUST_GOLDEN_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
      if (entry.path().extension() != ".in") continue;
      SCOPED_TRACE(entry.path().filename().string());
      const std::vector<std::string> lines = readLines(entry.path().string());
      MainForm form;
      expectSameFinalWindow(replayOnConsole(lines), replayOnWindow(form, lines));
      ++sessions;
    }
  }
  EXPECT_GE(sessions, 10);
}

TEST(SecondRun, OverwritesWhatItWritesAndGivesTheSameResults) {
  std::vector<std::string> twice = sessionFor(fullyControlledChain());
  const std::vector<std::string> once = twice;
  twice.insert(twice.end(), once.begin(), once.end());
  MainForm form;
  const FrontEndResult window = replayOnWindow(form, twice);
  MainForm single;
  const FrontEndResult first = replayOnWindow(single, once);
  EXPECT_EQ(window.finalTexts, first.finalTexts);
  EXPECT_EQ(window.prompts.size(), 2 * first.prompts.size());
}

TEST(Command1, DoesNotStartASecondRunWhileOneWaits) {
  MainForm form;
  int countPrompts = 0;
  bool pressedAgain = false;
  form.platform().setInputBox([&](const QString& prompt) {
    if (prompt == QString::fromUtf8(kTriangleCountPrompt)) ++countPrompts;
    if (!pressedAgain) {
      pressedAgain = true;
      EXPECT_TRUE(form.runInProgress());
      form.findChild<QPushButton*>("Command1")->click();  // ignored: a run is in progress
      return QString("1");
    }
    form.close();
    return QString();
  });
  form.Command1_Click();
  EXPECT_EQ(countPrompts, 1);
  EXPECT_FALSE(form.runInProgress());
}

TEST(Closing, WhileABoxWaitsEndsTheRunWithoutFurtherPrompts) {
  MainForm form;
  QSignalSpy ended(&form, &MainForm::programEnded);
  std::vector<QString> prompts;
  form.platform().setInputBox([&](const QString& prompt) {
    prompts.push_back(prompt);
    if (prompts.size() == 3) {
      EXPECT_TRUE(form.close());
      return QString("123");  // typed, but the window is already gone
    }
    return prompts.size() == 1 ? QString("2") : QString("1000");
  });
  form.Command1_Click();
  EXPECT_EQ(prompts.size(), 3u);
  EXPECT_EQ(form.lastOutcome(), RunOutcome::ProgramEnding);
  EXPECT_EQ(ended.count(), 1);
  EXPECT_EQ(form.box(box::kXa)->text().toStdString(), " 1000.000");
  // A press after the end starts nothing.
  form.Command1_Click();
  EXPECT_EQ(prompts.size(), 3u);
}

TEST(Command2, EndsTheProgram) {
  MainForm form;
  form.show();
  QSignalSpy ended(&form, &MainForm::programEnded);
  form.findChild<QPushButton*>("Command2")->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(form.platform().ending());
  EXPECT_EQ(ended.count(), 1);
}

TEST(Command1, PressedWithTheMouseDrivesARunThroughTheInputBox) {
  MainForm form;
  form.show();
  std::vector<std::string> session = sessionFor(fullyControlledChain());
  session.erase(session.begin());
  std::size_t next = 0;
  form.platform().setInputBox([&](const QString&) {
    return next < session.size() ? QString::fromStdString(session[next++]) : QString();
  });
  form.findChild<QPushButton*>("Command1")->click();
  EXPECT_EQ(next, session.size());
  EXPECT_EQ(form.lastOutcome(), RunOutcome::Adjusted);
  EXPECT_EQ(form.box(box::kTriangleCount)->text().toStdString(), "三角锁共有4个三角形");
  EXPECT_EQ(form.label(label::kTriangleClosure)->text().toStdString(), "三角形闭合差 w(4)");
}

// The prompts say "输入 Y" and "输入 N": typed so, they choose what "y" and "n" choose.
TEST(FlagLetters, UpperCaseYAndNSelectTheSameProcedureAsLowerCase) {
  const std::vector<std::pair<ChainAnswers, std::pair<const char*, const char*>>> cases = {
      {fullyControlledChain(), {"Y", "Y"}}, {unorientedChain(), {"N", "Ｎ"}}};
  for (const auto& [chain, typed] : cases) {
    ChainAnswers upper = chain;
    upper.set(InputItem::Tag, typed.first).set(InputItem::TbG, typed.second);
    MainForm lowerForm;
    replayOnWindow(lowerForm, sessionFor(chain));
    MainForm upperForm;
    replayOnWindow(upperForm, sessionFor(upper));
    ASSERT_EQ(lowerForm.lastOutcome(), RunOutcome::Adjusted) << typed.first;
    EXPECT_EQ(upperForm.lastOutcome(), RunOutcome::Adjusted) << typed.first;
    EXPECT_EQ(upperForm.driver().lastSelection(), lowerForm.driver().lastSelection());
    for (int box : {box::kAzimuthClosure, box::kSideClosure, box::kXClosure, box::kYClosure,
                    box::kMeanError, box::kLogMeanError, box::kRelativeMeanError, box::kListedX,
                    box::kListedY, box::kAdjustmentKind, box::kPointMeanError}) {
      EXPECT_EQ(upperForm.box(box)->text(), lowerForm.box(box)->text()) << box;
    }
  }
}

// A chain fitted between A and B with B typed on A cannot be scaled: the message box says so
// over the window, the boxes keep what the run wrote, and the window adjusts the next chain.
TEST(DegenerateChain, ShowsTheMessageBoxAndTheWindowRunsTheNextChain) {
  MainForm form;
  form.show();
  ChainAnswers degenerate = unorientedChain();
  degenerate.set(InputItem::Xb, "3000").set(InputItem::Yb, "1000");
  std::vector<std::string> session = sessionFor(degenerate);
  session.erase(session.begin());
  std::deque<std::string> typed(session.begin(), session.end());
  form.platform().setInputBox([&](const QString&) {
    if (typed.empty()) return QString();
    const QString answer = QString::fromStdString(typed.front());
    typed.pop_front();
    return answer;
  });

  QString shown;
  std::map<int, QString> boxesWhenShown;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    shown = box->text();
    for (int number = 1; number <= 36; ++number) boxesWhenShown[number] = form.box(number)->text();
    box->button(QMessageBox::Ok)->click();
  });
  closer.start(10);

  auto* start = form.findChild<QPushButton*>("Command1");
  start->click();
  EXPECT_EQ(form.lastOutcome(), RunOutcome::Stopped);
  EXPECT_EQ(shown.toStdString(), kCoincidentAAndBMessage);
  EXPECT_TRUE(typed.empty());
  EXPECT_EQ(form.box(box::kAzimuthClosure)->text().toStdString(),
            kNoAzimuthCondition);  // written before the stop
  for (const auto& [number, text] : boxesWhenShown) EXPECT_EQ(form.box(number)->text(), text);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(start->isEnabled());
  EXPECT_FALSE(form.runInProgress());

  std::vector<std::string> next = sessionFor(unorientedChain());
  typed.assign(next.begin() + 1, next.end());
  shown.clear();
  start->click();
  EXPECT_EQ(form.lastOutcome(), RunOutcome::Adjusted);
  EXPECT_TRUE(shown.isEmpty()) << shown.toStdString();
  EXPECT_TRUE(typed.empty());
  EXPECT_EQ(form.label(label::kListedX)->text().toStdString(), "Xp(5)");
}

}  // namespace
}  // namespace chainadj::ui
