// What the window's data editor tells while a chain is edited, before any run: each triangle's
// closure against the grade's limit, which of the ten kinds of adjustment the known data choose
// (or why none fits), and why the chain could not be run as it stands.
#pragma once

#include <bitset>
#include <optional>
#include <string>

#include "entry/chain_data.h"
#include "entry/document_edit.h"

namespace chainadj {

// A triangle row of typed angles as the run would take it.
struct RowClosure {
  enum class State {
    Unfinished,  // an angle is missing or is no angle the prompt takes
    Usable,      // the run distributes its closure
    TooLarge,    // the closure is so large that a corrected angle leaves 0..180 degrees
  };
  State state = State::Unfinished;
  double seconds = 0;  // w = A + B + |C| - 180, seconds, as the run computes it
  bool overLimit(double limitSeconds) const;
};
RowClosure rowClosure(const TriangleAngles& angles);

// "第 3 个三角形的闭合差 w(3) = 18.00 秒，超过限差 9.00 秒".
std::string closureOverLimitText(int triangle, double seconds, double limitSeconds);

struct SelectionPreview {
  std::optional<int> row;  // the selection row 1..10 (procedure Cm1..Cm10)
  std::string text;        // the row with what it adjusts, or why none fits
  // The known values the run asks (the others it derives or leaves), by InputItem.
  std::bitset<static_cast<std::size_t>(kLastKnownValue) + 1> asked;
};
// The row a run of these known data would choose and the values it asks, found as the run finds
// them.
SelectionPreview previewSelection(const ChainData& data);

// Why a run of the chain could not get to the end of its data entry without asking anything
// the chain does not give, or nullopt when it can.
std::optional<std::string> runRefusal(const ChainData& data);

}  // namespace chainadj
