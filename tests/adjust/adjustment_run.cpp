#include "adjustment_run.h"

#include <cstdlib>

#include "state/form_fields.h"

namespace chainadj::testing {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

std::string after(const std::string& text, const std::string& prefix) {
  return text.substr(prefix.size());
}

// How an event of the platform begins: "TextN: " and "LabelN: ".
std::string textPrefix(int box) { return "Text" + std::to_string(box) + ": "; }
std::string labelPrefix(int label) { return "Label" + std::to_string(label) + ": "; }

}  // namespace

AdjustmentRun::AdjustmentRun(const ChainAnswers& answers) {
  platform.setResponder(respondWith(answers));
  outcome = driver.runOnce();
}

std::vector<ListedPoint> AdjustmentRun::listing() const {
  std::vector<ListedPoint> points;
  bool listing = false;
  for (const std::string& event : platform.events()) {
    if (event == std::string("? ") + kListingPrompt) {
      points.emplace_back();
      listing = true;
    } else if (listing && startsWith(event, labelPrefix(label::kListedName))) {
      points.back().label = after(event, labelPrefix(label::kListedName));
    } else if (listing && startsWith(event, textPrefix(box::kPointName))) {
      points.back().name = after(event, textPrefix(box::kPointName));
    } else if (listing && startsWith(event, textPrefix(box::kListedX))) {
      points.back().xText = after(event, textPrefix(box::kListedX));
      points.back().x = std::strtod(points.back().xText.c_str(), nullptr);
    } else if (listing && startsWith(event, textPrefix(box::kListedY))) {
      points.back().yText = after(event, textPrefix(box::kListedY));
      points.back().y = std::strtod(points.back().yText.c_str(), nullptr);
    }
  }
  return points;
}

std::vector<std::string> AdjustmentRun::resultWrites() const {
  std::vector<std::string> writes;
  for (const std::string& event : platform.events()) {
    for (int box : {box::kAzimuthClosure, box::kSideClosure, box::kXClosure, box::kYClosure,
                    box::kMeanError, box::kReciprocalWeight, box::kLogMeanError,
                    box::kRelativeMeanError, box::kPointMeanError}) {
      if (startsWith(event, textPrefix(box))) writes.push_back(event);
    }
  }
  return writes;
}

double AdjustmentRun::number(int box) const {
  return std::strtod(platform.text(box).c_str(), nullptr);
}

ChainAngles adjustedAngles(const ChainState& chain) {
  ChainAngles angles;
  angles.A = chain.A;
  angles.B = chain.B;
  angles.C = chain.C;
  for (std::size_t i = 1; i < angles.C.size(); ++i) angles.C[i] *= chain.Sg[i];
  return angles;
}

}  // namespace chainadj::testing
