// The checks of whole runs catch what they are there for; the fuzz corpus replayed once, in the
// plain build, runs without a fault; and its valid chains are those of the surveyed-chain
// builder, each adjusted by its own row.
#include "checked_runs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "entry/variant_selection.h"
#include "seed_chains.h"

namespace chainadj::testing {
namespace {

TEST(RunChecks, ANonFiniteNumberInABoxOrACaptionFails) {
  CheckedPlatform platform;
  EXPECT_THROW(platform.setText(13, "nan 秒"), CheckFailed);
  EXPECT_THROW(platform.setText(20, "1/inf"), CheckFailed);
  EXPECT_THROW(platform.setLabel(36, "Xp(-NaN)"), CheckFailed);
  EXPECT_NO_THROW(platform.setText(28, "∞ 毫米"));
  EXPECT_NO_THROW(platform.setText(20, "1/∞"));
}

TEST(RunChecks, AnEchoOfTypedTextIsNoNumber) {
  CheckedPlatform platform(answerLines({"Inf", "nan"}));
  platform.ask("name");
  platform.ask("flag");
  EXPECT_NO_THROW(platform.setText(21, "  Inf"));
  EXPECT_NO_THROW(platform.setText(5, " nan"));
  EXPECT_THROW(platform.setText(22, " nan"), CheckFailed);
}

// A procedure that returns without listing its points, and one that asks on and on.
TEST(RunChecks, AnAdjustmentThatListsNothingAndAHangFail) {
  const std::vector<std::string> lines = typedLines(respondWith(seedAnswers(KnownKind::FullFromA)));
  ProcedureTable procedures = selectedProcedures();
  procedures[0] = [](ChainState&, Platform&, AdjustmentResult&) {};
  CheckedPlatform platform(answerLines(lines));
  RunDriver silent(platform, procedures);
  EXPECT_THROW(runChecked(silent, platform), CheckFailed);

  procedures[0] = [](ChainState&, Platform& asked, AdjustmentResult&) {
    for (;;) asked.ask("?");
  };
  CheckedPlatform endless(answerLines(lines));
  RunDriver asking(endless, procedures);
  EXPECT_THROW(runChecked(asking, endless), CheckFailed);
}

TEST(CorpusReplay, EveryInputRunsWithoutAFault) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CHAINADJ_RUNS_CORPUS)) {
    const std::optional<std::string> fault = faultOfRuns(readCorpusFile(entry.path().string()));
    EXPECT_FALSE(fault) << entry.path().filename() << ": " << *fault;
    ++inputs;
  }
  EXPECT_GT(inputs, 20);
}

class CorpusSeed : public ::testing::TestWithParam<KnownKind> {};

TEST_P(CorpusSeed, IsTheChainOfItsKindAdjustedByItsRow) {
  const KnownKind kind = GetParam();
  const std::vector<std::string> lines = typedLines(respondWith(seedAnswers(kind)));
  expectCorpusFile(std::string("valid-") + nameOf(kind), lines);

  CheckedPlatform platform(answerLines(lines));
  RunDriver driver(platform);
  const CheckedRun run = runChecked(driver, platform);
  EXPECT_EQ(run.outcome, RunOutcome::Adjusted);
  EXPECT_EQ(run.selection, selectionRow(kind));
  EXPECT_EQ(platform.answersTaken(), lines.size());
}

INSTANTIATE_TEST_SUITE_P(Kinds, CorpusSeed, ::testing::ValuesIn(kEveryKind),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

}  // namespace
}  // namespace chainadj::testing
