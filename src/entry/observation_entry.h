// Data entry of one run: the triangle count, the known points, sides, azimuths and orientation
// angles, the point names and the observed angles of every triangle, with what is derived from
// them on the way (sides and azimuths from C, D and F, the run flags, the triangle closures and
// the side-condition coefficients).
#pragma once

#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

class ObservationEntry {
 public:
  ObservationEntry(ChainState& chain, RunFlags& flags, Platform& platform)
      : chain_(chain), flags_(flags), platform_(platform) {}

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

  ChainState& chain_;
  RunFlags& flags_;
  Platform& platform_;
};

}  // namespace chainadj
