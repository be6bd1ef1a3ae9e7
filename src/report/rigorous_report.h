// The report's results from the adjustment by coordinates (严密平差): the chain adjusted, and its
// coordinates, adjusted angles, orientation angles, the precision of every point and side and the
// statistics put in place of the classical procedure's, with every observation's check and the
// largest difference of the coordinates from the classical ones.
#pragma once

#include "report/run_report.h"

namespace chainadj {

// Said where the results hold a number that is none (a cofactor beyond the range of a double).
inline constexpr const char* kNonFiniteRigorousResultMessage =
    "严密平差的结果中出现了无穷大或无效的数值（坐标或协因数超出了数值范围），不能给出严密平差的成果。"
    "请检查输入的角度、边长和已知点的坐标。";

// Adjusts the run by coordinates and gives its results in `report`, which holds the classical
// procedure's coordinates; throws ChainError (and leaves the report as it was) when the
// adjustment stops on its data, does not converge, or gives a number that is none.
void giveRigorousResults(RunReport& report, const ChainState& chain, int row,
                         const AdjustmentResult& result, const QualitySettings& settings);

}  // namespace chainadj
