#include "adjust/second_group.h"

namespace chainadj {

SecondGroup::SecondGroup(int triangles) : triangles_(triangles) {}

Condition* SecondGroup::find(ConditionKind kind) {
  for (Condition& condition : conditions_) {
    if (condition.kind == kind) return &condition;
  }
  return nullptr;
}

}  // namespace chainadj
