#include "state/angles.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "state/chain_error.h"
#include "state/constants.h"
#include "state/number_text.h"

namespace chainadj {
namespace {

// The double nearest the decimal digits (with an optional point); no digits are 0.
double readUnsigned(std::string_view digits) {
  if (digits.empty()) return 0.0;
  double value = 0.0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// Digits of a number on either side of its decimal point, the exponent applied.
struct DecimalDigits {
  std::string integerPart;
  std::string fractionPart;
};

DecimalDigits shiftPoint(std::string_view mantissa, long exponent) {
  const std::size_t point = mantissa.find('.');
  std::string digits(mantissa);
  long pointPosition = static_cast<long>(mantissa.size());
  if (point != std::string::npos) {
    digits.erase(point, 1);
    pointPosition = static_cast<long>(point);
  }
  pointPosition += exponent;
  if (pointPosition < 0) {
    digits.insert(0, static_cast<std::size_t>(-pointPosition), '0');
    pointPosition = 0;
  }
  if (pointPosition > static_cast<long>(digits.size())) {
    digits.append(static_cast<std::size_t>(pointPosition) - digits.size(), '0');
  }
  const auto split = static_cast<std::size_t>(pointPosition);
  return {digits.substr(0, split), digits.substr(split)};
}

// The digit at `index` of the fraction, '0' beyond its end.
int fractionDigit(std::string_view fraction, std::size_t index) {
  return index < fraction.size() ? fraction[index] - '0' : 0;
}

// Degrees, minutes and seconds from the digits before and after the point: the first two
// decimals are minutes, the next two whole seconds, the rest fractions of a second.
void readDigits(std::string_view integerPart, std::string_view fraction, TypedDms& dms) {
  dms.degrees = readUnsigned(integerPart);
  dms.minutes = fractionDigit(fraction, 0) * 10 + fractionDigit(fraction, 1);
  std::string seconds{static_cast<char>('0' + fractionDigit(fraction, 2)),
                      static_cast<char>('0' + fractionDigit(fraction, 3)), '.'};
  if (fraction.size() > 4) seconds.append(fraction.substr(4));
  dms.seconds = readUnsigned(seconds);
}

}  // namespace

double TypedDms::toDecimalDegrees() const {
  const double magnitude = degrees + minutes / 60.0 + seconds / kSecondsPerDegree;
  return negative ? -magnitude : magnitude;
}

std::optional<TypedDms> readDms(std::string_view numberText) {
  const std::optional<std::string> normalized = normalizedNumberText(numberText);
  if (!normalized) return std::nullopt;
  return readDmsOfNormalized(*normalized);
}

TypedDms readDmsOfNormalized(std::string_view normalizedText) {
  TypedDms dms;
  if (normalizedText.empty()) return dms;
  const NumberParts number = splitNormalized(normalizedText);
  dms.negative = number.negative;
  const DecimalDigits parts = shiftPoint(number.mantissa, number.exponent);
  readDigits(parts.integerPart, parts.fractionPart, dms);
  return dms;
}

double DmsToDegrees(double typed) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), typed);
  const std::optional<TypedDms> dms = readDms(std::string_view(buffer.data(), result.ptr));
  return dms ? dms->toDecimalDegrees() : typed;
}

double AzimuthDeg(double dx, double dy, double /*s*/) {
  if (dx == 0.0) return dy > 0.0 ? 90.0 : 270.0;
  if (dy == 0.0) return dx < 0.0 ? 180.0 : 0.0;
  double azimuth = std::atan2(dy, dx) / kRhoRadiansPerDegree;
  if (azimuth < 0.0) azimuth += 360.0;
  // A tiny negative angle that rounds up to 360 is due north.
  if (azimuth >= 360.0) azimuth = 0.0;
  return azimuth;
}

Sight sightBetween(double x0, double y0, double x, double y, const char* samePointMessage) {
  const double dx = x - x0, dy = y - y0;
  if (dx == 0.0 && dy == 0.0) throw ChainError(samePointMessage);
  const double distance = std::sqrt(dx * dx + dy * dy);
  if (!std::isfinite(distance)) throw ChainError(kPointsTooFarApartMessage);
  return {distance, AzimuthDeg(dx, dy, distance)};
}

bool distanceIsFinite(double x0, double y0, double x, double y) {
  const double dx = x - x0, dy = y - y0;
  return std::isfinite(std::sqrt(dx * dx + dy * dy));
}

double rangeRule(double azimuthDegrees) {
  if (azimuthDegrees >= 360.0) azimuthDegrees -= 360.0;
  if (azimuthDegrees < 0.0) azimuthDegrees += 360.0;
  return azimuthDegrees;
}

double rangeRuleNegativeFirst(double azimuthDegrees) {
  if (azimuthDegrees < 0.0) azimuthDegrees += 360.0;
  if (azimuthDegrees >= 360.0) azimuthDegrees -= 360.0;
  return azimuthDegrees;
}

double wrapHalfCircle(double degrees) {
  return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}

float signOf(double value) {
  if (value > 0.0) return 1.0f;
  if (value < 0.0) return -1.0f;
  return 0.0f;
}

}  // namespace chainadj
