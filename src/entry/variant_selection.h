// The status messages that say how the chain is oriented and which kind of adjustment applies,
// and the choice of the one adjustment procedure that fits the known data.
#pragma once

#include <array>
#include <optional>

#include "adjust/procedures.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

// One row of the selection: the known data it needs, the procedure that adjusts such a chain,
// and, for the rows that name the kind of adjustment in Text26 (the procedure's description), the
// test that shows it. The kind is told before the point names are asked, from the data known at
// that time, so its test is a row's own: it looks at which of Sa, Sb, Ta and Tb are given.
struct SelectionRow {
  int number;  // 1..10, procedure Cm1..Cm10
  AdjustmentProcedure procedure;
  bool (*selects)(const ChainState& chain, const RunFlags& flags);
  bool (*showsKind)(const ChainState& chain);  // nullptr: the row names no kind
};

// Rows 1..10 in the order they are tested.
const std::array<SelectionRow, 10>& selectionRows();

// The procedures of the rows, in row order (what the run driver calls).
ProcedureTable selectedProcedures();

// Text29/30 (start orientation), Text31/32 (closing orientation) and Text26 (kind).
void writeStatusMessages(const ChainState& chain, Platform& platform);

// The selection row 1..10 (procedure Cm1..Cm10) whose conditions hold first, or nullopt.
std::optional<int> selectVariant(const ChainState& chain, const RunFlags& flags);

// Said when no row holds: nothing is adjusted.
inline constexpr const char* kNoVariantMessage =
    "已知数据不符合十种平差图形中的任何一种，本锁没有平差。";

}  // namespace chainadj
