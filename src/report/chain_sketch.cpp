#include "report/chain_sketch.h"

#include <exception>

#include "entry/chain_data_answers.h"
#include "entry/chain_preview.h"
#include "entry/run_driver.h"
#include "entry/unseen_platform.h"

namespace chainadj {
namespace {

// Where a run stopped before its provisional pass without saying why.
constexpr const char* kRunStoppedEarly = "计算没有进行到三角锁的推算";

ChainSketch refused(const std::string& reason) { return {std::nullopt, kSketchRefusedPrefix + reason}; }

// The run's provisional pass as a report; the listed points are those of the run where it got
// that far, else every point after the start.
RunReport sketchOf(const RunResults& run) {
  const AdjustmentResult& result = run.result;
  const int lastListed = result.lastListedPoint > 0 ? result.lastListedPoint : run.chain.n + 1;
  return makeDrawingReport(run.chain, run.flags, *run.selection, result.provisional, result.start,
                           lastListed, run.data ? &*run.data : nullptr);
}

}  // namespace

ChainSketch sketchChain(const ChainData& data) {
  if (const std::optional<std::string> refusal = runRefusal(data)) return refused(*refusal);
  ChainDataAnswers answers(data, ListingAnswers::Answered);
  UnseenPlatform unseen(&answers);
  RunDriver driver(unseen);
  try {
    driver.runOnce();
  } catch (const std::exception& error) {
    return refused(error.what());
  }
  const RunResults& run = driver.currentRun();
  if (!run.selection || run.result.provisional.X.empty()) {
    return refused(unseen.lastMessage().empty() ? kRunStoppedEarly : unseen.lastMessage());
  }
  return {sketchOf(run), ""};
}

}  // namespace chainadj
