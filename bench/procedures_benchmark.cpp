// Every procedure on chains of 10, 1 000 and 100 000 triangles: a whole run through the run
// driver (data entry, adjustment and listing) answered from the typed answers of a known-truth
// chain, reported as time per triangle; the same run read from a chain data file; the
// second-group solution alone; the precision of every point; the results report with its text
// and CSV.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "adjust/normal_equations.h"
#include "adjust/second_group_solution.h"
#include "console/freed_memory.h"
#include "entry/chain_data_answers.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "entry/run_driver.h"
#include "quality/point_precision.h"
#include "report/coordinate_csv.h"
#include "report/json_export.h"
#include "report/run_report.h"
#include "report/text_report.h"
#include "scripted_platform.h"
#include "surveyed_chain.h"

namespace chainadj {
namespace {

using testing::KnownKind;

// A window that shows nothing.
class SilentPlatform : public Platform {
 public:
  void setText(int, const std::string&) override {}
  void setLabel(int, const std::string&) override {}
  void setLabel12(int, const std::string&) override {}
  void showMessage(const std::string&) override {}
  void endProgram() override {}
};

// A window that shows nothing and answers every input box with the next typed line.
class ReplayPlatform : public SilentPlatform {
 public:
  explicit ReplayPlatform(const std::vector<std::string>& answers) : answers_(answers) {}
  std::optional<std::string> ask(const std::string&, const PromptKey&) override {
    if (next_ == answers_.size()) return std::nullopt;
    return answers_[next_++];
  }

