// The round trip of every selection row: a chain typed by a surveyor, the data file saved from
// its run, the run of that file and the file saved again. The run of the file must be the typed
// run event for event (prompts, echoes, selection, results) and save the same file.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "adjustment_run.h"
#include "entry/chain_data_answers.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "true_chain.h"

namespace chainadj::testing {
namespace {

// Rows 1..5: a true chain from A to B with small errors, its known data adjusted per row.
ChainAnswers chainFromA(bool closingBase, const std::function<void(ChainAnswers&)>& adjust) {
  const TrueChain truth = mixedChain(7);
  const KnownData known = knownDataFromA(truth, 12.5, -21.25, closingBase);
  ChainAnswers answers = answersFromA(truth.points, withErrors(truth.angles, 3.0), known);
  adjust(answers);
  return answers;
}

// Rows 6..10: hand-made files of a chain with C, D, E or F.
ChainAnswers chainFromFile(const std::string& name) {
  std::ifstream file(std::string(CHAINADJ_CHAIN_FIXTURES) + "/" + name);
  std::stringstream text;
  text << file.rdbuf();
  const ChainData data = parseChainData(text.str());
  ChainAnswers answers;
  answers.n = static_cast<int>(data.triangles.size());
  answers.values = data.values;
  answers.names = data.names;
  answers.triangles = data.triangles;
  return answers;
}

struct RowCase {
  int row;
  std::function<ChainAnswers()> chain;
};

const RowCase kRows[] = {
    {1, [] { return chainFromA(true, [](ChainAnswers&) {}); }},
    {2, [] { return chainFromA(false, [](ChainAnswers&) {}); }},
    {3, [] { return chainFromA(false, [](ChainAnswers& a) { a.set(InputItem::TbG, "n"); }); }},
    {4, [] {
       return chainFromA(false, [](ChainAnswers& a) { a.set(InputItem::Sa, "0"); });
     }},
    {5, [] {
       return chainFromA(false, [](ChainAnswers& a) {
         a.set(InputItem::Sa, "0").set(InputItem::Tag, "n").set(InputItem::TbG, "n");
       });
     }},
    {6, [] { return chainFromFile("row6.chain"); }},
    {7, [] { return chainFromFile("row7.chain"); }},
    {8, [] { return chainFromFile("row8.chain"); }},
    {9, [] { return chainFromFile("row9.chain"); }},
    {10, [] { return chainFromFile("row10.chain"); }},
};

// One run of the real procedures with the answers of a typed chain or of a data file.
struct WholeRun {
  ScriptedPlatform platform;
  RunDriver driver{platform};
  RunOutcome outcome{};

  explicit WholeRun(const ChainAnswers& typed) {
    platform.setResponder(respondWith(typed));
    outcome = driver.Command1_Click();
  }
  explicit WholeRun(ChainDataAnswers& file) {
    platform.setResponder([&file](const std::string& prompt) { return file.answer(prompt); });
    outcome = driver.Command1_Click();
  }
  std::string savedFile() const { return chainDataText(driver.lastRunData().value()); }
};

class RoundTrip : public ::testing::TestWithParam<RowCase> {};

TEST_P(RoundTrip, TheSavedFileRepeatsTheTypedRunAndSavesItself) {
  const WholeRun typed(GetParam().chain());
  ASSERT_EQ(typed.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(typed.platform.messages());
  ASSERT_EQ(typed.driver.lastSelection(), GetParam().row);
  const std::string saved = typed.savedFile();

  ChainDataAnswers answers(parseChainData(saved), ListingAnswers::Answered);
  const WholeRun loaded(answers);
  ASSERT_EQ(loaded.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(loaded.platform.messages());
  EXPECT_EQ(loaded.driver.lastSelection(), GetParam().row);
  EXPECT_EQ(loaded.platform.events(), typed.platform.events());
  EXPECT_EQ(loaded.savedFile(), saved);
}

INSTANTIATE_TEST_SUITE_P(EverySelectionRow, RoundTrip, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

}  // namespace
}  // namespace chainadj::testing
