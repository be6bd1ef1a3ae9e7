// The adjusted chain as a drawing for CAD: a DXF file of AutoCAD 2000 (AC1015) written by
// dxflib, in plane coordinates and metres (the drawing's x is the east coordinate Y, its y the
// north coordinate X), with the code page ANSI_936: every text in GBK, a character GBK cannot
// hold as AutoCAD's escape \U+XXXX. Its layers:
//   POINTS     a POINT at every point of the chain and at the orientation points E and F
//   NAMES      the name of each (TEXT) beside it
//   KNOWN      the triangle of a known point (a closed polyline) about it
//   TRIANGLES  a LINE for every side of the chain, each side once
//   ELLIPSES   the error ellipse of every new point as a closed polyline, magnified, and the
//              TEXT note that says by how much and at what scale the texts are sized
//   SIGHTS     dashed lines from A to E and from B to F
// The texts, the symbols and the magnification are those of a print at the round scale of the
// chain's drawing (chain_figure.h) on an A4 frame.
#pragma once

#include <string>

#include "report/run_report.h"

namespace chainadj {

inline constexpr const char* kDxfCodePage = "ANSI_936";  // simplified Chinese, GBK

// The frame on A4 paper the drawing's scale is chosen for.
inline constexpr double kDxfFrameWidthMm = 150.0;
inline constexpr double kDxfFrameHeightMm = 210.0;
// On paper at that scale: the height of a name, the side of a known point's triangle.
inline constexpr double kDxfNameHeightMm = 2.0;
inline constexpr double kDxfKnownSymbolMm = 3.2;
// An error ellipse is drawn as a polygon of this many vertices.
inline constexpr int kDxfEllipseVertices = 32;

// What the drawing is sized by: its round scale 1:denominator and the round magnification of the
// error ellipses (0 where no new point has an ellipse, and none is drawn).
struct DxfScale {
  double denominator = 0;
  double ellipseMagnification = 0;
};
DxfScale dxfScale(const RunReport& report);

// Writes the drawing at `path`, replacing a file there only once it is complete; throws
// ChainError with a Chinese message when it cannot be written.
void writeChainDxfFile(const RunReport& report, const std::string& path);

}  // namespace chainadj
