// What a checker looks for first: the weakest side of the chain with its relative mean error
// against the grade's limit, the point of the largest position error, the observation of the
// largest standardised correction, the global test, and the conclusion whether the chain passes
// its check (本锁检核合格) or why not. An observation marked 可能粗差 is named for the checker to
// look at; it does not fail the chain by itself (among the thousands of angles of a long chain
// some exceed the bound by chance), the closures over their limits and the global test do.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/run_report.h"

namespace chainadj {

struct WeakestSide {
  ChainSide side;
  std::optional<double> relative;  // T of 1/T; nullopt for a side without error (1/∞)
  bool withinLimit = true;         // T not below the grade's limit
  // From the precision of every side; otherwise the classical procedure's weakest side (the side
  // of its weight function, in the middle of the chain or, for row 3, the last one).
  bool fromEverySide = false;
};

// The weakest side, or nullopt when the run has no precision of a side (a chain fitted between
// A and B).
std::optional<WeakestSide> weakestSide(const RunReport& report);

struct LargestPointError {
  int point = 0;
  double mp = 0;  // metres
};

// The new point of the largest mp; nullopt when there is none.
std::optional<LargestPointError> largestPointError(const RunReport& report);

inline constexpr const char* kChainPassesVerdict = "本锁检核合格";
inline constexpr const char* kChainFailsVerdict = "本锁检核不合格";

// Why the chain fails its check, one reason each; empty when it passes.
std::vector<std::string> failureReasons(const RunReport& report);
// The same but for the triangle closures: the angle mean error, the conditions, the weakest side
// and the global test.
std::vector<std::string> conditionFailureReasons(const RunReport& report);

// The lines of the summary that name the weakest side, the largest point error, under the
// rigorous method the largest standardised correction and every observation marked 可能粗差, the
// global test, and the conclusion last.
std::vector<std::string> verdictLines(const RunReport& report);

// The conclusion alone: "结论：本锁检核合格。" or "结论：本锁检核不合格：…。"
std::string conclusionLine(const RunReport& report);

}  // namespace chainadj
