// Cm1 on long chains: a whole run through the run driver (entry, adjustment, listing) with a
// scripted surveyor, and the adjustment procedure alone on the chain the entry left.
#include <benchmark/benchmark.h>

#include "adjust/procedures.h"
#include "entry/variant_selection.h"
#include "chain_answers.h"
#include "entry/run_driver.h"
#include "scripted_platform.h"
#include "surveyed_chain.h"

namespace chainadj {
namespace {

using testing::ChainAnswers;
using testing::ScriptedPlatform;

ChainAnswers longChain(int triangles) {
  const testing::TrueChain truth = testing::zigZagChain(triangles);
  const testing::SurveyedChain chain =
      testing::surveyChain(truth, testing::KnownKind::FullFromA, 12.5, -8.25);
  return testing::answersFor(chain, testing::withErrors(truth.angles, 2.0));
}

// A window that shows nothing and answers every listing prompt at once.
class QuietPlatform : public Platform {
 public:
  void setText(int, const std::string&) override {}
  void setLabel(int, const std::string&) override {}
  void setLabel12(int, const std::string&) override {}
  std::optional<std::string> ask(const std::string&) override { return std::string(); }
  void showMessage(const std::string&) override {}
  void endProgram() override {}
};

void BM_Cm1WholeRun(benchmark::State& state) {
  const ChainAnswers answers = longChain(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    ScriptedPlatform platform;
    platform.setResponder(testing::respondWith(answers));
    RunDriver driver(platform);
    state.ResumeTiming();
    if (driver.Command1_Click() != RunOutcome::Adjusted) state.SkipWithError("run not adjusted");
    benchmark::DoNotOptimize(driver.chain().S.data());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Cm1WholeRun)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The chain as the run driver hands it to Cm1.
ChainState enteredChain(int triangles) {
  static ChainState entered;
  ProcedureTable keep = selectedProcedures();
  keep[0] = [](ChainState& chain, Platform&, AdjustmentResult&) { entered = chain; };
  ScriptedPlatform platform;
  platform.setResponder(testing::respondWith(longChain(triangles)));
  RunDriver driver(platform, keep);
  driver.Command1_Click();
  return entered;
}

void BM_Cm1Procedure(benchmark::State& state) {
  const ChainState entered = enteredChain(static_cast<int>(state.range(0)));
  QuietPlatform platform;
  for (auto _ : state) {
    state.PauseTiming();
    ChainState chain = entered;
    state.ResumeTiming();
    AdjustmentResult result;
    Cm1(chain, platform, result);
    benchmark::DoNotOptimize(chain.S.data());
  }
}
BENCHMARK(BM_Cm1Procedure)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace chainadj

BENCHMARK_MAIN();
