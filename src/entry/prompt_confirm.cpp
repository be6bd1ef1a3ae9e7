#include "entry/prompt_confirm.h"

#include <array>
#include <cmath>

#include "state/angles.h"
#include "state/display_format.h"
#include "state/form_fields.h"
#include "state/number_text.h"

namespace chainadj {
namespace {


constexpr std::array<InputRule, 23> kRules = {{
    {InputItem::Xa, box::kXa, kMaskCoordinate, ValueKind::Number},
    {InputItem::Ya, box::kYa, kMaskCoordinate, ValueKind::Number},
    {InputItem::Xb, box::kXb, kMaskCoordinate, ValueKind::Number},
    {InputItem::Yb, box::kYb, kMaskCoordinate, ValueKind::Number},
    {InputItem::Xc, box::kXc, kMaskCoordinate, ValueKind::Number},
    {InputItem::Yc, box::kYc, kMaskCoordinate, ValueKind::Number},
    {InputItem::Xd, box::kXd, kMaskCoordinate, ValueKind::Number},
    {InputItem::Yd, box::kYd, kMaskCoordinate, ValueKind::Number},
    {InputItem::Xe, box::kXe, kMaskCoordinate, ValueKind::Number},
    {InputItem::Ye, box::kYe, kMaskCoordinate, ValueKind::Number},
    {InputItem::Xf, box::kXf, kMaskCoordinate, ValueKind::Number},
    {InputItem::Yf, box::kYf, kMaskCoordinate, ValueKind::Number},
    {InputItem::Sa, box::kStartSide, kMaskSide, ValueKind::Side},
    {InputItem::Sb, box::kClosingSide, kMaskSide, ValueKind::Side},
    {InputItem::Tag, box::kStartAzimuth, nullptr, ValueKind::Text},
    {InputItem::Ta, box::kStartAzimuth, kMaskAngle, ValueKind::Angle},
    {InputItem::TbG, box::kClosingAzimuth, nullptr, ValueKind::Text},
    {InputItem::Tb, box::kClosingAzimuth, kMaskAngle, ValueKind::Angle},
    {InputItem::Qa, box::kQa, kMaskAngle, ValueKind::Angle},
    {InputItem::Qb, box::kQb, nullptr, ValueKind::Angle},
    {InputItem::A, box::kAngleA, kMaskAngle, ValueKind::TriangleAngle},
    {InputItem::B, box::kAngleB, kMaskAngle, ValueKind::TriangleAngle},
    {InputItem::C, box::kAngleC, kMaskAngle, ValueKind::IntervalAngle},
}};

constexpr const char* kNotANumber = "输入的不是一个数值，请重新输入。";
constexpr const char* kNegativeSide = "边长不能是负数，请重新输入。";
constexpr const char* kIllegalDms =
    "角度按 度.分分秒秒 输入，分和秒都必须小于 60，请重新输入。";
constexpr const char* kTriangleAngleRange =
    "求距角和前进角必须大于 0 度并且小于 180 度，请重新输入。";
constexpr const char* kIntervalAngleRange = "间隔角的绝对值必须小于 180 度，请重新输入。";

const char* promptMessage(Refusal refusal) {
  switch (refusal) {
    case Refusal::NotANumber: return kNotANumber;
    case Refusal::NegativeSide: return kNegativeSide;
    case Refusal::IllegalDms: return kIllegalDms;
    case Refusal::TriangleAngleRange: return kTriangleAngleRange;
    case Refusal::IntervalAngleRange: return kIntervalAngleRange;
  }
  return kNotANumber;
}

bool isAngle(ValueKind kind) {
  return kind == ValueKind::Angle || kind == ValueKind::TriangleAngle ||
         kind == ValueKind::IntervalAngle;
}

std::optional<Refusal> refusalOfDegrees(ValueKind kind, double degrees) {
  if (kind == ValueKind::TriangleAngle && !(degrees > 0.0 && degrees < 180.0)) {
    return Refusal::TriangleAngleRange;
  }
  if (kind == ValueKind::IntervalAngle && !(std::fabs(degrees) < 180.0)) {
    return Refusal::IntervalAngleRange;
  }
  return std::nullopt;
}

// Asks until the answer is one the item takes; a refused answer is not echoed.
Answer askValue(Platform& platform, const InputRule& rule, const std::string& prompt,
               const PromptKey& key) {
  for (;;) {
    std::string text = askOrEnd(platform, prompt, key);
    const ReadAnswer read = readAnswer(rule.kind, text);
    if (read.refusal) {
      platform.showMessage(promptMessage(*read.refusal));
      continue;
    }
    return {std::move(text), read.value, read.degrees};
  }
}

// A single space and the answer as typed, or its value with the mask.
std::string echoText(const Answer& answer, const char* mask) {
  return " " + (mask == nullptr ? answer.text : formatMask(answer.value, mask));
}

}  // namespace

const InputRule& inputRule(InputItem item) { return kRules[static_cast<std::size_t>(item)]; }

ReadAnswer readAnswer(ValueKind kind, const std::string& answer) {
  ReadAnswer read;
  if (kind == ValueKind::Text) return read;
  const std::optional<std::string> text = normalizedNumberText(answer);
  const std::optional<double> value = text ? numberOfNormalized(*text) : std::nullopt;
  if (!value) {
    read.refusal = Refusal::NotANumber;
    return read;
  }
  read.value = *value;
  if (kind == ValueKind::Side && *value < 0.0) read.refusal = Refusal::NegativeSide;
  if (isAngle(kind)) {
    const TypedDms dms = readDmsOfNormalized(*text);
    if (!dms.legal()) {
      read.refusal = Refusal::IllegalDms;
      return read;
    }
    read.degrees = dms.toDecimalDegrees();
    read.refusal = refusalOfDegrees(kind, read.degrees);
  }
  return read;
}

std::optional<Refusal> refusalReason(ValueKind kind, const std::string& answer) {
  return readAnswer(kind, answer).refusal;
}

std::optional<std::string> refusalOf(ValueKind kind, const std::string& answer) {
  const std::optional<Refusal> refusal = refusalReason(kind, answer);
  if (!refusal) return std::nullopt;
  return promptMessage(*refusal);
}

Answer promptConfirm(Platform& platform, InputItem item, int triangle,
                     const std::function<void()>& afterFirstEcho) {
  const InputRule& rule = inputRule(item);
  const PromptStrings& texts = promptStrings(item);
  const PromptKey confirmation = PromptKey::confirmation(item, triangle);

  Answer answer = askValue(platform, rule, texts.enter, PromptKey::value(item, triangle));
  std::string echo = echoText(answer, rule.mask);
  platform.setText(rule.box, echo);
  if (afterFirstEcho) afterFirstEcho();

  std::string confirmed = askOrEnd(platform, texts.confirm, confirmation);
  while (meansWrong(confirmed)) {
    // Qb's box is emptied; every other box keeps a single space.
    platform.setText(rule.box, item == InputItem::Qb ? "" : " ");
    answer = askValue(platform, rule, texts.reenter, PromptKey::reentry(item, triangle));
    const char* reenteredMask = item == InputItem::Ta ? kMaskAngleReentered : rule.mask;
    platform.setText(rule.box, echoText(answer, reenteredMask));
    echo = echoText(answer, rule.mask);
    confirmed = askOrEnd(platform, texts.confirmAgain, confirmation);
  }
  platform.setText(rule.box, echo);
  return answer;
}

double typedAngleDegrees(const Answer& answer) { return answer.degrees; }

}  // namespace chainadj
