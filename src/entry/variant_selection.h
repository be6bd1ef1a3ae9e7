// The status messages that say how the chain is oriented and which kind of adjustment applies,
// and the choice of the one adjustment procedure that fits the known data.
#pragma once

#include <optional>

#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

// Text29/30 (start orientation), Text31/32 (closing orientation) and Text26 (kind).
void writeStatusMessages(const ChainState& chain, Platform& platform);

// The selection row 1..10 (procedure Cm1..Cm10) whose conditions hold first, or nullopt.
std::optional<int> selectVariant(const ChainState& chain, const RunFlags& flags);

// Said when no row holds: nothing is adjusted.
inline constexpr const char* kNoVariantMessage =
    "已知数据不符合十种平差图形中的任何一种，本锁没有平差。";

}  // namespace chainadj
