// The text boxes and labels of the window, named by what they show. The window knows its
// controls by number (Text1..Text36, Label1..Label115); the core names the ones it writes here,
// in one place, and writes a number into a box with its mask and unit through one helper.
#pragma once

#include <string>

#include "state/display_format.h"
#include "state/platform.h"

namespace chainadj {

namespace box {
// Known data, as typed or derived.
inline constexpr int kXa = 1, kYa = 2, kXb = 3, kYb = 4;
inline constexpr int kXc = 29, kYc = 30, kXd = 31, kYd = 32;  // or the orientation messages
inline constexpr int kXe = 33, kYe = 34, kXf = 35, kYf = 36;  // or "無定向点"
inline constexpr int kStartSide = 11;       // Sa
inline constexpr int kClosingSide = 12;     // Sb, or the distance B-F
inline constexpr int kStartAzimuth = 5;     // the Tag answer, then Ta
inline constexpr int kClosingAzimuth = 6;   // the TbG answer, then Tb
inline constexpr int kQa = 7, kQb = 8;
inline constexpr int kAdjustmentKind = 26;  // which kind of adjustment applies
inline constexpr int kTriangleCount = 27;
// The triangle being typed.
inline constexpr int kAngleA = 9, kAngleB = 10, kAngleC = 24;
inline constexpr int kTriangleClosure = 25;  // w(i), seconds
// Closures of the second-group conditions w(2--1) .. w(2--4).
inline constexpr int kAzimuthClosure = 13;   // seconds
inline constexpr int kSideClosure = 14;      // units of the sixth decimal
inline constexpr int kXClosure = 15;         // millimetres
inline constexpr int kYClosure = 16;         // millimetres
// Precision figures.
inline constexpr int kMeanError = 17;          // mb, seconds
inline constexpr int kReciprocalWeight = 18;   // 1/p of the weakest side
inline constexpr int kLogMeanError = 19;       // mlogs, units of the sixth decimal
inline constexpr int kRelativeMeanError = 20;  // 1/Tr
inline constexpr int kPointMeanError = 28;     // md, millimetres
// Point names as typed, then the coordinate listing.
inline constexpr int kPointName = 21;
inline constexpr int kListedX = 22, kListedY = 23;
}  // namespace box

namespace label {
inline constexpr int kAngleA = 44;            // "求距角 A(i)"
inline constexpr int kTriangleClosure = 13;   // "三角形闭合差 w(i)"
inline constexpr int kListedName = 35;        // " N(j)"
inline constexpr int kListedX = 36;           // "Xp(j)"
inline constexpr int kListedY = 38;           // "Yp(j)"
// The two elements of the label array Label12.
inline constexpr int kAngleBElement = 1;      // "前进角 B(i)"
inline constexpr int kAngleCElement = 2;      // "间隔角 C(i)"
}  // namespace label

// How a number is shown in its box: the mask and the unit text that follows it.
struct ValueFormat {
  const char* mask;
  const char* unit;
};

inline constexpr ValueFormat kSecondsFormat{kMaskTwoDecimals, kUnitSeconds};
inline constexpr ValueFormat kLogUnitsFormat{kMaskTwoDecimals, kUnitLogUnits};
inline constexpr ValueFormat kMillimetresFormat{kMaskTwoDecimals, kUnitMillimetres};
inline constexpr ValueFormat kReciprocalWeightFormat{kMaskReciprocalWeight, ""};
inline constexpr ValueFormat kCoordinateFormat{kMaskCoordinate, ""};

std::string formatValue(double value, const ValueFormat& format);

// Writes the value into the box, rounded and masked, followed by its unit.
void showValue(Platform& platform, int box, double value, const ValueFormat& format);

}  // namespace chainadj
