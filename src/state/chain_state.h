// Everything the window knows about the chain being adjusted. A chain of n triangles has the
// points 0 (start point A) .. n+1 (closing point B); triangle i has the distance angle A(i), the
// forward angle B(i) and the interval angle C(i).
//
// Coordinates: X north ("纵座标"), Y east ("横座标"), metres. Azimuths clockwise from +X in
// decimal degrees. A point is present when both coordinates are non-zero and absent when both
// are 0; a pair with exactly one 0 is neither.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace chainadj {

inline bool pointPresent(double x, double y) { return x != 0.0 && y != 0.0; }
inline bool pointAbsent(double x, double y) { return x == 0.0 && y == 0.0; }

struct ChainState {
  int n = 0;          // number of triangles
  double rho = 0.0;   // radians per degree, set at the start of every run

  // Known points (metres). C and D are chain points 1 and n; E and F orientation points.
  double Xa = 0, Ya = 0, Xb = 0, Yb = 0;
  double Xc = 0, Yc = 0, Xd = 0, Yd = 0;
  double Xe = 0, Ye = 0, Xf = 0, Yf = 0;

  double Sa = 0, Sb = 0;  // start side A-C and closing side B-D, metres; 0 = none
  double Ta = 0, Tb = 0;  // start and closing azimuths, decimal degrees
  double Qa = 0, Qb = 0;  // orientation angles at A and B, signed decimal degrees
  // Qa and Qb as observed, signed decimal degrees (0 when not asked): as typed, or reduced onto
  // the Gauss–Krüger plane where the run reduces; the observations a report shows, kept apart
  // from Qa, which a procedure may correct.
  double typedQa = 0, typedQb = 0;
  double WW = 0;          // sum of w(i)^2 / 3 over the triangles, square degrees

  // Triangle angles as observed, A(i), B(i) and C(i) (signed), decimal degrees, index 0..n (0
  // unused): as typed, or reduced onto the Gauss–Krüger plane where the run reduces; the
  // observations the results report shows.
  std::vector<std::array<double, 3>> typed;
  // Triangle angles after the closure pre-correction, decimal degrees, index 0..n (0 unused).
  // C(i) holds the absolute value; its sign is in Sg(i).
  std::vector<double> A, B, C;
  // Signs as typed (-1, 0, +1), single precision: Sg(0) of Qa, Sg(i) of C(i), Sg(n+1) of Qb.
  std::vector<float> Sg;
  // Point names 0..n+1; names not asked in a run stay empty.
  std::vector<std::string> na;
  // Side-condition coefficients, units of the sixth decimal per second: dA(i) = 2.1055/tan A(i),
  // dB(i) = -2.1055/tan B(i) (stored negated). Index 0..n.
  std::vector<double> dA, dB;
  // Side lengths worked out by the adjustment procedures, metres, index 0..n+1.
  std::vector<double> S;
  // The triangle closures w(i) as typed (A + B + C - 180), seconds, index 1..n (0 unused).
  std::vector<double> w;

  // Every scalar to 0 and every array empty, as before the first run.
  void clear();
  // Creates the arrays, empty, for n triangles.
  void createArrays(int triangles);

  bool hasC() const { return pointPresent(Xc, Yc); }
  bool noC() const { return pointAbsent(Xc, Yc); }
  bool hasD() const { return pointPresent(Xd, Yd); }
  bool noD() const { return pointAbsent(Xd, Yd); }
  bool hasE() const { return pointPresent(Xe, Ye); }
  bool noE() const { return pointAbsent(Xe, Ye); }
  bool hasF() const { return pointPresent(Xf, Yf); }
  bool noF() const { return pointAbsent(Xf, Yf); }
};

// The two flag texts of the current run. Only "y" and "nn" mean anything.
struct RunFlags {
  std::string Tag;  // start azimuth typed from the keyboard: "y"
  std::string TbG;  // closing azimuth exists: "y"; no closing orientation: "nn"

  bool tagYes() const { return Tag == "y"; }
  bool tbgYes() const { return TbG == "y"; }
  bool tbgNone() const { return TbG == "nn"; }
  void clear() { Tag.clear(); TbG.clear(); }
};

}  // namespace chainadj
