#include "entry/observation_entry.h"

#include <cmath>
#include <string>

#include "adjust/orientation_points.h"
#include "entry/prompt_confirm.h"
#include "entry/prompt_texts.h"
#include "state/angles.h"
#include "state/chain_error.h"
#include "state/constants.h"
#include "state/display_format.h"
#include "state/flag_answer.h"
#include "state/form_fields.h"
#include "state/number_text.h"

namespace chainadj {
namespace {

constexpr const char* kNoOrientationPoint = "無定向点";
constexpr const char* kNoOrientationAngleAtB = "B点没有定向角";
constexpr const char* kSamePointMessageC =
    "已知点 C 与起算点 A 的座标相同，不能推算起始边长和方位角，本次计算停止。";
constexpr const char* kSamePointMessageD =
    "已知点 D 与闭合点 B 的座标相同，不能推算闭合边长和方位角，本次计算停止。";
constexpr const char* kTriangleCountRefused =
    "三角形的个数必须是 1 到 100000 之间的整数，请重新输入。";

std::string sideEcho(double metres) { return " " + formatMask(metres, kMaskSide); }
std::string azimuthEcho(double degrees) {
  return " " + formatWithUnit(degrees, kMaskAngle, kUnitDegrees);
}

// The magnitude of a typed angle in decimal degrees, with the typed sign in `sign`.
double signedAngle(const Answer& answer, float& sign) {
  sign = signOf(answer.value);
  return std::fabs(typedAngleDegrees(answer));
}

}  // namespace

bool closureLeavesAnglesUsable(double a, double b, double c) {
  const double w = a + b + c - 180.0;
  const double correctedA = a - w / 3.0, correctedB = b - w / 3.0;
  return correctedA > 0.0 && correctedA < 180.0 && correctedB > 0.0 && correctedB < 180.0;
}

Answer ObservationEntry::take(InputItem item, int triangle,
                              const std::function<void()>& afterFirstEcho) {
  Answer answer = promptConfirm(platform_, item, triangle, afterFirstEcho);
  if (listener_ != nullptr) listener_->answerAccepted(PromptKey::value(item, triangle), answer.text);
  return answer;
}

bool ObservationEntry::takeTriangleCount() {
  for (;;) {
    const std::string answer =
        askOrEnd(platform_, kTriangleCountPrompt, PromptKey::triangleCount());
    const std::optional<std::string> text = normalizedNumberText(answer);
    if (text && text->empty()) return false;
    const std::optional<double> value = parseNumber(answer);
    if (value && *value >= 1.0 && *value <= kMaxTriangles && std::trunc(*value) == *value) {
      platform_.setText(box::kTriangleCount, std::string(kTriangleCountEchoStart) + answer + kTriangleCountEchoEnd);
      chain_.n = static_cast<int>(*value);
      chain_.createArrays(chain_.n);
      if (listener_ != nullptr) listener_->answerAccepted(PromptKey::triangleCount(), answer);
      chain_.rho = kRhoRadiansPerDegree;
      return true;
    }
    platform_.showMessage(kTriangleCountRefused);
  }
}

void ObservationEntry::takeKnownData() {
  takeCoordinates();
  echoMissingOrientationPoints();
  takeStartSide();
  takeClosingSide();
  takeStartAzimuth();
  takeClosingAzimuth();
  takeOrientationAngles();
}

void ObservationEntry::takeCoordinates() {
  chain_.Xa = number(InputItem::Xa);
  chain_.Ya = number(InputItem::Ya);
  chain_.Xb = number(InputItem::Xb);
  chain_.Yb = number(InputItem::Yb);
  chain_.Xc = number(InputItem::Xc);
  chain_.Yc = number(InputItem::Yc);
  chain_.Xd = number(InputItem::Xd);
  chain_.Yd = number(InputItem::Yd);
  if (chain_.noC()) {
    chain_.Xe = number(InputItem::Xe);
    chain_.Ye = number(InputItem::Ye);
  }
  if (chain_.noD()) {
    chain_.Xf = number(InputItem::Xf);
    chain_.Yf = number(InputItem::Yf);
  }
}

void ObservationEntry::echoMissingOrientationPoints() {
  if (chain_.noE()) {
    platform_.setText(box::kXe, kNoOrientationPoint);
    platform_.setText(box::kYe, kNoOrientationPoint);
  }
  if (chain_.noF()) {
    platform_.setText(box::kXf, kNoOrientationPoint);
    platform_.setText(box::kYf, kNoOrientationPoint);
  }
}

void ObservationEntry::takeStartSide() {
  if (chain_.noC()) {
    chain_.Sa = number(InputItem::Sa);
  } else if (chain_.hasC()) {
    // Side C-A and the azimuth from C to A.
    const Sight sight = sightBetween(chain_.Xc, chain_.Yc, chain_.Xa, chain_.Ya, kSamePointMessageC);
    chain_.Sa = sight.distance;
    platform_.setText(box::kStartSide, sideEcho(chain_.Sa));
    chain_.Ta = sight.azimuth;
    platform_.setText(box::kStartAzimuth, azimuthEcho(chain_.Ta));
    flags_.Tag = "y";
  }
}

void ObservationEntry::takeClosingSide() {
  if (chain_.noD()) {
    chain_.Sb = number(InputItem::Sb);
  } else if (chain_.hasD()) {
    // Side D-B and the azimuth from D to B.
    const Sight sight = sightBetween(chain_.Xd, chain_.Yd, chain_.Xb, chain_.Yb, kSamePointMessageD);
    chain_.Sb = sight.distance;
    platform_.setText(box::kClosingSide, sideEcho(chain_.Sb));
    chain_.Tb = sight.azimuth;
    platform_.setText(box::kClosingAzimuth, azimuthEcho(chain_.Tb));
  }
}

void ObservationEntry::takeStartAzimuth() {
  if (chain_.noC() && chain_.noE()) {
    flags_.Tag = flagAnswer(take(InputItem::Tag).text);
  } else if (chain_.noC() && chain_.hasE()) {
    flags_.Tag = "y";
  }
  if (chain_.noC() && chain_.noE() && flags_.tagYes()) {
    chain_.Ta = typedAngleDegrees(take(InputItem::Ta));
  }
}

void ObservationEntry::takeClosingAzimuth() {
  if (chain_.noD() && chain_.noF()) {
    flags_.TbG = flagAnswer(take(InputItem::TbG).text);
    if (flags_.TbG == "n") flags_.TbG = "nn";
  }
  if (chain_.hasD()) {
    flags_.TbG = "y";
  } else if (chain_.hasF()) {
    // The azimuth from B to F closes the chain; the distance B-F is only shown.
    flags_.TbG = "y";
    platform_.setText(box::kClosingSide, sideEcho(orientClosingByF(chain_)));
  }
  if (chain_.noD() && chain_.noF() && flags_.tbgYes()) {
    chain_.Tb = typedAngleDegrees(take(InputItem::Tb));
  }
}

void ObservationEntry::takeOrientationAngles() {
  if (flags_.tagYes() && chain_.noC()) {
    chain_.Qa = signedAngle(take(InputItem::Qa), chain_.Sg[0]);
    chain_.Qa *= chain_.Sg[0];
    chain_.typedQa = chain_.Qa;
  } else if (chain_.hasC()) {
    chain_.Qa = 0.0;
  }
  if (chain_.noD()) {
    const auto closing = static_cast<std::size_t>(chain_.n) + 1;
    if (flags_.tbgNone()) {
      chain_.Qb = 0.0;
      platform_.setText(box::kQb, kNoOrientationAngleAtB);
    } else if (flags_.tbgYes()) {
      chain_.Qb = signedAngle(take(InputItem::Qb), chain_.Sg[closing]);
      chain_.Qb *= chain_.Sg[closing];
      chain_.typedQb = chain_.Qb;
    }
  }
}

void ObservationEntry::takePointNames() {
  const int n = chain_.n;
  int order = 0;  // the place of the name in the order asked
  const auto name = [&](int index, const char* prompt) {
    const PromptKey key = PromptKey::pointName(order++);
    std::string answer = askOrEnd(platform_, prompt, key);
    platform_.setText(box::kPointName, " " + answer);
    if (listener_ != nullptr) listener_->answerAccepted(key, answer);
    chain_.na[static_cast<std::size_t>(index)] = std::move(answer);
  };
  if (chain_.hasC() && chain_.hasD()) {
    name(1, kNamePromptC);
    for (int i = 2; i <= n - 1; ++i) name(i, kNamePromptNewPoint);
    name(n, kNamePromptD);
  } else if (chain_.hasC() && chain_.noD()) {
    name(1, kNamePromptC);
    for (int i = 2; i <= n; ++i) name(i, kNamePromptNewPointTight);
    name(n + 1, kNamePromptB);
  } else if (chain_.noC() && chain_.noD()) {
    name(0, kNamePromptA);
    for (int i = 1; i <= n; ++i) name(i, kNamePromptNewPoint);
    name(n + 1, kNamePromptB);
  }
}

void ObservationEntry::takeTriangles() {
  for (int i = 1; i <= chain_.n; ++i) takeTriangle(i);
}

const std::string& ObservationEntry::triangleCaption(std::string_view words, int i) {
  caption_.assign(words).append(std::to_string(i)).push_back(')');
  return caption_;
}

void ObservationEntry::takeTriangle(int i) {
  const auto k = static_cast<std::size_t>(i);

  platform_.setLabel(label::kAngleA, triangleCaption("求距角 A(", i));
  platform_.setText(box::kAngleA, "");
  const Answer a = take(InputItem::A, i, [&] {
    platform_.setText(box::kAngleB, "");
    platform_.setText(box::kAngleC, "");
    platform_.setText(box::kTriangleClosure, "");
  });
  chain_.A[k] = typedAngleDegrees(a);
  platform_.setText(box::kAngleB, "");
  platform_.setLabel12(label::kAngleBElement, triangleCaption("前进角 B(", i));

  const Answer b = take(InputItem::B, i);
  chain_.B[k] = typedAngleDegrees(b);
  platform_.setText(box::kAngleC, "");
  platform_.setLabel12(label::kAngleCElement, triangleCaption("间隔角 C(", i));

  const Answer c = take(InputItem::C, i);
  chain_.C[k] = signedAngle(c, chain_.Sg[k]);
  chain_.typed[k] = {typedAngleDegrees(a), typedAngleDegrees(b), typedAngleDegrees(c)};
  distributeClosure(i);
}

void ObservationEntry::distributeClosure(int i) {
  const auto k = static_cast<std::size_t>(i);
  platform_.setLabel(label::kTriangleClosure, triangleCaption("三角形闭合差 w(", i));
  showValue(platform_, box::kTriangleClosure,
            kSecondsPerDegree * (chain_.A[k] + chain_.B[k] + chain_.C[k] - 180.0), kSecondsFormat);
  takeOffClosure(chain_, i);
}

void takeOffClosure(ChainState& chain, int i) {
  const auto k = static_cast<std::size_t>(i);
  const double w = chain.A[k] + chain.B[k] + chain.C[k] - 180.0;  // degrees
  const bool usable = closureLeavesAnglesUsable(chain.A[k], chain.B[k], chain.C[k]);
  chain.w[k] = kSecondsPerDegree * w;
  chain.WW += w * w / 3.0;
  chain.A[k] -= w / 3.0;
  chain.B[k] -= w / 3.0;
  chain.C[k] -= w / 3.0;
  if (!usable) {
    throw ChainError("第 " + std::to_string(i) +
                     " 个三角形的闭合差太大，改正后的角度超出了 0 度到 180 度，本次计算停止。");
  }
  chain.dA[k] = kLogSinePerSecond / std::tan(chain.rho * chain.A[k]);
  chain.dB[k] = -kLogSinePerSecond / std::tan(chain.rho * chain.B[k]);
}

}  // namespace chainadj
