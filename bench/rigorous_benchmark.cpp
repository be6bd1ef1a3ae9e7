// The adjustment by coordinates with all its covariances (every point, every side, every
// correction's redundancy) on chains of 1 000, 10 000 and 100 000 triangles, reported as time per
// triangle, with the iterations it took and the memory it added at its peak; the classical
// procedures' side precision; and, at the closing end of the longest chain, how the classical
// point precision agrees with the adjustment by coordinates (the procedure of row 1 is that
// adjustment).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <string>

#include "entry/chain_data_answers.h"
#include "entry/run_driver.h"
#include "quality/point_precision.h"
#include "quality/rigorous_result.h"
#include "quality/side_precision.h"
#include "surveyed_chain.h"

namespace chainadj {
namespace {

constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

// A window that shows nothing and whose input boxes the chain's data answer.
class DataAnsweredPlatform : public Platform {
 public:
  explicit DataAnsweredPlatform(AnswerSource& data) : data_(data) {}
  void setText(int, const std::string&) override {}
  void setLabel(int, const std::string&) override {}
  void setLabel12(int, const std::string&) override {}
  void showMessage(const std::string&) override {}
  void endProgram() override {}
  std::optional<std::string> ask(const std::string&, const PromptKey& key) override {
    return data_.answer(key);
  }

 private:
  AnswerSource& data_;
};

ChainData chainData(int triangles) {
  const testing::TrueChain truth = testing::zigZagChain(triangles);
  const testing::ChainAnswers typed = testing::answersFor(
      testing::surveyChain(truth, testing::KnownKind::FullFromA, 12.5, -8.25),
      testing::withErrors(truth.angles, 2.0));
  ChainData data;
  data.values = typed.values;
  data.names = typed.names;
  data.triangles = typed.triangles;
  return data;
}

// A zig-zag chain of row 1 with errors of 2" run through the classical procedure.
class ClassicalRun {
 public:
  explicit ClassicalRun(int triangles)
      : answers_(chainData(triangles), ListingAnswers::Answered), platform_(answers_),
        driver_(platform_), adjusted_(driver_.runOnce() == RunOutcome::Adjusted) {}

  bool adjusted() const { return adjusted_; }
  const ChainState& chain() const { return driver_.chain(); }
  const AdjustmentResult& result() const { return driver_.lastResult(); }

 private:
  ChainDataAnswers answers_;
  DataAnsweredPlatform platform_;
  RunDriver driver_;
  bool adjusted_;
};

// The process's resident memory and its peak since the last reset, bytes (Linux).
double statusBytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) * 1024.0;
  }
  return 0.0;
}

void resetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The largest difference of the cofactors of the last five new points, relative to each point's.
double closingEndDifference(const ClassicalRun& run, const RigorousResult& rigorous) {
  const std::vector<PointPrecision> classical = pointPrecisions(run.chain(), run.result());
  const int n = run.chain().n;
  double largest = 0.0;
  for (int j = n - 4; j <= n; ++j) {
    const PointPrecision& c = classical[static_cast<std::size_t>(j - 1)];
    const PointPrecision& r = *rigorous.points[static_cast<std::size_t>(j)].precision;
    const double scale = r.qxx + r.qyy;
    largest = std::max({largest, std::fabs(c.qxx - r.qxx) / scale, std::fabs(c.qyy - r.qyy) / scale,
                        std::fabs(c.qxy - r.qxy) / scale});
  }
  return largest;
}

void BM_RigorousAdjustment(benchmark::State& state) {
  const int triangles = static_cast<int>(state.range(0));
  const ClassicalRun run(triangles);
  if (!run.adjusted()) state.SkipWithError("not adjusted");
  const RigorousSettings settings{2.5, 0.0, 0.0};
  double addedPeak = 0.0;
  int iterations = 0;
  for (auto _ : state) {
    const double before = statusBytes("VmRSS");
    resetPeakMemory();
    const RigorousResult r = adjustRigorously(run.chain(), 1, run.result(), settings);
    addedPeak = std::max(addedPeak, statusBytes("VmHWM") - before);
    iterations = r.iterations;
    benchmark::DoNotOptimize(r.sides.data());
  }
  state.counters["iterations"] = iterations;
  state.counters["added_peak_MB"] = addedPeak / kBytesPerMegabyte;
  state.counters["per_triangle"] = benchmark::Counter(
      triangles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  const RigorousResult r = adjustRigorously(run.chain(), 1, run.result(), settings);
  state.counters["closing_end_difference"] = closingEndDifference(run, r);
}
BENCHMARK(BM_RigorousAdjustment)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The relative error and azimuth error of every side of a classical procedure's chain.
void BM_ClassicalSidePrecision(benchmark::State& state) {
  const int triangles = static_cast<int>(state.range(0));
  const ClassicalRun run(triangles);
  if (!run.adjusted()) state.SkipWithError("not adjusted");
  for (auto _ : state) {
    benchmark::DoNotOptimize(classicalSidePrecisions(run.chain(), run.result()).data());
  }
  state.counters["per_triangle"] = benchmark::Counter(
      triangles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ClassicalSidePrecision)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace chainadj

BENCHMARK_MAIN();
