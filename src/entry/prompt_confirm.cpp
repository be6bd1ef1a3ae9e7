#include "entry/prompt_confirm.h"

#include <array>
#include <cmath>

#include "state/angles.h"
#include "state/display_format.h"
#include "state/number_text.h"

namespace chainadj {
namespace {

constexpr const char* kCoordinateMask = "0.000";
constexpr const char* kSideMask = "0.0000";
constexpr const char* kAngleMask = "0.00000";
// Ta's echo after a re-entry, until the value is accepted.
constexpr const char* kTaReentryMask = ".00000";

constexpr std::array<InputRule, 23> kRules = {{
    {InputItem::Xa, 1, kCoordinateMask, ValueKind::Number},
    {InputItem::Ya, 2, kCoordinateMask, ValueKind::Number},
    {InputItem::Xb, 3, kCoordinateMask, ValueKind::Number},
    {InputItem::Yb, 4, kCoordinateMask, ValueKind::Number},
    {InputItem::Xc, 29, kCoordinateMask, ValueKind::Number},
    {InputItem::Yc, 30, kCoordinateMask, ValueKind::Number},
    {InputItem::Xd, 31, kCoordinateMask, ValueKind::Number},
    {InputItem::Yd, 32, kCoordinateMask, ValueKind::Number},
    {InputItem::Xe, 33, kCoordinateMask, ValueKind::Number},
    {InputItem::Ye, 34, kCoordinateMask, ValueKind::Number},
    {InputItem::Xf, 35, kCoordinateMask, ValueKind::Number},
    {InputItem::Yf, 36, kCoordinateMask, ValueKind::Number},
    {InputItem::Sa, 11, kSideMask, ValueKind::Side},
    {InputItem::Sb, 12, kSideMask, ValueKind::Side},
    {InputItem::Tag, 5, nullptr, ValueKind::Text},
    {InputItem::Ta, 5, kAngleMask, ValueKind::Angle},
    {InputItem::TbG, 6, nullptr, ValueKind::Text},
    {InputItem::Tb, 6, kAngleMask, ValueKind::Angle},
    {InputItem::Qa, 7, kAngleMask, ValueKind::Angle},
    {InputItem::Qb, 8, nullptr, ValueKind::Angle},
    {InputItem::A, 9, kAngleMask, ValueKind::TriangleAngle},
    {InputItem::B, 10, kAngleMask, ValueKind::TriangleAngle},
    {InputItem::C, 24, kAngleMask, ValueKind::IntervalAngle},
}};

constexpr const char* kNotANumber = "输入的不是一个数值，请重新输入。";
constexpr const char* kNegativeSide = "边长不能是负数，请重新输入。";
constexpr const char* kIllegalDms =
    "角度按 度.分分秒秒 输入，分和秒都必须小于 60，请重新输入。";
constexpr const char* kTriangleAngleRange =
    "求距角和前进角必须大于 0 度并且小于 180 度，请重新输入。";
constexpr const char* kIntervalAngleRange = "间隔角的绝对值必须小于 180 度，请重新输入。";

std::optional<std::string> refusalOfAngle(ValueKind kind, const std::string& answer) {
  const std::optional<TypedDms> dms = readDms(answer);
  if (!dms || !dms->legal()) return kIllegalDms;
  const double degrees = dms->toDecimalDegrees();
  if (kind == ValueKind::TriangleAngle && !(degrees > 0.0 && degrees < 180.0)) {
    return kTriangleAngleRange;
  }
  if (kind == ValueKind::IntervalAngle && !(std::fabs(degrees) < 180.0)) {
    return kIntervalAngleRange;
  }
  return std::nullopt;
}

// Asks until the answer is one the item takes; a refused answer is not echoed.
Answer askValue(Platform& platform, const InputRule& rule, const char* prompt) {
  for (;;) {
    std::string text = askOrEnd(platform, prompt);
    if (std::optional<std::string> refusal = refusalOf(rule.kind, text)) {
      platform.showMessage(*refusal);
      continue;
    }
    const double value = rule.kind == ValueKind::Text ? 0.0 : parseNumber(text).value_or(0.0);
    return {std::move(text), value};
  }
}

void echo(Platform& platform, const InputRule& rule, const Answer& answer, const char* mask) {
  if (mask == nullptr) {
    platform.setText(rule.box, " " + answer.text);
  } else {
    platform.setText(rule.box, " " + formatMask(answer.value, mask));
  }
}

}  // namespace

const InputRule& inputRule(InputItem item) { return kRules[static_cast<std::size_t>(item)]; }

std::optional<std::string> refusalOf(ValueKind kind, const std::string& answer) {
  if (kind == ValueKind::Text) return std::nullopt;
  const std::optional<double> value = parseNumber(answer);
  if (!value) return kNotANumber;
  if (kind == ValueKind::Side && *value < 0.0) return kNegativeSide;
  if (kind == ValueKind::Angle || kind == ValueKind::TriangleAngle ||
      kind == ValueKind::IntervalAngle) {
    return refusalOfAngle(kind, answer);
  }
  return std::nullopt;
}

Answer promptConfirm(Platform& platform, InputItem item,
                     const std::function<void()>& afterFirstEcho) {
  const InputRule& rule = inputRule(item);
  const PromptTexts& texts = promptTexts(item);

  Answer answer = askValue(platform, rule, texts.enter);
  echo(platform, rule, answer, rule.mask);
  if (afterFirstEcho) afterFirstEcho();

  std::string confirmation = askOrEnd(platform, texts.confirm);
  while (meansWrong(confirmation)) {
    // Qb's box is emptied; every other box keeps a single space.
    platform.setText(rule.box, item == InputItem::Qb ? "" : " ");
    answer = askValue(platform, rule, texts.reenter);
    echo(platform, rule, answer, item == InputItem::Ta ? kTaReentryMask : rule.mask);
    confirmation = askOrEnd(platform, texts.confirmAgain);
  }
  echo(platform, rule, answer, rule.mask);
  return answer;
}

double typedAngleDegrees(const Answer& answer) {
  const std::optional<TypedDms> dms = readDms(answer.text);
  return dms ? dms->toDecimalDegrees() : 0.0;
}

}  // namespace chainadj
