// The sketch of a chain as it is typed, before any adjustment (概略网图): the chain's data run out
// of sight as far as the provisional pass, the pass from the angles freed of their triangle
// closures that the conditions are formed from. A swapped name or an interval angle of the wrong
// sign shows in it as a misplaced point, where the adjustment would spread it over the chain.
// A chain that cannot be run yet has a note that says why instead.
#pragma once

#include <optional>
#include <string>

#include "entry/chain_data.h"
#include "report/run_report.h"

namespace chainadj {

// Before the reason a chain cannot be sketched.
inline constexpr const char* kSketchRefusedPrefix = "数据不全，还不能画出网图：";

struct ChainSketch {
  // The chain from its provisional pass, as a report without precision (no ellipses); nullopt
  // when it cannot be drawn.
  std::optional<RunReport> report;
  std::string note;  // why it cannot: kSketchRefusedPrefix and the reason; "" with a report
};

// The sketch of the chain of `data`, as a run of the data would compute it on the plane (a
// reduction onto the Gauss–Krüger plane is left out).
ChainSketch sketchChain(const ChainData& data);

}  // namespace chainadj
