// A run driver on the scripted platform with recording procedures, and the known points of the
// test chains: A (3000, 1000) and B (3000, 3000); C 500 m from A (C->A is the 3-4-5 direction,
// 53.130102354156 degrees); D 500 m from B (D->B at 323.130102354156 degrees); E off A; F 1000 m
// from B (B->F at 126.869897645844 degrees).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "chain_answers.h"
#include "entry/run_driver.h"
#include "run_script.h"
#include "scripted_platform.h"

namespace chainadj::testing {

inline constexpr double kAzimuthCtoA = 53.130102354156;
inline constexpr double kAzimuthDtoB = 323.130102354156;
inline constexpr double kAzimuthBtoF = 126.869897645844;

// The program's degrees (pi typed to ten decimals) differ from true ones by 3e-11 of the angle.
inline constexpr double kAzimuthTolerance = 1e-7;

inline ChainAnswers& withA(ChainAnswers& a) {
  return a.set(InputItem::Xa, "3000").set(InputItem::Ya, "1000");
}
inline ChainAnswers& withB(ChainAnswers& a) {
  return a.set(InputItem::Xb, "3000").set(InputItem::Yb, "3000");
}
inline ChainAnswers& withC(ChainAnswers& a) {
  return a.set(InputItem::Xc, "2700").set(InputItem::Yc, "600");
}
inline ChainAnswers& withD(ChainAnswers& a) {
  return a.set(InputItem::Xd, "2600").set(InputItem::Yd, "3300");
}
inline ChainAnswers& withE(ChainAnswers& a) {
  return a.set(InputItem::Xe, "3500").set(InputItem::Ye, "500");
}
inline ChainAnswers& withF(ChainAnswers& a) {
  return a.set(InputItem::Xf, "2400").set(InputItem::Yf, "3800");
}

// n equilateral triangles typed with a closure of 3" each.
inline ChainAnswers chainOf(int n) {
  ChainAnswers answers;
  answers.n = n;
  for (int i = 0; i < n; ++i) answers.triangles.push_back({"60.0001", "60.0001", "60.0001"});
  withA(answers);
  withB(answers);
  return answers;
}

class EntryRun : public ::testing::Test {
 protected:
  RunOutcome run(const ChainAnswers& answers) {
    platform.setResponder(respondWith(answers));
    return driver.runOnce();
  }
  RunOutcome run(const RunScript& script) {
    platform.addAnswers(script.answers());
    return driver.runOnce();
  }
  const ChainState& chain() const { return driver.chain(); }
  const RunFlags& flags() const { return driver.flags(); }
  bool asked(const std::string& prompt) const {
    const auto prompts = platform.prompts();
    return std::find(prompts.begin(), prompts.end(), prompt) != prompts.end();
  }
  bool askedValue(InputItem item) const { return asked(literal(item).enter); }

  ScriptedPlatform platform;
  RunDriver driver{platform, recordingProcedures()};
};

}  // namespace chainadj::testing
