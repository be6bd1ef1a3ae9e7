#include "report/report_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include <utf8/checked.h>

#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

constexpr unsigned char kFirstNonAscii = 0x80;
constexpr long long kSecondsPerMinute = 60;
constexpr long long kMinutesPerDegree = 60;

constexpr int kMostSecondDecimals = 6;
constexpr long long kDecimalBase = 10;

void appendWhole(long long value, std::string& out) {
  std::array<char, 24> digits;
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  out.append(digits.data(), result.ptr);
}

void appendTwoDigits(long long value, std::string& out) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

// Parts of a second beyond which a D°MM′SS.SS″ angle no longer fits a long long (some 2.5e13
// degrees in hundredths; a double holds no hundredths of a second there anyway).
constexpr double kLargestDmsParts = 9.0e18;

long long partsPerSecond(int decimals) {
  long long parts = 1;
  for (int d = 0; d < decimals; ++d) parts *= kDecimalBase;
  return parts;
}

// `parts` (of a second, `decimals` of them) as D°MM′SS.S…″.
void appendDmsParts(long long parts, int decimals, bool negative, std::string& out) {
  const long long second = partsPerSecond(decimals);
  const long long minute = second * kSecondsPerMinute;
  const long long degree = minute * kMinutesPerDegree;
  if (negative && parts != 0) out += '-';
  appendWhole(parts / degree, out);
  out += "°";
  appendTwoDigits(parts % degree / minute, out);
  out += "′";
  appendTwoDigits(parts % minute / second, out);
  if (decimals > 0) {
    out += '.';
    const std::string digits = std::to_string(second + parts % second);  // "1" and the decimals
    out.append(digits, 1, std::string::npos);
  }
  out += "″";
}

// An angle too large for minutes and seconds, typed so by mistake: its whole degrees only.
void appendLargeDegrees(double degrees, std::string& out) {
  std::array<char, 400> digits;
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), degrees,
                                    std::chars_format::fixed, 0);
  out.append(digits.data(), result.ptr);
  out += "°";
}


bool wide(char32_t code) {
  return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
         (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
         (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
         (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x20000 && code <= 0x3FFFD);
}

}  // namespace

void appendDms(double degrees, std::string& out) { appendDms(degrees, kReportSecondDecimals, out); }

void appendDms(double degrees, int secondDecimals, std::string& out) {
  const int decimals = std::clamp(secondDecimals, 0, kMostSecondDecimals);
  // nearbyint rounds to the nearest, halves to even, in the default rounding mode.
  const double wholeParts = std::nearbyint(std::fabs(degrees) * kSecondsPerDegree *
                                           static_cast<double>(partsPerSecond(decimals)));
  if (!(wholeParts < kLargestDmsParts)) {
    appendLargeDegrees(degrees, out);
    return;
  }
  appendDmsParts(static_cast<long long>(wholeParts), decimals, degrees < 0.0, out);
}

void appendDmsOfHundredths(long long hundredths, bool negative, std::string& out) {
  appendDmsParts(hundredths, kReportSecondDecimals, negative, out);
}

void appendDegreesMinutes(double degrees, std::string& out) {
  const double minutes = std::nearbyint(std::fabs(degrees) * static_cast<double>(kMinutesPerDegree));
  if (!(minutes < kLargestDmsParts)) {
    appendLargeDegrees(degrees, out);
    return;
  }
  const auto whole = static_cast<long long>(minutes);
  if (degrees < 0.0 && whole != 0) out += '-';
  appendWhole(whole / kMinutesPerDegree, out);
  out += "°";
  appendTwoDigits(whole % kMinutesPerDegree, out);
  out += "′";
}

void appendWithUnit(double value, std::string_view mask, std::string_view unit, std::string& out) {
  appendMask(value, mask, out);
  out += unit;
}

int displayWidth(std::string_view utf8) {
  int width = 0;
  try {
    for (auto it = utf8.begin(); it != utf8.end();) {
      if (static_cast<unsigned char>(*it) < kFirstNonAscii) {
        ++width;
        ++it;
      } else {
        width += wide(utf8::next(it, utf8.end())) ? 2 : 1;
      }
    }
  } catch (const utf8::exception&) {
    // Not UTF-8 (a name typed on a console in another encoding): one column a byte.
    return static_cast<int>(utf8.size());
  }
  return width;
}

}  // namespace chainadj
