// Data entry of one run: the triangle count, the known points, sides, azimuths and orientation
// angles, the point names and the observed angles of every triangle, with what is derived from
// them on the way (sides and azimuths from C, D and F, the run flags, the triangle closures and
// the side-condition coefficients).
#pragma once

#include <string>
#include <string_view>

#include "entry/answer_listener.h"
#include "entry/prompt_confirm.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

// Whether the distance and forward angles of a triangle (decimal degrees, c the magnitude of the
// interval angle) stay strictly between 0 and 180 degrees once the closure w = a + b + c - 180
// is taken off each angle by a third. The run stops on a triangle for which they do not.
bool closureLeavesAnglesUsable(double a, double b, double c);

// Takes triangle i's closure w(i) = A(i) + B(i) + C(i) - 180 (C the magnitude) off its angles as
// they stand, a third from each, with what follows from it: w(i) in seconds, WW and the
// side-condition coefficients dA(i), dB(i). ChainError when the corrected angles leave 0..180.
void takeOffClosure(ChainState& chain, int i);

class ObservationEntry {
 public:
  // `listener`, when given, receives every answer as it is accepted: the triangle count, the
  // typed text of each value asked, the point names and the typed angles of each triangle.
  ObservationEntry(ChainState& chain, RunFlags& flags, Platform& platform,
                   AnswerListener* listener = nullptr)
      : chain_(chain), flags_(flags), platform_(platform), listener_(listener) {}

  // Asks for n and creates the arrays. False when the answer is empty: the run ends quietly.
  bool takeTriangleCount();
  // Known points, sides, flags, azimuths and orientation angles, in the order of a run.
  void takeKnownData();
  void takePointNames();
  void takeTriangles();

 private:
  void takeCoordinates();
  void echoMissingOrientationPoints();
  void takeStartSide();
  void takeClosingSide();
  void takeStartAzimuth();
  void takeClosingAzimuth();
  void takeOrientationAngles();
  void takeTriangle(int i);
  void distributeClosure(int i);
  // Prompt-and-confirm for one value (of triangle i for A, B, C), the accepted answer handed on.
  Answer take(InputItem item, int triangle = 0, const std::function<void()>& afterFirstEcho = {});
  double number(InputItem item) { return take(item).value; }
  // The caption of an element of triangle i: its words, then i and ")".
  const std::string& triangleCaption(std::string_view words, int i);

  ChainState& chain_;
  RunFlags& flags_;
  Platform& platform_;
  AnswerListener* listener_;
  // A long chain shows four captions a triangle: they are made in this one buffer.
  std::string caption_;
};

}  // namespace chainadj
