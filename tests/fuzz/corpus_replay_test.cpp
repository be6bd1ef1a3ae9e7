// The fuzz corpus replayed once, in the plain build: every input runs to its end without a fault;
// and its valid chains are those of the surveyed-chain builder, each adjusted by its own row.
#include <gtest/gtest.h>

#include <filesystem>

#include "checked_runs.h"
#include "seed_chains.h"

namespace chainadj::testing {
namespace {

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
