// The conditions of the second group, each formed from the provisional pass: its closure is
// computed and shown at once in its box, and its transformed coefficient row joins the group.
#pragma once

#include "adjust/chain_pass.h"
#include "adjust/condition_rows.h"
#include "adjust/second_group.h"
#include "state/angles.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

// The boxes of the four closures w(2--1) .. w(2--4).
inline constexpr int kAzimuthClosureBox = 13;
inline constexpr int kSideClosureBox = 14;
inline constexpr int kXClosureBox = 15;
inline constexpr int kYClosureBox = 16;

// Shown in the side-closure box of a chain without a closing base.
inline constexpr const char* kNoBaseCondition = "没有基线条件";

// Azimuth condition, closure in seconds (Text13). The computed closing azimuth is brought into
// range by `closingRule` before the closure is wrapped into half a circle.
void addAzimuthCondition(SecondGroup& group, const ChainState& chain, const ChainPass& provisional,
                         Platform& platform, AzimuthRule closingRule = rangeRule);

// Side condition, closure in units of the sixth decimal (Text14).
void addSideCondition(SecondGroup& group, const ChainState& chain, Platform& platform);

// X and Y conditions, closures in millimetres (Text15, Text16), then brought to the scale of
// the rows (times 434.29).
void addCoordinateConditions(SecondGroup& group, const ChainState& chain,
                             const ChainPass& provisional, const CoordinateTarget& target,
                             Platform& platform);

// A condition the chain does not have: its box gets the fixed text.
void showMissingCondition(Platform& platform, int box, const char* text);

}  // namespace chainadj