 private:
  const std::vector<std::string>& answers_;
  std::size_t next_ = 0;
};

// The answers a surveyor types for a zig-zag chain with errors of 2", in the order asked.
std::vector<std::string> typedAnswers(KnownKind kind, int triangles) {
  const testing::TrueChain truth = testing::zigZagChain(triangles);
  const testing::SurveyedChain chain = testing::surveyChain(truth, kind, 12.5, -8.25);
  testing::ScriptedPlatform recorder;
  std::vector<std::string> answers;
  const testing::ScriptedPlatform::Responder respond =
      testing::respondWith(testing::answersFor(chain, testing::withErrors(truth.angles, 2.0)));
  recorder.setResponder([&](const std::string& prompt) {
    std::optional<std::string> answer = respond(prompt);
    if (answer) answers.push_back(*answer);
    return answer;
  });
  RunDriver(recorder).runOnce();
  return answers;
}

void BM_WholeRun(benchmark::State& state, KnownKind kind) {
  const int triangles = static_cast<int>(state.range(0));
  const std::vector<std::string> answers = typedAnswers(kind, triangles);
  for (auto _ : state) {
    ReplayPlatform platform(answers);
    RunDriver driver(platform);
    if (driver.runOnce() != RunOutcome::Adjusted) state.SkipWithError("not adjusted");
    benchmark::DoNotOptimize(driver.chain().S.data());
  }
  state.counters["per_triangle"] = benchmark::Counter(
      triangles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A window that shows nothing and whose input boxes the chain data file answers.
class FileAnsweredPlatform : public SilentPlatform {
 public:
  explicit FileAnsweredPlatform(AnswerSource& file) : file_(file) {}
  std::optional<std::string> ask(const std::string&, const PromptKey& key) override {
    return file_.answer(key);
  }

 private:
  AnswerSource& file_;
};

// The data file of the chain (written as the program saves it), read and run: the file's text
// parsed and checked, then every prompt answered from it.
void BM_DataFileRun(benchmark::State& state) {
  const int triangles = static_cast<int>(state.range(0));
  const testing::TrueChain truth = testing::zigZagChain(triangles);
  const testing::ChainAnswers typed = testing::answersFor(
      testing::surveyChain(truth, KnownKind::FullFromA, 12.5, -8.25),
      testing::withErrors(truth.angles, 2.0));
  ChainData written;
  written.values = typed.values;
  written.names = typed.names;
  written.triangles = typed.triangles;
  const std::string text = chainDataText(written);
  for (auto _ : state) {
    ChainDataAnswers answers(parseChainData(text), ListingAnswers::Answered);
    FileAnsweredPlatform platform(answers);
    RunDriver driver(platform);
    if (driver.runOnce() != RunOutcome::Adjusted) state.SkipWithError("not adjusted");
  }
  state.counters["per_triangle"] = benchmark::Counter(
      triangles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DataFileRun)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The precision and error ellipse of every point of an adjusted chain.
void BM_PointPrecision(benchmark::State& state) {
  const int triangles = static_cast<int>(state.range(0));
  const std::vector<std::string> answers = typedAnswers(KnownKind::FullFromA, triangles);
  ReplayPlatform platform(answers);
  RunDriver driver(platform);
  if (driver.runOnce() != RunOutcome::Adjusted) state.SkipWithError("not adjusted");
  for (auto _ : state) {
    benchmark::DoNotOptimize(pointPrecisions(driver.chain(), driver.lastResult()).data());
  }
  state.counters["per_triangle"] = benchmark::Counter(
      triangles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PointPrecision)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Counts what is written and keeps nothing, as a fast disk would.
class CountingBuffer : public std::streambuf {
 public:
  std::size_t written() const { return written_; }

 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    written_ += static_cast<std::size_t>(count);
    return count;
  }
  int_type overflow(int_type ch) override {
    ++written_;
    return ch;
  }

 private:
  std::size_t written_ = 0;
};

// The results of a completed run: the report model, the text report and the coordinate CSV, by
// the classical procedure (second argument 0) or adjusted by coordinates (1, the default grade's
// method).
void BM_ResultsReport(benchmark::State& state) {
  const int triangles = static_cast<int>(state.range(0));
  QualitySettings settings;
  settings.method = state.range(1) == 0 ? AdjustmentMethod::Classical : AdjustmentMethod::Rigorous;
  const std::vector<std::string> answers = typedAnswers(KnownKind::FullFromA, triangles);
  ReplayPlatform platform(answers);
  RunDriver driver(platform);
  if (driver.runOnce() != RunOutcome::Adjusted) state.SkipWithError("not adjusted");
  CountingBuffer buffer;
  std::ostream out(&buffer);
  for (auto _ : state) {
    const RunReport report = makeRunReport(driver, settings);
    writeTextReport(report, out);
    writeCoordinateCsv(report, out);
  }
  state.counters["bytes"] = benchmark::Counter(static_cast<double>(buffer.written()),
                                               benchmark::Counter::kAvgIterations);
  state.counters["per_triangle"] = benchmark::Counter(
      triangles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ResultsReport)
    ->ArgsProduct({{1000, 100000}, {0, 1}})
    ->ArgNames({"n", "rigorous"})
    ->Unit(benchmark::kMillisecond);

// The JSON export of the same report (rigorous), into a counting buffer.
void BM_JsonExport(benchmark::State& state) {
  const int triangles = static_cast<int>(state.range(0));
  const std::vector<std::string> answers = typedAnswers(KnownKind::FullFromA, triangles);
  ReplayPlatform platform(answers);
  RunDriver driver(platform);
  if (driver.runOnce() != RunOutcome::Adjusted) state.SkipWithError("not adjusted");
  const RunReport report = makeRunReport(driver, QualitySettings{});
  CountingBuffer buffer;
  std::ostream out(&buffer);
  for (auto _ : state) writeJson(report, out);
  state.counters["bytes"] = benchmark::Counter(static_cast<double>(buffer.written()),
                                               benchmark::Counter::kAvgIterations);
  state.counters["per_triangle"] = benchmark::Counter(
      triangles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_JsonExport)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Four conditions and the weight function over 3n + 2 columns: the normal matrix, scd and the
// correlates.
void BM_SecondGroupSolution(benchmark::State& state) {
  const int triangles = static_cast<int>(state.range(0));
  SecondGroup group(triangles);
  for (int r = 0; r < 4; ++r) {
    CoefficientRow row = group.emptyRow();
    for (std::size_t k = 0; k < row.size(); ++k) row[k] = 1.0 / static_cast<double>(k + r + 1);
    group.add({ConditionKind::Azimuth, row, 1.0, 1.0});
  }
  CoefficientRow weight = group.emptyRow();
  for (std::size_t k = 0; k < weight.size(); k += 3) weight[k] = 1.0;
  group.setWeightFunction(weight);
  testing::ScriptedPlatform platform;
  for (auto _ : state) benchmark::DoNotOptimize(solveSecondGroup(group, platform).correlates);
  state.counters["per_triangle"] = benchmark::Counter(
      triangles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SecondGroupSolution)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

void registerWholeRuns() {
  for (KnownKind kind : {KnownKind::FullFromA, KnownKind::NoClosingBase, KnownKind::StartSideOnly,
                         KnownKind::AzimuthsOnly, KnownKind::Unoriented, KnownKind::BetweenCAndD,
                         KnownKind::ByEAndF, KnownKind::ByEWithTb, KnownKind::FromCWithAzimuth,
                         KnownKind::FromCWithSide}) {
    const std::string name = std::string("BM_WholeRun/") + testing::nameOf(kind);
    benchmark::RegisterBenchmark(name.c_str(), BM_WholeRun, kind)
        ->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
  }
}
}  // namespace chainadj

int main(int argc, char** argv) {
  // Freed arrays stay in the heap for the next iteration, as chainadj-console keeps them: a
  // chain of 100 000 triangles then costs its work, not fresh pages from the system each time.
  chainadj::keepFreedMemoryForReuse();
  chainadj::registerWholeRuns();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
