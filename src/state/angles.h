// Angles: typed degrees.minutesseconds, azimuths from coordinate differences, the range rule.
#pragma once

#include <optional>
#include <string_view>

namespace chainadj {

// A typed angle in degrees.minutesseconds, read from its decimal digits: the integer part is
// degrees, the first two decimals minutes, the next two seconds, further decimals fractions of
// a second. "45.301525" is 45°30'15.25"; "1.13" is 1°13'00"; "-12.3" is -12°30'. Legal:
// "45.3020", "0.0001", "359.5959". Not legal: "45.6020" (60 minutes), "45.3060" (60 seconds).
struct TypedDms {
  bool negative = false;
  double degrees = 0;   // whole degrees
  int minutes = 0;      // 0..99 as typed
  double seconds = 0;   // seconds with their fraction, 0..<100 as typed

  bool legal() const { return minutes < 60 && seconds < 60.0; }
  double toDecimalDegrees() const;
};

// Splits a number written in plain ASCII (sign, digits, point, exponent: see number_text.h).
// nullopt when the text is no number.
std::optional<TypedDms> readDms(std::string_view numberText);
// The same for a text that normalizedNumberText gave.
TypedDms readDmsOfNormalized(std::string_view normalizedText);

// Decimal degrees of a typed angle given as a number; the number's shortest decimal writing is
// read as above, so 1.13 gives exactly 1°13'.
double DmsToDegrees(double typed);

// Azimuth in decimal degrees, 0 <= T < 360, of the direction with coordinate differences dx (X)
// and dy (Y); s is the distance, passed for the callers' convenience. dx = 0 gives 90 for
// dy > 0, else 270 (also for dy = 0); dy = 0 gives 180 for dx < 0, else 0.
double AzimuthDeg(double dx, double dy, double s);

// The distance (metres) and azimuth (decimal degrees, AzimuthDeg) from one point to another.
struct Sight {
  double distance;
  double azimuth;
};
// From (x0, y0) to (x, y); the same point has no direction: ChainError(samePointMessage).
Sight sightBetween(double x0, double y0, double x, double y, const char* samePointMessage);

// The range rule: one subtraction of 360 when T >= 360, then one addition when T < 0.
double rangeRule(double azimuthDegrees);
// The range rule in the other order: first the addition for T < 0, then the subtraction.
double rangeRuleNegativeFirst(double azimuthDegrees);

// An angle difference in degrees brought into [-180, 180).
double wrapHalfCircle(double degrees);

// -1, 0 or +1.
float signOf(double value);

}  // namespace chainadj
