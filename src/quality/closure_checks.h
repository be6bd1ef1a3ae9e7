// The closures of a chain against their limits: every triangle closure against the grade's
// limit, the angle mean error from the triangle closures (Ferrero, mβ = sqrt([ww]/(3n))) against
// the grade's mβ, and every second-group closure against 2 sqrt(mβ² a'a + the known data's
// share), a the condition's coefficient row as the procedure built it.
#pragma once

#include <vector>

#include "adjust/adjustment_result.h"
#include "quality/survey_grade.h"
#include "state/chain_state.h"

namespace chainadj {

struct ClosureCheck {
  double closure = 0;  // as shown: seconds, units of the sixth decimal, or millimetres
  double limit = 0;    // in the same unit
  bool withinLimit() const;
};

inline constexpr const char* kWithinLimitVerdict = "合格";
inline constexpr const char* kOverLimitVerdict = "超限";

// kWithinLimitVerdict within the limit, kOverLimitVerdict over it.
const char* verdict(const ClosureCheck& check);

struct TriangleCheck {
  int triangle = 0;
  ClosureCheck check;
};

struct ConditionCheck {
  ConditionKind kind;
  ClosureCheck check;
};

struct ClosureReport {
  std::vector<TriangleCheck> triangles;   // over their limit first, then in chain order
  ClosureCheck angleMeanError;            // mβ from the closures against the grade's mβ
  std::vector<ConditionCheck> conditions;  // in the order of the procedure
};

ClosureReport checkClosures(const ChainState& chain, const AdjustmentResult& result,
                            const QualitySettings& settings);

}  // namespace chainadj
