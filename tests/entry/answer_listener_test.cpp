// The run hands every accepted answer to its listener as it is accepted: a re-entered value only
// once confirmed, and the answers, put into a new document as they come, give the data of the run.
#include <gtest/gtest.h>

#include <fstream>

#include "entry/answer_listener.h"
#include "entry/chain_document.h"
#include "entry/run_driver.h"
#include "entry/typed_answer_edits.h"
#include "scripted_platform.h"

namespace chainadj::testing {
namespace {

struct Heard {
  PromptKey key;
  std::string text;
  bool operator==(const Heard&) const = default;
};

class Recorder : public AnswerListener {
 public:
  void answerAccepted(const PromptKey& key, const std::string& text) override {
    heard.push_back({key, text});
    document.apply(editsForAnswer(document, key, text));
  }
  std::vector<Heard> heard;
  ChainDocument document;
};

std::vector<std::string> exampleAnswers() {
  std::ifstream file(CHAINADJ_CONSOLE_GOLDEN_DIR "/example.in");
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  lines.erase(lines.begin());  // the "1" that presses 计 算
  return lines;
}

TEST(AnswerListener, HearsEveryAnswerOfATypedRunAndItsDocumentIsTheRunsData) {
  ScriptedPlatform platform(exampleAnswers());
  RunDriver driver(platform);
  Recorder recorder;
  driver.setAnswerListener(&recorder);
  ASSERT_EQ(driver.runOnce(), RunOutcome::Adjusted);
  ASSERT_EQ(recorder.heard.size(), 1u + 20u + 7u + 15u);  // n, the values, the names, the angles
  EXPECT_EQ(recorder.heard.front(), (Heard{PromptKey::triangleCount(), "5"}));
  EXPECT_EQ(recorder.heard[21], (Heard{PromptKey::pointName(0), "龙山"}));
  EXPECT_EQ(recorder.heard.back(), (Heard{PromptKey::value(InputItem::C, 5), "-61.11576"}));
  EXPECT_EQ(recorder.document.data(), driver.lastRunData().value());
}

TEST(AnswerListener, HearsAReenteredValueOnceItIsConfirmed) {
  // n, Xa typed wrong and corrected, then the input ends at Ya.
  ScriptedPlatform platform({"1", "5", "0", "6", ""});
  RunDriver driver(platform);
  Recorder recorder;
  driver.setAnswerListener(&recorder);
  driver.runOnce();
  EXPECT_EQ(recorder.heard, (std::vector<Heard>{{PromptKey::triangleCount(), "1"},
                                                {PromptKey::value(InputItem::Xa), "6"}}));
  EXPECT_EQ(recorder.document.value(InputItem::Xa), "6");
}

}  // namespace
}  // namespace chainadj::testing
