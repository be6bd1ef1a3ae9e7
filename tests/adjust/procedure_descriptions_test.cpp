// The words for each procedure: one of its own for every selection row, none for any other row.
// Text26 shows rows 1..6 (see the selection's tests); rows 7..10 are read in the report only.
#include "adjust/procedure_descriptions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace chainadj {
namespace {

TEST(ProcedureDescriptions, EveryRowHasOneOfItsOwn) {
  std::set<std::string> seen;
  for (int row = 1; row <= 10; ++row) {
    EXPECT_FALSE(procedureDescription(row).empty()) << row;
    seen.insert(procedureDescription(row));
  }
  EXPECT_EQ(seen.size(), 10u);
  EXPECT_EQ(procedureDescription(0), "");
  EXPECT_EQ(procedureDescription(11), "");
}

TEST(ProcedureDescriptions, TheOrientedRowsSayWhatOrientsThem) {
  EXPECT_EQ(procedureDescription(7), "由定向点 E、F 定向，按方位角条件、边条件和座标条件平差");
  EXPECT_EQ(procedureDescription(8),
            "由定向点 E 定向，终端给出方位角（或已知点 D），按方位角条件、边条件和座标条件平差");
  EXPECT_EQ(procedureDescription(9),
            "由已知点 C 起算，以定向点 F 闭合，按方位角条件、边条件和座标条件平差");
  EXPECT_EQ(procedureDescription(10),
            "由已知点 C 起算，以终端基线闭合，按边条件和座标条件平差、没有方位角条件");
}

}  // namespace
}  // namespace chainadj
