#include "adjustment_run.h"

#include <cstdlib>

namespace chainadj::testing {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

std::string after(const std::string& text, const std::string& prefix) {
  return text.substr(prefix.size());
}

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
    } else if (listing && startsWith(event, "Label35: ")) {
      points.back().label = after(event, "Label35: ");
    } else if (listing && startsWith(event, "Text21: ")) {
      points.back().name = after(event, "Text21: ");
    } else if (listing && startsWith(event, "Text22: ")) {
      points.back().xText = after(event, "Text22: ");
      points.back().x = std::strtod(points.back().xText.c_str(), nullptr);
    } else if (listing && startsWith(event, "Text23: ")) {
      points.back().yText = after(event, "Text23: ");
      points.back().y = std::strtod(points.back().yText.c_str(), nullptr);
    }
  }
  return points;
}

std::vector<std::string> AdjustmentRun::resultWrites() const {
  std::vector<std::string> writes;
  for (const std::string& event : platform.events()) {
    for (int box : {13, 14, 15, 16, 17, 18, 19, 20, 28}) {
      if (startsWith(event, "Text" + std::to_string(box) + ": ")) writes.push_back(event);
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
