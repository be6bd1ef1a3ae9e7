// One whole run through the run driver with a scripted surveyor, and what it left in the window.
#pragma once

#include <string>
#include <vector>

#include "chain_answers.h"
#include "entry/run_driver.h"
#include "scripted_platform.h"
#include "true_chain.h"

namespace chainadj::testing {

struct ListedPoint {
  std::string label;  // Label35 caption
  std::string name;   // Text21
  double x = 0, y = 0;  // Text22, Text23 read back
  std::string xText, yText;
};

struct AdjustmentRun {
  explicit AdjustmentRun(const ChainAnswers& answers);

  ScriptedPlatform platform;
  RunDriver driver{platform};
  RunOutcome outcome{};

  const ChainState& chain() const { return driver.chain(); }
  // The points of the coordinate listing, in the order shown.
  std::vector<ListedPoint> listing() const;
  // Every result box write (Text13..Text20, Text28) in order, as "TextN: text".
  std::vector<std::string> resultWrites() const;
  // The number at the start of a box's text ("1.23 秒" -> 1.23).
  double number(int box) const;
};

// The adjusted angles of a chain state, C signed again, for recomputing its points.
ChainAngles adjustedAngles(const ChainState& chain);

}  // namespace chainadj::testing
