// Prompt-and-confirm: ask a value, echo it, ask for a confirmation and, while the answer means
// wrong, ask it again. The text boxes only echo; nothing is ever read back from them.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "entry/prompt_texts.h"
#include "state/platform.h"

namespace chainadj {

// What an answer must be before it is echoed.
enum class ValueKind {
  Text,                // Tag, TbG: any text
  Number,              // coordinates: any number
  Side,                // Sa, Sb: a number, not negative
  Angle,               // Ta, Tb, Qa, Qb: degrees.minutesseconds, minutes and seconds below 60
  TriangleAngle,       // A(i), B(i): an angle strictly between 0 and 180 degrees
  IntervalAngle,       // C(i): a signed angle of magnitude below 180 degrees
};

struct InputRule {
  InputItem item;
  int box;              // the echo box TextN
  const char* mask;     // echo mask; nullptr echoes the answer text as typed
  ValueKind kind;
};

// The rule of each item: its echo box, mask and kind.
const InputRule& inputRule(InputItem item);

struct Answer {
  std::string text;      // as typed
  double value = 0.0;    // the number typed (angles still in degrees.minutesseconds); 0 for text
  double degrees = 0.0;  // an angle in decimal degrees, sign included; 0 for other kinds
};

// Why an answer is refused before it is echoed.
enum class Refusal {
  NotANumber,          // a numeric item got text that is no number
  NegativeSide,        // Sa or Sb below 0
  IllegalDms,          // minutes or seconds of 60 or more
  TriangleAngleRange,  // A(i) or B(i) not strictly between 0 and 180 degrees
  IntervalAngleRange,  // C(i) of magnitude 180 degrees or more
};

// Why the item refuses an answer, or nullopt when it is taken.
std::optional<Refusal> refusalReason(ValueKind kind, const std::string& answer);

// An answer read for an item of that kind: why the item refuses it, otherwise its number and,
// for an angle, its decimal degrees.
struct ReadAnswer {
  std::optional<Refusal> refusal;
  double value = 0.0;
  double degrees = 0.0;
};
ReadAnswer readAnswer(ValueKind kind, const std::string& answer);

// The message for an answer that the item refuses, or nullopt when it is taken.
std::optional<std::string> refusalOf(ValueKind kind, const std::string& answer);

// Runs the protocol for one item and returns the accepted answer; `triangle` is the triangle
// 1..n of an angle A, B or C (its prompts' keys carry it). afterFirstEcho, when given, runs once
// right after the first echo.
Answer promptConfirm(Platform& platform, InputItem item, int triangle = 0,
                     const std::function<void()>& afterFirstEcho = {});

// Decimal degrees of an accepted angle answer, sign included.
double typedAngleDegrees(const Answer& answer);

}  // namespace chainadj
