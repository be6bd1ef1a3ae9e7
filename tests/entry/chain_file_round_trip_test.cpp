// The round trip of every selection row: a known-truth chain typed by a surveyor, the data file
// saved from its run, the run of that file and the file saved again. The run of the file must be
// the typed run event for event (prompts, echoes, selection, results) and save the same file.
#include <gtest/gtest.h>

#include "adjustment_run.h"
#include "entry/chain_data_answers.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

// Every kind of known data, each selecting its row; the chain surveyed with small errors.
const KnownKind kKinds[] = {
    KnownKind::FullFromA,    KnownKind::NoClosingBase,    KnownKind::StartSideOnly,
    KnownKind::AzimuthsOnly, KnownKind::Unoriented,       KnownKind::BetweenCAndD,
    KnownKind::ByEAndF,      KnownKind::ByEWithTb,        KnownKind::ByEWithD,
    KnownKind::FromCWithAzimuth, KnownKind::FromCWithSide,
};

ChainAnswers typedChain(KnownKind kind) {
  const SurveyedChain chain = surveyChain(mixedChain(7), kind, 12.5, -21.25);
  return answersFor(chain, withErrors(chain.truth.angles, 3.0));
}

// One run of the real procedures with the answers of a typed chain or of a data file.
struct WholeRun {
  ScriptedPlatform platform;
  RunDriver driver{platform};
  RunOutcome outcome{};

  explicit WholeRun(const ChainAnswers& typed) {
    platform.setResponder(respondWith(typed));
    outcome = driver.runOnce();
  }
  explicit WholeRun(ChainDataAnswers& file) {
    platform.answerFrom(&file);
    outcome = driver.runOnce();
  }
  std::string savedFile() const { return chainDataText(driver.lastRunData().value()); }
};

class RoundTrip : public ::testing::TestWithParam<KnownKind> {};

TEST_P(RoundTrip, TheSavedFileRepeatsTheTypedRunAndSavesItself) {
  const int row = selectionRow(GetParam());
  const WholeRun typed(typedChain(GetParam()));
  ASSERT_EQ(typed.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(typed.platform.messages());
  ASSERT_EQ(typed.driver.lastSelection(), row);
  const std::string saved = typed.savedFile();

  ChainDataAnswers answers(parseChainData(saved), ListingAnswers::Answered);
  const WholeRun loaded(answers);
  ASSERT_EQ(loaded.outcome, RunOutcome::Adjusted) << ::testing::PrintToString(loaded.platform.messages());
  EXPECT_EQ(loaded.driver.lastSelection(), row);
  EXPECT_EQ(loaded.platform.events(), typed.platform.events());
  EXPECT_EQ(loaded.savedFile(), saved);
}

INSTANTIATE_TEST_SUITE_P(EverySelectionRow, RoundTrip, ::testing::ValuesIn(kKinds),
                         [](const auto& info) {
                           return "Row" + std::to_string(selectionRow(info.param)) + "_" +
                                  nameOf(info.param);
                         });

}  // namespace
}  // namespace chainadj::testing
