// Fixed numbers of the adjustment, with their meaning and unit.
#pragma once

namespace chainadj {

// Radians per degree, with pi typed to ten decimals as the program always has.
inline constexpr double kPiTyped = 3.1415926535;
inline constexpr double kRhoRadiansPerDegree = kPiTyped / 180.0;

// Seconds of arc per degree.
inline constexpr double kSecondsPerDegree = 3600.0;

// log10(e) * 1e6 divided by the seconds of arc in a radian: when an angle x grows by one
// second, log10 sin x grows by 2.1055 * cot x units of the sixth decimal.
inline constexpr double kLogSinePerSecond = 2.1055;

// ln 10 as the program divides by it to form common logarithms.
inline constexpr double kLn10 = 2.302585093;

// Units of the sixth decimal of a common logarithm per unit of the logarithm.
inline constexpr double kSixthDecimalUnits = 1000000.0;

// Brings a coordinate closure in metres to the scale of the coefficient rows
// (a change of 1 m corresponds to 434.29 units). Written as the program always had it.
inline constexpr double kMetresToCoefficientScale = 434.29;

// Coordinate coefficients carry 2.1055 * delta / 1000, delta in metres.
inline constexpr double kMetresPerKilometre = 1000.0;

// Millimetres per metre, for closures and position errors shown in millimetres.
inline constexpr double kMillimetresPerMetre = 1000.0;

// Numerator of the relative error of the weakest side: 1/Tr with Tr = Fix(434290 / mlogs),
// mlogs in units of the sixth decimal.
inline constexpr double kRelativeErrorNumerator = 434290.0;

// A unit-weight mean error below this (seconds of arc) is only rounding noise and counts as 0.
inline constexpr double kNegligibleMeanErrorSeconds = 0.005;

// A reciprocal weight within this fraction of [ff] counts as exactly 0.
inline constexpr double kNegligibleReciprocalWeightShare = 1e-9;

// A reduced pivot at most this fraction of its starting diagonal element means the conditions
// are dependent.
inline constexpr double kDependentPivotShare = 1e-10;

// Largest triangle count the run accepts.
inline constexpr int kMaxTriangles = 100000;

}  // namespace chainadj
