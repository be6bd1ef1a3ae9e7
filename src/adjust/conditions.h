// The conditions of the second group, each formed from the provisional pass: its closure is
// computed and shown at once in its box, and its transformed coefficient row joins the group.
#pragma once

#include "adjust/chain_ends.h"
#include "adjust/chain_pass.h"
#include "adjust/condition_rows.h"
#include "adjust/second_group.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

// Shown in the closure box of a condition the chain does not have.
inline constexpr const char* kNoBaseCondition = "没有基线条件";
inline constexpr const char* kNoAzimuthCondition = "没有方位条件";
// The chain from C with a closing side says it in these words.
inline constexpr const char* kNoAzimuthConditionFromC = "無方位条件";
inline constexpr const char* kNoCoordinateCondition = "没有座标条件";

// Azimuth condition, closure in seconds (Text13).
void addAzimuthCondition(SecondGroup& group, const ChainState& chain, const ChainPass& provisional,
                         ClosingAzimuth closing, Platform& platform);

// Side condition from the start side Sa to the closing side Sb, closure in units of the sixth
// decimal (Text14).
void addSideCondition(SecondGroup& group, const ChainState& chain, Platform& platform);

// X and Y conditions, closures in millimetres (Text15, Text16), then brought to the scale of
// the rows (times 434.29).
void addCoordinateConditions(SecondGroup& group, const ChainState& chain,
                             const ChainPass& provisional, const CoordinateTarget& target,
                             Platform& platform);

// A condition the chain does not have: its box gets the fixed text.
void showMissingCondition(Platform& platform, int box, const char* text);

}  // namespace chainadj
