// How a report writes its numbers: each appended to a line being built, without a string of its
// own, so that a table of 300 000 rows writes without a temporary per cell.
#pragma once

#include <string>
#include <string_view>

namespace chainadj {

// Seconds of an angle are written to this many decimals.
inline constexpr int kReportSecondDecimals = 2;

// An angle in decimal degrees as D°MM′SS.SS″, signed ("-63°30′00.40″"); the seconds rounded to
// the hundredth with halves to even, carried into minutes and degrees. An angle of more than
// some 2.5e13 degrees (a blunder the entry takes as typed) is written in whole degrees.
void appendDms(double degrees, std::string& out);
// The same with `secondDecimals` (0..6) decimals of the seconds.
void appendDms(double degrees, int secondDecimals, std::string& out);
// An angle of `hundredths` hundredths of a second (0 or more), with a minus before it when
// `negative` and it is not 0.
void appendDmsOfHundredths(long long hundredths, bool negative, std::string& out);
// An angle in decimal degrees as D°MM′, the minutes rounded to the whole minute (halves to even).
void appendDegreesMinutes(double degrees, std::string& out);

// The value with the display mask ("0.000", "0.00", ...) as the window writes it, then the unit
// text (" 秒", " 米", ...).
void appendWithUnit(double value, std::string_view mask, std::string_view unit, std::string& out);

// The width of a text on a terminal or in a fixed-pitch face: a CJK character (and a full-width
// form) takes two columns, every other character one.
int displayWidth(std::string_view utf8);

}  // namespace chainadj
